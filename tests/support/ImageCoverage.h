#pragma once

#include <QImage>

// The share of an image's pixels that are not transparent: 0 for an empty or null image.
inline double coverage(const QImage& image)
{
    if (image.isNull() || image.width() * image.height() == 0)
        return 0;
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return double(opaque) / (image.width() * image.height());
}
