#pragma once

#include "core/AccountRecord.h"
#include "format/WalletContents.h"
#include "format/WalletSink.h"

#include <QStringList>

// Writes down every call in order; ids for records come from 900 up.
class RecordingSink : public WalletSink {
public:
    void setFileVersion(qint32 version) override { events << QStringLiteral("version %1").arg(version); }
    void setNextAccountId(AccountId id) override { events << QStringLiteral("next %1").arg(idValue(id)); }
    void setPassword(const QString& password) override { events << QStringLiteral("password ") + password; }
    AccountId NextAccountId() override { return AccountId(m_next++); }
    void fileAccount(std::unique_ptr<AccountRecord> account) override
    {
        events << QStringLiteral("file %1:%2:%3")
                      .arg(idValue(account->GetId()))
                      .arg(typeCode(account->GetType()))
                      .arg(account->GetTitle());
        accounts[account->GetId()] = std::move(account);
    }

    QStringList events;
    AccountTable accounts;

private:
    qint32 m_next = 900;
};
