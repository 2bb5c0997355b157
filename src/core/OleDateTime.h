#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// A date as stored in a wallet: days since midnight of 30 December 1899 as a double (the fraction is
// the time of day) with a status. Before that day the integer part counts days back while the
// fraction still runs forward in time: -1.25 is 29 December 1899, 06:00.
//
// The value is a calendar date and a time of day, in no time zone. Every conversion keeps the date
// and the time apart (or uses UTC), so that no value falls into a daylight-saving gap of the local
// clock and turns invalid there.
class OleDateTime {
public:
    enum Status : qint32 { valid = 0, invalid = 1, null = 2 };

    OleDateTime() = default;
    explicit OleDateTime(double value, Status status = valid)
        : m_value(value)
        , m_status(status)
    {
    }

    // The calendar date and time of day as given, whether dateTime is local, UTC or in another zone.
    static OleDateTime fromDateTime(const QDateTime& dateTime);
    static OleDateTime fromDate(QDate date, QTime timeOfDay = QTime(0, 0));
    // The local wall-clock date and time now.
    static OleDateTime GetCurrentTime();

    double value() const { return m_value; }
    Status GetStatus() const { return m_status; }
    bool isValid() const { return m_status == valid; }

    // The date and time of day this value stands for, as a UTC date-time; invalid when the status is
    // not valid or the value lies outside the years 100 to 9999 (or is not a number).
    QDateTime toDateTime() const;
    // Its calendar date and time of day; null under the same conditions.
    QDate date() const;
    QTime time() const;

    // Short date in the default locale, empty unless the date is valid and in range.
    QString formatShortDate() const;

    bool operator==(const OleDateTime& other) const = default;

private:
    bool split(QDate& date, QTime& time) const;

    double m_value = 0.0;
    Status m_status = valid;
};
