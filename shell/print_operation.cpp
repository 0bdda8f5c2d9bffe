#include "shell/print_operation.h"

#include "core/application_identity.h"
#include "core/text/wording.h"
#include "screens/paper_screen.h"
#include "screens/screen_window.h"
#include "shell/message_boxes.h"
#include "shell/outside_destruction.h"
#include "shell/print_request.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <utility>

namespace tavelle {

namespace {

// An answer longer than this is no answer of the print program's.
constexpr qsizetype longestAnswer = 4096;
// How long the program, when it ends, gives a cancellation to reach the print server.
constexpr int cancellationWaitMs = 2000;
// A cancellation the print server has not answered within this is given up: the job it was for stays
// held, and a held job never prints.
constexpr int cancellationBoundMs = 10'000;
// How long a print program that gave its outcome has to end before it is ended: the outcome stands.
constexpr int outcomeExitGraceMs = 1000;

// Drops the user's input while it lives: nothing pressed during a print happens, then or after it. A
// window that the window system destroyed meanwhile is noted, to be closed once the print has ended.
class InputDropper final : public QObject {
public:
    explicit InputDropper(std::function<void(QWidget&)> lost)
        : m_lost(std::move(lost))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~InputDropper() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputDropper(const InputDropper&) = delete;
    InputDropper& operator=(const InputDropper&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Close:
            if (QWidget* widget = closedWidget(*watched); widget != nullptr && wasDestroyedOutside(*widget))
                m_lost(*widget);
            // A window closed through its frame would end the program in the middle of the print.
            event->ignore();
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd: event->ignore(); return true;
        default: return false;
        }
    }

private:
    // A window's close comes to its QWindow first, then to its widget.
    static QWidget* closedWidget(QObject& watched)
    {
        if (watched.isWidgetType()) return static_cast<QWidget*>(&watched);
        if (!watched.isWindowType()) return nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->windowHandle() == &watched) return window;
        return nullptr;
    }

    std::function<void(QWidget&)> m_lost;
};

// What a print that fails says on standard error, in the user's language.
constexpr Wording kCannotPrint{"cannot print: {reason}", "impossible d'imprimer : {reason}"};
constexpr Wording kNoAnswer{"the print program {program} gave no answer within {seconds} s and was ended",
                            "le programme d'impression {program} n'a pas répondu en {seconds} s et a été arrêté"};
constexpr Wording kCancelledAtTheEnd{
    "the print under way was cancelled as the program ended: the print program {program} had not answered within "
    "{seconds} s",
    "l'impression en cours a été annulée à la fin du programme : le programme d'impression {program} n'avait pas "
    "répondu en {seconds} s"};
constexpr Wording kCannotStart{"the print program {program} cannot start: {reason}",
                               "le programme d'impression {program} ne démarre pas : {reason}"};
constexpr Wording kNonsense{"the print program {program} answered nonsense: \"{answer}\"",
                            "le programme d'impression {program} a répondu de façon incompréhensible : \"{answer}\""};
constexpr Wording kEmptyLine{"an empty line", "une ligne vide"};
constexpr Wording kOnPrinter{"on {printer}: {reason}", "sur {printer} : {reason}"};
constexpr Wording kCrashed{"the print program {program} crashed before answering",
                           "le programme d'impression {program} s'est arrêté net avant de répondre"};
constexpr Wording kEndedSilent{"the print program {program} ended with status {status} without answering",
                               "le programme d'impression {program} s'est terminé avec le code {status} sans répondre"};
constexpr Wording kJobCancelled{"the print job {job} is cancelled at the print server",
                                "le travail d'impression {job} est annulé sur le serveur d'impression"};

QString said(const Wording& wording, std::initializer_list<WordingPart> parts)
{
    return QString::fromStdString(composed(wording, userLanguage(), parts));
}

void sayOnStandardError(const QString& line)
{
    std::fprintf(stderr, "tavelle: %s\n", qPrintable(line));
    std::fflush(stderr);
}

}  // namespace

PrintOperation::PrintOperation(MessageBoxes& messages, QString printProgram, std::chrono::milliseconds answerBound)
    : m_messages(messages)
    , m_program(std::move(printProgram))
    , m_answerBound(answerBound)
{
    m_answerTimer.setSingleShot(true);
    QObject::connect(&m_answerTimer, &QTimer::timeout, [this] {
        if (m_state == State::answered) {
            endPrint(programFailure(*m_process), TellUser::yes);
            return;
        }
        endPrint(said(kNoAnswer, {{"program", m_program.toStdString()},
                                  {"seconds", QString::number(double(m_answerBound.count()) / 1000.0).toStdString()}}),
                 TellUser::yes);
    });
}

PrintOperation::~PrintOperation()
{
    endAsTheProgramEnds();
}

void PrintOperation::endWithoutWindows()
{
    m_screen = nullptr;
    m_focused = nullptr;
    m_closedMeanwhile.clear();
    endAsTheProgramEnds();
}

void PrintOperation::endAsTheProgramEnds()
{
    if (m_state != State::idle) {
        m_process->disconnect();
        awaitOutcome();
        if (m_state == State::awaitingAnswer && m_process->state() != QProcess::NotRunning) {
            sayOnStandardError(
                said(kCancelledAtTheEnd,
                     {{"program", m_program.toStdString()},
                      {"seconds", QString::number(double(m_answerBound.count()) / 1000.0).toStdString()}}));
            endPrint({}, TellUser::no);
        } else {
            endPrint(programFailure(*m_process), TellUser::no);
        }
    }
    for (const std::unique_ptr<QProcess>& cancel : std::exchange(m_cancels, {})) {
        cancel->disconnect();
        if (!cancel->waitForFinished(cancellationWaitMs)) {
            cancel->kill();
            cancel->waitForFinished();
        }
    }
}

void PrintOperation::awaitOutcome()
{
    const QDeadlineTimer answerDue(std::max<qint64>(0, m_answerBound.count() - m_started.elapsed()));
    while (m_state == State::awaitingAnswer && m_process->state() != QProcess::NotRunning && !answerDue.hasExpired()) {
        m_process->waitForReadyRead(int(answerDue.remainingTime()));
        readAnswers();
    }
    if (m_state == State::answered && m_process->state() != QProcess::NotRunning)
        m_process->waitForFinished(outcomeExitGraceMs);
    readAnswers();
}

void PrintOperation::noteSystemDefault(std::string printerName)
{
    if (m_printsAsked == 0) m_currentPrinter = std::move(printerName);
}

void PrintOperation::printScreen(ScreenWindow& screen)
{
    // A press that reaches here during a print, by no input of the user's, is dropped as theirs are.
    if (m_state != State::idle) return;
    const quint64 print = ++m_printsAsked;
    // Hiding the pressed button takes its focus away; it gets it back with the buttons.
    m_focused = QApplication::focusWidget();
    m_screen = &screen;
    screen.setButtonsVisible(false);
    const QByteArray request = printRequestBytes(QString::fromStdString(m_currentPrinter), PaperScreen(screen));
    m_inputDropper = std::make_unique<InputDropper>([this](QWidget& lost) {
        if (std::find(m_closedMeanwhile.begin(), m_closedMeanwhile.end(), &lost) == m_closedMeanwhile.end())
            m_closedMeanwhile.emplace_back(&lost);
    });

    m_process = std::make_unique<QProcess>();
    m_state = State::awaitingAnswer;
    m_heldJob = 0;
    m_outcomeAnswer.reset();
    m_firstNonsense.clear();
    QProcess& process = *m_process;
    process.setProgram(m_program);
    // It dies with the program, however the program ends, and cancels its job as it does.
    const pid_t parent = getpid();
    process.setChildProcessModifier([parent] {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1);
    });
    // Its one answer comes on its standard output; what its libraries may say is not the user's.
    process.setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { readAnswers(); });
    // Queued: the process is never ended from within one of its own signals. The print's number tells a
    // late call of an ended print.
    QObject::connect(
        &process, &QProcess::finished, &m_answerTimer,
        [this, print] {
            if (print != m_printsAsked || m_state == State::idle) return;
            readAnswers();
            endPrint(programFailure(*m_process), TellUser::yes);
        },
        Qt::QueuedConnection);
    QObject::connect(
        &process, &QProcess::errorOccurred, &m_answerTimer,
        [this, print](QProcess::ProcessError error) {
            if (print != m_printsAsked || m_state == State::idle || error != QProcess::FailedToStart) return;
            endPrint(said(kCannotStart,
                          {{"program", m_program.toStdString()}, {"reason", m_process->errorString().toStdString()}}),
                     TellUser::yes);
        },
        Qt::QueuedConnection);
    m_started.start();
    m_answerTimer.start(m_answerBound);
    process.start();
    // Kept until it has started; an ended print program leaves it unread.
    process.write(request);
    process.closeWriteChannel();
}

void PrintOperation::readAnswers()
{
    while (m_process->canReadLine()) {
        QByteArray line = m_process->readLine(longestAnswer);
        line.chop(line.endsWith('\n') ? 1 : 0);
        readAnswer(line);
    }
    if (m_process->bytesAvailable() >= longestAnswer && m_state != State::nonsense)
        heardNonsense(m_process->read(80) + "...");
}

void PrintOperation::readAnswer(const QByteArray& line)
{
    switch (m_state) {
    case State::awaitingAnswer: break;
    // The outcome is the print program's last word.
    case State::answered: heardNonsense(line); return;
    case State::idle:
    case State::nonsense: return;
    }
    const std::optional<PrintAnswer> answer = readPrintAnswer(line);
    if (!answer || answer->kind == PrintAnswer::Kind::ready) {
        heardNonsense(line);
    } else if (answer->kind == PrintAnswer::Kind::job) {
        m_heldJob = answer->job;
    } else {
        m_state = State::answered;
        m_outcomeAnswer = answer;
        // Printed, it released its job; failed, it made none or cancelled it: either way the job is seen through.
        m_heldJob = 0;
        // Said once, the outcome stands, whether or not the print program then ends.
        m_answerTimer.start(outcomeExitGraceMs);
    }
}

void PrintOperation::heardNonsense(const QByteArray& said)
{
    m_state = State::nonsense;
    m_firstNonsense = said.isEmpty() ? QByteArray::fromStdString(std::string(kEmptyLine.in(userLanguage()))) : said;
}

QString PrintOperation::programFailure(const QProcess& process) const
{
    switch (m_state) {
    case State::nonsense:
        return said(kNonsense, {{"program", m_program.toStdString()}, {"answer", m_firstNonsense.toStdString()}});
    case State::answered: {
        if (m_outcomeAnswer->kind == PrintAnswer::Kind::printed) return {};
        if (m_outcomeAnswer->printer.empty()) return QString::fromStdString(m_outcomeAnswer->reason);
        return said(kOnPrinter, {{"printer", m_outcomeAnswer->printer}, {"reason", m_outcomeAnswer->reason}});
    }
    case State::idle:
    case State::awaitingAnswer: break;
    }
    if (process.exitStatus() == QProcess::CrashExit) return said(kCrashed, {{"program", m_program.toStdString()}});
    return said(kEndedSilent, {{"program", m_program.toStdString()}, {"status", std::to_string(process.exitCode())}});
}

void PrintOperation::endPrint(const QString& failure, TellUser tellUser)
{
    if (m_state == State::idle) return;
    m_state = State::idle;
    m_answerTimer.stop();
    std::unique_ptr<QProcess> process = std::move(m_process);
    process->disconnect();
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished();
    }
    // An answer the print server gave becomes current, as the print system's own look-up.
    if (m_outcomeAnswer) m_currentPrinter = m_outcomeAnswer->printer;
    const bool printed = failure.isEmpty() && m_outcomeAnswer && m_outcomeAnswer->kind == PrintAnswer::Kind::printed;
    // A job the print program made and did not see through is cancelled: it never prints later.
    if (!printed && m_heldJob != 0) cancelJob(m_heldJob);
    m_inputDropper.reset();
    if (!printed) {
        if (!failure.isEmpty()) sayOnStandardError(said(kCannotPrint, {{"reason", failure.toStdString()}}));
        if (tellUser == TellUser::yes)
            m_messages.plain(toQString(applicationTitle), QStringLiteral("Impossible d'imprimer"));
    }
    if (m_screen) {
        m_screen->setButtonsVisible(true);
        if (m_focused && m_focused->isVisible() && m_screen->isAncestorOf(m_focused)) m_focused->setFocus();
    }
    // Once the outcome is known, a window the window system destroyed meanwhile closes as it would have.
    for (const QPointer<QWidget>& lost : std::exchange(m_closedMeanwhile, {}))
        if (lost) QMetaObject::invokeMethod(lost, &QWidget::close, Qt::QueuedConnection);
}

void PrintOperation::cancelJob(int job)
{
    auto cancel = std::make_unique<QProcess>();
    cancel->setStandardOutputFile(QProcess::nullDevice());
    cancel->setStandardErrorFile(QProcess::nullDevice());
    QProcess* started = cancel.get();
    QTimer::singleShot(cancellationBoundMs, started, [started] { started->kill(); });
    QObject::connect(started, &QProcess::finished, [this, started] {
        const auto done =
            std::find_if(m_cancels.begin(), m_cancels.end(),
                         [started](const std::unique_ptr<QProcess>& each) { return each.get() == started; });
        if (done == m_cancels.end()) return;
        done->release()->deleteLater();
        m_cancels.erase(done);
    });
    cancel->start(m_program, {QStringLiteral("--cancel"), QString::number(job)});
    m_cancels.push_back(std::move(cancel));
    sayOnStandardError(said(kJobCancelled, {{"job", std::to_string(job)}}));
}

}  // namespace tavelle
