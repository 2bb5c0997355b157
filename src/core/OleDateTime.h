#pragma once

#include <QDateTime>

// A date as stored in a wallet: days since midnight of 30 December 1899 as a double (the fraction is
// the time of day) with a status. Before that day the integer part counts days back while the
// fraction still runs forward in time: -1.25 is 29 December 1899, 06:00.
class OleDateTime {
public:
    enum Status : qint32 { valid = 0, invalid = 1, null = 2 };

    OleDateTime() = default;
    explicit OleDateTime(double value, Status status = valid) : m_value(value), m_status(status) {}

    static OleDateTime fromDateTime(const QDateTime& dateTime);
    static OleDateTime GetCurrentTime();

    double value() const { return m_value; }
    Status GetStatus() const { return m_status; }
    bool isValid() const { return m_status == valid; }

    // The local date and time this value stands for; invalid when the status is not valid or the
    // value lies outside the years 100 to 9999 (or is not a number).
    QDateTime toDateTime() const;
    QDate date() const { return toDateTime().date(); }

    // Short date in the default locale, empty unless the date is valid and in range.
    QString formatShortDate() const;

    bool operator==(const OleDateTime& other) const = default;

private:
    double m_value = 0.0;
    Status m_status = valid;
};
