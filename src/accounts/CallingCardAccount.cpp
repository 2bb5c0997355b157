#include "accounts/CallingCardAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "provider", FieldKind::Text, "Provider" },
    { "accessPhone", FieldKind::Text, "Acces Phone #" },
    { "cardNumber", FieldKind::Text, "Card #" },
    { "pin", FieldKind::Text, "PIN", SecretKind::Pin, FieldRole::CopyTarget },
    { "servicePhone", FieldKind::Text, "Service Phone #" },
    { "remainingMinutes", FieldKind::Integer, "Remaining Minutes" },
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
