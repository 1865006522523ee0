#pragma once

#include "core/Result.h"

#include <QSqlError>
#include <QString>
#include <optional>

/// The login the program's connections to a server sign in with. Until someone signs in it is the address's own
/// role (its password from libpq's password file): the office's role, which makes the first administrator and runs
/// the upgrades. After a sign-in it is that user's own login, so the server grants what the user's role may do.
/// Every connection opened through Database::open on a server follows it, on any thread; a file ignores it.
namespace ServerLogin {

struct Credentials
{
    QString login;
    QString password;
};

/// The login connections open with now; nothing while the address's own role is used.
std::optional<Credentials> current();
/// The login a connection of that name opens with: current(), the address's own role for one that keeps it, or the
/// login being tried for reconnect's probe.
std::optional<Credentials> forConnection(const QString& connectionName);
/// Grows with each change of login, so a connection kept open elsewhere (the outbox sender's) knows to reopen.
int generation();
/// Gives the connection connectionName a login of its own whoever signed in (a probe of a login, a second desk in a
/// test); forget takes it away again.
void useFor(const QString& connectionName, const Credentials& credentials);
void forget(const QString& connectionName);
/// Marks connectionName as keeping the address's own role whoever signed in, for the work only the office's role
/// may do (a restore's grants, a restored archive's upgrade); keep false forgets the mark.
void keepOfficeRole(const QString& connectionName, bool keep = true);

/// Connections opened from now on use the address's own role again (the program's end; a test's).
void forgetLogin();

/// Reopens the connection connectionName (open on a server) as login, checked as Database::open checks: a probe
/// connection is opened first, so a refusal (a wrong password, a login removed, the server gone) leaves the previous
/// connection as it was, and the reason is returned. Does nothing for a connection on a file.
Status reconnect(const QString& connectionName, const Credentials& credentials);

/// What a server's refusal says about the login, told apart by the server's and libpq's own words.
enum class Trouble
{
    None,        // not a refusal of the login nor a lost server (a constraint, a bad value, ...)
    LoginGone,   // the login was dropped, made unable to connect, or given another password meanwhile
    Unreachable, // the server cannot be reached (stopped, the network lost, the address wrong)
};
Trouble troubleOf(const QString& serverError);

/// The text to report for a failed statement or connection: where the server refused the login or its rights
/// (SQLSTATE 42501, 28000, 28P01: a role that may not, a user removed, deactivated or given a new password at another
/// desk) the office's words first and the server's own below them; any other failure's own text unchanged.
QString explained(const QSqlError& error);

} // namespace ServerLogin
