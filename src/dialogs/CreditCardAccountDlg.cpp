#include "CreditCardAccountDlg.h"

#include "AccountTypes.h"

namespace {
using K = ControlKind;

constexpr const char* kCardTypes[]
    = { "Department Store", "Master Card", "Visa", "American Express", "Discover", "Debit" };

constexpr ControlSpec kControls[] = {
    { 1052, K::Edit, "Title:", { 7, 15, 62, 12 }, "title" },
    { 1023, K::Edit, "Credit Card Provider:", { 75, 15, 98, 12 }, "provider" },
    { 1027, K::Edit, "Account #:", { 7, 36, 166, 12 }, "accountNumber" },
    { 1025, K::TypeBox, "Type:", { 7, 58, 94, 60 }, "accountType", kCardTypes, "American Express" },
    { 1029, K::AprEdit, "APR:", { 108, 58, 55, 12 }, "apr" },
    { -1, K::Static, "%", { 166, 60, 7, 8 } },
    { 1034, K::Edit, "PIN:", { 7, 80, 73, 12 }, "pin" },
    { 1026, K::DatePicker, "Expires:", { 87, 80, 86, 12 }, "expiration" },
    { 1046, K::Edit, "Name On Card:", { 7, 102, 166, 12 }, "nameOnCard" },
    { 1030, K::Memo, "Customer Service Phone Number:", { 7, 125, 166, 33 }, "servicePhone" },
    { 2, K::CancelButton, "Cancel", { 123, 162, 50, 14 } },
    { 1, K::OkButton, "OK", { 71, 162, 50, 14 } },
};
constexpr int kExchangeOrder[] = { 1025, 1026, 1027, 1029, 1046, 1034, 1023, 1030, 1052 };
constexpr int kStoreOrder[] = { 1025, 1027, 1034, 1030, 1023, 1026, 1046, 1029 };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { 1052 } },
    { "   - Provider\n", { 1023 } },
    { "   - Name On Card\n", { 1046 } },
    { "   - Account Number\n\n", { 1027 } },
};
const DialogSpec kSpec { AccountType::CreditCard, "Credit Card Account", ":/dialogs/icons/creditcard.svg", 180, 183,
    kControls, kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CCreditCardAccountDlg::CCreditCardAccountDlg(CQuorrilDoc* document, qint32 accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
