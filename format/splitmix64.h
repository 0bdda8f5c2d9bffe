#pragma once

#include <cstddef>
#include <cstdint>

namespace tavelle {

// splitmix64: small, fast, and the same sequence with every compiler and standard library, so that a
// seed gives the same draw anywhere.
class Splitmix64 {
public:
    explicit Splitmix64(std::uint64_t seed)
        : m_state(seed)
    {
    }

    // Where the sequence stands: a generator made from it goes on with the same sequence.
    std::uint64_t state() const { return m_state; }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }

private:
    std::uint64_t m_state;
};

}  // namespace tavelle
