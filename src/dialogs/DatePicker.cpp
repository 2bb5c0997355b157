#include "dialogs/DatePicker.h"

#include "core/Clock.h"

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
    setTimeSpec(Qt::UTC);
    setDisplayFormat(shortDateFormat());
    setCalendarPopup(true);
    setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    setValue(OleDateTime::GetCurrentTime());
    // The calendar drops down aligned with the right edge of the field.
    calendarWidget()->window()->installEventFilter(this);
    // Any edit by the user counts, also one that ends on the day shown before; a day picked in the
    // calendar counts even when it is the one shown.
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!m_settingValue)
            touch();
    });
    connect(calendarWidget(), &QCalendarWidget::clicked, this, &DatePicker::touch);
    connect(calendarWidget(), &QCalendarWidget::activated, this, &DatePicker::touch);
}

void DatePicker::touch() { m_touched = true; }

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
    m_givenDate = value.date();
    m_timeOfDay = value.time();
    m_givenShown = m_givenDate.isValid();
    if (!m_givenShown) {
        const QDateTime now = Clock::now();
        m_givenDate = now.date();
        m_timeOfDay = now.time();
    }
    m_touched = false;
    m_settingValue = true;
    setDate(m_givenDate);
    m_settingValue = false;
}

OleDateTime DatePicker::value() const
{
    // The stored value itself while it is what the field shows, to the last bit of its time of day.
    if (!m_touched || (m_givenShown && date() == m_givenDate))
        return m_given;
    return OleDateTime::fromDate(date(), m_timeOfDay);
}
