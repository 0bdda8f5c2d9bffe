#include "tools/solve/exercise_reader.h"

#include "core/entry_screens.h"
#include "tools/solve/printable_text.h"

#include <algorithm>
#include <bitset>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include <unistd.h>

namespace tavelle {

namespace {

constexpr int kEnd = -1;

bool isDigit(int c) { return c >= '0' && c <= '9'; }

// What a value is, from its first character; empty when no JSON value starts so.
std::string_view kindStartingWith(int c)
{
    if (c == '{') return "an object";
    if (c == '[') return "an array";
    if (c == '"') return "a string";
    if (c == 't' || c == 'f') return "a boolean";
    if (c == 'n') return "null";
    if (c == '-' || isDigit(c)) return "a number";
    return {};
}

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

void appendUtf8(std::string& text, char32_t codePoint)
{
    const auto byte = [&](char32_t bits) { text += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        byte(codePoint);
    } else if (codePoint < 0x800) {
        byte(0xC0 | (codePoint >> 6));
        byte(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        byte(0xE0 | (codePoint >> 12));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    } else {
        byte(0xF0 | (codePoint >> 18));
        byte(0x80 | ((codePoint >> 12) & 0x3F));
        byte(0x80 | ((codePoint >> 6) & 0x3F));
        byte(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

ExerciseReader::ExerciseReader(std::FILE* file, std::string name)
    : m_file(file), m_name(std::move(name)), m_buffer(64 * 1024)
{
}

ExerciseReader::ExerciseReader(std::string_view text)
    : m_position(text.data()), m_end(text.data() + text.size()), m_atEnd(true)
{
}

void ExerciseReader::refill()
{
    if (m_beforeWaiting) m_beforeWaiting();
    // read() rather than fread(): it returns what has arrived instead of waiting for a full buffer.
    ssize_t count = 0;
    do {
        count = ::read(::fileno(m_file), m_buffer.data(), m_buffer.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0) throw InputError("cannot read " + m_name + ": " + std::strerror(errno));
    if (count == 0) m_atEnd = true;
    m_position = m_buffer.data();
    m_end = m_position + count;
}

int ExerciseReader::peek()
{
    if (m_position == m_end) {
        if (m_atEnd) return kEnd;
        refill();
        if (m_position == m_end) return kEnd;
    }
    return static_cast<unsigned char>(*m_position);
}

void ExerciseReader::advance()
{
    if (*m_position == '\n') {
        ++m_line;
        m_column = 1;
    } else {
        ++m_column;
    }
    ++m_position;
    countByte();
}

void ExerciseReader::countByte()
{
    if (++m_bytesOfExercise > exerciseLimit)
        throw InputError("exercise " + std::to_string(m_exerciseNumber) + " is longer than " +
                         std::to_string(exerciseLimit) + " bytes (blanks included), the most one exercise may take");
}

int ExerciseReader::take()
{
    const int c = peek();
    if (c != kEnd) advance();
    return c;
}

void ExerciseReader::skipBlanks()
{
    for (int c = peek(); c == ' ' || c == '\n' || c == '\t' || c == '\r'; c = peek()) advance();
}

void ExerciseReader::malformed(std::string_view what)
{
    std::string message = m_inExercise ? exerciseName() + ": " : std::string();
    message += "malformed JSON at line " + std::to_string(m_line) + ", column " + std::to_string(m_column) + ": ";
    message += what;
    const int c = peek();
    if (c == kEnd) message += ", found the end of the input";
    else message += ", found '" + printableText(std::string(1, static_cast<char>(c))) + "'";
    throw InputError(message);
}

std::string ExerciseReader::exerciseName() const { return "exercise " + std::to_string(m_exerciseNumber); }

void ExerciseReader::expect(char wanted, std::string_view what)
{
    if (peek() != static_cast<unsigned char>(wanted)) malformed(what);
    advance();
}

bool ExerciseReader::readStart()
{
    skipBlanks();
    const int c = peek();
    if (c == '[') {
        advance();
        m_state = State::firstElement;
        return true;
    }
    if (c == '{') {
        m_state = State::single;
        return false;
    }
    const std::string_view kind = kindStartingWith(c);
    if (kind.empty()) malformed("expected an exercise object or an array of exercises");
    throw InputError("expected an exercise object or an array of exercises, got " + std::string(kind));
}

void ExerciseReader::readEnd()
{
    skipBlanks();
    if (peek() != kEnd) malformed("trailing data after the document");
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
    skipBlanks();
    if (m_state == State::afterElement) {
        if (peek() == ',') {
            advance();
            skipBlanks();
        } else if (peek() == ']') {
            advance();
            readEnd();
            return std::nullopt;
        } else {
            malformed("expected ',' or ']' after an exercise");
        }
    } else if (peek() == ']') {
        advance();
        readEnd();
        return std::nullopt;
    }
    const int c = peek();
    if (c != '{') {
        const std::string_view kind = kindStartingWith(c);
        if (kind.empty()) malformed("expected an exercise object");
        throw InputError(exerciseName() + ": expected an object of list choices, got " + std::string(kind));
    }
    ExerciseInput exercise = readExercise();
    m_state = State::afterElement;
    return exercise;
}

ExerciseInput ExerciseReader::readExercise()
{
    m_inExercise = true;
    ExerciseInput input;
    std::bitset<32> seen;
    advance();
    skipBlanks();
    if (peek() == '}') {
        advance();
    } else {
        for (;;) {
            skipBlanks();
            if (peek() != '"') malformed("expected a key in double quotes");
            const std::string name = readString();
            const EntryList* key = findEntryListByKey(name);
            if (!key)
                throw InputError(exerciseName() + ": unknown key \"" + printableText(name) +
                                 "\"; allowed keys: " + allKeyNames());
            const auto index = static_cast<std::size_t>(key - allEntryLists().data());
            const std::string where = exerciseName() + ", key \"" + std::string(key->key) + "\"";
            if (seen.test(index)) throw InputError(where + ": the key is given twice; give each key once");
            seen.set(index);

            skipBlanks();
            expect(':', "expected ':' after a key");
            skipBlanks();
            const int c = peek();
            std::optional<std::string> item;
            std::string shown;
            if (c == '"') {
                item = readString();
                shown = "\"" + printableText(*item) + "\"";
            } else if (c == '-' || isDigit(c)) {
                const std::string literal = readNumber();
                item = numberItem(literal);
                shown = printableText(literal);
            } else if (c == 'n') {
                readLiteral("null");
                item = std::string();
            } else if (c == 't' || c == 'f') {
                readLiteral(c == 't' ? "true" : "false");
                shown = c == 't' ? "true" : "false";
            } else if (c == '[' || c == '{') {
                // Refused at its first character: a nested value is never read, however deep.
                shown = c == '[' ? "an array" : "an object";
            } else {
                malformed("expected a value");
            }
            const bool allowed = item && (item->empty() || std::find(key->items.begin(), key->items.end(), *item) !=
                                                               key->items.end());
            if (!allowed)
                throw InputError(where + ": " + (c == '[' || c == '{' ? shown : "value " + shown) +
                                 " is not an item of this list; allowed: " + joined(key->items) +
                                 " (or null/\"\" for no choice)");
            key->choice(input) = std::move(*item);

            skipBlanks();
            if (peek() == '}') {
                advance();
                break;
            }
            expect(',', "expected ',' or '}' after a value");
        }
    }
    m_inExercise = false;
    ++m_exerciseNumber;
    m_bytesOfExercise = 0;
    return input;
}

std::string ExerciseReader::readString()
{
    advance();
    std::string text;
    const auto hexDigits = [&]() {
        char32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const int c = peek();
            int digit = 0;
            if (isDigit(c)) digit = c - '0';
            else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            else malformed("expected four hexadecimal digits after \\u");
            advance();
            value = value * 16 + static_cast<char32_t>(digit);
        }
        return value;
    };
    for (;;) {
        const int c = peek();
        if (c == kEnd) malformed("unterminated string");
        if (c < 0x20) malformed("control character in a string (write it as an escape such as \\n)");
        advance();
        if (c == '"') return text;
        if (c != '\\') {
            text += static_cast<char>(c);
            continue;
        }
        const int escape = peek();
        switch (escape) {
        case '"': case '\\': case '/': text += static_cast<char>(escape); break;
        case 'b': text += '\b'; break;
        case 'f': text += '\f'; break;
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        case 't': text += '\t'; break;
        case 'u': {
            advance();
            char32_t codePoint = hexDigits();
            if (codePoint >= 0xDC00 && codePoint <= 0xDFFF) malformed("a \\u escape of a lone low surrogate");
            if (codePoint >= 0xD800 && codePoint <= 0xDBFF) {
                if (peek() != '\\') malformed("a high surrogate without its low surrogate");
                advance();
                if (peek() != 'u') malformed("a high surrogate without its low surrogate");
                advance();
                const char32_t low = hexDigits();
                if (low < 0xDC00 || low > 0xDFFF) malformed("a high surrogate without its low surrogate");
                codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
            }
            appendUtf8(text, codePoint);
            continue;
        }
        default: malformed("invalid escape in a string");
        }
        advance();
    }
}

std::string ExerciseReader::readNumber()
{
    std::string literal;
    const auto digits = [&](std::string_view what) {
        if (!isDigit(peek())) malformed(what);
        while (isDigit(peek())) literal += static_cast<char>(take());
    };
    if (peek() == '-') literal += static_cast<char>(take());
    if (peek() == '0') literal += static_cast<char>(take());
    else digits("expected a digit in a number");
    if (peek() == '.') {
        literal += static_cast<char>(take());
        digits("expected a digit after the decimal point");
    }
    if (peek() == 'e' || peek() == 'E') {
        literal += static_cast<char>(take());
        if (peek() == '+' || peek() == '-') literal += static_cast<char>(take());
        digits("expected a digit in the exponent");
    }
    return literal;
}

void ExerciseReader::readLiteral(std::string_view literal)
{
    for (const char c : literal) {
        if (peek() != static_cast<unsigned char>(c)) malformed("expected true, false or null");
        advance();
    }
}

ExerciseFile::ExerciseFile(const std::string& path)
{
    if (path == "-") {
        m_reader.emplace(stdin, "standard input");
        return;
    }
    const std::string shown = printableText(path, kLongestPathShown);
    m_file.reset(std::fopen(path.c_str(), "rb"));
    if (!m_file) throw InputError("cannot read " + shown + ": " + std::strerror(errno));
    m_reader.emplace(m_file.get(), shown);
}

void ExerciseFile::Closer::operator()(std::FILE* file) const { std::fclose(file); }

}  // namespace tavelle
