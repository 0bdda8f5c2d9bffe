#include "format/exercise_reader.h"

#include "core/screens/entry_screens.h"
#include "format/printable_text.h"

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tavelle {

namespace {

constexpr int kEnd = JsonTokenizer::end;

std::string joined(std::span<const std::string_view> items)
{
    std::string text;
    for (std::string_view item : items) {
        if (!text.empty()) text += ", ";
        text += item;
    }
    return text;
}

std::string allKeyNames()
{
    std::string text;
    for (const EntryList& key : allEntryLists()) {
        if (!text.empty()) text += ", ";
        text += key.key;
    }
    return text;
}

// A number as a list item: whole numbers in plain digits, whatever their spelling (5e2, 500.0);
// nothing for fractions and for numbers that no double holds.
std::optional<std::string> numberItem(const std::string& literal)
{
    const char* first = literal.data();
    const char* last = first + literal.size();
    if (literal.find_first_of(".eE") == std::string::npos && literal.size() <= 16) {
        long long whole = 0;
        std::from_chars(first, last, whole);
        return std::to_string(whole);
    }
    double number = 0;
    if (std::from_chars(first, last, number).ec != std::errc()) return std::nullopt;
    if (std::trunc(number) != number || std::fabs(number) >= 1e15) return std::nullopt;
    return std::to_string(static_cast<long long>(number));
}

}  // namespace

ExerciseReader::ExerciseReader(std::FILE* file, std::string name)
    : m_json(file, std::move(name))
{
}

ExerciseReader::ExerciseReader(std::string_view text)
    : m_json(text)
{
}

bool ExerciseReader::readStart()
{
    m_json.skipByteOrderMark();
    m_json.skipBlanks();
    const int c = m_json.peek();
    if (c == '[') {
        m_json.advance();
        m_state = State::firstElement;
        return true;
    }
    if (c == '{') {
        m_state = State::single;
        return false;
    }
    InputProblem problem;
    problem.fault = InputFault::notADocument;
    problem.kind = jsonKindStartingWith(c);
    if (problem.kind == JsonKind::none) m_json.malformed(JsonSyntax::exerciseOrArray);
    throw InputError(std::move(problem));
}

void ExerciseReader::readEnd()
{
    m_json.skipBlanks();
    if (m_json.peek() != kEnd) m_json.malformed(JsonSyntax::trailingData);
    m_state = State::done;
}

std::optional<ExerciseInput> ExerciseReader::next()
{
    if (m_state == State::start) readStart();
    if (m_state == State::done) return std::nullopt;
    if (m_state == State::single) {
        ExerciseInput exercise = readExercise();
        readEnd();
        return exercise;
    }
    m_json.skipBlanks();
    if (m_state == State::afterElement) {
        if (m_json.peek() == ',') {
            m_json.advance();
            m_json.skipBlanks();
        } else if (m_json.peek() == ']') {
            m_json.advance();
            readEnd();
            return std::nullopt;
        } else {
            m_json.malformed(JsonSyntax::commaOrBracket);
        }
    } else if (m_json.peek() == ']') {
        m_json.advance();
        readEnd();
        return std::nullopt;
    }
    const int c = m_json.peek();
    if (c != '{') {
        InputProblem problem;
        problem.fault = InputFault::notAnExercise;
        problem.exercise = m_exerciseNumber;
        problem.kind = jsonKindStartingWith(c);
        if (problem.kind == JsonKind::none) m_json.malformed(JsonSyntax::exerciseObject);
        throw InputError(std::move(problem));
    }
    ExerciseInput exercise = readExercise();
    m_state = State::afterElement;
    return exercise;
}

ExerciseInput ExerciseReader::readExercise()
{
    m_json.setExercise(m_exerciseNumber);
    m_json.limitBytes(exerciseLimit, [this] {
        InputProblem problem;
        problem.fault = InputFault::exerciseTooLong;
        problem.exercise = m_exerciseNumber;
        problem.limit = exerciseLimit;
        throw InputError(std::move(problem));
    });
    // What is wrong with one of this exercise's keys.
    const auto keyProblem = [this](InputFault fault, std::string key) {
        InputProblem problem;
        problem.fault = fault;
        problem.exercise = m_exerciseNumber;
        problem.key = std::move(key);
        return problem;
    };
    ExerciseInput input;
    std::bitset<32> seen;
    m_json.advance();
    m_json.skipBlanks();
    if (m_json.peek() == '}') {
        m_json.advance();
    } else {
        for (;;) {
            m_json.skipBlanks();
            if (m_json.peek() != '"') m_json.malformed(JsonSyntax::quotedKey);
            const std::string name = m_json.readString();
            const EntryList* key = findEntryListByKey(name);
            if (!key) {
                InputProblem problem = keyProblem(InputFault::unknownKey, printableText(name));
                problem.allowed = allKeyNames();
                throw InputError(std::move(problem));
            }
            const auto index = static_cast<std::size_t>(key - allEntryLists().data());
            if (seen.test(index)) throw InputError(keyProblem(InputFault::repeatedKey, std::string(key->key)));
            seen.set(index);

            m_json.skipBlanks();
            m_json.expect(':', JsonSyntax::colon);
            m_json.skipBlanks();
            const int c = m_json.peek();
            std::optional<std::string> item;
            std::string shown;
            JsonKind nested = JsonKind::none;
            if (c == '"') {
                item = m_json.readString();
                shown = "\"" + printableText(*item) + "\"";
            } else if (c == '-' || (c >= '0' && c <= '9')) {
                const std::string literal = m_json.readNumber();
                item = numberItem(literal);
                shown = printableText(literal);
            } else if (c == 'n') {
                m_json.readLiteral("null");
                item = std::string();
            } else if (c == 't' || c == 'f') {
                m_json.readLiteral(c == 't' ? "true" : "false");
                shown = c == 't' ? "true" : "false";
            } else if (c == '[' || c == '{') {
                // Refused at its first character: a nested value is never read, however deep.
                nested = c == '[' ? JsonKind::array : JsonKind::object;
            } else {
                m_json.malformed(JsonSyntax::value);
            }
            const bool allowed =
                item && (item->empty() || std::find(key->items.begin(), key->items.end(), *item) != key->items.end());
            if (!allowed) {
                InputProblem problem = keyProblem(InputFault::notAnItem, std::string(key->key));
                problem.value = std::move(shown);
                problem.kind = nested;
                problem.allowed = joined(key->items);
                throw InputError(std::move(problem));
            }
            key->choice(input) = std::move(*item);

            m_json.skipBlanks();
            if (m_json.peek() == '}') {
                m_json.advance();
                break;
            }
            m_json.expect(',', JsonSyntax::commaOrBrace);
        }
    }
    // What follows an exercise, blanks or the end of the document, is no part of it.
    m_json.limitless();
    m_json.setExercise(0);
    ++m_exerciseNumber;
    return input;
}

ExerciseFile::ExerciseFile(const std::string& path)
{
    if (path == "-") {
        m_reader.emplace(stdin, std::string());
        return;
    }
    const std::string shown = printableText(path, kLongestPathShown);
    m_file.reset(std::fopen(path.c_str(), "rb"));
    if (!m_file) {
        InputProblem problem;
        problem.fault = InputFault::cannotRead;
        problem.file = shown;
        problem.systemError = errno;
        throw InputError(std::move(problem));
    }
    m_reader.emplace(m_file.get(), shown);
}

void ExerciseFile::Closer::operator()(std::FILE* file) const
{
    std::fclose(file);
}

}  // namespace tavelle
