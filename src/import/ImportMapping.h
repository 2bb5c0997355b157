#pragma once

#include "import/ImportEntry.h"

#include <QDate>
#include <QVarLengthArray>

#include <memory>
#include <vector>

// Where the values of an entry land in an account of a type: the one table of ImportMapping.cpp
// gives each (type, slot) its field. What has no place goes into the type's notes field under its
// label ("TOTP: ..."); a type without one sends it to a Reference account "<Title> (more)".
namespace ImportMapping {

// The parts of an Email account's one user that values go to.
enum UserPart { LoginId, Password, EmailAddress, UserParts };

// Values of an entry; an entry has few, so they are held in place (no allocation per entry).
using Items = QVarLengthArray<const ImportItem*, 8>;

// What becomes of each value of an entry in one type.
struct Placement {
    AccountType type = AccountType::None;
    QVarLengthArray<std::pair<int, const ImportItem*>, 16> fields; // field index, value
    const ImportItem* user[UserParts] = {}; // Email
    Items toNotes; // into the notes field, after the entry's own notes
    Items toMore; // no place and no notes field: the "(more)" account
};

// The type an entry becomes unless the user picks another.
AccountType defaultType(const ImportEntry& entry);
// True when the address or the title says mail: "Gmail", "webmail.example.org", "imap://...".
bool saysMail(const QString& title, const QString& url);
// The types a row of that kind may be switched between (logins: WebSite and Email); just the
// default type for the others.
std::vector<AccountType> typeChoices(const ImportEntry& entry);

// A login when the entry holds anything a login holds (a user name, password, address or one-time
// password), a note otherwise.
EntryKind loginOrNote(const ImportEntry& entry);

Placement place(const ImportEntry& entry, AccountType type);

// The field of the type that takes values of the slot, or -1.
int fieldFor(AccountType type, Slot slot);
// The type's notes field (where values without a place go), or -1.
int notesField(AccountType type);

// The accounts of an entry placed so: its own with the given id and title, committed; then, when
// `moreTitle` is not empty and anything goes there, the "(more)" Reference account with moreId.
std::vector<std::unique_ptr<AccountRecord>> build(const ImportEntry& entry, const Placement& placement, AccountId id,
    const QString& title, AccountId moreId, const QString& moreTitle, QDate today);

// A date of the import's forms: "yyyy-MM-dd", or "yyyy-MM" for the last day of that month; null
// when the text is neither.
QDate parseDate(const QString& text);
// A card brand as the Credit Card dialog lists it: "Master Card" for Mastercard, "American Express"
// for Amex; any other as it is.
QString cardKind(const QString& brand);
// The host of an address ("www.example.org" of "https://www.example.org/login"), or empty.
QString hostOf(const QString& url);
// "Label: value" lines joined by CR LF, after `own` (and a blank line) when it is not empty.
QString composeNotes(const QString& own, const Items& lines);

} // namespace ImportMapping
