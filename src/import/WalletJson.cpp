#include "import/WalletJson.h"

#include "core/AccountTypes.h"
#include "document/DocumentTexts.h"
#include "document/QuorrilDoc.h"

#include <QJsonArray>

#include <cmath>

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

// {name: value} for every field of the layout, the values read by index.
template <typename Record> QJsonObject fieldsToJson(const RecordLayout& layout, const Record& record)
{
    QJsonObject fields;
    for (size_t i = 0; i < layout.fields.size(); ++i)
        fields.insert(QLatin1StringView(layout.fields[i].name), fieldToJson(record.field(int(i))));
    return fields;
}

QJsonObject accountToJson(const AccountRecord& account)
{
    QJsonArray users;
    for (int i = 0; i < account.GetUserCount(); ++i)
        users.append(fieldsToJson(UserEntry::Layout(), *account.GetUser(i)));
    const QJsonObject fields = fieldsToJson(account.layout(), account);
    QStringList names, values;
    const int rows = account.ListProperties(names, values);
    QJsonArray properties;
    for (int i = 0; i < rows; ++i)
        properties.append(QJsonArray { names.value(i), values.value(i) });
    return QJsonObject { { QStringLiteral("id"), idValue(account.GetId()) },
        { QStringLiteral("type"), typeCode(account.GetType()) }, { QStringLiteral("typeName"), account.GetTypeName() },
        { QStringLiteral("title"), account.GetTitle() }, { QStringLiteral("committed"), account.committedFlag() },
        { QStringLiteral("users"), users }, { QStringLiteral("fields"), fields },
        { QStringLiteral("properties"), properties } };
}

} // namespace

namespace WalletJson {

QJsonObject toJson(CQuorrilDoc& doc)
{
    QJsonArray accounts;
    for (const auto& [id, account] : doc.accounts())
        accounts.append(accountToJson(*account));
    return QJsonObject { { QStringLiteral("version"), doc.loadedVersion() },
        { QStringLiteral("nextAccountId"), idValue(doc.NextAccountId()) }, { QStringLiteral("accounts"), accounts } };
}

} // namespace WalletJson
