// The password generator: what each option gives, its strength figure, and no bias.
#include "PasswordGenerator.h"
#include "ScrambledText.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace PasswordGenerator;

TEST(PasswordGeneratorTest, AlphabetsAreStorableAsciiWithoutLookAlikesWhenAsked)
{
    struct Row {
        CharacterClass characterClass;
        bool avoid;
        qsizetype size;
        const char* absent; // characters the alphabet must not hold
    };
    const Row rows[] = {
        { Upper, false, 26, "a0!" },
        { Upper, true, 24, "IO" },
        { Lower, false, 26, "A0!" },
        { Lower, true, 24, "lo" },
        { Digits, false, 10, "aA!" },
        { Digits, true, 8, "01" },
        { Symbols, false, 32, "aA0 " },
        { Symbols, true, 31, "| " },
    };
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
    struct Row {
        int length;
        unsigned classes;
        bool avoid;
        int expectedLength;
    };
    const Row rows[] = {
        { 20, Upper | Lower | Digits | Symbols, false, 20 },
        { 8, Upper | Lower | Digits | Symbols, true, 8 },
        { 128, Digits, false, 128 },
        { 3, Lower | Digits, false, 8 }, // below the range
        { 500, Symbols | Upper, true, 128 }, // above it
        { 9, Digits | Symbols, true, 9 },
    };
    QRandomGenerator random(11);
    for (const Row& row : rows) {
        SCOPED_TRACE("length " + std::to_string(row.length) + ", classes " + std::to_string(row.classes));
        const Options options { row.length, row.classes, row.avoid };
        for (int n = 0; n < 300; ++n) {
            const QString password = generate(options, &random);
            ASSERT_EQ(password.size(), row.expectedLength);
            for (CharacterClass c : { Upper, Lower, Digits, Symbols }) {
                const QString chars = alphabet(c, row.avoid);
                const auto inClass = std::count_if(
                    password.begin(), password.end(), [&chars](QChar ch) { return chars.contains(ch); });
                if (row.classes & c)
                    EXPECT_GT(inClass, 0) << qPrintable(password);
                else
                    EXPECT_EQ(inClass, 0) << qPrintable(password);
            }
            const auto chosen = [&](QChar ch) {
                for (CharacterClass c : { Upper, Lower, Digits, Symbols })
                    if ((row.classes & c) && alphabet(c, row.avoid).contains(ch))
                        return true;
                return false;
            };
            ASSERT_TRUE(std::all_of(password.begin(), password.end(), chosen)) << qPrintable(password);
        }
    }
    EXPECT_TRUE(generate(Options { 20, 0, false }, &random).isEmpty());
}

TEST(PasswordGeneratorTest, StrengthCountsThePasswordsThatHoldEveryClass)
{
    // The count worked out by hand for each row, as whole numbers.
    const auto bits = [](double count) { return std::log2(count); };
    struct Row {
        Options options;
        double expected;
    };
    const Row rows[] = {
        { { 8, Digits, false }, bits(1e8) },
        { { 20, Lower, false }, 20 * std::log2(26.0) },
        { { 8, Upper | Digits, false }, bits(std::pow(36.0, 8) - std::pow(26.0, 8) - std::pow(10.0, 8)) },
        { { 8, Upper | Digits, true }, bits(std::pow(32.0, 8) - std::pow(24.0, 8) - std::pow(8.0, 8)) },
        { { 128, Upper | Lower | Digits | Symbols, false }, 128 * std::log2(94.0) }, // all but certain to hold all
        { { 20, 0, false }, 0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("length " + std::to_string(row.options.length));
        EXPECT_NEAR(strengthBits(row.options), row.expected, 1e-6);
    }
    // The default: a little under 20 characters of 94.
    const double standard = strengthBits(Options {});
    EXPECT_LT(standard, 20 * std::log2(94.0));
    EXPECT_GT(standard, 20 * std::log2(94.0) - 0.5);
}

// Pearson's statistic of counts against a uniform spread, and the value it stays below with
// probability 0.999 (Wilson and Hilferty's approximation of the chi-square quantile).
double chiSquare(const std::vector<int>& counts)
{
    double total = 0;
    for (int c : counts)
        total += c;
    const double expected = total / double(counts.size());
    double sum = 0;
    for (int c : counts)
        sum += (c - expected) * (c - expected) / expected;
    return sum;
}

double chiSquareBound(size_t categories)
{
    const double k = double(categories - 1);
    const double z = 3.0902; // the normal quantile of 0.999
    return k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3);
}

TEST(PasswordGeneratorTest, ChoicesAreUniformAndTheBoundCatchesABiasedSampler)
{
    // An 8-bit source makes the bias of a plain remainder large enough to see: of 256 values, 0 to
    // 67 come three times in 94, the rest twice.
    constexpr quint32 kBound = 94;
    constexpr int kDraws = 94 * 1000;
    struct Row {
        const char* name;
        std::function<quint32(QRandomGenerator&)> sample;
        bool uniform;
    };
    const Row rows[] = {
        { "rejection over 8 bits",
            [](QRandomGenerator& r) {
                return uniformBelow(
                    kBound, [&r] { return r.generate(); }, 8);
            },
            true },
        { "rejection over 32 bits",
            [](QRandomGenerator& r) { return uniformBelow(kBound, [&r] { return r.generate(); }); }, true },
        { "remainder over 8 bits", [](QRandomGenerator& r) { return (r.generate() & 0xff) % kBound; }, false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QRandomGenerator random(2024);
        std::vector<int> counts(kBound);
        for (int i = 0; i < kDraws; ++i) {
            const quint32 value = row.sample(random);
            ASSERT_LT(value, kBound);
            ++counts[value];
        }
        EXPECT_EQ(chiSquare(counts) < chiSquareBound(kBound), row.uniform) << chiSquare(counts);
    }
}

TEST(PasswordGeneratorTest, GeneratedCharactersAreUniform)
{
    // Long passwords hold every class all but always, so each character is close to a free draw.
    QRandomGenerator random(5);
    const Options options { 128, Upper | Lower | Digits | Symbols, true };
    QString all;
    for (CharacterClass c : { Upper, Lower, Digits, Symbols })
        all += alphabet(c, true);
    std::vector<int> counts(size_t(all.size()));
    for (int n = 0; n < 1000; ++n)
        for (QChar c : generate(options, &random))
            ++counts[size_t(all.indexOf(c))];
    EXPECT_LT(chiSquare(counts), chiSquareBound(counts.size()));
}

} // namespace
