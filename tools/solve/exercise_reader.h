#pragma once

#include "core/walkthrough.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavelle {

// Bad input: unreadable, malformed JSON, an unknown or repeated key, a value that is not one of
// its list's items. The message is one line naming the exercise (from 1) and the key.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads exercises one at a time: an object whose keys are record fields filled by the entry lists,
// or an array of such objects. A value is the chosen item, as a string or a number; missing, null
// or "" is an empty list. Holds one exercise at a time, never the document, and recurses nowhere:
// an exercise longer than `exerciseLimit` bytes is refused.
class ExerciseReader {
public:
    static constexpr std::size_t exerciseLimit = 64 * 1024;

    // Reads `file`, called `name` in messages; the caller keeps it open.
    ExerciseReader(std::FILE* file, std::string name);
    // Reads `text`, which must outlive the reader.
    explicit ExerciseReader(std::string_view text);

    // Called before the reader waits for more input: a filter flushes its output there, so that a
    // result is out before the next exercise is awaited.
    void beforeWaiting(std::function<void()> action) { m_beforeWaiting = std::move(action); }

    // Reads up to the first exercise; true when the document is an array, which is one run: the
    // record carries over from one exercise to the next.
    bool readStart();

    // The next exercise, or nothing once the end of the document, and nothing after it, is read.
    std::optional<ExerciseInput> next();

private:
    enum class State { start, single, firstElement, afterElement, done };

    int peek();
    void advance();
    int take();
    void skipBlanks();
    void expect(char wanted, std::string_view what);
    void readEnd();
    void countByte();
    ExerciseInput readExercise();
    std::string readString();
    std::string readNumber();
    void readLiteral(std::string_view literal);
    void refill();

    [[noreturn]] void malformed(std::string_view what);
    std::string exerciseName() const;

    std::FILE* m_file = nullptr;
    std::function<void()> m_beforeWaiting;
    std::string m_name;
    std::vector<char> m_buffer;
    const char* m_position = nullptr;
    const char* m_end = nullptr;
    bool m_atEnd = false;
    State m_state = State::start;
    std::size_t m_line = 1;
    std::size_t m_column = 1;
    std::size_t m_bytesOfExercise = 0;
    std::size_t m_exerciseNumber = 1;
    bool m_inExercise = false;
};

// The exercises of a file named on a command line, or of standard input for "-": opens it, or
// throws InputError with the system's reason ("No such file or directory"), and closes it at the end.
class ExerciseFile {
public:
    explicit ExerciseFile(const std::string& path);

    ExerciseReader& reader() { return *m_reader; }

private:
    struct Closer {
        void operator()(std::FILE* file) const;
    };
    std::unique_ptr<std::FILE, Closer> m_file;
    std::optional<ExerciseReader> m_reader;
};

}  // namespace tavelle
