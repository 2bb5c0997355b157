#pragma once

#include "core/AccountTypes.h"
#include "core/OleDateTime.h"
#include "core/ScrambledText.h"

#include <QAnyStringView>
#include <QFlags>

#include <span>
#include <variant>

class CArchive;

// The four kinds of account field; the order matches the alternatives of FieldValue.
enum class FieldKind { Text, Date, Integer, Decimal };

using FieldValue = std::variant<ScrambledText, OleDateTime, qint32, double>;

// The kind of secret a field holds. A secret is shown hidden, never searched and never printed
// unasked; its kind tells how it is judged (a PIN is not a password).
enum class SecretKind : quint8 {
    None,
    Password, // a password chosen by, or made for, the user
    Pin, // a personal identification number
    Key, // a licence or installation key
    IdNumber, // an identity number, such as a social security number
};

// What a field means to the features that treat every account type alike. Each feature asks the
// field tables for the fields with its role instead of knowing the types.
enum class FieldRole : quint16 {
    CopyTarget = 0x01, // what Copy Password copies
    UserName = 0x02, // the name the owner logs in with
    Url = 0x04, // the address of the account's site or log-in page
    Notes = 0x08, // free text, where data without a field of its own can go
    Expiry = 0x10, // a date on which something runs out, for the expiring list
    GeneratePassword = 0x20, // its edit offers "Generate Password"
    YesNo = 0x40, // a whole number that is a flag, listed as "Yes" or "No"
};
Q_DECLARE_FLAGS(FieldRoles, FieldRole)
Q_DECLARE_OPERATORS_FOR_FLAGS(FieldRoles)

// One field of an account type or of a user entry: its name as the file format tables spell it (for
// example "accountNumber"), its kind, its property label, the kind of secret it holds and its roles.
struct FieldSpec {
    const char* name;
    FieldKind kind;
    const char* label;
    SecretKind secret = SecretKind::None;
    FieldRoles roles = {};

    bool isSecret() const { return secret != SecretKind::None; }
    bool has(FieldRole role) const { return roles.testFlag(role); }
};

// Whether an account's property listing shows its user list after its own fields.
enum class UserListing { Hidden, Listed };

// Everything the generic code needs to store, load and list one account type (or a user entry):
// its fields in declaration order, and the positions (indexes into fields) in file order and in
// listing order.
struct RecordLayout {
    AccountType type;
    std::span<const FieldSpec> fields;
    std::span<const int> fileOrder;
    std::span<const int> listOrder;
    UserListing users = UserListing::Hidden;

    int indexOf(QAnyStringView name) const;
    // The first field (in declaration order) that has the role, or -1.
    int indexWith(FieldRole role) const;
};

// The starting value of a field of the given kind: empty text, 0.0 valid date, 0.
FieldValue defaultFieldValue(FieldKind kind);
// The property value of a field: texts as they are, dates in the short date form (empty unless
// valid), integers with "%d" and decimals with "%4.2f".
QString formatFieldValue(const FieldValue& value);
// The same, but a YesNo field lists as "Yes" (any value but 0) or "No".
QString formatFieldValue(const FieldSpec& field, const FieldValue& value);

// Stores or loads a block of fields: the version 1, then the values in file order. Loading a block
// of another version reads nothing after the version and leaves the values as they are.
void serializeFields(CArchive& ar, std::span<const int> fileOrder, std::span<FieldValue> values);
