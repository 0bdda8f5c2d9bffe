#pragma once

#include "format/input_error.h"

#include <cstddef>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// What a JSON value is, from its first byte; none when no value starts so.
JsonKind jsonKindStartingWith(int c);

// Reads JSON a byte at a time from a stream or a text, counting lines and columns, and gives its
// strings, numbers and literals as the caller asks for them: the caller holds the grammar, the
// tokenizer never more than one string. Malformed JSON throws InputError with its line and column
// ("malformed JSON at line 3, column 7: expected ':' after a key, found '}'").
class JsonTokenizer {
public:
    static constexpr int end = -1;

    // Reads `file`, called `name` in messages (empty for standard input); the caller keeps it open.
    JsonTokenizer(std::FILE* file, std::string name);
    // Reads `text`, which must outlive the tokenizer.
    explicit JsonTokenizer(std::string_view text);

    // Called before the tokenizer waits for more input.
    void beforeWaiting(std::function<void()> action) { m_beforeWaiting = std::move(action); }

    // The exercise (from 1) every malformed-JSON message names; 0 for none.
    void setExercise(std::size_t exercise) { m_exercise = exercise; }

    // From now on, reading more than `limit` bytes calls `overLimit`, which throws; `limitless()` ends it.
    void limitBytes(std::size_t limit, std::function<void()> overLimit);
    void limitless() { m_budget = std::numeric_limits<std::size_t>::max(); }

    // The next byte, or `end`.
    int peek();
    void advance();
    void skipBlanks();
    // Skips a UTF-8 byte-order mark, as editors on Windows write one at the start of a file.
    void skipByteOrderMark();
    void expect(char wanted, JsonSyntax what);

    // At a '"': the string, its escapes decoded to UTF-8.
    std::string readString();
    // At a '-' or digit: the number as written.
    std::string readNumber();
    void readLiteral(std::string_view literal);

    // `what` was expected at the current position.
    [[noreturn]] void malformed(JsonSyntax what);

private:
    void refill();
    char32_t readHexDigits();

    std::FILE* m_file = nullptr;
    std::function<void()> m_beforeWaiting;
    std::string m_name;
    std::size_t m_exercise = 0;
    std::vector<char> m_buffer;
    const char* m_position = nullptr;
    const char* m_end = nullptr;
    bool m_atEnd = false;
    std::size_t m_line = 1;
    std::size_t m_column = 1;
    std::size_t m_budget = std::numeric_limits<std::size_t>::max();
    std::function<void()> m_overLimit;
};

}  // namespace tavelle
