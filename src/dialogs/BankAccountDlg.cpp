#include "dialogs/BankAccountDlg.h"

#include "core/AccountTypes.h"

namespace {
using K = ControlKind;

constexpr const char* kAccountTypes[]
    = { "Checking", "Savings", "IRA", "Credit Line", "Debit", "Brokerage", "Money Market", "401K" };

constexpr int kTitle = 1051;
constexpr int kInstitution = 1014;
constexpr int kAccountNumber = 1015;
constexpr int kRoutingNumber = 1045;
constexpr int kAccountType = 1017;
constexpr int kPin = 1019;
constexpr int kNameOnAccount = 1047;
constexpr int kServicePhone = 1021;

constexpr ControlSpec kControls[] = {
    { kTitle, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Title:"), { 7, 15, 62, 12 }, "title" },
    { kInstitution, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Bank Institution:"), { 75, 15, 98, 12 },
        "institution" },
    { kAccountNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Account #:"), { 7, 37, 166, 12 },
        "accountNumber" },
    { kRoutingNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Routing Number:"), { 7, 59, 166, 12 },
        "routingNumber" },
    { kAccountType, K::TypeBox, QT_TRANSLATE_NOOP("TableAccountDialog", "Type:"), { 7, 81, 94, 89 }, "accountType",
        kAccountTypes, "401K" },
    { kPin, K::SecretEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "PIN:"), { 110, 81, 63, 12 }, "pin" },
    { kNameOnAccount, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Name On Account:"), { 7, 104, 166, 12 },
        "nameOnAccount" },
    { kServicePhone, K::Memo, QT_TRANSLATE_NOOP("TableAccountDialog", "Customer Service Phone Number:"),
        { 7, 126, 166, 33 }, "servicePhone" },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 123, 163, 50, 14 } },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 71, 163, 50, 14 } },
};
constexpr int kExchangeOrder[]
    = { kAccountType, kAccountNumber, kPin, kServicePhone, kInstitution, kRoutingNumber, kNameOnAccount, kTitle };
constexpr int kStoreOrder[]
    = { kAccountType, kAccountNumber, kPin, kServicePhone, kInstitution, kRoutingNumber, kNameOnAccount };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Title\n"), { kTitle } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Bank Institution\n"), { kInstitution } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Name On Account\n"), { kNameOnAccount } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Account Number\n\n"), { kAccountNumber } },
};
const DialogSpec kSpec { AccountType::Bank, QT_TRANSLATE_NOOP("TableAccountDialog", "Bank Account"),
    ":/dialogs/icons/bank.svg", 180, 183, kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CBankAccountDlg::CBankAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
