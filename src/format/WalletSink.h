#pragma once

#include "core/AccountId.h"

#include <QString>

#include <memory>

class AccountRecord;

// Where a reader of a wallet file puts what it reads, in file order: the document. A reader calls
// each setter as soon as its value is read, so that a file damaged halfway leaves what came before
// the damage in place.
class WalletSink {
public:
    virtual ~WalletSink() = default;

    virtual void setFileVersion(qint32 version) = 0;
    virtual void setNextAccountId(AccountId id) = 0;
    virtual void setPassword(const QString& password) = 0;
    // The id a record starts with before its own block is read; a record whose block has a version
    // the reader does not know keeps it.
    virtual AccountId NextAccountId() = 0;
    // Files a record as loading does: no committed or duplicate check.
    virtual void fileAccount(std::unique_ptr<AccountRecord> account) = 0;
};
