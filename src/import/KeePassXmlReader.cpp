// The unencrypted XML export of KeePass 2 and KeePassXC, read as a stream of XML tokens.
#include "import/FormatReaders.h"
#include "import/ImportMapping.h"
#include "import/ImportPlan.h"
#include "import/TextInput.h"

#include <QDateTime>
#include <QIODevice>
#include <QXmlStreamReader>
#include <QtEndian>

namespace {

class KeePassXml {
public:
    KeePassXml(QIODevice& device, ImportPlan& plan, const ImportLimits& limits)
        : m_xml(&device)
        , m_plan(plan)
        , m_limits(limits)
    {
        m_xml.setNamespaceProcessing(false); // KeePass writes no namespaces; without their upkeep it reads faster
    }

    bool read();
    // The root element and what it holds; false on a fault (of the XML too: read() tells which).
    bool readDocument(bool& sawRoot);
    QString error() const { return m_error; }
    bool xmlFailed() const { return m_xmlFailed; }

private:
    bool fail(const QString& why)
    {
        if (m_error.isEmpty())
            m_error = why;
        return false;
    }
    QString line() const { return QStringLiteral("line %1").arg(m_xml.lineNumber()); }
    // The next child element of the present one; false at its end or on a fault.
    bool nextChild();
    // Skips the present element whole; counts its child elements named `counted`.
    bool skip(int* children = nullptr, QStringView counted = {});
    bool text(QString& value);
    bool readMeta();
    bool readGroup(QStringList path, bool inBin);
    bool readEntry(const QStringList& path, bool inBin);
    bool readString(ImportEntry& entry);
    bool readTimes(ImportEntry& entry);
    bool readBinary(ImportEntry& entry);

    QXmlStreamReader m_xml;
    ImportPlan& m_plan;
    const ImportLimits& m_limits;
    int m_depth = 0;
    QString m_error;
    bool m_xmlFailed = false;
    QString m_recycleBin;
    qint32 m_entries = 0;
    int m_binEntries = 0;
    int m_history = 0;
    int m_groupNotes = 0;
};

// KeePass writes times as ISO 8601, or (KDBX 4) as base64 of the seconds since 0001-01-01 UTC.
QString dayOfKeePassTime(const QString& text)
{
    const QString iso = FormatReaders::dayOf(text);
    if (!iso.isEmpty() || text.isEmpty())
        return iso;
    const QByteArray bytes = QByteArray::fromBase64(text.toLatin1());
    if (bytes.size() != 8)
        return {};
    const qint64 seconds = qFromLittleEndian<qint64>(bytes.constData());
    const QDateTime time = QDateTime(QDate(1, 1, 1), QTime(0, 0), Qt::UTC).addSecs(seconds);
    return time.isValid() ? time.date().toString(Qt::ISODate) : QString();
}

bool KeePassXml::nextChild()
{
    while (!m_xml.atEnd()) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++m_depth > m_limits.depth)
                return fail(
                    QStringLiteral("%1: elements nested deeper than %2 levels").arg(line()).arg(m_limits.depth));
            return true;
        case QXmlStreamReader::EndElement:
            --m_depth;
            return false;
        case QXmlStreamReader::DTD:
            return fail(QStringLiteral("%1: a document type declaration, which no KeePass export has").arg(line()));
        default:
            break;
        }
    }
    return false;
}

bool KeePassXml::skip(int* children, QStringView counted)
{
    const int depth = m_depth;
    while (nextChild()) {
        if (children && m_depth == depth + 1 && m_xml.name() == counted)
            ++*children;
        if (!skip())
            return false;
    }
    return m_error.isEmpty() && !m_xml.hasError() && m_depth == depth - 1;
}

bool KeePassXml::text(QString& value)
{
    value = m_xml.readElementText(QXmlStreamReader::SkipChildElements);
    --m_depth;
    if (value.size() > m_limits.textLength)
        return fail(QStringLiteral("%1: a value longer than %2 characters").arg(line()).arg(m_limits.textLength));
    return !m_xml.hasError();
}

bool KeePassXml::readDocument(bool& sawRoot)
{
    if (!nextChild())
        return true;
    if (m_xml.name() != QLatin1StringView("KeePassFile"))
        return fail(
            QStringLiteral("%1: the root element is <%2>, not <KeePassFile>").arg(line(), m_xml.name().toString()));
    while (nextChild()) {
        bool ok = true;
        if (m_xml.name() == QLatin1StringView("Meta")) {
            ok = readMeta();
        } else if (m_xml.name() == QLatin1StringView("Root")) {
            sawRoot = true;
            while (ok && nextChild())
                ok = m_xml.name() == QLatin1StringView("Group") ? readGroup({}, false) : skip();
        } else {
            ok = skip();
        }
        if (!ok)
            return false;
    }
    return true;
}

bool KeePassXml::read()
{
    bool sawRoot = false;
    readDocument(sawRoot);
    // What remains after the root element: nothing but the end of the document.
    while (m_error.isEmpty() && !m_xml.atEnd())
        m_xml.readNext();
    if (m_xml.hasError()) {
        m_xmlFailed = true;
        return fail(QStringLiteral("the XML is not well formed: %1 (line %2, column %3)")
                        .arg(m_xml.errorString())
                        .arg(m_xml.lineNumber())
                        .arg(m_xml.columnNumber()));
    }
    if (!m_error.isEmpty())
        return false;
    if (!sawRoot)
        return fail(QStringLiteral("no <Root> element: the file holds no entries"));
    if (m_binEntries)
        m_plan.addSkipped(
            FormatReaders::counted(m_binEntries, "entry", "entries") + QStringLiteral(" in the recycle bin"));
    if (m_history)
        m_plan.addSkipped(QStringLiteral("the earlier versions (History) of ")
            + FormatReaders::counted(m_history, "entry", "entries"));
    if (m_groupNotes)
        m_plan.addSkipped(QStringLiteral("the notes of ") + FormatReaders::counted(m_groupNotes, "group", "groups"));
    return true;
}

bool KeePassXml::readMeta()
{
    while (nextChild()) {
        if (m_xml.name() == QLatin1StringView("RecycleBinUUID")) {
            if (!text(m_recycleBin))
                return false;
        } else if (!skip()) {
            return false;
        }
    }
    return m_error.isEmpty();
}

bool KeePassXml::readGroup(QStringList path, bool inBin)
{
    while (nextChild()) {
        const QStringView name = m_xml.name();
        QString value;
        if (name == QLatin1StringView("Name")) {
            if (!text(value))
                return false;
            path.append(value);
        } else if (name == QLatin1StringView("UUID")) {
            if (!text(value))
                return false;
            inBin = inBin || (!m_recycleBin.isEmpty() && value == m_recycleBin);
        } else if (name == QLatin1StringView("Notes")) {
            if (!text(value))
                return false;
            m_groupNotes += !value.isEmpty() && !inBin;
        } else if (name == QLatin1StringView("Entry")) {
            if (!readEntry(path, inBin))
                return false;
        } else if (name == QLatin1StringView("Group")) {
            if (!readGroup(path, inBin))
                return false;
        } else if (!skip()) {
            return false;
        }
    }
    return m_error.isEmpty();
}

bool KeePassXml::readEntry(const QStringList& path, bool inBin)
{
    ImportEntry entry;
    entry.number = ++m_entries;
    entry.line = qint32(m_xml.lineNumber());
    if (m_entries > m_limits.entries)
        return fail(
            QStringLiteral("%1: more than %2 entries, the most an import reads").arg(line()).arg(m_limits.entries));
    QString tags;
    while (nextChild()) {
        const QStringView name = m_xml.name();
        bool ok = true;
        if (name == QLatin1StringView("String"))
            ok = readString(entry);
        else if (name == QLatin1StringView("Times"))
            ok = readTimes(entry);
        else if (name == QLatin1StringView("Binary"))
            ok = readBinary(entry);
        else if (name == QLatin1StringView("Tags"))
            ok = text(tags);
        else if (name == QLatin1StringView("History")) {
            int versions = 0;
            ok = skip(&versions, u"Entry");
            m_history += versions > 0;
        } else
            ok = skip();
        if (!ok)
            return false;
    }
    if (!m_error.isEmpty())
        return false;
    if (inBin) {
        ++m_binEntries;
        return true;
    }
    entry.add(Slot::Extra, QStringLiteral("Tags"), tags);
    if (path.size() > 1) // the top group alone is the database's name, not the entry's
        entry.add(Slot::Extra, QStringLiteral("Group"), path.join(u'/'));
    entry.kind = ImportMapping::loginOrNote(entry);
    m_plan.addEntry(std::move(entry));
    return true;
}

bool KeePassXml::readString(ImportEntry& entry)
{
    QString key, value;
    while (nextChild()) {
        if (m_xml.name() == QLatin1StringView("Key")) {
            if (!text(key))
                return false;
        } else if (m_xml.name() == QLatin1StringView("Value")) {
            if (m_xml.attributes().value(QLatin1StringView("Protected")) == QLatin1StringView("True"))
                return fail(QStringLiteral("entry %1 (%2): the value of \"%3\" is still protected (encrypted by the "
                                           "database). Export the database as KeePass XML from KeePass or "
                                           "KeePassXC, unencrypted, and import that file")
                                .arg(entry.number)
                                .arg(line(), key));
            if (!text(value))
                return false;
        } else if (!skip()) {
            return false;
        }
    }
    if (key == QLatin1StringView("Title"))
        entry.title = value;
    else if (key == QLatin1StringView("UserName"))
        entry.add(Slot::UserName, QStringLiteral("User Name"), value);
    else if (key == QLatin1StringView("Password"))
        entry.add(Slot::Password, key, value);
    else if (key == QLatin1StringView("URL"))
        entry.add(Slot::Url, key, value);
    else if (key == QLatin1StringView("Notes"))
        entry.add(Slot::Notes, key, value);
    else
        entry.add(Slot::Extra, key, value);
    return m_error.isEmpty();
}

bool KeePassXml::readTimes(ImportEntry& entry)
{
    QString modified, expiry, expires;
    while (nextChild()) {
        const QStringView name = m_xml.name();
        QString* into = name == QLatin1StringView("LastModificationTime") ? &modified
            : name == QLatin1StringView("ExpiryTime")                     ? &expiry
            : name == QLatin1StringView("Expires")                        ? &expires
                                                                          : nullptr;
        if (!(into ? text(*into) : skip()))
            return false;
    }
    entry.add(Slot::Date, QStringLiteral("Last Modified"), dayOfKeePassTime(modified));
    if (expires.compare(QLatin1StringView("True"), Qt::CaseInsensitive) == 0)
        entry.add(Slot::Extra, QStringLiteral("Expires"), dayOfKeePassTime(expiry));
    return m_error.isEmpty();
}

bool KeePassXml::readBinary(ImportEntry& entry)
{
    QString key;
    while (nextChild())
        if (!(m_xml.name() == QLatin1StringView("Key") ? text(key) : skip()))
            return false;
    entry.add(Slot::Extra, QStringLiteral("Attachment"), key + QStringLiteral(" (its content is not imported)"));
    return m_error.isEmpty();
}

// True when the XML is in UTF-8: no UTF-16 mark and no other encoding declared.
bool declaresUtf8(QByteArrayView start)
{
    int mark = 0;
    QString why;
    const std::optional<TextInput::Encoding> encoding = TextInput::encodingOf(start, mark, why);
    if (!encoding || *encoding != TextInput::Encoding::Utf8)
        return false;
    const QByteArray head
        = start.sliced(mark).first(std::min<qsizetype>(200, start.size() - mark)).toByteArray().toLower();
    const qsizetype at = head.indexOf("encoding=");
    return head.startsWith("<?xml") == false || at < 0 || head.mid(at + 10, 5) == "utf-8";
}

} // namespace

namespace FormatReaders {

bool readKeePassXml(QIODevice& device, ImportPlan& plan, const ImportLimits& limits, QString& error)
{
    const bool utf8 = declaresUtf8(device.peek(256));
    KeePassXml reader(device, plan, limits);
    if (reader.read())
        return true;
    error = reader.error();
    // The XML reader tells of a wrongly encoded byte without its place: a second look finds it.
    if (reader.xmlFailed() && utf8 && !device.isSequential() && device.seek(0)) {
        TextInput input(device, limits.fileBytes, TextInput::Strict);
        QString piece;
        while (input.next(piece)) { }
        if (!input.error().isEmpty())
            error = input.error();
    }
    return false;
}

} // namespace FormatReaders
