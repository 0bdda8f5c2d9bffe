#pragma once

#include "screens/entry_screen.h"

namespace tavelle {

// The first screen of an exercise: pump, feed line, slope and number of nozzles.
class ExerciseScreen : public EntryScreen {
    Q_OBJECT
public:
    explicit ExerciseScreen(ScreenContext& context);

private:
    void pressSuite() override;

    QComboBox* m_pump = nullptr;
    QComboBox* m_diameter = nullptr;
    QComboBox* m_length = nullptr;
    QComboBox* m_nozzleCount = nullptr;
    QComboBox* m_slopeKind = nullptr;
    QComboBox* m_slopePercent = nullptr;
};

}  // namespace tavelle
