#include "tools/common/output_file.h"

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace tavelle {

void OutputFile::fail() const
{
    throw WriteError("cannot write " + m_name + ": " + std::strerror(errno));
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
