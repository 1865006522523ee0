#pragma once

#include "bookings/BookingRecord.h"
#include "core/Result.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <memory>

class BulkInsert;
namespace ImportTags {
class InsertStamps;
}

/// Many new bookings checked and written inside one transaction of the caller's (an import of thousands): what
/// holds each berth is read from the period index once, and the rows this writer adds are added to that picture,
/// so no row asks the database whether its berth is free. The rules are the one-booking save's: the same ranges,
/// a closed month refused, a berth held by a booking, a block or a contract refused. The rows go in through
/// multi-row inserts of a few hundred rows, each with its old reference, batch and stamp. While the writer fills its
/// batch (ImportBatch.Filling), the period index and the monthly figures pass its rows by and finish() writes them
/// for the whole batch at once; each row's history is still written by its trigger. On a server the commit's
/// overlap check still refuses a berth that another desk booked meanwhile.
class BookingBulkWriter final
{
public:
    explicit BookingBulkWriter(const QSqlDatabase& db);
    ~BookingBulkWriter();
    BookingBulkWriter(const BookingBulkWriter&) = delete;
    BookingBulkWriter& operator=(const BookingBulkWriter&) = delete;

    /// Reads what holds the berths, the closed months and the next confirmation number; batchId (an import's, 0 for
    /// a dry run, which writes nothing): also marks the batch as filling.
    Status prepare(int batchId);

    /// What holds a berth over a period.
    enum class Clash
    {
        None,
        Booked,  // a booking on record
        Claimed, // a booking this writer added or claimed
        Blocked, // a block, or a berth held by a contract
    };
    /// Whether berthId is free over [from, to) by the index's rule (back-to-back stays do not clash), the booking
    /// excludeBookingId apart (a booking being changed does not clash with itself).
    Clash clashOn(int berthId, const QDateTime& from, const QDateTime& to, int excludeBookingId = 0) const;

    /// Why the booking cannot be saved by any desk (a value out of range, its departure in a closed month); empty
    /// when it can. Its berths are asked with clashOn.
    QString fault(const BookingRecord& booking) const;

    /// The berths over the booking's period count as taken from now on (a dry run's row that would be written). A
    /// booking on record (booking.id) changed elsewhere first gives up what it held on heldBerths.
    void claim(const BookingRecord& booking, const QList<int>& heldBerths = {});

    /// Writes a new booking (its fault() already empty) with its berths, its next confirmation number and oldRef
    /// (empty: none) in the batch, and claims its berths. Written with the rows after it, a few hundred a statement.
    Status add(BookingRecord booking, const QString& oldRef);

    /// After the last add(): the rows still held written, the index entries and monthly figures of the whole batch,
    /// and the batch no longer filling. Each row's stamp (see ImportTags) is written with it.
    Status finish();

private:
    struct Stretch
    {
        qint64 fromMinute = 0;
        qint64 toMinute = 0;
        Clash by = Clash::Booked;
        int bookingId = 0; // the booking's or the block's (negative) own number; 0 for a claim
    };

    Status fillBatch();

    QSqlDatabase m_db;
    int m_batchId = 0;
    QHash<int, QList<Stretch>> m_held; // by berth
    QList<QDate> m_closedMonths;
    qint64 m_nextConfirmation = 1;
    std::unique_ptr<BulkInsert> m_bookings; // an import's; none in a dry run
    std::unique_ptr<BulkInsert> m_berths;
    std::unique_ptr<ImportTags::InsertStamps> m_stamps;
};
