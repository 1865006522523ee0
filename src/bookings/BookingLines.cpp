#include "bookings/BookingLines.h"

#include "bookings/BookingStore.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>

namespace BookingLines {
namespace {

Result<QList<int>> storedBerths(const QSqlDatabase& db, int bookingId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT BerthID FROM BookingBerth WHERE BookingID = ?"), {bookingId}, &error))
        return databaseFailure(error);
    QList<int> berths;
    while (q.next())
        berths << q.value(0).toInt();
    return berths;
}

Status writeBerths(const QSqlDatabase& db, int bookingId, const QList<int>& berthIds, bool fresh)
{
    const auto stored = fresh ? Result<QList<int>>(QList<int>()) : storedBerths(db, bookingId);
    if (!stored)
        return stored.failure();
    QString error;
    for (int berth : *stored)
        if (!berthIds.contains(berth) &&
            !Sql::exec(db, QStringLiteral("DELETE FROM BookingBerth WHERE BookingID = ? AND BerthID = ?"),
                       {bookingId, berth}, &error))
            return databaseFailure(error);
    for (int berth : berthIds)
        if (!stored->contains(berth) &&
            !Sql::exec(db, QStringLiteral("INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)"),
                       {bookingId, berth}, &error))
            return databaseFailure(error);
    return Done{};
}

Status writeCharges(const QSqlDatabase& db, int bookingId, const QList<Pricing::Line>& charges, bool fresh)
{
    const auto stored =
        fresh ? Result<QList<Pricing::Line>>(QList<Pricing::Line>()) : BookingStore::chargeLines(db, bookingId);
    if (!stored)
        return stored.failure();
    QString error;
    for (qsizetype i = 0; i < std::max(stored->size(), charges.size()); ++i) {
        const bool had = i < stored->size();
        const bool has = i < charges.size();
        if (had && has && stored->at(i) == charges.at(i))
            continue;
        const int number = static_cast<int>(i + 1);
        if (had && !Sql::exec(db, QStringLiteral("DELETE FROM BookingCharge WHERE BookingID = ? AND Line = ?"),
                              {bookingId, number}, &error))
            return databaseFailure(error);
        if (!has)
            continue;
        const Pricing::Line& line = charges.at(i);
        if (!Sql::exec(
                db,
                QStringLiteral("INSERT INTO BookingCharge (BookingID, Line, Berth, Season, Unit, Quantity, Rate, "
                               "Amount) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                {bookingId, number, line.berth, line.season.isEmpty() ? Sql::nullText() : QVariant(line.season),
                 static_cast<int>(line.unit), QVariant::fromValue<qlonglong>(line.count), line.rate.toDb(),
                 line.amount.toDb()},
                &error))
            return databaseFailure(error);
    }
    return Done{};
}

} // namespace

Status write(const QSqlDatabase& db, int bookingId, const QList<int>& berthIds, const QList<Pricing::Line>& charges,
             bool fresh)
{
    if (const Status berths = writeBerths(db, bookingId, berthIds, fresh); !berths)
        return berths;
    return writeCharges(db, bookingId, charges, fresh);
}

} // namespace BookingLines
