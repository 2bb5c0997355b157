#pragma once

#include "core/AccountRecord.h"

#include <map>
#include <memory>

// Every account of a wallet keyed by its id: the order a file stores each group in.
using AccountTable = std::map<AccountId, std::unique_ptr<AccountRecord>>;

// What a writer stores: the id the next new account gets, the password and the accounts. The
// document lends its own; nothing is copied.
struct WalletContents {
    AccountId nextAccountId;
    const ScrambledText& password;
    const AccountTable& accounts;
};
