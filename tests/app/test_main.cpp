// One QApplication for every window test; offscreen unless the caller chose a platform.
#include "screens/application_look.h"
#include "shell/user_guide.h"
#include "tests/support/fake_shell.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    tavelle::applyApplicationLook();
    tavelle::testing::RecordingMessageBoxes guideMessages;
    tavelle::GuideOnF1 guideOnF1(guideMessages);
    application.installEventFilter(&guideOnF1);
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
