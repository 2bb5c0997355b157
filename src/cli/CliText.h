#pragma once

#include <QString>

// A text on one line: tabs and line breaks would split the line a script reads.
inline QString oneLine(QString text)
{
    for (QChar& c : text)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return text;
}
