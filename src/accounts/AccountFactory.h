#pragma once

#include "AccountRecord.h"

#include <memory>

// A new account of the class for the type code, with the given id; null for codes without a class.
std::unique_ptr<AccountRecord> createAccount(qint32 type, qint32 id);
// The field layout of a type; null for codes without a class.
const RecordLayout* layoutOf(qint32 type);
