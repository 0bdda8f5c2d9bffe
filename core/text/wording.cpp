#include "core/text/wording.h"

#include <algorithm>

namespace tavelle {

std::string composed(std::string_view wording, std::initializer_list<WordingPart> parts)
{
    std::string text;
    text.reserve(wording.size());
    while (!wording.empty()) {
        const std::size_t open = wording.find('{');
        const std::size_t close = wording.find('}', open);
        std::string_view name;
        if (open != std::string_view::npos && close != std::string_view::npos)
            name = wording.substr(open + 1, close - open - 1);
        const auto* part =
            std::find_if(parts.begin(), parts.end(), [name](const WordingPart& each) { return each.name == name; });
        if (part == parts.end()) {
            // Not a part ("'}'" in a wording): kept as written.
            const std::size_t kept = open == std::string_view::npos ? wording.size() : open + 1;
            text += wording.substr(0, kept);
            wording.remove_prefix(kept);
            continue;
        }
        text += wording.substr(0, open);
        text += part->text;
        wording.remove_prefix(close + 1);
    }
    return text;
}

std::string composed(const Wording& wording, Language language, std::initializer_list<WordingPart> parts)
{
    return composed(wording.in(language), parts);
}

}  // namespace tavelle
