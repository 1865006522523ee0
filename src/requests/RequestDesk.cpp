#include "requests/RequestDesk.h"

#include "core/Database.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/ServerLogin.h"
#include "requests/RequestReader.h"

namespace {
std::atomic<RequestDesk*> runningDesk{nullptr};
constexpr int PaceMs = 60 * 1000; // holds are looked at every minute; the mailbox at its own pace
} // namespace

RequestDesk::Config RequestDesk::configured()
{
    return {RequestSettings::load(), Registry::getRegistryValue(Settings::CalendarGateway) == QLatin1String("1")};
}

RequestDesk::RequestDesk(QString databaseAddress, QString connectionName, Config config, std::function<QDateTime()> now)
    : DeskWorker(std::move(databaseAddress), std::move(connectionName), QStringLiteral("Requests")),
      m_now(std::move(now)), m_config(std::move(config))
{
}

RequestDesk::~RequestDesk()
{
    stop();
    if (running() == this)
        setRunning(nullptr);
}

void RequestDesk::reconfigure(const Config& config)
{
    {
        std::lock_guard lock(m_configLock);
        m_config = config;
    }
    wake();
}

RequestDesk* RequestDesk::running()
{
    return runningDesk.load();
}

void RequestDesk::setRunning(RequestDesk* desk)
{
    runningDesk = desk;
}

int RequestDesk::pass(bool woken)
{
    Config config;
    {
        std::lock_guard lock(m_configLock);
        config = m_config;
    }
    if (!config.gateway)
        return PaceMs;
    QSqlDatabase db = QSqlDatabase::database(connectionName(), false);
    // On a server the desk works as whoever signed in here, so the server grants it what it grants them.
    if (db.isOpen() && m_login != ServerLogin::generation()) {
        db = QSqlDatabase();
        Database::close(connectionName());
    }
    if (!db.isOpen()) {
        m_login = ServerLogin::generation();
        auto opened = Database::open(databaseAddress(), connectionName());
        if (!opened) {
            if (opened.error() != m_lastProblem)
                MessageLog::logError(QStringLiteral("Requests: ") + opened.error());
            m_lastProblem = opened.error();
            return PaceMs;
        }
        db = *opened;
    }
    const QDateTime now = m_now();
    QString problem;
    bool changedAny = false;
    if (const auto expired = RequestStore::expireHolds(db, now); !expired) {
        problem = expired.error();
    } else {
        for (const RequestStore::Row& row : *expired)
            emit logged(EventLog::RequestHoldExpired,
                        RequestStore::describe(row.request) + QStringLiteral(": ") + row.holdBerth);
        changedAny = !expired->isEmpty();
    }
    if (RequestSettings::isSetUp(config.settings) &&
        (woken || !m_lastRead.isValid() || m_lastRead.secsTo(now) >= qint64(config.settings.readMinutes) * 60)) {
        m_lastRead = now;
        ImapMailbox mailbox(config.settings.account, &stopping());
        const RequestReader::Report report = RequestReader::read(db, mailbox, now, &stopping());
        for (const RequestMessage::Request& request : report.requests)
            emit logged(EventLog::RequestReceived, RequestStore::describe(request));
        changedAny = changedAny || report.added > 0;
        if (!report.error.isEmpty() && problem.isEmpty())
            problem = report.error;
    }
    // A problem goes to the message log once, not at every pass while it lasts.
    if (!problem.isEmpty() && problem != m_lastProblem)
        MessageLog::logError(QStringLiteral("Requests: ") + problem);
    m_lastProblem = problem;
    if (changedAny)
        emit changed();
    return PaceMs;
}
