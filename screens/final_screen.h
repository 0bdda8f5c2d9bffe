#pragma once

#include "screens/screen_window.h"

namespace tavelle {

// "Calculs final": the loss of the feed line, the pressure the pump must deliver and the verdict
// on the chosen pump.
class FinalScreen : public ScreenWindow {
    Q_OBJECT
public:
    explicit FinalScreen(ScreenHost& screenHost);
};

}  // namespace tavelle
