#include "shell/print_operation.h"

#include "core/application_identity.h"
#include "screens/paper_screen.h"
#include "screens/screen_window.h"
#include "shell/message_boxes.h"
#include "shell/outside_destruction.h"
#include "shell/print_request.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>

namespace tavelle {

namespace {

// An answer longer than this is no answer of the print program's.
constexpr qsizetype longestAnswer = 4096;
// How long the program, when it ends, gives a cancellation to reach the print server.
constexpr int cancellationWaitMs = 2000;

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
    m_bound.setSingleShot(true);
    QObject::connect(&m_bound, &QTimer::timeout, [this] {
        ended(QStringLiteral("the print program %1 gave no answer within %2 s and was ended")
                  .arg(m_program)
                  .arg(double(m_answerBound.count()) / 1000.0));
    });
}

PrintOperation::~PrintOperation()
{
    m_ending = true;
    if (m_process) {
        m_process->disconnect();
        const qint64 left = std::max<qint64>(0, m_answerBound.count() - m_started.elapsed());
        if (m_process->state() != QProcess::NotRunning && !m_process->waitForFinished(int(left))) {
            sayOnStandardError(QStringLiteral("the print under way was cancelled as the program ended: the print "
                                              "program %1 had not answered within %2 s")
                                   .arg(m_program)
                                   .arg(double(m_answerBound.count()) / 1000.0));
            ended({});
        } else {
            readAnswers();
            ended(programFailure(*m_process));
        }
    }
    for (const std::unique_ptr<QProcess>& cancel : m_cancels) {
        cancel->disconnect();
        if (!cancel->waitForFinished(cancellationWaitMs)) {
            cancel->kill();
            cancel->waitForFinished();
        }
    }
}

void PrintOperation::noteSystemDefault(std::string printerName)
{
    if (!m_printed) m_currentPrinter = std::move(printerName);
}

void PrintOperation::printScreen(ScreenWindow& screen)
{
    // A press that reaches here during a print, by no input of the user's, is dropped as theirs are.
    if (m_process) return;
    m_printed = true;
    m_job = 0;
    m_outcome.reset();
    m_nonsense.clear();
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
    QProcess& process = *m_process;
    process.setProgram(m_program);
    // Its one answer comes on its standard output; what its libraries may say is not the user's.
    process.setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(&process, &QProcess::readyReadStandardOutput, [this] { readAnswers(); });
    // Queued: the process is never ended from within one of its own signals. The print's number tells a
    // late call of an ended print.
    const quint64 print = ++m_prints;
    QObject::connect(
        &process, &QProcess::finished, &m_bound,
        [this, print] {
            if (print != m_prints || !m_process) return;
            readAnswers();
            ended(programFailure(*m_process));
        },
        Qt::QueuedConnection);
    QObject::connect(
        &process, &QProcess::errorOccurred, &m_bound,
        [this, print](QProcess::ProcessError error) {
            if (print != m_prints || !m_process || error != QProcess::FailedToStart) return;
            ended(QStringLiteral("the print program %1 cannot start: %2").arg(m_program, m_process->errorString()));
        },
        Qt::QueuedConnection);
    m_started.start();
    m_bound.start(m_answerBound);
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
        const std::optional<PrintAnswer> answer = m_outcome || !m_nonsense.isEmpty() ? std::nullopt : readPrintAnswer(line);
        if (!answer || answer->kind == PrintAnswer::Kind::ready) {
            if (m_nonsense.isEmpty()) m_nonsense = line.isEmpty() ? QByteArray("an empty line") : line;
        } else if (answer->kind == PrintAnswer::Kind::job) {
            m_job = answer->job;
        } else {
            m_outcome = answer;
        }
    }
    if (m_process->bytesAvailable() >= longestAnswer && m_nonsense.isEmpty()) m_nonsense = m_process->read(80) + "...";
}

QString PrintOperation::programFailure(const QProcess& process) const
{
    if (!m_nonsense.isEmpty())
        return QStringLiteral("the print program %1 answered nonsense: \"%2\"").arg(m_program, QString::fromUtf8(m_nonsense));
    if (m_outcome && m_outcome->kind == PrintAnswer::Kind::printed) return {};
    if (m_outcome) {
        const QString reason = QString::fromStdString(m_outcome->reason);
        return m_outcome->printer.empty() ? reason
                                          : QStringLiteral("on %1: %2").arg(QString::fromStdString(m_outcome->printer), reason);
    }
    if (process.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("the print program %1 crashed before answering").arg(m_program);
    return QStringLiteral("the print program %1 ended with status %2 without answering").arg(m_program).arg(process.exitCode());
}

void PrintOperation::ended(const QString& failure)
{
    if (!m_process) return;
    m_bound.stop();
    std::unique_ptr<QProcess> process = std::move(m_process);
    process->disconnect();
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished();
    }
    // An answer the print server gave becomes current, as the print system's own look-up.
    if (m_outcome) m_currentPrinter = m_outcome->printer;
    const bool printed = failure.isEmpty() && m_outcome && m_outcome->kind == PrintAnswer::Kind::printed;
    // A job the print program made and did not see through is cancelled: it never prints later.
    if (!printed && m_job != 0 && !m_outcome) cancelJob(m_job);
    m_inputDropper.reset();
    if (!printed) {
        if (!failure.isEmpty()) sayOnStandardError(QStringLiteral("cannot print: ") + failure);
        if (!m_ending) m_messages.plain(toQString(applicationTitle), QStringLiteral("Impossible d'imprimer"));
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
    QObject::connect(started, &QProcess::finished, [this, started] {
        const auto done = std::find_if(m_cancels.begin(), m_cancels.end(),
                                       [started](const std::unique_ptr<QProcess>& each) { return each.get() == started; });
        if (done == m_cancels.end()) return;
        done->release()->deleteLater();
        m_cancels.erase(done);
    });
    cancel->start(m_program, {QStringLiteral("--cancel"), QString::number(job)});
    m_cancels.push_back(std::move(cancel));
    sayOnStandardError(QStringLiteral("the print job %1 is cancelled at the print server").arg(job));
}

}  // namespace tavelle
