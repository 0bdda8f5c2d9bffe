// The application's boxes as the trainee meets them.
#include "shell/qt_message_boxes.h"
#include "tests/support/fake_shell.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace tavelle::testing {
namespace {

QMessageBox* shownBox()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible()) return box;
    return nullptr;
}

// A damaged file found, a result not kept: news that comes while the trainee types takes none of the keys
// meant for the window.
TEST(QtMessageBoxesTest, ANoticeTakesNoKeyMeantForTheWindow)
{
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Voir le calcul"), &window);
    int presses = 0;
    QObject::connect(button, &QPushButton::clicked, [&presses] { ++presses; });
    window.show();
    QApplication::setActiveWindow(&window);
    button->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QtMessageBoxes boxes;
    boxes.noticeInformation(QStringLiteral("Progression"), QStringLiteral("Le fichier était endommagé."));
    QMessageBox* notice = shownBox();
    ASSERT_NE(notice, nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &window);
    ASSERT_EQ(QApplication::focusWidget(), button);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(presses, 1);
    EXPECT_TRUE(notice->isVisible());

    notice->close();
    EXPECT_TRUE(processEventsUntil([] { return shownBox() == nullptr; }));
}

}  // namespace
}  // namespace tavelle::testing
