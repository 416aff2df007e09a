#include "images/PreviewGeometry.h"

#include <cstdint>

namespace PreviewGeometry {

int scaled(int value, int numerator, int denominator)
{
    const int64_t product = int64_t(value) * numerator;
    return int((product + denominator / 2) / denominator);
}

QRect pictureRect(QSize picture, QSize area)
{
    const int w = picture.width();
    const int h = picture.height();
    if (w <= area.width() && h <= area.height())
        return QRect((area.width() - w) / 2, (area.height() - h) / 2, w, h);
    if (w > h)
        return QRect(0, 0, area.width(), scaled(h, area.width(), w));
    return QRect(0, 0, scaled(w, area.height(), h), area.height());
}

} // namespace PreviewGeometry
