#include "shell/qt_message_boxes.h"

#include <QMessageBox>

namespace tavelle {

namespace {

// Without a parent: the entry screens' warnings come after their screen has closed.
void showBox(QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

}  // namespace

void QtMessageBoxes::warning(const QString& text)
{
    showBox(QMessageBox::Warning, QStringLiteral("ATTENTION !!"), text);
}

void QtMessageBoxes::information(const QString& title, const QString& text)
{
    showBox(QMessageBox::Information, title, text);
}

void QtMessageBoxes::plain(const QString& title, const QString& text)
{
    showBox(QMessageBox::NoIcon, title, text);
}

}  // namespace tavelle
