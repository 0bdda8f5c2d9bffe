#include "core/practice/trainee.h"
#include "core/progress/account_check.h"
#include "core/progress/attempt_id.h"
#include "core/progress/class_database_texts.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tavelle {
namespace {

TEST(AttemptId, IsARandomVersion4UuidInLowercase)
{
    std::set<std::string> seen;
    for (int i = 0; i < 1000; ++i) {
        const std::string id = newAttemptId();
        ASSERT_TRUE(isAttemptId(id)) << id;
        EXPECT_EQ(id[14], '4') << id;
        EXPECT_NE(std::string_view("89ab").find(id[19]), std::string_view::npos) << id;
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 1000u);
    for (const char* notAnId : {"", "0f8fad5b-d9cb-469f-a165-70867728950", "0F8FAD5B-D9CB-469F-A165-70867728950E",
                                "0f8fad5b-d9cb-469f-a165x70867728950e", "0f8fad5bd-9cb-469f-a165-70867728950e",
                                "0f8fad5b-d9cb-469f-a165-70867728950g", "0f8fad5b-d9cb-469f-a165-70867728950+"})
        EXPECT_FALSE(isAttemptId(notAnId)) << notAnId;
}

TEST(Trainee, NameAndFirstNameFromOneText)
{
    struct Case {
        const char* typed;
        const char* group;
        const char* surname;
        const char* givenName;
        const char* groupKept;
    };
    const Case cases[] = {
        {"Durand Élise", "Groupe B", "Durand", "Élise", "Groupe B"},
        {"DURAND Élise", "", "DURAND", "Élise", ""},
        {"Élise DURAND", "  Groupe   B ", "DURAND", "Élise", "Groupe B"},
        {"DE LA FONTAINE Jean Marie", "", "DE LA FONTAINE", "Jean Marie", ""},
        {"Jean DE LA FONTAINE", "", "DE LA FONTAINE", "Jean", ""},
        {"Anne LE GOFF Marie", "", "LE GOFF", "Anne Marie", ""},
        {"ÉLODIE ŒRTEL", "", "ÉLODIE", "ŒRTEL", ""},  // all in capitals: the first word
        {"Le Goff Anne", "", "Le", "Goff Anne", ""},  // none in capitals: the first word
        {"D'ALEMBERT\tJean", "", "D'ALEMBERT", "Jean", ""},
        {"  Müller   Jürgen  ", "", "Müller", "Jürgen", ""},
        {"N'DIAYE œdipe", "", "N'DIAYE", "œdipe", ""},
        {"ÇA ça", "", "ÇA", "ça", ""},
        {"12 ×Ab", "", "12", "×Ab", ""},  // no letters in capitals at all
        {"KOWALSKI Łukasz", "", "KOWALSKI", "Łukasz", ""},  // a letter beyond Latin-1 is no capital
        {"DURAND ÷ Élise", "", "DURAND", "÷ Élise", ""},
        // Broken UTF-8 is kept as typed, and its bytes are no letters.
        {"DURAND \xc3"
         "A Élise",
         "", "DURAND",
         "\xc3"
         "A Élise",
         ""},
        {"DURAND \xc3\xc0x", "", "DURAND", "\xc3\xc0x", ""},
    };
    for (const Case& c : cases) {
        const auto read = readTrainee(c.typed, c.group);
        ASSERT_TRUE(std::holds_alternative<Trainee>(read)) << c.typed;
        const Trainee& trainee = std::get<Trainee>(read);
        EXPECT_EQ(trainee.surname, c.surname) << c.typed;
        EXPECT_EQ(trainee.givenName, c.givenName) << c.typed;
        EXPECT_EQ(trainee.group, c.groupKept) << c.typed;
    }
}

TEST(Trainee, RefusesWithAFrenchReason)
{
    struct Case {
        std::string typed;
        std::string group;
        TraineeFault fault;
        const char* text;
    };
    const Case cases[] = {
        {"", "", TraineeFault::emptyName,
         "Le nom du stagiaire est vide : écrivez le nom puis le prénom, par exemple « DURAND Élise »."},
        {" \t ", "", TraineeFault::emptyName, nullptr},
        {"DURAND", "", TraineeFault::noGivenName,
         "Le prénom du stagiaire manque : écrivez le nom puis le prénom, par exemple « DURAND Élise »."},
        {"DURAND " + std::string(114, 'e') + "é", "", TraineeFault::nameTooLong,
         "Le nom et le prénom du stagiaire sont trop longs (120 caractères au plus)."},
        {"DURAND Élise", std::string(61, 'g'), TraineeFault::groupTooLong,
         "Le nom du groupe est trop long (60 caractères au plus)."},
        {"DURAND\nÉlise", "", TraineeFault::controlCharacterInName,
         "Le nom du stagiaire contient un caractère de commande (tabulation exceptée)."},
        {"DURAND \x7f", "", TraineeFault::controlCharacterInName, nullptr},
        {"DURAND Élise", "B\r", TraineeFault::controlCharacterInGroup,
         "Le nom du groupe contient un caractère de commande."},
    };
    for (const Case& c : cases) {
        const auto read = readTrainee(c.typed, c.group);
        ASSERT_TRUE(std::holds_alternative<TraineeFault>(read)) << c.typed;
        EXPECT_EQ(std::get<TraineeFault>(read), c.fault) << c.typed;
        if (c.text) {
            EXPECT_EQ(traineeFaultText(c.fault), c.text);
        }
    }
    // At the limit, still a name.
    EXPECT_TRUE(std::holds_alternative<Trainee>(readTrainee("DURAND " + std::string(113, 'e') + "é", "")));
    EXPECT_TRUE(std::holds_alternative<Trainee>(readTrainee("DURAND Élise", std::string(60, 'g'))));
}

TEST(Trainee, TheNamingWindowsFieldsAndTheAccountsName)
{
    struct Case {
        const char* surname;
        const char* givenName;
        const char* group;
        std::variant<Trainee, TraineeFault> expected;
    };
    const Case cases[] = {
        {" Le  Goff ", "Anne Marie", " B ", Trainee{"Le Goff", "Anne Marie", "B"}},
        {"", "Anne", "", TraineeFault::emptyName},
        {"Durand", "  ", "", TraineeFault::noGivenName},
        {"Durand", "É\nlise", "", TraineeFault::controlCharacterInName},
        {"Dur\x01and", "Élise", "", TraineeFault::controlCharacterInName},
        {"Durand", "Élise", "\x1b", TraineeFault::controlCharacterInGroup},
    };
    for (const Case& c : cases) {
        const auto checked = checkTrainee(c.surname, c.givenName, c.group);
        ASSERT_EQ(checked.index(), c.expected.index()) << c.surname;
        if (const auto* trainee = std::get_if<Trainee>(&checked)) {
            EXPECT_EQ(trainee->surname, std::get<Trainee>(c.expected).surname);
            EXPECT_EQ(trainee->givenName, std::get<Trainee>(c.expected).givenName);
            EXPECT_EQ(trainee->group, std::get<Trainee>(c.expected).group);
        } else {
            EXPECT_EQ(std::get<TraineeFault>(checked), std::get<TraineeFault>(c.expected)) << c.surname;
        }
    }
    EXPECT_EQ(offeredTrainee("Élise DURAND,Salle 12,,").surname, "DURAND");
    EXPECT_EQ(offeredTrainee("Élise DURAND,Salle 12,,").givenName, "Élise");
    EXPECT_EQ(offeredTrainee("root").surname, "");
    EXPECT_EQ(offeredTrainee("").givenName, "");
    EXPECT_EQ(traineeWindowTexts().title, "Qui s'entraîne ?");
}

TEST(ClassDatabaseTexts, OneFrenchSentenceForEachFault)
{
    const std::string server = shownServer({"", "salle12", "", "tavelle", "durand"});
    EXPECT_EQ(server, "host=salle12 dbname=tavelle user=durand");
    EXPECT_EQ(shownServer({"classe", "salle12", "5433", "tavelle", "durand"}),
              "service=classe host=salle12 port=5433 dbname=tavelle user=durand");
    EXPECT_EQ(shownServer({}), "réglages par défaut de libpq");
    struct Case {
        ServerFault fault;
        const char* text;
    };
    const Case cases[] = {
        {ServerFault::driverMissing, "Le pilote PostgreSQL de Qt n'est pas installé sur ce poste (paquet "
                                     "libqt6sql6-psql) : la base de la classe ne peut pas être jointe."},
        {ServerFault::unreachable, "Pas de réponse du serveur de la classe (« host=salle12 dbname=tavelle "
                                   "user=durand ») : il est arrêté, injoignable ou trop lent à répondre."},
        {ServerFault::authenticationFailed,
         "Identification refusée par le serveur de la classe (« host=salle12 dbname=tavelle user=durand ») : le "
         "mot de passe est faux ou absent, ou le compte est inconnu. Le mot de passe se range dans le fichier de "
         "mots de passe de PostgreSQL (~/.pgpass), jamais dans les réglages de Tavelle."},
        {ServerFault::unknownDatabase, "La base nommée n'existe pas sur le serveur de la classe (« host=salle12 "
                                       "dbname=tavelle user=durand ») : vérifiez la connexion réglée avec "
                                       "l'administrateur."},
        {ServerFault::notPrepared, "La base de la classe n'est pas encore préparée pour Tavelle sur le serveur de "
                                   "la classe (« host=salle12 dbname=tavelle user=durand ») : l'administrateur la "
                                   "prépare une fois avec « tavelle --base … --preparer-base »."},
        {ServerFault::newerSchema, "La base de la classe sur le serveur de la classe (« host=salle12 dbname=tavelle "
                                   "user=durand ») a été préparée par une version plus récente de Tavelle : mettez "
                                   "Tavelle à jour sur ce poste."},
        {ServerFault::notAllowed, "Opération refusée à ce compte par le serveur de la classe (« host=salle12 "
                                  "dbname=tavelle user=durand ») (permission denied)."},
        {ServerFault::accountRefused,
         "Connexion refusée par le serveur de la classe (« host=salle12 dbname=tavelle user=durand ») : ses règles "
         "d'accès (pg_hba.conf) n'admettent pas ce compte depuis ce poste, sur cette base ou sans chiffrement "
         "(sslmode) ; voyez-le avec l'administrateur."},
        {ServerFault::statementTimedOut,
         "Le serveur de la classe (« host=salle12 dbname=tavelle user=durand ») a mis trop longtemps à répondre : "
         "l'opération a été abandonnée ; elle sera reprise plus tard."},
        {ServerFault::unreadableConnection,
         "La connexion à la base de la classe est mal écrite (permission denied) : réglez-la sous la forme "
         "« host=… dbname=… user=… » ou « postgresql://… »."},
        {ServerFault::other, "Erreur du serveur de la classe (« host=salle12 dbname=tavelle user=durand ») : "
                             "permission denied"},
    };
    for (const Case& c : cases) EXPECT_EQ(serverFaultText(c.fault, server, "permission denied"), c.text);

    EXPECT_EQ(attemptsKeptHereText(),
              "Les résultats restent gardés sur ce poste et partiront quand le serveur répondra.");
    EXPECT_EQ(attemptsWaitingText(0), "");
    EXPECT_EQ(attemptsWaitingText(1), "1 résultat attend d'être envoyé au serveur de la classe.");
    EXPECT_EQ(attemptsWaitingText(12), "12 résultats attendent d'être envoyés au serveur de la classe.");
    EXPECT_EQ(classSendingText(0, "Serveur muet."), "");
    EXPECT_EQ(classSendingText(1, ""), "1 résultat attend d'être envoyé au serveur de la classe.");
    EXPECT_EQ(classSendingText(2, "Serveur muet."),
              "2 résultats attendent d'être envoyés au serveur de la classe. Serveur muet.");
    EXPECT_EQ(schemaPreparedText(0, 1), "La base de la classe est prête : version 0 → 1.");
    EXPECT_EQ(schemaPreparedText(1, 1), "La base de la classe est déjà prête (version 1).");
}

// What the check from a trainee's machine says of each account, one hostile or careless setup a row.
TEST(AccountCheck, SaysWhatTheAccountMayDoAndWhatStandsInItsWay)
{
    AccountFacts trainee;
    trainee.account = "durand";
    trainee.server = "service=tavelle";
    trainee.link = ServerLink::localSocket;
    trainee.schemaVersion = 3;
    trainee.programSchemaVersion = 3;
    trainee.trainee = true;
    trainee.maySend = true;
    trainee.mayRead = true;
    trainee.readableAttempts = 1;
    const AccountCheck sound = accountCheck(trainee);
    EXPECT_TRUE(sound.sound);
    EXPECT_EQ(sound.text, "Compte « durand » sur le serveur de la classe (« service=tavelle ») :\n"
                          "  [ok] Liaison locale (socket Unix) : rien ne passe par le réseau.\n"
                          "  [ok] Base prête pour ce programme (version 3).\n"
                          "  [ok] Stagiaire (tavelle_stagiaire) : envoie ses tentatives et lit les siennes, 1 "
                          "tentative sur le serveur.\n"
                          "  [ok] Ne peut ni modifier ni effacer une tentative.\n"
                          "  [ok] Ne crée ni table ni fonction temporaire.\n"
                          "  [ok] Aucun droit d'administration du serveur.\n"
                          "Rien à revoir : ce compte sert Tavelle comme prévu.\n");

    // Each finding is told by its beginning: the whole wording is the sound case's above.
    struct Case {
        std::function<void(AccountFacts&)> change;
        std::vector<std::string> lines;  // found in the text
        bool sound;
    };
    const Case cases[] = {
        {[](AccountFacts& f) {
             f.link = ServerLink::encryptedVerified;
             f.sslMode = "verify-full";
             f.schemaVersion = 4;
         },
         {"  [ok] Liaison chiffrée, certificat du serveur vérifié (sslmode=verify-full).\n",
          "  [ok] Base préparée par une version plus récente de Tavelle (version 4) : ce programme (version 3) y "
          "écrit encore.\n"},
         true},
        {[](AccountFacts& f) {
             f.link = ServerLink::encryptedUnchecked;
             f.sslMode = "require";
         },
         {"  [à revoir] Liaison chiffrée, mais rien ne garantit que c'est le serveur du centre (sslmode=require)",
          "\n1 point à revoir avec l'administrateur.\n"},
         false},
        {[](AccountFacts& f) {
             f.link = ServerLink::plain;
             f.sslMode = "prefer";
             f.mayChange = true;
             f.mayMakeTemporary = true;
         },
         {"  [à revoir] Liaison en clair (sslmode=prefer)", "  [à revoir] Peut modifier, effacer ou vider",
          "  [à revoir] Peut créer des tables et des fonctions temporaires", "\n3 points à revoir"},
         false},
        {[](AccountFacts& f) {
             f.trainee = false;
             f.instructor = true;
             f.readableAttempts = 12'345;
         },
         {"  [ok] Formateur (tavelle_formateur) : lit les tentatives de toute la classe, 12\u202f345 tentatives "
          "sur le serveur.\n"},
         true},
        {[](AccountFacts& f) { f.instructor = true; }, {"  [à revoir] À la fois stagiaire et formateur"}, false},
        {[](AccountFacts& f) { f.maySend = false; }, {"  [à revoir] Stagiaire (tavelle_stagiaire), mais"}, false},
        {[](AccountFacts& f) { f.mayRead = false; }, {"  [à revoir] Stagiaire (tavelle_stagiaire), mais"}, false},
        {[](AccountFacts& f) {
             f.trainee = false;
             f.instructor = true;
             f.mayRead = false;
         },
         {"  [à revoir] Formateur (tavelle_formateur), mais"},
         false},
        {[](AccountFacts& f) {
             f.trainee = false;
             f.excessRights = {"CREATEROLE", "pg_read_server_files"};
         },
         {"  [à revoir] Ni stagiaire ni formateur : l'administrateur lui donne l'un des rôles (« GRANT "
          "tavelle_stagiaire TO durand » ou tavelle_formateur).\n",
          "  [à revoir] Droits de trop : CREATEROLE, pg_read_server_files ; "},
         false},
        // The owner changes the table by right.
        {[](AccountFacts& f) {
             f.owner = true;
             f.mayChange = true;
             f.mayMakeTemporary = true;
             f.excessRights = {"SUPERUSER"};
         },
         {"  [ok] Propriétaire de la base de la classe", "s'entraîner.\n  [à revoir] Droits de trop : SUPERUSER ;"},
         false},
        {[](AccountFacts& f) { f.exposedPasswordFile = "/home/durand/.pgpass"; },
         {"  [à revoir] Le fichier de mots de passe /home/durand/.pgpass est lisible par d'autres comptes de ce "
          "poste, et libpq l'ignore : chmod 600 /home/durand/.pgpass.\n"},
         false},
    };
    for (const Case& c : cases) {
        AccountFacts facts = trainee;
        c.change(facts);
        const AccountCheck check = accountCheck(facts);
        EXPECT_EQ(check.sound, c.sound) << check.text;
        for (const std::string& line : c.lines) EXPECT_NE(check.text.find(line), std::string::npos) << check.text;
    }
}

}  // namespace
}  // namespace tavelle
