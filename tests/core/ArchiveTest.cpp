#include "core/CArchive.h"
#include "core/OleDateTime.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

QByteArray store(const std::function<void(CArchive&)>& write)
{
    QByteArray out;
    CArchive ar(&out);
    write(ar);
    return out;
}

struct EncodeCase {
    const char* name;
    std::function<void(CArchive&)> write;
    QByteArray expectedStart;
    qsizetype expectedSize;
};

TEST(ArchiveTest, EncodesEveryPrimitiveForm)
{
    const QString t254(254, u'x'), t255(255, u'x'), t65533(65533, u'x'), t65534(65534, u'x');
    const EncodeCase cases[] = {
        { "int32 2", [](CArchive& a) { a << qint32(2); }, hexBytes("02000000"), 4 },
        { "int32 -1", [](CArchive& a) { a << qint32(-1); }, hexBytes("ffffffff"), 4 },
        { "double 1.5", [](CArchive& a) { a << 1.5; }, hexBytes("000000000000f83f"), 8 },
        { "empty text", [](CArchive& a) { a << QString(); }, hexBytes("fffeff00"), 4 },
        { "abc", [](CArchive& a) { a << QStringLiteral("abc"); }, hexBytes("fffeff03610062006300"), 10 },
        { "254 units", [&](CArchive& a) { a << t254; }, hexBytes("fffefffe7800"), 4 + 2 * 254 },
        { "255 units", [&](CArchive& a) { a << t255; }, hexBytes("fffeffffff007800"), 6 + 2 * 255 },
        { "65533 units", [&](CArchive& a) { a << t65533; }, hexBytes("fffeffff fdff7800"), 6 + 2 * 65533 },
        { "65534 units", [&](CArchive& a) { a << t65534; }, hexBytes("fffeffffffff feff0000 7800"), 10 + 2 * 65534 },
        { "date", [](CArchive& a) { a << OleDateTime(2.0, OleDateTime::valid); }, hexBytes("000000000000000000000040"),
            12 },
        { "null date", [](CArchive& a) { a << OleDateTime(0.0, OleDateTime::null); },
            hexBytes("020000000000000000000000"), 12 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray bytes = store(c.write);
        EXPECT_EQ(bytes.size(), c.expectedSize);
        EXPECT_EQ(bytes.left(c.expectedStart.size()).toHex(' '), c.expectedStart.toHex(' '));
    }
}

struct DecodeCase {
    const char* name;
    QByteArray input;
    std::optional<QString> expected; // nullopt: the load must fail
};

TEST(ArchiveTest, DecodesTextsAndRefusesMalformedOnes)
{
    const DecodeCase cases[] = {
        { "16-bit abc", hexBytes("fffeff03610062006300"), QStringLiteral("abc") },
        { "empty 16-bit", hexBytes("fffeff00"), QString() },
        { "8-bit abc", hexBytes("03616263"), QStringLiteral("abc") },
        { "8-bit Windows-1252", hexBytes("0380e941"), QString::fromUtf8("\u20ac\u00e9A") },
        { "8-bit ends at zero byte", hexBytes("0461006200"), QStringLiteral("a") },
        { "8-bit with 16-bit prefix", hexBytes("ff0300616263"), QStringLiteral("abc") },
        { "8-bit with 32-bit prefix", hexBytes("ffffff03000000616263"), QStringLiteral("abc") },
        { "16-bit with 16-bit prefix", hexBytes("fffeffff0200 78007900"), QStringLiteral("xy") },
        { "marker twice", hexBytes("fffefffffeff"), std::nullopt },
        { "length beyond the data", hexBytes("fffeff0561006200"), std::nullopt },
        { "huge 32-bit length", hexBytes("fffeffffffffffffff7f0000"), std::nullopt },
        { "huge 8-bit length", hexBytes("ffffffffffff7f"), std::nullopt },
        { "nothing", QByteArray(), std::nullopt },
        { "cut in prefix", hexBytes("ff"), std::nullopt },
        { "cut in marker", hexBytes("fffe"), std::nullopt },
        { "cut after marker", hexBytes("fffeff"), std::nullopt },
        { "cut in body", hexBytes("fffeff02610062"), std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CArchive ar { QByteArrayView(c.input) };
        QString text = QStringLiteral("unchanged");
        if (c.expected) {
            ar >> text;
            EXPECT_EQ(text, *c.expected);
            EXPECT_EQ(ar.remaining(), 0);
        } else {
            EXPECT_THROW(ar >> text, CArchiveException);
        }
    }
}

TEST(ArchiveTest, ShortNumbersFailAtEveryCut)
{
    const QByteArray full = Bytes().i32(7).f64(2.5).date(0, 3.0).data();
    for (qsizetype cut = 0; cut < full.size(); ++cut) {
        SCOPED_TRACE(cut);
        CArchive ar { QByteArrayView(full.constData(), cut) };
        qint32 i = 0;
        double d = 0;
        OleDateTime date;
        EXPECT_THROW(ar >> i >> d >> date, CArchiveException);
    }
    CArchive ar { QByteArrayView(full) };
    qint32 i = 0;
    double d = 0;
    OleDateTime date;
    ar >> i >> d >> date;
    EXPECT_EQ(i, 7);
    EXPECT_EQ(d, 2.5);
    EXPECT_EQ(date, OleDateTime(3.0));
}

TEST(ArchiveTest, RoundTripsUnusualTexts)
{
    const QString texts[] = { QString(), QStringLiteral("line\r\nbreak"), QString::fromUtf8("\xF0\x9F\x94\x91 key"),
        QString(70000, u'\u00e9'), QString(1, QChar(0)) };
    QByteArray buffer;
    CArchive out(&buffer);
    for (const QString& t : texts)
        out << t;
    CArchive in { QByteArrayView(buffer) };
    for (const QString& t : texts) {
        QString read;
        in >> read;
        EXPECT_EQ(read, t);
    }
    EXPECT_EQ(in.remaining(), 0);
}

} // namespace
