#pragma once

#include "tests/app/app_fixture.h"

#include <QAccessible>
#include <QLabel>

namespace tavelle::testing {

// The pictures and spoken names of the screens a trainee reaches.
class DesktopTest : public AppTest {
protected:
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
