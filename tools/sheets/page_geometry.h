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

}  // namespace tavelle::pageGeometry
