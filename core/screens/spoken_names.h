#pragma once

#include <string>
#include <string_view>

namespace tavelle {

// What a screen reader announces for an entry list: the words of the label beside it. The label's
// leading "- " is a printed bullet and its closing " :" a printed lead-in; spoken, the first is read
// out as "tiret" and the second adds nothing, so neither belongs to the list's name.
std::string spokenListName(std::string_view label);

// The percent list that ends a slope row, named after that row.
std::string spokenSlopePercentName(std::string_view slopeLabel);

}  // namespace tavelle
