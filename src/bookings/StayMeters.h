#pragma once

#include "bookings/CheckIn.h"
#include "bookings/Ledger.h"
#include "meters/MeterStore.h"

/// The meters of a stay: the readings check-in and check-out take of the booking's berths' meters, and at check-out
/// the use between them priced with the tariff in force each day and posted to the booking as other charges (with
/// its breakdown kept in MeterCharge), the tax at the booking's rate, total and balance following in the same
/// transaction as the departure. A booking whose berths have no meters goes as before.
namespace StayMeters {

/// A meter to read, with its last reading (shown beside the box).
struct Due
{
    Meters::Meter meter;
    std::optional<Meters::Reading> last;
};
/// The meters of the booking's berths in service on day.
Result<QList<Due>> toRead(const QSqlDatabase& db, int bookingId, const QDate& day);

/// A value read from a meter at check-in or check-out.
struct Taken
{
    qint64 meterId = 0;
    qint64 value = 0;
    bool rolledOver = false;
};

/// Checks the guest in with the readings, in one transaction: none is saved unless the guest is checked in.
Result<CheckIn::State> arrive(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk,
                              CheckIn::Timing agreed, const QList<Taken>& readings);

/// What one berth's meters of one kind were billed.
struct Billed
{
    QString berth;
    qint64 meterId = 0; // the latest of the berth's meters of the kind
    Meters::Kind kind = Meters::Kind::Electricity;
    QString unit;
    Meters::Bill bill;
    QList<Meters::Read> reads; // each meter's first and last reading of the stay, the older meter first
};
struct Departure
{
    CheckIn::State state;
    QList<Billed> billed;
    Money charged; // before tax
};
/// Checks the guest out with the readings and posts the meters' charge, in one transaction.
Result<Departure> depart(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk,
                         const QList<Taken>& readings);

/// The booking's account as it would stand once the meters' charge for these readings is posted, nothing kept: the
/// question about money owed at check-out names it.
Result<Ledger::Account> accountAfter(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk,
                                     const QList<Taken>& readings);

/// The bills of a stay from arrivedAt to departedAt, from the readings stored: per berth and kind, the use from the
/// reading at or before the arrival (or a meter's first, fitted since) to the last at or before the departure.
Result<QList<Billed>> bills(const QSqlDatabase& db, const QList<int>& berthIds, const QDateTime& arrivedAt,
                            const QDateTime& departedAt);

/// Adds amount to the booking's other charges inside the caller's transaction: the tax again at the booking's rate,
/// the total moved by the charge and the change in tax.
Status addOtherCharges(const QSqlDatabase& db, int bookingId, Money amount);

} // namespace StayMeters
