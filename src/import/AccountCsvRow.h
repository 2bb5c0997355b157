#pragma once

#include "core/AccountRecord.h"

#include <QString>

#include <memory>

// How Quorril's KeePassXC CSV export carries an account whole, so that importing the file gives the
// same account back. The group is "Quorril/" and the type's category ("Quorril/Credit Cards"); the
// log-in id, the password (or the type's secret: PIN, CD Key, SSN) and the address take their columns,
// as any program reading the CSV expects; every other value is a line "Label: value" of the notes, in
// the order the property list shows them. A line break inside a value is followed by two spaces, so
// that the next line reads as part of it. Values at their starting state (empty texts, zero numbers,
// the date 0.0) are left out; a date is "yyyy-MM-dd", or "(date V, status S)" when it is not a whole
// valid day. Users follow, each from "User #: n" on; the first user's log-in id and password take
// the Username and Password columns when no field of the type does (an Email account's).
namespace AccountCsvRow {

struct Columns {
    QString group;
    QString title;
    QString username;
    QString password;
    QString url;
    QString notes;
};

Columns encode(const AccountRecord& account);
// The account such a row holds (id 0, committed); null when the row is not one of these, or its notes
// were changed so that they no longer read as such.
std::unique_ptr<AccountRecord> decode(const Columns& row);

} // namespace AccountCsvRow
