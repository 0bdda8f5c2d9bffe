#pragma once

#include "core/practice/trainee.h"

#include <string>
#include <string_view>

namespace tavelle {

// Why the class database could not do what was asked.
enum class ServerFault {
    driverMissing,  // Qt's PostgreSQL driver is not installed
    unreachable,  // no server answers (stopped, refusing connections, too slow to answer)
    authenticationFailed,  // wrong or missing password, unknown user
    unknownDatabase,  // the server has no such database
    notPrepared,  // the database holds no Tavelle schema yet
    newerSchema,  // prepared by a newer Tavelle
    notAllowed,  // the server refused this account the operation
    accountRefused,  // the server's rules (pg_hba.conf) refuse this account, machine, database or encryption
    statementTimedOut,  // a statement waited longer than the program allows (a lock)
    unreadableConnection,  // libpq cannot read the connection string
    other,
};

// Why a connection with a ';' is refused: Qt's driver turns every ';' into a blank before libpq reads it.
inline constexpr std::string_view semicolonInConnection = "« ; » n'y passe pas : le pilote de Qt le change";

// The parts of a connection that name the server in messages, as libpq reads them; never its password.
struct ServerName {
    std::string service;
    std::string host;
    std::string port;
    std::string database;
    std::string user;
};

// What a server is called in messages: "host=salle12 port=5432 dbname=tavelle user=durand", the parts given.
std::string shownServer(const ServerName& name);

// One French sentence on what went wrong, naming the server (`server`, as shownServer() shows it);
// `detail` is the server's own words, told where they help.
std::string serverFaultText(ServerFault fault, std::string_view server, std::string_view detail);

// What practice adds to a fault: nothing is lost.
std::string attemptsKeptHereText();
// The summary's line on attempts not on the server yet; empty when none wait.
std::string attemptsWaitingText(int count);
// The summary's line on the class database: how many attempts wait and why (`failure`, a fault's text),
// empty when none wait.
std::string classSendingText(int waiting, std::string_view failure);

// The administrator's answers to the preparation of the class database.
std::string schemaPreparedText(int fromVersion, int toVersion);

// The window that asks who practises, at the first practice.
struct TraineeWindowTexts {
    std::string title;
    std::string intro;
    std::string surname;
    std::string givenName;
    std::string group;
    std::string confirm;
};
TraineeWindowTexts traineeWindowTexts();

// Why a trainee's name or group was refused, with an example of what is expected.
std::string traineeFaultText(TraineeFault fault);

}  // namespace tavelle
