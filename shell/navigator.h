#pragma once

#include "screens/screen_host.h"

#include <QPointer>
#include <QScreen>

#include <functional>
#include <string>

namespace tavelle {

class MessageBoxes;
class ScreenPrinter;
class ScreenWindow;

// Keeps exactly one screen open and moves between screens as the flow says. Screens are shown,
// never exec()'d, so that a day of navigation neither deepens the stack nor keeps old windows.
class Navigator final : public ScreenHost {
public:
    Navigator(ExerciseRecord& record, MessageBoxes& messages, ScreenPrinter& printer, std::string decimalSeparator,
              std::function<void()> endProgram);
    ~Navigator() override;
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    // Opens the home screen.
    void start();

    ScreenWindow* currentScreen() const { return m_current; }
    bool programEnded() const { return m_ended; }

    void navigateFrom(ScreenId screen, std::string_view control) override;
    void finishEntry(ScreenId screen, const PressOutcome& outcome) override;
    void printScreen(QWidget& screen) override;
    void showInformation(const QString& title, const QString& text) override;
    void screenClosedByUser(ScreenId screen) override;

private:
    bool isCurrent(ScreenId screen) const;
    void open(ScreenId screen, bool modal);
    void closeCurrent();
    void followScreen(const QWidget& window);
    void endProgram();

    ScreenContext m_context;
    MessageBoxes& m_messages;
    ScreenPrinter& m_printer;
    std::function<void()> m_endProgram;
    ScreenWindow* m_current = nullptr;
    // The monitor the user works on: where the last screen was. The next one opens there.
    QPointer<QScreen> m_screen;
    bool m_ended = false;
};

}  // namespace tavelle
