#include "shell/progress_module.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>

#include <cstdio>

namespace tavelle {

QString progressModuleFile()
{
    return QDir::cleanPath(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() +
                           QStringLiteral("/" TAVELLE_PRINT_MODULE_DIR "/" TAVELLE_PROGRESS_MODULE_NAME));
}

QString progressDatabaseFile()
{
    // Named here once, not after the application's name, which only the windows set: practice and
    // --progression, with or without a window, read the same file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tavelle/progression.sqlite");
}

std::unique_ptr<ProgressStore> loadProgressStore(const QString& moduleFile, const QString& databaseFile)
{
    // Never unloaded: the store it makes may live until the program ends.
    QLibrary module(moduleFile);
    const auto create = reinterpret_cast<decltype(&tavelle_create_progress_store)>(
        module.resolve("tavelle_create_progress_store"));
    if (create == nullptr) {
        const QString reason = QFileInfo::exists(moduleFile) ? module.errorString() : QStringLiteral("no such file");
        std::fprintf(stderr, "tavelle: cannot keep the progress: the module %s does not load: %s\n",
                     qPrintable(moduleFile), qPrintable(reason));
        std::fflush(stderr);
        return nullptr;
    }
    return std::unique_ptr<ProgressStore>(create(databaseFile));
}

}  // namespace tavelle
