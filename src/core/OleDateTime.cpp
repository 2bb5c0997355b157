#include "core/OleDateTime.h"

#include "core/Clock.h"

#include <QLocale>

#include <cmath>

namespace {
constexpr qint64 kMsPerDay = 86400000;
// The range an OLE date may express: 1 January 100 to 31 December 9999.
constexpr double kMinValue = -657434.0;
constexpr double kMaxValue = 2958466.0;

QDate epoch() { return QDate(1899, 12, 30); }
} // namespace

OleDateTime OleDateTime::fromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return OleDateTime(0.0, invalid);
    return fromDate(dateTime.date(), dateTime.time());
}

OleDateTime OleDateTime::fromDate(QDate date, QTime timeOfDay)
{
    if (!date.isValid() || !timeOfDay.isValid())
        return OleDateTime(0.0, invalid);
    const qint64 days = epoch().daysTo(date);
    const double fraction = double(timeOfDay.msecsSinceStartOfDay()) / double(kMsPerDay);
    const double value = days >= 0 ? double(days) + fraction : double(days) - fraction;
    return OleDateTime(value, valid);
}

OleDateTime OleDateTime::GetCurrentTime() { return fromDateTime(Clock::now()); }

bool OleDateTime::split(QDate& date, QTime& time) const
{
    if (m_status != valid || !std::isfinite(m_value) || m_value <= kMinValue - 1 || m_value >= kMaxValue)
        return false;
    const double days = std::trunc(m_value);
    qint64 ms = std::llround(std::fabs(m_value - days) * double(kMsPerDay));
    qint64 dayCount = qint64(days);
    if (ms >= kMsPerDay) { // rounding reached the next midnight
        ms -= kMsPerDay;
        dayCount += 1;
    }
    date = epoch().addDays(dayCount);
    time = QTime::fromMSecsSinceStartOfDay(int(ms));
    return true;
}

QDateTime OleDateTime::toDateTime() const
{
    QDate d;
    QTime t;
    if (!split(d, t))
        return {};
    return QDateTime(d, t, Qt::UTC);
}

QDate OleDateTime::date() const
{
    QDate d;
    QTime t;
    return split(d, t) ? d : QDate();
}

QTime OleDateTime::time() const
{
    QDate d;
    QTime t;
    return split(d, t) ? t : QTime();
}

QString OleDateTime::formatShortDate() const
{
    const QDate d = date();
    if (!d.isValid())
        return {};
    return QLocale().toString(d, QLocale::ShortFormat);
}
