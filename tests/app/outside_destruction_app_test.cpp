// Windows destroyed by another client of the X server, as a session manager, a crashed window manager
// or xdotool windowclose does. Run under a window manager by app.desktop.window_manager.
#include "tests/app/app_fixture.h"

#include "shell/print_operation.h"
#include "shell/qt_message_boxes.h"
#include "tests/print/fake_print_program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <xcb/xcb.h>

#include <functional>

namespace tavelle::testing {
namespace {

bool underX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void destroyFromOutside(WId window)
{
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    ASSERT_EQ(xcb_connection_has_error(other), 0);
    xcb_destroy_window(other, static_cast<xcb_window_t>(window));
    // A round trip: the server has destroyed the window when its answer comes.
    std::free(xcb_get_input_focus_reply(other, xcb_get_input_focus(other), nullptr));
    xcb_disconnect(other);
}

bool within5s(const std::function<bool()>& condition)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        if (condition()) return true;
        QThread::msleep(10);
    }
    return false;
}

class WindowManagerOutsideDestructionTest : public AppTest {
protected:
    void SetUp() override
    {
        if (!underX11()) GTEST_SKIP() << "X11: run by app.desktop.window_manager";
        AppTest::SetUp();
    }
};

TEST_F(WindowManagerOutsideDestructionTest, AScreenDestroyedFromOutsideEndsTheProgramAsItsCloseButtonWould)
{
    ASSERT_NE(screen(), nullptr);
    destroyFromOutside(screen()->winId());
    EXPECT_TRUE(within5s([this] { return navigator.programEnded(); }));
    EXPECT_EQ(programEnds, 1);
}

TEST_F(WindowManagerOutsideDestructionTest, AScreenDestroyedFromOutsideDuringAPrintEndsTheProgramOnceItsOutcomeIsKnown)
{
    QTemporaryDir folder;
    const QString program = writeFakePrintProgram(folder.path(), "sleep 1\n" + fakeAnswerPrinted("PDF"));
    ASSERT_FALSE(program.isEmpty());
    RecordingMessageBoxes boxes;
    PrintOperation printing(boxes, program);
    int ends = 0;
    bool printingWhenEnded = true;
    Navigator shell(boxes, printing, ",", [&] {
        ++ends;
        printingWhenEnded = printing.isPrinting();
    });
    shell.start();
    flush();
    ScreenWindow* home = shell.currentScreen();
    ASSERT_NE(home, nullptr);
    printing.printScreen(*home);
    destroyFromOutside(home->winId());

    EXPECT_TRUE(within5s([&] { return ends == 1; }));
    EXPECT_FALSE(printingWhenEnded);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_TRUE(QFile::exists(program + QStringLiteral(".printed")));
}

TEST_F(WindowManagerOutsideDestructionTest, AMessageBoxDestroyedFromOutsideCountsAsItsOk)
{
    QtMessageBoxes boxes;
    bool destroyed = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        destroyFromOutside(box->winId());
        destroyed = true;
        // A box that stays open without its window is closed after a while: the failure must not hang the run.
        QTimer::singleShot(5000, box, [box] {
            ADD_FAILURE() << "the box outlived its window";
            box->button(QMessageBox::Ok)->click();
        });
    });
    boxes.plain(QStringLiteral("Tavelle"), QStringLiteral("Impossible d'imprimer"));
    EXPECT_TRUE(destroyed);
}

}  // namespace
}  // namespace tavelle::testing
