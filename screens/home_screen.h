#pragma once

#include "screens/screen_window.h"

namespace tavelle {

// The start-up screen: the product, its version and the way into an exercise.
class HomeScreen : public ScreenWindow {
    Q_OBJECT
public:
    explicit HomeScreen(ScreenHost& screenHost);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_webSiteLine = nullptr;
};

}  // namespace tavelle
