#include "core/Actor.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSysInfo>
#include <vector>

namespace Actor {
namespace {
// One desk is one process: the background threads (printing, mail) read who queued their work, so reads lock.
QMutex& guard()
{
    static QMutex mutex;
    return mutex;
}
Who& signedIn()
{
    static Who who;
    return who;
}
// Read once a run: the database's history functions ask who acts for every row written, thousands in an import.
QString systemUser()
{
    static const QString user =
        qEnvironmentVariableIsEmpty("USER") ? qEnvironmentVariable("USERNAME") : qEnvironmentVariable("USER");
    return user;
}
QString machineName()
{
    static const QString machine = QSysInfo::machineHostName();
    return machine;
}
std::vector<std::function<void()>>& listeners()
{
    static std::vector<std::function<void()>> all;
    return all;
}
void changed()
{
    for (const auto& listener : listeners())
        listener();
}
} // namespace

Who current()
{
    QMutexLocker lock(&guard());
    Who who = signedIn();
    if (who.userId == 0)
        who.user = systemUser();
    who.machine = machineName();
    return who;
}

void signIn(int userId, const QString& user, const QString& role)
{
    {
        QMutexLocker lock(&guard());
        signedIn() = Who{userId, user, role, {}};
    }
    changed();
}

void signOut()
{
    {
        QMutexLocker lock(&guard());
        signedIn() = Who{};
    }
    changed();
}

QString label()
{
    const Who who = current();
    return who.user.isEmpty() ? who.machine : who.user + u'@' + who.machine;
}

void onChange(std::function<void()> listener)
{
    listeners().push_back(std::move(listener));
}

} // namespace Actor
