#include "screens/window_placement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tavelle {

QPoint centredTopLeft(QSize frame, QRect area)
{
    // A window larger than the area starts at its top-left corner: the title bar and the buttons at the
    // left stay within the mouse's reach, never under a panel or off the screen.
    return QPoint(area.x() + std::max(0, (area.width() - frame.width()) / 2),
                  area.y() + std::max(0, (area.height() - frame.height()) / 2));
}

void centreOnScreen(QWidget& window, QScreen* screen)
{
    if (screen == nullptr) screen = window.screen();
    if (screen == nullptr) return;
    // A window's position is its frame's; before its first showing, the frame is the window itself.
    window.move(centredTopLeft(window.frameGeometry().size(), screen->availableGeometry()));
}

}  // namespace tavelle
