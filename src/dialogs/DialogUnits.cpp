#include "DialogUnits.h"

#include <QFontMetrics>

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    m_charWidth = metrics.averageCharWidth();
    m_charHeight = metrics.height();
}

// Rounded to the nearest pixel, as the units of a dialog template are.
int DialogUnits::x(int units) const { return (units * m_charWidth * 2 + 4) / 8; }
int DialogUnits::y(int units) const { return (units * m_charHeight * 2 + 8) / 16; }

QRect DialogUnits::rect(const DialogPlace& place) const
{
    const int left = x(place.x);
    const int top = y(place.y);
    return QRect(left, top, x(place.x + place.w) - left, y(place.y + place.h) - top);
}
