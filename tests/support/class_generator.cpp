#include "tests/support/class_generator.h"

#include "core/practice/answer_marking.h"
#include "core/practice/practice_questions.h"
#include "core/progress/progress_csv.h"
#include "core/screens/walkthrough.h"
#include "core/text/number_text.h"
#include "format/json_writer.h"
#include "format/random_exercises.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace tavelle::testing {

namespace {

constexpr std::array<std::string_view, 30> surnames{
    "Durand",  "Martin", "Bernard", "Petit",    "Robert",   "Richard",  "Moreau",   "Simon",   "Laurent", "Lefèvre",
    "Michel",  "Garcia", "David",   "Bertrand", "Roux",     "Vincent",  "Fournier", "Morel",   "Girard",  "André",
    "Mercier", "Dupont", "Lambert", "Bonnet",   "François", "Martinez", "Legrand",  "Garnier", "Faure",   "Rousseau"};
constexpr std::array<std::string_view, 30> givenNames{
    "Élise",   "Hugo",   "Chloé", "Lucas", "Inès",  "Louis", "Manon",  "Jules",  "Léa",     "Gabriel",
    "Camille", "Arthur", "Zoé",   "Noé",   "Sarah", "Adam",  "Louise", "Tom",    "Jade",    "Raphaël",
    "Emma",    "Nathan", "Alice", "Théo",  "Lina",  "Paul",  "Anaïs",  "Victor", "Margaux", "Éloi"};

// A small generator of our own: the standard distributions differ from one library to the next.
class Draw {
public:
    explicit Draw(std::uint64_t seed)
        : m_state(seed)
    {
    }
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }

private:
    std::uint64_t m_state;
};

std::string uuid(Draw& draw)
{
    const std::uint64_t high = draw.next();
    const std::uint64_t low = draw.next();
    char text[40];
    std::snprintf(text, sizeof text, "%08x-%04x-4%03x-%04x-%012llx", unsigned(high >> 32),
                  unsigned((high >> 16) & 0xffff), unsigned(high & 0xfff), unsigned(0x8000 | ((low >> 48) & 0x3fff)),
                  static_cast<unsigned long long>(low & 0xffffffffffffULL));
    return text;
}

// As a trainee types it: to the tenth, which practice marks right.
std::string typedPressure(float value)
{
    return numberChars(std::round(value * 10.0) / 10.0, ",").str();
}

// What a trainee types: the right answer, or a near miss of the kind trainees make.
std::string answer(Question question, const ExpectedAnswers& expected, int nozzleCount, bool right)
{
    switch (question) {
    case Question::worstNozzle:
        return nozzleAnswer(right ? expected.worstNozzle : expected.worstNozzle % std::max(nozzleCount, 2) + 1);
    case Question::worstNozzleLoss: return typedPressure(expected.worstNozzleLoss + (right ? 0.0f : 1.5f));
    case Question::feedLoss: return typedPressure(expected.feedLoss + (right ? 0.0f : 2.0f));
    case Question::pumpPressure: return typedPressure(expected.pumpPressure + (right ? 0.0f : -3.0f));
    case Question::pumpVerdict:
        return std::string(expected.pumpSufficient == right ? pumpSufficesAnswer : relayNeededAnswer);
    }
    return {};
}

}  // namespace

ClassShape exampleClassShape()
{
    ClassShape shape;
    shape.trainees = 6;
    shape.idleTrainees = 0;
    shape.weeks = 4;
    shape.mostAttemptsPerWeek = 4;
    shape.seed = 2026;
    return shape;
}

std::vector<RosterEntry> classRoster(const ClassShape& shape)
{
    std::vector<RosterEntry> roster;
    for (int i = 0; i < shape.trainees; ++i)
        roster.push_back({std::string(surnames[std::size_t(i) % surnames.size()]),
                          std::string(givenNames[std::size_t(i) % givenNames.size()]),
                          i % 2 == 0 ? "Groupe A" : "Groupe B"});
    return roster;
}

std::vector<PracticeAttempt> generatedClass(const ClassShape& shape)
{
    // How often the class gets each question right, in percent: the division's pressure trips it most.
    constexpr std::array<int, questionCount> questionEase{90, 45, 70, 60, 80};
    const std::vector<RosterEntry> roster = classRoster(shape);
    Draw draw(shape.seed);
    RandomExercises exercises(shape.seed);
    std::vector<PracticeAttempt> attempts;
    for (int week = 0; week < shape.weeks; ++week) {
        for (int t = 0; t < shape.trainees - shape.idleTrainees; ++t) {
            // Each trainee a skill of their own, growing week by week.
            const int skill = (t * 37) % 41 - 20 + week * 4;
            const int count = draw.below(shape.mostAttemptsPerWeek + 1);
            for (int n = 0; n < count; ++n) {
                const ExerciseInput input = exercises.next();
                ExerciseRecord record;
                walkExercise(input, record, ",");
                const ExpectedAnswers expected = expectedAnswers(record);
                PracticeAttempt attempt;
                attempt.id = uuid(draw);
                attempt.surname = roster[std::size_t(t)].surname;
                attempt.givenName = roster[std::size_t(t)].givenName;
                attempt.group = roster[std::size_t(t)].group;
                attempt.finishedAt = (shape.firstMonday + week * 7 + draw.below(5)) * 86'400LL +
                                     (8 + draw.below(9)) * 3600LL + draw.below(3600);
                attempt.secondsTaken = 60 + draw.below(540);
                if (draw.below(2) == 0)
                    attempt.seed = draw.next() >> 12;
                else
                    attempt.source = "exercices/serie-" + std::to_string(1 + draw.below(4)) + ".json";
                JsonWriter json;
                writeExercise(json, input);
                attempt.exercise = json.text();
                for (std::size_t q = 0; q < questionCount; ++q) {
                    const bool right = draw.below(100) < questionEase[q] + skill;
                    attempt.answers[q] = answer(allQuestions[q], expected, record.nozzleCount, right);
                    attempt.right[q] =
                        markAnswer(allQuestions[q], attempt.answers[q], expected, ",").kind == MarkKind::right;
                }
                attempt.marksCheck = MarksCheck::proven;
                attempts.push_back(std::move(attempt));
            }
        }
    }
    return attempts;
}

std::string progressExport(const std::vector<PracticeAttempt>& attempts)
{
    std::string csv = progressCsvHeader();
    for (const PracticeAttempt& attempt : attempts) csv += progressCsvRow(attempt);
    return csv;
}

}  // namespace tavelle::testing
