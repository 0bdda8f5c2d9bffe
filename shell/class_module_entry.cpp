#include "classdb/class_server.h"
#include "shell/class_module.h"

extern "C" Q_DECL_EXPORT tavelle::ClassDatabase* tavelle_create_class_database(const QString& connection)
{
    return new tavelle::ClassServer(connection);
}
