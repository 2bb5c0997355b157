#include "dialogs/CreditCardAccountDlg.h"

#include "core/AccountTypes.h"

namespace {
using K = ControlKind;

constexpr const char* kCardTypes[]
    = { "Department Store", "Master Card", "Visa", "American Express", "Discover", "Debit" };

constexpr int kTitle = 1052;
constexpr int kProvider = 1023;
constexpr int kAccountNumber = 1027;
constexpr int kAccountType = 1025;
constexpr int kApr = 1029;
constexpr int kPercentSign = -1;
constexpr int kPin = 1034;
constexpr int kExpiration = 1026;
constexpr int kNameOnCard = 1046;
constexpr int kServicePhone = 1030;

constexpr ControlSpec kControls[] = {
    { kTitle, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Title:"), { 7, 15, 62, 12 }, "title" },
    { kProvider, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Credit Card Provider:"), { 75, 15, 98, 12 },
        "provider" },
    { kAccountNumber, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Account #:"), { 7, 36, 166, 12 },
        "accountNumber" },
    { kAccountType, K::TypeBox, QT_TRANSLATE_NOOP("TableAccountDialog", "Type:"), { 7, 58, 94, 60 }, "accountType",
        kCardTypes, "American Express" },
    { kApr, K::AprEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "APR:"), { 108, 58, 55, 12 }, "apr" },
    { kPercentSign, K::Static, QT_TRANSLATE_NOOP("TableAccountDialog", "%"), { 166, 60, 7, 8 } },
    { kPin, K::SecretEdit, QT_TRANSLATE_NOOP("TableAccountDialog", "PIN:"), { 7, 80, 73, 12 }, "pin" },
    { kExpiration, K::DatePicker, QT_TRANSLATE_NOOP("TableAccountDialog", "Expires:"), { 87, 80, 86, 12 },
        "expiration" },
    { kNameOnCard, K::Edit, QT_TRANSLATE_NOOP("TableAccountDialog", "Name On Card:"), { 7, 102, 166, 12 },
        "nameOnCard" },
    { kServicePhone, K::Memo, QT_TRANSLATE_NOOP("TableAccountDialog", "Customer Service Phone Number:"),
        { 7, 125, 166, 33 }, "servicePhone" },
    { kIdCancel, K::CancelButton, QT_TRANSLATE_NOOP("TableAccountDialog", "Cancel"), { 123, 162, 50, 14 } },
    { kIdOk, K::OkButton, QT_TRANSLATE_NOOP("TableAccountDialog", "OK"), { 71, 162, 50, 14 } },
};
constexpr int kExchangeOrder[]
    = { kAccountType, kExpiration, kAccountNumber, kApr, kNameOnCard, kPin, kProvider, kServicePhone, kTitle };
constexpr int kStoreOrder[]
    = { kAccountType, kAccountNumber, kPin, kServicePhone, kProvider, kExpiration, kNameOnCard, kApr };
constexpr RequiredLine kRequired[] = {
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Title\n"), { kTitle } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Provider\n"), { kProvider } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Name On Card\n"), { kNameOnCard } },
    { QT_TRANSLATE_NOOP("TableAccountDialog", "   - Account Number\n\n"), { kAccountNumber } },
};
const DialogSpec kSpec { AccountType::CreditCard, QT_TRANSLATE_NOOP("TableAccountDialog", "Credit Card Account"),
    ":/dialogs/icons/creditcard.svg", 180, 183, kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CCreditCardAccountDlg::CCreditCardAccountDlg(CQuorrilDoc* document, AccountId accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
