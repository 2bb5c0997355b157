#include "CallingCardAccountDlg.h"

#include "AccountTypes.h"

namespace {
using K = ControlKind;

constexpr ControlSpec kControls[] = {
    { 1098, K::Edit, "Title:", { 7, 15, 78, 12 }, "title" },
    { 1099, K::Edit, "Provider:", { 92, 15, 81, 12 }, "provider" },
    { 1093, K::Edit, "Access Phone Number:", { 7, 39, 78, 12 }, "accessPhone" },
    { 1094, K::Edit, "Card Number:", { 92, 39, 81, 12 }, "cardNumber" },
    { 1095, K::Edit, "PIN:", { 7, 64, 78, 12 }, "pin" },
    { 1097, K::MinutesEdit, "Remaining Minutes:", { 92, 64, 81, 12 }, "remainingMinutes" },
    { 1096, K::Memo, "Customer Service Phone Number:", { 7, 89, 166, 65 }, "servicePhone" },
    { 2, K::CancelButton, "Cancel", { 123, 162, 50, 14 } },
    { 1, K::OkButton, "OK", { 71, 162, 50, 14 } },
};
constexpr int kExchangeOrder[] = { 1098, 1099, 1093, 1094, 1095, 1097, 1096 };
constexpr int kStoreOrder[] = { 1099, 1093, 1094, 1095, 1097, 1096 };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { 1098 } },
    { "   - Provider\n", { 1099 } },
    { "   - Access Phone\n", { 1093 } },
    { "   - Card Number\n\n", { 1094 } },
};
const DialogSpec kSpec { AccountType::CallingCard, "Calling Card Account", ":/dialogs/icons/callingcard.svg", 180, 183,
    kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CCallingCardAccountDlg::CCallingCardAccountDlg(CQuorrilDoc* document, qint32 accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
