#pragma once

#include "core/Result.h"

#include <QSqlDatabase>
#include <QString>

/// The logins of a PostgreSQL server, each a member of one of the schema's three group roles, so the server itself
/// refuses what the login's role may not do. Every call is refused on a file, and for a name that is not plain
/// (lower-case letters, digits and _, starting with a letter, at most 63) or is one of the groups or the server's own.
/// The server makes each change as the office's role, and only for the office's own connection, an administrator's
/// login, or a desk whose role may manage users or that holds an approval for them; anyone else is refused.
namespace ServerRoles {

enum class Role
{
    Clerk,
    Manager,
    Administrator
};
/// The group role: "zem_clerk", "zem_manager", "zem_administrator".
QString groupOf(Role role);
/// Whether login may be made into a login of ours.
bool isPlainName(const QString& login);

/// Makes login, with password (kept by the server as a SCRAM-SHA-256 verifier), a member of role's group.
Status createLogin(const QSqlDatabase& db, const QString& login, const QString& password, Role role);
/// Moves one of our logins to role's group (and out of the others).
Status setRole(const QSqlDatabase& db, const QString& login, Role role);
/// Lets one of our logins connect, or not (a user deactivated keeps the login for when they come back).
Status setMayConnect(const QSqlDatabase& db, const QString& login, bool may);
/// Gives one of our logins a new password.
Status setPassword(const QSqlDatabase& db, const QString& login, const QString& password);
/// Removes one of our logins; the server refuses while it owns anything.
Status dropLogin(const QSqlDatabase& db, const QString& login);

/// Gives the sign-in role zem_signin, the one desks may start with, a new password; an empty one stops it from
/// logging in. Only the office's role or an administrator's login.
Status setSignInPassword(const QSqlDatabase& db, const QString& password);

/// Grants the groups their rights on the database at address again, as the office's role (the tables' owner): a
/// restore brings back the tables without them. Opening it brings an older archive's schema up to date first.
Status applyGrants(const QString& address);

} // namespace ServerRoles
