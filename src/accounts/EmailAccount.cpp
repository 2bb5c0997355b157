#include "accounts/EmailAccount.h"

#include "core/AccountTypes.h"

namespace {
constexpr FieldSpec kFields[] = {
    { "logInUrl", FieldKind::Text, QT_TRANSLATE_NOOP("AccountFields", "Log In URL"), SecretKind::None, FieldRole::Url },
};
constexpr int kFileOrder[] = { EmailAccount::LogInUrl };
constexpr int kListOrder[] = { EmailAccount::LogInUrl };
const RecordLayout kLayout { AccountType::Email, kFields, kFileOrder, kListOrder, UserListing::Listed };
} // namespace

EmailAccount::EmailAccount(AccountId id)
    : FieldAccount(id, kLayout)
{
}

const RecordLayout& EmailAccount::Layout() { return kLayout; }
