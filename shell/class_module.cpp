#include "shell/class_module.h"

#include "shell/progress_module.h"

namespace tavelle {

std::unique_ptr<ClassDatabase> loadClassDatabase(const QString& moduleFile, const QString& connection)
{
    const auto create = reinterpret_cast<decltype(&tavelle_create_class_database)>(
        progressModuleEntry(moduleFile, "tavelle_create_class_database", "cannot reach the class database"));
    return create == nullptr ? nullptr : std::unique_ptr<ClassDatabase>(create(connection));
}

}  // namespace tavelle
