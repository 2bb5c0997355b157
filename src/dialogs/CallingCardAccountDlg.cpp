#include "dialogs/CallingCardAccountDlg.h"

#include "core/AccountTypes.h"

namespace {
using K = ControlKind;

constexpr int kTitle = 1098;
constexpr int kProvider = 1099;
constexpr int kAccessPhone = 1093;
constexpr int kCardNumber = 1094;
constexpr int kPin = 1095;
constexpr int kRemainingMinutes = 1097;
constexpr int kServicePhone = 1096;

constexpr ControlSpec kControls[] = {
    { kTitle, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Title:"), { 7, 15, 78, 12 }, "title" },
    { kProvider, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Provider:"), { 92, 15, 81, 12 }, "provider" },
    { kAccessPhone, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Access Phone Number:"), { 7, 39, 78, 12 },
        "accessPhone" },
    { kCardNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Card Number:"), { 92, 39, 81, 12 }, "cardNumber" },
    { kPin, K::SecretEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "PIN:"), { 7, 64, 78, 12 }, "pin" },
    { kRemainingMinutes, K::MinutesEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "Remaining Minutes:"),
        { 92, 64, 81, 12 }, "remainingMinutes" },
    { kServicePhone, K::Memo, QT_TRANSLATE_NOOP("TableAccountDialog", "Customer Service Phone Number:"),
        { 7, 89, 166, 65 }, "servicePhone" },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 123, 162, 50, 14 } },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 71, 162, 50, 14 } },
};
constexpr int kExchangeOrder[]
    = { kTitle, kProvider, kAccessPhone, kCardNumber, kPin, kRemainingMinutes, kServicePhone };
constexpr int kStoreOrder[] = { kProvider, kAccessPhone, kCardNumber, kPin, kRemainingMinutes, kServicePhone };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Title\n"), { kTitle } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Provider\n"), { kProvider } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Access Phone\n"), { kAccessPhone } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Card Number\n\n"), { kCardNumber } },
};
const DialogSpec kSpec { AccountType::CallingCard, QT_TRANSLATE_NOOP("TableAccountDialog", "Calling Card Account"),
    ":/dialogs/icons/callingcard.svg", 180, 183, kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CCallingCardAccountDlg::CCallingCardAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
