#pragma once

#include <QtGlobal>

// The id of an account in a document. It is an int32 in the file, like the type code beside it; as
// a type of its own, an id cannot take a type code's place (or any plain number's) unnoticed.
// AccountId(5) makes one, idValue() gives the number back, and ids compare like their numbers.
// An enum rather than a class: it is a map and hash key, a QVariant and a printable test value as it
// is, and it costs nothing over the plain number.
enum class AccountId : qint32 {
    None = 0 // no account: what the tree's root and categories hold, and the id of a new dialog
};

constexpr qint32 idValue(AccountId id) { return static_cast<qint32>(id); }
