#include "tests/app/app_fixture.h"

#include <QComboBox>
#include <QLabel>

namespace tavelle::testing {
namespace {

using Texts = std::vector<std::string>;

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

// Every list of every entry screen reaches the rules of its screen: the record after the walk is the one
// the core's presses make of the same choices.
TEST_F(EntryScreenTest, EveryListReachesTheRulesOfItsScreen)
{
    const ExerciseInput input = threeNozzles();
    ExerciseRecord pressed;
    openExerciseScreen();
    for (ScreenId entry : entryScreens) {
        ASSERT_EQ(screenName(), screenName(entry));
        enter(input);
        EXPECT_TRUE(pressEntryScreen(entry, input, pressed).accepted);
    }
    expectOutcome({}, "Don");
    EXPECT_EQ(record, pressed);
}

// Every list shows its items in the order of its design, as the core lists them.
TEST_F(EntryScreenTest, EveryListOffersItsItemsInTheirOrder)
{
    const ExerciseInput input = threeNozzles();
    openExerciseScreen();
    for (ScreenId entry : entryScreens) {
        ASSERT_EQ(screenName(), screenName(entry));
        for (const EntryList& list : entryLists(entry)) {
            const auto* shown = screen()->findChild<QComboBox*>(toQString(list.control));
            ASSERT_NE(shown, nullptr) << list.key;
            QStringList items;
            for (int i = 0; i < shown->count(); ++i) items << shown->itemText(i);
            EXPECT_EQ(items, toQStringList(list.items)) << list.key;
        }
        enter(input);
    }
    ASSERT_EQ(screenName(), "Don");
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
        if (widget->parentWidget() == screen() && (widget->focusPolicy() & Qt::TabFocus))
            chain.push_back(widget->objectName().toStdString());
        widget = widget->nextInFocusChain();
    } while (widget != first && widget != nullptr && chain.size() < 50);
    EXPECT_EQ(chain, std::vector<std::string>(c.order.begin(), c.order.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, TabOrder,
    ::testing::Values(
        TabOrderCase{
            1, ScreenId::Form2, {"Combo1", "Combo2", "Combo4", "Combo3", "Combo11", "Combo5", "Command2", "Command1"}},
        TabOrderCase{1, ScreenId::Lance1, {"Combo1", "Combo2", "Combo4", "Combo3", "Command2", "Command1"}},
        TabOrderCase{2, ScreenId::Lance2, {"Combo1", "Combo2", "Combo4", "Combo6", "Combo3", "Command2", "Command1"}},
        TabOrderCase{3, ScreenId::Lance3, {"Combo1", "Combo2", "Combo4", "Combo3", "Combo6", "Command2", "Command1"}}));

}  // namespace
}  // namespace tavelle::testing
