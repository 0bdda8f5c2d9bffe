#pragma once

#include "screens/entry_screen.h"

namespace tavelle {

// Nozzle 2: type, flow, hoses and the elevations of the division and of the nozzle.
class Nozzle2Screen : public EntryScreen {
    Q_OBJECT
public:
    explicit Nozzle2Screen(ScreenHost& screenHost);
};

}  // namespace tavelle
