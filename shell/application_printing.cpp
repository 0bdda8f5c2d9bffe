#include "shell/application_printing.h"

#include <string>
#include <utility>

namespace tavelle {

ApplicationPrinting::ApplicationPrinting(MessageBoxes& messages, const QString& moduleFile)
    : m_printers(moduleFile)
    , m_operation(messages, m_printers)
    , m_defaultPrinter([this](std::string name) { m_operation.noteSystemDefault(std::move(name)); })
{
}

}  // namespace tavelle
