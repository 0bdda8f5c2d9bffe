#pragma once

#include "core/entry_rules.h"
#include "core/exercise_record.h"
#include "core/walkthrough.h"
#include "screens/screen_host.h"

#include <QFontMetrics>
#include <QLabel>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tavelle::testing {

// Remembers what the screens ask of the shell.
class RecordingHost final : public ScreenHost {
public:
    struct Navigation {
        ScreenId screen;
        std::string control;
        bool operator==(const Navigation&) const = default;
    };

    void navigateFrom(ScreenId screen, std::string_view control) override
    {
        navigations.push_back({screen, std::string(control)});
    }
    void finishEntry(ScreenId, const PressOutcome&) override { ++entriesFinished; }
    void printScreen(QWidget& screen) override { printed.push_back(&screen); }
    void showInformation(const QString& title, const QString& text) override
    {
        informations.emplace_back(title, text);
    }
    void screenClosedByUser(ScreenId) override { ++closedByUser; }

    std::vector<Navigation> navigations;
    std::vector<QWidget*> printed;
    std::vector<std::pair<QString, QString>> informations;
    int entriesFinished = 0;
    int closedByUser = 0;
};

// The record as the entry screens leave it, before the statement, schematic and calculations
// have loaded; fails the test when an entry screen refuses the exercise.
inline ExerciseRecord enteredRecord(const ExerciseInput& input, ExerciseRecord record = {})
{
    const PressOutcome exercise = pressExerciseSuite(input.exercise, record);
    EXPECT_TRUE(exercise.accepted);
    EXPECT_TRUE(pressNozzle1Suite(input.nozzle1, record).accepted);
    if (record.nozzleCount >= 2) {
        EXPECT_TRUE(pressNozzle2Suite(input.nozzle2, record).accepted);
    }
    if (record.nozzleCount >= 3) {
        EXPECT_TRUE(pressNozzle3Suite(input.nozzle3, record).accepted);
    }
    return record;
}

// Exercises as a trainee enters them on the exercise and nozzle screens.
inline ExerciseInput oneNozzle()
{
    ExerciseInput input;
    input.exercise = {"1000/10", "45", "100", "1", "nulle", "0"};
    input.nozzle1 = {"40/14", "250", "5", "1"};
    return input;
}

inline ExerciseInput twoNozzles()
{
    ExerciseInput input;
    input.exercise = {"1000/15", "70", "200", "2", "positive", "5"};
    input.nozzle1 = {"LDV 500", "500", "0", "2"};
    input.nozzle2 = {"40/14", "250", "326", "310", "1"};
    return input;
}

inline ExerciseInput threeNozzles()
{
    ExerciseInput input;
    input.exercise = {"2000/15", "110", "200", "3", "négative", "6"};
    input.nozzle1 = {"40/14", "250", "10", "1"};
    input.nozzle2 = {"65/18", "500", "310", "326", "2"};
    input.nozzle3 = {"LDV 1000", "750", "3", "négative", "5"};
    return input;
}

// Builds a screen on the fixture's record, as the shell opens one.
class ResultScreenTest : public ::testing::Test {
protected:
    template <typename Screen>
    std::unique_ptr<Screen> open()
    {
        return std::make_unique<Screen>(context);
    }

    static QLabel* label(QWidget& screen, const char* name)
    {
        return screen.findChild<QLabel*>(QString::fromLatin1(name));
    }

    static std::string text(QWidget& screen, std::string_view name)
    {
        const auto* found = screen.findChild<QLabel*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
        return found == nullptr ? std::string("(no such label)") : found->text().toStdString();
    }

    // Shown once its window is: not hidden by the load.
    static bool shown(QWidget& screen, const char* name)
    {
        const QWidget* control = screen.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control != nullptr && control->isVisibleTo(&screen);
    }

    ExerciseRecord record;
    RecordingHost host;
    ScreenContext context{record, host, ","};
};

// The whole text of a label can be read: one line fits its width and height, a wrapped text its
// height at its width.
inline ::testing::AssertionResult showsWholeText(const QLabel& label)
{
    const QString text = label.text();
    if (text.isEmpty()) return ::testing::AssertionSuccess();
    const QRect area = label.contentsRect();
    const QFontMetrics metrics(label.font());
    if (label.wordWrap()) {
        const int needed = label.heightForWidth(label.width());
        if (needed <= label.height()) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << label.objectName().toStdString() << " needs " << needed
                                             << " px of height, has " << label.height() << ": " << text.toStdString();
    }
    const int width = metrics.horizontalAdvance(text);
    if (width <= area.width() && metrics.height() <= area.height()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << label.objectName().toStdString() << " needs " << width << "x"
                                         << metrics.height() << " px, has " << area.width() << "x" << area.height()
                                         << ": " << text.toStdString();
}

}  // namespace tavelle::testing
