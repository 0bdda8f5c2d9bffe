#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavelle::testing {

// splitmix64: one seed gives the same session with every compiler and standard library, so that a
// failing seed can be replayed anywhere.
class SessionRandom {
public:
    explicit SessionRandom(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }
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

private:
    std::uint64_t m_state;
};

}  // namespace tavelle::testing
