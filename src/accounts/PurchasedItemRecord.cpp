#include "accounts/PurchasedItemRecord.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "manufacturer", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Manufacturer") },
    { "description", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Description") },
    { "modelNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Model #") },
    { "serialNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Serial #") },
    { "storeName", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Store Name") },
    { "receiptNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Receipt #") },
    { "storeLocation", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Store Location") },
    { "datePurchased", FieldKind::Date, QT_TRANSLATE_NOOP("AccountFields", "Date Purchased") },
    { "warrantyExpiration", FieldKind::Date, QT_TRANSLATE_NOOP("AccountFields", "Warranty Expiration"),
        SecretKind::None, FieldRole::Expiry },
};
constexpr int kFileOrder[] = { PurchasedItemRecord::Manufacturer, PurchasedItemRecord::Description,
    PurchasedItemRecord::ModelNumber, PurchasedItemRecord::SerialNumber, PurchasedItemRecord::DatePurchased,
    PurchasedItemRecord::WarrantyExpiration, PurchasedItemRecord::ReceiptNumber, PurchasedItemRecord::StoreName,
    PurchasedItemRecord::StoreLocation };
constexpr int kListOrder[] = { PurchasedItemRecord::Manufacturer, PurchasedItemRecord::Description,
    PurchasedItemRecord::ModelNumber, PurchasedItemRecord::SerialNumber, PurchasedItemRecord::DatePurchased,
    PurchasedItemRecord::WarrantyExpiration, PurchasedItemRecord::ReceiptNumber, PurchasedItemRecord::StoreName,
    PurchasedItemRecord::StoreLocation };
const RecordLayout kLayout { AccountType::PurchasedItem, kFields, kFileOrder, kListOrder };
} // namespace

PurchasedItemRecord::PurchasedItemRecord(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& PurchasedItemRecord::Layout() { return kLayout; }
