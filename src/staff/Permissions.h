#pragma once

#include "core/Result.h"
#include "staff/Roles.h"
#include "staff/StaffStore.h"

#include <QDateTime>
#include <QSqlDatabase>

/// What each role may do: the program's default for each action, changed by the administrator in RolePermission,
/// and the one answer to "may the one acting now do this".
namespace Permissions {

/// The program's default: a clerk may do none of the guarded actions, a manager all but the company's details,
/// restoring or compacting, and the users; an administrator everything.
bool byDefault(Role role, Action action);
/// Whether an administrator's permission may be taken away: never the users and permissions, so someone can
/// always give permissions back.
bool changeable(Role role, Action action);

/// Whether role may do action in this database (its row, else the default).
Result<bool> roleMay(const QSqlDatabase& db, Role role, Action action);
/// Changes what role may do; refused for an administrator's users and permissions.
Status setAllowed(const QSqlDatabase& db, Role role, Action action, bool allowed);

/// "Only a manager or an administrator may give refunds or corrections."
Result<QString> whoMay(const QSqlDatabase& db, Action action);

/// Whether the one acting now (Actor) may do action. Where the database has no user at all everything is allowed,
/// as before sign-in existed. Refused, with the text to show, for nobody signed in, a user removed or deactivated
/// meanwhile (told so), or a role that may not. A user renamed or given another role meanwhile acts under the
/// name and role stored now.
Status mayActNow(const QSqlDatabase& db, Action action);

/// A manager's approval on the spot: signs the approver in by sign-in name and PIN or password (a wrong one counts
/// a try, as at the sign-in), checks the approver's role may do action, and records the approval for the one
/// acting now at this desk. Nothing is written when it is refused.
Result<StaffUser> approve(const QSqlDatabase& db, const QDateTime& now, Action action, const QString& signInName,
                          const QString& secret);

/// Gives up an approval on the spot that lasts (the users'), once the window it opened closes: on a server the
/// desk's connection no longer holds it; a file keeps none.
Status endApproval(const QSqlDatabase& db, Action action);

} // namespace Permissions
