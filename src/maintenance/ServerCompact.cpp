#include "core/Database.h"
#include "core/Dialect.h"
#include "core/ServerLogin.h"
#include "core/SqlHelpers.h"
#include "maintenance/ServerArchive.h"

#include <QCoreApplication>
#include <functional>

// Only the owner of a table may vacuum it (anyone else's VACUUM skips it with a warning alone) or drop it: so the
// maintenance of a server runs as the address's role, the office's, and not as the login of whoever signed in, who
// may do it only by their role or a manager's approval, which the program checked.
namespace ServerArchive {
namespace {

QString uniqueName()
{
    static int next = 0;
    return QStringLiteral("zem-server-owner-%1").arg(++next);
}

Status ownsTables(const QSqlDatabase& db)
{
    QString error;
    const auto owner = Sql::scalar(
        db,
        QStringLiteral("SELECT pg_get_userbyid(relowner) = current_user FROM pg_class WHERE oid = 'booking'::regclass"),
        {}, &error);
    if (!owner)
        return databaseFailure(error);
    if (owner->toBool())
        return Done{};
    const auto role = Sql::scalar(db, QStringLiteral("SELECT current_user"), {}, &error);
    return refused(QCoreApplication::translate(
                       "ServerArchive", "Only the database's owner, the office's role, may restore or compact it on a "
                                        "server, and this desk's address signs in as %1. Please do it at a desk whose "
                                        "address (and password file) name the office's role.")
                       .arg(role ? role->toString() : QString()));
}

// Runs work on a connection of the address's own role.
Status asAddressRole(const QString& uri, const std::function<Status(const QSqlDatabase&)>& work)
{
    const QString name = uniqueName();
    ServerLogin::keepOfficeRole(name);
    Status done = Done{};
    if (auto db = Database::open(uri, name, 5000); !db)
        done = db.failure();
    else if (done = ownsTables(*db); done)
        done = work(*db);
    Database::close(name);
    ServerLogin::keepOfficeRole(name, false);
    return done;
}

} // namespace

Status checkOwner(const QString& uri)
{
    return asAddressRole(uri, [](const QSqlDatabase&) -> Status { return Done{}; });
}

Status compact(const QString& uri)
{
    return asAddressRole(uri, [](const QSqlDatabase& db) -> Status {
        QString error;
        // VACUUM refuses to run inside a transaction or as a prepared statement: it goes as a script line.
        if (!Sql::execScript(db, Dialect::of(db).compactSql(), &error))
            return databaseFailure(error);
        return Done{};
    });
}

} // namespace ServerArchive
