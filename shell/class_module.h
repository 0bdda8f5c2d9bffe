#pragma once

#include "classdb/class_database.h"

#include <QString>

#include <memory>

// The class database's entry in the progress module, which holds all that needs Qt SQL: a database on
// the server `connection` names, which the caller owns.
extern "C" tavelle::ClassDatabase* tavelle_create_class_database(const QString& connection);

namespace tavelle {

// Loads the module and makes the class database on `connection`; when the module does not load, says
// so in one line on standard error and gives nothing.
std::unique_ptr<ClassDatabase> loadClassDatabase(const QString& moduleFile, const QString& connection);

}  // namespace tavelle
