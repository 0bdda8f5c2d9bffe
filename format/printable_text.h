#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavelle {

// `text` made safe to quote in a one-line message: control characters (C0, DEL, C1 and the
// Unicode line separators) and invisible format characters (the bidirectional controls among
// them) as \n, \t, \r, \uXXXX or \UXXXXXXXX, bytes that are not UTF-8 as \xNN, and everything
// after `limit` characters cut and replaced by "…".
std::string printableText(std::string_view text, std::size_t limit = 60);

// File names are cut later than values: their end is what tells them apart.
inline constexpr std::size_t kLongestPathShown = 400;

}  // namespace tavelle
