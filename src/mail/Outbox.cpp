#include "mail/Outbox.h"

#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "mail/MailMessage.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>

namespace Outbox {
namespace {

const char* stateName(State state)
{
    switch (state) {
    case State::Sent:
        return "sent";
    case State::Failed:
        return "failed";
    case State::Queued:
        break;
    }
    return "queued";
}

State stateOf(const QString& name)
{
    if (name == QLatin1String("sent"))
        return State::Sent;
    if (name == QLatin1String("failed"))
        return State::Failed;
    return State::Queued;
}

QVariant idOrNull(int id)
{
    return id > 0 ? QVariant(id) : Sql::nullInt();
}

const QString Columns = QStringLiteral(
    "ID, BookingID, CustomerID, Kind, Regarding, ToName, ToAddress, Subject, Body, AttachmentName, State, Attempts, "
    "LastAnswer, QueuedBy, QueuedAt, NextTryAt, SentBy, SentAt");

Item itemFrom(const QSqlQuery& q)
{
    Item item;
    item.id = q.value(0).toLongLong();
    item.bookingId = q.value(1).toInt();
    item.customerId = q.value(2).toInt();
    item.kind = q.value(3).toString();
    item.regarding = q.value(4).toString();
    item.toName = q.value(5).toString();
    item.toAddress = q.value(6).toString();
    item.subject = q.value(7).toString();
    item.body = q.value(8).toString();
    item.attachmentName = q.value(9).toString();
    item.state = stateOf(q.value(10).toString());
    item.attempts = q.value(11).toInt();
    item.lastAnswer = q.value(12).toString();
    item.queuedBy = q.value(13).toString();
    item.queuedAt = DateTimes::readDateTime(q.value(14));
    item.nextTryAt = DateTimes::readDateTime(q.value(15));
    item.sentBy = q.value(16).toString();
    item.sentAt = DateTimes::readDateTime(q.value(17));
    return item;
}

Status checkItem(const Item& item)
{
    if (Status ok = MailMessage::checkAddress(item.toAddress); !ok)
        return ok;
    for (const QString* value : {&item.toName, &item.subject, &item.attachmentName})
        if (value->contains(u'\n') || value->contains(u'\r'))
            return refused(QCoreApplication::translate(
                               "Outbox", "A name or subject holds a line break, which an e-mail header may not: %1")
                               .arg(value->simplified()));
    if (item.subject.trimmed().isEmpty())
        return refused(QCoreApplication::translate("Outbox", "The message has no subject."));
    return Done{};
}

} // namespace

QString stateText(State state)
{
    switch (state) {
    case State::Sent:
        return QCoreApplication::translate("Outbox", "Sent");
    case State::Failed:
        return QCoreApplication::translate("Outbox", "Failed");
    case State::Queued:
        break;
    }
    return QCoreApplication::translate("Outbox", "Queued");
}

int backOffMinutes(int attempts)
{
    return attempts <= 0 ? 0 : std::min(60, 1 << std::min(attempts - 1, 6));
}

namespace {
// Rows per INSERT: a morning's reminders go in a handful of statements rather than one round trip each.
constexpr int RowsPerInsert = 50;

// The reminders among items already queued or sent, read inside the queuing transaction for their bookings.
std::optional<QSet<QString>> remindedAmong(const QSqlDatabase& db, const QList<Item>& items, QString* error)
{
    QVariantList bookings;
    for (const Item& item : items)
        if (!item.regarding.isEmpty() && item.bookingId > 0)
            bookings << item.bookingId;
    QSet<QString> keys;
    for (qsizetype from = 0; from < bookings.size(); from += 500) {
        const QVariantList chunk = bookings.mid(from, 500);
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!Sql::exec(q,
                       QStringLiteral("SELECT BookingID, Kind, Regarding FROM Outbox WHERE Regarding IS NOT NULL AND "
                                      "State <> 'failed' AND BookingID IN (") +
                           QStringList(chunk.size(), QStringLiteral("?")).join(u',') + u')',
                       chunk, error))
            return std::nullopt;
        while (q.next())
            keys.insert(reminderKey(q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()));
    }
    return keys;
}

bool insertRows(const QSqlDatabase& db, const QList<Item>& rows, const QVariant& at, const QString& desk,
                QList<qint64>& ids, QString* error)
{
    QStringList values;
    QVariantList binds;
    for (const Item& item : rows) {
        values << QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'queued', 0, ?, ?, ?)");
        binds << idOrNull(item.bookingId) << idOrNull(item.customerId) << item.kind
              << (item.regarding.isEmpty() ? Sql::nullText() : QVariant(item.regarding)) << item.toName
              << item.toAddress.trimmed() << item.subject << item.body
              << (item.attachmentName.isEmpty() ? Sql::nullText() : QVariant(item.attachmentName))
              << (item.attachmentName.isEmpty() ? QVariant(QMetaType(QMetaType::QByteArray))
                                                : QVariant(item.attachment))
              << desk << at << at;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Sql::exec(q,
                   QStringLiteral("INSERT INTO Outbox (BookingID, CustomerID, Kind, Regarding, ToName, ToAddress, "
                                  "Subject, Body, AttachmentName, Attachment, State, Attempts, QueuedBy, QueuedAt, "
                                  "NextTryAt) VALUES ") +
                       values.join(QStringLiteral(", ")) + QStringLiteral(" RETURNING ID"),
                   binds, error))
        return false;
    QList<qint64> added;
    while (q.next())
        added << q.value(0).toLongLong();
    if (added.size() != rows.size()) {
        if (error)
            *error = QCoreApplication::translate("Outbox", "The database did not add every message.");
        return false;
    }
    // One statement numbers its rows in the order given.
    std::sort(added.begin(), added.end());
    ids << added;
    return true;
}
} // namespace

Result<QList<qint64>> queue(const QSqlDatabase& db, const QList<Item>& items, const QDateTime& now, const QString& desk)
{
    for (const Item& item : items)
        if (Status ok = checkItem(item); !ok)
            return ok.failure();
    QList<qint64> ids;
    QString error;
    // Reminders are taken one desk at a time, so two desks queuing the same morning add each once.
    const bool reminders =
        std::any_of(items.cbegin(), items.cend(), [](const Item& i) { return !i.regarding.isEmpty(); });
    const bool done = Sql::inTransaction(
        db, &error,
        [&] {
            const auto reminded = remindedAmong(db, items, &error);
            if (!reminded)
                return false;
            QList<Item> fresh;
            QSet<QString> taken = *reminded;
            for (const Item& item : items) {
                if (!item.regarding.isEmpty()) {
                    const QString key = reminderKey(item.bookingId, item.kind, item.regarding);
                    if (taken.contains(key))
                        continue;
                    taken.insert(key);
                }
                fresh << item;
            }
            const QVariant at = DateTimes::dbDateTime(now);
            for (qsizetype from = 0; from < fresh.size(); from += RowsPerInsert)
                if (!insertRows(db, fresh.mid(from, RowsPerInsert), at, desk, ids, &error))
                    return false;
            return true;
        },
        reminders);
    if (!done)
        return databaseFailure(error);
    return ids;
}

Result<QList<Item>> claimSome(const QSqlDatabase& db, const QDateTime& now, const QString& desk, int limit)
{
    const bool server = Dialect::of(db).kind() == Engine::PostgreSQL;
    QList<Item> claimed;
    QString error;
    const bool done = Sql::inTransaction(
        db, &error,
        [&] {
            QSqlQuery q(db);
            q.setForwardOnly(true);
            const QVariant at = DateTimes::dbDateTime(now);
            if (!Sql::exec(q,
                           QStringLiteral("SELECT ") + Columns +
                               QStringLiteral(", Attachment FROM Outbox WHERE State = 'queued' AND NextTryAt <= ? "
                                              "AND (ClaimedUntil IS NULL OR ClaimedUntil < ?) ORDER BY ID LIMIT ?") +
                               (server ? QStringLiteral(" FOR UPDATE SKIP LOCKED") : QString()),
                           {at, at, std::max(1, limit)}, &error))
                return false;
            QVariantList ids;
            while (q.next()) {
                Item item = itemFrom(q);
                item.attachment = q.value(18).toByteArray();
                ids << item.id;
                claimed << std::move(item);
            }
            if (ids.isEmpty())
                return true;
            return Sql::exec(db,
                             QStringLiteral("UPDATE Outbox SET ClaimedBy = ?, ClaimedUntil = ? WHERE ID IN (") +
                                 QStringList(ids.size(), QStringLiteral("?")).join(u',') + u')',
                             QVariantList{desk, DateTimes::dbDateTime(now.addSecs(ClaimMinutes * 60))} + ids, &error);
        },
        !server);
    if (!done)
        return databaseFailure(error);
    return claimed;
}

Result<std::optional<Item>> claim(const QSqlDatabase& db, const QDateTime& now, const QString& desk)
{
    auto claimed = claimSome(db, now, desk, 1);
    if (!claimed)
        return claimed.failure();
    if (claimed->isEmpty())
        return std::optional<Item>();
    return std::optional<Item>(claimed->takeFirst());
}

Status record(const QSqlDatabase& db, const QList<Outcome>& outcomes, const QList<qint64>& released,
              const QDateTime& now, const QString& desk)
{
    QString error;
    const QVariant at = DateTimes::dbDateTime(now);
    const bool done = Sql::inTransaction(db, &error, [&] {
        for (const Outcome& o : outcomes) {
            const int tried = o.attempts + 1;
            const bool failed = !o.sent && (o.permanent || (o.reached && tried >= MaxAttempts));
            const bool ok =
                o.sent ? Sql::exec(db,
                                   QStringLiteral("UPDATE Outbox SET State = 'sent', Attempts = ?, LastAnswer = ?, "
                                                  "SentBy = ?, SentAt = ?, ClaimedBy = NULL, ClaimedUntil = NULL "
                                                  "WHERE ID = ?"),
                                   {tried, o.answer, desk, at, o.id}, &error)
                       : Sql::exec(db,
                                   QStringLiteral("UPDATE Outbox SET State = ?, Attempts = ?, LastAnswer = ?, "
                                                  "NextTryAt = ?, ClaimedBy = NULL, ClaimedUntil = NULL WHERE ID = ?"),
                                   {QString::fromLatin1(stateName(failed ? State::Failed : State::Queued)), tried,
                                    o.answer, DateTimes::dbDateTime(now.addSecs(60LL * backOffMinutes(tried))), o.id},
                                   &error);
            if (!ok)
                return false;
        }
        for (qint64 id : released)
            if (!Sql::exec(db, QStringLiteral("UPDATE Outbox SET ClaimedBy = NULL, ClaimedUntil = NULL WHERE ID = ?"),
                           {id}, &error))
                return false;
        return true;
    });
    if (!done)
        return databaseFailure(error);
    return Done{};
}

Status markSent(const QSqlDatabase& db, qint64 id, const QString& answer, const QDateTime& now, const QString& desk)
{
    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE Outbox SET State = 'sent', Attempts = Attempts + 1, LastAnswer = ?, "
                                  "SentBy = ?, SentAt = ?, ClaimedBy = NULL, ClaimedUntil = NULL WHERE ID = ?"),
                   {answer, desk, DateTimes::dbDateTime(now), id}, &error))
        return databaseFailure(error);
    return Done{};
}

Status markUnsent(const QSqlDatabase& db, qint64 id, const QString& answer, bool permanent, bool reached,
                  const QDateTime& now)
{
    QString error;
    const auto attempts = Sql::scalar(db, QStringLiteral("SELECT Attempts FROM Outbox WHERE ID = ?"), {id}, &error);
    if (!attempts)
        return databaseFailure(error);
    const int tried = attempts->toInt() + 1;
    const bool failed = permanent || (reached && tried >= MaxAttempts);
    if (!Sql::exec(db,
                   QStringLiteral("UPDATE Outbox SET State = ?, Attempts = ?, LastAnswer = ?, NextTryAt = ?, "
                                  "ClaimedBy = NULL, ClaimedUntil = NULL WHERE ID = ?"),
                   {QString::fromLatin1(stateName(failed ? State::Failed : State::Queued)), tried, answer,
                    DateTimes::dbDateTime(now.addSecs(60LL * backOffMinutes(tried))), id},
                   &error))
        return databaseFailure(error);
    return Done{};
}

Result<QList<Item>> ofBooking(const QSqlDatabase& db, int bookingId)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ") + Columns +
                       QStringLiteral(" FROM Outbox WHERE BookingID = ? ORDER BY ID DESC"),
                   {bookingId}, &error))
        return databaseFailure(error);
    QList<Item> items;
    while (q.next())
        items << itemFrom(q);
    return items;
}

Result<Item> read(const QSqlDatabase& db, qint64 id)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ") + Columns + QStringLiteral(" FROM Outbox WHERE ID = ?"), {id}, &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate("Outbox", "The message is no longer in the outbox."));
    return itemFrom(q);
}

namespace {
// Puts a message not yet sent back in the queue, with its new texts when given, inside one transaction.
Status requeue(const QSqlDatabase& db, qint64 id, const QDateTime& now, const Item* edited)
{
    if (edited)
        if (Status ok = checkItem(*edited); !ok)
            return ok;
    std::optional<Failure> refusal;
    QString error;
    const bool done = Sql::inTransaction(
        db, &error,
        [&] {
            QSqlQuery q(db);
            const bool server = Dialect::of(db).kind() == Engine::PostgreSQL;
            if (!Sql::exec(q,
                           QStringLiteral("SELECT State, ClaimedUntil FROM Outbox WHERE ID = ?") +
                               (server ? QStringLiteral(" FOR UPDATE") : QString()),
                           {id}, &error))
                return false;
            if (!q.next()) {
                refusal = conflict(QCoreApplication::translate("Outbox", "The message is no longer in the outbox."));
                return false;
            }
            if (stateOf(q.value(0).toString()) == State::Sent) {
                refusal = conflict(QCoreApplication::translate("Outbox", "The message has been sent meanwhile."));
                return false;
            }
            const QDateTime claimedUntil = DateTimes::readDateTime(q.value(1));
            if (claimedUntil.isValid() && claimedUntil >= now) {
                refusal = refused(QCoreApplication::translate(
                    "Outbox", "The message is being sent right now; try again in a moment."));
                return false;
            }
            if (edited)
                return Sql::exec(
                    db,
                    QStringLiteral("UPDATE Outbox SET ToAddress = ?, Subject = ?, Body = ?, "
                                   "State = 'queued', Attempts = 0, NextTryAt = ? WHERE ID = ?"),
                    {edited->toAddress.trimmed(), edited->subject, edited->body, DateTimes::dbDateTime(now), id},
                    &error);
            return Sql::exec(db,
                             QStringLiteral("UPDATE Outbox SET State = 'queued', Attempts = 0, NextTryAt = ? "
                                            "WHERE ID = ?"),
                             {DateTimes::dbDateTime(now), id}, &error);
        },
        Dialect::of(db).kind() == Engine::SQLite);
    if (refusal)
        return *refusal;
    if (!done)
        return databaseFailure(error);
    return Done{};
}
} // namespace

Status retry(const QSqlDatabase& db, qint64 id, const QDateTime& now)
{
    return requeue(db, id, now, nullptr);
}

Status edit(const QSqlDatabase& db, qint64 id, const QString& toAddress, const QString& subject, const QString& body,
            const QDateTime& now)
{
    Item edited;
    edited.toAddress = toAddress;
    edited.subject = subject;
    edited.body = body;
    return requeue(db, id, now, &edited);
}

QString reminderKey(int bookingId, const QString& kind, const QString& regarding)
{
    return QString::number(bookingId) + u'|' + kind + u'|' + regarding;
}

Result<QSet<QString>> remindedKeys(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT BookingID, Kind, Regarding FROM Outbox WHERE Regarding IS NOT NULL AND "
                                  "State <> 'failed'"),
                   {}, &error))
        return databaseFailure(error);
    QSet<QString> keys;
    while (q.next())
        keys.insert(reminderKey(q.value(0).toInt(), q.value(1).toString(), q.value(2).toString()));
    return keys;
}

} // namespace Outbox
