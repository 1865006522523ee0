#include "calendars/CalendarDesk.h"

#include "core/Database.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Registry.h"

#include <QTimeZone>
#include <QTimer>

namespace {
std::atomic<CalendarDesk*> runningDesk{nullptr};
} // namespace

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
    : m_address(std::move(databaseAddress)), m_connectionName(std::move(connectionName)), m_now(std::move(now)),
      m_config(std::move(config))
{
    m_thread.setObjectName(QStringLiteral("Calendars"));
}

CalendarDesk::~CalendarDesk()
{
    stop();
    if (running() == this)
        setRunning(nullptr);
}

void CalendarDesk::start()
{
    if (m_thread.isRunning())
        return;
    m_stop = false;
    m_worker = new QObject;
    auto* timer = new QTimer(m_worker);
    timer->setSingleShot(true);
    timer->setObjectName(QStringLiteral("pace"));
    m_worker->moveToThread(&m_thread);
    connect(timer, &QTimer::timeout, m_worker, [this] { pass(false); });
    connect(&m_thread, &QThread::started, timer, [timer] { timer->start(0); });
    connect(
        &m_thread, &QThread::finished, m_worker, [this] { Database::close(m_connectionName); }, Qt::DirectConnection);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start(QThread::LowPriority);
}

void CalendarDesk::stop()
{
    if (!m_thread.isRunning())
        return;
    m_stop = true;
    m_thread.quit();
    m_thread.wait();
    m_worker = nullptr;
}

void CalendarDesk::wake()
{
    if (!m_worker)
        return;
    QMetaObject::invokeMethod(
        m_worker, [this] { pass(true); }, Qt::QueuedConnection);
}

void CalendarDesk::reconfigure(const Config& config)
{
    {
        std::lock_guard lock(m_configLock);
        m_config = config;
    }
    wake();
}

CalendarDesk* CalendarDesk::running()
{
    return runningDesk.load();
}

void CalendarDesk::setRunning(CalendarDesk* desk)
{
    runningDesk = desk;
}

void CalendarDesk::pass(bool readNow)
{
    if (m_stop)
        return;
    Config config;
    {
        std::lock_guard lock(m_configLock);
        config = m_config;
    }
    QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
    if ((!config.publishFolder.isEmpty() || config.gateway) && !db.isOpen()) {
        if (auto opened = Database::open(m_address, m_connectionName))
            db = *opened;
        else
            MessageLog::logError(QStringLiteral("Calendars: ") + opened.error());
    }
    const QDateTime now = m_now();
    QString problem;
    if (db.isOpen() && config.gateway &&
        (readNow || !m_lastRead.isValid() || m_lastRead.secsTo(now) >= qint64(config.readMinutes) * 60)) {
        m_lastRead = now;
        const auto reports = FeedReader::readAll(db, now, config.limits, &m_stop);
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
    if (db.isOpen() && !config.publishFolder.isEmpty() && !m_stop) {
        const auto published =
            m_publisher.publish(db, config.publishFolder, now.date(), QDateTime::currentDateTimeUtc());
        if (!published && problem.isEmpty())
            problem = published.error();
    }
    // A problem goes to the message log once, not at every pass while it lasts.
    if (!problem.isEmpty() && problem != m_lastProblem)
        MessageLog::logError(QStringLiteral("Calendars: ") + problem);
    m_lastProblem = problem;
    if (m_stop)
        return;
    if (auto* timer = m_worker ? m_worker->findChild<QTimer*>(QStringLiteral("pace")) : nullptr)
        timer->start(config.publishSeconds * 1000);
}
