#include "private_cups_server.h"

#include "screens/application_look.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>

#include <cstdlib>
#include <memory>

namespace tavelle::testing {

namespace {
PrivateCupsServer* theServer = nullptr;
}

PrivateCupsServer& privateCupsServer()
{
    return *theServer;
}

}  // namespace tavelle::testing

// Every test process has a CUPS scheduler of its own, started when a test first needs it and ended with
// the process, so these tests never reach the machine's print system and may run side by side.
int main(int argc, char** argv)
{
    // A short path: the scheduler's socket lives there, and socket paths are limited to 107 bytes.
    char folderTemplate[] = "/tmp/tavelle-cups-XXXXXX";
    if (!mkdtemp(folderTemplate)) return EXIT_FAILURE;
    const QString folder = QString::fromLocal8Bit(folderTemplate);
    tavelle::testing::PrivateCupsServer::prepareEnvironment(folder);
    // The print's messages on standard error are checked in English: the language of messages is English
    // whatever the settings give the numbers (LC_ALL's locale, if any, becomes LANG's).
    if (const char* all = std::getenv("LC_ALL"); all != nullptr && *all != '\0') setenv("LANG", all, 1);
    unsetenv("LC_ALL");
    setenv("LC_MESSAGES", "C", 1);

    int status = EXIT_FAILURE;
    {
        auto server = std::make_unique<tavelle::testing::PrivateCupsServer>(folder);
        tavelle::testing::theServer = server.get();

        ::testing::InitGoogleTest(&argc, argv);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication application(argc, argv);
        // The screens look as in the application, which is what goes on paper.
        tavelle::applyApplicationLook();
        status = RUN_ALL_TESTS();

        server->stop();
        tavelle::testing::theServer = nullptr;
    }
    QDir(folder).removeRecursively();
    return status;
}
