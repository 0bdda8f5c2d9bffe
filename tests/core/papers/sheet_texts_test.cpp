#include "core/papers/sheet_texts.h"

#include "core/trade/portion_ab.h"

#include <gtest/gtest.h>

namespace tavelle {
namespace {

TEST(SheetTexts, OnlyTheKeyNamesTheSeed)
{
    EXPECT_EQ(sheetHeading(3), "Exercice n° 3");
    EXPECT_EQ(setCodeLine("K7Q2-12"), "Série K7Q2-12");
    EXPECT_EQ(answerHeading(1, std::nullopt), "Corrigé de l'exercice 1");
    EXPECT_EQ(answerHeading(2, 18446744073709551615u),
              "Corrigé de l'exercice 2 (tirage aléatoire, graine 18446744073709551615)");
    EXPECT_EQ(pageFooter(4, 12), "page 4 / 12");
    EXPECT_EQ(setTitle("K7Q2-12", 12), "Tavelle, série K7Q2-12, 12 exercices");
    EXPECT_EQ(nozzleCaption(2), "Lance 2 :");
    EXPECT_EQ(refusedNotice(5), "Exercice n° 5 : refusé par les règles de saisie, non imprimé.");
    EXPECT_EQ(setTitle(std::nullopt, 1), "Tavelle, série de 1 exercice");
}

ExerciseRecord worked(std::uint8_t nozzleCount)
{
    ExerciseRecord r;
    r.pumpRating = "1000/10";
    r.feedDiameter = 70;
    r.feedLength = 200;
    r.totalFlow = 1000;
    r.nozzleCount = nozzleCount;
    r.nozzle1Type = r.nozzle2Type = r.nozzle3Type = "40/14";
    r.nozzle1Flow = r.nozzle2Flow = r.nozzle3Flow = 250;
    r.nozzle1HoseCount = r.nozzle2HoseCount = r.nozzle3HoseCount = 1;
    r.nozzle1Pressure = r.nozzle2Pressure = r.nozzle3Pressure = 6;
    r.worstNozzleLoss = 7.5f;
    r.worstNozzlePressure = 6;
    return r;
}

TEST(SheetTexts, QuestionsAskForTheWorstNozzleOnlyWhenThereIsAChoice)
{
    for (const std::uint8_t count : {std::uint8_t{1}, std::uint8_t{3}}) {
        const std::vector<SheetQuestion> questions = sheetQuestions(worked(count));
        ASSERT_EQ(questions.size(), 4u);
        EXPECT_EQ(questions[0].text.find("la plus défavorable") != std::string::npos, count > 1) << questions[0].text;
        EXPECT_EQ(questions[3].text, "4. La pompe est-elle suffisante ? Justifiez. (4 points)");
        EXPECT_EQ(markTotal(questions), "Note : ....... / 20");
    }
}

TEST(SheetTexts, KeyRowAndRecalledData)
{
    ExerciseRecord r = worked(3);
    r.slopePercent = -5;
    r.nozzle1Height = 5;
    r.nozzle2Elevation = 3;
    r.nozzle3SlopePercent = 2;
    const WorstNozzle worst = worstNozzle(r);  // as the walk leaves the record
    r.worstNozzleLoss = worst.worstNozzleLoss;
    r.worstNozzlePressure = worst.worstNozzlePressure;
    // Nozzle 1: 0,3 b of hose and 0,5 b of height over its 6 b; the feed line: 4,4 b less 1 b of slope.
    // To the hundredth, as marked: the final screen shows Jab as 0,8000002 b.
    const std::array<std::string, 7> row{
        "2", "lance 1", "6,80 b", "0,80 b", "3,40 b", "11,20 b", "insuffisante, relais"};
    EXPECT_EQ(answerTableRow("2", r, ","), row);
    r.pumpRating = "1500/10";
    EXPECT_EQ(answerTableRow("2", r, ",")[6], "suffisante");
    r.pumpRating = "1000/10";
    EXPECT_EQ(recalledData(r, ","),
              "Données : pompe 1000/10 ; alimentation 200 m en 70 mm, pente -5 % ; lance 1 40/14, 250 L/min, 20 m, "
              "Z = 5 m ; lance 2 40/14, 250 L/min, 20 m, cote 3 (division 0) ; lance 3 40/14, 250 L/min, 20 m, "
              "pente 2 %.");
    EXPECT_EQ(recalledData(worked(3), ","),
              "Données : pompe 1000/10 ; alimentation 200 m en 70 mm ; lance 1 40/14, 250 L/min, 20 m ; lance 2 "
              "40/14, 250 L/min, 20 m ; lance 3 40/14, 250 L/min, 20 m.");
    EXPECT_EQ(recalledData(worked(1), "."),
              "Données : pompe 1000/10 ; alimentation 200 m en 70 mm ; lance 1 40/14, 250 L/min, 20 m.");
}

}  // namespace
}  // namespace tavelle
