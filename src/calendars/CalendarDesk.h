#pragma once

#include "calendars/FeedPublisher.h"
#include "calendars/FeedReader.h"
#include "core/ConfiguredDesk.h"

#include <QDateTime>
#include <QString>
#include <functional>

/// What the calendars desk works to: where it publishes, whether it reads the feeds, and how often.
struct CalendarDeskConfig
{
    QString publishFolder;   // empty: publish nothing
    bool gateway = false;    // read the feeds
    int readMinutes = 15;    // between reads of the feeds
    int publishSeconds = 60; // between looks at what changed
    FeedFetch::Limits limits;
};

/// The calendars' work at this desk, on a thread of its own with its own database connection, so no window waits on
/// it: the availability calendars brought up to date on a timer (where this desk publishes), and the feeds of other
/// sites read on a longer one (where this desk is the gateway). Offline, a pass fails quietly and the next catches up.
/// wake() publishes, and on the gateway reads the feeds, at once; stop() cuts a fetch short. running() is the one the
/// program runs, if any: windows wake it after a change of settings or feeds.
class CalendarDesk final : public ConfiguredDesk<CalendarDeskConfig, CalendarDesk>
{
    Q_OBJECT
public:
    using Config = CalendarDeskConfig;
    /// This desk's settings as they are now.
    static Config configured();

    CalendarDesk(QString databaseAddress, QString connectionName, Config config, std::function<QDateTime()> now);
    ~CalendarDesk() override;

signals:
    /// An entry for the event log (code, description), sent to the thread that made this object.
    void logged(int code, const QString& description);
    /// The feeds were read: lists of conflicts may be stale.
    void feedsRead();

private:
    int pass(bool readNow) override;

    std::function<QDateTime()> m_now;
    FeedPublisher m_publisher; // used on the thread only
    QDateTime m_lastRead;
    QString m_lastProblem;
};
