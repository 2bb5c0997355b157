#include "dialogs/PurchasedItemRecordDlg.h"

#include "core/AccountTypes.h"

namespace {
using K = ControlKind;

constexpr int kTitle = 1105;
constexpr int kManufacturer = 1109;
constexpr int kDescription = 1106;
constexpr int kModelNumber = 1101;
constexpr int kSerialNumber = 1100;
constexpr int kDatePurchased = 1107;
constexpr int kWarrantyExpiration = 1108;
constexpr int kStoreName = 1110;
constexpr int kReceiptNumber = 1111;
constexpr int kStoreLocation = 1104;

constexpr ControlSpec kControls[] = {
    { kTitle, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Title:"), { 7, 15, 77, 12 }, "title" },
    { kManufacturer, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Manufacturer:"), { 90, 15, 86, 12 },
        "manufacturer" },
    { kDescription, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Description:"), { 7, 38, 169, 12 },
        "description" },
    { kModelNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Model Number:"), { 7, 62, 77, 12 },
        "modelNumber" },
    { kSerialNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Serial Number:"), { 90, 62, 86, 12 },
        "serialNumber" },
    { kDatePurchased, K::DatePicker, QT_TRANSLATE_NOOP("TableAccountDialog", "Date Purchased:"), { 7, 86, 77, 12 },
        "datePurchased" },
    { kWarrantyExpiration, K::DatePicker, QT_TRANSLATE_NOOP("TableAccountDialog", "Warranty Expiration:"),
        { 90, 86, 86, 12 }, "warrantyExpiration" },
    { kStoreName, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Store Name:"), { 7, 110, 77, 12 }, "storeName" },
    { kReceiptNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Receipt Number:"), { 89, 110, 86, 12 },
        "receiptNumber" },
    { kStoreLocation, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Store Location:"), { 7, 133, 169, 12 },
        "storeLocation" },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 126, 159, 50, 14 } },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 74, 159, 50, 14 } },
};
constexpr int kExchangeOrder[] = { kTitle, kManufacturer, kDescription, kModelNumber, kSerialNumber, kStoreName,
    kReceiptNumber, kStoreLocation, kDatePurchased, kWarrantyExpiration };
constexpr int kStoreOrder[] = { kManufacturer, kDescription, kModelNumber, kSerialNumber, kStoreName, kReceiptNumber,
    kStoreLocation, kDatePurchased, kWarrantyExpiration };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Title\n"), { kTitle } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Manufacturer\n"), { kManufacturer } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Description\n"), { kDescription } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Model Or Serial #\n\n"), { kModelNumber, kSerialNumber } },
};
const DialogSpec kSpec { AccountType::PurchasedItem, QT_TRANSLATE_NOOP("TableAccountDialog", "Purchased Item Record"),
    ":/dialogs/icons/purchaseditem.svg", 183, 180, kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CPurchasedItemRecordDlg::CPurchasedItemRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
