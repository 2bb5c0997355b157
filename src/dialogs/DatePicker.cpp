#include "DatePicker.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QLocale>
#include <QScreen>

#include <algorithm>

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

DatePicker::DatePicker(QWidget* parent)
    : QDateEdit(parent)
{
    setDisplayFormat(shortDateFormat());
    setCalendarPopup(true);
    setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    setValue(OleDateTime::GetCurrentTime());
    // The calendar drops down aligned with the right edge of the field.
    calendarWidget()->window()->installEventFilter(this);
}

bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == calendarWidget()->window()) {
        auto* popup = static_cast<QWidget*>(watched);
        const QPoint bottomRight = mapToGlobal(QPoint(width(), height()));
        int left = bottomRight.x() - popup->width();
        if (const QScreen* screen = this->screen())
            left = std::max(left, screen->availableGeometry().left());
        popup->move(left, popup->y());
    }
    return QDateEdit::eventFilter(watched, event);
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
