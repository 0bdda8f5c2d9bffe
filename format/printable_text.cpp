#include "format/printable_text.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

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

bool isControl(char32_t codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F) || codePoint == 0x2028 || codePoint == 0x2029;
}

// The invisible format characters: among them the bidirectional embeddings, overrides and isolates,
// which can make the rest of a message read backwards in a terminal.
bool isFormat(char32_t codePoint)
{
    struct Range {
        char32_t first;
        char32_t last;
    };
    static constexpr Range formats[] = {
        {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
        {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},   {0x200B, 0x200F},   {0x202A, 0x202E},
        {0x2060, 0x2064},   {0x2066, 0x206F},   {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD},
        {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
        {0xE0020, 0xE007F},
    };
    return std::any_of(std::begin(formats), std::end(formats),
                       [codePoint](Range range) { return codePoint >= range.first && codePoint <= range.last; });
}

std::string escaped(char32_t codePoint)
{
    switch (codePoint) {
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: break;
    }
    if (codePoint > 0xFFFF) {
        std::string text = "\\U";
        for (int shift = 28; shift >= 0; shift -= 4) text += kHex[(codePoint >> shift) & 0xFu];
        return text;
    }
    std::string text = "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) text += kHex[(codePoint >> shift) & 0xFu];
    return text;
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
        } else if (isControl(codePoint) || isFormat(codePoint)) {
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
