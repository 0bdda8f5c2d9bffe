#include "shell/application_printing.h"

#include <string>
#include <utility>

namespace tavelle {

ApplicationPrinting::ApplicationPrinting(MessageBoxes& messages, const QString& printProgram,
                                         std::chrono::milliseconds answerBound)
    : m_operation(messages, printProgram, answerBound)
    , m_defaultPrinter([this](std::string name) { m_operation.noteSystemDefault(std::move(name)); })
{
}

}  // namespace tavelle
