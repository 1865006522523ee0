#pragma once

#include "core/DeskWorker.h"
#include "requests/RequestSettings.h"

#include <QDateTime>
#include <functional>
#include <mutex>

/// The requests' work at the gateway desk, on its own thread: the mailbox read on a timer (or when woken), and
/// the holds that ran out released every minute, so availability frees their berths without anyone looking.
class RequestDesk final : public DeskWorker
{
    Q_OBJECT
public:
    struct Config
    {
        RequestSettings::Config settings;
        bool gateway = false;
    };
    /// This desk's settings as they are now.
    static Config configured();

    RequestDesk(QString databaseAddress, QString connectionName, Config config, std::function<QDateTime()> now);
    ~RequestDesk() override;
    Q_DISABLE_COPY_MOVE(RequestDesk)

    void reconfigure(const Config& config);

    /// The one the program runs, if any: the queue wakes it ("Read now").
    static RequestDesk* running();
    static void setRunning(RequestDesk* desk);

signals:
    /// An entry for the event log (code, description), sent to the thread that made this object.
    void logged(int code, const QString& description);
    /// Requests were added or holds released: the queue may be stale.
    void changed();

private:
    int pass(bool woken) override;

    std::function<QDateTime()> m_now;
    std::mutex m_configLock;
    Config m_config;
    QDateTime m_lastRead;
    QString m_lastProblem;
    int m_login = -1;
};
