#pragma once

#include "tests/app/app_fixture.h"

#include <QAccessible>
#include <QLabel>

namespace tavelle::testing {

// Opens any screen of the walk-through the way a trainee reaches it.
class DesktopTest : public AppTest {
protected:
    void reach(ScreenId target)
    {
        switch (target) {
        case ScreenId::f1: break;
        case ScreenId::f2: click("Command3"); break;
        case ScreenId::fin: click("Command2"); break;
        case ScreenId::Form2: click("Command1"); break;
        case ScreenId::Lance1:
        case ScreenId::Lance2:
        case ScreenId::Lance3:
            click("Command1");
            enterExercise("3");
            if (target != ScreenId::Lance1) enterNozzle1();
            if (target == ScreenId::Lance3) enterNozzle2();
            break;
        case ScreenId::Don:
        case ScreenId::Dessin:
        case ScreenId::Calculs:
        case ScreenId::Calculs2:
            walkToStatement(3);
            if (target != ScreenId::Don) click("Command1");
            if (target == ScreenId::Calculs || target == ScreenId::Calculs2) click("Command1");
            if (target == ScreenId::Calculs2) click("Command1");
            break;
        }
        ASSERT_EQ(screenName(), screenName(target));
    }

    // The pictures of the open screen: labels showing a pixmap.
    QList<QLabel*> pictures() const
    {
        QList<QLabel*> found;
        for (QLabel* label : screen()->findChildren<QLabel*>())
            if (!label->pixmap().isNull()) found.push_back(label);
        return found;
    }

    static QString spokenName(QWidget* widget)
    {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return accessible == nullptr ? QString() : accessible->text(QAccessible::Name);
    }
};

inline std::string screenParamName(const ::testing::TestParamInfo<ScreenId>& param)
{
    return std::string(tavelle::screenName(param.param));
}

}  // namespace tavelle::testing
