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
                           QStringLiteral("/" TAVELLE_PRIVATE_DIR "/" TAVELLE_PROGRESS_MODULE_NAME));
}

QString progressDatabaseFile()
{
    // Named here once, not after the application's name, which only the windows set: practice and
    // --progression, with or without a window, read the same file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Tavelle/progression.sqlite");
}

QFunctionPointer progressModuleEntry(const QString& moduleFile, const char* symbol, const char* purpose)
{
    QLibrary module(moduleFile);
    const QFunctionPointer entry = module.resolve(symbol);
    if (entry == nullptr) {
        const QString reason = QFileInfo::exists(moduleFile) ? module.errorString() : QStringLiteral("no such file");
        std::fprintf(stderr, "tavelle: %s: the module %s does not load: %s\n", purpose, qPrintable(moduleFile),
                     qPrintable(reason));
        std::fflush(stderr);
    }
    return entry;
}

std::unique_ptr<ProgressStore> loadProgressStore(const QString& moduleFile, const QString& databaseFile)
{
    const auto create = reinterpret_cast<decltype(&tavelle_create_progress_store)>(
        progressModuleEntry(moduleFile, "tavelle_create_progress_store", "cannot keep the progress"));
    return create == nullptr ? nullptr : std::unique_ptr<ProgressStore>(create(databaseFile));
}

}  // namespace tavelle
