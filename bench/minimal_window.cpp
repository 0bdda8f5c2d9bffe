// The yardstick for the application's start-up and memory: the smallest Qt Widgets window, a widget
// with one label, built with the same Qt and flags, reporting its first expose the same way.
#include "shell/first_expose_report.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    tavelle::reportFirstExposeWhenAsked();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Hello"), &window));
    window.show();
    return QApplication::exec();
}
