#include "core/progress/attempt_id.h"

#include "classdb/class_server.h"
#include "core/progress/progress_csv.h"
#include "format/attempt_marks.h"
#include "tests/support/class_generator.h"
#include "tests/support/private_postgres.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace tavelle::testing {
namespace {

struct ProgramRun {
    int status;
    QString out;
    QString err;
};

ProgramRun run(const QString& program, const QStringList& arguments, const QString& configHome)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), configHome);
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("fr_FR.UTF-8"));
    environment.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1796725862"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(60'000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

ProgramRun tavelle(const QStringList& arguments, const QString& configHome)
{
    return run(QStringLiteral(TAVELLE_PATH), arguments, configHome);
}

void writeSetting(const QString& configHome, const QString& connection)
{
    QDir(configHome).mkpath(QStringLiteral("Tavelle"));
    QFile setting(configHome + QStringLiteral("/Tavelle/Tavelle.conf"));
    ASSERT_TRUE(setting.open(QIODevice::WriteOnly));
    setting.write("[classe]\nbase=\"" + connection.toUtf8() + "\"\n");
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
              QStringLiteral("tavelle: La base de la classe est prête : version 0 → 3.\n"));
    ASSERT_TRUE(
        cluster.createLogin(QStringLiteral("durand"), QStringLiteral("mdp"), QStringLiteral("tavelle_stagiaire")));
    PracticeAttempt a;
    a.id = newAttemptId();
    a.surname = "Durand";
    a.givenName = "Élise";
    a.group = "Groupe B";
    a.finishedAt = 1'796'725'800;
    PracticeAttempt b = a;
    b.id = newAttemptId();
    b.group = "Groupe C";
    b.finishedAt = a.finishedAt + 60;
    ASSERT_FALSE(ClassServer(cluster.connection(database, QStringLiteral("durand"), QStringLiteral("mdp")))
                     .send({a, b})
                     .failure);
    a.account = "durand";
    b.account = "durand";
    AttemptMarker mark;
    mark(a);
    mark(b);

    const QString header = QString::fromStdString(progressCsvHeader());
    const QString rowA = QString::fromStdString(progressCsvRow(a));
    const QString rowB = QString::fromStdString(progressCsvRow(b));
    writeSetting(home.path(), administrator);
    struct Case {
        QStringList arguments;
        int status;
        QString out;
        QString err;
    };
    const QString nowhere = cluster.connection(QStringLiteral("nulle_part"));
    const Case cases[] = {
        {{QStringLiteral("--base"), administrator, QStringLiteral("--preparer-base")},
         0,
         QStringLiteral("tavelle: La base de la classe est déjà prête (version 3).\n"),
         {}},
        {{QStringLiteral("--base"), administrator, QStringLiteral("--progression"), QStringLiteral("-")},
         0,
         header + rowA + rowB,
         {}},
        {{QStringLiteral("--progression"), QStringLiteral("-"), QStringLiteral("--groupe"), QStringLiteral("Groupe C")},
         0,
         header + rowB,
         {}},
        {{QStringLiteral("--base"), nowhere, QStringLiteral("--progression"), QStringLiteral("-")},
         1,
         {},
         QStringLiteral("tavelle: La base nommée n'existe pas sur le serveur de la classe (« ") + nowhere +
             QStringLiteral(" ») : vérifiez la connexion réglée avec l'administrateur.\n")},
        {{QStringLiteral("--preparer-base"), QStringLiteral("--verifier-base")},
         2,
         {},
         QStringLiteral("tavelle: --preparer-base et --verifier-base vont l'un sans l'autre : la vérification se "
                        "connecte comme l'utilisateur du poste ; lancez tavelle --help pour l'usage\n")},
        {{QStringLiteral("--stagiaire"), QStringLiteral("DURAND")},
         2,
         {},
         QStringLiteral("tavelle: Le prénom du stagiaire manque : écrivez le nom puis le prénom, par exemple « DURAND "
                        "Élise ».\n")},
    };
    for (const Case& c : cases) {
        const ProgramRun run = tavelle(c.arguments, home.path());
        EXPECT_EQ(run.status, c.status) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.out.toStdString(), c.out.toStdString()) << c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.err.toStdString(), c.err.toStdString()) << c.arguments.join(QLatin1Char(' ')).toStdString();
    }
}

// The instructor's report read from the class database is the report of its export, byte for byte: the
// class of 25 trainees, whole or one group's, from --base, from the setting, or beside the export itself.
TEST(ClassCommand, TheReportFromTheDatabaseIsTheReportFromItsExport)
{
    PrivatePostgres cluster;
    ASSERT_TRUE(cluster.failure().isEmpty()) << cluster.failure().toStdString();
    const QString database = cluster.createDatabase();
    const QString administrator = cluster.connection(database);
    int from = 0;
    int to = 0;
    ASSERT_FALSE(ClassServer(administrator).prepare(from, to));
    // Each trainee sends from an account of their own, which the export names.
    std::vector<PracticeAttempt> attempts = generatedClass(ClassShape{});
    ASSERT_GT(attempts.size(), 200u);
    std::map<std::pair<std::string, std::string>, std::vector<PracticeAttempt>> byTrainee;
    for (const PracticeAttempt& attempt : attempts) byTrainee[{attempt.surname, attempt.givenName}].push_back(attempt);
    std::map<std::pair<std::string, std::string>, std::string> accounts;
    for (const auto& [name, own] : byTrainee) {
        const QString login = database + QStringLiteral("_%1").arg(accounts.size());
        accounts[name] = login.toStdString();
        ASSERT_TRUE(cluster.createLogin(login, QStringLiteral("mdp"), QStringLiteral("tavelle_stagiaire")));
        ASSERT_FALSE(ClassServer(cluster.connection(database, login, QStringLiteral("mdp"))).send(own).failure);
    }
    for (PracticeAttempt& attempt : attempts) attempt.account = accounts[{attempt.surname, attempt.givenName}];

    QTemporaryDir home;
    const QString exported = home.filePath(QStringLiteral("classe.csv"));
    {
        QFile file(exported);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(progressExport(attempts)));
    }
    QTemporaryDir settingHome;
    writeSetting(settingHome.path(), administrator);
    const QString sheets = QStringLiteral(TAVELLE_SHEETS_PATH);
    const QString group = QStringLiteral("Groupe B");
    struct Case {
        const char* what;
        QStringList fromExport;
        QStringList fromDatabase;
        QString configHome;
    };
    const Case cases[] = {
        {"--base", {exported}, {QStringLiteral("--base"), administrator}, home.path()},
        {"one group",
         {exported, QStringLiteral("--groupe"), group},
         {QStringLiteral("--base"), administrator, QStringLiteral("--groupe"), group},
         home.path()},
        {"a period",
         {exported, QStringLiteral("--depuis"), QStringLiteral("2026-12-07")},
         {QStringLiteral("--base"), administrator, QStringLiteral("--depuis"), QStringLiteral("2026-12-07")},
         home.path()},
        {"the setting", {exported}, {}, settingHome.path()},
        {"both, each attempt twice", {exported}, {exported, QStringLiteral("--base"), administrator}, home.path()},
    };
    for (const Case& c : cases) {
        const auto report = [&](const QStringList& input, const QString& name) {
            const QString pdf = home.filePath(name);
            const ProgramRun made =
                run(sheets, QStringList{QStringLiteral("--bilan")} + input + QStringList{QStringLiteral("-o"), pdf},
                    c.configHome);
            EXPECT_EQ(made.status, 0) << c.what << ": " << made.err.toStdString();
            return contentOf(pdf);
        };
        const QByteArray fromExport = report(c.fromExport, QStringLiteral("export.pdf"));
        ASSERT_FALSE(fromExport.isEmpty()) << c.what;
        EXPECT_TRUE(report(c.fromDatabase, QStringLiteral("base.pdf")) == fromExport) << c.what;
    }

    const QString nowhere = cluster.connection(QStringLiteral("nulle_part"));
    const ProgramRun refused = run(sheets,
                                   {QStringLiteral("--bilan"), QStringLiteral("--base"), nowhere, QStringLiteral("-o"),
                                    home.filePath(QStringLiteral("refus.pdf"))},
                                   home.path());
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err.toStdString(), "tavelle-sheets: La base nommée n'existe pas sur le serveur de la classe (« " +
                                             nowhere.toStdString() +
                                             " ») : vérifiez la connexion réglée avec l'administrateur.\n");
    EXPECT_FALSE(QFile::exists(home.filePath(QStringLiteral("refus.pdf"))));
}

// The administrator's steps as README gives them: the superuser's script (again, it makes nothing), the
// owner's preparation with no right beyond its database, then the check from each account's machine.
TEST(ClassCommand, TheSuperusersScriptThenThePreparationThenEachAccountsCheck)
{
    PrivatePostgres cluster(false, true);
    ASSERT_TRUE(cluster.failure().isEmpty()) << cluster.failure().toStdString();
    // An owner made before with a right too many loses it.
    ASSERT_EQ(cluster.sql(QStringLiteral("postgres"), QStringLiteral("CREATE ROLE tavelle_admin LOGIN CREATEROLE")), 0);
    QString output;
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(cluster.sql(QStringLiteral("postgres"), QStringLiteral("\\i " TAVELLE_SERVER_ROLES_SQL), &output), 0)
            << output.toStdString();
        EXPECT_EQ(output, QString());
    }
    ASSERT_EQ(cluster.sql(QStringLiteral("tavelle"),
                          QStringLiteral("ALTER ROLE tavelle_admin PASSWORD 'mdp'; SELECT rolcreaterole FROM pg_roles "
                                         "WHERE rolname = 'tavelle_admin'"),
                          &output),
              0);
    EXPECT_EQ(output, QStringLiteral("f"));
    const QString owner =
        cluster.connection(QStringLiteral("tavelle"), QStringLiteral("tavelle_admin"), QStringLiteral("mdp"));
    QTemporaryDir home;
    EXPECT_EQ(tavelle({QStringLiteral("--base"), owner, QStringLiteral("--preparer-base")}, home.path()).out,
              QStringLiteral("tavelle: La base de la classe est prête : version 0 → 3.\n"));
    EXPECT_NE(cluster.sql(QStringLiteral("tavelle"), QStringLiteral("CREATE ROLE intrus"), &output,
                          QStringLiteral("tavelle_admin"), QStringLiteral("mdp")),
              0);
    EXPECT_TRUE(output.contains(QStringLiteral("permission denied"))) << output.toStdString();

    const QString password = QStringLiteral("mdp");
    ASSERT_TRUE(cluster.createLogin(QStringLiteral("durand"), password, QStringLiteral("tavelle_stagiaire")));
    ASSERT_TRUE(cluster.createLogin(QStringLiteral("formateur1"), password, QStringLiteral("tavelle_formateur")));
    ASSERT_TRUE(cluster.createLogin(QStringLiteral("intrus"), password));
    ASSERT_TRUE(cluster.createLogin(QStringLiteral("curieux"), password, QStringLiteral("tavelle_stagiaire")));
    ASSERT_EQ(cluster.sql(QStringLiteral("postgres"), QStringLiteral("GRANT pg_read_server_files TO curieux")), 0);
    PracticeAttempt attempt;
    attempt.id = newAttemptId();
    attempt.surname = "Durand";
    attempt.givenName = "Élise";
    attempt.finishedAt = 1'796'725'800;
    ASSERT_FALSE(ClassServer(cluster.connection(QStringLiteral("tavelle"), QStringLiteral("durand"), password))
                     .send({attempt})
                     .failure);
    // A password file others may read, which libpq ignores.
    QFile exposed(home.filePath(QStringLiteral("pgpass")));
    ASSERT_TRUE(exposed.open(QIODevice::WriteOnly));
    exposed.close();
    ASSERT_TRUE(exposed.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));

    struct Case {
        QString login;
        QString password;
        bool exposedPasswordFile;
        int status;
        QString found;  // in the standard output, or the error when it fails
        QString connection = {};  // when not the socket's
    };
    const QString network = cluster.networkConnection(QStringLiteral("tavelle"), QStringLiteral("durand"), password);
    const QString sound = QStringLiteral("Rien à revoir : ce compte sert Tavelle comme prévu.\n");
    const Case cases[] = {
        {QStringLiteral("durand"), password, false, 0,
         QStringLiteral("  [ok] Stagiaire (tavelle_stagiaire) : envoie ses tentatives et lit les siennes, 1 tentative "
                        "sur le serveur.\n  [ok] Ne peut ni modifier ni effacer une tentative.\n  [ok] Ne crée ni "
                        "table ni fonction temporaire.\n  [ok] Aucun droit d'administration du serveur.\n") +
             sound},
        {QStringLiteral("formateur1"), password, false, 0,
         QStringLiteral("  [ok] Formateur (tavelle_formateur) : lit les tentatives de toute la classe, 1 tentative sur "
                        "le serveur.\n")},
        {QStringLiteral("tavelle_admin"), password, false, 0, QStringLiteral("  [ok] Propriétaire de la base")},
        {QStringLiteral("intrus"), password, false, 1, QStringLiteral("  [à revoir] Ni stagiaire ni formateur")},
        {QStringLiteral("curieux"), password, false, 1,
         QStringLiteral("  [à revoir] Droits de trop : pg_read_server_files ;")},
        {QStringLiteral("postgres"), {}, false, 1, QStringLiteral("  [à revoir] Droits de trop : SUPERUSER ;")},
        {QStringLiteral("durand"), password, true, 1,
         QStringLiteral("  [à revoir] Le fichier de mots de passe ") + exposed.fileName()},
        {QStringLiteral("durand"), QStringLiteral("faux"), false, 1, QStringLiteral("tavelle: Identification refusée")},
        {{},
         {},
         false,
         0,
         QStringLiteral("  [ok] Liaison chiffrée, certificat du serveur vérifié (sslmode=verify-full).\n"),
         network + QStringLiteral(" sslmode=verify-full sslrootcert=") + cluster.certificateAuthority()},
        {{},
         {},
         false,
         1,
         QStringLiteral("  [à revoir] Liaison chiffrée, mais rien ne garantit"),
         network + QStringLiteral(" sslmode=require")},
        {{},
         {},
         false,
         1,
         QStringLiteral("  [à revoir] Liaison en clair (sslmode=disable)"),
         network + QStringLiteral(" sslmode=disable")},
    };
    for (const Case& c : cases) {
        if (c.exposedPasswordFile) qputenv("PGPASSFILE", exposed.fileName().toLocal8Bit());
        const ProgramRun check = tavelle(
            {QStringLiteral("--base"),
             c.connection.isEmpty() ? cluster.connection(QStringLiteral("tavelle"), c.login, c.password) : c.connection,
             QStringLiteral("--verifier-base")},
            home.path());
        qunsetenv("PGPASSFILE");
        EXPECT_EQ(check.status, c.status) << c.login.toStdString() << c.connection.toStdString() << "\n"
                                          << check.out.toStdString() << check.err.toStdString();
        EXPECT_TRUE((c.status == 0 || !check.out.isEmpty() ? check.out : check.err).contains(c.found))
            << c.login.toStdString() << "\n"
            << check.out.toStdString() << check.err.toStdString();
    }
}

}  // namespace
}  // namespace tavelle::testing
