#include "format/ClassicFormat.h"

#include "accounts/AccountFactory.h"
#include "core/CArchive.h"
#include "format/WalletSink.h"

#include <vector>

bool ClassicFormat::isKnownVersion(qint32 version)
{
    return version == kVersionWithoutReference || version == kWrittenVersion;
}

void ClassicWriter::write(const WalletContents& wallet)
{
    // The table holds the records, not const ones: Serialize is one call for both directions.
    std::vector<std::vector<AccountRecord*>> groups(accountTypes().size());
    for (const auto& [id, account] : wallet.accounts) {
        const int group = accountTypeIndex(account->GetType());
        if (group >= 0)
            groups[size_t(group)].push_back(account.get());
    }
    m_ar << ClassicFormat::kWrittenVersion << idValue(wallet.nextAccountId) << wallet.password;
    for (const auto& group : groups) {
        m_ar << qint32(group.size());
        for (AccountRecord* account : group)
            account->Serialize(m_ar); // storing leaves the account as it is
    }
}

void ClassicReader::read()
{
    qint32 version = 0;
    m_ar >> version;
    m_sink.setFileVersion(version);
    qint32 nextId = 0;
    m_ar >> nextId;
    m_sink.setNextAccountId(AccountId(nextId));
    ScrambledText password;
    m_ar >> password;
    m_sink.setPassword(password.text());
    if (!ClassicFormat::isKnownVersion(version))
        return; // a version we do not know: no accounts
    for (AccountType type : accountTypes()) {
        if (type == AccountType::Reference && version == ClassicFormat::kVersionWithoutReference)
            break;
        readAccountGroup(type);
    }
}

void ClassicReader::readAccountGroup(AccountType type)
{
    qint32 count = 0;
    m_ar >> count;
    // Nothing is reserved for the count: every record reads at least eight bytes, so a count larger
    // than the file ends at its end with the accounts read so far.
    for (qint32 i = 0; i < count; ++i) {
        std::unique_ptr<AccountRecord> account = createAccount(m_sink.NextAccountId(), type);
        account->Serialize(m_ar);
        // A record carrying another type code would otherwise reach that type's dialog with fields
        // it does not have, and the writer would file it elsewhere.
        if (account->GetType() != type)
            AccountBuilder::setType(*account, type);
        m_sink.fileAccount(std::move(account));
    }
}
