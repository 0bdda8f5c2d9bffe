#pragma once

#include "screens/screen_window.h"

namespace tavelle {

// The first screen of an exercise: pump, feed line, slope and number of nozzles.
class ExerciseScreen : public ScreenWindow {
    Q_OBJECT
public:
    explicit ExerciseScreen(ScreenContext& context);

private:
    void pressSuite();

    QComboBox* m_pump = nullptr;
    QComboBox* m_diameter = nullptr;
    QComboBox* m_length = nullptr;
    QComboBox* m_nozzleCount = nullptr;
    QComboBox* m_slopeKind = nullptr;
    QComboBox* m_slopePercent = nullptr;
};

}  // namespace tavelle
