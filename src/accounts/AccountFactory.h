#pragma once

#include "AccountRecord.h"

#include <memory>

// A new account of the class for the type, with the given id (the order of AccountRecord's
// constructor); null for codes without a class.
std::unique_ptr<AccountRecord> createAccount(AccountId id, AccountType type);
// The field layout of a type; null for codes without a class.
const RecordLayout* layoutOf(AccountType type);
