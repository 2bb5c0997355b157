// Looking secrets up in a sorted "HASH:COUNT" list: the first and last lines, absent digests, damaged
// lines, line ends, order, and the same answers however many parts the list is read in.
#include "cli/BreachedList.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QByteArray sha1(const char* text) { return QCryptographicHash::hash(text, QCryptographicHash::Sha1).toHex().toUpper(); }

// A sorted list of `lines` random hashes, each counted as its line number; the digests of the
// words given are among them.
std::vector<QByteArray> sortedHashes(int lines, std::initializer_list<const char*> words)
{
    QRandomGenerator random(99);
    std::vector<QByteArray> hashes;
    for (const char* word : words)
        hashes.push_back(sha1(word));
    while (int(hashes.size()) < lines) {
        QByteArray bytes(20, Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32*>(bytes.data()), 5);
        hashes.push_back(bytes.toHex().toUpper());
    }
    std::sort(hashes.begin(), hashes.end());
    return hashes;
}

class BreachedListTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes)
    {
        QFile file(dir.filePath(QStringLiteral("list%1.txt").arg(++m_files)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QTemporaryDir dir;
    int m_files = 0;
};

TEST_F(BreachedListTest, FindsFirstLastAndMiddleAcrossADamagedLineInAnyNumberOfParts)
{
    const std::vector<QByteArray> hashes = sortedHashes(3000, { "password", "letmein" });
    QByteArray list;
    for (size_t i = 0; i < hashes.size(); ++i) {
        if (i == 1500)
            list += "this line is damaged\n";
        // Some lines end in CR LF, some hashes are in lower case: both as the published lists have them.
        const QByteArray hash = i % 7 == 3 ? hashes[i].toLower() : hashes[i];
        list += hash + ':' + QByteArray::number(qint64(i) + 1) + (i % 5 == 2 ? "\r\n" : "\n");
    }
    const QString path = write(list);
    const qint64 password = std::find(hashes.begin(), hashes.end(), sha1("password")) - hashes.begin() + 1;
    const qint64 letmein = std::find(hashes.begin(), hashes.end(), sha1("letmein")) - hashes.begin() + 1;
    // The digests asked about, and the count each must get (line numbers above 1500 lie one line below).
    // clang-format off
    const std::vector<std::pair<QByteArray, qint64>> asked = {
        { hashes.front(), 1 }, { hashes.back(), 3000 }, { sha1("password"), password },
        { sha1("letmein").toLower(), letmein }, { sha1("password"), password }, // the same secret twice
        { sha1("not in the list"), 0 }, { QByteArray(), 0 }, { "not a digest", 0 },
        { QByteArray(40, '0'), 0 }, { QByteArray(40, 'F'), 0 }, // before the first and after the last
    };
    // clang-format on
    std::vector<QByteArray> digests;
    for (const auto& [digest, count] : asked)
        digests.push_back(digest);
    for (int parts : { 1, 2, 3, 7, 64, 0 }) {
        SCOPED_TRACE(parts);
        const BreachedList::Scan scan = BreachedList::scan(path, digests, parts);
        EXPECT_EQ(scan.error, QString());
        EXPECT_EQ(scan.lines, 3001);
        EXPECT_EQ(scan.malformed, 1);
        EXPECT_EQ(scan.malformedLines, std::vector<qint64> { 1501 });
        ASSERT_EQ(scan.counts.size(), asked.size());
        for (size_t i = 0; i < asked.size(); ++i)
            EXPECT_EQ(scan.counts[i], asked[i].second) << i;
    }
}

TEST_F(BreachedListTest, PartsOfAListLongerThanABlockMeetWhereABlockEnds)
{
    // Lines of 48 characters, two of 56, and the first block (1 MiB) ends right after a line.
    const std::vector<QByteArray> hashes = sortedHashes(50000, {});
    QByteArray list;
    std::vector<QByteArray> asked;
    std::vector<qint64> expected;
    for (size_t i = 0; i < hashes.size(); ++i) {
        const qint64 count = i == 21843 || i == 21844 ? 10000000000000 + qint64(i) : 100000 + qint64(i);
        list += hashes[i] + ':' + QByteArray::number(count) + '\n';
        if (i == 21842 + 2 || i % 997 == 0 || i + 1 == hashes.size()) {
            asked.push_back(hashes[i]);
            expected.push_back(count);
        }
    }
    ASSERT_EQ(list.indexOf(hashes[21845]), 1 << 20);
    const QString path = write(list);
    for (int parts : { 1, 2, 3, 5 }) {
        const BreachedList::Scan scan = BreachedList::scan(path, asked, parts);
        EXPECT_EQ(scan.lines, 50000) << parts;
        EXPECT_EQ(scan.counts, expected) << parts;
    }
}

TEST_F(BreachedListTest, OddListsAndLines)
{
    const QByteArray a = sha1("a"), b = sha1("b"), c = sha1("c"); // in this order: 8..., E9..., 84...
    const QByteArray lo = std::min({ a, b, c }), mid = std::max(std::min(a, b), std::min(std::max(a, b), c)),
                     hi = std::max({ a, b, c });
    const QByteArray longLine(3 << 20, 'x');
    // clang-format off
    struct Row { const char* name; QByteArray list; int parts; qint64 count; qint64 lines; std::vector<qint64> malformed; bool unsorted; };
    const Row rows[] = {
        { "empty list", "", 1, 0, 0, {}, false },
        { "no line end at the end", lo + ":1\n" + mid + ":77", 1, 77, 2, {}, false },
        { "a long count", lo + ":1\n" + mid + ":123456789012345\n", 1, 123456789012345, 2, {}, false },
        { "a count too long to hold", mid + ":1234567890123456789\n", 1, 0, 1, { 1 }, false },
        { "no count", mid + ":\n" + hi + ":3\n", 1, 0, 2, { 1 }, false },
        { "a letter in the count", mid + ":12a\n", 1, 0, 1, { 1 }, false },
        { "a blank line and a short hash", "\n" + mid.left(39) + ":5\n" + mid + ":6\n", 1, 6, 3, { 1, 2 }, false },
        { "a line longer than a block", lo + ":1\n" + longLine + "\n" + mid + ":9\n", 1, 9, 3, { 2 }, false },
        { "a long last line", lo + ":1\n" + mid + ":9\n" + longLine, 1, 9, 3, { 3 }, false },
        { "out of order", hi + ":1\n" + mid + ":2\n", 1, 0, 2, {}, true },
        { "out of order across parts", hi + ":1\n" + hi + ":2\n" + mid + ":3\n" + mid + ":4\n", 2, 0, 3, {}, true },
        { "the same hash twice is in order", mid + ":1\n" + mid + ":2\n", 2, 2, 2, {}, false },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const BreachedList::Scan scan = BreachedList::scan(write(row.list), { mid }, row.parts);
        EXPECT_EQ(scan.unsorted, row.unsorted);
        EXPECT_EQ(scan.error.isEmpty(), !row.unsorted) << scan.error.toStdString();
        if (row.unsorted) {
            EXPECT_EQ(scan.error, QStringLiteral("not sorted by hash at line %1").arg(row.lines));
            continue;
        }
        EXPECT_EQ(scan.counts, std::vector<qint64> { row.count });
        EXPECT_EQ(scan.lines, row.lines);
        EXPECT_EQ(scan.malformedLines, row.malformed);
    }
    const BreachedList::Scan missing = BreachedList::scan(dir.filePath(QStringLiteral("none.txt")), { mid });
    EXPECT_FALSE(missing.error.isEmpty());
    EXPECT_FALSE(missing.unsorted);
}

TEST_F(BreachedListTest, ManyDamagedLinesAreCountedAndTheFirstOnesNamed)
{
    QByteArray list;
    for (int i = 0; i < 25; ++i)
        list += "damaged\n";
    list += sha1("x") + ":4\n";
    const BreachedList::Scan scan = BreachedList::scan(write(list), { sha1("x") });
    EXPECT_EQ(scan.malformed, 25);
    EXPECT_EQ(scan.malformedLines, (std::vector<qint64> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }));
    EXPECT_EQ(scan.counts, std::vector<qint64> { 4 });
}

} // namespace
