#pragma once

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "document/QuorrilDoc.h"

#include <QRandomGenerator>

// Files `count` accounts (one step, as an import does) of all ten types in a shuffled order into the document, every
// text field filled, titles in mixed case; the same accounts on every call.
inline void fillWallet(CQuorrilDoc& doc, int count)
{
    QRandomGenerator random(7);
    std::vector<std::unique_ptr<AccountRecord>> accounts;
    accounts.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const AccountType type = kAccountTypes[size_t(i) % kAccountTypes.size()];
        auto account = createAccount(AccountId(i + 1), type);
        const quint32 key = random.generate() % 1000000;
        account->SetTitle((key % 2 ? QStringLiteral("Account %1") : QStringLiteral("account %1")).arg(key));
        const RecordLayout& layout = account->layout();
        for (int f = 0; f < int(layout.fields.size()); ++f)
            if (layout.fields[size_t(f)].kind == FieldKind::Text)
                account->setField(f,
                    ScrambledText(QStringLiteral("%1 of %2").arg(QLatin1String(layout.fields[size_t(f)].name)).arg(i)));
        account->SetCommitted();
        accounts.push_back(std::move(account));
    }
    doc.changeAccounts(QStringLiteral("Import"), std::move(accounts));
}
