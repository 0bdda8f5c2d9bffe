#pragma once

#include "screens/entry_screen.h"

namespace tavelle {

// Nozzle 1: type, flow, hoses and its height above the division in metres.
class Nozzle1Screen : public EntryScreen {
    Q_OBJECT
public:
    explicit Nozzle1Screen(ScreenContext& context);

private:
    void pressSuite() override;

    QComboBox* m_type = nullptr;
    QComboBox* m_flow = nullptr;
    QComboBox* m_hoseCount = nullptr;
    QComboBox* m_height = nullptr;
};

}  // namespace tavelle
