#pragma once

#include <QString>

#include <functional>

class AccountRecord;

// One row of an account's property listing, and whether its value is a secret (a password, PIN,
// SSN or CD Key) that is shown hidden and never printed unasked.
struct PropertyRow {
    QString label;
    QString value;
    bool secret = false;
};

// Whether row `row` of what ListProperties gives for the account holds a secret: the secret fields
// of its type, and the "Password:" row of every Email user.
bool isSecretRow(const AccountRecord& account, int row);

// Calls `visit` for every row ListProperties gives, in the same order, with the same labels and
// values. Only a few rows exist at a time, however many users an Email account has. `visit`
// returns false to stop early; the result is false when it did.
bool forEachPropertyRow(const AccountRecord& account, const std::function<bool(const PropertyRow&)>& visit);
