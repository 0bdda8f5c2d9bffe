// Thirty trainee machines, each its own database account, send 200 attempts each to one private
// PostgreSQL server at once, each attempt as soon as it is finished, as the progress worker does. Says
// whether all 6,000 are kept exactly once, the throughput, and the time from an attempt's end to its
// row being committed on the server.
#include "classdb/class_server.h"
#include "core/progress/attempt_id.h"
#include "tests/support/private_postgres.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int machines = 30;
constexpr int attemptsPerMachine = 200;

tavelle::PracticeAttempt anAttempt(int machine, int index)
{
    tavelle::PracticeAttempt attempt;
    attempt.id = tavelle::newAttemptId();
    attempt.surname = "STAGIAIRE" + std::to_string(machine);
    attempt.givenName = "Élise";
    attempt.group = machine % 2 == 0 ? "Groupe A" : "Groupe B";
    attempt.finishedAt = 1'796'725'800 + index;
    attempt.exercise = R"({"pumpRating":"2000/15","hoses":[{"diameter":70,"length":120}],"nozzles":[500,500,250]})";
    attempt.seed = static_cast<std::uint64_t>(machine * 1000 + index);
    attempt.answers = {"Lance 2", "6,5", "1,2", "8,6", "La pompe suffit"};
    attempt.right = {true, index % 3 == 0, true, true, false};
    attempt.secondsTaken = 120 + index % 60;
    return attempt;
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(share * static_cast<double>(values.size())))];
}

}  // namespace

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    tavelle::testing::PrivatePostgres cluster(true);
    if (!cluster.failure().isEmpty()) {
        std::fprintf(stderr, "no private server: %s\n", qPrintable(cluster.failure()));
        return 1;
    }
    const QString database = cluster.createDatabase();
    int from = 0;
    int to = 0;
    if (tavelle::ClassServer(cluster.connection(database)).prepare(from, to)) return 1;
    for (int machine = 0; machine < machines; ++machine)
        if (!cluster.createLogin(QStringLiteral("poste%1").arg(machine), QStringLiteral("mdp"),
                                 QStringLiteral("tavelle_stagiaire")))
            return 1;

    std::vector<std::vector<double>> latencies(machines);
    std::vector<int> failures(machines, 0);
    std::vector<std::thread> threads;
    const Clock::time_point start = Clock::now();
    for (int machine = 0; machine < machines; ++machine) {
        threads.emplace_back([&, machine] {
            tavelle::ClassServer server(
                cluster.connection(database, QStringLiteral("poste%1").arg(machine), QStringLiteral("mdp")));
            std::vector<tavelle::PracticeAttempt> sent;
            for (int index = 0; index < attemptsPerMachine; ++index) {
                const tavelle::PracticeAttempt attempt = anAttempt(machine, index);
                const Clock::time_point finished = Clock::now();
                const tavelle::SendReport report = server.send({attempt});
                if (report.failure || report.added.size() != 1) ++failures[static_cast<std::size_t>(machine)];
                latencies[static_cast<std::size_t>(machine)].push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - finished).count());
                sent.push_back(attempt);
            }
            // An acknowledgement lost on the way: the machine sends everything again, in one batch.
            const tavelle::SendReport again = server.send(sent);
            if (again.failure || !again.added.empty() || again.alreadyThere.size() != sent.size())
                ++failures[static_cast<std::size_t>(machine)];
        });
    }
    for (std::thread& thread : threads) thread.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    std::vector<double> all;
    for (const auto& machine : latencies) all.insert(all.end(), machine.begin(), machine.end());
    int failed = 0;
    for (int count : failures) failed += count;
    QString rows;
    cluster.sql(database, QStringLiteral("SELECT count(*) || ' ' || count(DISTINCT id) FROM attempt"), &rows);
    const int total = machines * attemptsPerMachine;
    std::printf("machines %d, attempts each %d, failed sends %d\n", machines, attemptsPerMachine, failed);
    std::printf("rows on the server (all, distinct ids): %s, expected %d\n", qPrintable(rows), total);
    std::printf("wall time %.2f s (each attempt sent alone, then all again once), %.0f attempts/s\n", seconds,
                total / seconds);
    std::printf("attempt's end to its row committed: median %.1f ms, 95th %.1f ms, 99th %.1f ms, max %.1f ms\n",
                percentile(all, 0.5), percentile(all, 0.95), percentile(all, 0.99), percentile(all, 1.0));
    return failed == 0 && rows == QStringLiteral("%1 %1").arg(total) ? 0 : 1;
}
