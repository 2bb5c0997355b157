#include "accounts/BankAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "institution", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Institution") },
    { "accountType", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Acct Type") },
    { "nameOnAccount", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Name On Acct") },
    { "accountNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Acct #") },
    { "routingNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Routing #") },
    { "pin", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "PIN"), SecretKind::Pin, FieldRole::CopyTarget },
    { "servicePhone", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Service Phone") },
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
