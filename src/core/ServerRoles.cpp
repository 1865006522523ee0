#include "core/ServerRoles.h"

#include "core/Database.h"
#include "core/Dialect.h"
#include "core/ServerLogin.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QRegularExpression>
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

// Every change of a login is made by the server's zem_manage_login, as the office's role: it asks again whether the
// one asking may (an administrator, or a desk with an approval), so no user's login needs CREATEROLE.
Status step(const QSqlDatabase& db, const QString& op, const QString& login, const QString& secret = {},
            const QString& group = {})
{
    QString error;
    if (!Sql::exec(db, QStringLiteral("SELECT zem_manage_login(?, ?, ?, ?)"),
                   {op, login, secret.isNull() ? QVariant() : QVariant(secret),
                    group.isEmpty() ? QVariant() : QVariant(group)},
                   &error))
        return databaseFailure(error);
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
        const auto exists =
            Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM pg_roles WHERE rolname = ?"), {login}, error);
        if (!exists)
            return databaseFailure(*error);
        if (exists->toInt() > 0)
            return conflict(QCoreApplication::translate("ServerRoles", "The login %1 exists already.").arg(login));
        // The server keeps the password as a SCRAM-SHA-256 verifier, whatever its default.
        return step(db, QStringLiteral("create"), login, password, groupOf(role));
    });
}

Status setRole(const QSqlDatabase& db, const QString& login, Role role)
{
    if (const auto fault = nameFault(db, login))
        return *fault;
    return inTransaction(db, [&](QString*) -> Status {
        if (const Status ours = refuseUnlessOurs(db, login); !ours)
            return ours;
        return step(db, QStringLiteral("role"), login, {}, groupOf(role));
    });
}

Status setMayConnect(const QSqlDatabase& db, const QString& login, bool may)
{
    if (const auto fault = nameFault(db, login))
        return *fault;
    return inTransaction(db, [&](QString*) -> Status {
        if (const Status ours = refuseUnlessOurs(db, login); !ours)
            return ours;
        return step(db, may ? QStringLiteral("login") : QStringLiteral("nologin"), login);
    });
}

Status setPassword(const QSqlDatabase& db, const QString& login, const QString& password)
{
    if (const auto fault = nameFault(db, login))
        return *fault;
    if (const auto fault = passwordFault(password))
        return *fault;
    return inTransaction(db, [&](QString*) -> Status {
        if (const Status ours = refuseUnlessOurs(db, login); !ours)
            return ours;
        return step(db, QStringLiteral("password"), login, password);
    });
}

Status dropLogin(const QSqlDatabase& db, const QString& login)
{
    if (const auto fault = nameFault(db, login))
        return *fault;
    return inTransaction(db, [&](QString*) -> Status {
        if (const Status ours = refuseUnlessOurs(db, login); !ours)
            return ours;
        return step(db, QStringLiteral("drop"), login);
    });
}

Status setSignInPassword(const QSqlDatabase& db, const QString& password)
{
    if (Dialect::of(db).kind() != Engine::PostgreSQL)
        return refused(
            QCoreApplication::translate("ServerRoles", "Logins are kept by a database server; a file has none."));
    if (!password.isEmpty())
        if (const auto fault = passwordFault(password))
            return *fault;
    QString error;
    const auto exists =
        Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM pg_roles WHERE rolname = 'zem_signin'"), {}, &error);
    if (!exists)
        return databaseFailure(error);
    if (exists->toInt() == 0)
        return refused(QCoreApplication::translate(
            "ServerRoles", "This server has no sign-in role: the office's role could not make roles when the "
                           "database was made."));
    return step(db, QStringLiteral("signin"), QString(), password.isEmpty() ? QString() : password);
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
