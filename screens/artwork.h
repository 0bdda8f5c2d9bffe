#pragma once

#include <QPixmap>
#include <QSize>

class QPainter;

namespace tavelle {

// Pictures the application draws itself: no image files are shipped.
QPixmap logoPicture(QSize size);   // the project's emblem: a nozzle and its jet
QPixmap pumpPicture(QSize size);   // the home screen's picture of a fire pump

// Draws the emblem centred in a size.width() x size.height() area at the painter's origin; any paint
// device will do, so that the icons installed with the application show the very same emblem.
void drawLogo(QPainter& painter, QSizeF size);

}  // namespace tavelle
