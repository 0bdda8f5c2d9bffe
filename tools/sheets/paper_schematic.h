#pragma once

#include <QRectF>

class QPainter;
class QWidget;

namespace tavelle {

// Draws a loaded drawing screen (the schematic) for a photocopier: its lines and shapes as vectors, every
// text black and at least `smallestPoints` on paper, the shapes left white under their text, the pictures and
// buttons left out. The drawing is cropped to what it shows and fitted in `area`, its proportions kept, at
// its top-left. Returns the rectangle it took.
QRectF drawPaperSchematic(QPainter& painter, const QWidget& screen, const QRectF& area, qreal smallestPoints);

}  // namespace tavelle
