#pragma once

#include "core/ConfiguredDesk.h"
#include "core/Result.h"
#include "mail/SmtpSender.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <atomic>
#include <functional>

/// What the sender sends with: the office's server and sender.
struct OutboxSenderConfig
{
    SmtpSender::Server server; // with its password
    QString senderName;
    QString senderAddress;
    QString desk; // who sends, as the outbox records it
};

/// Sends the outbox in the background: a thread of its own with its own database connection claims one due message
/// at a time, sends it and records what the server said. A desk that cannot reach the server leaves its messages
/// queued; they go at a later try. wake() looks for due messages at once (after a window queued one); stop() cuts a
/// send short; reconfigure() gives new server settings for the next message. running() is the sender the program
/// runs, if any: windows wake it after queuing.
class OutboxSender final : public ConfiguredDesk<OutboxSenderConfig, OutboxSender>
{
    Q_OBJECT
public:
    using Config = OutboxSenderConfig;

    /// The office's server, password and sender as set up now, sent by this desk (Actor::label).
    static Config configured();

    /// One pass over what is due on db now: claims and sends until nothing is due or stop is set. How many were
    /// tried; a Database failure when the outbox cannot be read or written.
    static Result<int> sendDue(const QSqlDatabase& db, const Config& config, const std::function<QDateTime()>& now,
                               const std::atomic_bool* stop = nullptr);

    /// A sender on the database at databaseAddress (Database::addressOf), under connectionName, looking for due
    /// messages every idleSeconds and whenever woken.
    OutboxSender(QString databaseAddress, QString connectionName, Config config, std::function<QDateTime()> now,
                 int idleSeconds = 60);
    ~OutboxSender() override;

signals:
    /// The outbox could not be read or written.
    void problem(const QString& text);

private:
    int pass(bool woken) override;

    std::function<QDateTime()> m_now;
    int m_idleSeconds;
};
