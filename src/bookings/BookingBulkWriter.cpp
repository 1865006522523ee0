#include "bookings/BookingBulkWriter.h"

#include "bookings/BookingStore.h"
#include "bookings/PeriodIndex.h"
#include "core/BulkInsert.h"
#include "core/ClosedPeriods.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/ImportTags.h"
#include "core/SqlHelpers.h"

#include <QSqlError>

#include <algorithm>

namespace {
// Every column of a booking the one-booking save leaves to later work (arrival, invoice, cancellation), written with
// what a new booking holds, so that the writer knows each row's every value and stamps it as it is written.
const QStringList UnsavedColumns{
    QStringLiteral("Created"),       QStringLiteral("Cancelled"),  QStringLiteral("CancelledBerths"),
    QStringLiteral("InvoiceNumber"), QStringLiteral("Status"),     QStringLiteral("ArrivedAt"),
    QStringLiteral("ArrivedDesk"),   QStringLiteral("DepartedAt"), QStringLiteral("DepartedDesk")};
// The import's own, the stamp last.
const QStringList ImportColumns{QStringLiteral("OldRef"), QStringLiteral("ImportBatchID"),
                                QStringLiteral("ImportStamp")};
} // namespace

BookingBulkWriter::BookingBulkWriter(const QSqlDatabase& db) : m_db(db) {}

BookingBulkWriter::~BookingBulkWriter() = default;

Status BookingBulkWriter::prepare(int batchId)
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    QString error;
    // Every entry but those of bookings without a berth: a booking's (positive) or a block's (negative).
    if (!Sql::exec(q,
                   QStringLiteral("SELECT %1, %2, P.FromMinute, P.ToMinute FROM BookingPeriod P WHERE %2 <> 0")
                       .arg(PeriodIndex::bookingIdSql(), PeriodIndex::berthIdSql()),
                   {}, &error))
        return databaseFailure(error);
    while (q.next())
        m_held[q.value(1).toInt()].append({q.value(2).toLongLong(), q.value(3).toLongLong(),
                                           q.value(0).toLongLong() < 0 ? Clash::Blocked : Clash::Booked,
                                           q.value(0).toInt()});
    const auto closed = ClosedPeriods::closedMonths(m_db);
    if (!closed)
        return closed.failure();
    m_closedMonths = *closed;
    const auto next = BookingStore::nextConfirmationNumber(m_db);
    if (!next)
        return next.failure();
    m_nextConfirmation = *next;
    m_batchId = batchId;
    if (batchId == 0)
        return Done{};
    const QStringList columns = QStringList{QStringLiteral("ID")} +
                                BookingStore::columns().split(QStringLiteral(", ")) + UnsavedColumns + ImportColumns;
    m_stamps = std::make_unique<ImportTags::InsertStamps>(m_db, QStringLiteral("Booking"), columns);
    m_bookings = std::make_unique<BulkInsert>(m_db, QStringLiteral("Booking"), columns);
    m_berths = std::make_unique<BulkInsert>(m_db, QStringLiteral("BookingBerth"),
                                            QStringList{QStringLiteral("BookingID"), QStringLiteral("BerthID")},
                                            m_bookings.get());
    if (!Sql::exec(m_db, QStringLiteral("UPDATE ImportBatch SET Filling = 1 WHERE ID = ?"), {batchId}, &error))
        return databaseFailure(error);
    return Done{};
}

BookingBulkWriter::Clash BookingBulkWriter::clashOn(int berthId, const QDateTime& from, const QDateTime& to,
                                                    int excludeBookingId) const
{
    // As the index's search reads it: an entry that starts before the end and ends after the start.
    const qint64 after = PeriodIndex::floorMinute(from);
    const qint64 before = PeriodIndex::ceilMinute(to);
    Clash clash = Clash::None;
    for (const Stretch& stretch : m_held.value(berthId))
        if (stretch.fromMinute < before && stretch.toMinute > after &&
            (excludeBookingId == 0 || stretch.bookingId != excludeBookingId)) {
            if (stretch.by == Clash::Blocked)
                return Clash::Blocked; // a block is named before a booking, as the one-booking save names it
            if (clash != Clash::Booked)
                clash = stretch.by;
        }
    return clash;
}

QString BookingBulkWriter::fault(const BookingRecord& booking) const
{
    if (const QString reason = BookingStore::outOfRange(booking); !reason.isEmpty())
        return reason;
    const QDate departs = booking.toDate.date();
    if (std::any_of(m_closedMonths.begin(), m_closedMonths.end(), [&](const QDate& month) {
            return month.year() == departs.year() && month.month() == departs.month();
        }))
        return ClosedPeriods::refusal(departs);
    return {};
}

void BookingBulkWriter::claim(const BookingRecord& booking, const QList<int>& heldBerths)
{
    if (booking.id != 0)
        for (const int berth : heldBerths) {
            const auto held = m_held.find(berth);
            if (held != m_held.end())
                held->removeIf([&](const Stretch& stretch) { return stretch.bookingId == booking.id; });
        }
    for (const int berth : booking.berthIds)
        m_held[berth].append({PeriodIndex::floorMinute(booking.fromDate), PeriodIndex::ceilMinute(booking.toDate),
                              Clash::Claimed, booking.id});
}

Status BookingBulkWriter::add(BookingRecord booking, const QString& oldRef)
{
    if (!m_bookings)
        return databaseFailure(QStringLiteral("The bulk writer was prepared for a dry run."));
    const auto id = m_bookings->reserveId();
    if (!id)
        return id.failure();
    booking.berthConfirmationNumber = m_nextConfirmation++;
    booking.amountPayed = Money(); // what was paid comes in as ledger lines
    QVariantList values{*id};
    // Made when the import ran, by the program's clock; the rest as a new booking is until it is used.
    values << BookingStore::columnValues(booking) << DateTimes::dbDateTime(booking.savedAt) << 0 << Sql::nullText()
           << Sql::nullInt() << 0 << Sql::nullText() << Sql::nullText() << Sql::nullText() << Sql::nullText()
           << (oldRef.isEmpty() ? Sql::nullText() : QVariant(oldRef)) << m_batchId;
    const auto stamp = m_stamps->of(values);
    if (!stamp)
        return stamp.failure();
    values << *stamp;
    if (const Status added = m_bookings->add(values); !added)
        return added;
    for (const int berth : booking.berthIds)
        if (const Status added = m_berths->add({*id, berth}); !added)
            return added;
    booking.id = 0;
    claim(booking);
    return Done{};
}

Status BookingBulkWriter::fillBatch()
{
    QString error;
    if (Dialect::of(m_db).kind() == Engine::PostgreSQL) {
        if (!Sql::exec(m_db, QStringLiteral("SELECT zem_fill_import(?)"), {m_batchId}, &error))
            return databaseFailure(error);
        return Done{};
    }
    // What the insert triggers write row by row, for the whole batch: the index's entries, then what they sell in
    // each berth's months, then each month's arrivals.
    const QString batchBookings = QStringLiteral("SELECT ID FROM Booking WHERE ImportBatchID = ?");
    const QString statements[] = {
        QStringLiteral("INSERT OR REPLACE INTO BookingPeriod (ID, FromMinute, ToMinute) SELECT Entry, FromMinute, "
                       "ToMinute FROM BookingPeriodEntry WHERE BookingID IN (%1)")
            .arg(batchBookings),
        QStringLiteral("INSERT INTO BerthMonth (Month, BerthID, Nights) SELECT Month, BerthID, SUM(Nights) FROM "
                       "BerthMonthShare WHERE Entry IN (SELECT B.ID * 2147483648 + BB.BerthID FROM Booking B JOIN "
                       "BookingBerth BB ON BB.BookingID = B.ID WHERE B.ImportBatchID = ?) AND BerthID <> 0 GROUP BY "
                       "Month, BerthID ON CONFLICT (Month, BerthID) DO UPDATE SET Nights = Nights + excluded.Nights"),
        QStringLiteral(
            "INSERT INTO BookingMonth (Month, Bookings, Hire, OtherCharges, Tax, Nights, WithLead, LeadDays) "
            "SELECT substr(B.FromDate, 1, 7), COUNT(*), SUM(coalesce(B.CostOfHire, 0)), "
            "SUM(coalesce(B.OtherCharges, 0)), SUM(coalesce(B.VAT, 0)), SUM(max(0, coalesce(CAST(julianday(substr("
            "B.ToDate, 1, 10)) - julianday(substr(B.FromDate, 1, 10)) AS INTEGER), 0))), COUNT(B.Created), "
            "SUM(max(0, coalesce(CAST(julianday(substr(B.FromDate, 1, 10)) - julianday(substr(B.Created, 1, 10)) AS "
            "INTEGER), 0))) FROM Booking B WHERE B.ImportBatchID = ? AND B.Cancelled = 0 AND B.FromDate IS NOT NULL "
            "GROUP BY substr(B.FromDate, 1, 7) ON CONFLICT (Month) DO UPDATE SET Bookings = Bookings + "
            "excluded.Bookings, Hire = Hire + excluded.Hire, OtherCharges = OtherCharges + excluded.OtherCharges, "
            "Tax = Tax + excluded.Tax, Nights = Nights + excluded.Nights, WithLead = WithLead + excluded.WithLead, "
            "LeadDays = LeadDays + excluded.LeadDays"),
        QStringLiteral("UPDATE ImportBatch SET Filling = 0 WHERE ID = ?")};
    for (const QString& sql : statements)
        if (!Sql::exec(m_db, sql, {m_batchId}, &error))
            return databaseFailure(error);
    return Done{};
}

Status BookingBulkWriter::finish()
{
    if (m_batchId == 0)
        return Done{};
    if (const Status written = m_berths->flush(); !written)
        return written;
    if (const Status written = m_bookings->flush(); !written)
        return written;
    if (const Status filled = fillBatch(); !filled)
        return filled;
    return m_stamps->finish(m_batchId);
}
