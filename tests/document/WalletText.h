#pragma once

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "format/WalletContents.h"

#include <QStringList>

// Small wallets written as text, one account per item: "id|T|title|content". T is the type's letter
// (E Email, W WebSite, C Credit Card, B Bank, I Insurance, M Medical, L Calling Card, P Purchased
// Item, S Software, R Reference). The content of an Email account is its users, "login:password"
// separated by commas; of any other account, its first text field.
namespace WalletText {

inline constexpr char kLetters[] = "EWCBIMLPSR";

inline int firstTextField(const AccountRecord& account)
{
    const auto& fields = account.layout().fields;
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].kind == FieldKind::Text)
            return int(i);
    return -1;
}

inline std::unique_ptr<AccountRecord> account(const QString& line)
{
    const QStringList part = line.split(u'|');
    const auto type = kAccountTypes[size_t(QByteArray(kLetters).indexOf(part.at(1).toLatin1()))];
    auto a = createAccount(AccountId(part.at(0).toInt()), type);
    a->SetTitle(part.at(2));
    a->SetCommitted();
    const QString content = part.value(3);
    if (type == AccountType::Email) {
        for (const QString& user : content.split(u',', Qt::SkipEmptyParts))
            a->AddUser(0, user.section(u':', 0, 0), user.section(u':', 1), QString());
    } else {
        a->setField(firstTextField(*a), ScrambledText(content));
    }
    return a;
}

inline QString line(const AccountRecord& a)
{
    const char letter = kLetters[accountTypeIndex(a.GetType())];
    QString content;
    if (a.GetType() == AccountType::Email) {
        QStringList users;
        for (int i = 0; i < a.GetUserCount(); ++i)
            users << a.GetUser(i)->GetLoginId() + u':' + a.GetUser(i)->GetPassword();
        content = users.join(u',');
    } else {
        content = std::get<ScrambledText>(a.field(firstTextField(a))).text();
    }
    return QStringLiteral("%1|%2|%3|%4").arg(idValue(a.GetId())).arg(QLatin1Char(letter)).arg(a.GetTitle(), content);
}

inline AccountTable table(const QStringList& lines)
{
    AccountTable t;
    for (const QString& s : lines) {
        auto a = account(s);
        const AccountId id = a->GetId();
        t[id] = std::move(a);
    }
    return t;
}

inline QStringList lines(const AccountTable& table)
{
    QStringList list;
    for (const auto& [id, a] : table)
        list << line(*a);
    return list;
}

} // namespace WalletText
