// The application's peak memory over a full walk-through: set up as main() does it (the printers are
// looked up once the home screen shows, so the print system is loaded), then driven by its buttons and
// lists, found by name as a trainee finds them, through every screen; each screen is shown and painted
// before the next click. tavelle_bench_launch measures the peak from outside. Fails (status 1, with
// the reason on the error output) when the walk does not go where it should.
#include "bench/bench_screens.h"
#include "screens/screen_window.h"
#include "shell/after_first_expose.h"
#include "shell/application_look.h"
#include "shell/deferred_print_operation.h"
#include "shell/navigator.h"
#include "shell/printer_system.h"
#include "shell/qt_message_boxes.h"
#include "platform/system_locale.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>

#include <cstdio>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>

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

    void choose(std::initializer_list<std::pair<const char*, const char*>> choices)
    {
        for (const auto& [list, item] : choices) {
            auto* combo = m_navigator.currentScreen()->findChild<QComboBox*>(QLatin1String(list));
            const int index = combo == nullptr ? -1 : combo->findText(QString::fromUtf8(item), Qt::MatchExactly);
            if (index < 0) throw std::runtime_error(std::string("cannot choose ") + item + " in " + list);
            combo->setCurrentIndex(index);
        }
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
        choose({{"Combo1", "1000/15"}, {"Combo2", "70"}, {"Combo4", "200"}, {"Combo3", "3"}, {"Combo11", "nulle"},
                {"Combo5", "0"}});
        click("Command1", "Lance1");
        choose({{"Combo1", "65/18"}, {"Combo2", "500"}, {"Combo4", "2"}, {"Combo3", "10"}});
        click("Command1", "Lance2");
        choose({{"Combo1", "40/14"}, {"Combo2", "250"}, {"Combo4", "1"}, {"Combo6", "310"}, {"Combo3", "314"}});
        click("Command1", "Lance3");
        choose({{"Combo1", "LDV 500"}, {"Combo2", "400"}, {"Combo4", "3"}, {"Combo3", "négative"}, {"Combo6", "5"}});
        click("Command1", "Don");
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
