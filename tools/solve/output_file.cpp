#include "tools/solve/output_file.h"

#include <cerrno>
#include <cstring>

namespace tavelle {

void OutputFile::fail() const { throw WriteError("cannot write " + m_name + ": " + std::strerror(errno)); }

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

}  // namespace tavelle
