#include "core/practice/practice_session.h"

#include "core/practice/practice_texts.h"
#include "core/progress/attempt_id.h"

#include <utility>

namespace tavelle {

namespace {

std::size_t slot(Question question)
{
    return static_cast<std::size_t>(question);
}

Navigation open(ScreenId target)
{
    return {Navigation::Kind::Open, target, Modality::Modal};
}

}  // namespace

std::span<const Question> questionsOf(ScreenId window)
{
    if (window == ScreenId::QuestionAB) return portionAbQuestions;
    return portionBcQuestions;
}

PracticeSession::PracticeSession(SetExercise exercise, const Trainee& trainee, std::string decimalSeparator,
                                 std::int64_t startedAt)
    : m_exercise(std::move(exercise.input))
    , m_heading(std::move(exercise.heading))
    , m_decimalSeparator(std::move(decimalSeparator))
    , m_startedAt(startedAt)
{
    m_attempt.surname = trainee.surname;
    m_attempt.givenName = trainee.givenName;
    m_attempt.group = trainee.group;
    m_attempt.exercise = std::move(exercise.json);
    m_attempt.seed = exercise.seed;
    m_attempt.source = std::move(exercise.source);
}

bool PracticeSession::isMarked(ScreenId window) const
{
    return window == ScreenId::QuestionAB ? m_portionAbMarked : m_portionBcMarked;
}

void PracticeSession::type(Question question, std::string text)
{
    const bool final = m_marks[slot(question)] && m_marks[slot(question)]->kind != MarkKind::notANumber;
    if (!final) m_attempt.answers[slot(question)] = std::move(text);
}

CheckOutcome PracticeSession::check(ScreenId window, const ExerciseRecord& record, std::int64_t now)
{
    if (isMarked(window)) return CheckOutcome::alreadyMarked;
    const ExpectedAnswers expected = expectedAnswers(record);
    std::vector<std::pair<Question, Mark>> marks;
    bool complete = true;
    for (Question question : questionsOf(window)) {
        marks.emplace_back(question,
                           markAnswer(question, m_attempt.answers[slot(question)], expected, m_decimalSeparator));
        complete = complete && marks.back().second.kind != MarkKind::notANumber;
    }
    for (auto& [question, mark] : marks) {
        m_attempt.right[slot(question)] = mark.kind == MarkKind::right;
        // Until every answer can be read, only those to complete are named, and no mark shows a value.
        if (complete || mark.kind == MarkKind::notANumber)
            m_marks[slot(question)] = std::move(mark);
        else
            m_marks[slot(question)].reset();
    }
    if (!complete) return CheckOutcome::incomplete;
    if (window == ScreenId::QuestionAB) {
        m_portionAbMarked = true;
        return CheckOutcome::marked;
    }
    m_portionBcMarked = true;
    m_attempt.id = newAttemptId();
    m_attempt.finishedAt = now;
    m_attempt.secondsTaken = now - m_startedAt;
    return CheckOutcome::finished;
}

QuestionWindow PracticeSession::questionWindow(ScreenId window, int nozzleCount) const
{
    QuestionWindow shown{m_heading, nozzleCount, {}, isMarked(window)};
    for (Question question : questionsOf(window))
        shown.rows.push_back({question, m_attempt.answers[slot(question)], m_marks[slot(question)]});
    return shown;
}

std::optional<Navigation> PracticeSession::navigate(ScreenId from, std::string_view control,
                                                    const ExerciseRecord& record) const
{
    const bool forward = control == wayForward;
    switch (from) {
    case ScreenId::Dessin:
        if (forward) return open(ScreenId::QuestionAB);
        break;
    case ScreenId::Calculs:
        if (forward) return open(ScreenId::QuestionBC);
        break;
    case ScreenId::Calculs2:
        if (forward) return open(ScreenId::Bilan);
        break;
    case ScreenId::QuestionAB:
        if (control == practiceControls::back) return open(ScreenId::Dessin);
        if (control == practiceControls::showCalculation && m_portionAbMarked) return open(ScreenId::Calculs);
        break;
    case ScreenId::QuestionBC:
        if (control == practiceControls::back) return open(ScreenId::Calculs);
        if (control == practiceControls::showCalculation && m_portionBcMarked) return open(ScreenId::Calculs2);
        break;
    case ScreenId::Bilan:
        if (control == practiceControls::nextExercise) return open(ScreenId::Form2);
        if (control == practiceControls::quit) return open(ScreenId::fin);
        break;
    default: break;
    }
    return tavelle::navigate(from, control, record);
}

}  // namespace tavelle
