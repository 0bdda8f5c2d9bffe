#pragma once

#include <QString>

#include <optional>

namespace tavelle {

// The administrator's one preparation of the class database on `connection`: its schema brought to this
// program's version. Says what was done, or why not, in French; 0 when done, 1 when not.
int prepareClassDatabase(const QString& connection);

// The check an administrator runs from a trainee's or an instructor's machine: connects to `connection` as
// that machine's user does, and says in French what the account may do and what stands in its way. 0 when
// nothing needs the administrator, 1 when something does or the server could not be reached.
int checkClassAccount(const QString& connection);

// Writes the attempts the class database holds (every trainee's, or one group's) to `file` as the progress
// CSV ("-": standard output). 0 when written, 1 when the database could not be read, 2 when the file could
// not be written.
int exportClassProgress(const QString& connection, const std::optional<QString>& group, const QString& file);

}  // namespace tavelle
