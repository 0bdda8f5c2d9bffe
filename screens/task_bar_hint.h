#pragma once

class QWidget;

namespace tavelle {

// Asks the window manager to leave a window out of the task bar and the pager. Call it while the
// window's native window exists but is not yet mapped (in its show event): the manager reads these
// states when it takes the window on. Only X11 has these hints; elsewhere this does nothing.
void askToStayOffTaskBar(QWidget& window);

}  // namespace tavelle
