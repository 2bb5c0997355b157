#include "accounts/CallingCardAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "provider", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Provider") },
    { "accessPhone", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Acces Phone #") },
    { "cardNumber", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Card #") },
    { "pin", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "PIN"), SecretKind::Pin, FieldRole::CopyTarget },
    { "servicePhone", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Service Phone #") },
    { "remainingMinutes", FieldKind::Integer, QT_TRANSLATE_NOOP("AccountFields", "Remaining Minutes") },
};
constexpr int kFileOrder[]
    = { CallingCardAccount::Provider, CallingCardAccount::AccessPhone, CallingCardAccount::CardNumber,
          CallingCardAccount::Pin, CallingCardAccount::RemainingMinutes, CallingCardAccount::ServicePhone };
constexpr int kListOrder[]
    = { CallingCardAccount::Provider, CallingCardAccount::AccessPhone, CallingCardAccount::CardNumber,
          CallingCardAccount::Pin, CallingCardAccount::RemainingMinutes, CallingCardAccount::ServicePhone };
const RecordLayout kLayout { AccountType::CallingCard, kFields, kFileOrder, kListOrder };
} // namespace

CallingCardAccount::CallingCardAccount(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& CallingCardAccount::Layout() { return kLayout; }
