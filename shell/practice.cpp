#include "shell/practice.h"

#include "core/progress/class_database_texts.h"
#include "core/progress/storage_fault.h"
#include "core/trade/pressure_line.h"
#include "core/trade/values_to_find.h"
#include "screens/entry_screen.h"
#include "screens/question_screen.h"
#include "screens/summary_screen.h"
#include "screens/trainee_screen.h"
#include "shell/message_boxes.h"
#include "shell/progress_module.h"
#include "shell/trainee_setting.h"

#include <QDateTime>
#include <QPushButton>

#include <cstdio>

namespace tavelle {

Practice::Practice(PracticeExercises exercises, MessageBoxes& messages, ProgressWorker::OpenStore openStore,
                   std::string decimalSeparator, Trainee trainee, ClassDatabaseLink classDatabase)
    : m_exercises(std::move(exercises))
    , m_messages(messages)
    , m_decimalSeparator(std::move(decimalSeparator))
    , m_trainee(std::move(trainee))
    , m_worker(std::move(openStore), std::chrono::seconds(30), std::move(classDatabase.open), classDatabase.retry)
{
    m_worker.onSent([this](ProgressWorker::SendOutcome outcome) {
        if (outcome.failure && outcome.failure->fault != ServerFault::unreachable)
            std::fprintf(stderr, "tavelle: %s\n", qPrintable(outcome.failure->text()));
        m_sending = std::move(outcome);
        showSummary();
    });
    // What an earlier run left unsent goes first.
    m_worker.send();
    m_exercises.advance();
    startExercise();
}

Practice::~Practice() = default;

void Practice::startExercise()
{
    ++m_exerciseNumber;
    m_session.emplace(m_exercises.current(), m_trainee, m_decimalSeparator, QDateTime::currentSecsSinceEpoch());
}

std::optional<Navigation> Practice::navigate(ScreenId from, std::string_view control, const ExerciseRecord& record)
{
    if (from == ScreenId::Bilan && control == practiceControls::changeTrainee) {
        // For the next attempts; the one just finished keeps who practised it.
        TraineeScreen window(m_trainee, m_summary.data());
        if (window.exec() == QDialog::Accepted && window.trainee()) {
            m_trainee = *window.trainee();
            keepTrainee(m_trainee);
        }
        return std::nullopt;
    }
    std::optional<Navigation> to = m_session->navigate(from, control, record);
    if (to && from == ScreenId::Bilan && control == practiceControls::nextExercise) {
        m_exercises.advance();
        startExercise();
    }
    return to;
}

void Practice::prepare(ScreenWindow& screen, const ExerciseRecord& record)
{
    // Each window of the exercise opens on the way on: Enter never goes back, nor out.
    if (auto* onward = screen.findChild<QPushButton*>(toQString(wayForward))) onward->setFocus();
    if (auto* entry = qobject_cast<EntryScreen*>(&screen)) {
        entry->fixChoices(m_session->exercise());
    } else if (auto* question = qobject_cast<QuestionScreen*>(&screen)) {
        question->showWindow(m_session->questionWindow(screen.screenId(), record.nozzleCount));
        // The record is the navigator's, which outlives every window it opens.
        QObject::connect(question, &QuestionScreen::answerTyped, question,
                         [this](Question asked, const QString& text) { m_session->type(asked, text.toStdString()); });
        QObject::connect(question, &QuestionScreen::checkPressed, question,
                         [this, question, &record] { check(*question, record); });
    } else if (auto* summary = qobject_cast<SummaryScreen*>(&screen)) {
        m_summary = &screen;
        const PressureLine line = pressureLine(record);
        summary->showPressureLine(line, pressureLineTexts(line, m_decimalSeparator));
        showSummary();
    } else if (screen.screenId() == ScreenId::Dessin) {
        ScreenLoad hidden;
        for (std::string_view control : schematicValuesToFind(record)) hidden.push_back({control, {}, false, false});
        screen.showLoad(hidden);
    }
}

void Practice::check(QuestionScreen& window, const ExerciseRecord& record)
{
    const CheckOutcome outcome = m_session->check(window.screenId(), record, QDateTime::currentSecsSinceEpoch());
    window.showWindow(m_session->questionWindow(window.screenId(), record.nozzleCount));
    if (outcome == CheckOutcome::finished) finishExercise();
}

void Practice::finishExercise()
{
    m_keeping = {};
    m_reading = {};
    const int number = m_exerciseNumber;
    m_worker.keep(m_session->attempt(), [this, number](ProgressWorker::KeepOutcome outcome) {
        if (outcome.setAside)
            m_messages.noticeInformation(
                toQString(practiceTexts::storageTitle),
                toQString(damagedFileSetAside(progressDatabaseFile().toStdString(), outcome.setAside->toStdString())));
        if (outcome.fault && !outcome.fault->detail.isEmpty())
            std::fprintf(stderr, "tavelle: the progress was not kept: %s\n", qPrintable(outcome.fault->detail));
        const KeepStatus status = outcome.fault ? KeepStatus{KeepState::notKept, outcome.fault->reason(), {}}
                                                : KeepStatus{KeepState::kept, {}, {}};
        if (number != m_exerciseNumber) {
            // The trainee has moved on: the summary that would have said it is gone.
            if (outcome.fault) m_messages.noticeWarning(toQString(notKeptMessage(status.reason)));
            return;
        }
        m_keeping = status;
        showSummary();
    });
    m_worker.send();
    m_worker.read(10, m_trainee, [this, number](StoreReadout readout) {
        if (number != m_exerciseNumber) return;
        m_reading.done = true;
        if (readout.fault) m_reading.failure = readout.fault->reason();
        m_reading.recent = std::move(readout.recent);
        m_reading.records = readout.records;
        showSummary();
    });
}

void Practice::showSummary()
{
    auto* summary = qobject_cast<SummaryScreen*>(m_summary.data());
    if (summary == nullptr) return;
    const auto offset = static_cast<std::int64_t>(QDateTime::currentDateTime().offsetFromUtc());
    KeepStatus keeping = m_keeping;
    if (m_sending)
        keeping.sending =
            classSendingText(m_sending->waiting, m_sending->failure ? m_sending->failure->text().toStdString() : "");
    summary->showSummary(summaryTexts(m_session->heading(), m_session->attempt(), keeping, m_reading, offset));
}

}  // namespace tavelle
