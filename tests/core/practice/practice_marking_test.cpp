#include "core/practice/answer_marking.h"
#include "core/practice/practice_questions.h"
#include "core/practice/practice_session.h"
#include "core/practice/practice_texts.h"
#include "core/progress/attempt_id.h"
#include "core/progress/practice_attempt.h"
#include "core/progress/storage_fault.h"
#include "core/screens/result_labels.h"
#include "core/screens/screen_flow.h"
#include "core/screens/walkthrough.h"
#include "core/text/number_text.h"
#include "tests/support/named_exercises.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelle {
namespace {

struct TypedCase {
    const char* typed;
    std::optional<double> value;
};

TEST(TypedPressure, ReadsWhatATraineeTypesAndRefusesTheRest)
{
    const TypedCase cases[] = {
        {"6,5", 6.5},
        {"6.5", 6.5},
        {"  6,5  ", 6.5},
        {"6,5 b", 6.5},
        {"6,5b", 6.5},
        {"6,5 bar", 6.5},
        {"6,5 Bar", 6.5},
        {"12", 12.0},
        {"-0,3", -0.3},
        {"+ 2", 2.0},
        {",5", 0.5},
        {"7,", 7.0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"b", std::nullopt},
        {"1e999", std::nullopt},
        {"--2", std::nullopt},
        {"6,5,1", std::nullopt},
        {"6 5", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"6,5 bars", 6.5},
        {"6,5\u00a0bar", 6.5},
        {"6,5\u202fb", 6.5},
        {"\u00a06,5\u202f", 6.5},
        {"6,5\u00a0bars\u00a0", 6.5},
        {"6\u00a05", std::nullopt},
        {"\u00a0", std::nullopt},
    };
    for (const TypedCase& c : cases) {
        const std::optional<double> value = typedPressure(c.typed);
        ASSERT_EQ(value.has_value(), c.value.has_value()) << '"' << c.typed << '"';
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *c.value) << '"' << c.typed << '"';
        }
    }
}

TEST(AnswerMarks, ATenthOfABarEitherSideIsRight)
{
    const ExpectedAnswers expected{2, 6.5168f, 1.0476f, 8.5644f, true};
    struct Case {
        Question question;
        const char* typed;
        MarkKind mark;
        const char* text;
    } const cases[] = {
        {Question::worstNozzleLoss, "6,5", MarkKind::right, "Juste"},
        {Question::worstNozzleLoss, "6,6168", MarkKind::right, "Juste"},
        {Question::worstNozzleLoss, "6,4", MarkKind::wrong, "Faux : la valeur attendue est 6,5168 b"},
        {Question::feedLoss, "1.1 bar", MarkKind::right, "Juste"},
        {Question::pumpPressure, "8,7", MarkKind::wrong, "Faux : la valeur attendue est 8,5644 b"},
        {Question::pumpPressure, "abc", MarkKind::notANumber,
         "Ce n'est pas un nombre : tapez une pression en bars, par exemple 6,5"},
        {Question::worstNozzle, "Lance 2", MarkKind::right, "Juste"},
        {Question::worstNozzle, "Lance 1", MarkKind::wrong, "Faux : la réponse attendue est « Lance 2 »"},
        {Question::worstNozzle, "", MarkKind::notANumber, "Choisissez une réponse dans la liste"},
        {Question::feedLoss, " ", MarkKind::notANumber, "Répondez : tapez une pression en bars, par exemple 6,5"},
        {Question::pumpVerdict, "La pompe suffit", MarkKind::right, "Juste"},
        {Question::pumpVerdict, "Il faut un relais", MarkKind::wrong,
         "Faux : la réponse attendue est « La pompe suffit »"},
    };
    for (const Case& c : cases) {
        const Mark mark = markAnswer(c.question, c.typed, expected, ",");
        EXPECT_EQ(mark.kind, c.mark) << c.typed;
        EXPECT_EQ(mark.text, c.text) << c.typed;
    }
}

// A session of the record's exercise whose first `windowsMarked` question windows are marked.
PracticeSession sessionWithMarked(int windowsMarked, const ExerciseRecord& record)
{
    PracticeSession session({}, {}, ",", 0);
    const ScreenId windows[] = {ScreenId::QuestionAB, ScreenId::QuestionBC};
    for (int i = 0; i < windowsMarked; ++i) {
        for (Question question : questionsOf(windows[i])) {
            const bool choice = question == Question::worstNozzle || question == Question::pumpVerdict;
            session.type(question, !choice                             ? "1"
                                   : question == Question::worstNozzle ? nozzleAnswer(1)
                                                                       : std::string(relayNeededAnswer));
        }
        session.check(windows[i], record, 0);
    }
    return session;
}

TEST(PracticeFlow, AsksBeforeEachCalculationAndEndsOnTheSummary)
{
    ExerciseRecord record;
    ASSERT_TRUE(walkExercise(testing::walkThroughExercise(2), record, ",").accepted);
    const int none = 0;
    const int abDone = 1;
    const int both = 2;
    struct Case {
        ScreenId from;
        std::string_view control;
        int marked;
        ScreenId to;
    } const cases[] = {
        {ScreenId::Dessin, "Command1", none, ScreenId::QuestionAB},
        {ScreenId::Dessin, "Command1", abDone, ScreenId::QuestionAB},
        {ScreenId::QuestionAB, practiceControls::back, none, ScreenId::Dessin},
        {ScreenId::QuestionAB, practiceControls::showCalculation, abDone, ScreenId::Calculs},
        {ScreenId::Calculs, "Command1", abDone, ScreenId::QuestionBC},
        {ScreenId::Calculs, "Command1", both, ScreenId::QuestionBC},
        {ScreenId::Calculs, "Command3", abDone, ScreenId::Dessin},
        {ScreenId::QuestionBC, practiceControls::back, abDone, ScreenId::Calculs},
        {ScreenId::QuestionBC, practiceControls::showCalculation, both, ScreenId::Calculs2},
        {ScreenId::Calculs2, "Command1", both, ScreenId::Bilan},
        {ScreenId::Calculs2, "Command2", both, ScreenId::fin},
        {ScreenId::Bilan, practiceControls::nextExercise, both, ScreenId::Form2},
        {ScreenId::Bilan, practiceControls::quit, both, ScreenId::fin},
    };
    for (const Case& c : cases) {
        const std::optional<Navigation> to = sessionWithMarked(c.marked, record).navigate(c.from, c.control, record);
        ASSERT_TRUE(to.has_value()) << screenName(c.from) << ' ' << c.control;
        EXPECT_EQ(to->target, c.to) << screenName(c.from) << ' ' << c.control;
    }
    // The calculation stays shut until the answers are marked.
    EXPECT_FALSE(
        sessionWithMarked(none, record).navigate(ScreenId::QuestionAB, practiceControls::showCalculation, record));
    EXPECT_FALSE(
        sessionWithMarked(abDone, record).navigate(ScreenId::QuestionBC, practiceControls::showCalculation, record));
}

TEST(PracticeTexts, SummaryLinesOnTheTraineesClock)
{
    PracticeAttempt attempt;
    attempt.answers = {"Lance 1", "4", "1,2", "9", "Il faut un relais"};
    attempt.right = {true, false, true, true, false};
    attempt.secondsTaken = 65;
    attempt.finishedAt = 1'796'729'462;
    QuestionRecords records{};
    records[0] = {3, 4};
    const ProgressReading read{true, std::nullopt, {{1'796'725'862, 5, 42}}, records};
    const SummaryTexts texts = summaryTexts("Exercice 1 / 2", attempt, {KeepState::kept, {}, {}}, read, 3600);
    EXPECT_EQ(texts.marks[1], "Pression nécessaire à la division : 4 — faux");
    EXPECT_EQ(texts.marks[4], "Verdict sur la pompe : Il faut un relais — faux");
    EXPECT_EQ(texts.score, "Note : 3 / 5");
    EXPECT_EQ(texts.time, "Temps : 1 min 05 s");
    EXPECT_EQ(texts.keeping, "Résultat enregistré.");
    EXPECT_EQ(summaryTexts("", attempt, {KeepState::kept, {}, "1 attend."}, read, 0).keeping,
              "Résultat enregistré. 1 attend.");
    EXPECT_EQ(texts.recent, std::vector<std::string>{"08/12/2026 11:31 — 5 / 5 en 42 s"});
    EXPECT_EQ(texts.shares[0], "Lance la plus défavorable : 3 sur 4 (75 %)");
    EXPECT_EQ(texts.shares[1], "Pression nécessaire à la division : pas encore posée");
    EXPECT_EQ(exerciseHeading(2, 5, std::nullopt), "Exercice 2 / 5");
    EXPECT_EQ(exerciseHeading(1, 0, 77), "Exercice tiré au hasard (graine 77)");

    // Whatever the store did, what the summary says of the past is true.
    const ProgressReading reading{};
    const ProgressReading empty{true, std::nullopt, {}, {}};
    const ProgressReading unreadable{true, std::string("illisible"), {}, {}};
    const char* const notKept =
        "Le résultat de cet exercice n'a pas pu être enregistré : non. L'entraînement continue.";
    struct Case {
        KeepState keeping;
        const ProgressReading* reading;
        const char* keepingLine;
        std::vector<const char*> recent;
        const char* firstShare;
    } const cases[] = {
        {KeepState::keeping,
         &reading,
         "Enregistrement du résultat en cours…",
         {"Lecture de vos résultats en cours…"},
         "Lecture de vos résultats en cours…"},
        {KeepState::kept,
         &empty,
         "Résultat enregistré.",
         {"Aucun résultat enregistré pour l'instant."},
         "Lance la plus défavorable : pas encore posée"},
        {KeepState::notKept,
         &unreadable,
         notKept,
         {"Vos résultats passés ne peuvent pas être lus : illisible."},
         "Vos résultats passés ne peuvent pas être lus : illisible."},
        {KeepState::notKept,
         &read,
         notKept,
         {"08/12/2026 12:31 — 3 / 5 en 1 min 05 s", "08/12/2026 11:31 — 5 / 5 en 42 s"},
         "Lance la plus défavorable : 4 sur 5 (80 %)"},
    };
    for (const Case& c : cases) {
        const SummaryTexts shown = summaryTexts("", attempt, {c.keeping, "non", {}}, *c.reading, 3600);
        EXPECT_EQ(shown.recent, std::vector<std::string>(c.recent.begin(), c.recent.end()));
        EXPECT_EQ(shown.keeping, c.keepingLine);
        EXPECT_EQ(shown.shares.front(), c.firstShare);
    }
}

}  // namespace
}  // namespace tavelle

namespace tavelle {
namespace {

TEST(PracticeTexts, EveryReasonNamesTheFile)
{
    const std::pair<StorageFault, const char*> faults[] = {
        {StorageFault::locked, "le fichier p.sqlite est verrouillé par un autre programme depuis trop longtemps"},
        {StorageFault::readOnly, "le fichier p.sqlite ne peut pas être écrit"},
        {StorageFault::diskFull, "disque plein : le fichier p.sqlite ne peut pas grandir"},
        {StorageFault::cannotOpen, "le fichier p.sqlite ne peut pas être ouvert ou créé"},
        {StorageFault::corrupt, "le fichier p.sqlite est endommagé"},
        {StorageFault::writeError, "l'écriture de p.sqlite a échoué"},
        {StorageFault::newerVersion,
         "le fichier p.sqlite vient d'une version plus récente de Tavelle, qui seule peut l'écrire"},
        {StorageFault::folderCannotBeMade, "le dossier du fichier p.sqlite ne peut pas être créé"},
        {StorageFault::linkOutsideFolder, "le fichier p.sqlite est un lien vers un autre endroit, qui n'est pas suivi"},
        {StorageFault::noModule, "le module qui garde la progression ne se charge pas"},
        {StorageFault::other, "le fichier p.sqlite n'a pas pu être écrit"},
    };
    for (const auto& [fault, text] : faults) EXPECT_EQ(storageFaultReason(fault, "p.sqlite"), text);
    EXPECT_EQ(notKeptMessage("le disque est plein"),
              "Le résultat de cet exercice n'a pas pu être enregistré : le disque est plein. L'entraînement continue.");
    EXPECT_EQ(damagedFileSetAside("p.sqlite", "p.sqlite.endommagé-1"),
              "Le fichier de progression p.sqlite était endommagé : il a été mis de côté sous le nom "
              "p.sqlite.endommagé-1, et un nouveau fichier a été commencé.");
    EXPECT_EQ(practiceFileRefusal("a.tavelle", 0, tooManyExercises(10)),
              "Le fichier a.tavelle ne peut pas être ouvert pour l'entraînement : il contient plus de 10 exercices, "
              "le plus qu'un entraînement puisse prendre");
    EXPECT_EQ(practiceFileRefusal("a.tavelle", 3, "non"),
              "Le fichier a.tavelle ne peut pas être ouvert pour l'entraînement : l'exercice 3 est refusé : non");
    EXPECT_EQ(durationText(-4), "0 s");
    for (Question question : allQuestions) EXPECT_FALSE(questionText(question).empty());
}

// The answers a trainee is marked against are what the calculation screens show.
TEST(ExpectedAnswers, AreWhatTheCalculationScreensShow)
{
    for (int nozzles = 1; nozzles <= 3; ++nozzles) {
        ExerciseRecord record;
        const WalkResult walk = walkExercise(testing::walkThroughExercise(nozzles), record, ",");
        ASSERT_TRUE(walk.accepted);
        ExerciseRecord beforeCalculations = record;
        const ExpectedAnswers expected = expectedAnswers(beforeCalculations);
        EXPECT_EQ(expected.worstNozzleLoss, record.worstNozzleLoss);
        const std::string worst = "lance n°" + std::to_string(expected.worstNozzle) + " ";
        EXPECT_EQ(nozzles == 1 ||
                      findText(walk.portionAb, portionAbLabels::worstNozzle)->find(worst) != std::string::npos,
                  true);
        EXPECT_NE(findText(walk.finalCalculation, finalLabels::jbc)->find(numberText(expected.feedLoss, ",")),
                  std::string::npos);
        EXPECT_NE(
            findText(walk.finalCalculation, finalLabels::pumpPressure)->find(numberText(expected.pumpPressure, ",")),
            std::string::npos);
        EXPECT_EQ(findText(walk.finalCalculation, finalLabels::pumpVerdict)->find("ne sera pas") == std::string::npos,
                  expected.pumpSufficient);
    }
}

}  // namespace
}  // namespace tavelle

namespace tavelle {
namespace {

// Every question, fault and practice window has its words, and a value beyond them has none.
TEST(PracticeTables, EveryCaseHasItsWordsAndNoneBeyond)
{
    const auto beyondQuestions = static_cast<Question>(questionCount);
    EXPECT_EQ(questionKey(beyondQuestions), "");
    EXPECT_EQ(questionTitle(beyondQuestions), "");
    EXPECT_EQ(questionText(beyondQuestions), "");
    EXPECT_EQ(markAnswer(beyondQuestions, "1", {}, ",").text, "");
    EXPECT_EQ(storageFaultReason(static_cast<StorageFault>(99), "p"), "le fichier p n'a pas pu être écrit");
    EXPECT_EQ(markAnswer(Question::pumpVerdict, "Il faut un relais", {}, ",").kind, MarkKind::right);
    EXPECT_EQ(typedPressure("\t6,5\r\n"), 6.5);

    const std::pair<ScreenId, const char*> windows[] = {{ScreenId::QuestionAB, "Portion AB : votre réponse"},
                                                        {ScreenId::QuestionBC, "Portion BC : votre réponse"},
                                                        {ScreenId::Bilan, "Bilan de l'exercice"}};
    for (const auto& [window, caption] : windows) {
        EXPECT_EQ(screenCaption(window), caption);
        EXPECT_FALSE(screenName(window).empty());
        // Their buttons lead nowhere in the walk-through's own flow.
        EXPECT_FALSE(navigate(window, "Command1", ExerciseRecord{}));
    }

    // Buttons the practice leaves alone follow the walk-through's flow.
    const ExerciseRecord record;
    const PracticeSession session({}, {}, ",", 0);
    EXPECT_EQ(session.navigate(ScreenId::Dessin, "Command3", record)->target, ScreenId::Don);
    EXPECT_EQ(session.navigate(ScreenId::Form2, "Command2", record)->target, ScreenId::fin);
    for (ScreenId window : practiceScreens) EXPECT_FALSE(session.navigate(window, "Command9", record));
}

}  // namespace
}  // namespace tavelle

namespace tavelle {
namespace {

// A trainee who leaves an answer out, or comes back to correct a marked one, sees no expected value
// before the answers are final and cannot change the first marking.
TEST(PracticeSession, TheFirstCompleteMarkingIsKeptAndNothingIsShownBefore)
{
    ExerciseRecord record;
    ASSERT_TRUE(walkExercise(testing::walkThroughExercise(3), record, ",").accepted);
    const ExpectedAnswers expected = expectedAnswers(record);
    const std::string worst = nozzleAnswer(expected.worstNozzle);
    const std::string loss = numberText(expected.worstNozzleLoss, ",");
    const std::string feed = numberText(expected.feedLoss, ",");
    const std::string pump = numberText(expected.pumpPressure, ",") + "\u202fbars";
    const std::string verdict(expected.pumpSufficient ? pumpSufficesAnswer : relayNeededAnswer);
    struct Step {
        std::vector<std::string> typed;
        CheckOutcome outcome;
    };
    struct Case {
        const char* name;
        ScreenId window;
        std::vector<Step> steps;
        std::vector<bool> right;  // what is kept
    } const cases[] = {
        {"a list left empty",
         ScreenId::QuestionAB,
         {{{"", "5"}, CheckOutcome::incomplete}, {{worst, "5"}, CheckOutcome::marked}},
         {true, false}},
        {"an unreadable pressure",
         ScreenId::QuestionAB,
         {{{"Lance 1", "beaucoup"}, CheckOutcome::incomplete}, {{worst, loss}, CheckOutcome::marked}},
         {true, true}},
        {"a marked answer corrected",
         ScreenId::QuestionAB,
         {{{worst, "5"}, CheckOutcome::marked}, {{worst, loss}, CheckOutcome::alreadyMarked}},
         {true, false}},
        {"the last window",
         ScreenId::QuestionBC,
         {{{feed, "", verdict}, CheckOutcome::incomplete},
          {{feed, pump, verdict}, CheckOutcome::finished},
          {{"0", "0", verdict}, CheckOutcome::alreadyMarked}},
         {true, true, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PracticeSession session({{}, "{}", "Exercice 1 / 1", 7, "a.tavelle"}, {"Durand", "Élise", "B"}, ",", 1000);
        const std::span<const Question> questions = questionsOf(c.window);
        std::optional<QuestionWindow> marked;
        for (const Step& step : c.steps) {
            for (std::size_t i = 0; i < questions.size(); ++i) session.type(questions[i], step.typed[i]);
            ASSERT_EQ(session.check(c.window, record, 1065), step.outcome);
            const QuestionWindow shown = session.questionWindow(c.window, 3);
            EXPECT_EQ(shown.marked, step.outcome != CheckOutcome::incomplete);
            for (const AnswerRow& row : shown.rows) {
                if (!shown.marked) {
                    EXPECT_TRUE(!row.mark || row.mark->kind == MarkKind::notANumber) << row.typed;
                }
                if (marked) {
                    EXPECT_EQ(row.typed, marked->rows[static_cast<std::size_t>(&row - shown.rows.data())].typed);
                }
            }
            if (shown.marked && !marked) marked = shown;
        }
        for (std::size_t i = 0; i < questions.size(); ++i)
            EXPECT_EQ(session.attempt().right[static_cast<std::size_t>(questions[i])], c.right[i]) << i;
        EXPECT_EQ(session.finished(), c.window == ScreenId::QuestionBC);
        EXPECT_EQ(session.attempt().secondsTaken, session.finished() ? 65 : 0);
        // Finished, the attempt is whole: its own id, who practised, what and from where.
        const PracticeAttempt& kept = session.attempt();
        EXPECT_EQ(isAttemptId(kept.id), session.finished());
        EXPECT_EQ(kept.surname + kept.givenName + kept.group + kept.exercise + kept.source, "DurandÉliseB{}a.tavelle");
        EXPECT_EQ(kept.seed, 7u);
        // Back and forth: the marked window opens again as it was.
        EXPECT_EQ(session.navigate(c.window, practiceControls::back, record)->target,
                  c.window == ScreenId::QuestionAB ? ScreenId::Dessin : ScreenId::Calculs);
        EXPECT_EQ(
            session
                .navigate(c.window == ScreenId::QuestionAB ? ScreenId::Dessin : ScreenId::Calculs, "Command1", record)
                ->target,
            c.window);
        EXPECT_EQ(session.questionWindow(c.window, 3).rows.size(), marked->rows.size());
    }
}

}  // namespace
}  // namespace tavelle
