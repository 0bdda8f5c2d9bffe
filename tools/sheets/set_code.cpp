#include "tools/sheets/set_code.h"

#include <limits>

namespace tavelle {

namespace {

constexpr std::string_view digits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

std::optional<unsigned> digitValue(char c)
{
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c == 'I' || c == 'L') c = '1';
    if (c == 'O') c = '0';
    const std::size_t at = digits.find(c);
    if (at == std::string_view::npos) return std::nullopt;
    return static_cast<unsigned>(at);
}

}  // namespace

std::string setCodeText(const SetCode& code)
{
    std::string seed;
    std::uint64_t rest = code.seed;
    do {
        seed.insert(seed.begin(), digits[rest % 32]);
        rest /= 32;
    } while (rest != 0);
    return seed + '-' + std::to_string(code.exerciseCount);
}

std::optional<SetCode> parseSetCode(std::string_view text)
{
    const std::size_t dash = text.rfind('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == text.size() || text.size() > 40) return std::nullopt;
    SetCode code;
    for (char c : text.substr(0, dash)) {
        const std::optional<unsigned> value = digitValue(c);
        if (!value || code.seed > (std::numeric_limits<std::uint64_t>::max() - *value) / 32) return std::nullopt;
        code.seed = code.seed * 32 + *value;
    }
    for (char c : text.substr(dash + 1)) {
        if (c < '0' || c > '9' || code.exerciseCount > 1'000'000) return std::nullopt;
        code.exerciseCount = code.exerciseCount * 10 + static_cast<std::size_t>(c - '0');
    }
    return code;
}

}  // namespace tavelle
