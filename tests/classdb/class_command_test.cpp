#include "core/attempt_id.h"
#include "shell/class_server.h"
#include "tests/support/private_postgres.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tavelle::testing {
namespace {

struct ProgramRun {
    int status;
    QString out;
    QString err;
};

ProgramRun tavelle(const QStringList& arguments, const QString& configHome)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), configHome);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TAVELLE_PATH), arguments);
    process.waitForFinished(60'000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The administrator's preparation and the instructor's export, as typed; the server from --base or from
// the user's setting.
TEST(ClassCommand, PreparesOnceAndExportsEveryTraineeOrOneGroup)
{
    PrivatePostgres cluster;
    ASSERT_TRUE(cluster.failure().isEmpty()) << cluster.failure().toStdString();
    const QString database = cluster.createDatabase();
    const QString administrator = cluster.connection(database);
    QTemporaryDir home;
    EXPECT_EQ(tavelle({QStringLiteral("--base"), administrator, QStringLiteral("--preparer-base")}, home.path()).out,
              QStringLiteral("tavelle: La base de la classe est prête : version 0 → 1.\n"));
    ASSERT_TRUE(cluster.createLogin(QStringLiteral("durand"), QStringLiteral("mdp"), QStringLiteral("tavelle_stagiaire")));
    PracticeAttempt a;
    a.id = newAttemptId();
    a.surname = "Durand";
    a.givenName = "Élise";
    a.group = "Groupe B";
    PracticeAttempt b = a;
    b.id = newAttemptId();
    b.group = "Groupe C";
    b.finishedAt = 60;
    ASSERT_FALSE(ClassServer(cluster.connection(database, QStringLiteral("durand"), QStringLiteral("mdp"))).send({a, b}).failure);

    const QString header = QString::fromStdString(progressCsvHeader());
    const QString rowA = QString::fromStdString(progressCsvRow(a));
    const QString rowB = QString::fromStdString(progressCsvRow(b));
    QDir(home.path()).mkpath(QStringLiteral("Tavelle"));
    QFile setting(home.filePath(QStringLiteral("Tavelle/Tavelle.conf")));
    ASSERT_TRUE(setting.open(QIODevice::WriteOnly));
    setting.write("[classe]\nbase=\"" + administrator.toUtf8() + "\"\n");
    setting.close();
    struct Case {
        QStringList arguments;
        int status;
        QString out;
        QString err;
    };
    const QString nowhere = cluster.connection(QStringLiteral("nulle_part"));
    const Case cases[] = {
        {{QStringLiteral("--base"), administrator, QStringLiteral("--preparer-base")}, 0,
         QStringLiteral("tavelle: La base de la classe est déjà prête (version 1).\n"), {}},
        {{QStringLiteral("--base"), administrator, QStringLiteral("--progression"), QStringLiteral("-")}, 0,
         header + rowA + rowB, {}},
        {{QStringLiteral("--progression"), QStringLiteral("-"), QStringLiteral("--groupe"), QStringLiteral("Groupe C")}, 0,
         header + rowB, {}},
        {{QStringLiteral("--base"), nowhere, QStringLiteral("--progression"), QStringLiteral("-")}, 1, {},
         QStringLiteral("tavelle: La base nommée n'existe pas sur le serveur de la classe (« ") + nowhere +
             QStringLiteral(" ») : vérifiez la connexion réglée avec l'administrateur.\n")},
        {{QStringLiteral("--stagiaire"), QStringLiteral("DURAND")}, 2, {},
         QStringLiteral("tavelle: Le prénom du stagiaire manque : écrivez le nom puis le prénom, par exemple « DURAND Élise ».\n")},
    };
    for (const Case& c : cases) {
        const ProgramRun run = tavelle(c.arguments, home.path());
        EXPECT_EQ(run.status, c.status) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.out.toStdString(), c.out.toStdString()) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err.toStdString(), c.err.toStdString()) << c.arguments.join(QLatin1Char(' ')).toStdString();
    }
}

}  // namespace
}  // namespace tavelle::testing
