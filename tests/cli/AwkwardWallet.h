#pragma once

// A wallet with accounts of every type holding every value that prints in a form of its own:
// the test of the export's bytes and of the import's round trip.
#include "document/SampleWallet.h"
#include "support/FileAccounts.h"

#include <QStringList>

#include <cmath>
#include <limits>

// Texts of every kind the escaping must get right.
inline QStringList awkwardTexts(bool unpairedSurrogates = true)
{
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls += QChar(c);
    controls += QStringLiteral("\u007f\u0080\u07ff\u0800");
    QStringList texts = {
        controls,
        QStringLiteral("quote \" backslash \\ slash / both \\\""),
        QStringLiteral("non-BMP \U0001F600 and \U00010000 and \U0010FFFF"),
        QStringLiteral("\u00e9t\u00e9 \u4e2d\u6587 \ufeff\ufffd"),
        QString(),
    };
    if (unpairedSurrogates)
        texts << QString(QChar(0xD800)) + QStringLiteral("lone high, then lone low") + QChar(0xDC00)
              << QString(QChar(0xDC00)) + QChar(0xD800) + QStringLiteral("reversed pair") // two unpaired surrogates
              << QString(QChar(0xD83D)); // a high surrogate that ends the text
    return texts;
}

// Accounts of every type with every value that prints in a form of its own.
inline void addAwkwardAccounts(CQuorrilDoc& doc, bool unpairedSurrogates = true)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double numbers[] = { std::nan(""), inf, -inf, -0.0, 0.0, 1e6, 1e15, 9007199254740992.0, 9.1e15, 1e16, 1e21,
        0.1, 1.0 / 3, -2.5e-8, 5e-324, 1.7976931348623157e308, 12.345, -7.0, 4e18 };
    const QStringList texts = awkwardTexts(unpairedSurrogates);
    int n = 0;
    for (AccountType type : kAccountTypes) {
        for (int round = 0; round < 3; ++round, ++n) {
            auto account = createAccount(AccountId(n == 0 ? std::numeric_limits<qint32>::max() : 100 + n), type);
            account->SetTitle(texts.at(n % texts.size()));
            AccountBuilder::setCommittedFlag(*account, round == 2 ? 0 : n == 1 ? -5 : 1);
            const RecordLayout& layout = account->layout();
            for (int i = 0; i < int(layout.fields.size()); ++i) {
                const int k = n * 7 + i;
                switch (layout.fields[size_t(i)].kind) {
                case FieldKind::Text:
                    account->setField(i, ScrambledText(texts.at(k % texts.size())));
                    break;
                case FieldKind::Date:
                    account->setField(i,
                        OleDateTime(
                            numbers[k % std::size(numbers)] + (k % 2 ? 36526.5 : 0), OleDateTime::Status(k % 4)));
                    break;
                case FieldKind::Integer:
                    account->setField(i, qint32(k % 3 == 0 ? std::numeric_limits<qint32>::min() : -k));
                    break;
                case FieldKind::Decimal:
                    account->setField(i, numbers[k % std::size(numbers)]);
                    break;
                }
            }
            if (type == AccountType::Insurance)
                account->setField(1, ScrambledText(round == 0 ? QStringLiteral("car") : QStringLiteral(" LIFE")));
            const int users = type == AccountType::Email ? 40 * round : round;
            for (int u = 0; u < users; ++u)
                AccountBuilder::appendUser(*account,
                    std::make_unique<UserEntry>(u - 1, texts.at(u % texts.size()), texts.at((u + 3) % texts.size()),
                        QStringLiteral("user%1@x.example").arg(u)));
            fileAccounts(doc, std::move(account));
        }
    }
    doc.setNextAccountId(AccountId(-3));
}
