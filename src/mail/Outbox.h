#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

/// The Outbox table: every message the office sends, queued by a window and sent by a desk's background sender.
namespace Outbox {

enum class State
{
    Queued,
    Sent,
    Failed
};

/// The kinds of message, as the Kind column and the templates name them.
namespace Kinds {
inline const QString Confirmation = QStringLiteral("confirmation");
inline const QString Invoice = QStringLiteral("invoice");
inline const QString DepositReminder = QStringLiteral("deposit reminder");
inline const QString BalanceReminder = QStringLiteral("balance reminder");
inline const QString WaitingOffer = QStringLiteral("waiting offer");
inline const QString RenewalLetter = QStringLiteral("renewal letter");
inline const QString RequestDeclined = QStringLiteral("request declined");
} // namespace Kinds

struct Item
{
    qint64 id = 0;
    int bookingId = 0;  // 0: about no booking
    int customerId = 0; // 0: about no customer
    QString kind;
    QString regarding; // what a reminder is about ("deposit 2026-12-01"); empty for the rest
    QString toName;
    QString toAddress;
    QString subject;
    QString body;
    QString attachmentName; // empty: none
    QByteArray attachment;  // read only by the sender (lists leave it out)
    State state = State::Queued;
    int attempts = 0;
    QString lastAnswer;
    QString queuedBy;
    QDateTime queuedAt;
    QDateTime nextTryAt;
    QString sentBy;
    QDateTime sentAt;
};

/// "Queued", "Sent", "Failed" as the lists show them.
QString stateText(State state);

/// How many times a message the server was reached for is tried before it is left failed; a server that cannot be
/// reached at all keeps its messages queued however long it takes.
inline constexpr int MaxAttempts = 5;
/// How long a desk may take to send what it claimed before another desk may take it.
inline constexpr int ClaimMinutes = 10;
/// The wait before the next try after `attempts` failed ones: 1, 2, 4 ... minutes, at most an hour.
int backOffMinutes(int attempts);

/// Adds the messages in one transaction, by `desk`, to be sent from now, and gives the new rows' IDs; Refused
/// (nothing added) when one of them has no address or a header value with a line break. A reminder (`regarding`
/// set) already queued or sent for its booking is left out, so a batch queued twice, or by two desks at once, adds
/// each reminder once. A message about a customer rather than a booking (an offer, a renewal letter) sets only
/// customerId, kind, the addressee, subject and body, and a PDF in attachmentName and attachment.
Result<QList<qint64>> queue(const QSqlDatabase& db, const QList<Item>& items, const QDateTime& now,
                            const QString& desk);

/// Takes the oldest message due by now for `desk` inside one transaction (the row locked and skipped by other
/// desks on a server, the file's write lock on a file), with its attachment; nothing when none is due.
Result<std::optional<Item>> claim(const QSqlDatabase& db, const QDateTime& now, const QString& desk);

/// Up to limit messages due by now, oldest first, taken for `desk` in one transaction as claim takes one; a desk
/// sends them one after the other and records what became of them together (record).
Result<QList<Item>> claimSome(const QSqlDatabase& db, const QDateTime& now, const QString& desk, int limit);

/// What one try did to a claimed message.
struct Outcome
{
    qint64 id = 0;
    int attempts = 0; // the message's attempts before this one, as claimed
    bool sent = false;
    bool permanent = false; // the server refused it for good
    bool reached = false;   // the server answered
    QString answer;
};
/// The outcomes of a batch in one transaction, as markSent and markUnsent record each; the claimed messages not
/// tried (released) are given back untouched, to be taken again at once.
Status record(const QSqlDatabase& db, const QList<Outcome>& outcomes, const QList<qint64>& released,
              const QDateTime& now, const QString& desk);

/// What a send did to a claimed message: sent by desk, or tried again after the back-off, or left failed
/// (permanent: the server refused it; or MaxAttempts reached while the server answered).
Status markSent(const QSqlDatabase& db, qint64 id, const QString& answer, const QDateTime& now, const QString& desk);
Status markUnsent(const QSqlDatabase& db, qint64 id, const QString& answer, bool permanent, bool reached,
                  const QDateTime& now);

/// The messages about a booking, newest first, without their attachments.
Result<QList<Item>> ofBooking(const QSqlDatabase& db, int bookingId);
/// One message without its attachment; a Conflict when it is gone.
Result<Item> read(const QSqlDatabase& db, qint64 id);

/// A message not yet sent, queued again to go now, its attempts counted from nought; with new address, subject and
/// body when edited. Refused for a sent message (a Conflict when another desk sent it meanwhile) or bad input.
Status retry(const QSqlDatabase& db, qint64 id, const QDateTime& now);
Status edit(const QSqlDatabase& db, qint64 id, const QString& toAddress, const QString& subject, const QString& body,
            const QDateTime& now);

/// The (booking, kind, regarding) triples already queued or sent, for reminders not to be proposed twice.
Result<QSet<QString>> remindedKeys(const QSqlDatabase& db);
QString reminderKey(int bookingId, const QString& kind, const QString& regarding);

} // namespace Outbox
