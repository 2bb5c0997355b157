#pragma once

#include "core/AccountFields.h"

#include <QString>

#include <vector>

class AccountRecord;

// One secret of an account that the password health report grades (a password, a PIN or a key, as
// the field tables mark them), where it sits and what it holds.
struct AccountSecret {
    SecretKind kind = SecretKind::None;
    int user = -1; // the user entry's index, for a user's password; -1 for the account's own fields
    QString value;

    bool isUserPassword() const { return user >= 0; }
};

namespace AccountSecrets {

// Every password, user password, PIN and key the account holds, empty ones too: its own fields in
// declaration order, then its users' passwords in list order. An identity number (an SSN) is a
// secret, but not one a password report grades.
std::vector<AccountSecret> of(const AccountRecord& account);
// "Password", "PIN", "CD Key"; "User Password" for a user's password.
QString kindName(const AccountSecret& secret);
// The kind's name, and for a user's password the user's log-in id (or number when it has none):
// "User Password (alice)", "User Password (#2)".
QString describe(const AccountRecord& account, const AccountSecret& secret);

} // namespace AccountSecrets
