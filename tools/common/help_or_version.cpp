#include "tools/common/help_or_version.h"

#include "tools/common/output_file.h"

#include <cstdio>

namespace tavelle {

std::optional<int> answerHelpOrVersion(const ToolCommandLine& commandLine)
{
    if (!commandLine.wantsHelp() && !commandLine.wantsVersion()) return std::nullopt;
    OutputFile output = standardOutput(commandLine.language());
    output.write(commandLine.wantsHelp() ? commandLine.helpText() : commandLine.versionText());
    output.close();
    return 0;
}

}  // namespace tavelle
