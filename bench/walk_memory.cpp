// The application's peak memory over a full walk-through: set up as main() does it (lpstat is asked for
// the default printer once the home screen shows; the print program runs only for a print), then
// driven by its buttons and lists, found by name as a trainee finds them, through every screen; each
// screen is shown and painted before the next click. tavelle_bench_launch measures the peak from
// outside. Fails (status 1, with the reason on the error output) when the walk does not go where it
// should.
//   tavelle_walk_memory [--print]
// With --print, "Imprimer" is pressed once, on the final screen of the first exercise: the difference
// of the two peaks is what printing costs. That print needs a default printer (a CUPS-PDF queue will
// do); its print program is found as the application finds its own, this program lying as deep in the build
// tree as the application.
#include "bench/bench_screens.h"
#include "core/screens/entry_screens.h"
#include "platform/system_locale.h"
#include "screens/application_look.h"
#include "screens/screen_window.h"
#include "shell/after_first_expose.h"
#include "shell/application_printing.h"
#include "shell/message_boxes.h"
#include "shell/navigator.h"
#include "shell/print_program.h"
#include "tests/support/named_exercises.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

constexpr int exerciseRounds = 3;

// The walk expects no message box: one would wait for a click that never comes.
class UnexpectedMessages final : public tavelle::MessageBoxes {
public:
    void warning(const QString& text) override { fail(text); }
    void information(const QString&, const QString& text) override { fail(text); }
    void plain(const QString&, const QString& text) override { fail(text); }

private:
    [[noreturn]] static void fail(const QString& text)
    {
        std::fprintf(stderr, "walk_memory: unexpected message \"%s\"\n", qPrintable(text));
        std::exit(1);
    }
};

class Walk {
public:
    explicit Walk(tavelle::Navigator& navigator)
        : m_navigator(navigator)
    {
    }

    void expect(const char* screen)
    {
        tavelle::ScreenWindow* current = m_navigator.currentScreen();
        const QString name = current == nullptr ? QStringLiteral("(none)") : current->objectName();
        if (name != QLatin1String(screen))
            throw std::runtime_error("expected " + std::string(screen) + ", found " + name.toStdString());
        if (!tavelle::bench::waitUntilPainted(*current))
            throw std::runtime_error(std::string(screen) + " was never exposed");
    }

    void click(const char* button, const char* next)
    {
        auto* control = m_navigator.currentScreen()->findChild<QPushButton*>(QLatin1String(button));
        if (control == nullptr) throw std::runtime_error(std::string("no button ") + button);
        control->click();
        // The closed screen goes away once its handler has returned, as in the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (next != nullptr) expect(next);
    }

    // "Imprimer", and the wait for the print to end: the buttons come back when the print system has
    // answered (a failure ends the walk with its message).
    void printHere()
    {
        tavelle::ScreenWindow* screen = m_navigator.currentScreen();
        click("Command4", "Calculs2");
        QElapsedTimer waited;
        waited.start();
        while (!screen->findChild<QPushButton*>(QStringLiteral("Command4"))->isVisible()) {
            if (waited.elapsed() > 60000) throw std::runtime_error("the print never ended");
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        // From the press to the print program's answer that the print server holds the job.
        std::fprintf(stderr, "walk_memory: print answered in %lld ms\n", static_cast<long long>(waited.elapsed()));
    }

    // Chooses the exercise's items on the open entry screen, then presses "Suite >>".
    void enter(tavelle::ExerciseInput input, const char* next)
    {
        const tavelle::ScreenWindow* screen = m_navigator.currentScreen();
        for (const tavelle::EntryList& list : tavelle::entryLists(screen->screenId())) {
            const std::string control(list.control);
            const std::string& item = list.choice(input);
            auto* combo = screen->findChild<QComboBox*>(QString::fromStdString(control));
            const int index = combo == nullptr ? -1 : combo->findText(QString::fromStdString(item), Qt::MatchExactly);
            if (index < 0) throw std::runtime_error("cannot choose " + item + " in " + control);
            combo->setCurrentIndex(index);
        }
        click("Command1", next);
    }

    // From the exercise screen to the final screen of a three-nozzle exercise, printed there if asked,
    // then back to the exercise screen by every "<< Retour", and forward again to the final screen.
    void exercise(bool print)
    {
        enterExercise();
        click("Command1", "Dessin");
        click("Command1", "Calculs");
        click("Command1", "Calculs2");
        if (print) printHere();
        click("Command3", "Calculs");
        click("Command3", "Dessin");
        click("Command3", "Don");
        click("Command3", "Lance3");
        click("Command2", "Lance2");
        click("Command2", "Lance1");
        click("Command2", "Form2");
        enterExercise();
        click("Command1", "Dessin");
        click("Command1", "Calculs");
        click("Command1", "Calculs2");
    }

private:
    void enterExercise()
    {
        const tavelle::ExerciseInput exercise = tavelle::testing::walkThroughExercise(3);
        enter(exercise, "Lance1");
        enter(exercise, "Lance2");
        enter(exercise, "Lance3");
        enter(exercise, "Don");
    }

    tavelle::Navigator& m_navigator;
};

}  // namespace

int main(int argc, char** argv)
{
    const bool print = argc == 2 && std::strcmp(argv[1], "--print") == 0;
    QApplication application(argc, argv);
    tavelle::applyApplicationLook();
    QApplication::setQuitOnLastWindowClosed(false);

    UnexpectedMessages messages;
    tavelle::ApplicationPrinting printing(messages, tavelle::printProgramFile());
    bool ended = false;
    tavelle::Navigator navigator(messages, printing.operation(), tavelle::systemDecimalSeparator(),
                                 [&] { ended = true; });
    tavelle::afterFirstExpose([&printing] { printing.noteDefaultPrinter(); });

    try {
        Walk walk(navigator);
        navigator.start();
        walk.expect("f1");
        walk.click("Command3", "f2");
        walk.click("cmdOK", "f1");
        walk.click("Command1", "Form2");
        for (int round = 0; round < exerciseRounds; ++round) {
            walk.exercise(print && round == 0);
            walk.click("Command1", "Form2");
        }
        walk.click("Command2", "fin");
        walk.click("Command1", nullptr);
        if (!ended) throw std::runtime_error("\"Quittez\" did not end the program");
        // lpstat's answer is part of every run; it comes in a few milliseconds.
        QElapsedTimer waited;
        waited.start();
        while (!printing.defaultPrinterAnswered() && waited.elapsed() < 5000) QCoreApplication::processEvents();
        if (!printing.defaultPrinterAnswered()) throw std::runtime_error("lpstat was never asked, or never answered");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "walk_memory: %s\n", error.what());
        return 1;
    }
    return 0;
}
