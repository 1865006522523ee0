#pragma once

#include "core/ConfiguredDesk.h"
#include "requests/RequestSettings.h"

#include <QDateTime>
#include <functional>

/// What the requests desk works to: the mailbox and the pace it is read at, and whether this desk is the gateway.
struct RequestDeskConfig
{
    RequestSettings::Config settings;
    bool gateway = false;
};

/// The requests' work at the gateway desk, on its own thread: the mailbox read on a timer (or when woken), and
/// the holds that ran out released every minute, so availability frees their berths without anyone looking.
/// running() is the one the program runs, if any: the queue wakes it ("Read now").
class RequestDesk final : public ConfiguredDesk<RequestDeskConfig, RequestDesk>
{
    Q_OBJECT
public:
    using Config = RequestDeskConfig;
    /// This desk's settings as they are now.
    static Config configured();

    RequestDesk(QString databaseAddress, QString connectionName, Config config, std::function<QDateTime()> now);
    ~RequestDesk() override;

signals:
    /// An entry for the event log (code, description), sent to the thread that made this object.
    void logged(int code, const QString& description);
    /// Requests were added or holds released: the queue may be stale.
    void changed();

private:
    int pass(bool woken) override;

    std::function<QDateTime()> m_now;
    QDateTime m_lastRead;
    QString m_lastProblem;
};
