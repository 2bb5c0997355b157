#pragma once

#include <QString>

#include <functional>

class AccountRecord;
struct FieldSpec;

// One row of an account's property listing, and whether its value is a secret (a password, PIN,
// SSN or CD Key) that is shown hidden and never printed unasked.
struct PropertyRow {
    QString label;
    QString value;
    bool secret = false;
    // The field the row shows: one of the account's own (user < 0) or of user `user`'s (from
    // UserEntry::Layout()). Null for "Type", "Title" and each user's blank and "User #:" rows.
    const FieldSpec* field = nullptr;
    int user = -1;
};

// The rows each listed user adds: a blank row, "User #:", then the user's fields.
int rowsPerUser();

// Whether row `row` of what ListProperties gives for the account holds a secret: the secret fields
// of its type, and those of each user when its type lists its users.
bool isSecretRow(const AccountRecord& account, int row);

// Calls `visit` for every row ListProperties gives, in the same order, with the same labels and
// values, all read from the field tables. Only one row exists at a time, however many users an
// account lists. `visit` returns false to stop early; the result is false when it did.
bool forEachPropertyRow(const AccountRecord& account, const std::function<bool(const PropertyRow&)>& visit);
