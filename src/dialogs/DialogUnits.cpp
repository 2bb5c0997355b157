#include "dialogs/DialogUnits.h"

#include <QFontMetrics>

#include <algorithm>

DialogUnits::DialogUnits(const QFont& font)
{
    // The average width of the 52 Latin letters, rounded as the dialog manager of the platform the
    // templates were drawn for rounds it: the font's own average (often that of its narrow glyphs)
    // leaves labels too narrow for their texts.
    const QFontMetrics metrics(font);
    const int letters
        = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_charWidth = std::max(1, (letters / 26 + 1) / 2);
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
