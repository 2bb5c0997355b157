#include "core/ScrambledText.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QSet>

namespace {

using Entry = ScrambledText::TableEntry;

std::vector<Entry> table()
{
    std::vector<Entry> t;
    for (int i = 0; i < ScrambledText::kTableSize; ++i)
        t.push_back(ScrambledText::tableEntry(i));
    return t;
}

// The two stages exactly as the file format describes them: 94 replacement passes each, in
// ascending order of target code point, with the reversal in between.
QString referenceScramble(QString s)
{
    if (s.isEmpty())
        return s;
    for (const Entry& e : table())
        s.replace(QChar(e.plain), QChar(e.target));
    std::reverse(s.begin(), s.end());
    for (const Entry& e : table())
        s.replace(QChar(e.target), e.token);
    return s;
}

QString referenceUnscramble(QString s)
{
    if (s.isEmpty())
        return s;
    for (const Entry& e : table())
        s.replace(e.token, QString(QChar(e.target)));
    std::reverse(s.begin(), s.end());
    for (const Entry& e : table())
        s.replace(QChar(e.target), QChar(e.plain));
    return s;
}

QString coveredCharacters()
{
    QString all;
    for (const Entry& e : table())
        all += QChar(e.plain);
    return all;
}

QString randomText(QRandomGenerator& rng, const QString& alphabet, int maxLength)
{
    const int n = int(rng.bounded(maxLength + 1));
    QString s;
    for (int i = 0; i < n; ++i)
        s += alphabet[qsizetype(rng.bounded(int(alphabet.size())))];
    return s;
}

TEST(ScrambledTextTest, TablesHaveTheirFixedForm)
{
    const auto t = table();
    QSet<QChar> plains, targets;
    QSet<QString> tokens;
    QSet<QChar> leads;
    for (const Entry& e : t) {
        plains.insert(QChar(e.plain));
        targets.insert(QChar(e.target));
        tokens.insert(e.token);
        leads.insert(e.token[0]);
        EXPECT_GE(e.target, 0xFFA0);
        EXPECT_NE(e.target, 0xFFFD);
        EXPECT_TRUE(e.token[1].isUpper() || e.token[1].isDigit());
        EXPECT_TRUE(e.token[2].isUpper() || e.token[2].isDigit());
        EXPECT_FALSE(e.token[1].isDigit() && e.token[2].isDigit()) << e.token.toStdString();
    }
    EXPECT_EQ(plains.size(), 94);
    EXPECT_EQ(targets.size(), 94);
    EXPECT_EQ(tokens.size(), 94);
    EXPECT_EQ(leads.size(), 10);
    for (QChar lead : leads)
        EXPECT_TRUE(plains.contains(lead));
    for (const char* c : { "\r", "\n", "\u00d1", "\u00f1", " ", "!", "~" })
        EXPECT_EQ(plains.contains(QString::fromUtf8(c)[0]), QString::fromUtf8(c) != QStringLiteral("~")) << c;
}

TEST(ScrambledTextTest, StoredFormsArePinned)
{
    // A change of either table changes these and would make every existing file unreadable.
    const std::pair<QString, QString> cases[] = {
        { QString(), QString() },
        { QStringLiteral("___"), QStringLiteral("___") },
        { QStringLiteral("ab"), QStringLiteral("#UG@ZH") },
        { QStringLiteral("pass"), QStringLiteral("!KY!KY@ZH#9Q") },
        { QStringLiteral("Hello, World!\r\n"), QStringLiteral("#WM@Q5?KN+V4+Z5@EY*FP&CW#1T!NB*FP+Z5+Z5=JC*D1") },
        { QString::fromUtf8("\u00d1o_\u00f1"), QStringLiteral("!9J_*FP*DC") },
        { QString(QChar(0xFFA0)), QStringLiteral("&EZ") },
    };
    for (const auto& [plain, stored] : cases) {
        EXPECT_EQ(ScrambledText::scrambled(plain), stored) << plain.toStdString();
        EXPECT_EQ(referenceScramble(plain), stored) << plain.toStdString();
    }
}

TEST(ScrambledTextTest, RoundTripsRandomTextsAndHidesThem)
{
    QRandomGenerator rng(42);
    const QString covered = coveredCharacters();
    const QString mixed = covered + QString::fromUtf8("\"'_`~\t\u00e9\u00fc\u4e2d\uff9f\ufffd\U0001F511");
    for (int round = 0; round < 400; ++round) {
        const QString plain = randomText(rng, round % 2 ? covered : mixed, 60);
        ScrambledText text(plain);
        text.Scramble();
        const QString stored = text.text();
        EXPECT_EQ(stored, referenceScramble(plain));
        text.Unscramble();
        ASSERT_EQ(text.text(), plain);
        if (round % 2 == 1) {
            // Only tokens remain: three characters per plain character, no plain run readable.
            ASSERT_EQ(stored.size(), 3 * plain.size());
            for (qsizetype i = 0; i < stored.size(); i += 3)
                EXPECT_TRUE(QStringLiteral("!#$%&*+=?@").contains(stored[i])) << stored.toStdString();
            if (plain.size() >= 3) {
                EXPECT_FALSE(stored.contains(plain));
            }
        }
    }
}

TEST(ScrambledTextTest, UnscrambleMatchesThePassByPassAlgorithmOnAnyInput)
{
    // Stored forms from damaged or foreign files: partial tokens, leads at the end, target code
    // points, lower-case letters after a lead.
    QRandomGenerator rng(7);
    QString alphabet = QStringLiteral("!#$%&*+=?@ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789az_-");
    for (char16_t c = 0xFFA0; c <= 0xFFA8; ++c)
        alphabet += QChar(c);
    for (const Entry& e : table()) {
        QString t = e.token;
        alphabet += t; // some whole tokens, as multi-character pieces below
    }
    for (int round = 0; round < 2000; ++round) {
        const QString stored = randomText(rng, alphabet, 40);
        EXPECT_EQ(ScrambledText::unscrambled(stored), referenceUnscramble(stored)) << stored.toStdString();
    }
}

TEST(ScrambledTextTest, FlagsFollowTheSteps)
{
    ScrambledText empty;
    empty.Scramble();
    EXPECT_FALSE(empty.isReversed() || empty.isSubstituted() || empty.isTokenized());

    ScrambledText text(QStringLiteral("secret"));
    text.Scramble();
    EXPECT_TRUE(text.isReversed() && text.isSubstituted() && text.isTokenized());
    ScrambledText copy = text;
    EXPECT_TRUE(copy.isTokenized());
    copy = QStringLiteral("other"); // a new text keeps the flags
    EXPECT_TRUE(copy.isTokenized());
    text.Unscramble();
    EXPECT_FALSE(text.isReversed() || text.isSubstituted() || text.isTokenized());
}

TEST(ScrambledTextTest, ScramblingTwiceNeedsUnscramblingTwice)
{
    ScrambledText text(QStringLiteral("Twice\r\n"));
    text.Scramble();
    const QString once = text.text();
    text.Scramble();
    EXPECT_EQ(text.text().size(), 3 * once.size());
    text.Unscramble();
    EXPECT_EQ(text.text(), once);
    text.Unscramble();
    EXPECT_EQ(text.text(), QStringLiteral("Twice\r\n"));
}

TEST(ScrambledTextTest, TellsWhichTextsComeBackUnchanged)
{
    const std::pair<QString, qsizetype> cases[] = {
        { QStringLiteral("plain text"), -1 },
        { QString::fromUtf8("caf\u00e9 \uff9f \ufffd \uffff"), -1 },
        { QString::fromUtf8("ab\uffa5"), 2 },
        { QString::fromUtf8("\ufffe"), 0 },
    };
    for (const auto& [text, index] : cases) {
        EXPECT_EQ(ScrambledText::firstUnstorable(text), index) << text.toStdString();
        EXPECT_EQ(ScrambledText::IsStorable(text), index < 0);
        // The claim holds: storable texts round-trip, the others do not.
        EXPECT_EQ(ScrambledText::unscrambled(ScrambledText::scrambled(text)) == text, index < 0);
    }
}

} // namespace
