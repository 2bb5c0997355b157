// The password generator: what each option gives, its strength figure, and no bias.
#include "accounts/PasswordGenerator.h"
#include "core/ScrambledText.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace {

using namespace PasswordGenerator;

TEST(PasswordGeneratorTest, AlphabetsAreStorableAsciiWithoutLookAlikesWhenAsked)
{
    // clang-format off
    struct Row { CharacterClass characterClass; bool avoid; qsizetype size; const char* absent; };
    const Row rows[] = {
        { Upper, false, 26, "a0!" },     { Upper, true, 24, "IO" },
        { Lower, false, 26, "A0!" },     { Lower, true, 24, "lo" },
        { Digits, false, 10, "aA!" },    { Digits, true, 8, "01" },
        { Symbols, false, 32, "aA0 " },  { Symbols, true, 31, "| " },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.characterClass) + (row.avoid ? " avoiding look-alikes" : ""));
        const QString chars = alphabet(row.characterClass, row.avoid);
        EXPECT_EQ(chars.size(), row.size);
        for (const char* c = row.absent; *c; ++c)
            EXPECT_FALSE(chars.contains(QLatin1Char(*c))) << *c;
        EXPECT_TRUE(ScrambledText::IsStorable(chars));
        for (QChar c : chars)
            EXPECT_TRUE(c.unicode() > 32 && c.unicode() < 127);
    }
}

TEST(PasswordGeneratorTest, PasswordsHaveTheLengthAndEveryChosenClass)
{
    // clang-format off
    struct Row { int length; unsigned classes; bool avoid; int expectedLength; };
    const Row rows[] = {
        { 20, Upper | Lower | Digits | Symbols, false, 20 }, { 8, Upper | Lower | Digits | Symbols, true, 8 },
        { 128, Digits, false, 128 },                         { 9, Digits | Symbols, true, 9 },
        { 3, Lower | Digits, false, 8 },                     { 500, Symbols | Upper, true, 128 }, // clamped
    };
    // clang-format on
    QRandomGenerator random(11);
    for (const Row& row : rows) {
        SCOPED_TRACE("length " + std::to_string(row.length) + ", classes " + std::to_string(row.classes));
        for (int n = 0; n < 300; ++n) {
            const QString password = generate(Options { row.length, row.classes, row.avoid }, &random);
            ASSERT_EQ(password.size(), row.expectedLength);
            // The alphabets do not overlap, so the chosen ones together must account for every character.
            qsizetype inChosen = 0;
            for (CharacterClass c : { Upper, Lower, Digits, Symbols }) {
                const QString chars = alphabet(c, row.avoid);
                const auto count
                    = std::count_if(password.begin(), password.end(), [&](QChar ch) { return chars.contains(ch); });
                if (row.classes & c) {
                    EXPECT_GT(count, 0) << qPrintable(password);
                    inChosen += count;
                }
            }
            ASSERT_EQ(inChosen, password.size()) << qPrintable(password);
        }
    }
    EXPECT_TRUE(generate(Options { 20, 0, false }, &random).isEmpty());
}

TEST(PasswordGeneratorTest, StrengthCountsThePasswordsThatHoldEveryClass)
{
    const auto bits = [](double count) { return std::log2(count); };
    // clang-format off
    const std::pair<Options, double> rows[] = {
        { { 8, Digits, false }, bits(1e8) },
        { { 20, Lower, false }, 20 * std::log2(26.0) },
        { { 8, Upper | Digits, false }, bits(std::pow(36.0, 8) - std::pow(26.0, 8) - std::pow(10.0, 8)) },
        { { 8, Upper | Digits, true }, bits(std::pow(32.0, 8) - std::pow(24.0, 8) - std::pow(8.0, 8)) },
        { { 128, Upper | Lower | Digits | Symbols, false }, 128 * std::log2(94.0) }, // all but certain to hold all
        { { 20, 0, false }, 0 },
    };
    // clang-format on
    for (const auto& [options, expected] : rows)
        EXPECT_NEAR(strengthBits(options), expected, 1e-6) << "length " << options.length;
    const double standard = strengthBits(Options {});
    EXPECT_LT(standard, 20 * std::log2(94.0));
    EXPECT_GT(standard, 20 * std::log2(94.0) - 0.5);
}

// Pearson's statistic of counts against a uniform spread.
double chiSquare(const std::vector<int>& counts)
{
    const double expected = std::accumulate(counts.begin(), counts.end(), 0.0) / double(counts.size());
    return std::accumulate(counts.begin(), counts.end(), 0.0,
        [expected](double sum, int c) { return sum + (c - expected) * (c - expected) / expected; });
}

// The value chiSquare stays below with probability 0.999 (Wilson and Hilferty's approximation).
double chiSquareBound(size_t categories)
{
    const double k = double(categories - 1);
    const double z = 3.0902; // the normal quantile of 0.999
    return k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3);
}

TEST(PasswordGeneratorTest, ChoicesAreUniformAndTheBoundCatchesABiasedSampler)
{
    // Over an 8-bit source a plain remainder gives 0 to 67 three times in 256, the rest twice.
    // Passwords of 128 characters hold every class all but always, so each character is close to a free draw.
    QString all;
    for (CharacterClass c : { Upper, Lower, Digits, Symbols })
        all += alphabet(c, true);
    QString drawn;
    const auto nextCharacter = [&all, &drawn](QRandomGenerator& r) {
        if (drawn.isEmpty())
            drawn = generate(Options { 128, Upper | Lower | Digits | Symbols, true }, &r);
        const auto index = quint32(all.indexOf(drawn.back()));
        drawn.chop(1);
        return index;
    };
    // clang-format off
    struct Row { const char* name; quint32 bound; std::function<quint32(QRandomGenerator&)> sample; bool uniform; };
    const Row rows[] = {
        { "rejection over 8 bits", 94,
          [](QRandomGenerator& r) { return uniformBelow(94, [&r] { return r.generate(); }, 8); }, true },
        { "rejection over 32 bits", 94,
          [](QRandomGenerator& r) { return uniformBelow(94, [&r] { return r.generate(); }); }, true },
        { "remainder over 8 bits", 94, [](QRandomGenerator& r) { return (r.generate() & 0xff) % 94; }, false },
        { "generated characters", quint32(all.size()), nextCharacter, true },
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QRandomGenerator random(2024);
        std::vector<int> counts(row.bound);
        for (quint32 i = 0; i < row.bound * 1000; ++i) {
            const quint32 value = row.sample(random);
            ASSERT_LT(value, row.bound);
            ++counts[value];
        }
        EXPECT_EQ(chiSquare(counts) < chiSquareBound(counts.size()), row.uniform) << chiSquare(counts);
    }
}

} // namespace
