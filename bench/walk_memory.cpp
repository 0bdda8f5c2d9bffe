// The application's peak memory over a full walk-through: set up as main() does it (the printers are
// looked up once the home screen shows, so the print system is loaded), then driven by its buttons and
// lists, found by name as a trainee finds them, through every screen; each screen is shown and painted
// before the next click. tavelle_bench_launch measures the peak from outside. Fails (status 1, with
// the reason on the error output) when the walk does not go where it should.
#include "bench/bench_screens.h"
#include "core/entry_screens.h"
#include "screens/screen_window.h"
#include "shell/after_first_expose.h"
#include "shell/application_look.h"
#include "shell/deferred_print_operation.h"
#include "shell/navigator.h"
#include "shell/printer_system.h"
#include "shell/qt_message_boxes.h"
#include "platform/system_locale.h"
#include "tests/support/named_exercises.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

constexpr int exerciseRounds = 3;

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

    // From the exercise screen to the final screen of a three-nozzle exercise, then back to the
    // exercise screen by every "<< Retour", and forward again to the final screen.
    void exercise()
    {
        enterExercise();
        click("Command1", "Dessin");
        click("Command1", "Calculs");
        click("Command1", "Calculs2");
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
    QApplication application(argc, argv);
    tavelle::applyApplicationLook();
    QApplication::setQuitOnLastWindowClosed(false);

    tavelle::QtMessageBoxes messages;
    tavelle::QtPrinterSystem printers;
    tavelle::DeferredPrintOperation printer(messages, printers);
    bool ended = false;
    tavelle::Navigator navigator(messages, printer, tavelle::systemDecimalSeparator(), [&] { ended = true; });
    tavelle::afterFirstExpose([&printer] { printer.setUp(); });

    try {
        Walk walk(navigator);
        navigator.start();
        walk.expect("f1");
        walk.click("Command3", "f2");
        walk.click("cmdOK", "f1");
        walk.click("Command1", "Form2");
        for (int round = 0; round < exerciseRounds; ++round) {
            walk.exercise();
            walk.click("Command1", "Form2");
        }
        walk.click("Command2", "fin");
        walk.click("Command1", nullptr);
        if (!ended) throw std::runtime_error("\"Quittez\" did not end the program");
        if (!printer.isSetUp()) throw std::runtime_error("the printers were never looked up");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "walk_memory: %s\n", error.what());
        return 1;
    }
    return 0;
}
