#include "tests/app/app_fixture.h"

#include <QLabel>

namespace tavelle::testing {
namespace {

using Texts = std::vector<std::string>;

const std::string kDiameter =
    "Le diamêtre du tuyaux d'alimentation de la division est inférieur au diamètre du tuyau de la lance !!!";

class EntryScreenTest : public AppTest {
protected:
    void openExerciseScreen()
    {
        click("Command1");
        ASSERT_EQ(screenName(), "Form2");
    }

    // Every warning came after its screen had closed, with nothing behind it.
    void expectWarningsAlone() const
    {
        for (const ShownBox& box : messages.shown) {
            EXPECT_EQ(box.kind, ShownBox::Kind::Warning);
            EXPECT_EQ(box.title, QStringLiteral("ATTENTION !!"));
            EXPECT_EQ(box.screensBehind, 0) << box.text.toStdString();
        }
    }

    // After the press: the messages in order, then one fresh screen.
    void expectOutcome(const Texts& warnings, const char* opened)
    {
        EXPECT_EQ(messages.warningTexts(), warnings);
        expectWarningsAlone();
        ASSERT_EQ(screenName(), opened);
        EXPECT_EQ(liveScreenCount(), 1);
        if (std::string(opened) != "Don") expectFreshLists();
        messages.shown.clear();
    }
};

TEST_F(EntryScreenTest, ExerciseWithEveryListEmpty)
{
    openExerciseScreen();
    click("Command1");
    expectOutcome({"Affectation des caractéristiques de la pompe obligatoire !!!",
                   "Affectation du diamètre du tuyau obligatoire !!!",
                   "Affectation du nombre de lances obligatoire !!!",
                   "Affectation de la longueur de l'établissement obligatoire !!!"},
                  "Form2");
    EXPECT_EQ(record.pumpRating, "0");
    EXPECT_EQ(record.feedDiameter, 0);
    EXPECT_EQ(record.nozzleCount, 0);
    EXPECT_EQ(record.feedLength, 0);
    EXPECT_EQ(record.slopeKind, "coco");
    EXPECT_EQ(record.slopePercent, 0);
}

TEST_F(EntryScreenTest, ExerciseSlopeNoticeComesBeforeTheMissingPump)
{
    openExerciseScreen();
    chooseAll({{"Combo2", "70"}, {"Combo4", "200"}, {"Combo3", "1"}, {"Combo11", "nulle"}, {"Combo5", "6"}});
    click("Command1");
    expectOutcome({"si la pente est nulle elle sera de 0% !!!",
                   "Affectation des caractéristiques de la pompe obligatoire !!!"},
                  "Form2");
    EXPECT_EQ(record.slopePercent, 0);
}

struct SlopeCase {
    const char* kind;     // nullptr: left empty
    const char* percent;  // nullptr: left empty
    Texts warnings;
    std::string storedKind;
    int storedPercent;
};

class ExerciseSlope : public EntryScreenTest, public ::testing::WithParamInterface<SlopeCase> {};

TEST_P(ExerciseSlope, IsNormalisedAndTheTraineeGoesOn)
{
    const SlopeCase& c = GetParam();
    openExerciseScreen();
    chooseAll({{"Combo1", "2000/15"}, {"Combo2", "110"}, {"Combo4", "3000"}, {"Combo3", "3"}});
    if (c.kind != nullptr) choose("Combo11", c.kind);
    if (c.percent != nullptr) choose("Combo5", c.percent);
    click("Command1");
    expectOutcome(c.warnings, "Lance1");
    EXPECT_EQ(record.slopeKind, c.storedKind);
    EXPECT_EQ(record.slopePercent, c.storedPercent);
    EXPECT_EQ(record.pumpRating, "2000/15");
    EXPECT_EQ(record.feedLength, 3000);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExerciseSlope,
    ::testing::Values(SlopeCase{nullptr, "10", {}, "positive", 10}, SlopeCase{nullptr, nullptr, {}, "coco", 0},
                      SlopeCase{nullptr, "0", {}, "coco", 0},
                      SlopeCase{"nulle", "10", {"si la pente est nulle elle sera de 0% !!!"}, "nulle", 0},
                      SlopeCase{"négative", "0", {"A 0% la pente est nulle !!!"}, "négative", 0},
                      SlopeCase{"négative", nullptr, {"A 0% la pente est nulle !!!"}, "négative", 0},
                      SlopeCase{"négative", "12", {}, "négative", -12},
                      SlopeCase{"positive", "12", {}, "positive", 12}));

TEST_F(EntryScreenTest, Nozzle1WithEveryListEmpty)
{
    openExerciseScreen();
    enterExercise("3");
    click("Command1");
    expectOutcome({"Affectation du type de la lance obligatoire !!!", "Affectation du débit de la lance obligatoire !!!",
                   "Affectation du nombre de tuyau obligatoire !!!"},
                  "Lance1");
}

TEST_F(EntryScreenTest, Nozzle1HeightMessageComesFirst)
{
    openExerciseScreen();
    enterExercise("1");
    chooseAll({{"Combo1", "40/14"}, {"Combo2", "200"}, {"Combo4", "1"}, {"Combo3", "22"}});
    click("Command1");
    expectOutcome({"Un tuyau mesure 20, on ne peut donc pas avoir une lance à 22 m avec un tuyau !!!",
                   "une 40/14 à un débit de 250 L/min !!!"},
                  "Lance1");

    chooseAll({{"Combo1", "40/14"}, {"Combo2", "250"}, {"Combo4", "1"}, {"Combo3", "20"}});
    click("Command1");
    expectOutcome({}, "Don");
}

TEST_F(EntryScreenTest, Nozzle1TypeWithoutFlow)
{
    openExerciseScreen();
    enterExercise("1");
    chooseAll({{"Combo1", "40/14"}, {"Combo4", "2"}});
    click("Command1");
    expectOutcome({"une 40/14 à un débit de 250 L/min !!!", "Affectation du débit de la lance obligatoire !!!"},
                  "Lance1");
}

TEST_F(EntryScreenTest, WideNozzleOnANarrowFeedOnEveryNozzleScreen)
{
    click("Command1");
    chooseAll({{"Combo1", "1000/10"}, {"Combo2", "45"}, {"Combo4", "20"}, {"Combo3", "3"}});
    click("Command1");
    ASSERT_EQ(screenName(), "Lance1");

    chooseAll({{"Combo1", "LDV 1000"}, {"Combo2", "1000"}, {"Combo4", "1"}});
    click("Command1");
    expectOutcome({kDiameter + "!!!"}, "Lance1");
    chooseAll({{"Combo1", "100/25"}, {"Combo2", "1000"}, {"Combo4", "1"}});
    click("Command1");
    expectOutcome({kDiameter}, "Lance1");
    chooseAll({{"Combo1", "40/14"}, {"Combo2", "250"}, {"Combo4", "1"}});
    click("Command1");
    expectOutcome({}, "Lance2");

    chooseAll({{"Combo1", "LDV 1000"}, {"Combo2", "1000"}, {"Combo4", "1"}});
    click("Command1");
    expectOutcome({kDiameter}, "Lance2");
    chooseAll({{"Combo1", "LDV 500"}, {"Combo2", "600"}, {"Combo4", "1"}});
    click("Command1");
    expectOutcome({"Le débit maximum d'un LDV500 est de 500 L/min !!!"}, "Lance2");
    chooseAll({{"Combo1", "LDV 500"}, {"Combo2", "500"}, {"Combo4", "1"}});
    click("Command1");
    expectOutcome({}, "Lance3");
    EXPECT_EQ(record.nozzle2Elevation, 0);  // elevations left empty are 0, without a message
    EXPECT_EQ(record.divisionElevation, 0);

    chooseAll({{"Combo1", "LDV 1000"}, {"Combo2", "1000"}, {"Combo4", "1"}});
    click("Command1");
    expectOutcome({kDiameter}, "Lance3");
    chooseAll({{"Combo1", "65/18"}, {"Combo2", "400"}, {"Combo4", "1"}});
    click("Command1");
    expectOutcome({"une 65/18 à un débit de 500 L/min !!!", kDiameter}, "Lance3");
}

struct Nozzle3SlopeCase {
    const char* kind;
    const char* percent;
    Texts warnings;
    std::string storedKind;
    int storedPercent;
};

class Nozzle3Slope : public EntryScreenTest, public ::testing::WithParamInterface<Nozzle3SlopeCase> {};

TEST_P(Nozzle3Slope, IsANoticeThatNeverRefuses)
{
    const Nozzle3SlopeCase& c = GetParam();
    click("Command1");
    enterExercise("3");
    enterNozzle1();
    enterNozzle2();
    ASSERT_EQ(screenName(), "Lance3");
    chooseAll({{"Combo1", "LDV 1000"}, {"Combo2", "750"}, {"Combo4", "2"}});
    if (c.kind != nullptr) choose("Combo3", c.kind);
    if (c.percent != nullptr) choose("Combo6", c.percent);
    click("Command1");
    expectOutcome(c.warnings, "Don");
    EXPECT_EQ(record.nozzle3SlopeKind, c.storedKind);
    EXPECT_EQ(record.nozzle3SlopePercent, c.storedPercent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Nozzle3Slope,
    ::testing::Values(Nozzle3SlopeCase{"Positive", "5", {}, "Positive", 5},
                      Nozzle3SlopeCase{"négative", "10", {}, "négative", -10},
                      Nozzle3SlopeCase{"nulle", "3", {"si la pente est nulle elle sera de 0% !!!"}, "nulle", 0},
                      Nozzle3SlopeCase{nullptr, "6", {}, "positive", 6},
                      Nozzle3SlopeCase{"Positive", "0", {"A 0% la pente est nulle !!!"}, "Positive", 0}));

TEST_F(EntryScreenTest, BackFromNozzle2KeepsNozzle1InTheRecord)
{
    openExerciseScreen();
    enterExercise("2");
    enterNozzle1();
    ASSERT_EQ(screenName(), "Lance2");
    const ExerciseRecord before = record;
    click("Command2");
    ASSERT_EQ(screenName(), "Lance1");
    expectFreshLists();
    EXPECT_EQ(record, before);
}

// The focus moves through the rows from top to bottom, then to the buttons from left to right.
struct TabOrderCase {
    int nozzleCount;
    ScreenId screen;
    std::vector<const char*> order;
};

class TabOrder : public EntryScreenTest, public ::testing::WithParamInterface<TabOrderCase> {};

TEST_P(TabOrder, FollowsTheRowsThenTheButtons)
{
    const TabOrderCase& c = GetParam();
    openExerciseScreen();
    if (c.screen != ScreenId::Form2) enterExercise(std::to_string(c.nozzleCount).c_str());
    if (c.screen == ScreenId::Lance2 || c.screen == ScreenId::Lance3) enterNozzle1();
    if (c.screen == ScreenId::Lance3) enterNozzle2();
    ASSERT_EQ(screenName(), std::string(screenName(c.screen)));

    std::vector<std::string> chain;
    QWidget* first = control<QWidget>(c.order.front());
    ASSERT_NE(first, nullptr);
    QWidget* widget = first;
    do {
        if (widget->parentWidget() == screen() && (widget->focusPolicy() & Qt::TabFocus)) chain.push_back(widget->objectName().toStdString());
        widget = widget->nextInFocusChain();
    } while (widget != first && widget != nullptr && chain.size() < 50);
    EXPECT_EQ(chain, std::vector<std::string>(c.order.begin(), c.order.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, TabOrder,
    ::testing::Values(
        TabOrderCase{1, ScreenId::Form2,
                     {"Combo1", "Combo2", "Combo4", "Combo3", "Combo11", "Combo5", "Command2", "Command1"}},
        TabOrderCase{1, ScreenId::Lance1, {"Combo1", "Combo2", "Combo4", "Combo3", "Command2", "Command1"}},
        TabOrderCase{2, ScreenId::Lance2, {"Combo1", "Combo2", "Combo4", "Combo6", "Combo3", "Command2", "Command1"}},
        TabOrderCase{3, ScreenId::Lance3,
                     {"Combo1", "Combo2", "Combo4", "Combo3", "Combo6", "Command2", "Command1"}}));

}  // namespace
}  // namespace tavelle::testing
