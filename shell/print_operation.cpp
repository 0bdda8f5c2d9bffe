#include "shell/print_operation.h"

#include "core/printer_choice.h"
#include "core/screen_id.h"
#include "screens/screen_window.h"
#include "shell/message_boxes.h"
#include "shell/printer_system.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <array>
#include <utility>

namespace tavelle {

namespace {

constexpr std::array<const char*, 4> screenButtons = {"Command1", "Command2", "Command3", "Command4"};

void setButtonsVisible(QWidget& screen, bool visible)
{
    for (const char* name : screenButtons)
        if (auto* button = screen.findChild<QWidget*>(QString::fromLatin1(name))) button->setVisible(visible);
}

}  // namespace

PrintOperation::PrintOperation(MessageBoxes& messages, PrinterSystem& printers)
    : m_messages(messages)
    , m_printers(printers)
{
    followDefaultPrinter();
}

void PrintOperation::followDefaultPrinter()
{
    m_currentPrinter = chooseCurrentPrinter(m_printers.installedPrinters(), std::move(m_currentPrinter));
}

void PrintOperation::printScreen(QWidget& screen)
{
    // Hiding the pressed button takes its focus away; it gets it back with the buttons.
    QPointer<QWidget> focused = QApplication::focusWidget();

    setButtonsVisible(screen, false);
    followDefaultPrinter();
    const bool printed = !m_currentPrinter.empty() && m_printers.printWindow(m_currentPrinter, screen);
    if (!printed)
        m_messages.plain(toQString(applicationTitle), QStringLiteral("Impossible d'imprimer"));
    setButtonsVisible(screen, true);

    if (focused && focused->isVisible() && screen.isAncestorOf(focused)) focused->setFocus();
}

}  // namespace tavelle
