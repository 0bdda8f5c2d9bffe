#pragma once

#include "core/exercise_record.h"
#include "core/screens/screen_load.h"
#include "screens/screen_factory.h"
#include "tests/support/fake_shell.h"
#include "tests/support/named_exercises.h"

#include <QFontMetrics>
#include <QLabel>
#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tavelle::testing {

// The record as the entry screens leave it, before the result screens have loaded; fails the test when
// an entry screen refuses the exercise.
inline ExerciseRecord enteredRecord(const ExerciseInput& input, ExerciseRecord record = {})
{
    for (ScreenId screen = ScreenId::Form2; isEntryScreen(screen);) {
        const PressOutcome outcome = pressEntryScreen(screen, input, record);
        EXPECT_TRUE(outcome.accepted) << screenName(screen);
        if (!outcome.accepted) break;
        screen = outcome.next;
    }
    return record;
}

// Builds a screen and loads it on the fixture's record, as the shell opens one.
class ResultScreenTest : public ::testing::Test {
protected:
    template <typename Screen>
    std::unique_ptr<Screen> open()
    {
        auto screen = std::make_unique<Screen>(host);
        screen->showLoad(loadScreen(screen->screenId(), record, ","));
        return screen;
    }

    std::unique_ptr<ScreenWindow> open(ScreenId id)
    {
        auto screen = createScreen(id, host);
        screen->showLoad(loadScreen(id, record, ","));
        return screen;
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
