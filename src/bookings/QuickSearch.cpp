#include "bookings/QuickSearch.h"

#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "people/CustomerSearch.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlQuery>
#include <algorithm>

namespace QuickSearch {

namespace {
// So many customers or boats are more than anyone reads in a list under a box; the first by ID stand for them.
constexpr qsizetype MostLookedUp = 500;

QString placeholders(qsizetype count)
{
    QStringList marks(count, QStringLiteral("?"));
    return marks.join(QStringLiteral(", "));
}

QVariantList bound(const QList<int>& ids)
{
    QVariantList values;
    values.reserve(ids.size());
    for (const int id : ids)
        values << id;
    return values;
}

// The first column of every row, as IDs.
Result<QList<int>> ids(const QSqlDatabase& db, const QString& sql, const QVariantList& binds)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, sql, binds, &error))
        return databaseFailure(error);
    QList<int> found;
    while (q.next())
        found << q.value(0).toInt();
    return found;
}

// Adds what was found to into, each booking once.
void addNew(QList<int>& into, const QList<int>& found)
{
    for (const int id : found) {
        if (!into.contains(id))
            into << id;
    }
}

// "No. 1234 · 14/06/2026 to 20/06/2026 · Ann O'Neill · A12, A13 · Seaspray" for each booking.
Result<QHash<int, QString>> bookingLines(const QSqlDatabase& db, const QList<int>& bookingIds)
{
    QHash<int, QString> lines;
    if (bookingIds.isEmpty())
        return lines;
    QHash<int, QStringList> berths;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QString error;
        if (!Sql::exec(q,
                       QStringLiteral("SELECT BookingBerth.BookingID, Berth.Name FROM BookingBerth INNER JOIN Berth "
                                      "ON Berth.ID = BookingBerth.BerthID WHERE BookingBerth.BookingID IN (%1)")
                           .arg(placeholders(bookingIds.size())),
                       bound(bookingIds), &error))
            return databaseFailure(error);
        while (q.next())
            berths[q.value(0).toInt()] << q.value(1).toString();
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT Booking.ID, Booking.BerthConfirmationNumber, Booking.FromDate, "
                                  "Booking.ToDate, Booking.Cancelled, Customer.Name, Boat.Name FROM Booking "
                                  "LEFT JOIN Customer ON Customer.ID = Booking.CustomerID "
                                  "LEFT JOIN Boat ON Boat.ID = Booking.BoatID WHERE Booking.ID IN (%1)")
                       .arg(placeholders(bookingIds.size())),
                   bound(bookingIds), &error))
        return databaseFailure(error);
    const QString dates = DateTimes::dateFormat();
    while (q.next()) {
        const int id = q.value(0).toInt();
        QStringList parts;
        parts << (q.value(1).isNull()
                      ? QCoreApplication::translate("QuickSearch", "Booking %1").arg(id)
                      : QCoreApplication::translate("QuickSearch", "No. %1").arg(q.value(1).toLongLong()));
        parts << QCoreApplication::translate("QuickSearch", "%1 to %2")
                     .arg(DateTimes::readDateTime(q.value(2)).date().toString(dates),
                          DateTimes::readDateTime(q.value(3)).date().toString(dates));
        if (!q.value(5).toString().isEmpty())
            parts << q.value(5).toString();
        QStringList names = berths.value(id);
        names.sort(Qt::CaseInsensitive);
        if (!names.isEmpty())
            parts << names.join(QStringLiteral(", "));
        if (!q.value(6).toString().isEmpty())
            parts << q.value(6).toString();
        QString line = parts.join(QStringLiteral(" · "));
        if (q.value(4).toInt() != 0)
            line += u' ' + QCoreApplication::translate("QuickSearch", "(cancelled)");
        lines.insert(id, line);
    }
    return lines;
}

struct FoundCustomer
{
    int id = 0;
    QString line;
    QList<int> bookings; // the latest first
};

// The customers holding every word typed, by name, each with their latest bookings.
Result<QList<FoundCustomer>> customers(const QSqlDatabase& db, const QString& text)
{
    constexpr int BookingsEach = 3;
    QList<FoundCustomer> found;
    const auto matching = customersWithAnyPart(db, text);
    if (!matching)
        return matching.failure();
    // An imported customer by the reference the old records gave them or their boat, before those the words find.
    const auto byOldRef = ids(db,
                              QStringLiteral("SELECT ID FROM Customer WHERE OldRef = ? UNION SELECT CustomerID FROM "
                                             "Boat WHERE OldRef = ? AND CustomerID IS NOT NULL ORDER BY 1 LIMIT %1")
                                  .arg(MostOfOneKind),
                              {text, text});
    if (!byOldRef)
        return byOldRef.failure();
    if (matching->empty() && byOldRef->isEmpty())
        return found;
    QList<int> among = *byOldRef;
    addNew(among,
           QList<int>(matching->cbegin(), matching->cbegin() + std::min<qsizetype>(MostLookedUp, matching->size())));
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QString error;
        if (!Sql::exec(q,
                       QStringLiteral("SELECT ID, Name, Town FROM Customer WHERE ID IN (%1) ORDER BY %2, ID LIMIT %3")
                           .arg(placeholders(among.size()), Dialect::of(db).noCase(QStringLiteral("Name")))
                           .arg(MostOfOneKind),
                       bound(among), &error))
            return databaseFailure(error);
        while (q.next()) {
            QStringList parts{q.value(1).toString()};
            if (!q.value(2).toString().trimmed().isEmpty())
                parts << q.value(2).toString();
            found.append(
                {q.value(0).toInt(),
                 QCoreApplication::translate("QuickSearch", "Customer: %1").arg(parts.join(QStringLiteral(", "))),
                 {}});
        }
    }
    if (found.isEmpty())
        return found;
    // Each customer's latest bookings, numbered per customer in one statement.
    QList<int> shown;
    for (const FoundCustomer& customer : found)
        shown << customer.id;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, CustomerID FROM (SELECT ID, CustomerID, ROW_NUMBER() OVER (PARTITION BY "
                                  "CustomerID ORDER BY FromDate DESC, ID DESC) AS Latest FROM Booking WHERE CustomerID "
                                  "IN (%1)) Numbered WHERE Latest <= %2 ORDER BY CustomerID, Latest")
                       .arg(placeholders(shown.size()))
                       .arg(BookingsEach),
                   bound(shown), &error))
        return databaseFailure(error);
    while (q.next()) {
        const qsizetype at = shown.indexOf(q.value(1).toInt());
        if (at >= 0)
            found[at].bookings << q.value(0).toInt();
    }
    return found;
}

bool isNumber(const QString& text)
{
    return !text.isEmpty() && text.size() <= 18 &&
           std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
} // namespace

Result<QList<Hit>> find(const QSqlDatabase& db, const QString& typed, const QDate& today)
{
    // A trigram needs three letters; shorter text finds a booking by number or a berth by its whole name only.
    constexpr int BoatLength = 3;
    const QString text = typed.simplified();
    QList<Hit> hits;
    if (text.isEmpty())
        return hits;
    const bool server = Dialect::of(db).kind() == Engine::PostgreSQL;
    QList<int> bookings;
    if (isNumber(text)) {
        const auto numbered =
            ids(db,
                QStringLiteral("SELECT ID FROM Booking WHERE BerthConfirmationNumber = ? ORDER BY ID LIMIT %1")
                    .arg(MostOfOneKind),
                {QVariant::fromValue<qlonglong>(text.toLongLong())});
        if (!numbered)
            return numbered.failure();
        addNew(bookings, *numbered);
    }
    // An imported booking by its old reference.
    const auto byOldRef = ids(
        db, QStringLiteral("SELECT ID FROM Booking WHERE OldRef = ? ORDER BY ID LIMIT %1").arg(MostOfOneKind), {text});
    if (!byOldRef)
        return byOldRef.failure();
    addNew(bookings, *byOldRef);
    // A berth by its whole name or old reference: who is in it and who comes next. The berths and boats are found first
    // and their bookings then on their own indexes: joined in one statement, a file's planner walks every booking by
    // date.
    const auto berths = ids(db,
                            QStringLiteral("SELECT ID FROM Berth WHERE %1 = ? OR OldRef = ?")
                                .arg(Dialect::of(db).noCase(QStringLiteral("Name"))),
                            {text.toLower(), text});
    if (!berths)
        return berths.failure();
    for (const int berth : *berths) {
        const auto inBerth = ids(db,
                                 QStringLiteral("SELECT Booking.ID FROM BookingBerth INNER JOIN Booking ON Booking.ID "
                                                "= BookingBerth.BookingID WHERE BookingBerth.BerthID = ? AND "
                                                "Booking.ToDate >= ? AND Booking.Cancelled = 0 "
                                                "ORDER BY Booking.FromDate, Booking.ID LIMIT %1")
                                     .arg(MostOfOneKind),
                                 {berth, DateTimes::dbDateTime(DateTimes::wallTime(today))});
        if (!inBerth)
            return inBerth.failure();
        addNew(bookings, *inBerth);
    }
    if (text.size() >= BoatLength) {
        // The boat's name anywhere, its "%", "_" and "\" escaped: they are sought as themselves.
        const auto boats = ids(db,
                               QStringLiteral("SELECT ID FROM Boat WHERE Name %1 ? ESCAPE '\\' ORDER BY ID LIMIT %2")
                                   .arg(server ? QStringLiteral("ILIKE") : QStringLiteral("LIKE"))
                                   .arg(MostLookedUp),
                               {u'%' + Sql::likePrefix(text)});
        if (!boats)
            return boats.failure();
        if (!boats->isEmpty()) {
            const auto ofBoats = ids(db,
                                     QStringLiteral("SELECT ID FROM Booking WHERE BoatID IN (%1) "
                                                    "ORDER BY FromDate DESC, ID DESC LIMIT %2")
                                         .arg(placeholders(boats->size()))
                                         .arg(MostOfOneKind),
                                     bound(*boats));
            if (!ofBoats)
                return ofBoats.failure();
            addNew(bookings, *ofBoats);
        }
    }
    const auto people = customers(db, text);
    if (!people)
        return people.failure();
    QList<int> all = bookings;
    for (const FoundCustomer& customer : *people)
        addNew(all, customer.bookings);
    const auto lines = bookingLines(db, all);
    if (!lines)
        return lines.failure();
    const auto addBooking = [&](int id, const QString& indent) {
        if (lines->contains(id) && hits.size() < MostHits)
            hits.append({Hit::Kind::Booking, id, indent + lines->value(id)});
    };
    for (const int id : bookings)
        addBooking(id, {});
    for (const FoundCustomer& customer : *people) {
        if (hits.size() >= MostHits)
            break;
        hits.append({Hit::Kind::Customer, customer.id, customer.line});
        for (const int id : customer.bookings)
            addBooking(id, QStringLiteral("    "));
    }
    return hits;
}

} // namespace QuickSearch
