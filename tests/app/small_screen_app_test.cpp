// Run on a 640×480 screen (runs of their own: offscreen, the screen from small_screen.json; and on Xvfb
// under a window manager): every screen's frame stays within the available area and each of its buttons
// can be brought into view there.
#include "tests/app/app_fixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

namespace tavelle::testing {
namespace {

std::string rectText(QRect rect)
{
    return QStringLiteral("%1,%2 %3×%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height()).toStdString();
}

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
    // A window manager gives the frame once the window shows, and the window is fitted to it then.
    // Now and then Qt's X11 plugin is not told the frame of a program's first window: nothing can fit it then.
    if (QGuiApplication::platformName() == QStringLiteral("xcb") &&
        !QTest::qWaitFor([this] { return screen()->frameGeometry().size() != screen()->size(); }, 5000))
        GTEST_SKIP() << "the window manager's frame was not told to Qt";
    EXPECT_TRUE(QTest::qWaitFor([&] { return area.contains(screen()->frameGeometry()); }, 5000))
        << "frame " << rectText(screen()->frameGeometry()) << ", area " << rectText(area);
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

// In its scroll area the home window keeps the focus its design gives: Return goes on without a Tab.
using SmallScreenHomeTest = SmallScreenTest;
TEST_F(SmallScreenHomeTest, ReturnGoesOnWithoutTab)
{
    reach(ScreenId::f1);
    QWidget* focused = screen()->focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key_Return);
    flush();
    EXPECT_EQ(screenName(), screenName(ScreenId::Form2));
}

INSTANTIATE_TEST_SUITE_P(Screens, SmallScreenTest, ::testing::ValuesIn(allScreens),
                         [](const ::testing::TestParamInfo<ScreenId>& row) {
                             return std::string(screenName(row.param));
                         });

}  // namespace
}  // namespace tavelle::testing
