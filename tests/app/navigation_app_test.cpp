#include "tests/app/app_fixture.h"

#include <QCoreApplication>

#include <QKeyEvent>
#include <QPointer>

#include <optional>

namespace tavelle::testing {
namespace {

struct NavigationRow {
    ScreenId from;
    const char* control;
    int nozzleCount;
    bool loadWritesRecord;  // the first opening of the schematic and of portion AB derives values
};

void PrintTo(const NavigationRow& row, std::ostream* out)
{
    *out << screenName(row.from) << "." << row.control << " with " << row.nozzleCount << " nozzle(s)";
}

using ReachingTest = AppTest;

class NavigationTableTest : public AppTest, public ::testing::WithParamInterface<NavigationRow> {};

TEST_P(NavigationTableTest, ClosesItsScreenAndOpensExactlyOne)
{
    const NavigationRow& row = GetParam();
    reach(row.from, row.nozzleCount);
    ASSERT_EQ(screenName(), std::string(screenName(row.from)));
    messages.shown.clear();
    const ExerciseRecord before = record;
    const QPointer<ScreenWindow> leaving = screen();
    const std::optional<Navigation> flow = navigate(row.from, row.control, record);
    ASSERT_TRUE(flow.has_value());

    click(row.control);

    EXPECT_TRUE(leaving.isNull()) << "the screen left behind must be destroyed";
    EXPECT_TRUE(messages.shown.empty());
    if (!row.loadWritesRecord) {
        EXPECT_EQ(record, before);
    }
    if (flow->kind == Navigation::Kind::Open) {
        ASSERT_EQ(screenName(), std::string(screenName(flow->target)));
        EXPECT_EQ(screen()->windowTitle(), toQString(screenCaption(flow->target)));
        EXPECT_EQ(screen()->windowModality(), flow->modality == Modality::Modal ? Qt::ApplicationModal : Qt::NonModal);
        EXPECT_TRUE(screen()->isVisible());
        EXPECT_EQ(visibleScreenCount(), 1);
        EXPECT_EQ(liveScreenCount(), 1);
        EXPECT_EQ(programEnds, 0);
    } else {
        EXPECT_EQ(programEnds, 1);
        EXPECT_EQ(screen(), nullptr);
        EXPECT_EQ(liveScreenCount(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NavigationTableTest,
    ::testing::Values(
        NavigationRow{ScreenId::f1, "Command1", 1, false}, NavigationRow{ScreenId::f1, "Command2", 1, false},
        NavigationRow{ScreenId::f1, "Command3", 1, false}, NavigationRow{ScreenId::f2, "cmdOK", 1, false},
        NavigationRow{ScreenId::fin, "Command1", 1, false}, NavigationRow{ScreenId::Form2, "Command2", 1, false},
        NavigationRow{ScreenId::Lance1, "Command2", 1, false}, NavigationRow{ScreenId::Lance2, "Command2", 2, false},
        NavigationRow{ScreenId::Lance3, "Command2", 3, false}, NavigationRow{ScreenId::Don, "Command1", 2, true},
        NavigationRow{ScreenId::Don, "Command2", 2, false}, NavigationRow{ScreenId::Don, "Command3", 1, false},
        NavigationRow{ScreenId::Don, "Command3", 2, false}, NavigationRow{ScreenId::Don, "Command3", 3, false},
        NavigationRow{ScreenId::Dessin, "Command1", 2, true}, NavigationRow{ScreenId::Dessin, "Command2", 2, false},
        NavigationRow{ScreenId::Dessin, "Command3", 2, false}, NavigationRow{ScreenId::Calculs, "Command1", 2, false},
        NavigationRow{ScreenId::Calculs, "Command2", 2, false}, NavigationRow{ScreenId::Calculs, "Command3", 2, false},
        NavigationRow{ScreenId::Calculs2, "Command1", 2, false},
        NavigationRow{ScreenId::Calculs2, "Command2", 2, false},
        NavigationRow{ScreenId::Calculs2, "Command3", 2, false}));

void pressKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

class EveryScreen : public AppTest, public ::testing::WithParamInterface<ScreenId> {};
class EveryWalkScreen : public EveryScreen {};

std::string nameOf(const ::testing::TestParamInfo<ScreenId>& row)
{
    return std::string(screenName(row.param));
}

// Escape would close the screen, and a screen closed by the trainee ends the program.
TEST_P(EveryWalkScreen, EscapeLeavesItOpen)
{
    const ScreenId target = GetParam();
    reach(target, 3);
    ASSERT_EQ(screenName(), std::string(screenName(target)));
    const QPointer<ScreenWindow> open = screen();
    pressKey(open, Qt::Key_Escape);
    flush();
    ASSERT_FALSE(open.isNull());
    EXPECT_EQ(screen(), open.data());
    EXPECT_TRUE(open->isVisible());
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_P(EveryScreen, ClosingItThroughTheFrameEndsTheProgram)
{
    const ScreenId target = GetParam();
    reach(target, 3);
    ASSERT_EQ(screenName(), std::string(screenName(target)));
    const QPointer<ScreenWindow> open = screen();
    EXPECT_TRUE(open->close());
    EXPECT_FALSE(open->isVisible());
    flush();
    EXPECT_TRUE(open.isNull());
    EXPECT_EQ(programEnds, 1);
    EXPECT_EQ(screen(), nullptr);
    EXPECT_EQ(liveScreenCount(), 0);  // and the closing screen is not shown
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryScreen, ::testing::ValuesIn(allScreens), nameOf);
// The About box is left out: Escape is its OK.
INSTANTIATE_TEST_SUITE_P(Screens, EveryWalkScreen,
                         ::testing::Values(ScreenId::f1, ScreenId::fin, ScreenId::Form2, ScreenId::Lance1,
                                           ScreenId::Lance2, ScreenId::Lance3, ScreenId::Don, ScreenId::Dessin,
                                           ScreenId::Calculs, ScreenId::Calculs2),
                         nameOf);

TEST_F(ReachingTest, EnterAndEscapeInTheAboutBoxPressOk)
{
    for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        click("Command3");
        ASSERT_EQ(screenName(), "f2");
        const QPointer<ScreenWindow> about = screen();
        pressKey(about, key);
        flush();
        EXPECT_TRUE(about.isNull());
        EXPECT_EQ(screenName(), "f1");
        EXPECT_EQ(liveScreenCount(), 1);
    }
    EXPECT_EQ(programEnds, 0);
}

TEST_F(ReachingTest, ButtonsThatDoNotNavigateKeepTheScreen)
{
    reach(ScreenId::Dessin, 1);
    const QPointer<ScreenWindow> schematic = screen();
    click("Command4");
    EXPECT_EQ(printer.printed, std::vector<std::string>{"Dessin"});
    navigator.navigateFrom(ScreenId::Dessin, "Command4");  // not a navigation control
    navigator.navigateFrom(ScreenId::f1, "Command1");  // not the open screen
    flush();
    EXPECT_EQ(screen(), schematic.data());
    EXPECT_EQ(liveScreenCount(), 1);
}

}  // namespace
}  // namespace tavelle::testing
