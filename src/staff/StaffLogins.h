#pragma once

#include "core/Result.h"
#include "staff/Roles.h"
#include "staff/StaffStore.h"

#include <QSqlDatabase>
#include <QString>

/// The server side of StaffStore's writes: each user's own login, made, moved, given its password and dropped in
/// the transaction that saves the user, so a refusal of the server leaves neither the user nor the login half
/// changed (a server's roles are written transactionally like its tables). Nothing happens on a file, nor on a server
/// whose office role did not make the three groups (the users then work as the office's role, as before).
namespace StaffLogins {

/// The login a sign-in name gets: lower case, anything but letters, digits and _ as _, "u_" in front of a name the
/// server or the program keeps for itself or that does not start with a letter; at most 63 characters.
QString loginFor(const QString& signInName);
/// Whether users on db get logins of their own: a server with the groups made.
Result<bool> inUse(const QSqlDatabase& db);

/// Makes the login of user id (its ServerLogin), with password and role's group.
Status make(const QSqlDatabase& db, int id, const QString& signInName, const QString& password, Role role);
/// The login of user id; empty when it has none (a file).
Result<QString> loginOf(const QSqlDatabase& db, int id);
/// Moves user id's login to role's group, and lets it connect only while the user is active.
Status setRole(const QSqlDatabase& db, int id, Role role, bool active);
/// Gives user id's login the new password, making the login for a user that has none yet.
Status setPassword(const QSqlDatabase& db, int id, const QString& password);
/// Drops user id's login, when there is one.
Status drop(const QSqlDatabase& db, int id);

/// Gives the server's sign-in role, which desks may start with, password (kept as a user's is: 8 to 1,024
/// characters); an empty one stops desks from starting with it. An administrator's login only.
Status setSignInRolePassword(const QSqlDatabase& db, const QString& password);

/// Whether signing user in at this desk reopens its connections as the user's own login.
bool reconnects(const QSqlDatabase& db, int id);
/// Makes user, signed in with password, the one acting at this desk: on a server the connection connectionName
/// (and every one opened after it) reopens as the user's own login first, so a refusal of the server changes
/// nothing and says why.
Status signInAs(const QString& connectionName, const StaffUser& user, const QString& password);

} // namespace StaffLogins
