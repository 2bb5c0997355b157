// The corners of each reader: what each odd shape of an entry becomes.
#include "import/ImportTestSupport.h"

#include <algorithm>
#include <cstring>

namespace {

struct Case {
    const char* what;
    QByteArray bytes;
    QStringList accounts;
    QStringList skipped = {};
};

void check(const Case& c)
{
    SCOPED_TRACE(c.what);
    ImportRead read = readBytes(c.bytes);
    ASSERT_TRUE(read.plan) << read.error.toStdString();
    EXPECT_EQ(read.plan->skipped(), c.skipped);
    EXPECT_EQ(describeAll(takeAll(*read.plan)), c.accounts);
}

QByteArray bitwarden(const QByteArray& items, const QByteArray& folders = "[]")
{
    return R"({"encrypted": false, "items": )" + items + R"(, "folders": )" + folders + "}";
}

QByteArray keePass(const QByteArray& groups)
{
    return "<KeePassFile><Root><Group><Name>Db</Name>" + groups + "</Group></Root></KeePassFile>";
}

// UTF-16 LE, with its byte-order mark unless told otherwise.
QByteArray utf16le(const QByteArray& utf8, bool mark = true)
{
    const QString text = QString::fromUtf8(utf8);
    QByteArray bytes = mark ? QByteArray("\xff\xfe", 2) : QByteArray();
    for (QChar c : text)
        bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    return bytes;
}

QByteArray lastPassNote(const QByteArray& extra)
{
    return "url,username,password,extra,name,grouping,fav\nhttp://sn,,,\"" + extra + "\",N,,0\n";
}

TEST(ReaderDetailsTest, Bitwarden)
{
    const Case cases[] = {
        { "folders after the items keep their ids; fields of every kind",
            bitwarden(
                R"([{"type": 2, "name": "N", "folderId": "f9", "fields": [{"name": "On", "value": true, "type": 2},
                {"name": "", "value": "v", "type": 1}, {"name": "Linked", "value": null, "type": 3, "linkedId": 100}]}])",
                R"([{"id": "f9", "name": "Late"}])"),
            { "Reference \"N\" description=On: true\\r\\nField: v\\r\\nFolder: f9 date=2025-06-01" } },
        { "a card's expiry that is no month, and a brand by its short name",
            bitwarden(R"([{"type": 3, "name": "C", "card": {"brand": "Amex", "expMonth": "13", "expYear": "2030"}}])"),
            { "Credit Card \"C\" accountType=American Express",
                "Reference \"C (more)\" about=Credit Card \"C\" description=Expiration Month: 13\\r\\nExpiration Year: "
                "2030 date=2025-06-01" } },
        { "a two-digit year", bitwarden(R"([{"type": 3, "name": "C", "card": {"expMonth": 7, "expYear": "29"}}])"),
            { "Credit Card \"C\" expiration=2029-07-31" } },
        { "an identity without an SSN, passport or licence, an item of a kind yet unknown",
            bitwarden(R"([{"type": 4, "name": "I", "identity": {"firstName": "Ann", "phone": "5"}},
                          {"type": 9, "name": "U", "notes": "n", "future": {"key": "k"}}])"),
            { "Reference \"I\" description=First Name: Ann\\r\\nPhone: 5 date=2025-06-01",
                "Reference \"U\" description=n\\r\\n\\r\\nkey: k date=2025-06-01" } },
        { "bookkeeping and nested objects of no use are passed over",
            bitwarden(R"([{"id": "x", "type": 1, "name": "L", "reprompt": 1, "favorite": true, "collectionIds": ["a"],
                "login": {"username": "u", "autofillOnPageLoad": null, "uris": [{"uri": "https://a.example", "match": 3}],
                "fido2Credentials": [{"counter": "0", "nested": {"deep": [1, 2]}}]}}])"),
            { "WebSite \"L\" siteName=a.example webSiteUrl=https://a.example userId=u" },
            { "the passkeys of 1 item" } },
    };
    for (const Case& c : cases)
        check(c);
}

TEST(ReaderDetailsTest, KeePassXml)
{
    const auto entry = [](const QByteArray& strings, const QByteArray& more = {}) {
        return "<Entry>" + more + strings + "</Entry>";
    };
    const auto named
        = [](const QByteArray& title) { return "<String><Key>Title</Key><Value>" + title + "</Value></String>"; };
    const QByteArray title = named("T");
    const Case cases[] = {
        { "the path of groups from the top one, expiry only when it expires",
            keePass("<Group><Name>A</Name><Group><Name>B</Name>"
                + entry(title + "<String><Key>Notes</Key><Value>n</Value></String>",
                    "<Times><ExpiryTime>2030-01-01T00:00:00Z</ExpiryTime><Expires>False</Expires></Times>")
                + "</Group></Group>"),
            { "Reference \"T\" description=n\\r\\n\\r\\nGroup: Db/A/B date=2025-06-01" } },
        { "a one-time password makes a login; the notes of groups are counted",
            keePass(
                "<Notes>about the database</Notes>" + entry(title + "<String><Key>otp</Key><Value>x</Value></String>")),
            { "WebSite \"T\" notes=otp: x" }, { "the notes of 1 group" } },
        { "a value not protected, comments and a processing instruction",
            keePass("<!-- c -->"
                + entry("<?pi x?><String><Key>Password</Key><Value Protected=\"False\">p</Value></String>")),
            { "WebSite \"(no title)\" userPassword=p" } },
        { "references, CDATA, and the text around a comment and a skipped element are one value",
            keePass(entry("<String><Key>Title</Key><Value>A &amp; B&#x1F600;&#233;<![CDATA[<c>]]>x<!-- c -->y<b>no</b>z"
                          "</Value></String>")),
            { "Reference \"A & B\U0001F600\u00e9<c>xyz\" date=2025-06-01" } },
        { "elements with a namespace prefix are none of KeePass's",
            keePass(entry(title + "<x:String xmlns:x=\"urn:x\"><Key>Notes</Key><Value>N</Value></x:String>")),
            { "Reference \"T\" date=2025-06-01" } },
        { "an encoding declared",
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>"
                + keePass(entry("<String><Key>Title</Key><Value>Caf\xe9</Value></String>")),
            { "Reference \"Caf\u00e9\" date=2025-06-01" } },
        { "UTF-16 with a byte-order mark",
            utf16le(keePass(entry("<String><Key>Title</Key><Value>Caf\xc3\xa9 \xf0\x9f\x98\x80</Value></String>"))),
            { "Reference \"Caf\u00e9 \U0001F600\" date=2025-06-01" } },
        { "UTF-16 without one",
            utf16le(keePass(entry("<String><Key>Title</Key><Value>Caf\xc3\xa9</Value></String>")), false),
            { "Reference \"Caf\u00e9\" date=2025-06-01" } },
        { "a group's path and recycle bin end with it; group notes in the bin are not counted",
            "<KeePassFile><Meta><RecycleBinUUID>Ymlu</RecycleBinUUID></Meta><Root><Group><Name>Db</Name>"
            "<Group><Name>A</Name><Group><Name>B</Name>"
                + entry(named("in B")) + "</Group>" + entry(named("in A"))
                + "</Group><Group><UUID>Ymlu</UUID><Notes>n</Notes><Group><Name>Old</Name>" + entry(named("gone"))
                + "</Group></Group>" + entry(named("in Db")) + "</Group></Root></KeePassFile>",
            { "Reference \"in B\" description=Group: Db/A/B date=2025-06-01",
                "Reference \"in A\" description=Group: Db/A date=2025-06-01", "Reference \"in Db\" date=2025-06-01" },
            { "1 entry in the recycle bin" } },
        { "earlier versions are neither entries nor read; each entry with some is counted once",
            keePass(
                entry(named("Now"), "<History>" + entry(named("Then")) + entry(named("Before")) + "<Other/></History>")
                + entry(named("Also"), "<History>" + entry(named("Was")) + "</History>")
                + entry(named("Plain"), "<History><Note/></History>")),
            { "Reference \"Now\" date=2025-06-01", "Reference \"Also\" date=2025-06-01",
                "Reference \"Plain\" date=2025-06-01" },
            { "the earlier versions (History) of 2 entries" } },
        { "no recycle bin named in Meta: a group of that name is read",
            "<KeePassFile><Meta/><Root><Group><Name>Db</Name><Group><UUID>AA==</UUID><Name>Recycle Bin</Name>"
                + entry(title) + "</Group></Group></Root></KeePassFile>",
            { "Reference \"T\" description=Group: Db/Recycle Bin date=2025-06-01" } },
    };
    for (const Case& c : cases)
        check(c);
}

TEST(ReaderDetailsTest, KeePassXmlTimesAsTheirDayInUtc)
{
    struct Row {
        QByteArray time;
        QString day; // the import's own day where the time is none
    };
    const Row rows[] = {
        { "2024-03-05T12:00:00Z", "2024-03-05" },
        { "2024-03-05T12:00:00.250Z", "2024-03-05" },
        { "2024-03-05T23:30:00-02:00", "2024-03-06" },
        { "2024-02-29T00:00:00Z", "2024-02-29" },
        { "2023-02-29T00:00:00Z", "2025-06-01" },
        { "2024-1X-05T12:00:00Z", "2025-06-01" },
        { "0000-01-01T00:00:00Z", "2025-06-01" },
        { "QAB53Q4AAAA=", "2024-03-05" }, // base64 seconds since year 1
        { "not a time", "2025-06-01" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.time.toStdString());
        ImportRead read = readBytes(keePass("<Entry><Times><LastModificationTime>" + row.time
            + "</LastModificationTime></Times><String><Key>Title</Key><Value>T</Value></String></Entry>"));
        ASSERT_TRUE(read.plan) << read.error.toStdString();
        EXPECT_EQ(describeAll(takeAll(*read.plan)), QStringList { "Reference \"T\" date=" + row.day });
    }
}

TEST(ReaderDetailsTest, KeePassXmlValueLengthInUtf16Units)
{
    struct Row {
        QByteArray value; // as the file writes it
        bool fits; // within 10 UTF-16 units
    };
    const Row rows[] = {
        { QByteArray("\xc3\xa9").repeated(10), true }, { QByteArray("\xc3\xa9").repeated(11), false },
        { QByteArray("\xe4\xb8\xad").repeated(10), true }, // three bytes a unit: the most before counting
        { QByteArray("\xe4\xb8\xad").repeated(11), false },
        { QByteArray("\xf0\x9f\x98\x80").repeated(5), true }, // two units a character
        { QByteArray("\xf0\x9f\x98\x80").repeated(6), false },
        { QByteArray("&#x78;").repeated(10), true }, // the text, not the references
    };
    ImportLimits limits;
    limits.textLength = 10;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value.toStdString());
        const ImportRead read
            = readBytes(keePass("<Entry><String><Key>Title</Key><Value>" + row.value + "</Value></String></Entry>"),
                ImportFormat::KeePassXml, limits);
        EXPECT_EQ(read.error, row.fits ? QString() : QStringLiteral("line 1: a value longer than 10 characters"));
        if (row.fits && read.plan) {
            EXPECT_EQ(read.plan->row(0).title.size(), 10);
        }
    }
}

// A file handed over at most `piece` bytes at a time, as a slow disk or a pipe may.
class PieceDevice : public QIODevice {
public:
    PieceDevice(const QByteArray& bytes, qint64 piece, bool pipe = false)
        : m_bytes(bytes)
        , m_piece(piece)
        , m_pipe(pipe)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    qint64 size() const override { return m_pipe ? 0 : m_bytes.size(); }
    bool isSequential() const override { return m_pipe; }

protected:
    qint64 readData(char* data, qint64 length) override
    {
        const qint64 at = m_pipe ? m_read : pos(); // a pipe has no position
        const qint64 n = std::min({ length, m_piece, m_bytes.size() - at });
        std::memcpy(data, m_bytes.constData() + at, size_t(n));
        m_read += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_piece;
    bool m_pipe;
    qint64 m_read = 0;
};

TEST(ReaderDetailsTest, KeePassXmlInAnyPieces)
{
    // Values thick with references and characters of two to four bytes, and long element names, so
    // that the parser's own buffer ends inside each kind of token somewhere in the file.
    QByteArray entries;
    QStringList titles;
    for (int i = 0; i < 150; ++i) {
        const QByteArray title = QByteArray::number(i)
            + QByteArray("\xc3\xa9&amp;\xf0\x9f\x98\x80&#x4E2D;\xe4\xb8\xad&lt;").repeated(1 + i % 4);
        titles << QString::number(i) + QStringLiteral("\u00e9&\U0001F600\u4e2d\u4e2d<").repeated(1 + i % 4);
        entries += "<Entry><UnknownElementWithAVeryLongNameIndeed a=\"x\"/><String><Key>Title</Key><Value>" + title
            + "</Value></String><String><Key>Password</Key><Value>p&#233;" + QByteArray(i % 13, 'x')
            + "</Value></String></Entry>\n";
    }
    const QByteArray file = keePass("<Group><Name>G\xc3\xbc</Name>" + entries + "</Group>");
    QStringList whole;
    for (const qint64 piece : { 64 * 1024, 7, 1 }) {
        SCOPED_TRACE(piece);
        PieceDevice device(file, piece);
        ImportRead read = Importer::read(device, ImportFormat::KeePassXml);
        ASSERT_TRUE(read.plan) << read.error.toStdString();
        ASSERT_EQ(read.plan->rowCount(), titles.size());
        for (int i = 0; i < titles.size(); ++i)
            EXPECT_EQ(read.plan->row(i).title, titles[i]);
        const QStringList accounts = describeAll(takeAll(*read.plan));
        if (whole.isEmpty())
            whole = accounts;
        EXPECT_EQ(accounts, whole);
    }
    EXPECT_TRUE(whole.first().contains(QStringLiteral("userPassword=p\u00e9 ")));
    EXPECT_TRUE(whole.first().contains(QStringLiteral("Group: Db/G\u00fc")));

    // A pipe has no size to check first: the reader counts what it reads.
    ImportLimits limits;
    limits.fileBytes = 4096;
    PieceDevice pipe(file, 7, true);
    EXPECT_EQ(Importer::read(pipe, ImportFormat::KeePassXml, limits).error,
        QStringLiteral("the file is larger than 4 KiB, the most an import reads"));
}

TEST(ReaderDetailsTest, QuorrilJsonInAnyPiecesAndHeldToTheLimit)
{
    QByteArray accounts;
    for (int i = 1; i <= 300; ++i)
        accounts += QByteArray(i > 1 ? "," : "") + R"({"id": )" + QByteArray::number(i)
            + R"(, "type": 13, "title": "Site )" + QByteArray::number(i) + R"(", "fields": {"institution": "B"}})";
    const QByteArray json = "{\"accounts\": [" + accounts + "], \"nextAccountId\": 301}";
    struct Case {
        qint64 piece;
        bool pipe;
        qint64 limit;
        int rows; // -1: refused as too large
    };
    const Case cases[] = {
        { 64 * 1024, false, 1 << 20, 300 },
        { 7, false, 1 << 20, 300 },
        { 7, true, 1 << 20, 300 },
        { 1000, true, json.size(), 300 }, // exactly at the limit
        { 1000, true, json.size() - 1, -1 },
        { 64 * 1024, false, json.size() - 1, -1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.piece << (c.pipe ? " pipe" : " file") << " limit " << c.limit);
        ImportLimits limits;
        limits.fileBytes = c.limit;
        PieceDevice device(json, c.piece, c.pipe);
        const ImportRead read = Importer::read(device, ImportFormat::QuorrilJson, limits);
        if (c.rows < 0) {
            EXPECT_FALSE(read.plan);
            EXPECT_TRUE(read.error.startsWith(QStringLiteral("the file is larger than"))) << read.error.toStdString();
            continue;
        }
        ASSERT_TRUE(read.plan) << read.error.toStdString();
        ASSERT_EQ(read.plan->rowCount(), c.rows);
        EXPECT_EQ(read.plan->row(299).title, QStringLiteral("Site 300"));
    }
}

TEST(ReaderDetailsTest, LastPassNotes)
{
    const Case cases[] = {
        { "CR LF lines, a value on two lines, notes over several",
            lastPassNote("NoteType:Bank Account\r\nBank Name:First\r\nBranch Address:1 Main\r\nSpringfield\r\n"
                         "Notes:one\r\ntwo"),
            { "Bank \"N\" institution=First",
                "Reference \"N (more)\" about=Bank \"N\" description=Notes: one\\r\\ntwo\\r\\nBranch Address: 1 Main\\n"
                "Springfield date=2025-06-01" } },
        { "a kind Quorril has no type for keeps every line",
            lastPassNote("NoteType:Wi-Fi Password\nLanguage:en-US\nSSID:home\nPassword:pw\nNotes:"),
            { "Reference \"N\" description=Type: Wi-Fi Password\\r\\nSSID: home\\r\\nPassword: pw date=2025-06-01" } },
        { "a note without a type is its text", lastPassNote("Key:Value looks like a line\nbut is a note"),
            { "Reference \"N\" description=Key:Value looks like a line\\nbut is a note date=2025-06-01" } },
    };
    for (const Case& c : cases)
        check(c);
}

} // namespace
