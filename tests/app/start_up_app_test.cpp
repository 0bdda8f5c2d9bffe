// What the application leaves until its first screen shows: work queued for after the first expose,
// and the question of the system's default printer, asked of lpstat.
#include "shell/after_first_expose.h"
#include "shell/default_printer_lookup.h"
#include "tests/support/fake_shell.h"
#include "tests/support/test_files.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>
#include <utility>
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

// lpstat's place taken by a script, or by nothing at all.
struct LookupCase {
    const char* name;
    const char* script;  // none: there is no lpstat
    const char* noted;  // none: nothing is passed on
};

class DefaultPrinterLookupTest : public ::testing::TestWithParam<LookupCase> {};

TEST_P(DefaultPrinterLookupTest, PassesOnThePrinterOfASuccessfulAnswerOnly)
{
    const LookupCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString program = folder.filePath(QStringLiteral("lpstat"));
    if (c.script != nullptr) {
        ASSERT_TRUE(writeTestFile(program, QByteArray("#!/bin/sh\n") + c.script + '\n', true));
    }
    std::vector<std::string> noted;
    DefaultPrinterLookup lookup([&noted](std::string name) { noted.push_back(std::move(name)); }, program);

    lookup.start();

    ASSERT_TRUE(processEventsUntil([&lookup] { return lookup.isDone(); }));
    EXPECT_EQ(noted, c.noted != nullptr ? std::vector<std::string>{c.noted} : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DefaultPrinterLookupTest,
    ::testing::Values(
        // Anywhere else lpstat would answer in the user's language.
        LookupCase{
            "AskedInTheCLocale",
            R"([ "$LC_ALL" = C ] && [ "$LANG" = C ] && [ "$*" = -d ] && echo "system default destination: Bureau")",
            "Bureau"},
        LookupCase{"NoDefault", "echo 'no system default destination'", nullptr},
        LookupCase{"Failed", "echo 'system default destination: Bureau'; exit 1", nullptr},
        LookupCase{"Killed", "echo 'system default destination: Bureau'; kill -KILL $$", nullptr},
        LookupCase{"Missing", nullptr, nullptr}),
    [](const ::testing::TestParamInfo<LookupCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tavelle::testing
