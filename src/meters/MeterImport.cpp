#include "meters/MeterImport.h"

#include "core/CsvReader.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <QIODevice>

namespace MeterImport {
namespace {

/// A handheld's date and time: ISO with or without the time or seconds, else the office's date style.
QDateTime readWhen(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* pattern : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "yyyy-MM-ddTHH:mm:ss", "yyyy-MM-ddTHH:mm"}) {
        const QDateTime when = QDateTime::fromString(t, QString::fromLatin1(pattern));
        if (when.isValid())
            return DateTimes::wallTime(when.date(), when.time());
    }
    for (const QString& pattern : {QStringLiteral("yyyy-MM-dd"), DateTimes::dateFormat()}) {
        const QDate day = QDate::fromString(t, pattern);
        if (day.isValid())
            return DateTimes::wallTime(day);
    }
    return {};
}

bool isHeader(const QStringList& fields)
{
    return fields.size() >= 3 && !fields.at(2).trimmed().isEmpty() && !fields.at(2).trimmed().at(0).isDigit();
}

} // namespace

QString fateText(Fate fate)
{
    switch (fate) {
    case Fate::Accepted:
        return QCoreApplication::translate("MeterImport", "accepted");
    case Fate::RolledOver:
        return QCoreApplication::translate("MeterImport", "rolled over");
    case Fate::UnknownMeter:
        return QCoreApplication::translate("MeterImport", "unknown meter");
    case Fate::EarlierThanLast:
        return QCoreApplication::translate("MeterImport", "earlier than the last");
    case Fate::Refused:
        break;
    }
    return QCoreApplication::translate("MeterImport", "refused");
}

Result<QList<Row>> dryRun(const QSqlDatabase& db, QIODevice& file, const QDateTime& now)
{
    const auto meters = MeterStore::meters(db);
    if (!meters)
        return meters.failure();
    QHash<QString, Meters::Meter> bySerial;
    for (const Meters::Meter& m : *meters)
        bySerial.insert(m.serial.toCaseFolded(), m);
    QHash<qint64, std::optional<Meters::Reading>> last; // as the rows before leave it
    CsvRead::Reader reader(file, CsvRead::detect(file));
    QList<Row> rows;
    for (;;) {
        const auto record = reader.next();
        if (!record)
            return record.failure();
        if (!*record)
            break;
        const QStringList& fields = **record;
        if (rows.isEmpty() && reader.line() == 1 && isHeader(fields))
            continue;
        Row row;
        row.line = reader.line();
        row.serial = fields.value(0).trimmed();
        row.when = fields.value(1).trimmed();
        row.value = fields.value(2).trimmed();
        const auto meter = bySerial.constFind(row.serial.toCaseFolded());
        if (meter == bySerial.cend()) {
            row.fate = Fate::UnknownMeter;
            rows << row;
            continue;
        }
        row.meterId = meter->id;
        row.at = readWhen(row.when);
        const auto value = Meters::readValue(row.value, meter->digits, QLocale::c());
        if (!row.at.isValid() || !value) {
            row.why = !value
                          ? value.error()
                          : QCoreApplication::translate("MeterImport", "\"%1\" is not a date and time.").arg(row.when);
            rows << row;
            continue;
        }
        row.reading = *value;
        if (!last.contains(meter->id)) {
            const auto stored = MeterStore::lastReading(db, meter->id);
            if (!stored)
                return stored.failure();
            last.insert(meter->id, *stored);
        }
        const std::optional<Meters::Reading> before = last.value(meter->id);
        if (before && row.at <= before->readAt) {
            row.fate = Fate::EarlierThanLast;
            row.why = QCoreApplication::translate("MeterImport", "Meter %1 was last read on %2.")
                          .arg(meter->serial, DateTimes::dateTimeText(before->readAt));
            rows << row;
            continue;
        }
        const auto step = Meters::checkReading(*meter, before, row.at, row.reading, now);
        if (!step) {
            row.why = step.error();
            rows << row;
            continue;
        }
        row.fate = *step == Meters::Step::Backward ? Fate::RolledOver : Fate::Accepted;
        Meters::Reading taken;
        taken.meterId = meter->id;
        taken.readAt = row.at;
        taken.value = row.reading;
        last.insert(meter->id, taken);
        rows << row;
    }
    return rows;
}

Result<int> import(const QSqlDatabase& db, const QList<Row>& rows, const QDateTime& now, const QString& desk)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    int added = 0;
    for (const Row& row : rows) {
        if (!row.saved())
            continue;
        const auto reading =
            MeterStore::addReading(db, {row.meterId, row.at, row.reading, row.fate == Fate::RolledOver, {}}, now, desk);
        if (!reading)
            return Failure{
                reading.kind(),
                QCoreApplication::translate("MeterImport", "Line %1: %2").arg(row.line).arg(reading.error())};
        ++added;
    }
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return added;
}

} // namespace MeterImport
