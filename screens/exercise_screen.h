#pragma once

#include "screens/entry_screen.h"

namespace tavelle {

// The first screen of an exercise: pump, feed line, slope and number of nozzles.
class ExerciseScreen : public EntryScreen {
    Q_OBJECT
public:
    explicit ExerciseScreen(ScreenHost& screenHost);
};

}  // namespace tavelle
