#pragma once

#include <QImage>

class QWidget;

namespace tavelle {

// The image of a shown window's client area under a plain caption bar that carries its title,
// so that a picture names its window the way the desktop does.
QImage windowPicture(QWidget& window);

}  // namespace tavelle
