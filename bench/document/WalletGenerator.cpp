#include "document/WalletGenerator.h"

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "document/QuorrilDoc.h"

#include <QRandomGenerator>

namespace {

const char* const kWords[] = { "First", "National", "Savings", "Credit", "Union", "Global", "Home", "Auto", "Office",
    "Premium", "Online", "Travel", "Health", "Family", "Secure", "Direct", "North", "River", "Summit", "Harbor",
    "Capital", "Liberty", "Maple", "Cedar" };

class Texts {
public:
    explicit Texts(quint32 seed)
        : m_random(seed)
    {
    }

    int between(int low, int high) { return int(m_random.bounded(low, high + 1)); }

    QString words(int low, int high)
    {
        QStringList list;
        for (int n = between(low, high); n > 0; --n)
            list << QLatin1StringView(kWords[m_random.bounded(int(std::size(kWords)))]);
        return list.join(QLatin1Char(' '));
    }
    QString digits(int low, int high)
    {
        QString s;
        for (int n = between(low, high); n > 0; --n)
            s += QChar(u'0' + m_random.bounded(10));
        return s;
    }
    QString phone() { return QStringLiteral("(%1) %2-%3").arg(digits(3, 3), digits(3, 3), digits(4, 4)); }
    QString url()
    {
        return QStringLiteral("https://www.%1.example/%2")
            .arg(words(1, 2).toLower().remove(u' '), words(1, 1).toLower());
    }
    QString email()
    {
        return QStringLiteral("%1.%2@%3.example")
            .arg(words(1, 1).toLower(), words(1, 1).toLower(), words(1, 1).toLower());
    }
    QString password() { return words(1, 1) + digits(2, 4) + QStringLiteral("!"); }
    QString sentence() { return words(3, 16) + QLatin1Char('.'); }

    // A value for a text field, shaped by its name.
    QString forField(QLatin1StringView name)
    {
        auto has = [&name](const char* part) { return name.contains(QLatin1StringView(part), Qt::CaseInsensitive); };
        if (has("phone"))
            return phone();
        if (has("url"))
            return url();
        if (name == QLatin1StringView("pin"))
            return digits(4, 4);
        if (has("number") || has("ssn") || has("key"))
            return digits(9, 16);
        if (has("password"))
            return password();
        if (has("notes") || has("description") || has("allergies") || has("vaccinations") || has("about"))
            return sentence();
        if (has("initial"))
            return QString(QChar(u'A' + m_random.bounded(26)));
        if (has("address") || has("server"))
            return QStringLiteral("%1.%2.%3.%4")
                .arg(between(1, 254))
                .arg(between(0, 254))
                .arg(between(0, 254))
                .arg(between(1, 254));
        return words(1, 2);
    }

    FieldValue value(const FieldSpec& field)
    {
        switch (field.kind) {
        case FieldKind::Text:
            return ScrambledText(forField(QLatin1StringView(field.name)));
        case FieldKind::Date:
            return OleDateTime(32874.0 + between(0, 14600), OleDateTime::valid); // 1990 to 2030
        case FieldKind::Integer:
            return qint32(between(0, 1000));
        case FieldKind::Decimal:
            return 5.0 + between(0, 2500) / 100.0;
        }
        return ScrambledText();
    }

private:
    QRandomGenerator m_random;
};

} // namespace

void generateWallet(CQuorrilDoc& doc, int count, quint32 seed)
{
    Texts texts(seed);
    std::vector<std::unique_ptr<AccountRecord>> accounts;
    accounts.reserve(size_t(count));
    const qint32 firstId = idValue(doc.NextAccountId());
    for (int i = 0; i < count; ++i) {
        const AccountType type = kAccountTypes[size_t(i) % kAccountTypes.size()];
        auto account = createAccount(AccountId(firstId + i), type);
        account->SetTitle(QStringLiteral("%1 %2").arg(texts.words(1, 3)).arg(i));
        const RecordLayout& layout = account->layout();
        for (size_t f = 0; f < layout.fields.size(); ++f)
            account->setField(int(f), texts.value(layout.fields[f]));
        if (type == AccountType::Email)
            for (int u = texts.between(1, 3); u > 0; --u)
                account->AddUser(
                    u == 1 ? 1 : 0, texts.words(1, 1).toLower() + texts.digits(0, 3), texts.password(), texts.email());
        account->SetCommitted();
        accounts.push_back(std::move(account));
    }
    // One step, as an import files them: titles are unique by construction.
    doc.changeAccounts(QStringLiteral("Import"), std::move(accounts));
}
