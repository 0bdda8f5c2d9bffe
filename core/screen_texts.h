#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// The caption a screen's load gives one of its labels.
struct LabelText {
    std::string_view name;
    std::string text;
};

// A control whose text, visibility or both the schematic sets at load.
struct ControlState {
    std::string_view name;
    std::string text;
    bool hasText = true;  // false for lines and fixed-caption labels: only their visibility is set
    bool visible = true;
};

// Label texts in the order the screen sets them.
using LabelTexts = std::vector<LabelText>;

const std::string* findText(const LabelTexts& labels, std::string_view name);

}  // namespace tavelle
