#include "shell/print_operation.h"

#include "core/application_identity.h"
#include "screens/paper_screen.h"
#include "screens/screen_window.h"
#include "shell/message_boxes.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace tavelle {

namespace {

// Drops the user's input while it lives: nothing pressed during a print happens, then or after it.
class InputDropper final : public QObject {
public:
    InputDropper() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputDropper() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputDropper(const InputDropper&) = delete;
    InputDropper& operator=(const InputDropper&) = delete;

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        // A window closed through its frame would end the program in the middle of the print.
        case QEvent::Close: event->ignore(); return true;
        default: return false;
        }
    }
};

}  // namespace

PrintOperation::PrintOperation(MessageBoxes& messages, PrinterSystem& printers, std::chrono::milliseconds answerBound)
    : m_messages(messages)
    , m_answerBound(answerBound)
    , m_thread(printers)
{
}

void PrintOperation::noteSystemDefault(std::string printerName)
{
    if (!m_printed) m_currentPrinter = std::move(printerName);
}

void PrintOperation::printScreen(ScreenWindow& screen)
{
    // A press that reaches here during a print, by no input of the user's, is dropped as theirs are.
    if (m_printing) return;
    m_printing = true;
    m_printed = true;
    // Hiding the pressed button takes its focus away; it gets it back with the buttons.
    m_focused = QApplication::focusWidget();
    m_screen = &screen;
    screen.setButtonsVisible(false);
    m_inputDropper = std::make_unique<InputDropper>();
    m_thread.print(PaperScreen(screen), m_currentPrinter, m_answerBound,
                   [this](const std::optional<PrintThread::Answer>& answer) { finish(answer); });
}

void PrintOperation::finish(const std::optional<PrintThread::Answer>& answer)
{
    m_inputDropper.reset();
    if (answer) m_currentPrinter = answer->printer;
    if (!answer || !answer->printed)
        m_messages.plain(toQString(applicationTitle), QStringLiteral("Impossible d'imprimer"));
    if (m_screen) {
        m_screen->setButtonsVisible(true);
        if (m_focused && m_focused->isVisible() && m_screen->isAncestorOf(m_focused)) m_focused->setFocus();
    }
    m_printing = false;
}

}  // namespace tavelle
