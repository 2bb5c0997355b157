#include "import/ImportFormat.h"

#include "import/CsvReader.h"
#include "import/TextInput.h"

#include <QBuffer>
#include <QRegularExpression>

namespace {

struct FormatInfo {
    ImportFormat format;
    const char* name;
    const char* option;
    const char* pattern;
    const char* leavesOut;
};

// clang-format off
const FormatInfo kFormats[] = {
    { ImportFormat::KeePassXml, "KeePass 2 XML", "keepass-xml", "*.xml",
      "times of creation, change and access, icons and colours, auto-type settings, the earlier versions of "
      "entries (History), the entries in the recycle bin and the contents of attachments" },
    { ImportFormat::KeePassXcCsv, "KeePassXC CSV", "keepassxc-csv", "*.csv",
      "the Icon and Created columns, and Last Modified except as the date of a note" },
    { ImportFormat::BitwardenJson, "Bitwarden JSON (unencrypted)", "bitwarden-json", "*.json",
      "ids, favourites, re-prompt settings, collections, dates of creation and change, password history, "
      "passkeys and the items in the trash" },
    { ImportFormat::ChromeCsv, "Chrome CSV", "chrome-csv", "*.csv", "" },
    { ImportFormat::FirefoxCsv, "Firefox CSV", "firefox-csv", "*.csv",
      "the guid and the times of creation, last use and password change" },
    { ImportFormat::OnePasswordCsv, "1Password CSV", "1password-csv", "*.csv", "the Favorite column" },
    { ImportFormat::LastPassCsv, "LastPass CSV", "lastpass-csv", "*.csv",
      "the fav column and the Language of secure notes" },
    { ImportFormat::QuorrilJson, "Quorril JSON", "quorril-json", "*.json", "" },
};

const CsvColumns kCsvColumns[] = {
    { ImportFormat::KeePassXcCsv, { "Group", "Title", "Username", "Password", "URL", "Notes" },
      { "TOTP", "Icon", "Last Modified", "Created" } },
    { ImportFormat::ChromeCsv, { "name", "url", "username", "password" }, { "note" } },
    { ImportFormat::FirefoxCsv, { "url", "username", "password", "httpRealm", "formActionOrigin" },
      { "guid", "timeCreated", "timeLastUsed", "timePasswordChanged" } },
    { ImportFormat::OnePasswordCsv, { "Title", "Url", "Username", "Password" },
      { "OTPAuth", "Favorite", "Archived", "Tags", "Notes" } },
    { ImportFormat::LastPassCsv, { "url", "username", "password", "extra", "name", "grouping" }, { "totp", "fav" } },
};
// clang-format on

const FormatInfo& infoOf(ImportFormat format)
{
    for (const FormatInfo& info : kFormats)
        if (info.format == format)
            return info;
    return kFormats[0];
}

// The text of the first bytes, decoded as well as a part allows (for a look, not for reading).
QString decodedStart(QByteArrayView start, TextInput::Encoding encoding)
{
    if (encoding == TextInput::Encoding::Utf16LE || encoding == TextInput::Encoding::Utf16BE) {
        QString text;
        for (qsizetype i = 0; i + 1 < start.size(); i += 2) {
            const uchar a = uchar(start[i]), b = uchar(start[i + 1]);
            text.append(
                QChar(encoding == TextInput::Encoding::Utf16LE ? char16_t(a | (b << 8)) : char16_t((a << 8) | b)));
        }
        return text;
    }
    return QString::fromUtf8(start);
}

std::optional<ImportFormat> detectJson(const QString& text, QString& why)
{
    static const QRegularExpression firstKey(QStringLiteral("^\\{\\s*\"([^\"]*)\""));
    const QRegularExpressionMatch match = firstKey.match(text);
    const QString key = match.captured(1);
    static const QStringList bitwarden = { QStringLiteral("encrypted"), QStringLiteral("passwordProtected"),
        QStringLiteral("folders"), QStringLiteral("items"), QStringLiteral("collections") };
    static const QStringList quorril
        = { QStringLiteral("accounts"), QStringLiteral("nextAccountId"), QStringLiteral("version") };
    if (bitwarden.contains(key))
        return ImportFormat::BitwardenJson;
    if (quorril.contains(key))
        return ImportFormat::QuorrilJson;
    why = match.hasMatch() ? QStringLiteral("JSON whose first member \"%1\" is that of no known export").arg(key)
                           : QStringLiteral("JSON that is no known export");
    return std::nullopt;
}

} // namespace

QString importFormatName(ImportFormat format) { return QString::fromUtf8(infoOf(format).name); }
QString importFormatOption(ImportFormat format) { return QString::fromLatin1(infoOf(format).option); }
QString importFormatLeavesOut(ImportFormat format) { return QString::fromUtf8(infoOf(format).leavesOut); }

QString importFormatFilter(ImportFormat format)
{
    return QStringLiteral("%1 (%2)").arg(importFormatName(format), QLatin1StringView(infoOf(format).pattern));
}

std::optional<ImportFormat> importFormatFromOption(QStringView option)
{
    for (const FormatInfo& info : kFormats)
        if (option == QLatin1StringView(info.option))
            return info.format;
    return std::nullopt;
}

const CsvColumns& csvColumnsOf(ImportFormat format)
{
    for (const CsvColumns& columns : kCsvColumns)
        if (columns.format == format)
            return columns;
    return kCsvColumns[0];
}

bool isCsvFormat(ImportFormat format)
{
    for (const CsvColumns& columns : kCsvColumns)
        if (columns.format == format)
            return true;
    return false;
}

std::optional<ImportFormat> csvFormatOfHeader(const QStringList& header)
{
    // Of the formats whose columns are all there, the one that knows most of the header.
    std::optional<ImportFormat> best;
    int bestKnown = 0;
    for (const CsvColumns& columns : kCsvColumns) {
        const auto has
            = [&header](const QString& name) { return header.contains(name.trimmed(), Qt::CaseInsensitive); };
        if (!std::all_of(columns.required.begin(), columns.required.end(), has))
            continue;
        int known = 0;
        for (const QString& name : header)
            known += columns.required.contains(name.trimmed(), Qt::CaseInsensitive)
                || columns.optional.contains(name.trimmed(), Qt::CaseInsensitive);
        if (known > bestKnown) {
            best = columns.format;
            bestKnown = known;
        }
    }
    return best;
}

std::optional<ImportFormat> detectImportFormat(QByteArrayView start, QString& why)
{
    int mark = 0;
    const std::optional<TextInput::Encoding> encoding = TextInput::encodingOf(start, mark, why);
    if (!encoding)
        return std::nullopt;
    const QString text = decodedStart(start.sliced(mark), *encoding).trimmed();
    if (text.isEmpty()) {
        why = QStringLiteral("the file is empty");
        return std::nullopt;
    }
    if (text.startsWith(u'<')) {
        if (text.contains(QLatin1StringView("<KeePassFile")))
            return ImportFormat::KeePassXml;
        why = QStringLiteral("XML whose root is not KeePassFile (no KeePass 2 export)");
        return std::nullopt;
    }
    if (text.startsWith(u'{'))
        return detectJson(text, why);
    if (text.startsWith(u'[')) {
        why = QStringLiteral("JSON that is no known export");
        return std::nullopt;
    }
    QByteArray bytes = start.toByteArray();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TextInput input(buffer, bytes.size());
    const ImportLimits limits;
    CsvReader reader(input, limits);
    QStringList header;
    reader.next(header);
    const std::optional<ImportFormat> format = csvFormatOfHeader(header);
    if (!format)
        why = QStringLiteral("a first line that is the header of no known export: \"%1\"")
                  .arg(header.join(QStringLiteral("\",\"")).left(200));
    return format;
}
