#pragma once

#include <QPixmap>
#include <QSize>

namespace tavelle {

// Pictures the application draws itself: no image files are shipped.
QPixmap logoPicture(QSize size);   // the project's emblem: a nozzle and its jet
QPixmap pumpPicture(QSize size);   // the home screen's picture of a fire pump

}  // namespace tavelle
