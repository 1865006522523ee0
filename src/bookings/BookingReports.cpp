#include "bookings/BookingReports.h"

#include "bookings/Ledger.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace BookingReports {

namespace {

QVariant literal(const QDateTime& when)
{
    return DateTimes::sqlDate(when, true);
}

const QString ReservationColumns =
    QStringLiteral("SELECT ") +
    Sql::namedColumns(QStringLiteral("Booking"),
                      {QStringLiteral("FromDate"), QStringLiteral("ToDate"), QStringLiteral("BookedBy")}) +
    QStringLiteral(", ") + Sql::named(QStringLiteral("Customer.Name"), QStringLiteral("Customer")) +
    QStringLiteral(", ") +
    Sql::namedColumns(QStringLiteral("Booking"),
                      {QStringLiteral("Notes"), QStringLiteral("NoAdults"), QStringLiteral("NoKids"),
                       QStringLiteral("OtherCharges"), QStringLiteral("VAT"), QStringLiteral("TotalPayable"),
                       QStringLiteral("AmountPayed")}) +
    QStringLiteral(", ") + Sql::named(QStringLiteral("PaymentMethod.Name"), QStringLiteral("PaymentMethod")) +
    QStringLiteral(", ") +
    Sql::namedColumns(QStringLiteral("Booking"),
                      {QStringLiteral("CreditCardNo"), QStringLiteral("CreditCardExpiry"),
                       QStringLiteral("CreditCardType"), QStringLiteral("CreditCardCV2No"),
                       QStringLiteral("CostOfHire"), QStringLiteral("BerthConfirmationNumber"),
                       QStringLiteral("GuestConfirmationNumber"), QStringLiteral("PowerRequirements"),
                       QStringLiteral("ClubMember")}) +
    u' ';
// Bookings without a payment method are kept, with an empty method.
const QString ReservationSource =
    QStringLiteral("FROM Customer INNER JOIN Booking ON Customer.ID = Booking.CustomerID "
                   "LEFT JOIN PaymentMethod ON PaymentMethod.ID = Booking.PaymentMethodID");

QString text(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

// The SELECT of a list (the period condition or the "today" window goes into its WHERE), with each booking's
// berth names read in the same statement.
QString listSql(const Dialect& dialect, List list, const QString& where)
{
    // The berth names come with each booking (a correlated look-up on the BookingBerth index), in the order the
    // berths were booked, so a long list costs one statement.
    QString sql =
        QStringLiteral("SELECT Booking.FromDate, Booking.ToDate, Booking.Created, Customer.Name, Customer.HouseName, "
                       "(SELECT %1 FROM (SELECT Berth.Name AS Name, %2 AS Added FROM BookingBerth "
                       "INNER JOIN Berth ON Berth.ID = BookingBerth.BerthID WHERE BookingBerth.BookingID = Booking.ID "
                       "ORDER BY Added) S) AS Berths")
            .arg(dialect.joinTexts(QStringLiteral("coalesce(Name, '')"), QStringLiteral(", "), QStringLiteral("Added")),
                 dialect.insertOrder(QStringLiteral("BookingBerth")));
    if (list == List::PeriodSales)
        sql += QStringLiteral(", Booking.CostOfHire, Booking.OtherCharges, Booking.VAT, Booking.TotalPayable");
    sql += QStringLiteral(" FROM Customer INNER JOIN Booking ON Customer.ID = Booking.CustomerID");
    // A cancelled booking kept for its payments is no booking any list shows.
    sql += QStringLiteral(" WHERE Booking.Cancelled = 0");
    if (!where.isEmpty())
        sql += QStringLiteral(" AND ") + where;
    // The period lists go by arrival; the two lists of today in the order the bookings were taken.
    if (list == List::AllBookings || list == List::PeriodSales)
        sql += QStringLiteral(" ORDER BY Booking.FromDate NULLS FIRST, Booking.ID");
    else
        sql += QStringLiteral(" ORDER BY Booking.ID");
    return sql;
}
} // namespace

PeriodCondition periodCondition(const std::optional<QDateTime>& from, const std::optional<QDateTime>& to)
{
    PeriodCondition condition;
    if (from && to) {
        condition.where = QStringLiteral("Booking.FromDate <= ? AND Booking.ToDate >= ?");
        condition.binds = {literal(to->addDays(1)), literal(*from)};
        condition.heading = QCoreApplication::translate("BookingReports", "From: %1 to: %2")
                                .arg(from->toString(DateTimes::dateFormat()), to->toString(DateTimes::dateFormat()));
    } else if (from) {
        condition.where = QStringLiteral("(Booking.FromDate >= ? OR Booking.ToDate >= ?)");
        condition.binds = {literal(*from), literal(*from)};
        condition.heading =
            QCoreApplication::translate("BookingReports", "From: %1").arg(from->toString(DateTimes::dateFormat()));
    } else if (to) {
        condition.where = QStringLiteral("(Booking.FromDate <= ? OR Booking.ToDate <= ?)");
        condition.binds = {literal(to->addDays(1)), literal(to->addDays(1))};
        condition.heading =
            QCoreApplication::translate("BookingReports", "To: %1").arg(to->toString(DateTimes::dateFormat()));
    }
    return condition;
}

Result<BookingList> build(const QSqlDatabase& db, List list, const std::optional<QDateTime>& from,
                          const std::optional<QDateTime>& to, const QDateTime& now)
{
    BookingList result;
    QString where;
    QVariantList binds;
    switch (list) {
    case List::AllBookings:
    case List::PeriodSales: {
        const PeriodCondition period = periodCondition(from, to);
        where = period.where;
        binds = period.binds;
        result.heading = period.heading;
        break;
    }
    case List::TakenToday:
    case List::CheckOutsToday:
    case List::ArrivalsToday:
    case List::DeparturesToday: {
        // Today is the calendar day: from its first minute (or, for the check-outs left, from now) to midnight.
        const QDateTime today = DateTimes::dateOnly(now);
        const QString column = list == List::TakenToday      ? QStringLiteral("Booking.Created")
                               : list == List::ArrivalsToday ? QStringLiteral("Booking.FromDate")
                                                             : QStringLiteral("Booking.ToDate");
        where = column + QStringLiteral(" < ? AND ") + column + QStringLiteral(" >= ?");
        binds = {literal(today.addDays(1)), literal(list == List::CheckOutsToday ? now : today)};
        result.heading = now.toString(DateTimes::dateFormat());
        break;
    }
    }

    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, listSql(Dialect::of(db), list, where), binds, &error))
        return databaseFailure(error);
    const bool sales = list == List::PeriodSales;
    while (q.next()) {
        ListRow row;
        row.from = listDateTime(DateTimes::readDateTime(q.value(0)));
        row.to = listDateTime(DateTimes::readDateTime(q.value(1)));
        row.created = listDateTime(DateTimes::readDateTime(q.value(2)));
        row.customer = text(q.value(3)) + QStringLiteral(", ") + text(q.value(4));
        row.berths = text(q.value(5));
        if (sales) {
            row.costOfHire = Money::fromDb(q.value(6));
            row.otherCharges = Money::fromDb(q.value(7));
            row.vat = Money::fromDb(q.value(8));
            row.totalPayable = Money::fromDb(q.value(9));
        }
        result.rows.append(row);
    }
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return result;
}

Result<QList<BalanceDueRow>> balanceDue(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString sql =
        QStringLiteral(
            "SELECT Booking.FromDate, Booking.ToDate, Booking.CostOfHire, Booking.OtherCharges, Booking.VAT, "
            "Booking.TotalPayable, Booking.AmountPayed, Customer.Name, Customer.TelNo "
            "FROM Customer INNER JOIN Booking ON Customer.ID = Booking.CustomerID "
            "WHERE %1 AND Booking.Cancelled = 0 ORDER BY Booking.FromDate NULLS FIRST, Booking.ID")
            .arg(Ledger::owesSql(QStringLiteral("Booking")));
    QString error;
    if (!Sql::exec(q, sql, {}, &error))
        return databaseFailure(error);
    QList<BalanceDueRow> rows;
    while (q.next()) {
        BalanceDueRow row;
        row.fromDate = DateTimes::readDateTime(q.value(0));
        row.toDate = DateTimes::readDateTime(q.value(1));
        row.costOfHire = Money::fromDb(q.value(2));
        row.otherCharges = Money::fromDb(q.value(3));
        row.vat = Money::fromDb(q.value(4));
        row.totalPayable = Money::fromDb(q.value(5));
        row.amountPayed = Money::fromDb(q.value(6));
        row.name = text(q.value(7));
        row.telNo = text(q.value(8));
        rows.append(row);
    }
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return rows;
}

QString reservationsSql()
{
    return ReservationColumns + ReservationSource + QStringLiteral(" WHERE Booking.Cancelled = 0 ORDER BY Booking.ID");
}

QString todaysReservationsSql()
{
    return ReservationColumns + ReservationSource +
           QStringLiteral(" WHERE Booking.Cancelled = 0 AND Booking.FromDate <= ? AND Booking.ToDate >= ? ORDER BY "
                          "Booking.ID");
}

QString listDateTime(const QDateTime& when)
{
    return DateTimes::dateTimeText(when);
}

} // namespace BookingReports
