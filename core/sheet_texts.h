#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tavelle {

// The texts an exam sheet adds around the screens it shows. A set drawn at random names its seed on
// every page, so that the instructor can draw the very same set again.
std::string sheetHeading(std::size_t exerciseNumber, std::optional<std::uint64_t> seed);
std::string answerHeading(std::size_t exerciseNumber, std::optional<std::uint64_t> seed);
std::string pageFooter(std::size_t page, std::size_t pageCount);

}  // namespace tavelle
