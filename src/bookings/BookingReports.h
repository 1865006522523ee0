#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <optional>

/// What the printed booking lists and the reservation exports read of the bookings: the period condition of the
/// report manager's pickers, the four booking lists as rows of text, the reservations with a balance due and the
/// statements of the two reservation exports.
namespace BookingReports {

/// A WHERE clause (with '?' values) and the heading that tells the reader which period a list covers.
struct PeriodCondition
{
    QString where; // empty: every booking
    QVariantList binds;
    QString heading;
};

/// The bookings that overlap the period between two pickers; a picker left empty leaves that end unbounded.
/// Both times are rounded down to the half hour, and the period runs to the day after To (time kept).
PeriodCondition periodCondition(const std::optional<QDateTime>& from, const std::optional<QDateTime>& to);

enum class List
{
    AllBookings,     // the bookings overlapping the first period, by arrival
    TakenToday,      // created today (the calendar day)
    CheckOutsToday,  // leaving from now (rounded down to the half hour) to the end of today
    ArrivalsToday,   // arriving today
    DeparturesToday, // leaving today, earlier today included
    PeriodSales,     // as AllBookings, on the sales summary's period, with the money columns
};

/// One booking as a list prints it.
struct ListRow
{
    QString from;     // in the date style, with HH:mm
    QString to;       // in the date style, with HH:mm
    QString created;  // in the date style, with HH:mm; empty when unknown
    QString customer; // name + ", " + house name
    QString berths;   // the booking's berth names joined with ", "; empty for a booking without berths
    Money costOfHire;
    Money otherCharges;
    Money vat;
    Money totalPayable;
};

struct BookingList
{
    QString heading;
    QList<ListRow> rows;
};

/// Reads one list. from and to are the pickers of that list (used by AllBookings and PeriodSales); now is the
/// current date-time.
Result<BookingList> build(const QSqlDatabase& db, List list, const std::optional<QDateTime>& from,
                          const std::optional<QDateTime>& to, const QDateTime& now);

/// A booking whose amount paid is below its total payable.
struct BalanceDueRow
{
    QDateTime fromDate;
    QDateTime toDate;
    Money costOfHire;
    Money otherCharges;
    Money vat;
    Money totalPayable;
    Money amountPayed;
    QString name;
    QString telNo;
};

/// Every reservation with a balance due, by arrival.
Result<QList<BalanceDueRow>> balanceDue(const QSqlDatabase& db);

/// A list's date-time as it prints, in the date style with HH:mm; empty for an unknown one.
QString listDateTime(const QDateTime& when);

/// The statements of the reservation exports, each column under the name the file's header shows; today's takes
/// the day's first and last second as its two values.
QString reservationsSql();
QString todaysReservationsSql();

} // namespace BookingReports
