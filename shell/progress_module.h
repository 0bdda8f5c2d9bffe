#pragma once

#include "shell/progress_store.h"

#include <QString>

#include <memory>

// The progress module's one entry: a store of the trainee's progress in `databaseFile`, which the caller
// owns. The module holds all that needs Qt SQL, which only practice loads.
extern "C" tavelle::ProgressStore* tavelle_create_progress_store(const QString& databaseFile);

namespace tavelle {

// The progress module of this program, beside its print module.
QString progressModuleFile();
// Where the trainee's progress is kept: Tavelle/progression.sqlite in the user's data folder
// ($XDG_DATA_HOME, ~/.local/share).
QString progressDatabaseFile();

// The entry `symbol` of the progress module `moduleFile`, loaded for good (what it makes may live until
// the program ends); when the module does not load, one line on standard error says that `purpose`
// cannot be done and why, and there is none.
QFunctionPointer progressModuleEntry(const QString& moduleFile, const char* symbol, const char* purpose);

// Loads the module and opens a store on `databaseFile`; when the module does not load, says so in one
// line on standard error and gives nothing.
std::unique_ptr<ProgressStore> loadProgressStore(const QString& moduleFile, const QString& databaseFile);

}  // namespace tavelle
