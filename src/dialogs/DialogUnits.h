#pragma once

#include "dialogs/DialogTable.h"

#include <QFont>
#include <QRect>

// Converts dialog units into pixels of a font: a horizontal unit is a quarter of the font's average
// letter width, a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    int x(int units) const;
    int y(int units) const;
    QRect rect(const DialogPlace& place) const;
    QSize size(int width, int height) const { return { x(width), y(height) }; }

private:
    int m_charWidth;
    int m_charHeight;
};
