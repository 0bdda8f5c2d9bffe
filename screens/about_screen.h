#pragma once

#include "screens/screen_window.h"

namespace tavelle {

// The About box: what the tool is for, and that it is not for real interventions.
class AboutScreen : public ScreenWindow {
    Q_OBJECT
public:
    explicit AboutScreen(ScreenHost& screenHost);

protected:
    void reject() override;  // Escape presses OK

private:
    QPushButton* m_ok = nullptr;
};

}  // namespace tavelle
