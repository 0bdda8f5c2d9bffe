#pragma once

#include "shell/print_answer.h"
#include "shell/screen_printer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace tavelle {

class MessageBoxes;
class ScreenWindow;

// "Imprimer" of the statement, schematic and calculation screens: the screen printed as one page
// without its four buttons, on the application's current printer. The current printer is the system's
// default as noted at start-up; every print makes the default printer of that moment current, if there
// is one.
//
// The page is drawn here and handed to the print program (print_program.h), started afresh for each
// print, which alone talks to the print system. The program watches it through the event loop: the
// screen paints on meanwhile, without its buttons, and the user's input is dropped until the print has
// its one outcome, which the user is told when it is not printed:
// - printed: the print program answered that the print server holds the whole page and prints it, which
//   stands even if it then fails to end;
// - not printed: any other answer, a print program that cannot start, crashes or answers nonsense, or
//   none within `answerBound`; the print program is then ended, and a job it had made is cancelled at
//   the print server, which holds every job until the print program releases it at its very end.
class PrintOperation final : public ScreenPrinter {
public:
    static constexpr std::chrono::milliseconds defaultAnswerBound = printBound;

    PrintOperation(MessageBoxes& messages, QString printProgram,
                   std::chrono::milliseconds answerBound = defaultAnswerBound);
    // A print under way is waited for up to its bound, then ended and cancelled, which standard error
    // tells; no process of it is left.
    ~PrintOperation() override;
    // The same, when the program is cut short with its windows already gone (the display lost): the
    // screen printed is no longer touched.
    void endWithoutWindows();
    PrintOperation(const PrintOperation&) = delete;
    PrintOperation& operator=(const PrintOperation&) = delete;

    // The system's default printer as noted at start-up becomes current, unless a print came first:
    // that print has already made the default of its moment current.
    void noteSystemDefault(std::string printerName);

    // Starts the print; it ends, the buttons back, with its outcome. Does nothing during a print.
    void printScreen(ScreenWindow& screen) override;
    bool isPrinting() const { return m_state != State::idle; }

    // Empty when there is none.
    const std::string& currentPrinter() const { return m_currentPrinter; }

private:
    // Where the print stands: under way in every state but idle, from the start of its print program until
    // its outcome is settled.
    enum class State {
        idle,
        // The print program runs and has given no outcome yet; the print server may already hold its job.
        awaitingAnswer,
        // It gave its outcome, printed or not, and has yet to end.
        answered,
        // It said what no print program says: the print is not printed, whatever it says after.
        nonsense,
    };
    // The user has left a program that is ending: a print it ends is told on standard error alone.
    enum class TellUser { yes, no };

    void endAsTheProgramEnds();
    // Waits, as the program ends, for the outcome within the print's bound.
    void awaitOutcome();
    void readAnswers();
    void readAnswer(const QByteArray& line);
    void heardNonsense(const QByteArray& said);
    void endPrint(const QString& failure, TellUser tellUser);
    void cancelJob(int job);
    QString programFailure(const QProcess& process) const;

    MessageBoxes& m_messages;
    QString m_program;
    std::chrono::milliseconds m_answerBound;
    std::string m_currentPrinter;
    State m_state = State::idle;
    // Numbers the prints, so that a late call of an ended print's program is known; while none was asked,
    // the system's default printer noted at start-up may still become current.
    quint64 m_printsAsked = 0;
    QPointer<ScreenWindow> m_screen;
    QPointer<QWidget> m_focused;
    std::unique_ptr<QObject> m_inputDropper;
    std::vector<QPointer<QWidget>> m_closedMeanwhile;
    std::unique_ptr<QProcess> m_process;
    QElapsedTimer m_started;
    QTimer m_answerTimer;
    // The job the print server holds for the print until the print program gives its outcome; 0 when none.
    int m_heldJob = 0;
    // Once it gave one: printed, or failed with its reason and the printer it looked up.
    std::optional<PrintAnswer> m_outcomeAnswer;
    QByteArray m_firstNonsense;
    std::vector<std::unique_ptr<QProcess>> m_cancels;
};

}  // namespace tavelle
