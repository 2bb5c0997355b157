#include "WalletJson.h"

#include "AccountFactory.h"
#include "AccountTypes.h"
#include "DocumentTexts.h"
#include "QuorrilDoc.h"

#include <QJsonArray>

#include <cmath>
#include <limits>
#include <vector>

namespace {

// --- numbers ---

QJsonValue numberToJson(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (value == 0 && std::signbit(value))
        return QStringLiteral("-0");
    return value;
}

std::optional<double> numberFromJson(const QJsonValue& value)
{
    if (value.isDouble())
        return value.toDouble();
    const QString text = value.toString();
    if (text == QLatin1StringView("NaN"))
        return std::numeric_limits<double>::quiet_NaN();
    if (text == QLatin1StringView("Infinity"))
        return std::numeric_limits<double>::infinity();
    if (text == QLatin1StringView("-Infinity"))
        return -std::numeric_limits<double>::infinity();
    if (text == QLatin1StringView("-0"))
        return -0.0;
    return std::nullopt;
}

std::optional<qint32> int32FromJson(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    if (std::trunc(d) != d || d < std::numeric_limits<qint32>::min() || d > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(d);
}

// --- document to JSON ---

QJsonValue fieldToJson(const FieldValue& value)
{
    struct Visitor {
        QJsonValue operator()(const ScrambledText& t) const { return t.text(); }
        QJsonValue operator()(const OleDateTime& d) const
        {
            return QJsonObject { { QStringLiteral("status"), int(d.GetStatus()) },
                { QStringLiteral("value"), numberToJson(d.value()) } };
        }
        QJsonValue operator()(qint32 n) const { return n; }
        QJsonValue operator()(double x) const { return numberToJson(x); }
    };
    return std::visit(Visitor {}, value);
}

QJsonObject accountToJson(const AccountRecord& account)
{
    QJsonArray users;
    for (int i = 0; i < account.GetUserCount(); ++i) {
        const UserEntry* user = account.GetUser(i);
        users.append(QJsonObject { { QStringLiteral("loginId"), user->GetLoginId() },
            { QStringLiteral("password"), user->GetPassword() }, { QStringLiteral("email"), user->GetEmail() },
            { QStringLiteral("administrator"), user->GetAdministrator() } });
    }
    QJsonObject fields;
    const RecordLayout& layout = account.layout();
    for (size_t i = 0; i < layout.fields.size(); ++i)
        fields.insert(QLatin1StringView(layout.fields[i].name), fieldToJson(account.field(int(i))));
    QStringList names, values;
    const int rows = account.ListProperties(names, values);
    QJsonArray properties;
    for (int i = 0; i < rows; ++i)
        properties.append(QJsonArray { names.value(i), values.value(i) });
    return QJsonObject { { QStringLiteral("id"), account.GetId() }, { QStringLiteral("type"), account.GetType() },
        { QStringLiteral("typeName"), account.GetTypeName() }, { QStringLiteral("title"), account.GetTitle() },
        { QStringLiteral("committed"), account.committedFlag() }, { QStringLiteral("users"), users },
        { QStringLiteral("fields"), fields }, { QStringLiteral("properties"), properties } };
}

// --- JSON to accounts ---

// A problem with one value: which field, and what is wrong.
struct Problem {
    QString field;
    QString what;
};

QString wholeNumberExpected() { return QStringLiteral("a whole number from -2147483648 to 2147483647 is expected"); }

std::optional<QString> unknownKey(const QJsonObject& object, std::initializer_list<const char*> known)
{
    for (const QString& key : object.keys()) {
        bool found = false;
        for (const char* k : known)
            found = found || key == QLatin1StringView(k);
        if (!found)
            return key;
    }
    return std::nullopt;
}

// A text that reads back as it is; otherwise the problem.
std::optional<QString> storableText(const QJsonValue& value, QString& what)
{
    if (!value.isString()) {
        what = QStringLiteral("a text is expected");
        return std::nullopt;
    }
    const QString text = value.toString();
    const qsizetype bad = ScrambledText::firstUnstorable(text);
    if (bad >= 0) {
        what = QStringLiteral("the character %1 at position %2 cannot be stored")
                   .arg(DocumentText::codePoint(text.at(bad)))
                   .arg(bad);
        return std::nullopt;
    }
    return text;
}

std::optional<FieldValue> fieldFromJson(FieldKind kind, const QJsonValue& value, QString& what)
{
    switch (kind) {
    case FieldKind::Text:
        if (std::optional<QString> text = storableText(value, what))
            return FieldValue(ScrambledText(*text));
        return std::nullopt;
    case FieldKind::Integer:
        if (std::optional<qint32> n = int32FromJson(value))
            return FieldValue(*n);
        what = wholeNumberExpected();
        return std::nullopt;
    case FieldKind::Decimal:
        if (std::optional<double> x = numberFromJson(value))
            return FieldValue(*x);
        what = QStringLiteral("a number is expected");
        return std::nullopt;
    case FieldKind::Date: {
        const QJsonObject date = value.toObject();
        const std::optional<qint32> status = int32FromJson(date.value(QLatin1StringView("status")));
        const std::optional<double> days = numberFromJson(date.value(QLatin1StringView("value")));
        if (!value.isObject() || date.size() != 2 || !status || !days) {
            what = QStringLiteral("a date {\"status\": whole number, \"value\": number} is expected");
            return std::nullopt;
        }
        return FieldValue(OleDateTime(*days, OleDateTime::Status(*status)));
    }
    }
    return std::nullopt;
}

std::optional<Problem> readUsers(const QJsonValue& value, AccountRecord& account)
{
    if (!value.isArray())
        return Problem { QStringLiteral("users"), QStringLiteral("a list is expected") };
    const QJsonArray users = value.toArray();
    for (qsizetype i = 0; i < users.size(); ++i) {
        const QString prefix = QStringLiteral("users[%1]").arg(i);
        const QJsonObject user = users.at(i).toObject();
        if (!users.at(i).isObject())
            return Problem { prefix, QStringLiteral("an object is expected") };
        if (std::optional<QString> key = unknownKey(user, { "loginId", "password", "email", "administrator" }))
            return Problem { prefix + QLatin1Char('.') + *key, QStringLiteral("no such field") };
        QString texts[3];
        const char* names[3] = { "loginId", "password", "email" };
        for (int t = 0; t < 3; ++t) {
            QString what;
            const QJsonValue v = user.value(QLatin1StringView(names[t]));
            std::optional<QString> text = v.isUndefined() ? QString() : storableText(v, what);
            if (!text)
                return Problem { prefix + QLatin1Char('.') + QLatin1StringView(names[t]), what };
            texts[t] = *text;
        }
        const QJsonValue admin = user.value(QLatin1StringView("administrator"));
        const std::optional<qint32> flag = admin.isUndefined() ? qint32(0) : int32FromJson(admin);
        if (!flag)
            return Problem { prefix + QStringLiteral(".administrator"), wholeNumberExpected() };
        AccountBuilder::appendUser(account, std::make_unique<UserEntry>(*flag, texts[0], texts[1], texts[2]));
    }
    return std::nullopt;
}

std::optional<Problem> readFields(const QJsonValue& value, AccountRecord& account)
{
    if (!value.isObject())
        return Problem { QStringLiteral("fields"), QStringLiteral("an object is expected") };
    const QJsonObject fields = value.toObject();
    const RecordLayout& layout = account.layout();
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        const int index = layout.indexOf(it.key());
        if (index < 0)
            return Problem { it.key(), QStringLiteral("no such field in a %1 account").arg(account.GetTypeName()) };
        QString what;
        std::optional<FieldValue> v = fieldFromJson(layout.fields[size_t(index)].kind, it.value(), what);
        if (!v)
            return Problem { it.key(), what };
        account.setField(index, *v);
    }
    return std::nullopt;
}

// Builds one account; on a problem `account` is left null.
std::optional<Problem> readAccount(const QJsonObject& json, std::unique_ptr<AccountRecord>& account)
{
    if (std::optional<QString> key
        = unknownKey(json, { "id", "type", "typeName", "title", "committed", "users", "fields", "properties" }))
        return Problem { *key, QStringLiteral("no such field") };
    const std::optional<qint32> id = int32FromJson(json.value(QLatin1StringView("id")));
    if (!id)
        return Problem { QStringLiteral("id"), wholeNumberExpected() };
    const std::optional<qint32> type = int32FromJson(json.value(QLatin1StringView("type")));
    if (!type || !isAccountType(*type))
        return Problem { QStringLiteral("type"),
            QStringLiteral("one of the account types 10 to 18 and 20 is expected") };
    auto built = createAccount(*type, *id);

    QString what;
    const QJsonValue title = json.value(QLatin1StringView("title"));
    std::optional<QString> titleText = title.isUndefined() ? QString() : storableText(title, what);
    if (!titleText)
        return Problem { QStringLiteral("title"), what };
    built->SetTitle(*titleText);

    const QJsonValue committed = json.value(QLatin1StringView("committed"));
    const std::optional<qint32> flag = committed.isUndefined() ? qint32(1) : int32FromJson(committed);
    if (!flag)
        return Problem { QStringLiteral("committed"), wholeNumberExpected() };
    AccountBuilder::setCommittedFlag(*built, *flag);

    if (json.contains(QLatin1StringView("users")))
        if (std::optional<Problem> p = readUsers(json.value(QLatin1StringView("users")), *built))
            return p;
    if (json.contains(QLatin1StringView("fields")))
        if (std::optional<Problem> p = readFields(json.value(QLatin1StringView("fields")), *built))
            return p;
    account = std::move(built);
    return std::nullopt;
}

} // namespace

namespace WalletJson {

QJsonObject toJson(CQuorrilDoc& doc)
{
    QJsonArray accounts;
    for (const auto& [id, account] : doc.accounts())
        accounts.append(accountToJson(*account));
    return QJsonObject { { QStringLiteral("version"), doc.loadedVersion() },
        { QStringLiteral("nextAccountId"), doc.NextAccountId() }, { QStringLiteral("accounts"), accounts } };
}

QString fromJson(const QJsonObject& json, CQuorrilDoc& doc)
{
    if (std::optional<QString> key = unknownKey(json, { "version", "nextAccountId", "accounts" }))
        return QStringLiteral("\"%1\": no such field").arg(*key);
    const QJsonValue version = json.value(QLatin1StringView("version"));
    if (!version.isUndefined() && !int32FromJson(version))
        return QStringLiteral("\"version\": %1").arg(wholeNumberExpected());
    const std::optional<qint32> next = int32FromJson(json.value(QLatin1StringView("nextAccountId")));
    if (!next)
        return QStringLiteral("\"nextAccountId\": %1").arg(wholeNumberExpected());
    const QJsonValue list = json.value(QLatin1StringView("accounts"));
    if (!list.isArray())
        return QStringLiteral("\"accounts\": a list is expected");

    std::vector<std::unique_ptr<AccountRecord>> accounts;
    const QJsonArray array = list.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonObject object = array.at(i).toObject();
        QString name = QStringLiteral("accounts[%1]").arg(i);
        if (!array.at(i).isObject())
            return name + QStringLiteral(": an object is expected");
        if (const std::optional<qint32> id = int32FromJson(object.value(QLatin1StringView("id"))))
            name += QStringLiteral(" (id %1)").arg(*id);
        std::unique_ptr<AccountRecord> account;
        if (std::optional<Problem> p = readAccount(object, account))
            return QStringLiteral("%1, field \"%2\": %3").arg(name, p->field, p->what);
        accounts.push_back(std::move(account));
    }
    doc.setNextAccountId(*next);
    for (auto& account : accounts)
        doc.fileAccount(std::move(account));
    return {};
}

} // namespace WalletJson
