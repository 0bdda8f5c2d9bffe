#include "core/practice/practice_texts.h"

#include "core/text/joined_text.h"

#include <chrono>
#include <cstdio>

namespace tavelle {

namespace {

std::string twoDigits(long long value)
{
    char text[24];
    std::snprintf(text, sizeof text, "%02lld", value);
    return text;
}

// "08/12/2026 10:31", on the trainee's clock.
std::string localDateTime(std::int64_t utcSeconds, std::int64_t utcOffsetSeconds)
{
    using namespace std::chrono;
    const sys_seconds time{seconds(utcSeconds + utcOffsetSeconds)};
    const sys_days day = floor<days>(time);
    const year_month_day date{day};
    const hh_mm_ss clock{time - day};
    return joinedText(twoDigits(static_cast<unsigned>(date.day())), "/", twoDigits(static_cast<unsigned>(date.month())),
                      "/", std::to_string(static_cast<int>(date.year())), " ", twoDigits(clock.hours().count()), ":",
                      twoDigits(clock.minutes().count()));
}

std::string percentOf(int part, int whole)
{
    return std::to_string((part * 100 + whole / 2) / whole) + " %";
}

}  // namespace

std::string_view questionText(Question question)
{
    switch (question) {
    case Question::worstNozzle: return practiceTexts::worstNozzleQuestion;
    case Question::worstNozzleLoss: return practiceTexts::worstNozzleLossQuestion;
    case Question::feedLoss: return practiceTexts::feedLossQuestion;
    case Question::pumpPressure: return practiceTexts::pumpPressureQuestion;
    case Question::pumpVerdict: return practiceTexts::pumpVerdictQuestion;
    }
    return {};
}

std::string exerciseHeading(std::size_t number, std::size_t count, std::optional<std::uint64_t> seed)
{
    if (seed) return joinedText("Exercice tiré au hasard (graine ", std::to_string(*seed), ")");
    return joinedText("Exercice ", std::to_string(number), " / ", std::to_string(count));
}

std::string durationText(std::int64_t seconds)
{
    if (seconds < 0) seconds = 0;
    if (seconds < 60) return joinedText(std::to_string(seconds), " s");
    return joinedText(std::to_string(seconds / 60), " min ", twoDigits(seconds % 60), " s");
}

SummaryTexts summaryTexts(std::string_view heading, const PracticeAttempt& attempt, const KeepStatus& keeping,
                          const ProgressReading& reading, std::int64_t utcOffsetSeconds)
{
    SummaryTexts texts;
    texts.heading = std::string(heading);
    for (std::size_t i = 0; i < questionCount; ++i)
        texts.marks.push_back(joinedText(questionTitle(allQuestions[i]), " : ", attempt.answers[i], " — ",
                                         attempt.right[i] ? "juste" : "faux"));
    texts.score = joinedText("Note : ", std::to_string(attempt.score()), " / ", std::to_string(questionCount));
    texts.time = joinedText("Temps : ", durationText(attempt.secondsTaken));
    if (keeping.state == KeepState::notKept)
        texts.keeping = notKeptMessage(keeping.reason);
    else
        texts.keeping = keeping.state == KeepState::kept ? practiceTexts::attemptKept : practiceTexts::keepingAttempt;
    if (!keeping.sending.empty()) texts.keeping = joinedText(texts.keeping, " ", keeping.sending);
    if (!reading.done || reading.failure) {
        const std::string line =
            reading.failure ? unreadableProgress(*reading.failure) : std::string(practiceTexts::readingProgress);
        texts.recent.push_back(line);
        texts.shares.push_back(line);
        return texts;
    }
    std::vector<PastResult> recent = reading.recent;
    QuestionRecords records = reading.records;
    if (keeping.state == KeepState::notKept) {
        recent.insert(recent.begin(), {attempt.finishedAt, attempt.score(), attempt.secondsTaken});
        for (std::size_t i = 0; i < questionCount; ++i) {
            ++records[i].asked;
            records[i].right += attempt.right[i] ? 1 : 0;
        }
    }
    for (const PastResult& result : recent)
        texts.recent.push_back(joinedText(localDateTime(result.finishedAt, utcOffsetSeconds), " — ",
                                          std::to_string(result.score), " / ", std::to_string(questionCount), " en ",
                                          durationText(result.secondsTaken)));
    if (texts.recent.empty()) texts.recent.emplace_back(practiceTexts::nothingKeptYet);
    for (std::size_t i = 0; i < questionCount; ++i) {
        const QuestionRecord& record = records[i];
        std::string line = joinedText(questionTitle(allQuestions[i]), " : ");
        if (record.asked == 0)
            line += "pas encore posée";
        else
            appendJoined(line, std::to_string(record.right), " sur ", std::to_string(record.asked), " (",
                         percentOf(record.right, record.asked), ")");
        texts.shares.push_back(std::move(line));
    }
    return texts;
}

std::string unreadableProgress(std::string_view reason)
{
    return joinedText("Vos résultats passés ne peuvent pas être lus : ", reason, ".");
}

std::string notKeptMessage(std::string_view reason)
{
    return joinedText("Le résultat de cet exercice n'a pas pu être enregistré : ", reason,
                      ". L'entraînement continue.");
}

}  // namespace tavelle

namespace tavelle {

std::string practiceFileRefusal(std::string_view file, std::size_t exercise, std::string_view reason)
{
    if (exercise == 0)
        return joinedText("Le fichier ", file, " ne peut pas être ouvert pour l'entraînement : ", reason);
    return joinedText("Le fichier ", file, " ne peut pas être ouvert pour l'entraînement : l'exercice ",
                      std::to_string(exercise), " est refusé : ", reason);
}

std::string tooManyExercises(std::size_t most)
{
    return joinedText("il contient plus de ", std::to_string(most),
                      " exercices, le plus qu'un entraînement puisse prendre");
}

}  // namespace tavelle
