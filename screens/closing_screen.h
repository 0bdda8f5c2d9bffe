#pragma once

#include "screens/screen_window.h"

namespace tavelle {

// The farewell screen shown by "Quitter"; its one button ends the program.
class ClosingScreen : public ScreenWindow {
    Q_OBJECT
public:
    explicit ClosingScreen(ScreenHost& screenHost);
};

}  // namespace tavelle
