#pragma once

#include "meters/MeterStore.h"

class QIODevice;

/// Readings brought in from a handheld's CSV file (serial, date and time, reading; a header line is passed over):
/// a dry run gives every row's fate before anything is saved, and the import adds the rows that can be, all or none.
/// The file's encoding and delimiter are found from its first bytes; readings are read with a plain point.
namespace MeterImport {

enum class Fate
{
    Accepted,
    RolledOver,      // below the last: taken as the counter passing zero
    UnknownMeter,    // no meter has the serial
    EarlierThanLast, // dated before the meter's last reading
    Refused          // a value or date that does not read, a future date, a meter not in service then
};
QString fateText(Fate fate);

struct Row
{
    qint64 line = 0; // in the file, from 1
    QString serial;
    QString when;
    QString value;
    Fate fate = Fate::Refused;
    QString why; // for Refused and EarlierThanLast
    qint64 meterId = 0;
    QDateTime at;
    qint64 reading = 0;
    bool saved() const { return fate == Fate::Accepted || fate == Fate::RolledOver; }
};

/// Every row's fate against the stored readings and the rows before it; nothing is written.
Result<QList<Row>> dryRun(const QSqlDatabase& db, QIODevice& file, const QDateTime& now);
/// Adds the rows the dry run would save in one transaction (its checks run again inside it); how many were added.
Result<int> import(const QSqlDatabase& db, const QList<Row>& rows, const QDateTime& now, const QString& desk);

} // namespace MeterImport
