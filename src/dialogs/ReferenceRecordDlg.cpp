#include "dialogs/ReferenceRecordDlg.h"

#include "core/AccountTypes.h"

namespace {
using K = ControlKind;

constexpr int kTitle = 1122;
constexpr int kDate = 1123;
constexpr int kAbout = 1124;
constexpr int kDescription = 1125;

constexpr ControlSpec kControls[] = {
    { kTitle, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Title:"), { 7, 15, 94, 12 }, "title" },
    { kDate, K::DatePicker, QT_TRANSLATE_NOOP("TableAccountDialog", "Date:"), { 108, 15, 65, 12 }, "date" },
    { kAbout, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "This Is About:"), { 7, 40, 166, 12 }, "about" },
    { kDescription, K::MemoHScroll, QT_TRANSLATE_NOOP("TableAccountDialog", "Description:"), { 7, 64, 166, 93 },
        "description" },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 72, 162, 50, 14 } },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 123, 162, 50, 14 } },
};
constexpr int kExchangeOrder[] = { kTitle, kAbout, kDescription, kDate };
constexpr int kStoreOrder[] = { kDate, kAbout, kDescription };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Title\n"), { kTitle } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - This Is About\n"), { kAbout } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Description\n\n"), { kDescription } },
};
const DialogSpec kSpec { AccountType::Reference, QT_TRANSLATE_NOOP("TableAccountDialog", "Reference"),
    ":/dialogs/icons/reference.svg", 180, 183, kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CReferenceRecordDlg::CReferenceRecordDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
