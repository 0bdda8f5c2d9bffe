// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/practice/trainee.h"

#include <QString>

#include <optional>

namespace tavelle {

// How the program was asked to run: as the walk-through, or in practice, on a file's exercises or
// on drawn ones.
struct Launch {
    bool practice = false;
    std::optional<QString> exercisesFile;
    // Who practises, when --stagiaire named them for this run.
    std::optional<Trainee> trainee;
    // The class database's connection for this run (--base), empty when the setting decides.
    QString classDatabase;
};

// Answers --help and --version, writes the trainee's progress as CSV for --progression FILE, and
// refuses anything else, before any window or display is needed. Returns the exit status when the
// program should end there, nothing when it should run as `launch` says: "tavelle FILE" and
// "tavelle --entrainement [FILE]" practise. When the help or the version cannot be written, one line on
// standard error and exit status 2. For the package's checks, a hidden --check-print-module loads the
// print module and ends with 0 when it loads, else 1 with the reason on standard error; a hidden
// --guide-file prints the user guide that F1 opens and ends with 0, or with 1 when there is none.
std::optional<int> answerCommandLine(int argc, char** argv, Launch& launch);

}  // namespace tavelle
