// Tavelle: the trainee's walk through one fire-fighting hydraulics exercise after another.
#include "shell/after_first_expose.h"
#include "shell/application_look.h"
#include "shell/deferred_print_operation.h"
#include "shell/first_expose_report.h"
#include "shell/navigator.h"
#include "shell/printer_system.h"
#include "shell/qt_message_boxes.h"
#include "platform/system_locale.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool displayAvailable()
{
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* program = argc > 0 ? argv[0] : "tavelle";
    if (!displayAvailable()) {
        std::fprintf(stderr, "%s: no display available (DISPLAY is not set); run it under Xvfb: xvfb-run -a %s\n",
                     program, program);
        return 1;
    }
    // The program takes no arguments; Qt must not read any either.
    if (argc > 1) std::fprintf(stderr, "%s: takes no arguments; ignoring them\n", program);
    int qtArgc = 1;
    char fallbackName[] = "tavelle";
    char* qtArgv[] = {argc > 0 ? argv[0] : fallbackName, nullptr};

    QApplication application(qtArgc, qtArgv);
    tavelle::applyApplicationLook();
    // Between two screens no window is open: only the flow ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // For bench/run_all.sh only, and only when asked (see first_expose_report.h).
    tavelle::reportFirstExposeWhenAsked();

    tavelle::QtMessageBoxes messages;
    tavelle::QtPrinterSystem printers;
    tavelle::DeferredPrintOperation printer(messages, printers);
    tavelle::Navigator navigator(messages, printer, tavelle::systemDecimalSeparator(),
                                 [] { QCoreApplication::exit(0); });
    tavelle::afterFirstExpose([&printer] { printer.setUp(); });
    navigator.start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
