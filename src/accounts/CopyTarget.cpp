#include "accounts/CopyTarget.h"

#include "accounts/AccountRoles.h"

namespace CopyTarget {

bool hasSecret(AccountType type) { return AccountRoles::has(type, FieldRole::CopyTarget); }

std::optional<QString> secretOf(const AccountRecord& account)
{
    // The account's own table decides, not its type code: a record never gives a field it lacks.
    return AccountRoles::textOf(account, FieldRole::CopyTarget);
}

} // namespace CopyTarget
