// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace tavelle {

// Answers --help and --version and refuses anything else (the application takes no arguments),
// before any window or display is needed. Returns the exit status when the program should end
// there, nothing when it should run. A hidden --check-print-module, for the package's checks, loads
// the print module and ends with 0 when it loads, else 1 with the reason on standard error.
std::optional<int> answerCommandLine(int argc, char** argv);

}  // namespace tavelle
