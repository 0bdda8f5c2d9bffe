#include "shell/print_operation.h"

#include "core/application_identity.h"
#include "core/printer_choice.h"
#include "screens/paper_screen.h"
#include "screens/screen_window.h"
#include "shell/message_boxes.h"
#include "shell/printer_system.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace tavelle {

PrintOperation::PrintOperation(MessageBoxes& messages, PrinterSystem& printers)
    : m_messages(messages)
    , m_printers(printers)
{
}

void PrintOperation::noteSystemDefault(std::string printerName)
{
    if (!m_printed) m_currentPrinter = std::move(printerName);
}

void PrintOperation::printScreen(ScreenWindow& screen)
{
    // Hiding the pressed button takes its focus away; it gets it back with the buttons.
    QPointer<QWidget> focused = QApplication::focusWidget();

    m_printed = true;
    screen.setButtonsVisible(false);
    m_currentPrinter = chooseCurrentPrinter(m_printers.installedPrinters(), std::move(m_currentPrinter));
    const bool printed = !m_currentPrinter.empty() && m_printers.printPage(m_currentPrinter, PaperScreen(screen));
    if (!printed)
        m_messages.plain(toQString(applicationTitle), QStringLiteral("Impossible d'imprimer"));
    screen.setButtonsVisible(true);

    if (focused && focused->isVisible() && screen.isAncestorOf(focused)) focused->setFocus();
}

}  // namespace tavelle
