#pragma once

#include "screens/entry_screen.h"

namespace tavelle {

// Nozzle 1: type, flow, hoses and its height above the division in metres.
class Nozzle1Screen : public EntryScreen {
    Q_OBJECT
public:
    explicit Nozzle1Screen(ScreenHost& screenHost);
};

}  // namespace tavelle
