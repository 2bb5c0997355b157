#include "DatePicker.h"

#include <QLocale>

namespace {
// The locale's short date, with the year always in four digits so that no century is guessed.
QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}
} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setDisplayFormat(shortDateFormat());
    setCalendarPopup(true);
    setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    setValue(OleDateTime::GetCurrentTime());
}

void DatePicker::setValue(const OleDateTime& value)
{
    m_given = value;
    QDateTime shown = value.toDateTime();
    if (!shown.isValid())
        shown = QDateTime::currentDateTime();
    m_givenDate = shown.date();
    m_timeOfDay = shown.time();
    setDate(m_givenDate);
}

OleDateTime DatePicker::value() const
{
    if (date() == m_givenDate)
        return m_given;
    return OleDateTime::fromDateTime(QDateTime(date(), m_timeOfDay));
}
