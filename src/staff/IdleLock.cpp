#include "staff/IdleLock.h"

#include "core/Actor.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "staff/LockDialog.h"
#include "staff/StaffStore.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace {
constexpr int MaxIdleMinutes = 24 * 60;
// The locks running now (one per main window), told when the idle time changes.
QList<IdleLock*>& runningLocks()
{
    static QList<IdleLock*> locks;
    return locks;
}
} // namespace

IdleLock::IdleLock(Services& services, QWidget* window)
    : QObject(window), m_services(services), m_window(window), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &IdleLock::lockNow);
    QCoreApplication::instance()->installEventFilter(this);
    runningLocks().append(this);
    restart();
}

IdleLock::~IdleLock()
{
    runningLocks().removeAll(this);
}

void IdleLock::idleTimeChanged()
{
    for (IdleLock* lock : std::as_const(runningLocks()))
        lock->restart();
}

bool IdleLock::counting() const
{
    return m_timer->isActive();
}

void IdleLock::restart()
{
    if (const int idle = idleMilliseconds(); idle > 0)
        m_timer->start(idle);
    else
        m_timer->stop();
}

int IdleLock::idleMilliseconds()
{
    bool ok = false;
    const int minutes = Registry::getRegistryValue(Settings::IdleLockMinutes).trimmed().toInt(&ok);
    const int chosen =
        ok && minutes >= 0 ? std::min(minutes, MaxIdleMinutes) : Settings::IdleLockMinutes.defaultValue.toInt();
    return chosen * 60 * 1000;
}

void IdleLock::lockNow()
{
    // Nothing to unlock with where the office signs nobody in.
    const auto users = StaffStore::count(m_services.db());
    if (m_locked || !m_window || Actor::current().userId == 0 || !users || *users == 0)
        return;
    m_locked = true;
    LockDialog::lock(m_services, m_window);
    m_locked = false;
    restart();
}

bool IdleLock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        if (!m_locked && m_timer->isActive())
            m_timer->start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
