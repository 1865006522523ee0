#include "mail/OutboxSender.h"

#include "core/Actor.h"
#include "core/MessageLog.h"
#include "mail/MailMessage.h"
#include "mail/MailSettings.h"
#include "mail/Outbox.h"

#include <QCoreApplication>
#include <QElapsedTimer>

OutboxSender::Config OutboxSender::configured()
{
    const MailSettings::Account account = MailSettings::load();
    Config config;
    config.server = account.server;
    config.server.password = MailSettings::password();
    config.senderName = account.senderName;
    config.senderAddress = account.senderAddress;
    config.desk = Actor::label();
    return config;
}

namespace {
// Messages taken together: the file is written twice for each batch, not twice for each message, so a window's read
// meets the sender's commits a tenth as often.
constexpr int BatchSize = 10;
// A batch is cut short once it has been held this long, well inside the claim, so no other desk takes a message of
// it while this one is still sending.
constexpr qint64 BatchHeldMs = Outbox::ClaimMinutes * 60 * 1000 / 2;

SmtpSender::Outcome sendOne(const OutboxSender::Config& config, const Outbox::Item& item, const std::atomic_bool* stop)
{
    MailMessage::Message message;
    message.fromName = config.senderName;
    message.fromAddress = config.senderAddress;
    message.toName = item.toName;
    message.toAddress = item.toAddress;
    message.subject = item.subject;
    message.body = item.body;
    message.attachmentName = item.attachmentName;
    message.attachment = item.attachment;
    message.date = QDateTime::currentDateTimeUtc();
    const auto built = MailMessage::build(message);
    if (!built)
        return {false, true, false, built.error()};
    return SmtpSender::send(config.server, config.senderAddress, item.toAddress, *built, stop);
}
} // namespace

Result<int> OutboxSender::sendDue(const QSqlDatabase& db, const Config& config, const std::function<QDateTime()>& now,
                                  const std::atomic_bool* stop)
{
    int tried = 0;
    bool away = false; // the server is away: the rest would wait on it one by one
    while (!away && !(stop && stop->load())) {
        auto claimed = Outbox::claimSome(db, now(), config.desk, BatchSize);
        if (!claimed)
            return claimed.failure();
        if (claimed->isEmpty())
            break;
        QElapsedTimer held;
        held.start();
        QList<qint64> released;
        for (const Outbox::Item& item : std::as_const(*claimed)) {
            if (away || (stop && stop->load()) || held.elapsed() > BatchHeldMs) {
                released << item.id;
                continue;
            }
            const SmtpSender::Outcome outcome = sendOne(config, item, stop);
            if (stop && stop->load() && !outcome.sent) {
                released << item.id; // closing: the message goes back as it was, for the next start or another desk
                continue;
            }
            // Recorded at once, so a desk that stops mid-batch can send again at most the one message in hand.
            const Outbox::Outcome done{item.id,           item.attempts,   outcome.sent,
                                       outcome.permanent, outcome.reached, outcome.answer};
            if (Status recorded = Outbox::record(db, {done}, {}, now(), config.desk); !recorded)
                return recorded.failure();
            ++tried;
            away = !outcome.sent && !outcome.reached;
        }
        if (!released.isEmpty())
            if (Status recorded = Outbox::record(db, {}, released, now(), config.desk); !recorded)
                return recorded.failure();
    }
    return tried;
}

OutboxSender::OutboxSender(QString databaseAddress, QString connectionName, Config config,
                           std::function<QDateTime()> now, int idleSeconds)
    : ConfiguredDesk(std::move(databaseAddress), std::move(connectionName), QStringLiteral("Outbox sender"),
                     std::move(config)),
      m_now(std::move(now)), m_idleSeconds(idleSeconds)
{
}

OutboxSender::~OutboxSender()
{
    stop();
}

int OutboxSender::pass(bool)
{
    const Config config = currentConfig();
    if (!SmtpSender::checkServer(config.server).ok())
        return m_idleSeconds * 1000;
    const auto db = connection();
    const auto sent = db ? sendDue(*db, config, m_now, &stopping()) : Result<int>(db.failure());
    if (!sent) {
        emit problem(sent.error());
        MessageLog::logError(QStringLiteral("Outbox sender: ") + sent.error());
    }
    return m_idleSeconds * 1000;
}
