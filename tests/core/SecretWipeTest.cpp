// Wiping the program's own copies of secrets: only a copy held alone is overwritten.
#include "core/SecretWipe.h"
#include "core/CArchive.h"
#include "core/FreedMemory.h"
#include "core/ScrambledText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

bool allZero(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() == 0; });
}

TEST(SecretWipeTest, OverwritesATextOnlyWhereItIsHeldAlone)
{
    struct Row {
        const char* name;
        // Makes the text to wipe and, where one is kept, another holder of it.
        std::function<QString(QString& other)> make;
        bool wiped;
    };
    const std::vector<Row> rows = {
        { "held alone", [](QString&) { return QStringLiteral("Blue-Heron-42").repeated(2); }, true },
        { "shared with another copy",
            [](QString& other) {
                other = QStringLiteral("Blue-Heron-42").repeated(2);
                return other;
            },
            false },
        { "a literal, never allocated", [](QString&) { return QStringLiteral("Blue-Heron-42"); }, false },
        { "empty", [](QString&) { return QString(); }, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QString other;
        QString text = row.make(other);
        const QString before = QString(text.constData(), text.size()); // a copy of its own
        const qsizetype size = text.size();
        EXPECT_EQ(SecretWipe::overwrite(text), row.wiped);
        EXPECT_EQ(text.size(), size) << "overwritten in place, not emptied";
        if (row.wiped) {
            EXPECT_TRUE(allZero(text));
        } else {
            EXPECT_EQ(text, before);
        }
        SecretWipe::text(text);
        EXPECT_TRUE(text.isNull());
        if (!other.isEmpty()) {
            EXPECT_EQ(other, before) << "the other holder keeps its text";
        }
    }
}

TEST(SecretWipeTest, OverwritesBytesHeldAlone)
{
    QByteArray alone("4111 1111 1111 1111");
    alone.detach();
    EXPECT_TRUE(SecretWipe::overwrite(alone));
    EXPECT_EQ(alone, QByteArray(19, '\0'));
    QByteArray shared("4111 1111 1111 1111");
    shared.detach();
    const QByteArray other = shared;
    EXPECT_FALSE(SecretWipe::overwrite(shared));
    SecretWipe::bytes(shared);
    EXPECT_TRUE(shared.isNull());
    EXPECT_EQ(other, QByteArray("4111 1111 1111 1111"));
}

TEST(SecretWipeTest, ScrambledTextCopiesKeepTheirTextWhileOneGoes)
{
    ScrambledText kept(QStringLiteral("Granite.Path.88").repeated(2));
    {
        const ScrambledText copy = kept;
        ScrambledText assigned;
        assigned = kept;
        ScrambledText moved(QStringLiteral("x"));
        moved = ScrambledText(kept);
    }
    EXPECT_EQ(kept.text(), QStringLiteral("Granite.Path.88").repeated(2));
    kept = QStringLiteral("next");
    EXPECT_EQ(kept.text(), QStringLiteral("next"));
    kept.Scramble();
    kept.Unscramble();
    EXPECT_EQ(kept.text(), QStringLiteral("next"));
}

TEST(SecretWipeTest, AnArchiveThatGrowsKeepsEveryByte)
{
    // The archive grows its buffer by hand (wiping the old block): what it stores must not change.
    QByteArray bytes;
    CArchive ar(&bytes);
    QString expected;
    for (int i = 0; i < 2000; ++i) {
        const QString text = QStringLiteral("text %1").arg(i).repeated(i % 7 + 1);
        ar << qint32(i) << text;
        expected += text;
    }
    CArchive in { QByteArrayView(bytes) };
    QString read;
    for (int i = 0; i < 2000; ++i) {
        qint32 number = -1;
        QString text;
        in >> number >> text;
        ASSERT_EQ(number, i);
        read += text;
    }
    EXPECT_EQ(read, expected);
    EXPECT_EQ(in.remaining(), 0);
}

TEST(SecretWipeTest, TheAllocatorSettingsJoinWhatTheEnvironmentHolds)
{
    const QByteArray ours = "glibc.malloc.tcache_count=0:glibc.malloc.perturb=90";
    const struct {
        QByteArray present;
        QByteArray expected;
    } rows[] = {
        { {}, ours },
        { "glibc.malloc.arena_max=2", "glibc.malloc.arena_max=2:" + ours },
        { ours, ours },
        { "glibc.malloc.perturb=1:glibc.malloc.tcache_count=0", "glibc.malloc.perturb=1:glibc.malloc.tcache_count=0" },
        // A cache left on would keep freed blocks unwiped: ours are added.
        { "glibc.malloc.perturb=1", "glibc.malloc.perturb=1:" + ours },
    };
    for (const auto& row : rows)
        EXPECT_EQ(FreedMemory::tunables(row.present), row.expected) << row.present.constData();
}

} // namespace
