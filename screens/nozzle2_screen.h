#pragma once

#include "screens/entry_screen.h"

namespace tavelle {

// Nozzle 2: type, flow, hoses and the elevations of the division and of the nozzle.
class Nozzle2Screen : public EntryScreen {
    Q_OBJECT
public:
    explicit Nozzle2Screen(ScreenContext& context);

private:
    void pressSuite() override;

    QComboBox* m_type = nullptr;
    QComboBox* m_flow = nullptr;
    QComboBox* m_hoseCount = nullptr;
    QComboBox* m_divisionElevation = nullptr;
    QComboBox* m_nozzleElevation = nullptr;
};

}  // namespace tavelle
