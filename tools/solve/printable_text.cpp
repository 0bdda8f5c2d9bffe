#include "tools/solve/printable_text.h"

#include <cstdint>

namespace tavelle {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// The length of the well-formed UTF-8 sequence at the start of `text` and its code point; 0 when
// the first byte starts none.
std::size_t utf8Sequence(std::string_view text, char32_t& codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < minimum || codePoint > 0x10FFFF || surrogate) return 0;
    return length;
}

std::string escaped(char32_t codePoint)
{
    switch (codePoint) {
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
    }
    std::string text = "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) text += kHex[(codePoint >> shift) & 0xFu];
    return text;
}

bool isControl(char32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == 0x2028 ||
           codePoint == 0x2029;
}

}  // namespace

std::string printableText(std::string_view text, std::size_t limit)
{
    std::string out;
    std::size_t shown = 0;
    while (!text.empty()) {
        if (shown == limit) {
            out += "…";
            break;
        }
        char32_t codePoint = 0;
        const std::size_t length = utf8Sequence(text, codePoint);
        if (length == 0) {
            const auto byte = static_cast<std::uint8_t>(text[0]);
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xFu];
        } else if (isControl(codePoint)) {
            out += escaped(codePoint);
        } else {
            out += text.substr(0, length);
        }
        text.remove_prefix(length == 0 ? 1 : length);
        ++shown;
    }
    return out;
}

}  // namespace tavelle
