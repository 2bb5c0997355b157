#pragma once

#include "core/AccountRecord.h"

#include <memory>

// A new account of the class for the type, with the given id (the order of AccountRecord's
// constructor); null for codes without a class. A type added with addAccountClass() makes plain
// FieldAccounts of its layout.
std::unique_ptr<AccountRecord> createAccount(AccountId id, AccountType type);
// The field layout of a type; null for codes without a class.
const RecordLayout* layoutOf(AccountType type);
// Adds an account type that has no class of its own, described by its name, caption and field table
// alone (see addAccountType()). False when the code is 0 or known, or the layout is of another type.
bool addAccountClass(const AccountTypeInfo& info, const RecordLayout& layout);
// Forgets a type that addAccountClass() added; the ten stay.
void removeAccountClass(AccountType type);
// A deep copy of the account: same class, id, type code, title, committed flag, users in order and
// field values. Null for an account whose class the factory does not know.
std::unique_ptr<AccountRecord> cloneAccount(const AccountRecord& account);
// True when the two accounts hold the same content: type code, title, committed flag, users (in
// order, every member exactly) and field values. Texts compare exactly; the id is not compared, so
// the same account filed under two ids compares equal.
bool sameContent(const AccountRecord& a, const AccountRecord& b);
