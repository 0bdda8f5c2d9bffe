#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavelle {

// Output that could not be written, with the system's reason: "cannot write standard output: No
// space left on device".
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An output stream whose every failure is reported: a full disk or a closed descriptor must not
// pass for success.
class OutputFile {
public:
    OutputFile(std::FILE* file, std::string name) : m_file(file), m_name(std::move(name)) {}

    void write(std::string_view text);
    void flush();
    // Flushes and closes the stream; only then is everything known to be written.
    void close();

private:
    [[noreturn]] void fail() const;

    std::FILE* m_file;
    std::string m_name;
};

}  // namespace tavelle
