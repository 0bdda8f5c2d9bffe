#pragma once

#include "core/text/language.h"

#include <optional>
#include <string>

namespace tavelle {

// The class report's form in the synopsis, without the program's name.
std::string classReportForm(Language language);

// True when the command line asks for a class report (--bilan) rather than exam sheets.
bool asksForClassReport(int argc, char** argv);

// tavelle-sheets --bilan: reads progress exports and writes the class report as an A4 PDF; the exit status.
int runClassReport(int argc, char** argv);

}  // namespace tavelle
