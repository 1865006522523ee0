#include "bookings/BookingBulkWriter.h"

#include "bookings/BookingStore.h"
#include "bookings/PeriodIndex.h"
#include "core/ClosedPeriods.h"
#include "core/ImportTags.h"
#include "core/SqlHelpers.h"

#include <QSqlError>

#include <algorithm>

BookingBulkWriter::BookingBulkWriter(const QSqlDatabase& db) : m_db(db) {}

BookingBulkWriter::~BookingBulkWriter() = default;

Status BookingBulkWriter::prepare(bool write)
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
    if (!write)
        return Done{};
    m_insertBooking = std::make_unique<QSqlQuery>(m_db);
    m_insertBerth = std::make_unique<QSqlQuery>(m_db);
    const QString columns = BookingStore::columns() + QStringLiteral(", OldRef, ImportBatchID");
    QStringList marks;
    marks.fill(QStringLiteral("?"), columns.count(u',') + 1);
    if (!m_insertBooking->prepare(QStringLiteral("INSERT INTO Booking (%1) VALUES (%2) RETURNING ID")
                                      .arg(columns, marks.join(QStringLiteral(", ")))) ||
        !m_insertBerth->prepare(QStringLiteral("INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)")))
        return databaseFailure(m_insertBooking->lastError().isValid() ? m_insertBooking->lastError().text()
                                                                      : m_insertBerth->lastError().text());
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

Result<int> BookingBulkWriter::add(BookingRecord booking, const QString& oldRef, int batchId)
{
    if (!m_insertBooking)
        return databaseFailure(QStringLiteral("The bulk writer was prepared for a dry run."));
    booking.berthConfirmationNumber = m_nextConfirmation++;
    booking.amountPayed = Money(); // what was paid comes in as ledger lines
    QVariantList values = BookingStore::columnValues(booking);
    values << (oldRef.isEmpty() ? Sql::nullText() : QVariant(oldRef)) << batchId;
    for (qsizetype i = 0; i < values.size(); ++i)
        m_insertBooking->bindValue(int(i), values.at(i));
    if (!m_insertBooking->exec() || !m_insertBooking->next())
        return databaseFailure(m_insertBooking->lastError().text());
    const int id = m_insertBooking->value(0).toInt();
    m_insertBooking->finish();
    for (const int berth : booking.berthIds) {
        m_insertBerth->bindValue(0, id);
        m_insertBerth->bindValue(1, berth);
        if (!m_insertBerth->exec())
            return databaseFailure(m_insertBerth->lastError().text());
    }
    booking.id = 0;
    claim(booking);
    return id;
}

Status BookingBulkWriter::finish(int batchId)
{
    return ImportTags::stampBatch(m_db, QStringLiteral("Booking"), batchId);
}
