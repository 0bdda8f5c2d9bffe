#include "shell/class_command.h"

#include "core/practice/practice_texts.h"
#include "core/progress/class_database_texts.h"
#include "core/progress/storage_fault.h"
#include "platform/kept_file.h"
#include "shell/class_module.h"
#include "shell/progress_module.h"

#include <QCoreApplication>

#include <cstdio>

namespace tavelle {

namespace {

void say(FILE* stream, const std::string& text)
{
    std::fprintf(stream, "tavelle: %s\n", text.c_str());
    std::fflush(stream);
}

// Qt SQL finds its drivers through the application.
struct CommandApplication {
    int argc = 1;
    char name[8] = "tavelle";
    char* argv[2] = {name, nullptr};
    QCoreApplication application{argc, argv};
};

}  // namespace

int prepareClassDatabase(const QString& connection)
{
    const CommandApplication application;
    const std::unique_ptr<ClassDatabase> database = loadClassDatabase(progressModuleFile(), connection);
    if (!database) return 1;
    int from = 0;
    int to = 0;
    if (const std::optional<ServerFailure> failure = database->prepare(from, to)) {
        say(stderr, failure->text().toStdString());
        return 1;
    }
    say(stdout, schemaPreparedText(from, to));
    return 0;
}

int checkClassAccount(const QString& connection)
{
    const CommandApplication application;
    const std::unique_ptr<ClassDatabase> database = loadClassDatabase(progressModuleFile(), connection);
    if (!database) return 1;
    const std::variant<AccountFacts, ServerFailure> facts = database->accountFacts();
    if (const auto* failure = std::get_if<ServerFailure>(&facts)) {
        say(stderr, failure->text().toStdString());
        return 1;
    }
    const AccountCheck check = accountCheck(std::get<AccountFacts>(facts));
    std::fputs(check.text.c_str(), stdout);
    std::fflush(stdout);
    return check.sound ? 0 : 1;
}

int exportClassProgress(const QString& connection, const std::optional<QString>& group, const QString& file)
{
    const CommandApplication application;
    const std::unique_ptr<ClassDatabase> database = loadClassDatabase(progressModuleFile(), connection);
    if (!database) return 1;
    // Each row goes to the file as the server gives it: the export of a whole centre holds one row.
    KeptFile kept(file);
    if (!kept.open()) {
        say(stderr, storageFaultReason(StorageFault::writeError, file.toStdString()));
        return 2;
    }
    bool written = true;
    const std::optional<ServerFailure> failure = database->writeProgressCsv(group, [&](const std::string& text) {
        written = kept.device().write(text.data(), qint64(text.size())) == qint64(text.size());
        return written;
    });
    if (failure) {
        say(stderr, failure->text().toStdString());
        return 1;
    }
    if (!written || !kept.commit()) {
        say(stderr, storageFaultReason(StorageFault::writeError, file.toStdString()));
        return 2;
    }
    return 0;
}

}  // namespace tavelle
