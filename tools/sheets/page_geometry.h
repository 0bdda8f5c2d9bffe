#pragma once

#include <QtGlobal>

namespace tavelle::pageGeometry {

// The sheets' and the class report's pages, in the device's units, 96 to the inch.
constexpr qreal mm(qreal millimetres)
{
    return millimetres * 96.0 / 25.4;
}
constexpr qreal sideMargin = mm(15);
constexpr qreal topMargin = mm(12);
constexpr qreal headingHeight = mm(11);
constexpr qreal footerHeight = mm(7);
constexpr qreal gap = mm(3);
constexpr qreal thinLine = 0.75;
// The smallest type on paper, in points: below it a photocopy blurs.
constexpr qreal smallestPoints = 8.5;

// The type size, in the device's whole pixels, that prints at `points` or more: a size in points is drawn
// at the nearest whole pixel (8.5 pt is 11.33 px, drawn at 11 px, which prints at 8.25 pt), so the size is
// set in pixels, rounded up. `scale` is the painter's scale where the text is drawn.
constexpr int pixelsForPoints(qreal points, qreal scale = 1)
{
    const qreal pixels = points * 96.0 / 72.0 / scale;
    const int whole = int(pixels);
    return whole < pixels ? whole + 1 : whole;
}

}  // namespace tavelle::pageGeometry
