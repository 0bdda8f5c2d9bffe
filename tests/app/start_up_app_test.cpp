// What the application leaves until its first screen shows: work queued for after the first expose,
// and the print operation, whose printer look-up loads the print system.
#include "screens/screen_factory.h"
#include "shell/after_first_expose.h"
#include "shell/deferred_print_operation.h"
#include "tests/support/fake_shell.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavelle::testing {
namespace {

bool showUntilExposed(QWidget& window)
{
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (waited.elapsed() > 5000) return false;
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
    return true;
}

TEST(AfterFirstExpose, RunsOnceTheWindowShowsInTheOrderOfTheCalls)
{
    std::vector<std::string> ran;
    afterFirstExpose([&ran] { ran.push_back("first"); });
    afterFirstExpose([&ran] { ran.push_back("second"); });
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran.empty()) << "ran before any window was exposed";

    QWidget window;
    window.resize(200, 100);
    ASSERT_TRUE(showUntilExposed(window));
    EXPECT_EQ(ran, (std::vector<std::string>{"first", "second"}));

    QWidget another;
    another.resize(200, 100);
    ASSERT_TRUE(showUntilExposed(another));
    EXPECT_EQ(ran.size(), 2u) << "ran again on a later expose";
}

TEST(DeferredPrintOperation, LooksThePrintersUpOnceWhenSetUp)
{
    RecordingMessageBoxes boxes;
    FakePrinterSystem printers;
    printers.printers = {{"Atelier", false}, {"Bureau", true}};
    DeferredPrintOperation operation(boxes, printers);
    EXPECT_EQ(printers.enumerations, 0);
    EXPECT_FALSE(operation.isSetUp());

    operation.setUp();
    operation.setUp();
    EXPECT_TRUE(operation.isSetUp());
    EXPECT_EQ(printers.enumerations, 1);

    // The default at set-up stays current when there is none at the time of the print.
    printers.printers = {{"Atelier", false}, {"Bureau", false}};
    RecordingHost host;
    const auto screen = createScreen(ScreenId::Don, host);
    operation.printScreen(*screen);
    EXPECT_EQ(printers.printedOn, std::vector<std::string>{"Bureau"});
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(DeferredPrintOperation, APrintBeforeTheSetUpSetsItUpFirst)
{
    RecordingMessageBoxes boxes;
    FakePrinterSystem printers;
    printers.printers = {{"Bureau", true}};
    DeferredPrintOperation operation(boxes, printers);
    RecordingHost host;
    const auto screen = createScreen(ScreenId::Don, host);

    operation.printScreen(*screen);

    EXPECT_TRUE(operation.isSetUp());
    EXPECT_EQ(printers.printedOn, std::vector<std::string>{"Bureau"});
    EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace tavelle::testing
