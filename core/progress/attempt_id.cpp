#include "core/progress/attempt_id.h"

#include <array>
#include <cstdint>
#include <random>

namespace tavelle {

namespace {

constexpr std::array<std::size_t, 4> dashes{8, 13, 18, 23};
constexpr std::size_t idLength = 36;

bool isDash(std::size_t position)
{
    for (std::size_t dash : dashes)
        if (dash == position) return true;
    return false;
}

}  // namespace

std::string newAttemptId()
{
    // random_device reads the kernel's generator on Linux: unpredictable and seeded per machine.
    std::random_device source;
    std::array<std::uint8_t, 16> bytes{};
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        const std::uint32_t word = source();
        for (std::size_t k = 0; k < 4; ++k) bytes[i + k] = static_cast<std::uint8_t>(word >> (8 * k));
    }
    bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0f) | 0x40);  // version 4
    bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3f) | 0x80);  // the RFC 4122 variant
    constexpr std::string_view digits = "0123456789abcdef";
    std::string id;
    id.reserve(idLength);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (isDash(id.size())) id += '-';
        id += digits[bytes[i] >> 4];
        id += digits[bytes[i] & 0x0f];
    }
    return id;
}

bool isAttemptId(std::string_view text)
{
    if (text.size() != idLength) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool fits = isDash(i) ? c == '-' : (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
        if (!fits) return false;
    }
    return true;
}

}  // namespace tavelle
