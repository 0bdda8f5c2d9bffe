#include "core/screens/spoken_names.h"

namespace tavelle {

namespace {

constexpr std::string_view bullet = "- ";
constexpr std::string_view leadIn = ":";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string spokenListName(std::string_view label)
{
    std::string_view words = trimmed(label);
    if (words.starts_with(bullet)) words.remove_prefix(bullet.size());
    if (words.ends_with(leadIn)) words.remove_suffix(leadIn.size());
    return std::string(trimmed(words));
}

std::string spokenSlopePercentName(std::string_view slopeLabel)
{
    return spokenListName(slopeLabel) + ", en %";
}

}  // namespace tavelle
