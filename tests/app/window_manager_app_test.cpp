#include "tests/app/desktop_test.h"

#include "shell/qt_message_boxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QThread>
#include <QTimer>

namespace tavelle::testing {
namespace {

// What the window manager says of a window, read with xprop as any desktop tool would.
struct ManagedWindow {
    QStringList states;
    QStringList allowedActions;
};

QStringList atomsOf(const QString& xprop, const QString& property)
{
    for (const QString& line : xprop.split(QLatin1Char('\n'))) {
        if (!line.startsWith(property + QLatin1String("(ATOM) = "))) continue;
        return line.section(QLatin1String(" = "), 1).split(QLatin1String(", "), Qt::SkipEmptyParts);
    }
    return {};
}

// Waits (showing the window meanwhile) until the window manager has taken the window on.
ManagedWindow managed(const QWidget& window)
{
    QElapsedTimer waited;
    waited.start();
    ManagedWindow found;
    while (waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-id"), QString::number(window.winId()), QStringLiteral("_NET_WM_STATE"),
                     QStringLiteral("_NET_WM_ALLOWED_ACTIONS")});
        if (!xprop.waitForFinished(5000) || xprop.exitCode() != 0) {
            ADD_FAILURE() << "xprop: " << xprop.readAllStandardError().toStdString();
            return found;
        }
        const QString output = QString::fromUtf8(xprop.readAllStandardOutput());
        found = {atomsOf(output, QStringLiteral("_NET_WM_STATE")),
                 atomsOf(output, QStringLiteral("_NET_WM_ALLOWED_ACTIONS"))};
        if (!found.allowedActions.isEmpty()) return found;
        QThread::msleep(20);
    }
    ADD_FAILURE() << "the window manager did not take on " << window.objectName().toStdString();
    return found;
}

void expectNeitherMinimiseNorMaximise(const ManagedWindow& window)
{
    EXPECT_TRUE(window.allowedActions.contains(QStringLiteral("_NET_WM_ACTION_CLOSE")));
    for (const char* action :
         {"_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ", "_NET_WM_ACTION_MAXIMIZE_VERT"})
        EXPECT_FALSE(window.allowedActions.contains(QLatin1String(action))) << action;
}

bool underWindowManager()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

class WindowManagerTest : public DesktopTest, public ::testing::WithParamInterface<ScreenId> {
protected:
    void SetUp() override
    {
        if (!underWindowManager()) GTEST_SKIP() << "X11 with a window manager: run by app.desktop.window_manager";
        DesktopTest::SetUp();
    }
};

TEST_P(WindowManagerTest, OnlyTheWorkingScreensHaveATaskBarEntryAndNoneMinimisesOrMaximises)
{
    reach(GetParam());
    const ManagedWindow window = managed(*screen());
    expectNeitherMinimiseNorMaximise(window);
    const bool passingBy = GetParam() == ScreenId::f2 || GetParam() == ScreenId::fin;
    EXPECT_EQ(window.states.contains(QStringLiteral("_NET_WM_STATE_SKIP_TASKBAR")), passingBy);
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowManagerTest, ::testing::ValuesIn(allScreens), screenParamName);

TEST(WindowManagerBoxTest, MessageBoxNeitherMinimisesNorMaximises)
{
    if (!underWindowManager()) GTEST_SKIP() << "X11 with a window manager: run by app.desktop.window_manager";
    QtMessageBoxes boxes;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        expectNeitherMinimiseNorMaximise(managed(*box));
        box->button(QMessageBox::Ok)->click();
    });
    boxes.plain(QStringLiteral("Tavelle"), QStringLiteral("Impossible d'imprimer"));
    EXPECT_TRUE(seen);
}

}  // namespace
}  // namespace tavelle::testing
