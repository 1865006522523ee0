#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <limits>
#include <optional>
#include <vector>

/// What the other folders read of the Booking and BookingBerth tables (and the period index over them): each
/// function answers one question with one set query, so the calendars and the berth lists never read booking rows
/// themselves.
namespace BookingReads {

/// One booking of a day, as the simple calendar lists it.
struct DayEntry
{
    int id = 0;
    int customerId = 0;
    QString name;       // the customer's
    QString houseName;  // the customer's
    QStringList berths; // the names, in the order the berth rows were saved
    Money balance;      // what is still owed; negative: in credit
    QDateTime fromDate;
    QDateTime toDate;
};

/// The bookings that start before the end of day and end at or after its start (so one that ends at midnight at
/// the start of day is listed), by booking ID; only those with IDs from firstId to lastId.
Result<QList<DayEntry>> bookingsOfDay(const QSqlDatabase& db, const QDate& day, int firstId = 0,
                                      int lastId = std::numeric_limits<int>::max());
/// The IDs of the bookings bookingsOfDay lists, in order: from the index alone, so a long list can be read a block
/// at a time.
Result<std::vector<int>> bookingIdsOfDay(const QSqlDatabase& db, const QDate& day);

/// One booked berth over a period, in index minutes.
struct Occupation
{
    int bookingId;
    int berthId;
    qint64 fromMinute;
    qint64 toMinute;
};

/// Which of the entries occupancy finds: all, only those that start inside the period, or only those that end inside.
enum class Inside
{
    Any,
    Starts,
    Ends
};
/// Who holds which berth in the period [fromMinute, toMinute): from the index alone, no booking row is read. In no
/// particular order. A window that moved by a day asks only for what starts (or ends) in the day that came in. A
/// berth block holds its berth as the negated block ID.
Result<std::vector<Occupation>> occupancy(const QSqlDatabase& db, qint64 fromMinute, qint64 toMinute,
                                          Inside inside = Inside::Any);

/// The (booking, berth) pairs whose period touches [start, end], both edges included: a booking ending exactly at
/// start counts, and so does one starting exactly at end. Bookings only, no blocks.
Result<QList<std::pair<int, int>>> bookedBerthsTouching(const QSqlDatabase& db, const QDateTime& start,
                                                        const QDateTime& end);

/// What the booking chart writes on and beside a booking's bar.
struct ChartBooking
{
    int id = 0;
    QDateTime from;
    QDateTime to;
    QString customer;
    QString boat;
    Money total;
    Money paid;
    int stay = 0; // Booking.Status: CheckIn::Stay
};
/// The chart's details of these bookings, read by their keys in one statement per few hundred; a booking that is
/// gone is left out.
Result<std::vector<ChartBooking>> chartBookings(const QSqlDatabase& db, const std::vector<int>& ids);

/// Who holds a booked cell of the occupancy grid, and for how long.
struct CellHolder
{
    QString customerName; // empty for a booking without a customer
    QDateTime fromDate;
    QDateTime toDate;
};

/// The customer names and periods of these bookings, read by their keys in one statement per few hundred; a
/// booking that is gone is left out.
Result<QHash<int, CellHolder>> cellHolders(const QSqlDatabase& db, const std::vector<int>& ids);

/// The number of booking rows that hold a berth, whatever the bookings' dates.
Result<int> bookingRowsOnBerth(const QSqlDatabase& db, int berthId);

/// A column for a query over Berth under alias: true when some booking row holds that berth. One EXISTS per row
/// of the query, answered on the berth's index, rather than a count per berth.
QString berthHasBookingsSql(const QString& berthAlias);

} // namespace BookingReads
