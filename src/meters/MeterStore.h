#pragma once

#include "meters/Meters.h"

#include <QHash>
#include <QSqlDatabase>

/// The Meter, MeterReading, MeterTariff, MeterTariffBand and MeterCharge tables. Readings are only ever added; each
/// write is one transaction that reads again what it checks, so two desks reading one meter at once cannot both
/// pass the check against the same last reading.
namespace MeterStore {

Result<QList<Meters::Meter>> meters(const QSqlDatabase& db);
/// The berths a meter may serve, by name: (ID, name).
Result<QList<std::pair<int, QString>>> berthChoices(const QSqlDatabase& db);
/// A Conflict when the meter no longer exists.
Result<Meters::Meter> meter(const QSqlDatabase& db, qint64 meterId);
/// Adds (id 0) or saves a meter; Refused for its own faults, a serial another meter has, and a berth that already
/// has a meter of the kind in service over any of its days.
Result<qint64> saveMeter(const QSqlDatabase& db, const Meters::Meter& meter);

/// The meter's readings as they stand (corrections in their firsts' places), by time; from and to (both optional)
/// bound the times.
Result<QList<Meters::Reading>> readings(const QSqlDatabase& db, qint64 meterId, const QDateTime& from = {},
                                        const QDateTime& to = {});
/// The latest reading as it stands; nothing before the first.
Result<std::optional<Meters::Reading>> lastReading(const QSqlDatabase& db, qint64 meterId);
/// The latest reading taken at or before at.
Result<std::optional<Meters::Reading>> readingAt(const QSqlDatabase& db, qint64 meterId, const QDateTime& at);

/// A reading to add. rolledOver is the person's answer to a reading below the last: without it such a reading is
/// Refused as mistyped.
struct NewReading
{
    qint64 meterId = 0;
    QDateTime at;
    qint64 value = 0;
    bool rolledOver = false;
    QString note;
};
/// Adds a reading inside its own transaction (or the caller's), after checking it against the meter and the last
/// reading; flagged when its use per day is over three times the berth's usual. desk names who read it.
Result<Meters::Reading> addReading(const QSqlDatabase& db, const NewReading& reading, const QDateTime& now,
                                   const QString& desk);
/// Puts a reading right: a new row with value that stands in its place, the first kept. Refused when the value
/// would fall below the reading before it (unless rolledOver) or above the one after it.
Result<Meters::Reading> correct(const QSqlDatabase& db, qint64 readingId, qint64 value, bool rolledOver,
                                const QString& note, const QDateTime& now, const QString& desk);

/// A meter swapped: the old one's closing reading and removal on that day, the new one fitted on the same berth
/// with its opening reading, in one transaction. Gives the new meter's id.
Result<qint64> swap(const QSqlDatabase& db, qint64 oldMeterId, const NewReading& closing, Meters::Meter fresh,
                    qint64 openingValue, const QDateTime& now, const QString& desk);

/// Every meter's latest reading as it stands, by meter, in one statement.
Result<QHash<qint64, Meters::Reading>> lastReadings(const QSqlDatabase& db);
/// The readings as they stand of meters taken at or after from, by meter and time, in one statement.
Result<QHash<qint64, QList<Meters::Reading>>> readingsSince(const QSqlDatabase& db, const QList<qint64>& meterIds,
                                                            const QDateTime& from);
/// Adds readings already checked, inside the caller's transaction, many rows a statement; each reading's readAt,
/// value, rolledOver, flagged and note are written.
Status insertReadings(const QSqlDatabase& db, const QList<Meters::Reading>& readings, const QDateTime& now,
                      const QString& desk);
/// The average use per day over readings of a berth's meters (each meter's in time order) in the 30 days before
/// at, as usualPerDay works it out.
std::optional<double> usualOver(const QList<std::pair<QList<Meters::Reading>, int>>& meterReadings,
                                const QDateTime& at);

/// The average use per day of the berth's meters of kind over the 30 days before at; nothing without two readings.
Result<std::optional<double>> usualPerDay(const QSqlDatabase& db, int berthId, Meters::Kind kind, const QDateTime& at);

Result<QList<Meters::Tariff>> tariffs(const QSqlDatabase& db);
/// Replaces every tariff with these, after checkTariffs.
Status saveTariffs(const QSqlDatabase& db, const QList<Meters::Tariff>& tariffs);

/// A charge billed between two readings, as MeterCharge keeps it.
struct Charge
{
    int bookingId = 0;
    std::optional<int> contractId;
    qint64 meterId = 0;
    qint64 fromReadingId = 0;
    qint64 toReadingId = 0;
    QDate firstDay;
    QDate endDay;
    qint64 units = 0;
    Money amount; // before tax
    Meters::Breakdown breakdown;
    QString words;                 // a charge kept before its breakdown was kept whole: the words it was billed with
    Money tax;                     // a contract's, at its rate (a stay's tax is the booking's)
    std::optional<int> instalment; // the contract's instalment that invoices it
};
/// Records a charge inside the caller's transaction. A contract's second charge of one meter from the same reading
/// is Refused (billed already).
Status addCharge(const QSqlDatabase& db, const Charge& charge, const QDateTime& now, const QString& desk);
/// The charges of a booking, in the order they were made.
Result<QList<Charge>> bookingCharges(const QSqlDatabase& db, int bookingId);
/// The charges of a contract, in the order they were made.
Result<QList<Charge>> contractCharges(const QSqlDatabase& db, int contractId);
/// The latest reading of the meter a charge to the contract ends at; nothing when none was billed.
Result<std::optional<Meters::Reading>> lastBilled(const QSqlDatabase& db, int contractId, qint64 meterId);

/// The meters of berths (in service at some time from from to to), with each one's kind.
Result<QList<Meters::Meter>> metersOfBerths(const QSqlDatabase& db, const QList<int>& berthIds, const QDate& from,
                                            const QDate& to);

/// A line of the dock walk: a meter in service, its berth, and its last reading.
struct WalkLine
{
    Meters::Meter meter;
    std::optional<Meters::Reading> last;
};
/// Every meter in service on day, in berth order (meters on no berth last).
Result<QList<WalkLine>> walk(const QSqlDatabase& db, const QDate& day);

/// The readings taken from from up to to (not counted) that were flagged, rolled over or corrected, by time.
Result<QList<Meters::Reading>> remarkable(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to);

/// Use by berth and month: what the berth's meters of kind counted, by the month of the later reading.
struct MonthUse
{
    QString berth;
    QString month; // "2026-06"
    qint64 use = 0;
};
Result<QList<MonthUse>> useByMonth(const QSqlDatabase& db, Meters::Kind kind, const QDate& from, const QDate& to);
/// What a berth's meters of kind counted between two times.
Result<qint64> berthUse(const QSqlDatabase& db, int berthId, Meters::Kind kind, const QDateTime& from,
                        const QDateTime& to);

} // namespace MeterStore
