#pragma once

#include "screens/screen_host.h"

namespace tavelle {

// The screens are only pictured: no button is pressed, so nothing is ever asked of the host.
class SilentHost final : public ScreenHost {
public:
    void navigateFrom(ScreenId, std::string_view) override {}
    void pressSuite(ScreenId) override {}
    void printScreen(ScreenWindow&) override {}
    void showInformation(const QString&, const QString&) override {}
    void screenClosedByUser(ScreenId) override {}
};

}  // namespace tavelle
