#pragma once

#include "screens/screen_window.h"

#include <memory>

namespace tavelle {

// Builds a screen afresh from its design; its load work has run when this returns.
std::unique_ptr<ScreenWindow> createScreen(ScreenId screen, ScreenHost& screenHost);

}  // namespace tavelle
