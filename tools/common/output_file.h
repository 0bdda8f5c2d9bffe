#pragma once

#include "core/text/language.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavelle {

// Output that could not be written, with the system's reason, in the user's language: "cannot write
// standard output: No space left on device".
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An output stream whose every failure is reported: a full disk or a closed descriptor must not
// pass for success.
class OutputFile {
public:
    // `name` as the messages show it, in `language`.
    OutputFile(std::FILE* file, std::string name, Language language = userLanguage())
        : m_file(file)
        , m_name(std::move(name))
        , m_language(language)
    {
    }

    void write(std::string_view text);
    void flush();
    // Flushes and closes the stream; only then is everything known to be written.
    void close();

private:
    [[noreturn]] void fail() const;

    std::FILE* m_file;
    std::string m_name;
    Language m_language;
};

// Standard output, named in `language`.
OutputFile standardOutput(Language language = userLanguage());

// The file a path names, or "-" for the given standard stream, as the system tells them apart: the
// same file under another spelling or through a link is the same identity. Nothing when there is none.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> fileIdentity(const std::string& path, int standardStream);

}  // namespace tavelle
