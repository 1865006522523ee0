#include "core/ServerLogin.h"

#include "core/Database.h"
#include "core/Dialect.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QUuid>

namespace ServerLogin {
namespace {

struct State
{
    QMutex lock;
    std::optional<Credentials> current;
    // A connection's own login: nothing for one that keeps the address's role.
    QHash<QString, std::optional<Credentials>> byConnection;
    int generation = 0;
};
State& state()
{
    static State shared;
    return shared;
}

void setFor(const QString& connectionName, const std::optional<std::optional<Credentials>>& credentials)
{
    const QMutexLocker locked(&state().lock);
    if (credentials)
        state().byConnection.insert(connectionName, *credentials);
    else
        state().byConnection.remove(connectionName);
}

void setCurrent(const std::optional<Credentials>& credentials)
{
    const QMutexLocker locked(&state().lock);
    state().current = credentials;
    ++state().generation;
}

} // namespace

std::optional<Credentials> current()
{
    const QMutexLocker locked(&state().lock);
    return state().current;
}

std::optional<Credentials> forConnection(const QString& connectionName)
{
    const QMutexLocker locked(&state().lock);
    const auto own = state().byConnection.constFind(connectionName);
    return own != state().byConnection.cend() ? *own : state().current;
}

int generation()
{
    const QMutexLocker locked(&state().lock);
    return state().generation;
}

void useFor(const QString& connectionName, const Credentials& credentials)
{
    setFor(connectionName, std::optional(std::optional(credentials)));
}

void forget(const QString& connectionName)
{
    setFor(connectionName, std::nullopt);
}

void keepOfficeRole(const QString& connectionName, bool keep)
{
    setFor(connectionName, keep ? std::optional(std::optional<Credentials>()) : std::nullopt);
}

void forgetLogin()
{
    setCurrent(std::nullopt);
}

Status reconnect(const QString& connectionName, const Credentials& credentials)
{
    const QString address = Database::addressOf(connectionName);
    if (!Dialect::isServerAddress(address))
        return Done{};
    // The probe proves the login before the connection the windows use is touched.
    const QString probe = QStringLiteral("zem-login-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    useFor(probe, credentials);
    const auto tried = Database::open(address, probe);
    Database::close(probe);
    forget(probe);
    const auto refusedAs = [&](const QString& reason) {
        QString why = reason;
        switch (troubleOf(reason)) {
        case Trouble::LoginGone:
            why = QCoreApplication::translate("ServerLogin", "the login was removed or deactivated, or its password "
                                                             "changed, at another desk (%1)")
                      .arg(reason);
            break;
        case Trouble::Unreachable:
            why = QCoreApplication::translate("ServerLogin", "the server cannot be reached (%1)").arg(reason);
            break;
        case Trouble::None:
            break;
        }
        return refused(QCoreApplication::translate("ServerLogin", "The server did not let %1 in, so this desk stays "
                                                                  "connected as before: %2")
                           .arg(credentials.login, why));
    };
    if (!tried)
        return refusedAs(tried.error());
    const std::optional<Credentials> previous = current();
    setCurrent(credentials);
    const auto reopened = Database::open(address, connectionName);
    if (reopened)
        return Done{};
    setCurrent(previous);
    if (const auto back = Database::open(address, connectionName); !back)
        return databaseFailure(back.error());
    return refusedAs(reopened.error());
}

Trouble troubleOf(const QString& serverError)
{
    // A login dropped while its session lasts loses its groups (permission denied) and its own name (invalid role
    // OID); a new connection is refused at authentication, which on purpose tells nobody a dropped login from a
    // wrong password. The login's words are looked for first: libpq puts "connection to server ... failed" before
    // the server's own.
    static const char* const Gone[] = {"password authentication failed", "is not permitted to log in",
                                       "invalid role OID", "permission denied"};
    static const char* const Lost[] = {"could not connect",
                                       "Connection refused",
                                       "No such file or directory",
                                       "Is the server running",
                                       "server closed the connection",
                                       "no connection to the server",
                                       "could not translate host name",
                                       "timeout expired",
                                       "Network is unreachable",
                                       "could not send data",
                                       "could not receive data",
                                       "terminating connection"};
    for (const char* words : Gone)
        if (serverError.contains(QLatin1String(words), Qt::CaseInsensitive))
            return Trouble::LoginGone;
    if (serverError.contains(QLatin1String("role \"")) && serverError.contains(QLatin1String("does not exist")))
        return Trouble::LoginGone;
    for (const char* words : Lost)
        if (serverError.contains(QLatin1String(words), Qt::CaseInsensitive))
            return Trouble::Unreachable;
    return Trouble::None;
}

QString explained(const QSqlError& error)
{
    const QString code = error.nativeErrorCode();
    QString words;
    if (code == QLatin1String("42501"))
        words = QCoreApplication::translate(
            "ServerLogin", "The server did not let your user do this: your role may not (a manager may approve it at "
                           "this desk), or an administrator has changed or removed your user at another desk. Nothing "
                           "was changed.");
    // A refused connection comes from libpq without a code: its words tell.
    else if (code == QLatin1String("28000") || code == QLatin1String("28P01") ||
             (error.type() == QSqlError::ConnectionError && troubleOf(error.text()) == Trouble::LoginGone))
        words = QCoreApplication::translate(
            "ServerLogin", "The server no longer lets your user in: an administrator has removed or deactivated it, "
                           "or given it a new password, at another desk. Please sign in again (File, Switch User).");
    if (words.isEmpty())
        return error.text();
    return words + QStringLiteral("\n\n") +
           QCoreApplication::translate("ServerLogin", "The server said: %1").arg(error.text().trimmed());
}

} // namespace ServerLogin
