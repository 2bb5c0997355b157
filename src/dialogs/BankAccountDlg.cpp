#include "BankAccountDlg.h"

#include "AccountTypes.h"

namespace {
using K = ControlKind;

constexpr const char* kAccountTypes[]
    = { "Checking", "Savings", "IRA", "Credit Line", "Debit", "Brokerage", "Money Market", "401K" };

constexpr ControlSpec kControls[] = {
    { 1051, K::Edit, "Title:", { 7, 15, 62, 12 }, "title" },
    { 1014, K::Edit, "Bank Institution:", { 75, 15, 98, 12 }, "institution" },
    { 1015, K::Edit, "Account #:", { 7, 37, 166, 12 }, "accountNumber" },
    { 1045, K::Edit, "Routing Number:", { 7, 59, 166, 12 }, "routingNumber" },
    { 1017, K::TypeBox, "Type:", { 7, 81, 94, 89 }, "accountType", kAccountTypes, "401K" },
    { 1019, K::Edit, "PIN:", { 110, 81, 63, 12 }, "pin" },
    { 1047, K::Edit, "Name On Account:", { 7, 104, 166, 12 }, "nameOnAccount" },
    { 1021, K::Memo, "Customer Service Phone Number:", { 7, 126, 166, 33 }, "servicePhone" },
    { 2, K::CancelButton, "Cancel", { 123, 163, 50, 14 } },
    { 1, K::OkButton, "OK", { 71, 163, 50, 14 } },
};
constexpr int kExchangeOrder[] = { 1017, 1015, 1019, 1021, 1014, 1045, 1047, 1051 };
constexpr int kStoreOrder[] = { 1017, 1015, 1019, 1021, 1014, 1045, 1047 };
constexpr RequiredLine kRequired[] = {
    { "   - Title\n", { 1051 } },
    { "   - Bank Institution\n", { 1014 } },
    { "   - Name On Account\n", { 1047 } },
    { "   - Account Number\n\n", { 1015 } },
};
const DialogSpec kSpec { AccountType::Bank, "Bank Account", ":/dialogs/icons/bank.svg", 180, 183, kControls,
    kExchangeOrder, kStoreOrder, kRequired };
} // namespace

CBankAccountDlg::CBankAccountDlg(CQuorrilDoc* document, qint32 accountId, QWidget* parent)
    : TableAccountDialog(kSpec, document, accountId, parent)
{
}
