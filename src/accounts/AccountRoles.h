#pragma once

#include "core/AccountFields.h"

#include <QString>

#include <optional>

class AccountRecord;

// Where accounts of a type keep the value of a role: in one of their own fields, or in a field of
// each of their users (a type that lists its users and has no field of its own for the role).
struct RolePlace {
    int field = -1; // index into the layout's fields
    int userField = -1; // index into UserEntry::Layout().fields

    bool exists() const { return field >= 0 || userField >= 0; }
};

// The values of roles, read from the field tables with no knowledge of the types: what Copy Password
// copies, the user name, the address, the notes, the expiry date.
namespace AccountRoles {

RolePlace placeOf(const RecordLayout& layout, FieldRole role);
// The table entry of the field that holds the role, or null.
const FieldSpec* fieldOf(const RecordLayout& layout, FieldRole role);
// Whether accounts of the type have a place for the role; false for codes without a class.
bool has(AccountType type, FieldRole role);

// The value of the role in the account: its own field's, or that of its user at `user` (the first
// by default). Nothing when its type has no place for the role, or it has no user at that index.
std::optional<FieldValue> valueOf(const AccountRecord& account, FieldRole role, int user = 0);
// The same as the property list shows it (texts as they are).
std::optional<QString> textOf(const AccountRecord& account, FieldRole role, int user = 0);

} // namespace AccountRoles
