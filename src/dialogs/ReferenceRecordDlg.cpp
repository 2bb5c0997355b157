#include "ReferenceRecordDlg.h"

#include "AccountTypes.h"

namespace {
using K = ControlKind;

constexpr ControlSpec kControls[] = {
    { 1122, K::Edit, "Title:", { 7, 15, 94, 12 }, "title" },
    { 1123, K::DatePicker, "Date:", { 108, 15, 65, 12 }, "date" },
    { 1124, K::Edit, "This Is About:", { 7, 40, 166, 12 }, "about" },
    { 1125, K::MemoHScroll, "Description:", { 7, 64, 166, 93 }, "description" },
    { 1, K::OkButton, "OK", { 72, 162, 50, 14 } },
    { 2, K::CancelButton, "Cancel", { 123, 162, 50, 14 } },
};
constexpr int kExchangeOrder[] = { 1122, 1124, 1125, 1123 };
constexpr int kStoreOrder[] = { 1123, 1124, 1125 };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { 1122 } },
    { "   - This Is About\n", { 1124 } },
    { "   - Description\n\n", { 1125 } },
};
const DialogSpec kSpec { AccountType::Reference, "Reference", ":/dialogs/icons/reference.svg", 180, 183, kControls,
    kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CReferenceRecordDlg::CReferenceRecordDlg(CQuorrilDoc* document, qint32 accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
