// The text and CSV layers: characters and records that straddle the reader's pieces, quoting, line
// ends and numbering.
#include "import/TextInput.h"
#include "import/CsvReader.h"
#include "import/ImportTestSupport.h"

namespace {

QString readAll(const QByteArray& bytes, QString* error = nullptr)
{
    QByteArray copy = bytes;
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    TextInput input(device, qint64(1) << 30);
    QString text, piece;
    while (input.next(piece))
        text += piece;
    if (error)
        *error = input.error();
    return text;
}

QByteArray utf16(const QString& text, bool little)
{
    QByteArray bytes;
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes.append(little ? low : high).append(little ? high : low);
    }
    return bytes;
}

// The reader takes 64 KiB at a time: characters of every width put across that border come out whole.
TEST(TextInputTest, CharactersAcrossThePiecesComeOutWhole)
{
    const qsizetype piece = 64 * 1024;
    for (const QString& character :
        { QStringLiteral("\u00e9"), QStringLiteral("\u20ac"), QStringLiteral("\U0001F600") }) {
        for (qsizetype before = piece - 4; before <= piece + 1; ++before) {
            const QString text = QString(before, u'a') + character + QStringLiteral("z");
            SCOPED_TRACE(before);
            QString error;
            EXPECT_EQ(readAll(text.toUtf8(), &error), text);
            EXPECT_EQ(error, QString());
            const QString wide = QString(before / 2, u'a') + character + QStringLiteral("z");
            for (bool little : { true, false })
                EXPECT_EQ(readAll(QByteArray(little ? "\xff\xfe" : "\xfe\xff", 2) + utf16(wide, little)), wide);
        }
    }
}

TEST(TextInputTest, AFaultIsNamedByItsByteAndLineWhereverItFalls)
{
    const qsizetype piece = 64 * 1024;
    const QByteArray start = QByteArray("\xc3\xa9\n") + QByteArray(piece - 5, 'x') + "\n";
    QString error;
    readAll(start + "ab\xff", &error);
    EXPECT_EQ(error, "the file is not valid UTF-8: byte 0xFF at offset 65537 (line 3)");
    readAll(start + "\xe2\x82", &error);
    EXPECT_EQ(error, "the file is not valid UTF-8: byte 0xE2 at offset 65535 (line 3)");
    readAll(QByteArray("\xff\xfe", 2) + utf16(QString(piece / 2, u'a'), true) + QByteArray("\x3d\xd8", 2), &error);
    EXPECT_EQ(error, "the file is not valid UTF-16: a lone surrogate at offset 65538 (line 1)");
    readAll(QByteArray("\xfe\xff\0a\0", 5), &error);
    EXPECT_EQ(error, "the file ends in the middle of a UTF-16 character");
}

TEST(TextInputTest, CsvRecordsAsRfc4180HasThem)
{
    struct Row {
        QByteArray csv;
        QStringList records; // fields joined by "|", with the row and line each starts on
    };
    const Row rows[] = {
        { "a,b\r\nc,d\r\n", { "1:1 a|b", "2:2 c|d" } },
        { "a,b\nc,d", { "1:1 a|b", "2:2 c|d" } },
        { "a,b\rc,d\r", { "1:1 a|b", "2:2 c|d" } },
        { ",\n\"\",\"\"\n", { "1:1 |", "2:2 |" } },
        { "\"a,b\",\"say \"\"hi\"\"\"\n", { "1:1 a,b|say \"hi\"" } },
        { "\"x\r\ny\rz\n\",w\nv,u\n", { "1:1 x\\r\\ny\\rz\\n|w", "2:5 v|u" } },
        { "a,b\n\n\r\n\nc,d\n\n", { "1:1 a|b", "5:5 c|d" } },
        { "a\"b,c\"\n", { "1:1 a\"b|c\"" } },
        { " \"a\" ,b\n", { "1:1  \"a\" |b" } },
    };
    const ImportLimits limits;
    for (const Row& row : rows) {
        QByteArray copy = row.csv;
        QBuffer device(&copy);
        device.open(QIODevice::ReadOnly);
        TextInput input(device, 1 << 20);
        CsvReader reader(input, limits);
        QStringList records, fields;
        while (reader.next(fields))
            records << QStringLiteral("%1:%2 %3").arg(reader.row()).arg(reader.line()).arg(visible(fields.join(u'|')));
        EXPECT_EQ(records, row.records) << row.csv.toStdString();
        EXPECT_EQ(reader.error(), QString());
    }
}

TEST(TextInputTest, ARecordAcrossThePiecesComesOutWhole)
{
    const qsizetype piece = 64 * 1024;
    for (qsizetype before = piece - 3; before <= piece + 1; ++before) {
        // a line end, then a quoted field with a doubled quote, each put across the border in turn
        const QByteArray csv
            = "name,url,username,password\n" + QByteArray(before - 27, 'x') + ",\"u\"\"v\",\"w\r\nz\",p\r\nq,r,s,t\r\n";
        ImportRead read = readBytes(csv);
        ASSERT_TRUE(read.plan) << read.error.toStdString();
        ASSERT_EQ(read.plan->rowCount(), 2) << before;
        const std::vector<std::unique_ptr<AccountRecord>> accounts = takeAll(*read.plan);
        EXPECT_EQ(accounts[0]->GetTitle(), QString(before - 27, u'x'));
        EXPECT_EQ(
            describe(*accounts[0]).section(u' ', 2), "siteName=u\"v webSiteUrl=u\"v userId=w\\r\\nz userPassword=p");
        EXPECT_EQ(accounts[1]->GetTitle(), "q");
    }
}

} // namespace
