#include "shell/progress_module.h"
#include "shell/sqlite_progress_store.h"

extern "C" Q_DECL_EXPORT tavelle::ProgressStore* tavelle_create_progress_store(const QString& databaseFile)
{
    return new tavelle::SqliteProgressStore(databaseFile);
}
