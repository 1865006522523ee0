#pragma once

#include "calendars/FeedPublisher.h"
#include "calendars/FeedReader.h"
#include "core/DeskWorker.h"

#include <QDateTime>
#include <QString>
#include <atomic>
#include <functional>
#include <mutex>

/// The calendars' work at this desk, on a thread of its own with its own database connection, so no window waits on
/// it: the availability calendars brought up to date on a timer (where this desk publishes), and the feeds of other
/// sites read on a longer one (where this desk is the gateway). Offline, a pass fails quietly and the next catches up.
class CalendarDesk final : public DeskWorker
{
    Q_OBJECT
public:
    struct Config
    {
        QString publishFolder;   // empty: publish nothing
        bool gateway = false;    // read the feeds
        int readMinutes = 15;    // between reads of the feeds
        int publishSeconds = 60; // between looks at what changed
        FeedFetch::Limits limits;
    };
    /// This desk's settings as they are now.
    static Config configured();

    CalendarDesk(QString databaseAddress, QString connectionName, Config config, std::function<QDateTime()> now);
    ~CalendarDesk() override;
    Q_DISABLE_COPY_MOVE(CalendarDesk)

    // wake() publishes, and on the gateway reads the feeds, at once; stop() cuts a fetch short.
    void reconfigure(const Config& config);

    /// The one the program runs, if any: windows wake it after a change of settings or feeds.
    static CalendarDesk* running();
    static void setRunning(CalendarDesk* desk);

signals:
    /// An entry for the event log (code, description), sent to the thread that made this object.
    void logged(int code, const QString& description);
    /// The feeds were read: lists of conflicts may be stale.
    void feedsRead();

private:
    int pass(bool readNow) override;

    std::function<QDateTime()> m_now;
    std::mutex m_configLock;
    Config m_config;
    FeedPublisher m_publisher; // used on the thread only
    QDateTime m_lastRead;
    QString m_lastProblem;
};
