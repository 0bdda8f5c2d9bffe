#pragma once

#include "format/splitmix64.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavelle::testing {

// One seed gives the same session with every compiler and standard library, so that a failing seed can be
// replayed anywhere.
class SessionRandom : public Splitmix64 {
public:
    using Splitmix64::Splitmix64;

    bool percent(int chance) { return below(100) < static_cast<std::size_t>(chance); }

    std::string pick(std::span<const std::string_view> items) { return std::string(items[below(items.size())]); }
    // Any item or, as likely as any one item, no choice at all.
    std::string pickOrNothing(std::span<const std::string_view> items)
    {
        const std::size_t index = below(items.size() + 1);
        return index == items.size() ? std::string() : std::string(items[index]);
    }

    // The index of one weight, drawn in proportion to the weights.
    std::size_t weighted(std::span<const int> weights)
    {
        int total = 0;
        for (int weight : weights) total += weight;
        int drawn = static_cast<int>(below(static_cast<std::size_t>(total)));
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (drawn < weights[i]) return i;
            drawn -= weights[i];
        }
        return weights.size() - 1;
    }
};

}  // namespace tavelle::testing
