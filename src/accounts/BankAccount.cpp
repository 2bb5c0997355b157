#include "accounts/BankAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "institution", FieldKind::Text, "Institution" },
    { "accountType", FieldKind::Text, "Acct Type" },
    { "nameOnAccount", FieldKind::Text, "Name On Acct" },
    { "accountNumber", FieldKind::Text, "Acct #" },
    { "routingNumber", FieldKind::Text, "Routing #" },
    { "pin", FieldKind::Text, "PIN", SecretKind::Pin, FieldRole::CopyTarget },
    { "servicePhone", FieldKind::Text, "Service Phone" },
};
constexpr int kFileOrder[] = { BankAccount::Institution, BankAccount::AccountType, BankAccount::NameOnAccount,
    BankAccount::AccountNumber, BankAccount::RoutingNumber, BankAccount::Pin, BankAccount::ServicePhone };
constexpr int kListOrder[] = { BankAccount::Institution, BankAccount::AccountType, BankAccount::NameOnAccount,
    BankAccount::AccountNumber, BankAccount::RoutingNumber, BankAccount::Pin, BankAccount::ServicePhone };
const RecordLayout kLayout { AccountType::Bank, kFields, kFileOrder, kListOrder };
} // namespace

BankAccount::BankAccount(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& BankAccount::Layout() { return kLayout; }
