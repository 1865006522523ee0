#include "staff/StaffLogins.h"

#include "core/Actor.h"
#include "core/Dialect.h"
#include "core/ServerLogin.h"
#include "core/ServerRoles.h"
#include "core/SqlHelpers.h"
#include "staff/Passwords.h"

#include <QRegularExpression>

namespace StaffLogins {
namespace {

ServerRoles::Role groupOf(Role role)
{
    switch (role) {
    case Role::Clerk:
        return ServerRoles::Role::Clerk;
    case Role::Manager:
        return ServerRoles::Role::Manager;
    case Role::Administrator:
        break;
    }
    return ServerRoles::Role::Administrator;
}

} // namespace

QString loginFor(const QString& signInName)
{
    static const QRegularExpression NotPlain(QStringLiteral("[^a-z0-9_]"));
    QString login = signInName.trimmed().toLower();
    login.replace(NotPlain, QStringLiteral("_"));
    if (!ServerRoles::isPlainName(login.left(63)))
        login.prepend(QStringLiteral("u_"));
    return login.left(63);
}

Result<bool> inUse(const QSqlDatabase& db)
{
    if (Dialect::of(db).kind() != Engine::PostgreSQL)
        return false;
    QString error;
    const auto groups =
        Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM pg_roles WHERE rolname = 'zem_clerk'"), {}, &error);
    if (!groups)
        return databaseFailure(error);
    return groups->toInt() > 0;
}

Status make(const QSqlDatabase& db, int id, const QString& signInName, const QString& password, Role role)
{
    const Result<bool> used = inUse(db);
    if (!used || !*used)
        return used ? Status(Done{}) : Status(used.failure());
    const QString login = loginFor(signInName);
    if (const Status made = ServerRoles::createLogin(db, login, password, groupOf(role)); !made)
        return made;
    QString error;
    if (!Sql::exec(db, QStringLiteral("UPDATE StaffUser SET ServerLogin = ? WHERE ID = ?"), {login, id}, &error))
        return databaseFailure(error);
    return Done{};
}

Result<QString> loginOf(const QSqlDatabase& db, int id)
{
    QString error;
    // A user removed meanwhile has none: the caller says so.
    const auto login = Sql::scalar(
        db, QStringLiteral("SELECT coalesce((SELECT ServerLogin FROM StaffUser WHERE ID = ?), '')"), {id}, &error);
    if (!login)
        return databaseFailure(error);
    return login->toString();
}

Status setRole(const QSqlDatabase& db, int id, Role role, bool active)
{
    const Result<QString> login = loginOf(db, id);
    if (!login || login->isEmpty())
        return login ? Status(Done{}) : Status(login.failure());
    if (const Status moved = ServerRoles::setRole(db, *login, groupOf(role)); !moved)
        return moved;
    return ServerRoles::setMayConnect(db, *login, active);
}

Status setPassword(const QSqlDatabase& db, int id, const QString& password)
{
    if (Dialect::of(db).kind() != Engine::PostgreSQL)
        return Done{};
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ServerLogin, SignInName, Role FROM StaffUser WHERE ID = ?"), {id}, &error))
        return databaseFailure(error);
    if (!q.next())
        return Done{}; // removed meanwhile: the caller says so
    const QString login = q.value(0).toString();
    if (login.isEmpty())
        return make(db, id, q.value(1).toString(), password,
                    Roles::fromKey(q.value(2).toString()).value_or(Role::Clerk));
    return ServerRoles::setPassword(db, login, password);
}

Status drop(const QSqlDatabase& db, int id)
{
    const Result<QString> login = loginOf(db, id);
    if (!login || login->isEmpty())
        return login ? Status(Done{}) : Status(login.failure());
    return ServerRoles::dropLogin(db, *login);
}

Status setSignInRolePassword(const QSqlDatabase& db, const QString& password)
{
    if (!password.isEmpty())
        if (const Status fit = Passwords::checkPassword(password); !fit)
            return fit;
    return ServerRoles::setSignInPassword(db, password);
}

bool reconnects(const QSqlDatabase& db, int id)
{
    return Dialect::of(db).kind() == Engine::PostgreSQL && !loginOf(db, id).valueOr({}).isEmpty();
}

Status signInAs(const QString& connectionName, const StaffUser& user, const QString& password)
{
    const QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    if (reconnects(db, user.id))
        if (const Status in = ServerLogin::reconnect(connectionName, {loginOf(db, user.id).valueOr({}), password}); !in)
            return in;
    Actor::signIn(user.id, user.name, Roles::key(user.role));
    return Done{};
}

} // namespace StaffLogins
