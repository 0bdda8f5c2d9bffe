// Tavelle: the trainee's walk through one fire-fighting hydraulics exercise after another.
#include "classdb/class_database_setting.h"
#include "core/application_identity.h"
#include "platform/qt_own_texts.h"
#include "platform/system_locale.h"
#include "screens/application_look.h"
#include "shell/after_first_expose.h"
#include "shell/application_printing.h"
#include "shell/application_start.h"
#include "shell/command_line.h"
#include "shell/first_expose_report.h"
#include "shell/navigator.h"
#include "shell/orderly_end.h"
#include "shell/practice.h"
#include "shell/practice_start.h"
#include "shell/print_program.h"
#include "shell/progress_module.h"
#include "shell/qt_message_boxes.h"
#include "shell/user_guide.h"
#include "shell/waiting_attempts.h"

#include <QApplication>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

int main(int argc, char** argv)
{
    tavelle::Launch launch;
    if (const std::optional<int> status = tavelle::answerCommandLine(argc, argv, launch)) return *status;

    // Qt reads no arguments of the user's; its "-name" gives the windows the application id as their
    // X11 class, which the desktop entry's StartupWMClass names.
    int qtArgc = 3;
    char programName[] = "tavelle";
    char nameOption[] = "-name";
    char applicationId[sizeof tavelle::applicationId];
    std::copy(std::begin(tavelle::applicationId), std::end(tavelle::applicationId), applicationId);
    char* qtArgv[] = {programName, nameOption, applicationId, nullptr};

    const std::unique_ptr<QApplication> application = tavelle::openApplication(qtArgc, qtArgv, programName);
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tavelle::applicationId));
    // The answer fields' context menu and Qt's other stock texts in the user's language.
    const tavelle::QtOwnTexts qtTexts;
    tavelle::warnWhenNoFontIsUsable(programName);
    tavelle::applyApplicationLook();
    // Between two screens no window is open: only the flow ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // For bench/run_all.sh only, and only when asked (see first_expose_report.h).
    tavelle::reportFirstExposeWhenAsked();

    // What a run holds, in one place: an exit() under the program (the display lost) ends what matters of
    // it as the return from the event loop does.
    struct Run {
        tavelle::QtMessageBoxes messages;
        tavelle::ApplicationPrinting printing{messages, tavelle::printProgramFile()};
        tavelle::Navigator navigator{messages, printing.operation(), tavelle::systemDecimalSeparator(),
                                     [] { QCoreApplication::exit(0); }};
        // Practice and its exercises outlive every window; practice loads the progress module, or, outside
        // practice, the sending of what waits once the first window shows.
        std::unique_ptr<tavelle::Practice> practice;
        // Outside practice, what an earlier run could not send to the class database goes now.
        std::unique_ptr<tavelle::ProgressWorker> waitingSender;
    };
    auto run = std::make_unique<Run>();
    tavelle::GuideOnF1 guideOnF1(run->messages);
    application->installEventFilter(&guideOnF1);
    tavelle::OrderlyEnd orderlyEnd([&run] { run->navigator.endProgram(); },
                                   [&run] {
                                       // The windows go with the process: Qt can no longer destroy them once the
                                       // display is lost.
                                       run->practice.reset();
                                       run->waitingSender.reset();
                                       run->printing.operation().endWithoutWindows();
                                   });
    // The trainee reaches no "Imprimer" before the home screen shows: the question waits until then.
    tavelle::afterFirstExpose([&run] { run->printing.noteDefaultPrinter(); });
    if (launch.practice) run->practice = tavelle::startPractice(launch, run->messages);
    if (!run->practice)
        tavelle::afterFirstExpose([&run, &launch] {
            run->waitingSender = tavelle::sendWaitingAttempts(tavelle::classDatabaseConnection(launch.classDatabase));
        });
    if (run->practice)
        run->navigator.start(*run->practice);
    else
        run->navigator.start();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    orderlyEnd.endedInOrder();
    run.reset();
    return status;
}
