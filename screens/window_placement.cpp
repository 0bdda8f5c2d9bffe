#include "screens/window_placement.h"

#include <QScreen>
#include <QWidget>

namespace tavelle {

QPoint centredTopLeft(QSize frame, QRect area)
{
    return QPoint(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}

void centreOnScreen(QWidget& window, QScreen* screen)
{
    if (screen == nullptr) screen = window.screen();
    if (screen == nullptr) return;
    // A window's position is its frame's; before its first showing, the frame is the window itself.
    window.move(centredTopLeft(window.frameGeometry().size(), screen->availableGeometry()));
}

}  // namespace tavelle
