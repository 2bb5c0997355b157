#pragma once

#include "AccountFactory.h"
#include "AccountTypes.h"
#include "QuorrilDoc.h"

// Fills every field of an account from its layout: texts name the field and the account, dates,
// integers and decimals differ per field, so that a field read into the wrong place shows.
inline void fillFields(AccountRecord& account, int seed)
{
    const RecordLayout& layout = account.layout();
    for (int i = 0; i < int(layout.fields.size()); ++i) {
        switch (layout.fields[size_t(i)].kind) {
        case FieldKind::Text:
            account.setField(i,
                ScrambledText(QStringLiteral("%1 %2 \u00e9\"_~")
                                  .arg(QLatin1StringView(layout.fields[size_t(i)].name))
                                  .arg(seed)));
            break;
        case FieldKind::Date:
            account.setField(i, OleDateTime(36526.25 + seed + i, OleDateTime::Status(i % 3)));
            break;
        case FieldKind::Integer:
            account.setField(i, qint32(-1000 * seed - i));
            break;
        case FieldKind::Decimal:
            account.setField(i, 12.345 * seed + i);
            break;
        }
    }
}

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
