#include "shell/module_file_check.h"

#include <QFile>

#include <cstring>

#include <elf.h>
#include <link.h>

namespace tavelle {

namespace {

using Header = ElfW(Ehdr);
using ProgramHeader = ElfW(Phdr);

std::optional<Header> readHeader(QFile& file)
{
    Header header{};
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64(sizeof header)) return std::nullopt;
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0) return std::nullopt;
    return header;
}

// The class, byte order and machine of this program, which a library it loads must share.
std::optional<Header> ownHeader()
{
    QFile program(QStringLiteral("/proc/self/exe"));
    if (!program.open(QIODevice::ReadOnly)) return std::nullopt;
    return readHeader(program);
}

}  // namespace

std::optional<QString> moduleFileProblem(const QString& path)
{
    QFile file(path);
    if (!file.exists()) return QStringLiteral("no such file");
    if (!file.open(QIODevice::ReadOnly)) return file.errorString();
    const std::optional<Header> header = readHeader(file);
    if (!header) return QStringLiteral("not a shared library (invalid ELF header)");
    const std::optional<Header> own = ownHeader();
    if (own && (header->e_ident[EI_CLASS] != own->e_ident[EI_CLASS] ||
                header->e_ident[EI_DATA] != own->e_ident[EI_DATA] || header->e_machine != own->e_machine))
        return QStringLiteral("made for another machine (ELF class %1, machine %2; this program's: class %3, machine %4)")
            .arg(header->e_ident[EI_CLASS])
            .arg(header->e_machine)
            .arg(own->e_ident[EI_CLASS])
            .arg(own->e_machine);
    if (header->e_type != ET_DYN) return QStringLiteral("not a shared library (ELF type %1)").arg(header->e_type);

    const auto size = static_cast<quint64>(file.size());
    const auto truncated = [size](quint64 needed) {
        return QStringLiteral("truncated: %1 bytes where its headers need %2").arg(size).arg(needed);
    };
    const quint64 programHeadersEnd = header->e_phoff + quint64(header->e_phnum) * sizeof(ProgramHeader);
    if (header->e_phentsize != sizeof(ProgramHeader) || programHeadersEnd > size) return truncated(programHeadersEnd);
    const quint64 sectionHeadersEnd = header->e_shoff + quint64(header->e_shnum) * header->e_shentsize;
    if (sectionHeadersEnd > size) return truncated(sectionHeadersEnd);
    if (!file.seek(qint64(header->e_phoff))) return file.errorString();
    for (int i = 0; i < header->e_phnum; ++i) {
        ProgramHeader segment{};
        if (file.read(reinterpret_cast<char*>(&segment), sizeof segment) != qint64(sizeof segment))
            return file.errorString();
        const quint64 segmentEnd = segment.p_offset + segment.p_filesz;
        if (segment.p_type == PT_LOAD && segmentEnd > size) return truncated(segmentEnd);
    }
    return std::nullopt;
}

}  // namespace tavelle
