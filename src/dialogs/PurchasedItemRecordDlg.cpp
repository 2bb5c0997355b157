#include "PurchasedItemRecordDlg.h"

#include "AccountTypes.h"

namespace {
using K = ControlKind;

constexpr ControlSpec kControls[] = {
    { 1105, K::Edit, "Title:", { 7, 15, 77, 12 }, "title" },
    { 1109, K::Edit, "Manufacturer:", { 90, 15, 86, 12 }, "manufacturer" },
    { 1106, K::Edit, "Description:", { 7, 38, 169, 12 }, "description" },
    { 1101, K::Edit, "Model Number:", { 7, 62, 77, 12 }, "modelNumber" },
    { 1100, K::Edit, "Serial Number:", { 90, 62, 86, 12 }, "serialNumber" },
    { 1107, K::DatePicker, "Date Purchased:", { 7, 86, 77, 12 }, "datePurchased" },
    { 1108, K::DatePicker, "Warranty Expiration:", { 90, 86, 86, 12 }, "warrantyExpiration" },
    { 1110, K::Edit, "Store Name:", { 7, 110, 77, 12 }, "storeName" },
    { 1111, K::Edit, "Receipt Number:", { 89, 110, 86, 12 }, "receiptNumber" },
    { 1104, K::Edit, "Store Location:", { 7, 133, 169, 12 }, "storeLocation" },
    { 2, K::CancelButton, "Cancel", { 126, 159, 50, 14 } },
    { 1, K::OkButton, "OK", { 74, 159, 50, 14 } },
};
constexpr int kExchangeOrder[] = { 1105, 1109, 1106, 1101, 1100, 1110, 1111, 1104, 1107, 1108 };
constexpr int kStoreOrder[] = { 1109, 1106, 1101, 1100, 1110, 1111, 1104, 1107, 1108 };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { 1105 } },
    { "   - Manufacturer\n", { 1109 } },
    { "   - Description\n", { 1106 } },
    { "   - Model Or Serial #\n\n", { 1101, 1100 } },
};
const DialogSpec kSpec { AccountType::PurchasedItem, "Purchased Item Record", ":/dialogs/icons/purchaseditem.svg", 183,
    180, kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CPurchasedItemRecordDlg::CPurchasedItemRecordDlg(CQuorrilDoc* document, qint32 accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
