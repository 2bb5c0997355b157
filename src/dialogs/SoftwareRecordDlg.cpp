#include "SoftwareRecordDlg.h"

#include "AccountTypes.h"

namespace {
using K = ControlKind;

constexpr ControlSpec kControls[] = {
    { 1091, K::Edit, "Title:", { 7, 15, 77, 12 }, "title" },
    { 1092, K::Edit, "Version:", { 91, 15, 82, 12 }, "version" },
    { 1089, K::Edit, "Manufacturer:", { 7, 39, 77, 12 }, "manufacturer" },
    { 1086, K::Edit, "Serial #:", { 91, 39, 82, 12 }, "serialNumber" },
    { 1087, K::Edit, "CD Key:", { 7, 64, 166, 12 }, "cdKey" },
    { 1088, K::Edit, "Support Website URL:", { 7, 89, 166, 12 }, "supportUrl" },
    { 1090, K::Memo, "Custormer Service Phone Number:", { 7, 114, 166, 42 }, "servicePhone" },
    { 2, K::CancelButton, "Cancel", { 123, 162, 50, 14 } },
    { 1, K::OkButton, "OK", { 72, 162, 50, 14 } },
};
constexpr int kExchangeOrder[] = { 1091, 1092, 1089, 1086, 1087, 1088, 1090 };
constexpr int kStoreOrder[] = { 1092, 1089, 1086, 1087, 1088, 1090 };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { 1091 } },
    { "   - Manufacturer\n", { 1089 } },
    { "   - Serial # Or CD Key\n\n", { 1086, 1087 } },
};
const DialogSpec kSpec { AccountType::Software, "Software Record", ":/dialogs/icons/software.svg", 180, 183, kControls,
    kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CSoftwareRecordDlg::CSoftwareRecordDlg(CQuorrilDoc* document, qint32 accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
