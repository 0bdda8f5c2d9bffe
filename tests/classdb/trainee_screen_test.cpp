#include "core/progress/class_database_texts.h"
#include "screens/trainee_screen.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tavelle::testing {
namespace {

// The window offers what it is given, refuses a name the core refuses with the core's reason, and
// gives the trainee once accepted.
TEST(TraineeScreen, OffersTheAccountsNameAndAcceptsOnlyAWholeName)
{
    TraineeScreen screen(Trainee{"DURAND", "", "Groupe B"});
    screen.show();
    auto* surname = screen.findChild<QLineEdit*>(QStringLiteral("surname"));
    auto* givenName = screen.findChild<QLineEdit*>(QStringLiteral("givenName"));
    auto* confirm = screen.findChild<QPushButton*>(QStringLiteral("confirm"));
    auto* fault = screen.findChild<QLabel*>(QStringLiteral("fault"));
    ASSERT_TRUE(surname && givenName && confirm && fault);
    EXPECT_EQ(surname->text(), QStringLiteral("DURAND"));
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Qui s'entraîne ?"));

    confirm->click();
    EXPECT_TRUE(screen.isVisible());
    EXPECT_FALSE(screen.trainee());
    EXPECT_EQ(fault->text(), QString::fromStdString(traineeFaultText(TraineeFault::noGivenName)));
    EXPECT_TRUE(givenName->hasFocus() || !QApplication::focusWindow());

    givenName->setText(QStringLiteral(" Élise "));
    confirm->click();
    EXPECT_EQ(screen.result(), QDialog::Accepted);
    ASSERT_TRUE(screen.trainee());
    EXPECT_EQ(screen.trainee()->givenName, "Élise");
    EXPECT_EQ(screen.trainee()->group, "Groupe B");
}

}  // namespace
}  // namespace tavelle::testing

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    return RUN_ALL_TESTS();
}
