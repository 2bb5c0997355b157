#include "core/OleDateTime.h"
#include "support/ScopedTimeZone.h"

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
        { 0.0, QDateTime(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC), true },
        { 2.0, QDateTime(QDate(1900, 1, 1), QTime(0, 0), Qt::UTC), true },
        { 1.75, QDateTime(QDate(1899, 12, 31), QTime(18, 0), Qt::UTC), true },
        { -1.25, QDateTime(QDate(1899, 12, 29), QTime(6, 0), Qt::UTC), true },
        { -0.5, QDateTime(QDate(1899, 12, 30), QTime(12, 0), Qt::UTC), false },
        { -700.75, QDateTime(QDate(1898, 1, 29), QTime(18, 0), Qt::UTC), true },
        { 36526.5, QDateTime(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC), true },
        { 45000.25, QDateTime(QDate(2023, 3, 15), QTime(6, 0), Qt::UTC), true },
        { -657434.0, QDateTime(QDate(100, 1, 1), QTime(0, 0), Qt::UTC), true },
        { 2958465.0, QDateTime(QDate(9999, 12, 31), QTime(0, 0), Qt::UTC), true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(OleDateTime(c.value).toDateTime(), c.dateTime);
        if (c.reversible) {
            EXPECT_EQ(OleDateTime::fromDateTime(c.dateTime).value(), c.value);
        }
    }
}

TEST(OleDateTimeTest, SecondsAndMillisecondsSurviveTheRoundTrip)
{
    const QDateTime moments[] = { QDateTime(QDate(2026, 12, 7), QTime(23, 59, 59, 999), Qt::UTC),
        QDateTime(QDate(1850, 6, 1), QTime(0, 0, 0, 1), Qt::UTC),
        QDateTime(QDate(1899, 12, 29), QTime(13, 37, 42, 500), Qt::UTC) };
    for (const QDateTime& m : moments)
        EXPECT_EQ(OleDateTime::fromDateTime(m).toDateTime(), m) << m.toString(Qt::ISODateWithMs).toStdString();
}

TEST(OleDateTimeTest, DatesThatAreNotValidHaveNoDateAndListEmpty)
{
    QLocale::setDefault(QLocale::c());
    const OleDateTime cases[] = { OleDateTime(1.0, OleDateTime::invalid), OleDateTime(1.0, OleDateTime::null),
        OleDateTime(std::numeric_limits<double>::quiet_NaN()), OleDateTime(std::numeric_limits<double>::infinity()),
        OleDateTime(1e300), OleDateTime(-1e9), OleDateTime(2958466.0) };
    for (const OleDateTime& d : cases) {
        EXPECT_FALSE(d.toDateTime().isValid()) << d.value();
        EXPECT_EQ(d.formatShortDate(), QString()) << d.value();
    }
    EXPECT_EQ(OleDateTime(36526.75).formatShortDate(), QStringLiteral("1 Jan 2000"));
    EXPECT_EQ(OleDateTime(0.0).formatShortDate(), QStringLiteral("30 Dec 1899"));
}

// Dates whose local time falls into a clock change of some zone: each zone below skips the hour (or
// the whole day, Apia in 2011) of one of them. A calendar value knows no zone, so every one converts
// the same everywhere.
TEST(OleDateTimeTest, DatesInAClockChangeGapConvertInEveryTimeZone)
{
    QLocale::setDefault(QLocale::c());
    struct Row {
        double value;
        QDate date;
        QTime time;
        const char* listed;
    };
    // clang-format off
    const Row rows[] = {
        {45011.0 + 2.5 / 24, QDate(2023, 3, 26), QTime(2, 30), "26 Mar 2023"},   // Europe/Berlin
        {43408.0,            QDate(2018, 11, 4), QTime(0, 0),  "4 Nov 2018"},    // America/Sao_Paulo
        {44997.0,            QDate(2023, 3, 12), QTime(0, 0),  "12 Mar 2023"},   // America/Havana
        {40907.5,            QDate(2011, 12, 30), QTime(12, 0), "30 Dec 2011"},  // Pacific/Apia
        {45000.25,           QDate(2023, 3, 15), QTime(6, 0),  "15 Mar 2023"},   // no change anywhere
    };
    // clang-format on
    for (const char* zone : { "UTC", "Europe/Berlin", "America/Sao_Paulo", "America/Havana", "Pacific/Apia",
             "Australia/Lord_Howe", "Asia/Kolkata" }) {
        const ScopedTimeZone tz(zone);
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(zone) + " " + row.listed);
            const OleDateTime stored(row.value);
            EXPECT_EQ(stored.date(), row.date);
            EXPECT_EQ(stored.time(), row.time);
            EXPECT_EQ(stored.toDateTime(), QDateTime(row.date, row.time, Qt::UTC));
            EXPECT_EQ(stored.formatShortDate(), QString::fromLatin1(row.listed));
            EXPECT_EQ(OleDateTime::fromDate(row.date, row.time), stored);
            EXPECT_EQ(OleDateTime::fromDateTime(stored.toDateTime()), stored);
        }
        // Now, as the local clock shows it: the date a new account starts at is today's.
        const QDateTime before = QDateTime::currentDateTime();
        const OleDateTime now = OleDateTime::GetCurrentTime();
        const QDateTime after = QDateTime::currentDateTime();
        EXPECT_TRUE(now.date() == before.date() || now.date() == after.date()) << zone;
        EXPECT_GE(now.value(), OleDateTime::fromDateTime(before).value()) << zone;
        EXPECT_LE(now.value(), OleDateTime::fromDateTime(after).value()) << zone;
    }
}

} // namespace
