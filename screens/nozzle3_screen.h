#pragma once

#include "screens/entry_screen.h"

namespace tavelle {

// Nozzle 3: type, flow, hoses and the slope of its hoses from the division.
class Nozzle3Screen : public EntryScreen {
    Q_OBJECT
public:
    explicit Nozzle3Screen(ScreenHost& screenHost);
};

}  // namespace tavelle
