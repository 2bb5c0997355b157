#include "accounts/CreditCardAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "accountType", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Acct Type") },
    { "expiration", FieldKind::Date, QT_TRANSLATE_NOOP("AccountFields", "Expiration"), SecretKind::None,
        FieldRole::Expiry },
    { "accountNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Acct #") },
    { "apr", FieldKind::Decimal, QT_TRANSLATE_NOOP("AccountFields", "APR") },
    { "nameOnCard", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Name On Card") },
    { "pin", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "PIN"), SecretKind::Pin, FieldRole::CopyTarget },
    { "provider", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Provider") },
    { "servicePhone", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Service Phone") },
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
