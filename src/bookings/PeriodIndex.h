#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

/// The booking period index (the BookingPeriod table of the schema): one entry per booked berth, its ID made of
/// the booking and the berth, its coordinates the period in minutes. Availability, the occupancy grid and the day
/// list find who holds what when from the index alone. A berth block's entry has the negated block for its
/// booking (P.ID < 0): it holds the berth, but sells no nights and has no booking row.
namespace PeriodIndex {

/// Minutes since 2000-01-01 00:00 of a wall-clock time, rounded down or up to the whole minute.
qint64 floorMinute(const QDateTime& when);
qint64 ceilMinute(const QDateTime& when);

/// The booking and the berth of an entry, as SQL over the index's alias (berth 0: a booking without berths).
QString bookingIdSql(const QString& alias = QStringLiteral("P"));
QString berthIdSql(const QString& alias = QStringLiteral("P"));

/// A search of the index: from is the FROM item (named P, with at least ID, FromMinute and ToMinute), sql the WHERE
/// condition on it, and binds their values in the order they bind, from's first. Readers write
/// "FROM <from> WHERE <sql>".
struct Condition
{
    QString from;
    QString sql;
    QVariantList binds;
    /// The binds as the whole numbers they all are, for a read the server keeps planned (Sql::execKept).
    QList<qint64> numbers() const;
};

/// How a statement uses the entries it finds: joined to other tables, or Alone, thousands of them and nothing else
/// (a week's busy berths, a day's bookings), which a server answers from an index without reading the table. The
/// occupancy grid's short reads measured slower Alone.
enum class Read
{
    Joined,
    Alone,
};

/// The entries whose period starts before beforeMinute and ends after afterMinute, written for db's engine.
Condition overlapping(const QSqlDatabase& db, qint64 afterMinute, qint64 beforeMinute, Read read = Read::Joined);

/// The entries whose period starts before end and ends after start; startInclusive / endInclusive let a period
/// that ends exactly at start / begins exactly at end count too. The minutes are rounded so that the condition
/// gives what the same comparison on the booking's stored date-times gives. Written for db's engine.
Condition touching(const QSqlDatabase& db, const QDateTime& start, bool startInclusive, const QDateTime& end,
                   bool endInclusive, Read read = Read::Joined);

} // namespace PeriodIndex
