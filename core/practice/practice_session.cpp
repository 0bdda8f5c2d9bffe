#include "core/practice/practice_session.h"

#include "core/practice/answer_marking.h"

#include <utility>

namespace tavelle {

namespace {

std::size_t slot(Question question) { return static_cast<std::size_t>(question); }

}  // namespace

std::span<const Question> questionsOf(ScreenId window)
{
    if (window == ScreenId::QuestionAB) return portionAbQuestions;
    return portionBcQuestions;
}

PracticeSession::PracticeSession(ExerciseInput exercise, std::string heading, std::string decimalSeparator,
                                 std::int64_t startedAt)
    : m_exercise(std::move(exercise))
    , m_heading(std::move(heading))
    , m_decimalSeparator(std::move(decimalSeparator))
    , m_startedAt(startedAt)
{
}

bool PracticeSession::isMarked(ScreenId window) const
{
    return window == ScreenId::QuestionAB ? m_progress.portionAbVerified : m_progress.portionBcVerified;
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
        marks.emplace_back(question, markAnswer(question, m_attempt.answers[slot(question)], expected, m_decimalSeparator));
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
        m_progress.portionAbVerified = true;
        return CheckOutcome::marked;
    }
    m_progress.portionBcVerified = true;
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
    return navigateInPractice(from, control, m_progress, record);
}

}  // namespace tavelle
