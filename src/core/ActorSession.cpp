#include "core/ActorSession.h"

#include "core/Actor.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QSqlDriver>
#include <QThread>
#include <sqlite3.h>

namespace ActorSession {
namespace {

void answer(sqlite3_context* context, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_result_text(context, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}
// The user, or the machine when no user is known (as Actor::label does): the same text on both engines.
QString actorName(const Actor::Who& who)
{
    return who.user.isEmpty() ? who.machine : who.user;
}
void actorFunction(sqlite3_context* context, int, sqlite3_value**)
{
    answer(context, actorName(Actor::current()));
}
void deskFunction(sqlite3_context* context, int, sqlite3_value**)
{
    answer(context, Actor::current().machine);
}

Status attachFile(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return databaseFailure(
            QCoreApplication::translate("ActorSession", "The SQLite driver gives no handle to name who acts."));
    sqlite3* file = *static_cast<sqlite3* const*>(handle.constData());
    if (!file)
        return databaseFailure(QCoreApplication::translate("ActorSession", "The SQLite connection is not open."));
    // Not deterministic (who acts changes), and allowed in triggers: that is where they are called.
    for (const auto& [name, function] : {std::pair{"zem_actor", &actorFunction}, std::pair{"zem_desk", &deskFunction}})
        if (sqlite3_create_function_v2(file, name, 0, SQLITE_UTF8, nullptr, function, nullptr, nullptr, nullptr) !=
            SQLITE_OK)
            return databaseFailure(QString::fromUtf8(sqlite3_errmsg(file)));
    return Done{};
}

// The server connections named so far, so a sign-in reaches each of them.
QMutex& serverLock()
{
    static QMutex lock;
    return lock;
}
// Each server connection's name with the thread it serves: only that thread may touch it.
QHash<QString, QThread*>& serverConnections()
{
    static QHash<QString, QThread*> names;
    return names;
}

Status tellServer(const QSqlDatabase& db)
{
    const Actor::Who who = Actor::current();
    QString error;
    if (!Sql::exec(db, QStringLiteral("SELECT set_config('zem.actor', ?, false), set_config('zem.desk', ?, false)"),
                   {actorName(who), who.machine}, &error))
        return databaseFailure(error);
    return Done{};
}

void tellEveryServerConnection()
{
    QStringList names;
    {
        const QMutexLocker lock(&serverLock());
        for (auto it = serverConnections().cbegin(); it != serverConnections().cend(); ++it)
            if (it.value() == QThread::currentThread())
                names << it.key();
    }
    // A connection serves only the thread that opened it; the others are told when they next open one.
    for (const QString& name : names) {
        if (!QSqlDatabase::contains(name)) {
            const QMutexLocker lock(&serverLock());
            serverConnections().remove(name);
            continue;
        }
        const QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            (void)tellServer(db);
    }
}

} // namespace

Status attach(const QSqlDatabase& db)
{
    if (Dialect::of(db).kind() == Engine::SQLite)
        return attachFile(db);
    static const bool listening = [] {
        Actor::onChange(&tellEveryServerConnection);
        return true;
    }();
    Q_UNUSED(listening);
    {
        const QMutexLocker lock(&serverLock());
        serverConnections().insert(db.connectionName(), QThread::currentThread());
    }
    return tellServer(db);
}

} // namespace ActorSession
