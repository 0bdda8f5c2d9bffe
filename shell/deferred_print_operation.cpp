#include "shell/deferred_print_operation.h"

namespace tavelle {

DeferredPrintOperation::DeferredPrintOperation(MessageBoxes& messages, PrinterSystem& printers)
    : m_messages(messages)
    , m_printers(printers)
{
}

void DeferredPrintOperation::setUp()
{
    if (!m_operation) m_operation.emplace(m_messages, m_printers);
}

void DeferredPrintOperation::printScreen(ScreenWindow& screen)
{
    setUp();
    m_operation->printScreen(screen);
}

}  // namespace tavelle
