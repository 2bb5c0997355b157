#include "OleDateTime.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <limits>

namespace {

struct DateCase {
    double value;
    QDateTime dateTime;
    bool reversible; // -0.5 and 0.5 are the same moment; only 0.5 comes back
};

TEST(OleDateTimeTest, ConvertsExactlyBothWays)
{
    const DateCase cases[] = {
        {0.0, QDateTime(QDate(1899, 12, 30), QTime(0, 0)), true},
        {2.0, QDateTime(QDate(1900, 1, 1), QTime(0, 0)), true},
        {1.75, QDateTime(QDate(1899, 12, 31), QTime(18, 0)), true},
        {-1.25, QDateTime(QDate(1899, 12, 29), QTime(6, 0)), true},
        {-0.5, QDateTime(QDate(1899, 12, 30), QTime(12, 0)), false},
        {-700.75, QDateTime(QDate(1898, 1, 29), QTime(18, 0)), true},
        {36526.5, QDateTime(QDate(2000, 1, 1), QTime(12, 0)), true},
        {45000.25, QDateTime(QDate(2023, 3, 15), QTime(6, 0)), true},
        {-657434.0, QDateTime(QDate(100, 1, 1), QTime(0, 0)), true},
        {2958465.0, QDateTime(QDate(9999, 12, 31), QTime(0, 0)), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(OleDateTime(c.value).toDateTime(), c.dateTime);
        if (c.reversible)
            EXPECT_EQ(OleDateTime::fromDateTime(c.dateTime).value(), c.value);
    }
}

TEST(OleDateTimeTest, SecondsAndMillisecondsSurviveTheRoundTrip)
{
    const QDateTime moments[] = {QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59, 999)),
                                 QDateTime(QDate(1850, 6, 1), QTime(0, 0, 0, 1)),
                                 QDateTime(QDate(1899, 12, 29), QTime(13, 37, 42, 500))};
    for (const QDateTime& m : moments)
        EXPECT_EQ(OleDateTime::fromDateTime(m).toDateTime(), m) << m.toString(Qt::ISODateWithMs).toStdString();
}

TEST(OleDateTimeTest, DatesThatAreNotValidHaveNoDateAndListEmpty)
{
    QLocale::setDefault(QLocale::c());
    const OleDateTime cases[] = {OleDateTime(1.0, OleDateTime::invalid), OleDateTime(1.0, OleDateTime::null),
                                 OleDateTime(std::numeric_limits<double>::quiet_NaN()),
                                 OleDateTime(std::numeric_limits<double>::infinity()), OleDateTime(1e300),
                                 OleDateTime(-1e9), OleDateTime(2958466.0)};
    for (const OleDateTime& d : cases) {
        EXPECT_FALSE(d.toDateTime().isValid()) << d.value();
        EXPECT_EQ(d.formatShortDate(), QString()) << d.value();
    }
    EXPECT_EQ(OleDateTime(36526.75).formatShortDate(), QStringLiteral("1 Jan 2000"));
    EXPECT_EQ(OleDateTime(0.0).formatShortDate(), QStringLiteral("30 Dec 1899"));
}

} // namespace
