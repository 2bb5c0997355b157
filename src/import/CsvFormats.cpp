// The CSV exports: KeePassXC, Chrome, Firefox, 1Password and LastPass, row by row into entries.
#include "accounts/AccountFactory.h"
#include "import/AccountCsvRow.h"
#include "import/CsvReader.h"
#include "import/FormatReaders.h"
#include "import/ImportMapping.h"
#include "import/ImportPlan.h"
#include "import/LastPassNotes.h"
#include "import/TextInput.h"

#include <QLocale>

namespace {

// The header's columns by name, in any case; the ones the format does not know become values of
// their own, under the header's name.
class Header {
public:
    Header(const QStringList& names, const CsvColumns& columns)
        : m_names(names)
    {
        for (int i = 0; i < names.size(); ++i)
            if (!columns.required.contains(names[i].trimmed(), Qt::CaseInsensitive)
                && !columns.optional.contains(names[i].trimmed(), Qt::CaseInsensitive))
                m_unknown.push_back(i);
    }
    QString value(const QStringList& fields, QLatin1StringView name) const
    {
        // The row readers ask by literal names: each is looked up once, then found by its address.
        for (const auto& [known, index] : m_columns)
            if (known == name.data())
                return fields.value(index);
        int index = -1;
        for (int i = 0; i < m_names.size() && index < 0; ++i)
            if (m_names[i].trimmed().compare(name, Qt::CaseInsensitive) == 0)
                index = i;
        m_columns.emplace_back(name.data(), index);
        return fields.value(index);
    }
    void addUnknown(ImportEntry& entry, const QStringList& fields) const
    {
        for (int i : m_unknown)
            entry.add(Slot::Extra, m_names[i].trimmed(), fields.value(i));
    }

private:
    QStringList m_names;
    std::vector<int> m_unknown;
    mutable std::vector<std::pair<const char*, int>> m_columns;
};

using Column = QLatin1StringView;

bool isTrue(const QString& text)
{
    return text.compare(QLatin1StringView("true"), Qt::CaseInsensitive) == 0 || text == QLatin1StringView("1")
        || text.compare(QLatin1StringView("yes"), Qt::CaseInsensitive) == 0;
}

// True when the form's origin is that of the address itself ("https://host:port" of "https://host:port/login").
bool sameOrigin(const QString& action, const QString& url)
{
    QStringView origin(action);
    if (origin.endsWith(u'/'))
        origin.chop(1);
    if (origin.isEmpty() || !url.startsWith(origin))
        return false;
    return url.size() == origin.size() || url[origin.size()] == u'/' || url[origin.size()] == u'?'
        || url[origin.size()] == u'#';
}

void readKeePassXcRow(const Header& h, const QStringList& f, ImportEntry& entry)
{
    const QString group = h.value(f, Column("Group"));
    const QString totp = h.value(f, Column("TOTP"));
    AccountCsvRow::Columns row { group, h.value(f, Column("Title")), h.value(f, Column("Username")),
        h.value(f, Column("Password")), h.value(f, Column("URL")), h.value(f, Column("Notes")) };
    if (totp.isEmpty()) {
        if (std::unique_ptr<AccountRecord> account = AccountCsvRow::decode(row)) {
            entry.kind = EntryKind::Account;
            entry.account = std::move(account);
            return;
        }
    }
    entry.title = row.title;
    entry.add(Slot::UserName, QStringLiteral("Username"), row.username);
    entry.add(Slot::Password, QStringLiteral("Password"), row.password);
    entry.add(Slot::Url, QStringLiteral("URL"), row.url);
    entry.add(Slot::Notes, QStringLiteral("Notes"), row.notes);
    entry.add(Slot::Extra, QStringLiteral("TOTP"), totp);
    // The top group alone is the database's name, not the entry's.
    if (group.contains(u'/'))
        entry.add(Slot::Extra, QStringLiteral("Group"), group);
    entry.add(Slot::Date, QStringLiteral("Last Modified"), FormatReaders::dayOf(h.value(f, Column("Last Modified"))));
    entry.kind = ImportMapping::loginOrNote(entry);
}

void readChromeRow(const Header& h, const QStringList& f, ImportEntry& entry)
{
    entry.title = h.value(f, Column("name"));
    entry.add(Slot::UserName, QStringLiteral("Username"), h.value(f, Column("username")));
    entry.add(Slot::Password, QStringLiteral("Password"), h.value(f, Column("password")));
    entry.add(Slot::Url, QStringLiteral("URL"), h.value(f, Column("url")));
    entry.add(Slot::Notes, QStringLiteral("Note"), h.value(f, Column("note")));
}

void readFirefoxRow(const Header& h, const QStringList& f, ImportEntry& entry)
{
    const QString url = h.value(f, Column("url"));
    entry.title = ImportMapping::hostOf(url);
    entry.add(Slot::UserName, QStringLiteral("Username"), h.value(f, Column("username")));
    entry.add(Slot::Password, QStringLiteral("Password"), h.value(f, Column("password")));
    entry.add(Slot::Url, QStringLiteral("URL"), url);
    entry.add(Slot::Extra, QStringLiteral("HTTP Realm"), h.value(f, Column("httpRealm")));
    const QString action = h.value(f, Column("formActionOrigin"));
    if (!sameOrigin(action, url)) // the address's own: nothing to keep
        entry.add(Slot::Extra, QStringLiteral("Form Action Origin"), action);
}

void readOnePasswordRow(const Header& h, const QStringList& f, ImportEntry& entry)
{
    entry.title = h.value(f, Column("Title"));
    entry.add(Slot::UserName, QStringLiteral("Username"), h.value(f, Column("Username")));
    entry.add(Slot::Password, QStringLiteral("Password"), h.value(f, Column("Password")));
    entry.add(Slot::Url, QStringLiteral("URL"), h.value(f, Column("Url")));
    entry.add(Slot::Notes, QStringLiteral("Notes"), h.value(f, Column("Notes")));
    entry.add(Slot::Extra, QStringLiteral("OTP"), h.value(f, Column("OTPAuth")));
    entry.add(Slot::Extra, QStringLiteral("Tags"), h.value(f, Column("Tags")));
    if (isTrue(h.value(f, Column("Archived"))))
        entry.add(Slot::Extra, QStringLiteral("Archived"), QStringLiteral("Yes"));
    entry.kind = ImportMapping::loginOrNote(entry);
}

void readLastPassRow(const Header& h, const QStringList& f, ImportEntry& entry)
{
    entry.title = h.value(f, Column("name"));
    const QString url = h.value(f, Column("url"));
    const QString extra = h.value(f, Column("extra"));
    if (url == QLatin1StringView("http://sn")) { // a secure note
        readLastPassNote(extra, entry);
    } else {
        entry.add(Slot::UserName, QStringLiteral("Username"), h.value(f, Column("username")));
        entry.add(Slot::Password, QStringLiteral("Password"), h.value(f, Column("password")));
        entry.add(Slot::Url, QStringLiteral("URL"), url);
        entry.add(Slot::Notes, QStringLiteral("Notes"), extra);
        entry.add(Slot::Extra, QStringLiteral("TOTP"), h.value(f, Column("totp")));
    }
    entry.add(Slot::Extra, QStringLiteral("Group"), h.value(f, Column("grouping")));
}

using RowReader = void (*)(const Header&, const QStringList&, ImportEntry&);

RowReader rowReaderOf(ImportFormat format)
{
    switch (format) {
    case ImportFormat::KeePassXcCsv:
        return readKeePassXcRow;
    case ImportFormat::ChromeCsv:
        return readChromeRow;
    case ImportFormat::FirefoxCsv:
        return readFirefoxRow;
    case ImportFormat::OnePasswordCsv:
        return readOnePasswordRow;
    case ImportFormat::LastPassCsv:
        return readLastPassRow;
    default:
        return nullptr;
    }
}

} // namespace

namespace FormatReaders {

QString tooLarge(qint64 limit)
{
    return QStringLiteral("the file is larger than %1, the most an import reads")
        .arg(QLocale::c().formattedDataSize(limit, 0));
}

QString counted(qint64 count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1StringView(count == 1 ? one : many));
}

QString dayOf(const QString& dateTime)
{
    // The day in UTC: a calendar date, the same on every machine. Times in UTC ("...Z", as the
    // exports write them) give their date part at once; others go through QDateTime.
    const QString text = dateTime.trimmed();
    if (text.size() >= 10 && text.endsWith(u'Z') && ImportMapping::parseDate(text.left(10)).isValid())
        return text.left(10);
    const QDateTime parsed = QDateTime::fromString(text, Qt::ISODate);
    return parsed.isValid() ? parsed.toUTC().date().toString(Qt::ISODate) : QString();
}

bool readCsv(QIODevice& device, ImportFormat format, ImportPlan& plan, const ImportLimits& limits, QString& error)
{
    const RowReader readRow = rowReaderOf(format);
    if (!readRow) {
        error = QStringLiteral("%1 is not a CSV format").arg(importFormatName(format));
        return false;
    }
    TextInput input(device, limits.fileBytes);
    CsvReader reader(input, limits);
    QStringList fields;
    if (!reader.next(fields)) {
        error = reader.error().isEmpty() ? QStringLiteral("the file is empty") : reader.error();
        return false;
    }
    const CsvColumns& columns = csvColumnsOf(format);
    for (const QString& name : columns.required)
        if (!std::any_of(fields.begin(), fields.end(),
                [&name](const QString& f) { return f.trimmed().compare(name, Qt::CaseInsensitive) == 0; })) {
            error = QStringLiteral("the first row is not the header of a %1 file: it has no column \"%2\"")
                        .arg(importFormatName(format), name);
            return false;
        }
    const Header header(fields, columns);
    reader.setFieldCount(int(fields.size()));
    qint64 count = 0;
    while (reader.next(fields)) {
        if (++count > limits.entries) {
            error = QStringLiteral("row %1: more than %2 entries, the most an import reads")
                        .arg(reader.row())
                        .arg(limits.entries);
            return false;
        }
        ImportEntry entry;
        entry.number = qint32(reader.row());
        entry.line = qint32(reader.line());
        readRow(header, fields, entry);
        header.addUnknown(entry, fields);
        plan.addEntry(std::move(entry));
    }
    error = reader.error();
    if (!input.notice().isEmpty())
        plan.addNotice(input.notice());
    return error.isEmpty();
}

} // namespace FormatReaders
