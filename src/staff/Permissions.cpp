#include "staff/Permissions.h"

#include "core/Actor.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/ServerLogin.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace Permissions {

bool byDefault(Role role, Action action)
{
    switch (role) {
    case Role::Clerk:
        return false;
    case Role::Manager:
        return action != Action::CompanyDetails && action != Action::RestoreAndCompact &&
               action != Action::UsersAndPermissions;
    case Role::Administrator:
        return true;
    }
    return false;
}

bool changeable(Role role, Action action)
{
    return !(role == Role::Administrator && action == Action::UsersAndPermissions);
}

Result<bool> roleMay(const QSqlDatabase& db, Role role, Action action)
{
    if (!changeable(role, action))
        return true;
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT Allowed FROM RolePermission WHERE Role = ? AND Action = ?"),
                   {Roles::key(role), Roles::key(action)}, &error))
        return databaseFailure(error);
    return q.next() ? q.value(0).toInt() != 0 : byDefault(role, action);
}

Status setAllowed(const QSqlDatabase& db, Role role, Action action, bool allowed)
{
    if (!changeable(role, action))
        return refused(QCoreApplication::translate(
            "Permissions", "An administrator always manages users and permissions, so they can be given back."));
    QString error;
    const bool done = Sql::inTransaction(
        db, &error,
        [&] {
            return Sql::exec(db, QStringLiteral("DELETE FROM RolePermission WHERE Role = ? AND Action = ?"),
                             {Roles::key(role), Roles::key(action)}, &error) &&
                   Sql::exec(db, QStringLiteral("INSERT INTO RolePermission (Role, Action, Allowed) VALUES (?, ?, ?)"),
                             {Roles::key(role), Roles::key(action), allowed ? 1 : 0}, &error);
        },
        true);
    if (!done)
        return databaseFailure(error);
    return Done{};
}

namespace {
// "Only a manager or an administrator may ..." for the roles may answers yes for.
template <typename May> Result<QString> whoMayText(Action action, May may)
{
    QStringList roles;
    for (const Role role : Roles::all()) {
        const Result<bool> allowed = may(role);
        if (!allowed)
            return allowed.failure();
        if (*allowed)
            roles << Roles::withArticle(role);
    }
    if (roles.isEmpty())
        return QCoreApplication::translate("Permissions",
                                           "No role may %1 at present; an administrator can allow it in Users.")
            .arg(Roles::doing(action));
    QString who;
    if (roles.size() == 1)
        who = roles.first();
    else
        who = QCoreApplication::translate("Permissions", "%1 or %2")
                  .arg(roles.mid(0, roles.size() - 1).join(QStringLiteral(", ")), roles.constLast());
    return QCoreApplication::translate("Permissions", "Only %1 may %2.").arg(who, Roles::doing(action));
}
} // namespace

Result<QString> whoMay(const QSqlDatabase& db, Action action)
{
    return whoMayText(action, [&](Role role) { return roleMay(db, role, action); });
}

Status mayActNow(const QSqlDatabase& db, Action action)
{
    const Actor::Who who = Actor::current();
    const Result<int> users = StaffStore::count(db);
    if (!users && who.userId != 0 && ServerLogin::troubleOf(users.error()) == ServerLogin::Trouble::LoginGone)
        return refused(QCoreApplication::translate(
            "Permissions", "The server no longer lets your user in: an administrator has removed or deactivated it at "
                           "another desk. Please sign in again as another user (File, Switch User)."));
    if (!users) {
        // The database cannot be read (its file gone, the server lost): the role signed in at the start decides by
        // its default, so an administrator can still restore or compact it. Nobody signed in means nobody had to.
        const std::optional<Role> role = Roles::fromKey(who.role);
        if (who.userId == 0 || (role && byDefault(*role, action)))
            return Done{};
        return refused(whoMayText(action, [&](Role r) -> Result<bool> { return byDefault(r, action); }).valueOr({}));
    }
    if (*users == 0)
        return Done{};
    if (who.userId == 0)
        return refused(QCoreApplication::translate("Permissions", "Nobody has signed in at this desk."));
    const Result<StaffUser> user = StaffStore::byId(db, who.userId);
    if (!user)
        return refused(QCoreApplication::translate("Permissions",
                                                   "Your user has been removed by an administrator: please sign in "
                                                   "again as another user (File, Switch User)."));
    if (!user->active)
        return refused(QCoreApplication::translate("Permissions",
                                                   "Your user has been deactivated by an administrator: please sign "
                                                   "in again as another user (File, Switch User)."));
    // A rename or a new role made at another desk counts from now on.
    if (user->name != who.user || Roles::key(user->role) != who.role)
        Actor::signIn(user->id, user->name, Roles::key(user->role));
    const Result<bool> may = roleMay(db, user->role, action);
    if (!may)
        return may.failure();
    if (*may)
        return Done{};
    const Result<QString> text = whoMay(db, action);
    if (!text)
        return text.failure();
    return refused(*text);
}

namespace {
// On a server the approval is recorded by the server, which checks the approver's PIN or password again as the
// office's role and holds the approval for this desk's connection: the approved statements then pass the guards of
// the tables a clerk's login may not write otherwise.
Status holdOnServer(const QSqlDatabase& db, const QDateTime& now, Action action, const StaffUser& approver,
                    const SecretHashes& hashes)
{
    const auto orNull = [](const QString& hash) { return hash.isEmpty() ? QVariant() : QVariant(hash); };
    const Actor::Who who = Actor::current();
    QString error;
    const auto held = Sql::scalar(db, QStringLiteral("SELECT zem_approve(?, ?, ?, ?, ?, ?, zem_session_start(), ?, ?)"),
                                  {approver.id, Roles::key(action), orNull(hashes.password), orNull(hashes.pin),
                                   who.machine, DateTimes::dbDateTime(now), who.userId, who.user},
                                  &error);
    if (!held)
        return databaseFailure(error);
    if (held->toInt() == 0)
        return refused(QCoreApplication::translate(
                           "Permissions",
                           "The server did not accept the approval: the PIN or password is wrong, or %1 is locked "
                           "or no longer active.")
                           .arg(approver.name));
    if (held->toInt() < 0)
        return refused(
            QCoreApplication::translate("Permissions", "The server does not let %1 approve this.").arg(approver.name));
    return Done{};
}
} // namespace

Result<StaffUser> approve(const QSqlDatabase& db, const QDateTime& now, Action action, const QString& signInName,
                          const QString& secret)
{
    SecretHashes hashes;
    const Result<StaffUser> approver = StaffStore::signIn(db, now, signInName, secret, Secret::Either, &hashes);
    if (!approver)
        return approver.failure();
    const Result<bool> may = roleMay(db, approver->role, action);
    if (!may)
        return may.failure();
    if (!*may) {
        const Result<QString> text = whoMay(db, action);
        return refused(QCoreApplication::translate("Permissions", "%1 may not approve this. %2")
                           .arg(approver->name, text.valueOr({})));
    }
    if (Dialect::of(db).kind() == Engine::PostgreSQL) {
        if (const Status held = holdOnServer(db, now, action, *approver, hashes); !held)
            return held.failure();
        return *approver;
    }
    const Actor::Who who = Actor::current();
    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("INSERT INTO Approval (Action, ApproverID, Approver, ForUserID, ForUser, ApprovedAt, "
                                  "Desk) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                   {Roles::key(action), approver->id, approver->name, who.userId, who.user, DateTimes::dbDateTime(now),
                    who.machine},
                   &error))
        return databaseFailure(error);
    return *approver;
}

Status endApproval(const QSqlDatabase& db, Action action)
{
    if (Dialect::of(db).kind() != Engine::PostgreSQL)
        return Done{};
    QString error;
    if (!Sql::exec(db, QStringLiteral("SELECT zem_end_approval(?)"), {Roles::key(action)}, &error))
        return databaseFailure(error);
    return Done{};
}

} // namespace Permissions
