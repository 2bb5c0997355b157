#pragma once

#include "core/AccountTypes.h"

#include <QString>

#include <optional>

class AccountRecord;

// The one secret of an account that Copy Password puts on the clipboard: the field with the
// CopyTarget role in its type's table (the user password of a WebSite, the PIN of a Bank, Credit
// Card or Calling Card account, the CD Key of a Software record), or the first user's password for
// a type that lists its users (Email). Other types have none.
namespace CopyTarget {

// Whether accounts of the type have such a secret.
bool hasSecret(AccountType type);
// The account's secret; nothing when its type has none or an Email account has no user yet.
std::optional<QString> secretOf(const AccountRecord& account);

} // namespace CopyTarget
