// The unencrypted XML export of KeePass 2 and KeePassXC, read with libxml2's SAX2 parser, which pulls
// the file a few KiB at a time. Each element's start and end moves a small state machine, names are
// compared as the parser's own interned strings, and text is gathered (as UTF-8 bytes) only inside
// the elements the import keeps, made a QString once per value. One entry is held at a time, never the file.
#include "import/FormatReaders.h"
#include "import/ImportMapping.h"
#include "import/ImportPlan.h"
#include "import/TextInput.h"

#include <QDateTime>
#include <QIODevice>
#include <QStringList>
#include <QtEndian>

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <cstring>
#include <iterator>
#include <memory>
#include <vector>

namespace {

// What an open element is to the import.
enum class Node : quint8 {
    File, // <KeePassFile>
    Meta,
    Root,
    Group,
    Entry,
    String,
    Times,
    Binary,
    History, // an entry's earlier versions: skipped, its <Entry> children counted
    Text, // a value the import keeps (which one: KeePassXml::m_kept)
    Other, // anything else: skipped with all it holds
};

// The values whose text the import keeps.
enum class Kept : quint8 {
    RecycleBin,
    GroupName,
    GroupUuid,
    GroupNotes,
    Tags,
    Key,
    Value,
    Modified,
    Expiry,
    Expires,
    BinaryKey
};

// The names of the elements and attribute the import looks at.
enum class Tag : quint8 {
    KeePassFile,
    Meta,
    Root,
    RecycleBinUUID,
    Group,
    Entry,
    Name,
    UUID,
    Notes,
    String,
    Times,
    Binary,
    History,
    Tags,
    Key,
    Value,
    Protected,
    LastModificationTime,
    ExpiryTime,
    Expires,
    Count
};
constexpr const char* kTagNames[]
    = { "KeePassFile", "Meta", "Root", "RecycleBinUUID", "Group", "Entry", "Name", "UUID", "Notes", "String", "Times",
          "Binary", "History", "Tags", "Key", "Value", "Protected", "LastModificationTime", "ExpiryTime", "Expires" };
static_assert(std::size(kTagNames) == size_t(Tag::Count));

// Whether the bytes are the literal's, its size compared first.
template <size_t N> bool holds(const QByteArray& bytes, const char (&literal)[N])
{
    return bytes.size() == qsizetype(N - 1) && std::memcmp(bytes.constData(), literal, N - 1) == 0;
}

QString utf8(const xmlChar* text) { return QString::fromUtf8(reinterpret_cast<const char*>(text)); }

// The day of "yyyy-MM-ddThh:mm:ssZ", the shape KeePass writes, read without a QDateTime; empty when
// the text has another shape.
QString dayOfUtcTime(QByteArrayView text)
{
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[19] != 'Z')
        return {};
    int parts[3] = {}; // year, month, day
    const qsizetype starts[3] = { 0, 5, 8 }, ends[3] = { 4, 7, 10 };
    for (int part = 0; part < 3; ++part)
        for (qsizetype i = starts[part]; i < ends[part]; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return {};
            parts[part] = parts[part] * 10 + (text[i] - '0');
        }
    return QDate(parts[0], parts[1], parts[2]).isValid() ? QString::fromLatin1(text.first(10)) : QString();
}

// KeePass writes times as ISO 8601, or (KDBX 4) as base64 of the seconds since 0001-01-01 UTC.
QString dayOfKeePassTime(const QByteArray& bytes)
{
    if (QString day = dayOfUtcTime(bytes); !day.isEmpty())
        return day;
    const QString text = QString::fromUtf8(bytes);
    const QString iso = FormatReaders::dayOf(text);
    if (!iso.isEmpty() || text.isEmpty())
        return iso;
    const QByteArray decoded = QByteArray::fromBase64(bytes);
    if (decoded.size() != 8)
        return {};
    const qint64 seconds = qFromLittleEndian<qint64>(decoded.constData());
    const QDateTime time = QDateTime(QDate(1, 1, 1), QTime(0, 0), Qt::UTC).addSecs(seconds);
    return time.isValid() ? time.date().toString(Qt::ISODate) : QString();
}

struct ParserFree {
    void operator()(xmlParserCtxt* context) const
    {
        if (context->myDoc)
            xmlFreeDoc(context->myDoc);
        xmlFreeParserCtxt(context);
    }
};

class KeePassXml {
public:
    // `encoding`: what the parser cannot tell from the first bytes (UTF-16 without a byte-order mark),
    // or XML_CHAR_ENCODING_NONE.
    KeePassXml(QIODevice& device, ImportPlan& plan, const ImportLimits& limits, xmlCharEncoding encoding)
        : m_device(device)
        , m_plan(plan)
        , m_limits(limits)
        , m_encoding(encoding)
    {
    }

    bool read();
    QString error() const { return m_error; }
    bool xmlFailed() const { return m_xmlFailed; }

private:
    // libxml2's calls, each handed on to the reader the parser was made for.
    static void onStart(void* self, const xmlChar* name, const xmlChar* prefix, const xmlChar*, int, const xmlChar**,
        int attributeCount, int, const xmlChar** attributes)
    {
        auto* reader = static_cast<KeePassXml*>(self);
        reader->start(name, prefix, attributeCount, attributes);
        reader->stopOnFailure();
    }
    static void onEnd(void* self, const xmlChar*, const xmlChar*, const xmlChar*)
    {
        auto* reader = static_cast<KeePassXml*>(self);
        reader->end();
        reader->stopOnFailure();
    }
    static void onText(void* self, const xmlChar* text, int length)
    {
        auto* reader = static_cast<KeePassXml*>(self);
        if (!reader->m_nodes.empty() && reader->m_nodes.back() == Node::Text) {
            reader->keepText(text, length);
            reader->stopOnFailure();
        }
    }
    static int onRead(void* self, char* buffer, int length)
    {
        return static_cast<KeePassXml*>(self)->give(buffer, length);
    }
    static void onDoctype(void* self, const xmlChar*, const xmlChar*, const xmlChar*)
    {
        auto* reader = static_cast<KeePassXml*>(self);
        reader->fail(
            QStringLiteral("%1: a document type declaration, which no KeePass export has").arg(reader->line()));
        reader->stopOnFailure();
    }
    // The error's type differs between libxml2 versions (const from 2.12 on).
    template <typename Error> static void onError(void* self, Error error)
    {
        static_cast<KeePassXml*>(self)->xmlError(error->level, error->message, error->line, error->int2);
    }

    // libxml2 hands over every name from its dictionary: the same name is the same pointer.
    bool named(const xmlChar* name, Tag tag) const { return name == m_interned[size_t(tag)]; }
    bool fail(const QString& why);
    // After a failure in a SAX call, stops the parser: no more calls, and the rest of the file unread.
    // (Never from give(): libxml2 is then inside its input buffer, which stopping frees.)
    void stopOnFailure()
    {
        if (!m_error.isEmpty() && !m_stopped) {
            m_stopped = true;
            xmlStopParser(m_context.get());
        }
    }
    void xmlError(int level, const char* message, int line, int column);
    QString line() const { return QStringLiteral("line %1").arg(xmlSAX2GetLineNumber(m_context.get())); }
    // Fills the parser's buffer from the device; 0 at the end of the file or once the import failed.
    int give(char* buffer, int length);
    bool parse();
    void start(const xmlChar* name, const xmlChar* prefix, int attributeCount, const xmlChar** attributes);
    Node child(Node parent, const xmlChar* name, int attributeCount, const xmlChar** attributes);
    Node keep(Kept what);
    void keepText(const xmlChar* text, int length);
    void end();
    void endText();
    void endEntry();
    void endString();
    void endTimes();

    QIODevice& m_device;
    ImportPlan& m_plan;
    const ImportLimits& m_limits;
    xmlCharEncoding m_encoding;
    std::unique_ptr<xmlParserCtxt, ParserFree> m_context;
    const xmlChar* m_interned[size_t(Tag::Count)] = {}; // kTagNames in the parser's dictionary
    QString m_error;
    bool m_xmlFailed = false;
    bool m_sawRoot = false;
    bool m_stopped = false;
    qint64 m_total = 0; // bytes read from the device

    std::vector<Node> m_nodes; // the open elements, the root first
    Kept m_kept = Kept::Key;
    QByteArray m_text; // the UTF-8 of the value being read
    QString m_recycleBin;

    // The open groups: the path of names, and for each group how long the path was and whether the
    // recycle bin held it when it opened.
    QStringList m_path;
    QString m_joinedPath; // m_path joined by '/', made again when it changed
    bool m_pathChanged = false;
    struct GroupState {
        qsizetype pathLength;
        bool inBin;
    };
    std::vector<GroupState> m_groups;
    bool m_inBin = false;

    ImportEntry m_entry;
    QString m_tags, m_value, m_binaryKey;
    QByteArray m_key, m_modified, m_expiry, m_expires; // made text only where shown
    int m_versions = 0;

    qint32 m_entries = 0;
    int m_binEntries = 0;
    int m_history = 0;
    int m_groupNotes = 0;
};

bool KeePassXml::fail(const QString& why)
{
    if (m_error.isEmpty())
        m_error = why;
    return false;
}

void KeePassXml::xmlError(int level, const char* message, int line, int column)
{
    // Warnings and the errors a parser without namespaces has no use for (an undeclared prefix) pass.
    if (level != XML_ERR_FATAL || !m_error.isEmpty())
        return;
    m_xmlFailed = true;
    m_error = QStringLiteral("the XML is not well formed: %1 (line %2, column %3)")
                  .arg(QString::fromUtf8(message).simplified())
                  .arg(line)
                  .arg(column);
}

int KeePassXml::give(char* buffer, int length)
{
    // Once the import has failed, the end of the file: the parser stops at once.
    if (!m_error.isEmpty())
        return 0;
    // The whole length unless the file ends: the parser tells the encoding from its first bytes.
    int filled = 0;
    while (filled < length) {
        const qint64 got = m_device.read(buffer + filled, length - filled);
        if (got < 0) {
            fail(QStringLiteral("the file could not be read: %1").arg(m_device.errorString()));
            return 0;
        }
        if (got == 0 && !m_device.waitForReadyRead(-1))
            break;
        filled += int(got);
    }
    m_total += filled;
    if (m_total > m_limits.fileBytes) {
        fail(FormatReaders::tooLarge(m_limits.fileBytes));
        return 0;
    }
    return filled;
}

bool KeePassXml::parse()
{
    xmlSAXHandler handler;
    std::memset(&handler, 0, sizeof handler);
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = onStart;
    handler.endElementNs = onEnd;
    handler.characters = onText;
    handler.cdataBlock = onText;
    handler.ignorableWhitespace = onText;
    handler.internalSubset = onDoctype;
    handler.serror = onError;
    // libxml2 pulls the file through give() a few KiB at a time (its pull parser reads this export
    // nearly twice as fast as its push parser fed the same pieces).
    m_context.reset(xmlCreateIOParserCtxt(&handler, this, onRead, nullptr, this, XML_CHAR_ENCODING_NONE));
    if (!m_context)
        return fail(QStringLiteral("the XML reader could not start (out of memory)"));
    // No network, and never XML_PARSE_NOENT (entities stay unexpanded) nor XML_PARSE_HUGE (libxml2's
    // own bounds on names, attributes and lookahead stay).
    xmlCtxtUseOptions(m_context.get(), XML_PARSE_NONET);
    // Told once the input is there (at creation libxml2 2.9 would switch before it has one).
    if (m_encoding != XML_CHAR_ENCODING_NONE && xmlSwitchEncoding(m_context.get(), m_encoding) != 0)
        return fail(QStringLiteral("the XML reader could not read UTF-16"));
    for (size_t i = 0; i < size_t(Tag::Count); ++i) {
        m_interned[i] = xmlDictLookup(m_context->dict, reinterpret_cast<const xmlChar*>(kTagNames[i]), -1);
        if (!m_interned[i])
            return fail(QStringLiteral("the XML reader could not start (out of memory)"));
    }
    xmlParseDocument(m_context.get());
    if (m_error.isEmpty() && !m_context->wellFormed) {
        m_xmlFailed = true;
        fail(QStringLiteral("the XML is not well formed (%1)").arg(line()));
    }
    return m_error.isEmpty();
}

bool KeePassXml::read()
{
    static const bool initialised = [] {
        xmlInitParser();
        return true;
    }();
    Q_UNUSED(initialised);
    if (!parse())
        return false;
    if (!m_sawRoot)
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

void KeePassXml::start(const xmlChar* name, const xmlChar* prefix, int attributeCount, const xmlChar** attributes)
{
    if (!m_error.isEmpty())
        return;
    if (qsizetype(m_nodes.size()) >= m_limits.depth) {
        fail(QStringLiteral("%1: elements nested deeper than %2 levels").arg(line()).arg(m_limits.depth));
        return;
    }
    if (m_nodes.empty()) {
        if (prefix || !named(name, Tag::KeePassFile)) {
            const QString shown = prefix ? utf8(prefix) + u':' + utf8(name) : utf8(name);
            fail(QStringLiteral("%1: the root element is <%2>, not <KeePassFile>").arg(line(), shown));
            return;
        }
        m_nodes.push_back(Node::File);
        return;
    }
    const Node parent = m_nodes.back();
    // KeePass writes no namespaces: a prefixed name is none of its elements.
    m_nodes.push_back(prefix || parent == Node::Other || parent == Node::Text
            ? Node::Other
            : child(parent, name, attributeCount, attributes));
}

Node KeePassXml::child(Node parent, const xmlChar* name, int attributeCount, const xmlChar** attributes)
{
    switch (parent) {
    case Node::File:
        if (named(name, Tag::Meta))
            return Node::Meta;
        if (named(name, Tag::Root)) {
            m_sawRoot = true;
            return Node::Root;
        }
        return Node::Other;
    case Node::Meta:
        return named(name, Tag::RecycleBinUUID) ? keep(Kept::RecycleBin) : Node::Other;
    case Node::Root:
    case Node::Group:
        if (named(name, Tag::Group)) {
            // A top group starts the path afresh, outside the recycle bin.
            if (parent == Node::Root) {
                m_path.clear();
                m_pathChanged = true;
                m_inBin = false;
            }
            m_groups.push_back({ m_path.size(), m_inBin });
            return Node::Group;
        }
        if (parent == Node::Root)
            return Node::Other;
        if (named(name, Tag::Entry)) {
            m_entry = ImportEntry();
            m_entry.items.reserve(8); // one allocation for what an entry usually holds
            m_entry.number = ++m_entries;
            m_entry.line = xmlSAX2GetLineNumber(m_context.get());
            if (m_entries > m_limits.entries)
                fail(QStringLiteral("%1: more than %2 entries, the most an import reads")
                         .arg(line())
                         .arg(m_limits.entries));
            m_tags.clear();
            return Node::Entry;
        }
        return named(name, Tag::Name) ? keep(Kept::GroupName)
            : named(name, Tag::UUID)  ? keep(Kept::GroupUuid)
            : named(name, Tag::Notes) ? keep(Kept::GroupNotes)
                                      : Node::Other;
    case Node::Entry:
        if (named(name, Tag::String)) {
            m_key.resize(0);
            m_value.clear();
            return Node::String;
        }
        if (named(name, Tag::Times)) {
            m_modified.resize(0);
            m_expiry.resize(0);
            m_expires.resize(0);
            return Node::Times;
        }
        if (named(name, Tag::Binary)) {
            m_binaryKey.clear();
            return Node::Binary;
        }
        if (named(name, Tag::History)) {
            m_versions = 0;
            return Node::History;
        }
        return named(name, Tag::Tags) ? keep(Kept::Tags) : Node::Other;
    case Node::String:
        if (named(name, Tag::Key))
            return keep(Kept::Key);
        if (!named(name, Tag::Value))
            return Node::Other;
        for (int i = 0; i < attributeCount; ++i) {
            const xmlChar* const* attribute = attributes + 5 * i; // name, prefix, URI, value, value's end
            if (!attribute[1] && named(attribute[0], Tag::Protected) && attribute[4] - attribute[3] == 4
                && std::memcmp(attribute[3], "True", 4) == 0)
                fail(QStringLiteral("entry %1 (%2): the value of \"%3\" is still protected (encrypted by the "
                                    "database). Export the database as KeePass XML from KeePass or KeePassXC, "
                                    "unencrypted, and import that file")
                         .arg(m_entry.number)
                         .arg(line(), QString::fromUtf8(m_key)));
        }
        return keep(Kept::Value);
    case Node::Times:
        return named(name, Tag::LastModificationTime) ? keep(Kept::Modified)
            : named(name, Tag::ExpiryTime)            ? keep(Kept::Expiry)
            : named(name, Tag::Expires)               ? keep(Kept::Expires)
                                                      : Node::Other;
    case Node::Binary:
        return named(name, Tag::Key) ? keep(Kept::BinaryKey) : Node::Other;
    case Node::History:
        m_versions += named(name, Tag::Entry);
        return Node::Other;
    case Node::Text:
    case Node::Other:
        break;
    }
    return Node::Other;
}

Node KeePassXml::keep(Kept what)
{
    m_kept = what;
    m_text.resize(0); // keeps its capacity for the next value
    return Node::Text;
}

void KeePassXml::keepText(const xmlChar* text, int length)
{
    // A UTF-16 unit takes at most 3 bytes of UTF-8: beyond that many bytes the value is too long
    // whatever it holds, and is refused before it costs more memory.
    if (m_text.size() + length > 3 * m_limits.textLength) {
        fail(QStringLiteral("%1: a value longer than %2 characters").arg(line()).arg(m_limits.textLength));
        return;
    }
    m_text.append(reinterpret_cast<const char*>(text), length);
}

void KeePassXml::end()
{
    if (!m_error.isEmpty() || m_nodes.empty())
        return;
    const Node node = m_nodes.back();
    m_nodes.pop_back();
    switch (node) {
    case Node::Text:
        endText();
        break;
    case Node::Group:
        m_pathChanged = m_pathChanged || m_path.size() != m_groups.back().pathLength;
        m_path.resize(m_groups.back().pathLength);
        m_inBin = m_groups.back().inBin;
        m_groups.pop_back();
        break;
    case Node::Entry:
        endEntry();
        break;
    case Node::String:
        endString();
        break;
    case Node::Times:
        endTimes();
        break;
    case Node::Binary:
        m_entry.add(
            Slot::Extra, QStringLiteral("Attachment"), m_binaryKey + QStringLiteral(" (its content is not imported)"));
        break;
    case Node::History:
        m_history += m_versions > 0;
        break;
    default:
        break;
    }
}

void KeePassXml::endText()
{
    // No more bytes of UTF-8 than the limit is within it; more are counted in UTF-16 units.
    if (m_text.size() > m_limits.textLength && QString::fromUtf8(m_text).size() > m_limits.textLength) {
        fail(QStringLiteral("%1: a value longer than %2 characters").arg(line()).arg(m_limits.textLength));
        return;
    }
    // Kept as bytes: the buffer goes over whole, and the one it replaces gathers the next value.
    QByteArray* bytes = m_kept == Kept::Key ? &m_key
        : m_kept == Kept::Modified          ? &m_modified
        : m_kept == Kept::Expiry            ? &m_expiry
        : m_kept == Kept::Expires           ? &m_expires
                                            : nullptr;
    if (bytes) {
        bytes->swap(m_text);
        return;
    }
    QString value = QString::fromUtf8(m_text);
    switch (m_kept) {
    case Kept::RecycleBin:
        m_recycleBin = std::move(value);
        break;
    case Kept::GroupName:
        m_path.append(std::move(value));
        m_pathChanged = true;
        break;
    case Kept::GroupUuid:
        m_inBin = m_inBin || (!m_recycleBin.isEmpty() && value == m_recycleBin);
        break;
    case Kept::GroupNotes:
        m_groupNotes += !value.isEmpty() && !m_inBin;
        break;
    case Kept::Tags:
        m_tags = std::move(value);
        break;
    case Kept::Value:
        m_value = std::move(value);
        break;
    case Kept::Key:
    case Kept::Modified:
    case Kept::Expiry:
    case Kept::Expires:
        break;
    case Kept::BinaryKey:
        m_binaryKey = std::move(value);
        break;
    }
}

void KeePassXml::endEntry()
{
    if (m_inBin) {
        ++m_binEntries;
        return;
    }
    m_entry.add(Slot::Extra, QStringLiteral("Tags"), m_tags);
    if (m_pathChanged) {
        m_joinedPath = m_path.join(u'/');
        m_pathChanged = false;
    }
    if (m_path.size() > 1) // the top group alone is the database's name, not the entry's
        m_entry.add(Slot::Extra, QStringLiteral("Group"), m_joinedPath);
    m_entry.kind = ImportMapping::loginOrNote(m_entry);
    m_plan.addEntry(std::move(m_entry)); // the next <Entry> starts afresh
}

void KeePassXml::endString()
{
    if (holds(m_key, "Title"))
        m_entry.title = m_value;
    else if (holds(m_key, "UserName"))
        m_entry.add(Slot::UserName, QStringLiteral("User Name"), m_value);
    else if (holds(m_key, "Password"))
        m_entry.add(Slot::Password, QStringLiteral("Password"), m_value);
    else if (holds(m_key, "URL"))
        m_entry.add(Slot::Url, QStringLiteral("URL"), m_value);
    else if (holds(m_key, "Notes"))
        m_entry.add(Slot::Notes, QStringLiteral("Notes"), m_value);
    else
        m_entry.add(Slot::Extra, QString::fromUtf8(m_key), m_value);
}

void KeePassXml::endTimes()
{
    m_entry.add(Slot::Date, QStringLiteral("Last Modified"), dayOfKeePassTime(m_modified));
    if (m_expires.compare("True", Qt::CaseInsensitive) == 0)
        m_entry.add(Slot::Extra, QStringLiteral("Expires"), dayOfKeePassTime(m_expiry));
}

// Whether the XML is in UTF-8 (no UTF-16 mark and no other encoding declared), and the encoding to
// tell the parser: UTF-16 without a byte-order mark, which it does not recognise by itself.
bool declaresUtf8(QByteArrayView start, xmlCharEncoding& untold)
{
    int mark = 0;
    QString why;
    const std::optional<TextInput::Encoding> encoding = TextInput::encodingOf(start, mark, why);
    untold = XML_CHAR_ENCODING_NONE;
    if (encoding && mark == 0 && *encoding == TextInput::Encoding::Utf16LE)
        untold = XML_CHAR_ENCODING_UTF16LE;
    else if (encoding && mark == 0 && *encoding == TextInput::Encoding::Utf16BE)
        untold = XML_CHAR_ENCODING_UTF16BE;
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
    xmlCharEncoding untold = XML_CHAR_ENCODING_NONE;
    const bool utf8 = declaresUtf8(device.peek(256), untold);
    KeePassXml reader(device, plan, limits, untold);
    if (reader.read())
        return true;
    error = reader.error();
    // The XML reader tells of a wrongly encoded byte without its offset: a second look finds it.
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
