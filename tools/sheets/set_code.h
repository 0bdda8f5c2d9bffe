#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavelle {

// The short code a random set's trainee pages carry instead of its seed: the seed in base 32 (digits and
// capitals without I, L, O, U) and the number of exercises, such as "7-12". It gives the key back to whoever
// has the tool, not to a reader of the page.
struct SetCode {
    std::uint64_t seed = 0;
    std::size_t exerciseCount = 0;
};

std::string setCodeText(const SetCode& code);
// Small letters, and I, L, O read as 1, 1, 0, are taken; nullopt when it is no set code.
std::optional<SetCode> parseSetCode(std::string_view text);

}  // namespace tavelle
