#pragma once

#include <QString>
#include <QStringList>

namespace tavelle::testing {

struct CommandResult {
    bool finished = false;  // started and ended by itself within the time allowed
    int exitCode = -1;
    QString output;  // standard output and error together
    bool succeeded() const { return finished && exitCode == 0; }
};

// Runs a program to its end (or kills it after the timeout), in the process's environment.
CommandResult runCommand(const QString& program, const QStringList& arguments, int timeoutMs = 30000);

}  // namespace tavelle::testing
