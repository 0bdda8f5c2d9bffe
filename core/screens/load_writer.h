#pragma once

#include "core/screens/screen_texts.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tavelle {

// Writes a screen's load over an earlier one, control by control, so that each text keeps the storage it had:
// a load written again for the next exercise allocates nothing once its texts have grown to size. Controls left
// over from a longer earlier load are dropped when the writer goes.
class LoadWriter {
public:
    explicit LoadWriter(ScreenLoad& load)
        : m_load(load)
    {
    }
    LoadWriter(const LoadWriter&) = delete;
    LoadWriter& operator=(const LoadWriter&) = delete;
    ~LoadWriter() { m_load.resize(m_count); }

    // The next label, its text emptied for the caller to write; the reference holds until the next control.
    std::string& label(std::string_view name, bool visible = true) { return next(name, true, visible).text; }
    // The next control whose visibility alone is set.
    void shown(std::string_view name, bool visible) { next(name, false, visible); }

private:
    ControlState& next(std::string_view name, bool hasText, bool visible)
    {
        if (m_count == m_load.size()) m_load.emplace_back();
        ControlState& control = m_load[m_count++];
        control.name = name;
        control.text.clear();
        control.hasText = hasText;
        control.visible = visible;
        return control;
    }

    ScreenLoad& m_load;
    std::size_t m_count = 0;
};

}  // namespace tavelle
