#include "bookings/HolderCredits.h"

#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace HolderCredits {

namespace {
const QString Company = QStringLiteral("(SELECT MIN(CompanyID) FROM Company)");

QDate dayOf(const QVariant& value)
{
    return DateTimes::readDateTime(value).date();
}

// The booking's nights between two days that fall between first and back.
int nightsWithin(const QDate& from, const QDate& to, const QDate& first, const QDate& back)
{
    return std::max<qint64>(0, std::max(from, first).daysTo(std::min(to, back)));
}
} // namespace

Result<int> share(const QSqlDatabase& db)
{
    QString error;
    QSqlQuery q(db);
    if (!Sql::exec(q, QStringLiteral("SELECT AwayShare FROM Company WHERE CompanyID = ") + Company, {}, &error))
        return databaseFailure(error);
    if (!q.next() || q.value(0).isNull())
        return DefaultShare;
    return std::clamp(q.value(0).toInt(), 0, MostShare);
}

Status setShare(const QSqlDatabase& db, int percent)
{
    if (percent < 0 || percent > MostShare)
        return refused(QCoreApplication::translate("HolderCredits", "The holder's share is a percentage from 0 to %1.")
                           .arg(MostShare));
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("UPDATE Company SET AwayShare = ? WHERE CompanyID = ") + Company, {percent},
                   &error))
        return databaseFailure(error);
    if (q.numRowsAffected() != 1)
        return refused(QCoreApplication::translate("HolderCredits",
                                                   "Enter the company's details before setting the holder's share."));
    return Done{};
}

Money earned(Money hire, int awayNights, int nights, int percent, Money paid, Money total)
{
    if (nights <= 0 || awayNights <= 0 || percent <= 0 || total <= Money() || paid <= Money())
        return Money();
    const Money whole = hire.ratioToPenny(qint64(std::min(awayNights, nights)) * percent, qint64(nights) * 100);
    if (paid >= total)
        return whole;
    return whole.ratioToPenny(paid.roundedPence(), total.roundedPence());
}

Status follow(const QSqlDatabase& db, int bookingId, qint64 paymentId, const QDateTime& when, const QString& desk)
{
    QString error;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Sql::exec(q,
                   QStringLiteral("SELECT FromDate, ToDate, CostOfHire, TotalPayable, AmountPayed, "
                                  "(SELECT COUNT(*) FROM BookingBerth WHERE BookingID = B.ID) FROM Booking B "
                                  "WHERE ID = ?"),
                   {bookingId}, &error))
        return databaseFailure(error);
    if (!q.next())
        return Done{};
    const QDate from = dayOf(q.value(0));
    const QDate to = dayOf(q.value(1));
    const Money hire = Money::fromDb(q.value(2));
    const Money total = Money::fromDb(q.value(3));
    const Money paid = Money::fromDb(q.value(4));
    const int berths = q.value(5).toInt();
    if (!from.isValid() || !to.isValid() || from >= to || berths <= 0)
        return Done{};
    // The absences of holders of the booking's berths that its nights meet: none in an office without contracts.
    if (!Sql::exec(q,
                   QStringLiteral("SELECT CB.ContractID, A.FirstDay, A.ReturnDay FROM BookingBerth BB JOIN "
                                  "ContractBerth CB ON CB.BerthID = BB.BerthID JOIN Contract K ON K.ID = "
                                  "CB.ContractID AND K.Cancelled = 0 JOIN ContractAway A ON A.ContractID = K.ID "
                                  "WHERE BB.BookingID = ? AND A.FirstDay < ? AND A.ReturnDay > ?"),
                   {bookingId, to.toString(Qt::ISODate), from.toString(Qt::ISODate)}, &error))
        return databaseFailure(error);
    QHash<int, int> awayNights;
    while (q.next())
        awayNights[q.value(0).toInt()] += nightsWithin(from, to, QDate::fromString(q.value(1).toString(), Qt::ISODate),
                                                       QDate::fromString(q.value(2).toString(), Qt::ISODate));
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    if (awayNights.isEmpty())
        return Done{};
    const auto percent = share(db);
    if (!percent)
        return percent.failure();
    QList<int> contracts = awayNights.keys();
    std::sort(contracts.begin(), contracts.end());
    for (const int contractId : contracts) {
        const auto before = Sql::scalar(
            db,
            QStringLiteral("SELECT COALESCE(SUM(Amount), 0) FROM AwayCredit WHERE BookingID = ? AND ContractID = ?"),
            {bookingId, contractId}, &error);
        if (!before)
            return databaseFailure(error);
        const Money owed =
            earned(hire, awayNights.value(contractId), int(from.daysTo(to)) * berths, *percent, paid, total) -
            Money::fromDb(*before);
        if (owed == Money())
            continue;
        const auto creditId = Sql::insertReturningId(
            db,
            QStringLiteral("INSERT INTO Payment (BookingID, ContractID, PaidAt, Kind, Amount, Reference, Desk, Note) "
                           "VALUES (0, ?, ?, 5, ?, ?, ?, ?)"),
            {contractId, DateTimes::dbDateTime(when), owed.toDb(), QString::number(bookingId), desk,
             QCoreApplication::translate("HolderCredits", "Share of the hire of booking %1 while away").arg(bookingId)},
            &error);
        if (!creditId ||
            !Sql::exec(db,
                       QStringLiteral("INSERT INTO AwayCredit (ContractID, BookingID, PaymentID, CreditID, Amount) "
                                      "VALUES (?, ?, ?, ?, ?)"),
                       {contractId, bookingId, paymentId, *creditId, owed.toDb()}, &error) ||
            !Sql::exec(db, QStringLiteral("UPDATE Contract SET Paid = Paid + ? WHERE ID = ?"),
                       {owed.toDb(), contractId}, &error))
            return databaseFailure(error);
    }
    return Done{};
}

Result<QList<Row>> list(const QSqlDatabase& db, const QDate& first, const QDate& last)
{
    if (!first.isValid() || !last.isValid() || last < first)
        return refused(
            QCoreApplication::translate("HolderCredits", "Enter a period that ends on or after its first day."));
    QString error;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Sql::exec(q,
                   QStringLiteral("SELECT P.PaidAt, A.ContractID, H.Name, A.BookingID, V.Name, A.Amount FROM "
                                  "AwayCredit A JOIN Payment P ON P.ID = A.CreditID JOIN Contract K ON K.ID = "
                                  "A.ContractID LEFT JOIN Customer H ON H.ID = K.CustomerID LEFT JOIN Booking B ON "
                                  "B.ID = A.BookingID LEFT JOIN Customer V ON V.ID = B.CustomerID WHERE P.PaidAt >= ? "
                                  "AND P.PaidAt < ? ORDER BY P.PaidAt, A.ID"),
                   {DateTimes::dbDateTime(DateTimes::wallTime(first)),
                    DateTimes::dbDateTime(DateTimes::wallTime(last.addDays(1)))},
                   &error))
        return databaseFailure(error);
    QList<Row> rows;
    while (q.next())
        rows.append({DateTimes::readDateTime(q.value(0)), q.value(1).toInt(), q.value(2).toString(), q.value(3).toInt(),
                     q.value(4).toString(), Money::fromDb(q.value(5))});
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return rows;
}

} // namespace HolderCredits
