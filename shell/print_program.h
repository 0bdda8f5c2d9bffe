#pragma once

#include <QString>

namespace tavelle {

// The print program (tavelle-print) of the program that lies in `programDirectory`: it lies at the same
// place relative to the program in the build tree and in every install, whatever the prefix, in the
// package's private folder, which no search path names.
QString printProgramFile(const QString& programDirectory);
// ... of this program.
QString printProgramFile();

// For the package's checks: starts the print program as a print does and waits, within the print's
// bound, for its answer that it runs. When it does not, says why in one line on standard error.
bool printProgramRuns(const QString& file);

}  // namespace tavelle
