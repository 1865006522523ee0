#include "meters/MeterStore.h"

#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>

// The MeterCharge table's part of MeterStore: what a stay or a contract was billed between two readings.
namespace MeterStore {
namespace {

Result<QList<Charge>> readCharges(const QSqlDatabase& db, const QString& where, const QVariant& id)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT BookingID, ContractID, MeterID, FromReadingID, ToReadingID, FirstDay, "
                                  "EndDay, Units, Amount, Breakdown, Tax, Instalment FROM MeterCharge WHERE ") +
                       where + QStringLiteral(" = ? ORDER BY ID"),
                   {id}, &error))
        return databaseFailure(error);
    QList<Charge> found;
    while (q.next()) {
        Charge c;
        c.bookingId = q.value(0).toInt();
        if (!q.value(1).isNull())
            c.contractId = q.value(1).toInt();
        c.meterId = q.value(2).toLongLong();
        c.fromReadingId = q.value(3).toLongLong();
        c.toReadingId = q.value(4).toLongLong();
        c.firstDay = Sql::readDay(q.value(5));
        c.endDay = Sql::readDay(q.value(6));
        c.units = q.value(7).toLongLong();
        c.amount = Money::fromDb(q.value(8));
        c.breakdown = q.value(9).toString();
        c.tax = Money::fromDb(q.value(10));
        if (!q.value(11).isNull())
            c.instalment = q.value(11).toInt();
        found << c;
    }
    return found;
}

} // namespace

Status addCharge(const QSqlDatabase& db, const Charge& c, const QDateTime& now, const QString& desk)
{
    if (c.contractId) {
        // Read again inside the caller's transaction: the index would refuse it too, in a database's words.
        QSqlQuery q(db);
        QString error;
        if (!Sql::exec(q,
                       QStringLiteral("SELECT COUNT(*) FROM MeterCharge WHERE ContractID = ? AND MeterID = ? AND "
                                      "FromReadingID = ?"),
                       {*c.contractId, c.meterId, c.fromReadingId}, &error))
            return databaseFailure(error);
        if (q.next() && q.value(0).toInt() > 0)
            return refused(QCoreApplication::translate("MeterStore",
                                                       "Contract %1 has been billed for this meter's period already.")
                               .arg(*c.contractId));
    }
    QString error;
    if (!Sql::exec(
            db,
            QStringLiteral("INSERT INTO MeterCharge (BookingID, ContractID, MeterID, FromReadingID, ToReadingID, "
                           "FirstDay, EndDay, Units, Amount, Breakdown, PostedAt, Desk, Tax, Instalment) VALUES (?, ?, "
                           "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {c.bookingId, c.contractId ? QVariant(*c.contractId) : Sql::nullInt(), c.meterId, c.fromReadingId,
             c.toReadingId, Sql::dayValue(c.firstDay), Sql::dayValue(c.endDay), QVariant::fromValue<qlonglong>(c.units),
             c.amount.toDb(), c.breakdown, DateTimes::dbDateTime(now), desk, c.tax.toDb(),
             c.instalment ? QVariant(*c.instalment) : Sql::nullInt()},
            &error))
        return databaseFailure(error);
    return Done{};
}

Result<QList<Charge>> bookingCharges(const QSqlDatabase& db, int bookingId)
{
    return readCharges(db, QStringLiteral("BookingID"), bookingId);
}

Result<QList<Charge>> contractCharges(const QSqlDatabase& db, int contractId)
{
    return readCharges(db, QStringLiteral("ContractID"), contractId);
}

Result<std::optional<Meters::Reading>> lastBilled(const QSqlDatabase& db, int contractId, qint64 meterId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT R.ID, R.ReadAt FROM MeterCharge C JOIN MeterReading R ON R.ID = "
                                  "C.ToReadingID WHERE C.ContractID = ? AND C.MeterID = ? ORDER BY R.ReadAt DESC, "
                                  "R.ID DESC LIMIT 1"),
                   {contractId, meterId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return std::optional<Meters::Reading>();
    const qint64 id = q.value(0).toLongLong();
    const QDateTime at = DateTimes::readDateTime(q.value(1));
    const auto then = readings(db, meterId, at, at);
    if (!then)
        return then.failure();
    for (const Meters::Reading& r : *then)
        if (r.id == id)
            return std::optional<Meters::Reading>(r);
    return std::optional<Meters::Reading>();
}

} // namespace MeterStore
