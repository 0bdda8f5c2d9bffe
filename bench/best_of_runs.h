#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace tavelle::bench {

// The fastest of `runs` runs of a program, timed by /usr/bin/time, and that run's peak resident memory.
struct TimedRun {
    double seconds = 0;
    long peakKib = 0;
};

// Nothing when a run fails or outlasts `timeoutMs`: what it said is on standard error. `timeFile` is a
// scratch file for time's own report.
inline std::optional<TimedRun> bestOfRuns(const QString& program, const QStringList& arguments, int runs,
                                          const QString& timeFile, int timeoutMs)
{
    std::optional<TimedRun> best;
    for (int run = 0; run < runs; ++run) {
        QProcess time;
        time.start(QStringLiteral("/usr/bin/time"),
                   QStringList{QStringLiteral("-f"), QStringLiteral("%e %M"), QStringLiteral("-o"), timeFile, program} +
                       arguments);
        if (!time.waitForFinished(timeoutMs) || time.exitCode() != 0) {
            std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), time.readAllStandardError().constData());
            return std::nullopt;
        }
        std::FILE* measured = std::fopen(qPrintable(timeFile), "r");
        TimedRun timed;
        const bool read = measured != nullptr && std::fscanf(measured, "%lf %ld", &timed.seconds, &timed.peakKib) == 2;
        if (measured != nullptr) std::fclose(measured);
        if (!read) return std::nullopt;
        if (!best || timed.seconds < best->seconds) best = timed;
    }
    return best;
}

}  // namespace tavelle::bench
