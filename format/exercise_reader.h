#pragma once

#include "core/screens/walkthrough.h"
#include "format/input_error.h"
#include "format/json_tokenizer.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tavelle {

// Reads exercises one at a time: an object whose keys are record fields filled by the entry lists,
// or an array of such objects. A value is the chosen item, as a string or a number; missing, null
// or "" is an empty list. Holds one exercise at a time, never the document, and recurses nowhere:
// an exercise longer than `exerciseLimit` bytes, from its '{' to its '}', is refused. A UTF-8
// byte-order mark before the document is skipped.
class ExerciseReader {
public:
    static constexpr std::size_t exerciseLimit = 64 * 1024;

    // Reads `file`, called `name` in messages; the caller keeps it open.
    ExerciseReader(std::FILE* file, std::string name);
    // Reads `text`, which must outlive the reader.
    explicit ExerciseReader(std::string_view text);

    // Called before the reader waits for more input: a filter flushes its output there, so that a
    // result is out before the next exercise is awaited.
    void beforeWaiting(std::function<void()> action) { m_json.beforeWaiting(std::move(action)); }

    // Reads up to the first exercise; true when the document is an array, which is one run: the
    // record carries over from one exercise to the next.
    bool readStart();

    // The next exercise, or nothing once the end of the document, and nothing after it, is read.
    std::optional<ExerciseInput> next();

private:
    enum class State { start, single, firstElement, afterElement, done };

    void readEnd();
    ExerciseInput readExercise();

    JsonTokenizer m_json;
    State m_state = State::start;
    std::size_t m_exerciseNumber = 1;
};

// A class's set for a term fits many times over: a file or a draw beyond this is not one set, for
// practice or for exam sheets.
inline constexpr std::size_t mostExercisesInASet = 10'000;

// The exercises of a file named on a command line, or of standard input for "-": opens it, or
// throws InputError with the system's reason, and closes it at the end.
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
