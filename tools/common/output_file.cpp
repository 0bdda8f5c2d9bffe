#include "tools/common/output_file.h"

#include "core/text/system_reason.h"
#include "tools/common/tool_texts.h"

#include <cerrno>

#include <sys/stat.h>

namespace tavelle {

void OutputFile::fail() const
{
    const int number = errno != 0 ? errno : EIO;
    throw WriteError(
        composed(kCannotWrite, m_language, {{"file", m_name}, {"reason", systemReason(number, m_language)}}));
}

OutputFile standardOutput(Language language)
{
    return OutputFile(stdout, std::string(kStandardOutput.in(language)), language);
}

void OutputFile::write(std::string_view text)
{
    if (std::fwrite(text.data(), 1, text.size(), m_file) != text.size()) fail();
}

void OutputFile::flush()
{
    if (std::fflush(m_file) != 0) fail();
}

void OutputFile::close()
{
    std::FILE* file = m_file;
    m_file = nullptr;
    if (std::fflush(file) != 0) {
        const int reason = errno;
        std::fclose(file);
        errno = reason;
        fail();
    }
    if (std::fclose(file) != 0) fail();
}

std::optional<FileIdentity> fileIdentity(const std::string& path, int standardStream)
{
    struct stat status {};
    const int result = path == "-" ? ::fstat(standardStream, &status) : ::stat(path.c_str(), &status);
    if (result != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

}  // namespace tavelle
