#pragma once

#include "tests/support/test_files.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tavelle::testing {

// A print program of the test's own: a shell script with `body`, in `folder`. Its request is kept beside
// it (PROGRAM.request); asked to cancel a job, it notes the job's number (PROGRAM.cancelled). Empty when
// it could not be written.
inline QString writeFakePrintProgram(const QString& folder, const QByteArray& body, bool runnable = true)
{
    const QString file = folder + QStringLiteral("/tavelle-print");
    const QByteArray script = "#!/bin/sh\n"
                              "if [ \"$1\" = --cancel ]; then echo \"$2\" >> \"$0.cancelled\"; exit 0; fi\n"
                              "cat > \"$0.request\"\n" +
                              body + "\n";
    // Written anew, never into what lies there (a FIFO would hold the writer).
    QFile::remove(file);
    return writeTestFile(file, script, runnable) ? file : QString();
}

// Answers that it printed on `printer`, as job 7, and counts its prints (PROGRAM.printed).
inline QByteArray fakeAnswerPrinted(const QByteArray& printer)
{
    return "echo " + printer + " >> \"$0.printed\"\nprintf 'job\\t7\\nprinted\\t7\\t%s\\n' " + printer;
}

}  // namespace tavelle::testing
