#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavelle {

// How the program reaches the class server.
enum class ServerLink {
    localSocket,  // a Unix socket on this machine: nothing crosses the network
    plain,  // the network, unencrypted
    encryptedUnchecked,  // TLS, but libpq does not check whose certificate it is (sslmode=require)
    encryptedVerified,  // TLS with the server's certificate and name checked (sslmode=verify-full)
};

// What the class server and this machine say of the account that logged in, for the check an
// administrator runs from a trainee's or an instructor's machine.
struct AccountFacts {
    std::string account;  // the account that logged in (session_user)
    std::string server;  // as messages show it
    ServerLink link = ServerLink::plain;
    std::string sslMode;  // as libpq took it
    int schemaVersion = 0;  // the server's
    int programSchemaVersion = 0;  // this program's
    bool trainee = false;  // member of tavelle_stagiaire
    bool instructor = false;  // member of tavelle_formateur
    bool owner = false;  // owns the table of attempts: the administrator's account
    bool maySend = false;  // may add attempts
    bool mayRead = false;  // may read attempts (its own, or all)
    bool mayChange = false;  // may update, delete or empty attempts
    bool mayMakeTemporary = false;  // may create temporary tables and functions
    std::vector<std::string> excessRights;  // SUPERUSER, CREATEROLE, BYPASSRLS, the server's files or programs
    std::int64_t readableAttempts = 0;  // the attempts it reads
    std::string exposedPasswordFile;  // a password file others may read, which libpq ignores; empty when none
};

// The check's answer, in French: a heading, a line for each finding ("[ok]" what the account may do as its
// role asks, "[à revoir]" what stands in its way or gives it more), and a last line on the whole; sound
// when nothing needs the administrator.
struct AccountCheck {
    std::string text;
    bool sound = true;
};

AccountCheck accountCheck(const AccountFacts& facts);

}  // namespace tavelle
