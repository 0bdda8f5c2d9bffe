#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;
class QWidget;

namespace tavelle {

// Where a window of the given outer size goes to sit in the middle of a screen's free area; in each
// direction where it is larger than the area, at the area's start.
QPoint centredTopLeft(QSize frame, QRect area);

// Puts a top-level window in the middle of the free area of the given screen (the window's own
// when none is given).
void centreOnScreen(QWidget& window, QScreen* screen = nullptr);

}  // namespace tavelle
