#include "core/papers/class_report.h"
#include "core/papers/class_report_texts.h"
#include "core/practice/answer_marking.h"

#include <gtest/gtest.h>

namespace tavelle {
namespace {

constexpr std::int64_t day8December2026 = 20'795;  // a Tuesday

PracticeAttempt attempt(int number, std::string surname, std::int64_t finishedAt, int score,
                        std::string group = "Groupe A")
{
    PracticeAttempt made;
    char id[40];
    std::snprintf(id, sizeof id, "00000000-0000-4000-8000-%012x", number);
    made.id = id;
    made.surname = std::move(surname);
    made.givenName = "Élise";
    made.group = std::move(group);
    made.finishedAt = finishedAt;
    for (int i = 0; i < score; ++i) made.right[std::size_t(i)] = true;
    return made;
}

std::int64_t at(std::int64_t day, int hour)
{
    return day * 86'400 + hour * 3600;
}

class ListSource : public AttemptSource {
public:
    ListSource(std::vector<PracticeAttempt> attempts, std::optional<std::string> fault)
        : m_attempts(std::move(attempts))
        , m_fault(std::move(fault))
    {
    }
    bool next(PracticeAttempt& next) override
    {
        if (m_next == m_attempts.size()) return false;
        next = m_attempts[m_next++];
        return true;
    }
    std::optional<std::string> fault() const override { return m_fault; }

private:
    std::vector<PracticeAttempt> m_attempts;
    std::optional<std::string> m_fault;
    std::size_t m_next = 0;
};

TEST(ClassReport, CountsAnAttemptOnceWhateverTheFilesThatHoldIt)
{
    ClassReport report({});
    ListSource first(
        {attempt(1, "Durand", at(day8December2026, 10), 4), attempt(2, "Martin", at(day8December2026, 11), 2)},
        std::nullopt);
    ListSource second(
        {attempt(2, "Martin", at(day8December2026, 11), 2), attempt(3, "Durand", at(day8December2026 + 7, 9), 5)},
        std::nullopt);
    EXPECT_TRUE(report.read(first));
    EXPECT_TRUE(report.read(second));
    EXPECT_EQ(report.attemptCount(), 3);
    EXPECT_EQ(report.questions()[0].asked, 3);
    EXPECT_EQ(report.questions()[0].right, 3);
    EXPECT_EQ(report.questions()[4].right, 1);
    const std::vector<const TraineeReport*> trainees = report.trainees();
    ASSERT_EQ(trainees.size(), 2u);
    EXPECT_EQ(trainees[0]->surname, "Durand");
    EXPECT_EQ(trainees[0]->attempts, 2);
    EXPECT_EQ(trainees[0]->markSum, 9);
    EXPECT_EQ(trainees[1]->surname, "Martin");
    ASSERT_EQ(report.weeks().size(), 2u);
    EXPECT_EQ(report.weeks().begin()->second.monday, day8December2026 - 1);
    EXPECT_EQ(report.weeks().begin()->second.attempts, 2);
    EXPECT_EQ(report.weeks().begin()->second.markSum, 6);
    EXPECT_EQ(report.firstDay(), day8December2026);
    EXPECT_EQ(report.lastDay(), day8December2026 + 7);

    ListSource broken({attempt(4, "Petit", 0, 1)}, "classe.csv, ligne 3 : …");
    EXPECT_FALSE(report.read(broken));
}

TEST(ClassReport, KeepsOnlyTheChosenGroupAndPeriodOnTheReportsClock)
{
    ReportChoice choice;
    choice.group = "Groupe B";
    choice.fromDay = day8December2026;
    choice.toDay = day8December2026 + 1;
    choice.utcOffsetAt = [](std::int64_t) { return 3600; };
    ClassReport report(choice);
    report.add(attempt(1, "Durand", at(day8December2026, 10), 4, "Groupe A"));
    report.add(attempt(2, "Durand", at(day8December2026, 0) - 1800, 4, "Groupe B"));  // 7 Dec, 23:30 UTC: the 8th
    report.add(attempt(3, "Durand", at(day8December2026, 0) - 3601, 4, "Groupe B"));  // the 7th
    report.add(attempt(4, "Durand", at(day8December2026 + 1, 22) + 3599, 4, "Groupe B"));  // the 9th, 23:59
    report.add(attempt(5, "Durand", at(day8December2026 + 1, 23), 4, "Groupe B"));  // the 10th
    EXPECT_EQ(report.attemptCount(), 2);
    EXPECT_EQ(report.dayOf(at(day8December2026, 0) - 1800), day8December2026);
    EXPECT_EQ(report.firstDay(), day8December2026);
    EXPECT_EQ(report.lastDay(), day8December2026 + 1);
    EXPECT_EQ(periodLine(report), "Du 8 décembre 2026 au 9 décembre 2026");
    EXPECT_EQ(groupLine(report.choice()), "Groupe : Groupe B");
    EXPECT_EQ(report.groupsRead(), (std::set<std::string>{"Groupe A", "Groupe B"}));
}

// Marks are the ones the attempt's data prove: corrected ones count as proven and are told; an attempt
// without marks counts apart.
TEST(ClassReport, CountsProvenMarksAndTellsCorrectedAndUnmarkedAttempts)
{
    ClassReport report({});
    PracticeAttempt corrected = attempt(1, "Durand", at(day8December2026, 10), 1);
    corrected.marksCheck = MarksCheck::corrected;
    PracticeAttempt unmarked = attempt(2, "Durand", at(day8December2026, 11), 0);
    unmarked.marksCheck = MarksCheck::unreadable;
    for (const PracticeAttempt& made : {corrected, unmarked, attempt(3, "Durand", at(day8December2026, 12), 5)})
        report.add(made);
    EXPECT_EQ(report.attemptCount(), 2);
    EXPECT_EQ(report.correctedCount(), 1);
    EXPECT_EQ(report.unmarkedCount(), 1);
    const TraineeReport& trainee = *report.trainees().front();
    EXPECT_EQ(trainee.markSum, 6);
    EXPECT_EQ(traineeSummary(trainee, ","),
              "Durand Élise — Groupe A — 2 exercices, moyenne 3,0 / 5 — notes envoyées corrigées pour 1 exercice");
    EXPECT_EQ(marksCheckLine(1, 0), "1 exercice dont les notes envoyées différaient : noté ici d'après ses réponses");
    EXPECT_EQ(marksCheckLine(2, 3), "2 exercices dont les notes envoyées différaient : notés ici d'après leurs "
                                    "réponses ; 3 exercices sans note : leurs données ne se lisent pas");
    EXPECT_EQ(marksCheckLine(0, 1), "1 exercice sans note : ses données ne se lisent pas");
    EXPECT_EQ(marksCheckLine(0, 0), "");
}

TEST(ClassReport, KeepsATraineesTenNewestAttemptsNewestFirst)
{
    ClassReport report({});
    // Out of order, two of the same second told apart by their ids.
    for (int i : {5, 0, 11, 3, 8, 1, 9, 2, 10, 4, 7, 6, 12})
        report.add(attempt(i, "Durand", at(day8December2026, 8) + std::min(i, 11) * 60, i % 6));
    report.add(attempt(13, "Durand", at(day8December2026, 7), 1));  // older than the ten kept
    const TraineeReport& trainee = *report.trainees().front();
    EXPECT_EQ(trainee.attempts, 14);
    ASSERT_EQ(trainee.latest.size(), ClassReport::latestKept);
    std::vector<std::string> ids;
    for (const PracticeAttempt& kept : trainee.latest) ids.push_back(kept.id.substr(30));
    EXPECT_EQ(ids, (std::vector<std::string>{"00000c", "00000b", "00000a", "000009", "000008", "000007", "000006",
                                             "000005", "000004", "000003"}));
}

TEST(ClassReport, NamesWeeksByTheirMondayAndIsoNumber)
{
    EXPECT_EQ(mondayOf(day8December2026), day8December2026 - 1);
    EXPECT_EQ(mondayOf(day8December2026 - 1), day8December2026 - 1);
    EXPECT_EQ(mondayOf(day8December2026 + 5), day8December2026 - 1);
    EXPECT_EQ(mondayOf(0), -3);
    EXPECT_EQ(mondayOf(-4), -10);
    EXPECT_EQ(weekLabel(day8December2026 - 1), "S50");
    EXPECT_EQ(weekLabel(20'815), "S53");  // 28 December 2026
    EXPECT_EQ(weekLabel(20'451), "S1");  // 29 December 2025, in 2026's first week
    EXPECT_EQ(weekLabel(18'631), "S1");  // 4 January 2021
}

TEST(ClassReportTexts, SayDatesMarksAndCountsInFrench)
{
    EXPECT_EQ(frenchDate(day8December2026), "8 décembre 2026");
    EXPECT_EQ(frenchDate(20'454), "1er janvier 2026");
    EXPECT_EQ(frenchDate(20'513), "1er mars 2026");
    EXPECT_EQ(frenchDate(20'666), "1er août 2026");
    EXPECT_EQ(countsLine(25, 312), "25 stagiaires, 312 exercices");
    EXPECT_EQ(countsLine(1, 1), "1 stagiaire, 1 exercice");
    EXPECT_EQ(meanMarkText(69, 20, ","), "3,5 / 5");
    EXPECT_EQ(meanMarkText(68, 20, ","), "3,4 / 5");
    EXPECT_EQ(meanMarkText(5, 1, "."), "5.0 / 5");
    EXPECT_EQ(meanMarkText(0, 3, ","), "0,0 / 5");
    EXPECT_EQ(shareText({2, 3}), "67 %");
    EXPECT_EQ(shareText({0, 0}), "—");
    const std::array<std::string_view, questionCount> titles{"Lance la plus défavorable", "Pression à la division",
                                                             "Jbc", "Pression à la pompe", "Verdict"};
    for (std::size_t i = 0; i < questionCount; ++i) EXPECT_EQ(questionShortTitle(allQuestions[i]), titles[i]);
    EXPECT_EQ(groupLine({}), "Tous les groupes");
    const auto beyondQuestions = static_cast<Question>(questionCount);
    EXPECT_EQ(questionShortTitle(beyondQuestions), "");
    EXPECT_EQ(expectedAnswerText(beyondQuestions, {}, ","), "");
}

TEST(ClassReportTexts, SayThePeriodFromTheChoiceOrTheAttempts)
{
    EXPECT_EQ(periodLine(ClassReport({})), "Toute la période");
    ReportChoice from;
    from.fromDay = 20'454;
    EXPECT_EQ(periodLine(ClassReport(from)), "Depuis le 1er janvier 2026");
    ReportChoice to;
    to.toDay = day8December2026;
    EXPECT_EQ(periodLine(ClassReport(to)), "Jusqu'au 8 décembre 2026");
}

TEST(ClassReportTexts, NameTheTraineeAndTheirAttempts)
{
    TraineeReport trainee;
    EXPECT_EQ(traineeName(trainee), "Sans nom");
    trainee.givenName = "Élise";
    EXPECT_EQ(traineeName(trainee), "Élise");
    trainee.surname = "Durand";
    EXPECT_EQ(traineeName(trainee), "Durand Élise");
    trainee.givenName.clear();
    EXPECT_EQ(traineeName(trainee), "Durand");
    trainee.givenName = "Élise";
    trainee.attempts = 12;
    trainee.markSum = 41;
    EXPECT_EQ(traineeSummary(trainee, ","), "Durand Élise — 12 exercices, moyenne 3,4 / 5");
    EXPECT_EQ(countsLine(1, 100'000), "1 stagiaire, 100\u202F000 exercices");
    trainee.group = "Groupe B";
    EXPECT_EQ(traineeSummary(trainee, ","), "Durand Élise — Groupe B — 12 exercices, moyenne 3,4 / 5");

    PracticeAttempt made = attempt(1, "Durand", 1'796'725'862, 4);  // 10:31:02 UTC
    made.secondsTaken = 185;
    EXPECT_EQ(attemptHeading(made, 3600), "8 décembre 2026 à 11 h 31 — 4 / 5 en 3 min 05 s");
    made.finishedAt = at(day8December2026, 9) + 5 * 60;
    EXPECT_EQ(attemptHeading(made, 0), "8 décembre 2026 à 9 h 05 — 4 / 5 en 3 min 05 s");
    made.finishedAt = -60;
    EXPECT_EQ(attemptHeading(made, 0), "31 décembre 1969 à 23 h 59 — 4 / 5 en 3 min 05 s");

    // Rounded as the exam key rounds them.
    ExpectedAnswers expected{2, 6.5f, 0.01200001f, 8.6f, true};
    EXPECT_EQ(expectedAnswerText(Question::worstNozzle, expected, ","), "Lance 2");
    EXPECT_EQ(expectedAnswerText(Question::worstNozzleLoss, expected, ","), "6,50 b");
    EXPECT_EQ(expectedAnswerText(Question::feedLoss, expected, ","), "0,01 b");
    EXPECT_EQ(expectedAnswerText(Question::pumpPressure, expected, ","), "8,60 b");
    EXPECT_EQ(expectedAnswerText(Question::pumpVerdict, expected, ","), "La pompe suffit");
    expected.pumpSufficient = false;
    EXPECT_EQ(expectedAnswerText(Question::pumpVerdict, expected, ","), "Il faut un relais");
}

// An account's attempts are one trainee's, named by the name it usually types; an attempt typed under
// another name is marked, and a forger's attempts never join the classmate whose name they type.
TEST(ClassReport, GroupsByTheAccountAndMarksAnotherTypedName)
{
    const auto filed = [](int number, std::string surname, std::string account) {
        PracticeAttempt made = attempt(number, std::move(surname), at(day8December2026, number), 3);
        made.account = std::move(account);
        return made;
    };
    ClassReport report({});
    for (const PracticeAttempt& made :
         {filed(1, "Durand", "durand"), filed(2, "Durand", "durand"), filed(3, "Durand", "martin"),
          filed(4, "Martin", "martin"), filed(5, "Martin", "martin"), filed(6, "Durand", "")})
        report.add(made);
    const std::vector<const TraineeReport*> trainees = report.trainees();
    ASSERT_EQ(trainees.size(), 3u);
    const struct {
        std::string name;
        int attempts;
        std::string summary;
    } rows[] = {
        {"Durand Élise", 1, "Durand Élise — Groupe A — 1 exercice, moyenne 3,0 / 5"},
        {"Durand Élise (durand)", 2, "Durand Élise (durand) — Groupe A — 2 exercices, moyenne 3,0 / 5"},
        {"Martin Élise (martin)", 3,
         "Martin Élise (martin) — Groupe A — 3 exercices, moyenne 3,0 / 5 — 1 saisi sous un autre nom"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(traineeName(*trainees[i]), rows[i].name);
        EXPECT_EQ(trainees[i]->attempts, rows[i].attempts);
        EXPECT_EQ(traineeSummary(*trainees[i], ","), rows[i].summary);
    }
    const TraineeReport& martin = *trainees[2];
    EXPECT_EQ(otherNameText(martin.latest[2], martin), " — nom saisi : Durand Élise");
    EXPECT_EQ(otherNameText(martin.latest[0], martin), "");
}

}  // namespace
}  // namespace tavelle
