// Qt SQL finds its drivers through the application.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    int qtArgc = 1;
    const QCoreApplication application(qtArgc, argv);
    return RUN_ALL_TESTS();
}
