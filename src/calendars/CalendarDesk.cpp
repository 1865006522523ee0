#include "calendars/CalendarDesk.h"

#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Registry.h"

#include <QTimeZone>

CalendarDesk::Config CalendarDesk::configured()
{
    Config config;
    config.publishFolder = Registry::getRegistryValue(Settings::CalendarPublishFolder).trimmed();
    config.gateway = Registry::getRegistryValue(Settings::CalendarGateway) == QLatin1String("1");
    config.readMinutes = std::clamp(Registry::getRegistryNumber(Settings::CalendarReadMinutes), 1, 24 * 60);
    config.publishSeconds = std::clamp(Registry::getRegistryNumber(Settings::CalendarPublishSeconds), 5, 3600);
    return config;
}

CalendarDesk::CalendarDesk(QString databaseAddress, QString connectionName, Config config,
                           std::function<QDateTime()> now)
    : ConfiguredDesk(std::move(databaseAddress), std::move(connectionName), QStringLiteral("Calendars"),
                     std::move(config)),
      m_now(std::move(now))
{
}

CalendarDesk::~CalendarDesk()
{
    stop();
}

int CalendarDesk::pass(bool readNow)
{
    const Config config = currentConfig();
    QSqlDatabase db;
    if (!config.publishFolder.isEmpty() || config.gateway) {
        if (auto opened = connection())
            db = *opened;
        else
            MessageLog::logError(QStringLiteral("Calendars: ") + opened.error());
    }
    const QDateTime now = m_now();
    QString problem;
    if (db.isOpen() && config.gateway &&
        (readNow || !m_lastRead.isValid() || m_lastRead.secsTo(now) >= qint64(config.readMinutes) * 60)) {
        m_lastRead = now;
        const auto reports = FeedReader::readAll(db, now, config.limits, &stopping());
        if (!reports)
            problem = reports.error();
        else {
            for (const FeedReader::Report& r : *reports)
                if (const QString line = FeedReader::describe(r); !line.isEmpty())
                    emit logged(r.error.isEmpty() ? EventLog::CalendarFeedChanged : EventLog::CalendarFeedUnreadable,
                                line);
            emit feedsRead();
        }
    }
    if (db.isOpen() && !config.publishFolder.isEmpty() && !stopping()) {
        const auto published =
            m_publisher.publish(db, config.publishFolder, now.date(), QDateTime::currentDateTimeUtc());
        if (!published && problem.isEmpty())
            problem = published.error();
    }
    // A problem goes to the message log once, not at every pass while it lasts.
    if (!problem.isEmpty() && problem != m_lastProblem)
        MessageLog::logError(QStringLiteral("Calendars: ") + problem);
    m_lastProblem = problem;
    return config.publishSeconds * 1000;
}
