#pragma once

#include "screens/entry_screen.h"

namespace tavelle {

// Nozzle 3: type, flow, hoses and the slope of its hoses from the division.
class Nozzle3Screen : public EntryScreen {
    Q_OBJECT
public:
    explicit Nozzle3Screen(ScreenContext& context);

private:
    void pressSuite() override;

    QComboBox* m_type = nullptr;
    QComboBox* m_flow = nullptr;
    QComboBox* m_hoseCount = nullptr;
    QComboBox* m_slopeKind = nullptr;
    QComboBox* m_slopePercent = nullptr;
};

}  // namespace tavelle
