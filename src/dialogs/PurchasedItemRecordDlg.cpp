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
    { kTitle, K::Edit, "Title:", { 7, 15, 77, 12 }, "title" },
    { kManufacturer, K::Edit, "Manufacturer:", { 90, 15, 86, 12 }, "manufacturer" },
    { kDescription, K::Edit, "Description:", { 7, 38, 169, 12 }, "description" },
    { kModelNumber, K::Edit, "Model Number:", { 7, 62, 77, 12 }, "modelNumber" },
    { kSerialNumber, K::Edit, "Serial Number:", { 90, 62, 86, 12 }, "serialNumber" },
    { kDatePurchased, K::DatePicker, "Date Purchased:", { 7, 86, 77, 12 }, "datePurchased" },
    { kWarrantyExpiration, K::DatePicker, "Warranty Expiration:", { 90, 86, 86, 12 }, "warrantyExpiration" },
    { kStoreName, K::Edit, "Store Name:", { 7, 110, 77, 12 }, "storeName" },
    { kReceiptNumber, K::Edit, "Receipt Number:", { 89, 110, 86, 12 }, "receiptNumber" },
    { kStoreLocation, K::Edit, "Store Location:", { 7, 133, 169, 12 }, "storeLocation" },
    { kIdCancel, K::CancelButton, "Cancel", { 126, 159, 50, 14 } },
    { kIdOk, K::OkButton, "OK", { 74, 159, 50, 14 } },
};
constexpr int kExchangeOrder[] = { kTitle, kManufacturer, kDescription, kModelNumber, kSerialNumber, kStoreName,
    kReceiptNumber, kStoreLocation, kDatePurchased, kWarrantyExpiration };
constexpr int kStoreOrder[] = { kManufacturer, kDescription, kModelNumber, kSerialNumber, kStoreName, kReceiptNumber,
    kStoreLocation, kDatePurchased, kWarrantyExpiration };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { kTitle } },
    { "   - Manufacturer\n", { kManufacturer } },
    { "   - Description\n", { kDescription } },
    { "   - Model Or Serial #\n\n", { kModelNumber, kSerialNumber } },
};
const DialogSpec kSpec { AccountType::PurchasedItem, "Purchased Item Record", ":/dialogs/icons/purchaseditem.svg", 183,
    180, kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CPurchasedItemRecordDlg::CPurchasedItemRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
