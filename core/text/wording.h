#pragma once

#include "core/text/language.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace tavelle {

// A message in both languages. Its variable parts are named in braces, the same names in both wordings:
// {"cannot write {file}: {reason}", "impossible d'écrire {file} : {reason}"}.
struct Wording {
    std::string_view english;
    std::string_view french;

    std::string_view in(Language language) const { return language == Language::french ? french : english; }
};

// One variable part of a message: its name in the wording and its text.
struct WordingPart {
    std::string_view name;
    std::string_view text;
};

// The message in `language`, each {name} replaced by its part; a brace that names no part is kept as written.
std::string composed(std::string_view wording, std::initializer_list<WordingPart> parts = {});
std::string composed(const Wording& wording, Language language, std::initializer_list<WordingPart> parts = {});

}  // namespace tavelle
