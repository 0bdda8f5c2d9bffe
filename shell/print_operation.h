#pragma once

#include "shell/screen_printer.h"

#include <string>

namespace tavelle {

class MessageBoxes;
class PrinterSystem;

// "Imprimer" of the statement, schematic and calculation screens: the screen printed as one page
// without its four buttons, on the application's current printer. The current printer is the system's
// default as noted at start-up; every print makes the default printer of that moment current, if there
// is one. The printers are looked up at the first print, not before.
class PrintOperation final : public ScreenPrinter {
public:
    PrintOperation(MessageBoxes& messages, PrinterSystem& printers);

    // The system's default printer as noted at start-up becomes current, unless a print came first:
    // that print has already made the default of its moment current.
    void noteSystemDefault(std::string printerName);

    void printScreen(ScreenWindow& screen) override;

    // Empty when there is none.
    const std::string& currentPrinter() const { return m_currentPrinter; }

private:
    MessageBoxes& m_messages;
    PrinterSystem& m_printers;
    std::string m_currentPrinter;
    bool m_printed = false;
};

}  // namespace tavelle
