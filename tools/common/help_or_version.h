#pragma once

#include "tools/common/tool_command_line.h"

#include <optional>

namespace tavelle {

// Answers --help or --version on standard output: the tool's exit status when either was asked, nothing
// when the tool goes on. Throws WriteError when the answer cannot be written.
std::optional<int> answerHelpOrVersion(const ToolCommandLine& commandLine);

}  // namespace tavelle
