#pragma once

#include "screens/screen_window.h"

namespace tavelle {

// "Problème :": the exercise stated as a French word problem.
class StatementScreen : public ScreenWindow {
    Q_OBJECT
public:
    explicit StatementScreen(ScreenHost& screenHost);
};

}  // namespace tavelle
