#include "bookings/FindBookingModel.h"

#include "core/DateTimes.h"
#include "core/Money.h"
#include "core/SqlHelpers.h"
#include "people/CustomerSearch.h"

#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {
const QString From = QStringLiteral("FROM Customer INNER JOIN Booking ON Customer.ID = Booking.CustomerID");

/// The WHERE clause for bounds with its values, the bounds rounded down to the half hour; a failure when the
/// customers named cannot be searched.
Result<QString> whereClause(const QSqlDatabase& db, const FindBookingModel::Bounds& bounds, QVariantList* binds)
{
    QStringList terms;
    if (!anyPartWords(bounds.name).isEmpty()) {
        const auto customers = customersWithAnyPart(db, bounds.name);
        if (!customers)
            return customers.failure();
        // IDs the search read, written as numbers: a list of thousands would pass the engines' limit of values.
        QStringList ids;
        for (const int id : *customers)
            ids << QString::number(id);
        terms << (ids.isEmpty() ? QStringLiteral("1 = 0")
                                : QStringLiteral("Booking.CustomerID IN (%1)").arg(ids.join(u',')));
    }
    if (bounds.arriving) {
        terms << QStringLiteral("Booking.FromDate >= ?");
        *binds << DateTimes::sqlDate(*bounds.arriving, true);
    }
    if (bounds.departing) {
        terms << QStringLiteral("Booking.ToDate <= ?");
        *binds << DateTimes::sqlDate(*bounds.departing, true);
    }
    return terms.isEmpty() ? QString() : QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
}

// The condition that leaves cancelled bookings out, joined to a WHERE clause or starting one.
QString withoutCancelled(const QString& where, const FindBookingModel::Bounds& bounds)
{
    if (bounds.showCancelled)
        return where;
    return where + (where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) +
           QStringLiteral("Booking.Cancelled = 0");
}
} // namespace

bool FindBookingModel::Bounds::isEmpty() const
{
    return !arriving && !departing && anyPartWords(name).isEmpty();
}

FindBookingModel::FindBookingModel(QObject* parent) : QSqlQueryModel(parent) {}

Status FindBookingModel::load(const QSqlDatabase& db, const Bounds& bounds)
{
    QVariantList binds;
    const auto where = whereClause(db, bounds, &binds);
    const QString sql = QStringLiteral("SELECT Customer.Name, Booking.FromDate, Booking.ToDate, Booking.ID, "
                                       "Booking.TotalPayable - COALESCE(Booking.AmountPayed, 0), Booking.Cancelled ") +
                        From + withoutCancelled(where.valueOr(QStringLiteral(" WHERE 1 = 0")), bounds);
    // The model scrolls back over fetched rows, so the query is not forward-only.
    QSqlQuery q(db);
    QString error = where.error();
    const bool ok = where && Sql::exec(q, sql, binds, &error);
    if (!ok)
        q.clear();
    setQuery(std::move(q));
    const QStringList captions{tr("Name"), tr("Arriving on"), tr("Depating on"),
                               tr("ID"),   tr("Balance"),     tr("Cancelled")};
    for (int c = 0; c < captions.size(); ++c)
        setHeaderData(c, Qt::Horizontal, captions[c]);
    if (!ok)
        return databaseFailure(error);
    return Done{};
}

Result<qint64> FindBookingModel::count(const QSqlDatabase& db, const Bounds& bounds)
{
    // Counting the join row by row reads every booking in range from the table (0.4 s for 200,000 bookings); the
    // bookings in range are counted on the period index alone instead, less those without a customer, which are
    // found on the customer index.
    QVariantList binds;
    const auto clause = whereClause(db, bounds, &binds);
    if (!clause)
        return clause.failure();
    const QString where = *clause;
    const QString sql =
        QStringLiteral("SELECT (SELECT COUNT(*) FROM Booking") + where +
        QStringLiteral(") - (SELECT COUNT(*) FROM Booking") +
        (where.isEmpty() ? QStringLiteral(" WHERE ") : where + QStringLiteral(" AND ")) +
        QStringLiteral("Booking.ID IN (SELECT ID FROM Booking WHERE CustomerID IS NULL OR CustomerID NOT IN "
                       "(SELECT ID FROM Customer)") +
        // Cancelled bookings are found on their own small index.
        (bounds.showCancelled ? QString() : QStringLiteral(" UNION SELECT ID FROM Booking WHERE Cancelled <> 0")) +
        QStringLiteral("))");
    QString error;
    const auto count = Sql::scalar(db, sql, binds + binds, &error);
    if (!count)
        return databaseFailure(error);
    return count->toLongLong();
}

int FindBookingModel::bookingId(int row) const
{
    return row >= 0 && row < rowCount() ? record(row).value(ColId).toInt() : 0;
}

QVariant FindBookingModel::data(const QModelIndex& index, int role) const
{
    const QVariant value = QSqlQueryModel::data(index, role);
    if (role == Qt::DisplayRole && (index.column() == ColFromDate || index.column() == ColToDate))
        return DateTimes::dateText(DateTimes::readDateTime(value).date());
    if (index.column() == ColBalance && (role == Qt::DisplayRole || role == Qt::TextAlignmentRole)) {
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (record(index.row()).value(ColCancelled).toInt() != 0)
            return tr("Cancelled");
        const Money balance = Money::fromDb(value);
        return balance.owes() ? balance.format() : tr("Paid");
    }
    return value;
}
