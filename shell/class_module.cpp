#include "shell/class_module.h"

#include <QFileInfo>
#include <QLibrary>

#include <cstdio>

namespace tavelle {

std::unique_ptr<ClassDatabase> loadClassDatabase(const QString& moduleFile, const QString& connection)
{
    // Never unloaded, as for the progress store.
    QLibrary module(moduleFile);
    const auto create = reinterpret_cast<decltype(&tavelle_create_class_database)>(
        module.resolve("tavelle_create_class_database"));
    if (create == nullptr) {
        const QString reason = QFileInfo::exists(moduleFile) ? module.errorString() : QStringLiteral("no such file");
        std::fprintf(stderr, "tavelle: cannot reach the class database: the module %s does not load: %s\n",
                     qPrintable(moduleFile), qPrintable(reason));
        std::fflush(stderr);
        return nullptr;
    }
    return std::unique_ptr<ClassDatabase>(create(connection));
}

}  // namespace tavelle
