#pragma once

#include "shell/screen_printer.h"

#include <string>

namespace tavelle {

class MessageBoxes;
class PrinterSystem;

// "Imprimer" of the statement, schematic and calculation screens: the screen printed as one page
// without its four buttons, on the application's current printer. The current printer is the system's
// default at start; every print makes the default printer of that moment current, if there is one.
class PrintOperation final : public ScreenPrinter {
public:
    PrintOperation(MessageBoxes& messages, PrinterSystem& printers);

    void printScreen(ScreenWindow& screen) override;

    // Empty when there is none.
    const std::string& currentPrinter() const { return m_currentPrinter; }

private:
    void followDefaultPrinter();

    MessageBoxes& m_messages;
    PrinterSystem& m_printers;
    std::string m_currentPrinter;
};

}  // namespace tavelle
