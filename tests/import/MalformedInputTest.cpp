// Damaged, hostile and oddly encoded exports: each refused with where and why, or read as it was meant.
#include "import/ImportTestSupport.h"

namespace {

const QByteArray kChromeHeader = "name,url,username,password\n";

ImportLimits small(qint64 fileBytes, qint64 textLength, int depth)
{
    ImportLimits limits;
    limits.fileBytes = fileBytes;
    limits.textLength = textLength;
    limits.depth = depth;
    return limits;
}

TEST(MalformedInputTest, RefusedWithTheRowLineOrByte)
{
    struct Row {
        QByteArray bytes;
        std::optional<ImportFormat> format;
        QString error;
        ImportLimits limits = {};
    };
    const std::optional<ImportFormat> chrome = ImportFormat::ChromeCsv, xml = ImportFormat::KeePassXml,
                                      bitwarden = ImportFormat::BitwardenJson;
    const QByteArray entry = "<KeePassFile><Root><Group><Entry><String><Key>Password</Key>";
    const QByteArray entryEnd = "</String></Entry></Group></Root></KeePassFile>";
    const QString stillProtected
        = "entry 1 (line 1): the value of \"Password\" is still protected (encrypted by the database). Export the "
          "database as KeePass XML from KeePass or KeePassXC, unencrypted, and import that file";
    ImportLimits oneEntry;
    oneEntry.entries = 1;
    const Row rows[] = {
        // CSV: quoting, ragged rows, encodings, limits
        { kChromeHeader + "a,\"b,c,d\n", chrome, "row 2 (line 2): the quoted field opened on line 2 is never closed" },
        { kChromeHeader + "a,b,c\n", chrome, "row 2 (line 2): 3 fields where the header has 4" },
        { kChromeHeader + "a,b,c,d,e\n", chrome, "row 2 (line 2): more than the 4 fields of the header" },
        { kChromeHeader + "\"a\"b,c,d,e\n", chrome,
            "row 2 (line 2): a character after the closing quote of a field, where a comma or a line end is expected" },
        { kChromeHeader + "\"a\r\nb\",u,v,w\r\n\r\nx,y\r\n", chrome,
            "row 4 (line 5): 2 fields where the header has 4" },
        { kChromeHeader + "\xc3\xa9,\xff,b,c\n", chrome,
            "the file is not valid UTF-8: byte 0xFF at offset 30 (line 2)" },
        { kChromeHeader + "caf\xe9,\x81,b,c\n", chrome,
            "byte 0x81 at offset 32 (line 2) is neither UTF-8 nor Windows-1252" },
        { QByteArray("\xff\xfe\0\0n\0\0\0", 8), {},
            "not a file Quorril imports: the file is UTF-32, which is not read: save it as UTF-8 "
            "and try again" },
        { QByteArray("\xff\xfe\0\0n\0\0\0", 8), chrome,
            "the file is UTF-32, which is not read: save it as UTF-8 and try again" },
        { QByteArray("\xff\xfen\0,\0", 6) + QByteArray("\x00\xd8", 2), chrome,
            "the file is not valid UTF-16: a lone surrogate at offset 6 (line 1)" },
        { "a,b,c\n1,2,3\n", {},
            "not a file Quorril imports: a first line that is the header of no known export: "
            "\"a\",\"b\",\"c\"" },
        { kChromeHeader + "a,b,c,d\n", ImportFormat::FirefoxCsv,
            "the first row is not the header of a Firefox CSV file: it has no column \"httpRealm\"" },
        { kChromeHeader + "a,\"" + QByteArray(20, 'x'), chrome,
            "row 2 (line 2): a field longer than 10 characters (is the quote opened on line 2 never closed?)",
            small(1 << 20, 10, 32) },
        { kChromeHeader + QByteArray(100, 'x'), chrome, "the file is larger than 64 bytes, the most an import reads",
            small(64, 1000, 32) },
        { QByteArray(), {}, "not a file Quorril imports: the file is empty" },
        { QByteArray(70, 'a').replace('a', "a,") + "\n", ImportFormat::KeePassXcCsv,
            "row 1 (line 1): more than 64 fields" },
        // XML: well-formedness, what no export has, encodings, depth
        { "<KeePassFile><Root><Group></Root></KeePassFile>", xml,
            "the XML is not well formed: Opening and ending tag mismatch: Group line 1 and Root (line 1, column 34)" },
        { "<KeePassFile><Root><Group><UUID>a<8UUID></Group></Root></KeePassFile>", xml,
            "the XML is not well formed: StartTag: invalid element name (line 1, column 35)" },
        { "<?xml version=\"1.0\"?>\n<!DOCTYPE KeePassFile [<!ENTITY x \"y\">]><KeePassFile/>", {},
            "line 2: a document type declaration, which no KeePass export has" },
        { "<!DOCTYPE KeePassFile SYSTEM \"http://127.0.0.1:9/k.dtd\">\n<KeePassFile/>", xml,
            "line 1: a document type declaration, which no KeePass export has" },
        { entry + "<Value Protected=\"True\">abc=</Value>" + entryEnd, xml, stillProtected },
        { entry + "<Value Protected=\"Tr&#117;e\">abc=</Value>" + entryEnd, xml, stillProtected },
        { "<KeePassFile><Root><Group><Name>&foo;</Name></Group></Root></KeePassFile>", xml,
            "the XML is not well formed: Entity 'foo' not defined (line 1, column 38)" },
        { "<KeePassFile><Root/></KeePassFile>\n<Root/>", xml,
            "the XML is not well formed: Extra content at the end of the document (line 2, column 1)" },
        { "<KeePassFile><Root/></KeePassFile>\nrest", xml,
            "the XML is not well formed: Extra content at the end of the document (line 2, column 1)" },
        { "<k:KeePassFile xmlns:k=\"urn:k\"/>", xml, "line 1: the root element is <k:KeePassFile>, not <KeePassFile>" },
        { entry + "\n<Value>" + QByteArray(11, 'x') + "</Value>" + entryEnd, xml,
            "line 2: a value longer than 10 characters", small(1 << 20, 10, 32) },
        { entry + "<Value>" + QByteArray("<![CDATA[\xc3\xa9\xc3\xa9]]>").repeated(8) + "</Value>" + entryEnd, xml,
            "line 1: a value longer than 10 characters", small(1 << 20, 10, 32) },
        { "<KeePassFile><Root><Group><Entry><History><Entry/><Entry/></History></Entry>\n<Entry><String><Key>Password"
          "</Key><Value Protected=\"True\">abc=</Value>"
                + entryEnd,
            xml,
            QString(stillProtected)
                .replace(QLatin1StringView("entry 1 (line 1)"), QLatin1StringView("entry 2 (line 2)")) },
        { entry + "</String></Entry><Entry>" + entryEnd.mid(9), xml,
            "line 1: more than 1 entries, the most an import reads", oneEntry },
        { "<KeePassFile><Root><Group><Group><Group><Group></Group></Group></Group></Group></Root></KeePassFile>", xml,
            "line 1: elements nested deeper than 5 levels", small(1 << 20, 1000, 5) },
        { "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<KeePassFile>\n<Root>\xc3\xa9\xe9</Root></KeePassFile>", xml,
            "the file is not valid UTF-8: byte 0xE9 at offset 61 (line 3)" },
        { "<Other/>", xml, "line 1: the root element is <Other>, not <KeePassFile>" },
        { "<KeePassFile><Meta/></KeePassFile>", xml, "no <Root> element: the file holds no entries" },
        // JSON
        { R"({"encrypted": true, "passwordProtected": true, "data": "2.abc"})", {},
            "this Bitwarden export is encrypted. Export the vault again in the format \"JSON\", not \"JSON "
            "(Encrypted)\", and import that file" },
        { R"({"items": [{"login": {"uris": [{"uri": "x"}]}}]})", bitwarden, "nesting deeper than 4 levels at offset 30",
            small(1 << 20, 1000, 4) },
        { R"({"encrypted": false, "items": [)", bitwarden, "invalid value at offset 31" },
        { "{\"items\": [{\"name\": \"\xc3\xa9\xe9\"}]}", bitwarden, "the file is not valid UTF-8 at offset 23" },
        { QByteArray("\xff\xfe{\0}\0", 6), bitwarden, "the file is UTF-16; a JSON export is UTF-8" },
        { "[1, 2]", {}, "not a file Quorril imports: JSON that is no known export" },
        { R"({"rows": []})", {},
            "not a file Quorril imports: JSON whose first member \"rows\" is that of no known export" },
        { R"({"accounts": [{"id": 1, "type": 19}], "nextAccountId": 2})", {},
            R"(accounts[0] (id 1), field "type": one of the account types 10 to 18 and 20 is expected)" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bytes.toStdString());
        const ImportRead read = readBytes(row.bytes, row.format, row.limits);
        EXPECT_FALSE(read.plan);
        EXPECT_EQ(read.error, row.error);
    }
}

TEST(MalformedInputTest, OtherEncodingsAreReadAndSaySo)
{
    struct Row {
        QByteArray bytes;
        QString title;
        QString notice;
    };
    QByteArray utf16le("\xff\xfe", 2), utf16be("\xfe\xff", 2), noMark;
    for (QChar c : QString::fromUtf8(kChromeHeader + "Caf\xc3\xa9 \xf0\x9f\x98\x80,u,v,w\n")) {
        utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    noMark = utf16le.mid(2);
    const Row rows[] = {
        { utf16le, QStringLiteral("Caf\u00e9 \U0001F600"), {} },
        { utf16be, QStringLiteral("Caf\u00e9 \U0001F600"), {} },
        { noMark, QStringLiteral("Caf\u00e9 \U0001F600"), {} },
        { "\xef\xbb\xbf" + kChromeHeader + "Caf\xc3\xa9,u,v,w\n", QStringLiteral("Caf\u00e9"), {} },
        { kChromeHeader + "Caf\xe9 \x80,u,v,w\n", QStringLiteral("Caf\u00e9 \u20ac"),
            "The file is not UTF-8 (byte 0xE9 at offset 30 (line 2)); it was read as Windows-1252 (Latin-1)." },
        { kChromeHeader + QByteArray("nul\0here,u,v,w\n", 15),
            QStringLiteral("nul") + QChar(0) + QStringLiteral("here"), {} },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bytes.toHex().toStdString());
        ImportRead read = readBytes(row.bytes);
        ASSERT_TRUE(read.plan) << read.error.toStdString();
        EXPECT_EQ(read.plan->format(), ImportFormat::ChromeCsv);
        EXPECT_EQ(read.plan->notices(), row.notice.isEmpty() ? QStringList() : QStringList { row.notice });
        ASSERT_EQ(read.plan->rowCount(), 1);
        EXPECT_EQ(read.plan->row(0).title, row.title);
    }
}

} // namespace
