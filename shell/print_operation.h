#pragma once

#include "shell/print_thread.h"
#include "shell/screen_printer.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace tavelle {

class MessageBoxes;
class ScreenWindow;

// "Imprimer" of the statement, schematic and calculation screens: the screen printed as one page
// without its four buttons, on the application's current printer. The current printer is the system's
// default as noted at start-up; every print makes the default printer of that moment current, if there
// is one. The printers are looked up at the first print, not before. The print system is asked off the
// window's thread (print_thread.h): the screen paints on meanwhile, without its buttons, and the user's
// input is dropped until the print ends; a print it has not answered within `answerBound` fails.
class PrintOperation final : public ScreenPrinter {
public:
    static constexpr std::chrono::milliseconds defaultAnswerBound{15'000};

    PrintOperation(MessageBoxes& messages, PrinterSystem& printers,
                   std::chrono::milliseconds answerBound = defaultAnswerBound);

    // The system's default printer as noted at start-up becomes current, unless a print came first:
    // that print has already made the default of its moment current.
    void noteSystemDefault(std::string printerName);

    // Starts the print; it ends, the buttons back, when the print system answers or the bound is reached.
    void printScreen(ScreenWindow& screen) override;
    bool isPrinting() const { return m_printing; }

    // Empty when there is none.
    const std::string& currentPrinter() const { return m_currentPrinter; }

private:
    void finish(const std::optional<PrintThread::Answer>& answer);

    MessageBoxes& m_messages;
    std::chrono::milliseconds m_answerBound;
    std::string m_currentPrinter;
    bool m_printed = false;
    bool m_printing = false;
    QPointer<ScreenWindow> m_screen;
    QPointer<QWidget> m_focused;
    std::unique_ptr<QObject> m_inputDropper;
    // Last, so that it goes first: no answer comes after the rest is gone.
    PrintThread m_thread;
};

}  // namespace tavelle
