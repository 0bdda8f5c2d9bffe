#include "core/screens/screen_texts.h"

namespace tavelle {

const std::string* findText(const ScreenLoad& labels, std::string_view name)
{
    for (const auto& label : labels)
        if (label.name == name) return &label.text;
    return nullptr;
}

}  // namespace tavelle
