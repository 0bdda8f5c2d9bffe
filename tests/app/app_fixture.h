#pragma once

#include "core/exercise_record.h"
#include "screens/screen_window.h"
#include "shell/message_boxes.h"
#include "shell/navigator.h"
#include "shell/screen_printer.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tavelle::testing {

inline int visibleScreenCount()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<ScreenWindow*>(widget) != nullptr && widget->isVisible()) ++count;
    return count;
}

inline int liveScreenCount()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<ScreenWindow*>(widget) != nullptr) ++count;
    return count;
}

struct ShownBox {
    enum class Kind { Warning, Information, Plain };
    Kind kind;
    QString title;
    QString text;
    int screensBehind;  // screens visible while the box was up
};

class RecordingMessageBoxes final : public MessageBoxes {
public:
    void warning(const QString& text) override { record(ShownBox::Kind::Warning, QStringLiteral("ATTENTION !!"), text); }
    void information(const QString& title, const QString& text) override
    {
        record(ShownBox::Kind::Information, title, text);
    }
    void plain(const QString& title, const QString& text) override { record(ShownBox::Kind::Plain, title, text); }

    std::vector<ShownBox> shown;

    std::vector<std::string> warningTexts() const
    {
        std::vector<std::string> texts;
        for (const ShownBox& box : shown)
            if (box.kind == ShownBox::Kind::Warning) texts.push_back(box.text.toStdString());
        return texts;
    }

private:
    void record(ShownBox::Kind kind, const QString& title, const QString& text)
    {
        shown.push_back({kind, title, text, visibleScreenCount()});
    }
};

class RecordingPrinter final : public ScreenPrinter {
public:
    void printScreen(QWidget& screen) override { printed.push_back(screen.objectName().toStdString()); }
    std::vector<std::string> printed;
};

// Drives the real navigator and screens by their controls' names, as a trainee would.
class AppTest : public ::testing::Test {
protected:
    AppTest()
        : navigator(record, messages, printer, ",", [this] { ++programEnds; })
    {
    }

    void SetUp() override
    {
        navigator.start();
        flush();
    }

    void TearDown() override { flush(); }

    // Windows closed by a navigation go away once their handler has returned.
    static void flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

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

    void choose(const char* list, const char* item)
    {
        auto* combo = control<QComboBox>(list);
        ASSERT_NE(combo, nullptr) << list << " on " << screenName();
        const int index = combo->findText(QString::fromUtf8(item), Qt::MatchExactly | Qt::MatchCaseSensitive);
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

    // The one valid exercise of the walk-through: pump 1000/15, 70 mm over 200 m, no slope.
    void enterExercise(const char* nozzleCount)
    {
        chooseAll({{"Combo1", "1000/15"}, {"Combo2", "70"}, {"Combo4", "200"}, {"Combo3", nozzleCount},
                   {"Combo11", "nulle"}, {"Combo5", "0"}});
        click("Command1");
    }
    void enterNozzle1()
    {
        chooseAll({{"Combo1", "65/18"}, {"Combo2", "500"}, {"Combo4", "2"}, {"Combo3", "10"}});
        click("Command1");
    }
    void enterNozzle2()
    {
        chooseAll({{"Combo1", "40/14"}, {"Combo2", "250"}, {"Combo4", "1"}, {"Combo6", "310"}, {"Combo3", "314"}});
        click("Command1");
    }
    void enterNozzle3()
    {
        chooseAll({{"Combo1", "LDV 500"}, {"Combo2", "400"}, {"Combo4", "3"}, {"Combo3", "négative"}, {"Combo6", "5"}});
        click("Command1");
    }

    // From the home screen to the statement of an exercise with the given number of nozzles.
    void walkToStatement(int nozzleCount)
    {
        click("Command1");
        enterExercise(std::to_string(nozzleCount).c_str());
        enterNozzle1();
        if (nozzleCount >= 2) enterNozzle2();
        if (nozzleCount >= 3) enterNozzle3();
    }

    ExerciseRecord record;
    RecordingMessageBoxes messages;
    RecordingPrinter printer;
    int programEnds = 0;
    Navigator navigator;
};

}  // namespace tavelle::testing
