#pragma once

#include <QString>

#include <vector>

class AccountRecord;

// The kinds of secret that the password health report grades: a password of the account's own, the
// password of one of its users, a PIN, a licence key.
enum class SecretKind { None, Password, UserPassword, Pin, Key };

// One secret of an account, where it sits and what it holds.
struct AccountSecret {
    SecretKind kind = SecretKind::None;
    int user = -1; // the user entry's index, for a user's password
    QString value;
};

namespace AccountSecrets {

// Every password, user password, PIN and key the account holds, empty ones too: its own fields in
// declaration order, then its users' passwords in list order. An identity number (an SSN) is a
// secret, but not one a password report grades.
std::vector<AccountSecret> of(const AccountRecord& account);
// "Password", "User Password", "PIN", "CD Key".
QString kindName(SecretKind kind);
// The kind's name, and for a user's password the user's log-in id (or number when it has none):
// "User Password (alice)", "User Password (#2)".
QString describe(const AccountRecord& account, const AccountSecret& secret);

} // namespace AccountSecrets
