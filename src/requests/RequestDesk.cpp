#include "requests/RequestDesk.h"

#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "requests/RequestReader.h"

namespace {
constexpr int PaceMs = 60 * 1000; // holds are looked at every minute; the mailbox at its own pace
} // namespace

RequestDesk::Config RequestDesk::configured()
{
    return {RequestSettings::load(), Registry::getRegistryValue(Settings::CalendarGateway) == QLatin1String("1")};
}

RequestDesk::RequestDesk(QString databaseAddress, QString connectionName, Config config, std::function<QDateTime()> now)
    : ConfiguredDesk(std::move(databaseAddress), std::move(connectionName), QStringLiteral("Requests"),
                     std::move(config)),
      m_now(std::move(now))
{
}

RequestDesk::~RequestDesk()
{
    stop();
}

int RequestDesk::pass(bool woken)
{
    const Config config = currentConfig();
    if (!config.gateway)
        return PaceMs;
    const auto opened = connection();
    if (!opened) {
        if (opened.error() != m_lastProblem)
            MessageLog::logError(QStringLiteral("Requests: ") + opened.error());
        m_lastProblem = opened.error();
        return PaceMs;
    }
    const QSqlDatabase db = *opened;
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
