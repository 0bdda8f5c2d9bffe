#pragma once

#include "screens/screen_window.h"

namespace tavelle {

// "Calcul de la portion AB": what each nozzle branch needs at the division, and the most
// unfavourable nozzle, whose figures the load writes into the record.
class PortionAbScreen : public ScreenWindow {
    Q_OBJECT
public:
    explicit PortionAbScreen(ScreenHost& screenHost);
};

}  // namespace tavelle
