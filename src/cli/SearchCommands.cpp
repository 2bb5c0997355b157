#include "cli/SearchCommands.h"

#include "accounts/AccountSearch.h"
#include "accounts/PropertyRows.h"
#include "cli/CliText.h"
#include "document/QuorrilDoc.h"

#include <QRegularExpression>
#include <QTextStream>

#include <cmath>

namespace {

// What a masked secret shows: the same whatever its length.
const QString kMask = QStringLiteral("********");

QString numberText(double x)
{
    if (std::isnan(x))
        return QStringLiteral("NaN");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    if (x == 0 && std::signbit(x))
        return QStringLiteral("-0");
    return QString::number(x, 'g', QLocale::FloatingPointShortest);
}

// A field's value in full: a text as it is, a number in full, a date as yyyy-MM-dd (empty unless
// valid).
QString rawText(const FieldValue& value)
{
    struct Raw {
        QString operator()(const ScrambledText& t) const { return t.text(); }
        QString operator()(const OleDateTime& d) const
        {
            const QDateTime dt = d.toDateTime();
            return dt.isValid() ? dt.date().toString(Qt::ISODate) : QString();
        }
        QString operator()(qint32 n) const { return QString::number(n); }
        QString operator()(double x) const { return numberText(x); }
    };
    return std::visit(Raw {}, value);
}

// The index of the layout's field called `name`, ignoring case, or -1.
int fieldNamed(const RecordLayout& layout, QStringView name)
{
    for (size_t i = 0; i < layout.fields.size(); ++i)
        if (name.compare(QLatin1StringView(layout.fields[i].name), Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

// The raw value of a field named as in the JSON ("title", "pin", "users[0].password"), ignoring
// case; nothing for a name the account does not have.
std::optional<QString> rawValue(const AccountRecord& account, const QString& name)
{
    if (name.compare(QLatin1StringView("title"), Qt::CaseInsensitive) == 0)
        return account.GetTitle();
    if (const int index = fieldNamed(account.layout(), name); index >= 0)
        return rawText(account.field(index));
    static const QRegularExpression user(
        QStringLiteral("^users\\[(\\d+)\\]\\.(\\w+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = user.match(name);
    bool ok = false;
    const int index = match.captured(1).toInt(&ok);
    if (!match.hasMatch() || !ok || index >= account.GetUserCount())
        return std::nullopt;
    const int field = fieldNamed(UserEntry::Layout(), match.capturedView(2));
    if (field < 0)
        return std::nullopt;
    return rawText(account.GetUser(index)->field(field));
}

} // namespace

int searchWallet(const QString& path, const QString& text, CliIo& io)
{
    return withOpenWallet(path, io, [&](CQuorrilDoc& doc, int status) {
        const QString needle = AccountSearch::fold(text);
        int found = 0;
        for (const auto& [id, account] : doc.accounts()) {
            if (!AccountSearch::matches(*account, needle))
                continue;
            io.out << idValue(id) << '\t' << account->GetTypeName() << '\t' << oneLine(account->GetTitle()) << '\n';
            ++found;
        }
        io.out.flush();
        if (status != ExitSuccess)
            return status;
        return found > 0 ? int(ExitSuccess) : int(ExitNotFound);
    });
}

int showAccount(
    const QString& path, const QString& id, const std::optional<QString>& field, bool showSecrets, CliIo& io)
{
    return withOpenWallet(path, io, [&](CQuorrilDoc& doc, int status) {
        bool isNumber = false;
        const qint32 number = id.toInt(&isNumber);
        const AccountRecord* account = isNumber ? doc.FindAccount(AccountId(number)) : nullptr;
        if (account == nullptr) {
            io.err << "quorril-cli: no account with id " << id << Qt::endl;
            return int(ExitNotFound);
        }
        if (field) {
            const std::optional<QString> value = rawValue(*account, *field);
            if (!value) {
                io.err << "quorril-cli: account " << id << " has no field \"" << *field << '"' << Qt::endl;
                return int(ExitNotFound);
            }
            io.out << *value << '\n';
        } else {
            forEachPropertyRow(*account, [&](const PropertyRow& row) {
                const bool masked = row.secret && !showSecrets && !row.value.isEmpty();
                if (!row.label.isEmpty())
                    io.out << row.label << (row.label.endsWith(u':') ? " " : ": ");
                io.out << (masked ? kMask : row.value) << '\n';
                return true;
            });
        }
        io.out.flush();
        return status;
    });
}
