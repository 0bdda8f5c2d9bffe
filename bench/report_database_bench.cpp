// tavelle-sheets --bilan --base on a private PostgreSQL server: each progress export given is loaded into
// a database of its own, then the report is made from it three times. Prints, for each, the attempts,
// the best time and that run's peak memory, so that they can be set beside the export's own.
// Usage: tavelle_report_database_bench TAVELLE-SHEETS EXPORT.csv...
#include "bench/best_of_runs.h"
#include "classdb/class_server.h"
#include "core/progress/progress_csv.h"
#include "tests/support/private_postgres.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// Sends the export's attempts in batches, as machines coming back online do; their count, or -1.
int load(tavelle::ClassServer& server, const char* path)
{
    std::ifstream in(path, std::ios::binary);
    tavelle::ProgressCsvReader reader(in, path, false, tavelle::AttemptMarker());
    std::vector<tavelle::PracticeAttempt> batch;
    int count = 0;
    const auto flush = [&] {
        const bool sent = !server.send(batch).failure;
        count += static_cast<int>(batch.size());
        batch.clear();
        return sent;
    };
    for (tavelle::PracticeAttempt attempt; reader.next(attempt);)
        if (batch.push_back(attempt); batch.size() == 1000 && !flush()) return -1;
    return !reader.fault() && flush() ? count : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TAVELLE-SHEETS EXPORT.csv...\n", argv[0]);
        return 2;
    }
    tavelle::testing::PrivatePostgres cluster(true);
    if (!cluster.failure().isEmpty()) {
        std::fprintf(stderr, "no private server: %s\n", qPrintable(cluster.failure()));
        return 1;
    }
    const QTemporaryDir out;
    for (int i = 2; i < argc; ++i) {
        const QString connection = cluster.connection(cluster.createDatabase());
        tavelle::ClassServer server(connection);
        int from = 0;
        int to = 0;
        const int attempts = server.prepare(from, to) ? -1 : load(server, argv[i]);
        if (attempts < 0) {
            std::fprintf(stderr, "cannot load %s\n", argv[i]);
            return 1;
        }
        const std::optional<tavelle::bench::TimedRun> best =
            tavelle::bench::bestOfRuns(QString::fromLocal8Bit(argv[1]),
                                       {QStringLiteral("--bilan"), QStringLiteral("--base"), connection,
                                        QStringLiteral("-o"), out.filePath(QStringLiteral("bilan.pdf"))},
                                       3, out.filePath(QStringLiteral("time")), 600'000);
        if (!best) return 1;
        std::printf("%d %.2f %ld\n", attempts, best->seconds, best->peakKib);
    }
    return 0;
}
