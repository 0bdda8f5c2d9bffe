#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// A control whose text, visibility or both a screen's load sets.
struct ControlState {
    std::string_view name;
    std::string text;
    bool hasText = true;  // false for lines and fixed-caption labels: only their visibility is set
    bool visible = true;
};

// What a screen's load sets, in the order it sets it.
using ScreenLoad = std::vector<ControlState>;

const std::string* findText(const ScreenLoad& load, std::string_view name);

}  // namespace tavelle
