#include "core/practice/trainee.h"

#include <vector>

namespace tavelle {

namespace {

enum class LetterCase { none, capital, small };

// The case of the letter at `text[i]`, and its length in bytes (UTF-8): ASCII, Latin-1's letters, Œ and œ.
LetterCase letterCase(std::string_view text, std::size_t i, std::size_t& length)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    length = 1;
    const unsigned char lead = byte(i);
    if (lead >= 'A' && lead <= 'Z') return LetterCase::capital;
    if (lead >= 'a' && lead <= 'z') return LetterCase::small;
    if (i + 1 >= text.size() || (lead != 0xc3 && lead != 0xc5)) return LetterCase::none;
    length = 2;
    const unsigned char next = byte(i + 1);
    if (lead == 0xc5) return next == 0x92 ? LetterCase::capital : next == 0x93 ? LetterCase::small : LetterCase::none;
    if (next >= 0x80 && next <= 0x9e && next != 0x97) return LetterCase::capital;  // À to Þ, not ×
    if (next >= 0x9f && next <= 0xbf && next != 0xb7) return LetterCase::small;  // ß to ÿ, not ÷
    return LetterCase::none;
}

std::vector<std::string_view> wordsOf(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != ' ' && text[i] != '\t') continue;
        if (i > start) words.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    return words;
}

std::string joined(const std::vector<std::string_view>& words)
{
    std::string text;
    for (std::string_view word : words) {
        if (!text.empty()) text += ' ';
        text += word;
    }
    return text;
}

// Characters, not bytes: every byte but UTF-8's continuation bytes starts one.
std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (char c : text) count += (static_cast<unsigned char>(c) & 0xc0) != 0x80 ? 1u : 0u;
    return count;
}

bool hasControlCharacter(std::string_view text)
{
    for (char c : text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7f) return true;
    return false;
}

}  // namespace

bool isWrittenInCapitals(std::string_view word)
{
    bool capital = false;
    std::size_t length = 1;
    for (std::size_t i = 0; i < word.size(); i += length) {
        const LetterCase found = letterCase(word, i, length);
        if (found == LetterCase::small) return false;
        capital = capital || found == LetterCase::capital;
    }
    return capital;
}

std::variant<Trainee, TraineeFault> readTrainee(std::string_view fullName, std::string_view group)
{
    if (hasControlCharacter(fullName)) return TraineeFault::controlCharacterInName;
    const std::vector<std::string_view> words = wordsOf(fullName);
    if (words.size() < 2) return words.empty() ? TraineeFault::emptyName : TraineeFault::noGivenName;

    std::size_t capitals = 0;
    for (std::string_view word : words) capitals += isWrittenInCapitals(word) ? 1u : 0u;
    std::size_t first = 0;
    std::size_t last = 1;
    if (capitals > 0 && capitals < words.size()) {
        while (!isWrittenInCapitals(words[first])) ++first;
        last = first + 1;
        while (last < words.size() && isWrittenInCapitals(words[last])) ++last;
    }
    const auto begin = words.begin();
    const std::vector<std::string_view> surname(begin + static_cast<std::ptrdiff_t>(first),
                                                begin + static_cast<std::ptrdiff_t>(last));
    std::vector<std::string_view> givenName(begin, begin + static_cast<std::ptrdiff_t>(first));
    givenName.insert(givenName.end(), begin + static_cast<std::ptrdiff_t>(last), words.end());
    return checkTrainee(joined(surname), joined(givenName), group);
}

std::variant<Trainee, TraineeFault> checkTrainee(std::string_view surname, std::string_view givenName,
                                                 std::string_view group)
{
    if (hasControlCharacter(surname) || hasControlCharacter(givenName)) return TraineeFault::controlCharacterInName;
    if (hasControlCharacter(group)) return TraineeFault::controlCharacterInGroup;
    Trainee trainee{joined(wordsOf(surname)), joined(wordsOf(givenName)), joined(wordsOf(group))};
    if (trainee.surname.empty()) return TraineeFault::emptyName;
    if (trainee.givenName.empty()) return TraineeFault::noGivenName;
    if (characterCount(trainee.group) > longestGroup) return TraineeFault::groupTooLong;
    if (characterCount(trainee.surname) + characterCount(trainee.givenName) > longestTraineeName)
        return TraineeFault::nameTooLong;
    return trainee;
}

Trainee offeredTrainee(std::string_view accountFullName)
{
    const auto read = readTrainee(accountFullName.substr(0, accountFullName.find(',')), "");
    return std::holds_alternative<Trainee>(read) ? std::get<Trainee>(read) : Trainee{};
}

}  // namespace tavelle
