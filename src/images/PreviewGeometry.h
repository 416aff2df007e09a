#pragma once

#include <QRect>
#include <QSize>

// Where the preview pane draws a picture of `picture` size in an area of
// `area` size: at its natural size in the middle when it fits, else scaled
// into a rectangle at the top-left corner whose longer side (the width when
// the picture is wider than high, else the height) fills the area; a part
// that then falls outside the area is clipped by the caller.
namespace PreviewGeometry {

QRect pictureRect(QSize picture, QSize area);

// `value` x `numerator` / `denominator`, rounded to nearest, in 64 bits.
int scaled(int value, int numerator, int denominator);

} // namespace PreviewGeometry
