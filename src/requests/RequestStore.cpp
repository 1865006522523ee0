#include "requests/RequestStore.h"

#include "bookings/BerthBlocks.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace RequestStore {
namespace {
QVariant cm(const std::optional<int>& value)
{
    return value ? QVariant(*value) : Sql::nullInt();
}

// Text columns are NOT NULL: a null string (a field the message did not give) binds as empty text.
QVariant textOf(const QString& value)
{
    return value.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(value);
}

std::optional<int> readCm(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional<int>(value.toInt());
}

const QString Columns = QStringLiteral(
    "R.ID, R.MessageID, R.Received, R.Name, R.Email, R.Phone, R.Arrive, R.Depart, R.BoatLength, R.BoatBeam, "
    "R.BoatDraft, R.BerthType, R.Language, R.Comments, R.CheckReason, R.Body, R.State, R.BookingID, R.DecidedBy, "
    "R.DecidedAt, H.ID, H.BerthID, BE.Name, H.HoldUntil FROM BookingRequest R LEFT JOIN BerthBlock H ON "
    "H.RequestID = R.ID LEFT JOIN Berth BE ON BE.ID = H.BerthID");

Row rowOf(const QSqlQuery& q)
{
    Row row;
    row.id = q.value(0).toInt();
    RequestMessage::Request& r = row.request;
    r.messageId = q.value(1).toString();
    r.received = DateTimes::readDateTime(q.value(2));
    r.name = q.value(3).toString();
    r.email = q.value(4).toString();
    r.phone = q.value(5).toString();
    r.arrive = Sql::readDay(q.value(6));
    r.depart = Sql::readDay(q.value(7));
    r.lengthCm = readCm(q.value(8));
    r.beamCm = readCm(q.value(9));
    r.draftCm = readCm(q.value(10));
    r.berthType = q.value(11).toString();
    r.language = q.value(12).toString();
    r.comments = q.value(13).toString();
    r.checkReason = q.value(14).toString();
    r.body = q.value(15).toString();
    const int state = q.value(16).toInt();
    row.state = state >= 0 && state <= 3 ? static_cast<State>(state) : State::New;
    row.bookingId = q.value(17).toInt();
    row.decidedBy = q.value(18).toString();
    row.decidedAt = DateTimes::readDateTime(q.value(19));
    row.holdBlockId = q.value(20).toInt();
    row.holdBerthId = q.value(21).toInt();
    row.holdBerth = q.value(22).toString();
    row.holdUntil = DateTimes::readDateTime(q.value(23));
    return row;
}

Result<QList<Row>> rows(const QSqlDatabase& db, const QString& where, const QVariantList& binds)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ") + Columns + where, binds, &error))
        return databaseFailure(error);
    QList<Row> found;
    while (q.next())
        found << rowOf(q);
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return found;
}

// Why a request cannot be taken by who: someone else has it, or it is booked or declined.
Status takenElsewhere(const Row& row, const QString& who)
{
    if (row.state == State::Declined)
        return conflict(QCoreApplication::translate("RequestStore", "%1 declined this request at %2.")
                            .arg(row.decidedBy, DateTimes::dateTimeText(row.decidedAt)));
    if (row.state == State::Accepted && row.bookingId != 0)
        return conflict(QCoreApplication::translate("RequestStore", "This request was booked by %1 at %2 (booking %3).")
                            .arg(row.decidedBy, DateTimes::dateTimeText(row.decidedAt))
                            .arg(row.bookingId));
    if (row.state == State::Accepted && row.decidedBy != who)
        return conflict(QCoreApplication::translate("RequestStore", "%1 accepted this request at %2 and is booking it.")
                            .arg(row.decidedBy, DateTimes::dateTimeText(row.decidedAt)));
    return Done{};
}

// Takes the request for who inside the caller's transaction: one conditional change, so of two desks one wins.
Status claim(const QSqlDatabase& db, int id, const QString& who, const QDateTime& now)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("UPDATE BookingRequest SET State = 1, DecidedBy = ?, DecidedAt = ? WHERE ID = ? AND "
                                  "BookingID IS NULL AND (State IN (0, 3) OR (State = 1 AND DecidedBy = ?))"),
                   {who, DateTimes::dbDateTime(now), id, who}, &error))
        return databaseFailure(error);
    if (q.numRowsAffected() == 1)
        return Done{};
    const auto now_ = read(db, id);
    if (!now_)
        return now_.failure();
    if (Status other = takenElsewhere(*now_, who); !other)
        return other;
    return conflict(QCoreApplication::translate("RequestStore", "The request changed meanwhile: look at it again."));
}

Status liftIn(const QSqlDatabase& db, int id)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID FROM BerthBlock WHERE RequestID = ?"), {id}, &error))
        return databaseFailure(error);
    QList<int> blocks;
    while (q.next())
        blocks << q.value(0).toInt();
    // Deleted row by row so the period index's triggers free the berth as for any block.
    for (int block : std::as_const(blocks))
        if (!Sql::exec(db, QStringLiteral("DELETE FROM BerthBlock WHERE ID = ?"), {block}, &error))
            return databaseFailure(error);
    return Done{};
}

// Runs steps in one transaction: committed when they all did their part, and nothing changed when one failed.
template <typename Steps> auto inOneTransaction(const QSqlDatabase& db, const Steps& steps) -> decltype(steps())
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    auto done = steps();
    QString error;
    if (done && !tx.commit(&error))
        return databaseFailure(error);
    return done;
}

// Settles a request for who: taken as by take, its hold lifted and the change that settles it made, all at once.
Status settle(const QSqlDatabase& db, int id, const QString& who, const QDateTime& now, const QString& change,
              const QVariantList& binds)
{
    return inOneTransaction(db, [&]() -> Status {
        if (Status taken = claim(db, id, who, now); !taken)
            return taken;
        if (Status lifted = liftIn(db, id); !lifted)
            return lifted;
        QString error;
        if (!Sql::exec(db, change, binds, &error))
            return databaseFailure(error);
        return Done{};
    });
}
} // namespace

QString stateText(const Row& row)
{
    switch (row.state) {
    case State::New:
        return row.request.checkReason.isEmpty() ? QCoreApplication::translate("RequestStore", "New")
                                                 : QCoreApplication::translate("RequestStore", "To check");
    case State::Accepted:
        return row.bookingId ? QCoreApplication::translate("RequestStore", "Booked")
                             : (row.holdBlockId ? QCoreApplication::translate("RequestStore", "Held")
                                                : QCoreApplication::translate("RequestStore", "Accepted"));
    case State::Declined:
        return QCoreApplication::translate("RequestStore", "Declined");
    case State::Expired:
        return QCoreApplication::translate("RequestStore", "Expired");
    }
    return {};
}

Result<Added> add(const QSqlDatabase& db, const RequestMessage::Request& r)
{
    return inOneTransaction(db, [&]() -> Result<Added> {
        QString error;
        QSqlQuery known(db);
        if (!Sql::exec(known, QStringLiteral("SELECT ID FROM BookingRequest WHERE MessageID = ?"), {r.messageId},
                       &error))
            return databaseFailure(error);
        if (known.next())
            return Added{known.value(0).toInt(), true};
        const auto id = Sql::insertReturningId(
            db,
            QStringLiteral("INSERT INTO BookingRequest (MessageID, Received, Name, Email, Phone, Arrive, Depart, "
                           "BoatLength, BoatBeam, BoatDraft, BerthType, Language, Comments, CheckReason, Body, "
                           "State) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)"),
            {r.messageId, DateTimes::dbDateTime(r.received), textOf(r.name), textOf(r.email), textOf(r.phone),
             Sql::dayValue(r.arrive), Sql::dayValue(r.depart), cm(r.lengthCm), cm(r.beamCm), cm(r.draftCm),
             textOf(r.berthType), textOf(r.language), textOf(r.comments), textOf(r.checkReason), textOf(r.body)},
            &error);
        if (!id)
            return databaseFailure(error);
        return Added{int(*id), false};
    });
}

Result<QList<Row>> list(const QSqlDatabase& db, bool openOnly)
{
    return rows(db,
                openOnly ? QStringLiteral(" WHERE R.State IN (0, 3) OR (R.State = 1 AND R.BookingID IS NULL) ORDER BY "
                                          "R.Received DESC, R.ID DESC")
                         : QStringLiteral(" ORDER BY R.Received DESC, R.ID DESC"),
                {});
}

Result<Row> read(const QSqlDatabase& db, int id)
{
    const auto found = rows(db, QStringLiteral(" WHERE R.ID = ?"), {id});
    if (!found)
        return found.failure();
    if (found->isEmpty())
        return conflict(QCoreApplication::translate("RequestStore", "The request is no longer there."));
    return found->first();
}

Result<Waiting> waiting(const QSqlDatabase& db, const QDateTime& now)
{
    QSqlQuery q(db);
    QString error;
    const QDateTime tomorrow = DateTimes::wallTime(now.date().addDays(1), QTime(0, 0));
    if (!Sql::exec(q,
                   QStringLiteral("SELECT (SELECT COUNT(*) FROM BookingRequest WHERE State IN (0, 3)), (SELECT "
                                  "COUNT(*) FROM BerthBlock H JOIN BookingRequest R ON R.ID = H.RequestID WHERE "
                                  "R.BookingID IS NULL AND H.HoldUntil < ?)"),
                   {DateTimes::dbDateTime(tomorrow)}, &error))
        return databaseFailure(error);
    if (!q.next())
        return databaseFailure(q.lastError().text());
    return Waiting{q.value(0).toInt(), q.value(1).toInt()};
}

Status take(const QSqlDatabase& db, int id, const QString& who, const QDateTime& now)
{
    return inOneTransaction(db, [&] { return claim(db, id, who, now); });
}

Status booked(const QSqlDatabase& db, int id, int bookingId, const QString& who, const QDateTime& now)
{
    return settle(db, id, who, now, QStringLiteral("UPDATE BookingRequest SET BookingID = ? WHERE ID = ?"),
                  {bookingId, id});
}

Status decline(const QSqlDatabase& db, int id, const QString& who, const QDateTime& now)
{
    return settle(db, id, who, now, QStringLiteral("UPDATE BookingRequest SET State = 2 WHERE ID = ?"), {id});
}

Result<int> hold(const QSqlDatabase& db, int id, int berthId, const QDateTime& until, const QString& who,
                 const QDateTime& now)
{
    return inOneTransaction(db, [&]() -> Result<int> {
        const auto row = read(db, id);
        if (!row)
            return row.failure();
        const RequestMessage::Request& r = row->request;
        if (!r.arrive.isValid() || !r.depart.isValid() || r.depart <= r.arrive)
            return refused(QCoreApplication::translate(
                "RequestStore", "The request has no dates to hold a berth for: book it through the wizard instead."));
        if (row->holdBlockId)
            return refused(
                QCoreApplication::translate("RequestStore", "The request holds %1 already.").arg(row->holdBerth));
        if (until <= now)
            return refused(QCoreApplication::translate("RequestStore", "A hold must end after now."));
        if (Status taken = claim(db, id, who, now); !taken)
            return taken.failure();
        BerthBlocks::Block block;
        block.berthId = berthId;
        block.from = arrival(r);
        block.to = departure(r);
        block.reason = QCoreApplication::translate("RequestStore", "Held for %1 until %2")
                           .arg(r.name.left(60), DateTimes::dateTimeText(until));
        const auto saved = BerthBlocks::save(db, block, {});
        if (!saved)
            return saved.failure();
        QString error;
        if (!Sql::exec(db, QStringLiteral("UPDATE BerthBlock SET RequestID = ?, HoldUntil = ? WHERE ID = ?"),
                       {id, DateTimes::dbDateTime(until), *saved}, &error))
            return databaseFailure(error);
        return *saved;
    });
}

Status lift(const QSqlDatabase& db, int id)
{
    return inOneTransaction(db, [&] { return liftIn(db, id); });
}

Result<QList<Row>> expireHolds(const QSqlDatabase& db, const QDateTime& now)
{
    return inOneTransaction(db, [&]() -> Result<QList<Row>> {
        const auto due =
            rows(db, QStringLiteral(" WHERE H.HoldUntil <= ? AND R.BookingID IS NULL"), {DateTimes::dbDateTime(now)});
        if (!due)
            return due.failure();
        QString error;
        for (const Row& row : *due) {
            if (Status lifted = liftIn(db, row.id); !lifted)
                return lifted.failure();
            if (!Sql::exec(db, QStringLiteral("UPDATE BookingRequest SET State = 3 WHERE ID = ? AND State IN (0, 1)"),
                           {row.id}, &error))
                return databaseFailure(error);
        }
        return due;
    });
}

Result<int> customerByEmail(const QSqlDatabase& db, const QString& address)
{
    if (address.trimmed().isEmpty())
        return 0;
    QString error;
    const auto id =
        Sql::scalar(db, QStringLiteral("SELECT MIN(ID) FROM Customer WHERE lower(trim(EmailAddress)) = lower(?)"),
                    {address.trimmed()}, &error);
    if (!id)
        return databaseFailure(error);
    return id->toInt();
}

QDateTime arrival(const RequestMessage::Request& request)
{
    return DateTimes::wallTime(request.arrive, QTime(12, 0));
}

QDateTime departure(const RequestMessage::Request& request)
{
    return DateTimes::wallTime(request.depart, QTime(12, 0));
}

QString describe(const RequestMessage::Request& request)
{
    QString line = QCoreApplication::translate("RequestStore", "Request from %1 (%2)").arg(request.name, request.email);
    if (request.arrive.isValid() && request.depart.isValid())
        line +=
            QStringLiteral(", ") + QCoreApplication::translate("RequestStore", "%1 to %2")
                                       .arg(DateTimes::dateText(request.arrive), DateTimes::dateText(request.depart));
    if (!request.checkReason.isEmpty())
        line += QStringLiteral(": ") + request.checkReason;
    return line;
}

} // namespace RequestStore
