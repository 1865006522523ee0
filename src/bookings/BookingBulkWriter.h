#pragma once

#include "bookings/BookingRecord.h"
#include "core/Result.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <memory>

/// Many new bookings checked and written inside one transaction of the caller's (an import of thousands): what
/// holds each berth is read from the period index once, and the rows this writer adds are added to that picture,
/// so no row asks the database whether its berth is free. The rules are the one-booking save's: the same ranges,
/// a closed month refused, a berth held by a booking, a block or a contract refused. The rows go in through
/// statements prepared once, each with its old reference and batch; the index and the history follow from the
/// database's own triggers as for any save. On a server the commit's overlap check still refuses a berth that
/// another desk booked meanwhile.
class BookingBulkWriter final
{
public:
    explicit BookingBulkWriter(const QSqlDatabase& db);
    ~BookingBulkWriter();
    BookingBulkWriter(const BookingBulkWriter&) = delete;
    BookingBulkWriter& operator=(const BookingBulkWriter&) = delete;

    /// Reads what holds the berths, the closed months and the next confirmation number; write: also prepares the
    /// statements (a dry run writes nothing and prepares none).
    Status prepare(bool write);

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

    /// Writes a new booking (its fault() already empty) with its berths, its next confirmation number, oldRef (empty:
    /// none) and batch, and claims its berths. The booking's ID.
    Result<int> add(BookingRecord booking, const QString& oldRef, int batchId);

    /// The stamp columns of the rows added by batchId are written in a few statements once all are in (see
    /// ImportTags): called after the last add().
    Status finish(int batchId);

private:
    struct Stretch
    {
        qint64 fromMinute = 0;
        qint64 toMinute = 0;
        Clash by = Clash::Booked;
        int bookingId = 0; // the booking's or the block's (negative) own number; 0 for a claim
    };

    QSqlDatabase m_db;
    QHash<int, QList<Stretch>> m_held; // by berth
    QList<QDate> m_closedMonths;
    qint64 m_nextConfirmation = 1;
    std::unique_ptr<QSqlQuery> m_insertBooking;
    std::unique_ptr<QSqlQuery> m_insertBerth;
};
