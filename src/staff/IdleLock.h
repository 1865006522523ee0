#pragma once

#include <QObject>
#include <QPointer>

struct Services;
class QTimer;
class QWidget;

/// Locks the program after the idle time the settings name (Idle Lock Minutes; 0 never): any key, click or wheel
/// anywhere in the program starts the time again. Only where users exist and someone is signed in.
class IdleLock final : public QObject
{
    Q_OBJECT
public:
    IdleLock(Services& services, QWidget* window);
    ~IdleLock() override;
    Q_DISABLE_COPY_MOVE(IdleLock)

    /// The idle time in milliseconds now in force; 0 when the program never locks.
    static int idleMilliseconds();
    /// Locks at once (the timer, or a test).
    void lockNow();
    /// The idle time was changed in the settings: every running lock counts by it from now.
    static void idleTimeChanged();
    /// Whether the lock counts idle time now (a time is set).
    bool counting() const;
    bool locked() const { return m_locked; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restart();

    Services& m_services;
    QPointer<QWidget> m_window;
    QTimer* m_timer;
    bool m_locked = false;
};
