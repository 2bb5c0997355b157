#include "OleDateTime.h"

#include <QLocale>
#include <QTimeZone>

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
    const qint64 days = epoch().daysTo(dateTime.date());
    const double fraction = double(dateTime.time().msecsSinceStartOfDay()) / double(kMsPerDay);
    const double value = days >= 0 ? double(days) + fraction : double(days) - fraction;
    return OleDateTime(value, valid);
}

OleDateTime OleDateTime::GetCurrentTime() { return fromDateTime(QDateTime::currentDateTime()); }

QDateTime OleDateTime::toDateTime() const
{
    if (m_status != valid || !std::isfinite(m_value) || m_value <= kMinValue - 1 || m_value >= kMaxValue)
        return {};
    const double days = std::trunc(m_value);
    qint64 ms = std::llround(std::fabs(m_value - days) * double(kMsPerDay));
    qint64 dayCount = qint64(days);
    if (ms >= kMsPerDay) { // rounding reached the next midnight
        ms -= kMsPerDay;
        dayCount += 1;
    }
    return QDateTime(epoch().addDays(dayCount), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString OleDateTime::formatShortDate() const
{
    const QDateTime dt = toDateTime();
    if (!dt.isValid())
        return {};
    return QLocale().toString(dt.date(), QLocale::ShortFormat);
}
