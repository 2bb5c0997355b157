#include "accounts/PurchasedItemRecord.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "manufacturer", FieldKind::Text, "Manufacturer" },
    { "description", FieldKind::Text, "Description" },
    { "modelNumber", FieldKind::Text, "Model #" },
    { "serialNumber", FieldKind::Text, "Serial #" },
    { "storeName", FieldKind::Text, "Store Name" },
    { "receiptNumber", FieldKind::Text, "Receipt #" },
    { "storeLocation", FieldKind::Text, "Store Location" },
    { "datePurchased", FieldKind::Date, "Date Purchased" },
    { "warrantyExpiration", FieldKind::Date, "Warranty Expiration", SecretKind::None, FieldRole::Expiry },
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
