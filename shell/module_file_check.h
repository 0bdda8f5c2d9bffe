#pragma once

#include <QString>

#include <optional>

namespace tavelle {

// Why the shared library `file` cannot be loaded into this program, told from its ELF headers before
// loading it: a truncated library would be mapped whole and kill the program at the first page
// beyond its end. Nothing when it looks loadable; the loader may still refuse it.
std::optional<QString> moduleFileProblem(const QString& file);

}  // namespace tavelle
