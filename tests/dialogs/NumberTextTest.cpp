#include "dialogs/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct DecimalCase {
    const char* text;
    bool reads;
    double value;
};

TEST(NumberText, ReadsDecimalsByTheEditRules)
{
    const DecimalCase cases[] = {
        { "12.5", true, 12.5 },
        { "12.50", true, 12.5 },
        { "0", true, 0.0 },
        { "0.0", true, 0.0 },
        { "  \t7", true, 7.0 },
        { "7 \t ", true, 7.0 },
        { "-3.25", true, -3.25 },
        { "+4", true, 4.0 },
        { "1e3", true, 1000.0 },
        { ".5", true, 0.5 },
        { "", false, 0 },
        { "   ", false, 0 },
        { "abc", false, 0 },
        { "12%", false, 0 },
        { "1 2", false, 0 },
        { ".0", false, 0 }, // zero is taken only from a text that starts with the digit 0
        { "-0", false, 0 },
        { "+-1", false, 0 },
        { "inf", false, 0 },
        { "nan", false, 0 },
        { "1e400", false, 0 },
        { "12,5", false, 0 },
        { "\xd9\xa1", false, 0 }, // an Arabic-Indic digit one
        // Only the first 31 characters count: the tail after them is never looked at.
        { "1234567890123456789012345678901xyz", true, 1234567890123456789012345678901.0 },
    };
    for (const DecimalCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> value = NumberText::parseDecimal(QString::fromUtf8(c.text));
        ASSERT_EQ(value.has_value(), c.reads);
        if (c.reads) {
            EXPECT_DOUBLE_EQ(*value, c.value);
        }
    }
}

struct IntegerCase {
    const char* text;
    bool reads;
    qint32 value;
};

TEST(NumberText, LooksAtTheFirstThirtyOneCharactersOnly)
{
    EXPECT_FALSE(NumberText::parseDecimal(QString(31, u' ') + u'5').has_value());
    EXPECT_EQ(NumberText::parseDecimal(QString(30, u' ') + u'5'), 5.0);
    EXPECT_FALSE(NumberText::parseInteger(QString(31, u' ') + u'5').has_value());
    EXPECT_EQ(NumberText::parseInteger(QStringLiteral("7") + QString(40, u' ') + u'x'), 7);
}

TEST(NumberText, ReadsIntegersByTheEditRules)
{
    const IntegerCase cases[] = {
        { "120", true, 120 },
        { "0", true, 0 },
        { " 42\t", true, 42 },
        { "-5", true, -5 },
        { "+5", true, 5 },
        { "2147483647", true, 2147483647 },
        { "-2147483648", true, -2147483647 - 1 },
        { "2147483648", false, 0 },
        { "99999999999", false, 0 },
        { "", false, 0 },
        { "12a", false, 0 },
        { "1.5", false, 0 },
        { "1e3", false, 0 },
        { "--1", false, 0 },
    };
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<qint32> value = NumberText::parseInteger(QString::fromUtf8(c.text));
        ASSERT_EQ(value.has_value(), c.reads);
        if (c.reads) {
            EXPECT_EQ(*value, c.value);
        }
    }
}

TEST(NumberText, ShowsDecimalsInTheShortestFormWithFifteenDigits)
{
    EXPECT_EQ(NumberText::formatDecimal(12.5), QStringLiteral("12.5"));
    EXPECT_EQ(NumberText::formatDecimal(0.0), QStringLiteral("0"));
    EXPECT_EQ(NumberText::formatDecimal(1e20), QStringLiteral("1e+20"));
    EXPECT_EQ(NumberText::formatDecimal(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(NumberText::formatDecimal(123456789.123456789), QStringLiteral("123456789.123457"));
}

} // namespace
