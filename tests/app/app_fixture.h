#pragma once

#include "core/exercise_record.h"
#include "core/screens/entry_screens.h"
#include "screens/screen_window.h"
#include "shell/navigator.h"
#include "tests/support/fake_shell.h"
#include "tests/support/named_exercises.h"
#include "tests/support/screen_probes.h"

#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

namespace tavelle::testing {

// Drives the real navigator and screens by their controls' names, as a trainee would.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        navigator.start();
        flush();
    }

    void TearDown() override { flush(); }

    static void flush() { flushClosedScreens(); }

    ScreenWindow* screen() const { return navigator.currentScreen(); }

    // The open screen's name; with an id, that screen's name (the fixture's name would hide it).
    std::string screenName() const
    {
        return screen() == nullptr ? std::string("(none)") : screen()->objectName().toStdString();
    }
    static std::string screenName(ScreenId id) { return std::string(tavelle::screenName(id)); }

    template <typename Widget>
    Widget* control(const char* name) const
    {
        if (screen() == nullptr) return nullptr;
        return screen()->findChild<Widget*>(QString::fromLatin1(name));
    }

    void click(const char* button)
    {
        auto* pushButton = control<QPushButton>(button);
        ASSERT_NE(pushButton, nullptr) << button << " on " << screenName();
        pushButton->click();
        flush();
    }

    void choose(const char* list, const std::string& item)
    {
        auto* combo = control<QComboBox>(list);
        ASSERT_NE(combo, nullptr) << list << " on " << screenName();
        const int index = combo->findText(QString::fromStdString(item), Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << item << " in " << list << " on " << screenName();
        combo->setCurrentIndex(index);
    }

    void chooseAll(std::initializer_list<std::pair<const char*, const char*>> choices)
    {
        for (const auto& [list, item] : choices) {
            choose(list, item);
            if (::testing::Test::HasFatalFailure()) return;
        }
    }

    // Chooses the input's items on the open entry screen (an empty one is left without a choice), then
    // presses "Suite >>".
    void enter(ExerciseInput input)
    {
        ASSERT_NE(screen(), nullptr);
        for (const EntryList& list : entryLists(screen()->screenId())) {
            if (list.choice(input).empty()) continue;
            choose(std::string(list.control).c_str(), list.choice(input));
            if (::testing::Test::HasFatalFailure()) return;
        }
        click("Command1");
    }

    // Every list of the open screen is without a choice, as a fresh screen is.
    void expectFreshLists() const
    {
        ASSERT_NE(screen(), nullptr);
        const QList<QComboBox*> lists = screen()->findChildren<QComboBox*>();
        EXPECT_FALSE(lists.isEmpty()) << screenName();
        for (const QComboBox* list : lists) {
            EXPECT_EQ(list->currentIndex(), -1) << list->objectName().toStdString() << " on " << screenName();
            EXPECT_TRUE(list->currentText().isEmpty()) << list->objectName().toStdString();
            EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
        }
    }

    // The walk-through's exercise, one entry screen at a time.
    void enterExercise(const char* nozzleCount) { enter(walkThroughExercise(std::stoi(nozzleCount))); }
    void enterNozzle1() { enter(walkThroughExercise(3)); }
    void enterNozzle2() { enter(walkThroughExercise(3)); }
    void enterNozzle3() { enter(walkThroughExercise(3)); }

    // Reaches a screen the way a trainee does, from the home screen, with an exercise of that many nozzles.
    void reach(ScreenId target, int nozzleCount = 3)
    {
        switch (target) {
        case ScreenId::f1: break;
        case ScreenId::f2: click("Command3"); break;
        case ScreenId::fin: click("Command2"); break;
        case ScreenId::Form2: click("Command1"); break;
        case ScreenId::Lance1:
            click("Command1");
            enterExercise(std::to_string(nozzleCount).c_str());
            break;
        case ScreenId::Lance2:
            reach(ScreenId::Lance1, nozzleCount);
            enterNozzle1();
            break;
        case ScreenId::Lance3:
            reach(ScreenId::Lance2, nozzleCount);
            enterNozzle2();
            break;
        case ScreenId::Don: walkToStatement(nozzleCount); break;
        case ScreenId::Dessin:
            walkToStatement(nozzleCount);
            click("Command1");
            break;
        case ScreenId::Calculs:
            reach(ScreenId::Dessin, nozzleCount);
            click("Command1");
            break;
        case ScreenId::Calculs2:
            reach(ScreenId::Calculs, nozzleCount);
            click("Command1");
            break;
        case ScreenId::QuestionAB:
        case ScreenId::QuestionBC:
        case ScreenId::Bilan: FAIL() << "the practice windows open in practice only";
        }
    }

    // From the home screen to the statement of an exercise with the given number of nozzles.
    void walkToStatement(int nozzleCount)
    {
        click("Command1");
        for (int entered = 0; entered <= nozzleCount && !HasFatalFailure(); ++entered)
            enter(walkThroughExercise(nozzleCount));
    }

    RecordingMessageBoxes messages;
    RecordingPrinter printer;
    int programEnds = 0;
    Navigator navigator{messages, printer, ",", [this] { ++programEnds; }};
    const ExerciseRecord& record = navigator.record();
};

}  // namespace tavelle::testing
