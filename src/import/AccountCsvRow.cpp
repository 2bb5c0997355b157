#include "import/AccountCsvRow.h"

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"
#include "import/ImportMapping.h"

#include <QLocale>
#include <QRegularExpression>

#include <bit>
#include <cmath>

namespace AccountCsvRow {

namespace {

const QString kGroupPrefix = QStringLiteral("Quorril/");
const QString kUser = QStringLiteral("User #");
const QString kLoginId = QStringLiteral("Log In ID");
const QString kPassword = QStringLiteral("Password");
const QString kEmail = QStringLiteral("Email");
const QString kAdministrator = QStringLiteral("Administrator");

// The columns a type's fields take: -1 where none does.
struct ColumnFields {
    int username, password, url;
};

ColumnFields columnFieldsOf(AccountType type)
{
    ColumnFields columns { ImportMapping::fieldFor(type, Slot::UserName), ImportMapping::fieldFor(type, Slot::Password),
        ImportMapping::fieldFor(type, Slot::Url) };
    if (columns.password < 0) {
        const RecordLayout* layout = layoutOf(type);
        for (size_t i = 0; i < layout->fields.size() && columns.password < 0; ++i)
            if (layout->fields[i].isSecret())
                columns.password = int(i);
    }
    return columns;
}

QString labelOf(const RecordLayout& layout, int field)
{
    QString label = QString::fromLatin1(layout.fields[size_t(field)].label);
    if (label.endsWith(u':'))
        label.chop(1);
    return label;
}

// A value's line breaks each followed by two spaces.
QString indented(const QString& value)
{
    static const QRegularExpression lineBreak(QStringLiteral("(\\r\\n|\\n|\\r)"));
    QString text = value;
    return text.replace(lineBreak, QStringLiteral("\\1  "));
}

// The shortest text that reads back as the same number (negative zero included).
QString number(double value)
{
    if (value == 0.0 && std::signbit(value))
        return QStringLiteral("-0");
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

bool sameBits(double a, double b) { return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b); }

bool isWholeValidDay(const OleDateTime& date)
{
    return date.isValid() && date.date().isValid()
        && sameBits(OleDateTime::fromDate(date.date()).value(), date.value());
}

// The text of a field's value; empty for the starting value.
QString valueText(const FieldValue& value)
{
    struct Text {
        QString operator()(const ScrambledText& t) const { return t.text(); }
        QString operator()(const OleDateTime& d) const
        {
            if (d.isValid() && sameBits(d.value(), 0.0))
                return {};
            if (isWholeValidDay(d))
                return d.date().toString(Qt::ISODate);
            return QStringLiteral("(date %1, status %2)").arg(number(d.value())).arg(d.GetStatus());
        }
        QString operator()(qint32 n) const { return n == 0 ? QString() : QString::number(n); }
        QString operator()(double x) const { return sameBits(x, 0.0) ? QString() : number(x); }
    };
    return std::visit(Text {}, value);
}

std::optional<FieldValue> parseValue(FieldKind kind, const QString& text)
{
    bool ok = false;
    switch (kind) {
    case FieldKind::Text:
        return ScrambledText(text);
    case FieldKind::Integer: {
        const qint32 n = text.toInt(&ok);
        return ok ? std::optional<FieldValue>(n) : std::nullopt;
    }
    case FieldKind::Decimal: {
        const double x = QLocale::c().toDouble(text, &ok);
        return ok ? std::optional<FieldValue>(x) : std::nullopt;
    }
    case FieldKind::Date: {
        static const QRegularExpression exotic(QStringLiteral("^\\(date ([^,]+), status (-?\\d+)\\)$"));
        const QDate day = QDate::fromString(text, Qt::ISODate);
        if (day.isValid())
            return OleDateTime::fromDate(day);
        const QRegularExpressionMatch match = exotic.match(text);
        const double value = QLocale::c().toDouble(match.captured(1), &ok);
        bool statusOk = false;
        const qint32 status = match.captured(2).toInt(&statusOk);
        if (!match.hasMatch() || !ok || !statusOk)
            return std::nullopt;
        return OleDateTime(value, OleDateTime::Status(status));
    }
    }
    return std::nullopt;
}

void addLine(QString& notes, const QString& label, const QString& value)
{
    if (!notes.isEmpty())
        notes += u'\n';
    notes += label + QStringLiteral(": ") + indented(value);
}

// The "Label: value" lines of notes, a value's continued lines joined back with their own breaks.
std::optional<std::vector<std::pair<QString, QString>>> linesOf(const QString& notes)
{
    std::vector<std::pair<QString, QString>> lines;
    qsizetype pos = 0;
    while (pos < notes.size()) {
        qsizetype end = pos;
        while (end < notes.size() && notes[end] != u'\n' && notes[end] != u'\r')
            ++end;
        const QStringView line = QStringView(notes).mid(pos, end - pos);
        qsizetype next = end + (notes.mid(end, 2) == QLatin1StringView("\r\n") ? 2 : (end < notes.size() ? 1 : 0));
        if (line.startsWith(QLatin1StringView("  ")) && !lines.empty()) {
            lines.back().second += line.mid(2);
        } else {
            const qsizetype colon = line.indexOf(QLatin1StringView(": "));
            if (colon <= 0)
                return std::nullopt;
            lines.emplace_back(line.left(colon).toString(), line.mid(colon + 2).toString());
        }
        // A break followed by two spaces belongs to the value.
        if (next < notes.size() && QStringView(notes).mid(next).startsWith(QLatin1StringView("  ")))
            lines.back().second += QStringView(notes).mid(end, next - end);
        pos = next;
    }
    return lines;
}

} // namespace

Columns encode(const AccountRecord& account)
{
    Columns row;
    const AccountType type = account.GetType();
    row.group = kGroupPrefix + accountCategoryCaption(type);
    row.title = account.GetTitle();
    const RecordLayout& layout = account.layout();
    const ColumnFields columns = columnFieldsOf(type);
    for (int field : layout.listOrder) {
        const QString value = valueText(account.field(field));
        if (field == columns.username)
            row.username = value;
        else if (field == columns.password)
            row.password = value;
        else if (field == columns.url)
            row.url = value;
        else if (!value.isEmpty())
            addLine(row.notes, labelOf(layout, field), value);
    }
    // The first user's log-in id and password take the columns no field of the type takes.
    for (int i = 0; i < account.GetUserCount(); ++i) {
        const UserEntry* user = account.GetUser(i);
        addLine(row.notes, kUser, QString::number(i + 1));
        if (i == 0 && columns.username < 0)
            row.username = user->GetLoginId();
        else if (!user->GetLoginId().isEmpty())
            addLine(row.notes, kLoginId, user->GetLoginId());
        if (i == 0 && columns.password < 0)
            row.password = user->GetPassword();
        else if (!user->GetPassword().isEmpty())
            addLine(row.notes, kPassword, user->GetPassword());
        if (!user->GetEmail().isEmpty())
            addLine(row.notes, kEmail, user->GetEmail());
        if (const qint32 flag = user->GetAdministrator())
            addLine(row.notes, kAdministrator, flag == 1 ? QStringLiteral("Yes") : QString::number(flag));
    }
    return row;
}

std::unique_ptr<AccountRecord> decode(const Columns& row)
{
    if (!row.group.startsWith(kGroupPrefix))
        return nullptr;
    AccountType type = AccountType::None;
    for (AccountType candidate : kAccountTypes)
        if (row.group.mid(kGroupPrefix.size()) == accountCategoryCaption(candidate))
            type = candidate;
    const std::optional<std::vector<std::pair<QString, QString>>> lines = linesOf(row.notes);
    if (type == AccountType::None || !lines)
        return nullptr;
    std::unique_ptr<AccountRecord> account = createAccount(AccountId::None, type);
    account->SetTitle(row.title);
    const RecordLayout& layout = account->layout();
    const ColumnFields columns = columnFieldsOf(type);
    const auto set = [&account, &layout](int field, const QString& text) {
        if (text.isEmpty())
            return true;
        const std::optional<FieldValue> value = parseValue(layout.fields[size_t(field)].kind, text);
        if (value)
            account->setField(field, *value);
        return value.has_value();
    };
    bool ok = true;
    const QString* columnText[] = { &row.username, &row.password, &row.url };
    const int columnField[] = { columns.username, columns.password, columns.url };
    for (int c = 0; c < 3; ++c)
        ok = ok && (columnField[c] >= 0 ? set(columnField[c], *columnText[c]) : true);
    UserEntry* user = nullptr;
    for (const auto& [label, value] : *lines) {
        int field = -1;
        for (size_t i = 0; i < layout.fields.size(); ++i)
            if (labelOf(layout, int(i)) == label && int(i) != columns.username && int(i) != columns.password
                && int(i) != columns.url)
                field = int(i);
        if (field >= 0) {
            ok = ok && !user && set(field, value);
        } else if (label == kUser && value == QString::number(account->GetUserCount() + 1)) {
            const bool first = account->GetUserCount() == 0;
            AccountBuilder::appendUser(*account,
                std::make_unique<UserEntry>(
                    0, first ? row.username : QString(), first ? row.password : QString(), QString()));
            user = account->GetUser(account->GetUserCount() - 1);
        } else if (user && label == kLoginId) {
            user->SetLoginId(value);
        } else if (user && label == kPassword) {
            user->SetPassword(value);
        } else if (user && label == kEmail) {
            user->SetEmail(value);
        } else if (user && label == kAdministrator) {
            bool number = false;
            const qint32 flag = value == QLatin1StringView("Yes") ? 1 : value.toInt(&number);
            ok = ok && (number || value == QLatin1StringView("Yes"));
            user->SetAdministrator(flag);
        } else {
            ok = false;
        }
    }
    // A column no field takes holds the first user's value, so it is empty when there is no user.
    if (account->GetUserCount() == 0
        && ((columns.username < 0 && !row.username.isEmpty()) || (columns.password < 0 && !row.password.isEmpty())))
        ok = false;
    if (!ok)
        return nullptr;
    account->SetCommitted();
    return account;
}

} // namespace AccountCsvRow
