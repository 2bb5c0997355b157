#pragma once

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "document/FilledFields.h"
#include "document/QuorrilDoc.h"

// Puts into the document, through AddAccount, `rounds` accounts of every type with every field filled;
// Email accounts get users. Ids are handed out by NextAccountId() in an order that does not follow
// the groups (types in reverse order), so the first groups of the file hold the highest ids.
inline void addSampleAccounts(CQuorrilDoc& doc, int rounds = 2)
{
    for (int round = 0; round < rounds; ++round) {
        for (size_t t = kAccountTypes.size(); t-- > 0;) {
            const AccountType type = kAccountTypes[t];
            auto account = createAccount(doc.NextAccountId(), type);
            account->SetTitle(QStringLiteral("%1 number %2").arg(accountTypeName(type)).arg(round));
            fillFields(*account, round * 10 + int(t));
            if (type == AccountType::Email || type == AccountType::Bank) {
                account->AddUser(
                    1, QStringLiteral("admin"), QStringLiteral("s3cr3t\r\n"), QStringLiteral("a@b.example"));
                account->AddUser(0, QStringLiteral("guest"), QString(), QStringLiteral("G@B.example"));
            }
            account->SetCommitted();
            doc.AddAccount(std::move(account));
        }
    }
}
