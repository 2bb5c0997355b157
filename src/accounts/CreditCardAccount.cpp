#include "accounts/CreditCardAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "accountType", FieldKind::Text, "Acct Type" },
    { "expiration", FieldKind::Date, "Expiration", SecretKind::None, FieldRole::Expiry },
    { "accountNumber", FieldKind::Text, "Acct #" },
    { "apr", FieldKind::Decimal, "APR" },
    { "nameOnCard", FieldKind::Text, "Name On Card" },
    { "pin", FieldKind::Text, "PIN", SecretKind::Pin, FieldRole::CopyTarget },
    { "provider", FieldKind::Text, "Provider" },
    { "servicePhone", FieldKind::Text, "Service Phone" },
};
constexpr int kFileOrder[] = { CreditCardAccount::Provider, CreditCardAccount::AccountType,
    CreditCardAccount::NameOnCard, CreditCardAccount::AccountNumber, CreditCardAccount::Expiration,
    CreditCardAccount::Apr, CreditCardAccount::Pin, CreditCardAccount::ServicePhone };
constexpr int kListOrder[] = { CreditCardAccount::Provider, CreditCardAccount::AccountType,
    CreditCardAccount::AccountNumber, CreditCardAccount::Apr, CreditCardAccount::Expiration,
    CreditCardAccount::NameOnCard, CreditCardAccount::Pin, CreditCardAccount::ServicePhone };
const RecordLayout kLayout { AccountType::CreditCard, kFields, kFileOrder, kListOrder };
} // namespace

CreditCardAccount::CreditCardAccount(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& CreditCardAccount::Layout() { return kLayout; }
