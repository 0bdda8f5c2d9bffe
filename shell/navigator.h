#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_flow.h"
#include "screens/screen_host.h"
#include "shell/exercise_saving.h"
#include "shell/navigation_mode.h"

#include <QPointer>
#include <QScreen>

#include <functional>
#include <memory>
#include <string>

namespace tavelle {

class MessageBoxes;
class ScreenPrinter;
class ScreenWindow;

// Keeps exactly one screen open and moves between screens as the flow says. Screens are shown,
// never exec()'d, so that a day of navigation neither deepens the stack nor keeps old windows.
// It owns the run's one record: entry screens give it their choices for the entry rules, and each
// screen opens with what its load on the record says. From the statement on, Ctrl+S saves the exercise
// as it was entered.
class Navigator final : public ScreenHost {
public:
    Navigator(MessageBoxes& messages, ScreenPrinter& printer, std::string decimalSeparator,
              std::function<void()> endProgram);
    ~Navigator() override;
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    // Opens the home screen, for the walk-through's own flow.
    void start();
    // Walks the screens as `mode` says (practice), from its first screen; `mode` outlives the navigator's use.
    void start(NavigationMode& mode);

    ScreenWindow* currentScreen() const { return m_current; }
    bool programEnded() const { return m_ended; }
    const ExerciseRecord& record() const { return m_record; }

    void navigateFrom(ScreenId screen, std::string_view control) override;
    void pressSuite(ScreenId screen) override;
    void printScreen(ScreenWindow& screen) override;
    void showInformation(const QString& title, const QString& text) override;
    void screenClosedByUser(ScreenId screen) override;
    // As "Quitter": the screen closes and the program is asked to end.
    void endProgram();

private:
    bool isCurrent(ScreenId screen) const;
    void open(ScreenId screen, Modality modality);
    void closeCurrent();
    void followScreen(const QWidget& window);
    void saveExercise();

    ExerciseRecord m_record;
    // The choices of each entry screen's last "Suite >>", as the record was written from them.
    ExerciseInput m_entered;
    std::string m_decimalSeparator;
    MessageBoxes& m_messages;
    ScreenPrinter& m_printer;
    std::function<void()> m_endProgram;
    std::unique_ptr<NavigationMode> m_walkThrough;
    NavigationMode* m_mode = nullptr;
    ScreenWindow* m_current = nullptr;
    // The monitor the user works on: where the last screen was. The next one opens there.
    QPointer<QScreen> m_screen;
    bool m_ended = false;
    ExerciseSaving m_saving;
};

}  // namespace tavelle
