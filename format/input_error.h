#pragma once

#include "core/text/language.h"
#include "core/text/system_reason.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

namespace tavelle {

// What is wrong with an exercise file.
enum class InputFault {
    cannotRead,  // the file cannot be opened or read
    malformedJson,  // not JSON: `syntax` says what was expected
    notADocument,  // neither an exercise nor an array of exercises
    notAnExercise,  // an array element that is not an exercise
    exerciseTooLong,
    unknownKey,
    repeatedKey,
    notAnItem,  // a value that is not one of its list's items
};

// What malformed JSON was expected to hold where it went wrong.
enum class JsonSyntax {
    exerciseOrArray,
    hexDigits,
    unterminatedString,
    controlCharacter,
    loneLowSurrogate,
    unpairedHighSurrogate,
    invalidEscape,
    digitInNumber,
    digitAfterPoint,
    digitInExponent,
    numberForm,
    literal,
    trailingData,
    commaOrBracket,
    exerciseObject,
    quotedKey,
    colon,
    value,
    commaOrBrace,
};

// What a JSON value is, from its first byte.
enum class JsonKind { none, object, array, string, boolean, null, number };

// One fault of an exercise file with its particulars; only those of its kind are set.
struct InputProblem {
    InputFault fault = InputFault::cannotRead;
    std::size_t exercise = 0;  // from 1; 0 outside any exercise
    std::string file;  // as shown; empty for standard input
    int systemError = 0;  // errno
    std::size_t line = 0;
    std::size_t column = 0;
    JsonSyntax syntax = JsonSyntax::value;
    std::optional<std::string> found;  // the character found, as shown; nothing at the end of the input
    JsonKind kind = JsonKind::none;  // the value found, when its kind is what is wrong
    std::string key;
    std::string value;  // the value found, as shown, when it is a string or number
    std::string allowed;  // the keys or items allowed
    std::size_t limit = 0;
};

// The problem in one line, in English or in French.
std::string wording(const InputProblem& problem, Language language);

// Bad input: unreadable, malformed JSON, an unknown or repeated key, a value that is not one of
// its list's items; or a tool's own complaint, already worded. The message is one line naming the
// exercise (from 1) and the key, in the user's language.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    explicit InputError(InputProblem problem)
        : std::runtime_error(wording(problem, userLanguage()))
        , m_problem(std::move(problem))
    {
    }

    const std::optional<InputProblem>& problem() const { return m_problem; }

private:
    std::optional<InputProblem> m_problem;
};

// The error's message in `language`; a tool's own complaint stays as it was written.
inline std::string wording(const InputError& error, Language language)
{
    return error.problem() ? wording(*error.problem(), language) : std::string(error.what());
}

}  // namespace tavelle
