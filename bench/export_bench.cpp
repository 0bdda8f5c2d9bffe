// tavelle --base … --progression on a private PostgreSQL server: for each count given, a database of its own
// is filled with that many attempts (straight SQL, as many trainees' machines would have sent them), then
// exported as the instructor does, to a file. Prints, for each: the attempts, the export's best time of
// `runs`, that run's peak memory (KiB) and the file's size.
// Usage: tavelle_export_bench TAVELLE RUNS COUNT...
#include "bench/best_of_runs.h"
#include "classdb/class_server.h"
#include "format/json_writer.h"
#include "format/random_exercises.h"
#include "tests/support/private_postgres.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Attempts `first` to `last`, a second apart, on one real exercise, each answer right or not by turns.
QString fill(long first, long last)
{
    tavelle::JsonWriter json;
    tavelle::writeExercise(json, tavelle::RandomExercises(1).next());
    const QString exercise = QString::fromStdString(json.text()).replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral(
               "INSERT INTO attempt (id, trainee_login, surname, given_name, trainee_group, finished_at, source, "
               "seed, seconds_taken, score, answers, exercise) "
               "SELECT gen_random_uuid(), 'stagiaire_' || (n %% 300), 'Durand', 'Élise', 'Groupe ' || (n %% 12), "
               "timestamptz '2026-09-01 08:00+02' + n * interval '1 second', '', n, 185, 2, "
               "jsonb_build_object('worstNozzle', jsonb_build_object('given', 'Lance 1', 'right', n %% 2 = 0), "
               "'worstNozzleLoss', jsonb_build_object('given', '6,5', 'right', false), "
               "'feedLoss', jsonb_build_object('given', '1', 'right', false), "
               "'pumpPressure', jsonb_build_object('given', '8,6', 'right', true), "
               "'pumpVerdict', jsonb_build_object('given', 'La pompe suffit', 'right', true)), '%1' "
               "FROM generate_series(%2, %3) AS n")
        .arg(exercise)
        .arg(first)
        .arg(last)
        .replace(QStringLiteral("%%"), QStringLiteral("%"));
}

}  // namespace

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TAVELLE RUNS COUNT...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[2]);
    tavelle::testing::PrivatePostgres cluster(true);
    if (!cluster.failure().isEmpty()) {
        std::fprintf(stderr, "no private server: %s\n", qPrintable(cluster.failure()));
        return 1;
    }
    const QTemporaryDir out;
    for (int i = 3; i < argc; ++i) {
        const long count = std::atol(argv[i]);
        const QString database = cluster.createDatabase();
        const QString connection = cluster.connection(database);
        int from = 0;
        int to = 0;
        QString output;
        bool filled = !tavelle::ClassServer(connection).prepare(from, to);
        // In parts, each well within what one psql call may take.
        for (long first = 1; filled && first <= count; first += 50'000)
            filled = cluster.sql(database, fill(first, std::min(count, first + 49'999)), &output) == 0;
        if (!filled || cluster.sql(database, QStringLiteral("VACUUM ANALYZE attempt"), &output) != 0) {
            std::fprintf(stderr, "cannot fill %ld attempts: %s\n", count, qPrintable(output));
            return 1;
        }
        const QString csv = out.filePath(QStringLiteral("export.csv"));
        const std::optional<tavelle::bench::TimedRun> best =
            tavelle::bench::bestOfRuns(QString::fromLocal8Bit(argv[1]),
                                       {QStringLiteral("--base"), connection, QStringLiteral("--progression"), csv},
                                       runs, out.filePath(QStringLiteral("time")), 1'800'000);
        if (!best) return 1;
        std::printf("%ld %.2f %ld %lld\n", count, best->seconds, best->peakKib,
                    static_cast<long long>(QFileInfo(csv).size()));
        std::fflush(stdout);
        cluster.sql(QStringLiteral("postgres"), QStringLiteral("DROP DATABASE ") + database);
    }
    return 0;
}
