// Run on a 640×480 screen (a run of its own, offscreen, the screen from small_screen.json): every
// screen stays within the available area and each of its buttons can be brought into view there.
#include "tests/app/app_fixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

namespace tavelle::testing {
namespace {

class SmallScreenTest : public AppTest, public ::testing::WithParamInterface<ScreenId> {
protected:
    void SetUp() override
    {
        const QSize area = QGuiApplication::primaryScreen()->availableGeometry().size();
        if (area.width() > 640 || area.height() > 480)
            GTEST_SKIP() << "needs a small screen: see tests/app/small_screen.json";
        AppTest::SetUp();
    }
};

TEST_P(SmallScreenTest, EveryButtonCanBeReachedWithinTheAvailableArea)
{
    reach(GetParam());
    ASSERT_EQ(screenName(), std::string(screenName(GetParam())));
    const QRect area = screen()->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(screen()->frameGeometry()));
    auto* scrollArea = screen()->findChild<QScrollArea*>();
    const QRect window(screen()->mapToGlobal(QPoint(0, 0)), screen()->size());
    for (QPushButton* button : screen()->findChildren<QPushButton*>()) {
        if (button->isHidden()) continue;
        SCOPED_TRACE(button->objectName().toStdString());
        if (scrollArea != nullptr) scrollArea->ensureWidgetVisible(button, 0, 0);
        const QRect onScreen(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_TRUE(window.contains(onScreen));
        EXPECT_TRUE(area.contains(onScreen));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, SmallScreenTest, ::testing::ValuesIn(allScreens),
                         [](const ::testing::TestParamInfo<ScreenId>& row) {
                             return std::string(screenName(row.param));
                         });

}  // namespace
}  // namespace tavelle::testing
