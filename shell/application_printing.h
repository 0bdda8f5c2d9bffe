#pragma once

#include "shell/default_printer_lookup.h"
#include "shell/print_operation.h"

#include <QString>

#include <chrono>

namespace tavelle {

class MessageBoxes;

// The application's printing, wired once: the print operation through the given print program, with the
// system's default printer noted from lpstat when asked.
class ApplicationPrinting final {
public:
    ApplicationPrinting(MessageBoxes& messages, const QString& printProgram,
                        std::chrono::milliseconds answerBound = PrintOperation::defaultAnswerBound);

    PrintOperation& operation() { return m_operation; }
    // Asks lpstat which printer is the default; the answer comes through the event loop.
    void noteDefaultPrinter() { m_defaultPrinter.start(); }
    bool defaultPrinterAnswered() const { return m_defaultPrinter.isDone(); }

private:
    PrintOperation m_operation;
    DefaultPrinterLookup m_defaultPrinter;
};

}  // namespace tavelle
