#include "shell/waiting_attempts.h"

#include "core/progress/class_database_texts.h"
#include "shell/class_module.h"
#include "shell/progress_module.h"
#include "shell/progress_worker.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace tavelle {

std::unique_ptr<ProgressWorker> sendWaitingAttempts(const QString& connection)
{
    // Never a file made for nothing: a machine that never practised has nothing to send.
    if (connection.isEmpty() || !QFileInfo::exists(progressDatabaseFile())) return nullptr;
    auto worker = std::make_unique<ProgressWorker>(
        [] { return loadProgressStore(progressModuleFile(), progressDatabaseFile()); }, std::chrono::seconds(30),
        [connection] { return loadClassDatabase(progressModuleFile(), connection); });
    worker->onSent([](const ProgressWorker::SendOutcome& outcome) {
        if (outcome.failure && outcome.failure->fault != ServerFault::unreachable)
            std::fprintf(stderr, "tavelle: %s\n", qPrintable(outcome.failure->text()));
    });
    worker->send();
    return worker;
}

void reportWaitingAttempts()
{
    if (!QFileInfo::exists(progressDatabaseFile())) return;
    int argc = 1;
    char name[] = "tavelle";
    char* argv[] = {name, nullptr};
    // Qt SQL's driver is found through the application.
    std::unique_ptr<QCoreApplication> application;
    if (QCoreApplication::instance() == nullptr) application = std::make_unique<QCoreApplication>(argc, argv);
    const std::unique_ptr<ProgressStore> store = loadProgressStore(progressModuleFile(), progressDatabaseFile());
    if (!store) return;
    const auto waiting = store->unsentCount();
    if (const int* count = std::get_if<int>(&waiting); count != nullptr && *count > 0)
        std::fprintf(stderr, "tavelle: %s\n", attemptsWaitingText(*count).c_str());
}

}  // namespace tavelle
