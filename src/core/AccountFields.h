#pragma once

#include "core/AccountTypes.h"
#include "core/OleDateTime.h"
#include "core/ScrambledText.h"

#include <QAnyStringView>

#include <span>
#include <variant>

// The four kinds of account field; the order matches the alternatives of FieldValue.
enum class FieldKind { Text, Date, Integer, Decimal };

using FieldValue = std::variant<ScrambledText, OleDateTime, qint32, double>;

// One field of an account type: its name as the file format tables spell it (for example
// "accountNumber"), its kind and its property label. A secret field (a password, PIN, SSN or key)
// is shown hidden and never printed unasked.
struct FieldSpec {
    const char* name;
    FieldKind kind;
    const char* label;
    bool secret = false;
};

// Everything the generic code needs to store, load and list one account type: its fields in
// declaration order, and the positions (indexes into fields) in file order and in listing order.
struct RecordLayout {
    AccountType type;
    std::span<const FieldSpec> fields;
    std::span<const int> fileOrder;
    std::span<const int> listOrder;

    int indexOf(QAnyStringView name) const;
};

// The starting value of a field of the given kind: empty text, 0.0 valid date, 0.
FieldValue defaultFieldValue(FieldKind kind);
// The property value of a field: texts as they are, dates in the short date form (empty unless
// valid), integers with "%d" and decimals with "%4.2f".
QString formatFieldValue(const FieldValue& value);
