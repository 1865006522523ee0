#include "core/ServerRoles.h"

#include "core/Database.h"
#include "core/Dialect.h"
#include "core/ServerLogin.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace ServerRoles {
namespace {

constexpr qsizetype LongestPassword = 1024;

std::optional<Failure> nameFault(const QSqlDatabase& db, const QString& login)
{
    if (Dialect::of(db).kind() != Engine::PostgreSQL)
        return refused(
            QCoreApplication::translate("ServerRoles", "Logins are kept by a database server; a file has none."));
    if (!isPlainName(login))
        return refused(QCoreApplication::translate(
            "ServerRoles", "A login is 1 to 63 lower-case letters, digits and _, starting with a letter, and not one "
                           "the server or the program keeps for itself."));
    return std::nullopt;
}
std::optional<Failure> passwordFault(const QString& password)
{
    if (password.isEmpty())
        return refused(QCoreApplication::translate("ServerRoles", "A login needs a password."));
    if (password.size() > LongestPassword)
        return refused(
            QCoreApplication::translate("ServerRoles", "A password is at most %1 characters.").arg(LongestPassword));
    return std::nullopt;
}

// The statement is made by the server's format(), which quotes the name as an identifier and the password as a
// literal, and run in the same transaction.
Status run(const QSqlDatabase& db, const QString& formatted, const QVariantList& binds, QString* error)
{
    QString sql = QStringLiteral("SELECT format(%1)").arg(formatted);
    sql.replace(QStringLiteral(", ?"), QStringLiteral(", ?::text"));
    const auto statement = Sql::scalar(db, sql, binds, error);
    if (!statement)
        return databaseFailure(*error);
    // A statement about roles cannot be prepared: it runs as the server quoted it.
    QSqlQuery q(db);
    if (!q.exec(statement->toString()))
        return databaseFailure(q.lastError().text());
    return Done{};
}

// Whether login is a member of one of our groups (only those are moved or removed here).
Result<bool> isOurs(const QSqlDatabase& db, const QString& login)
{
    QString error;
    const auto found = Sql::scalar(
        db,
        QStringLiteral("SELECT COUNT(*) FROM pg_auth_members m JOIN pg_roles g ON g.oid = m.roleid JOIN pg_roles u ON "
                       "u.oid = m.member WHERE u.rolname = ? AND g.rolname IN ('zem_clerk', 'zem_manager', "
                       "'zem_administrator')"),
        {login}, &error);
    if (!found)
        return databaseFailure(error);
    return found->toInt() > 0;
}

Status inTransaction(const QSqlDatabase& db, const std::function<Status(QString*)>& work)
{
    Sql::Transaction tx(db);
    if (!tx.started())
        return databaseFailure(tx.error());
    QString error;
    if (const Status done = work(&error); !done)
        return done;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

// From version 16 on, a login with CREATEROLE grants, alters and drops only the roles it holds the admin option on.
Result<bool> adminOptionNeeded(const QSqlDatabase& db, QString* error)
{
    const auto version =
        Sql::scalar(db, QStringLiteral("SELECT current_setting('server_version_num')::int"), {}, error);
    if (!version)
        return databaseFailure(*error);
    return version->toInt() >= 160000;
}

// A new login is in no group yet: only a moved one leaves the others. From version 16 on, an administrator's login
// gets its group with the admin option (the group holds it on the other two), so it may make other administrators;
// and the administrators' group holds the admin option on every other login, so any administrator may move or
// remove one another made. An administrator's login may not hold that too: a role may not be in a circle.
Status grantOnly(const QSqlDatabase& db, const QString& login, Role role, QString* error, bool moved = true)
{
    const Result<bool> sixteen = adminOptionNeeded(db, error);
    if (!sixteen)
        return sixteen.failure();
    for (const Role other : {Role::Clerk, Role::Manager, Role::Administrator})
        if (moved && other != role)
            if (const Status done =
                    run(db, QStringLiteral("'REVOKE %I FROM %I', ?, ?"), {groupOf(other), login}, error);
                !done)
                return done;
    if (*sixteen && role == Role::Administrator && moved)
        if (const Status done = run(db, QStringLiteral("'REVOKE %I FROM zem_administrator', ?"), {login}, error); !done)
            return done;
    const QString grant = *sixteen && role == Role::Administrator
                              ? QStringLiteral("'GRANT %I TO %I WITH ADMIN OPTION', ?, ?")
                              : QStringLiteral("'GRANT %I TO %I', ?, ?");
    if (const Status done = run(db, grant, {groupOf(role), login}, error); !done)
        return done;
    if (*sixteen && role != Role::Administrator)
        if (const Status done = run(
                db, QStringLiteral("'GRANT %I TO zem_administrator WITH ADMIN OPTION, INHERIT FALSE, SET FALSE', ?"),
                {login}, error);
            !done)
            return done;
    return run(db,
               role == Role::Administrator ? QStringLiteral("'ALTER ROLE %I CREATEROLE', ?")
                                           : QStringLiteral("'ALTER ROLE %I NOCREATEROLE', ?"),
               {login}, error);
}

Status refuseUnlessOurs(const QSqlDatabase& db, const QString& login)
{
    const auto ours = isOurs(db, login);
    if (!ours)
        return ours.failure();
    if (!*ours)
        return refused(
            QCoreApplication::translate("ServerRoles", "%1 is not a login of Zem Harbour's roles.").arg(login));
    return Done{};
}

} // namespace

QString groupOf(Role role)
{
    switch (role) {
    case Role::Clerk:
        return QStringLiteral("zem_clerk");
    case Role::Manager:
        return QStringLiteral("zem_manager");
    case Role::Administrator:
        break;
    }
    return QStringLiteral("zem_administrator");
}

bool isPlainName(const QString& login)
{
    static const QRegularExpression Plain(QStringLiteral("^[a-z][a-z0-9_]{0,62}$"));
    return Plain.match(login).hasMatch() && !login.startsWith(QStringLiteral("zem_")) &&
           !login.startsWith(QStringLiteral("pg_")) && login != QStringLiteral("postgres") &&
           login != QStringLiteral("public");
}

Status createLogin(const QSqlDatabase& db, const QString& login, const QString& password, Role role)
{
    if (const auto fault = nameFault(db, login))
        return *fault;
    if (const auto fault = passwordFault(password))
        return *fault;
    return inTransaction(db, [&](QString* error) -> Status {
        // The server turns the password into a SCRAM verifier before it keeps it, whatever its default.
        if (!Sql::exec(db, QStringLiteral("SELECT set_config('password_encryption', 'scram-sha-256', true)"), {},
                       error))
            return databaseFailure(*error);
        const auto exists =
            Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM pg_roles WHERE rolname = ?"), {login}, error);
        if (!exists)
            return databaseFailure(*error);
        if (exists->toInt() > 0)
            return conflict(QCoreApplication::translate("ServerRoles", "The login %1 exists already.").arg(login));
        // INHERIT: a login acts with its group's rights without SET ROLE.
        if (const Status made =
                run(db, QStringLiteral("'CREATE ROLE %I LOGIN INHERIT PASSWORD %L', ?, ?"), {login, password}, error);
            !made)
            return made;
        return grantOnly(db, login, role, error, false);
    });
}

Status setRole(const QSqlDatabase& db, const QString& login, Role role)
{
    if (const auto fault = nameFault(db, login))
        return *fault;
    return inTransaction(db, [&](QString* error) -> Status {
        if (const Status ours = refuseUnlessOurs(db, login); !ours)
            return ours;
        return grantOnly(db, login, role, error);
    });
}

Status setMayConnect(const QSqlDatabase& db, const QString& login, bool may)
{
    if (const auto fault = nameFault(db, login))
        return *fault;
    return inTransaction(db, [&](QString* error) -> Status {
        if (const Status ours = refuseUnlessOurs(db, login); !ours)
            return ours;
        return run(db, may ? QStringLiteral("'ALTER ROLE %I LOGIN', ?") : QStringLiteral("'ALTER ROLE %I NOLOGIN', ?"),
                   {login}, error);
    });
}

Status setPassword(const QSqlDatabase& db, const QString& login, const QString& password)
{
    if (const auto fault = nameFault(db, login))
        return *fault;
    if (const auto fault = passwordFault(password))
        return *fault;
    return inTransaction(db, [&](QString* error) -> Status {
        if (const Status ours = refuseUnlessOurs(db, login); !ours)
            return ours;
        if (!Sql::exec(db, QStringLiteral("SELECT set_config('password_encryption', 'scram-sha-256', true)"), {},
                       error))
            return databaseFailure(*error);
        return run(db, QStringLiteral("'ALTER ROLE %I PASSWORD %L', ?, ?"), {login, password}, error);
    });
}

Status dropLogin(const QSqlDatabase& db, const QString& login)
{
    if (const auto fault = nameFault(db, login))
        return *fault;
    return inTransaction(db, [&](QString* error) -> Status {
        if (const Status ours = refuseUnlessOurs(db, login); !ours)
            return ours;
        return run(db, QStringLiteral("'DROP ROLE %I', ?"), {login}, error);
    });
}

Status applyGrants(const QString& address)
{
    const QString name = QStringLiteral("zem-grants-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    ServerLogin::keepOfficeRole(name);
    Status done = Done{};
    if (const auto db = Database::open(address, name, 5000); !db) {
        done = db.failure();
    } else {
        QString error;
        if (!Sql::exec(*db, QStringLiteral("SELECT zem_apply_grants()"), {}, &error))
            done = databaseFailure(error);
    }
    Database::close(name);
    ServerLogin::keepOfficeRole(name, false);
    return done;
}

} // namespace ServerRoles
