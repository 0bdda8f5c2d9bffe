#include "shell/print_program.h"

#include "shell/print_answer.h"
#include "shell/print_operation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace tavelle {

QString printProgramFile(const QString& programDirectory)
{
    // Both set by shell/CMakeLists.txt: the folder relative to the program's, and the file's name.
    return QDir::cleanPath(programDirectory + QStringLiteral("/" TAVELLE_PRIVATE_DIR "/" TAVELLE_PRINT_PROGRAM_NAME));
}

QString printProgramFile()
{
    // The kernel's link to the running program: no QCoreApplication is needed, and a link to the
    // program (from /usr/local/bin, say) leads to where it really lies, its print program beside it.
    return printProgramFile(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
}

bool printProgramRuns(const QString& file)
{
    const auto fail = [&file](const QString& reason) {
        std::fprintf(stderr, "tavelle: cannot print: the print program %s does not run: %s\n", qPrintable(file),
                     qPrintable(reason));
        std::fflush(stderr);
        return false;
    };
    int argc = 1;
    char name[] = "tavelle";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(file, {QStringLiteral("--check")});
    if (!process.waitForStarted()) return fail(process.errorString());
    const int bound = int(PrintOperation::defaultAnswerBound.count());
    if (!process.waitForFinished(bound)) {
        process.kill();
        process.waitForFinished();
        return fail(QStringLiteral("no answer within %1 s").arg(bound / 1000));
    }
    if (process.exitStatus() == QProcess::CrashExit) return fail(QStringLiteral("it crashed"));
    QByteArray answer = process.readAllStandardOutput();
    const std::optional<PrintAnswer> read = answer.endsWith('\n') ? readPrintAnswer(answer.chopped(1)) : std::nullopt;
    if (!read || read->kind != PrintAnswer::Kind::ready || process.exitCode() != 0)
        return fail(QStringLiteral("it answered \"%1\" with status %2")
                        .arg(QString::fromUtf8(answer.left(80)).trimmed())
                        .arg(process.exitCode()));
    return true;
}

}  // namespace tavelle
