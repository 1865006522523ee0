#include "outputs/ReportData.h"

#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "core/modFunctions.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ReportData {

namespace {
const QString HeadingDate = QStringLiteral("dd.MM.yyyy");

QVariant Literal(const QDateTime& when)
{
    return modFunctions::SqlDate(when, true);
}

QString Text(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

// The SELECT of a list (the period condition or the "today" window goes into its WHERE), with each booking's
// berth names read in the same statement.
QString ListSql(const Dialect& dialect, List list, const QString& where)
{
    // The berth names come with each booking (a correlated look-up on the BookingBerth index), in the order the
    // berths were booked, so a long list costs one statement.
    QString sql =
        QStringLiteral("SELECT Booking.FromDate, Booking.ToDate, Booking.Created, Customer.Name, Customer.HouseName, "
                       "(SELECT %1 FROM (SELECT Berth.Name AS Name, %2 AS Added FROM BookingBerth "
                       "INNER JOIN Berth ON Berth.ID = BookingBerth.BerthID WHERE BookingBerth.BookingID = Booking.ID "
                       "ORDER BY Added) S) AS Berths")
            .arg(dialect.JoinTexts(QStringLiteral("coalesce(Name, '')"), QStringLiteral(", "), QStringLiteral("Added")),
                 dialect.InsertOrder(QStringLiteral("BookingBerth")));
    if (list == List::PeriodSales)
        sql += QStringLiteral(", Booking.CostOfHire, Booking.OtherCharges, Booking.VAT, Booking.TotalPayable");
    sql += QStringLiteral(" FROM Customer INNER JOIN Booking ON Customer.ID = Booking.CustomerID");
    if (!where.isEmpty())
        sql += QStringLiteral(" WHERE ") + where;
    // The period lists go by arrival; the two lists of today in the order the bookings were taken.
    if (list == List::AllBookings || list == List::PeriodSales)
        sql += QStringLiteral(" ORDER BY Booking.FromDate NULLS FIRST, Booking.ID");
    else
        sql += QStringLiteral(" ORDER BY Booking.ID");
    return sql;
}
} // namespace

PeriodCondition Period(const std::optional<QDateTime>& from, const std::optional<QDateTime>& to)
{
    PeriodCondition condition;
    if (from && to) {
        condition.where = QStringLiteral("Booking.FromDate <= ? AND Booking.ToDate >= ?");
        condition.binds = {Literal(to->addDays(1)), Literal(*from)};
        condition.heading = QStringLiteral("From: ") + from->toString(HeadingDate) + QStringLiteral(" to: ") +
                            to->toString(HeadingDate);
    } else if (from) {
        condition.where = QStringLiteral("(Booking.FromDate >= ? OR Booking.ToDate >= ?)");
        condition.binds = {Literal(*from), Literal(*from)};
        condition.heading = QStringLiteral("From: ") + from->toString(HeadingDate);
    } else if (to) {
        condition.where = QStringLiteral("(Booking.FromDate <= ? OR Booking.ToDate <= ?)");
        condition.binds = {Literal(to->addDays(1)), Literal(to->addDays(1))};
        condition.heading = QStringLiteral("To: ") + to->toString(HeadingDate);
    }
    return condition;
}

std::optional<BookingList> Build(const QSqlDatabase& db, List list, const std::optional<QDateTime>& from,
                                 const std::optional<QDateTime>& to, const QDateTime& now, QString* error)
{
    BookingList result;
    QString where;
    QVariantList binds;
    switch (list) {
    case List::AllBookings:
    case List::PeriodSales: {
        const PeriodCondition period = Period(from, to);
        where = period.where;
        binds = period.binds;
        result.heading = period.heading;
        break;
    }
    case List::TakenToday:
        where = QStringLiteral("Booking.Created < ? AND Booking.Created >= ?");
        binds = {Literal(now.addDays(1)), Literal(now)};
        result.heading = now.toString(HeadingDate);
        break;
    case List::CheckOutsToday:
        where = QStringLiteral("Booking.ToDate < ? AND Booking.ToDate >= ?");
        binds = {Literal(now.addDays(1)), Literal(now)};
        result.heading = now.toString(HeadingDate);
        break;
    }

    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Sql::Exec(q, ListSql(Dialect::Of(db), list, where), binds, error))
        return std::nullopt;
    const bool sales = list == List::PeriodSales;
    while (q.next()) {
        ListRow row;
        row.from = ListDateTime(modFunctions::ReadDateTime(q.value(0)));
        row.to = ListDateTime(modFunctions::ReadDateTime(q.value(1)));
        row.created = ListDateTime(modFunctions::ReadDateTime(q.value(2)));
        row.customer = Text(q.value(3)) + QStringLiteral(", ") + Text(q.value(4));
        row.berths = Text(q.value(5));
        if (sales) {
            row.costOfHire = Money::FromDb(q.value(6));
            row.otherCharges = Money::FromDb(q.value(7));
            row.vat = Money::FromDb(q.value(8));
            row.totalPayable = Money::FromDb(q.value(9));
        }
        result.rows.append(row);
    }
    if (q.lastError().isValid()) {
        if (error)
            *error = q.lastError().text();
        return std::nullopt;
    }
    return result;
}

std::optional<QList<BalanceDueRow>> BalanceDue(const QSqlDatabase& db, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString sql = QStringLiteral(
        "SELECT Booking.FromDate, Booking.ToDate, Booking.CostOfHire, Booking.OtherCharges, Booking.VAT, "
        "Booking.TotalPayable, Booking.AmountPayed, Customer.Name, Customer.TelNo "
        "FROM Customer INNER JOIN Booking ON Customer.ID = Booking.CustomerID "
        "WHERE Booking.AmountPayed < Booking.TotalPayable ORDER BY Booking.FromDate NULLS FIRST, Booking.ID");
    if (!Sql::Exec(q, sql, {}, error))
        return std::nullopt;
    QList<BalanceDueRow> rows;
    while (q.next()) {
        BalanceDueRow row;
        row.fromDate = modFunctions::ReadDateTime(q.value(0));
        row.toDate = modFunctions::ReadDateTime(q.value(1));
        row.costOfHire = Money::FromDb(q.value(2));
        row.otherCharges = Money::FromDb(q.value(3));
        row.vat = Money::FromDb(q.value(4));
        row.totalPayable = Money::FromDb(q.value(5));
        row.amountPayed = Money::FromDb(q.value(6));
        row.name = Text(q.value(7));
        row.telNo = Text(q.value(8));
        rows.append(row);
    }
    if (q.lastError().isValid()) {
        if (error)
            *error = q.lastError().text();
        return std::nullopt;
    }
    return rows;
}

QString ListDateTime(const QDateTime& when)
{
    return when.isValid() ? when.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : QString();
}

} // namespace ReportData
