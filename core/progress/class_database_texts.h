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
    other,
};

// What a server is called in messages: the connection string without any password in it.
std::string shownServer(std::string_view connection);

// One French sentence on what went wrong, naming the server (`connection`, shown without a password);
// `detail` is the server's own words, told where they help.
std::string serverFaultText(ServerFault fault, std::string_view connection, std::string_view detail);

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
