#include "meters/MeterImport.h"

#include "core/CsvReader.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <QIODevice>
#include <QMap>

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

namespace {

/// What rows are judged against, read once: the meters by serial and each one's last reading, moved on by each row
/// that would be saved.
struct Known
{
    QHash<QString, Meters::Meter> bySerial;
    QHash<qint64, Meters::Reading> last;
};

Result<Known> known(const QSqlDatabase& db)
{
    const auto meters = MeterStore::meters(db);
    if (!meters)
        return meters.failure();
    const auto last = MeterStore::lastReadings(db);
    if (!last)
        return last.failure();
    Known k;
    for (const Meters::Meter& m : *meters)
        k.bySerial.insert(m.serial.toCaseFolded(), m);
    k.last = *last;
    return k;
}

/// Gives the row (its serial, when and value as read) its fate, and moves the meter's last reading on when the row
/// would be saved.
void judge(Row& row, Known& k, const QDateTime& now)
{
    row.why.clear();
    row.fate = Fate::Refused;
    const auto meter = k.bySerial.constFind(row.serial.toCaseFolded());
    if (meter == k.bySerial.cend()) {
        row.fate = Fate::UnknownMeter;
        return;
    }
    row.meterId = meter->id;
    row.at = readWhen(row.when);
    const auto value = Meters::readValue(row.value, meter->digits, QLocale::c());
    if (!row.at.isValid() || !value) {
        row.why = !value ? value.error()
                         : QCoreApplication::translate("MeterImport", "\"%1\" is not a date and time.").arg(row.when);
        return;
    }
    row.reading = *value;
    const auto found = k.last.constFind(meter->id);
    const std::optional<Meters::Reading> before =
        found == k.last.cend() ? std::nullopt : std::optional<Meters::Reading>(*found);
    if (before && row.at <= before->readAt) {
        row.fate = Fate::EarlierThanLast;
        row.why = QCoreApplication::translate("MeterImport", "Meter %1 was last read on %2.")
                      .arg(meter->serial, DateTimes::dateTimeText(before->readAt));
        return;
    }
    const auto step = Meters::checkReading(*meter, before, row.at, row.reading, now);
    if (!step) {
        row.why = step.error();
        return;
    }
    row.fate = *step == Meters::Step::Backward ? Fate::RolledOver : Fate::Accepted;
    Meters::Reading taken;
    taken.meterId = meter->id;
    taken.readAt = row.at;
    taken.value = row.reading;
    taken.rolledOver = row.fate == Fate::RolledOver;
    k.last.insert(meter->id, taken);
}

/// The meters of each berth by kind: the ones a berth's usual use is worked out from.
QHash<std::pair<int, int>, QList<Meters::Meter>> byBerth(const Known& k)
{
    QHash<std::pair<int, int>, QList<Meters::Meter>> found;
    for (const Meters::Meter& m : k.bySerial)
        if (m.berthId)
            found[{*m.berthId, static_cast<int>(m.kind)}] << m;
    return found;
}

/// The stored readings the flags of the rows to save are worked out from: each of their berths' meters of the
/// kind from 30 days before the earliest reading a row follows, one statement for each such day.
Result<QHash<qint64, QList<Meters::Reading>>> recentOf(const QSqlDatabase& db, const QList<Row>& rows, const Known& k)
{
    QHash<qint64, Meters::Meter> byId;
    for (const Meters::Meter& m : k.bySerial)
        byId.insert(m.id, m);
    const auto mates = byBerth(k);
    QMap<QDate, QList<qint64>> since; // by the day to read from: the meters
    QHash<qint64, QDate> from;        // by meter: the day
    for (const Row& row : rows) {
        const Meters::Meter& m = byId.value(row.meterId);
        if (!row.saved() || !m.berthId)
            continue;
        const auto last = k.last.constFind(m.id);
        const QDate day = (last == k.last.cend() ? row.at : last->readAt).date().addDays(-31);
        for (const Meters::Meter& mate : mates.value({*m.berthId, static_cast<int>(m.kind)}))
            if (!from.contains(mate.id) || day < from[mate.id])
                from.insert(mate.id, day);
    }
    for (auto it = from.cbegin(); it != from.cend(); ++it)
        since[it.value()] << it.key();
    QHash<qint64, QList<Meters::Reading>> recent;
    for (auto it = since.cbegin(); it != since.cend(); ++it) {
        const auto read = MeterStore::readingsSince(db, it.value(), DateTimes::wallTime(it.key()));
        if (!read)
            return read.failure();
        recent.insert(*read);
    }
    return recent;
}

} // namespace

Result<QList<Row>> dryRun(const QSqlDatabase& db, QIODevice& file, const QDateTime& now)
{
    auto k = known(db);
    if (!k)
        return k.failure();
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
        judge(row, *k, now);
        rows << row;
    }
    return rows;
}

Result<int> import(const QSqlDatabase& db, const QList<Row>& rows, const QDateTime& now, const QString& desk)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    // Judged again inside the transaction: a reading another desk added since the dry run changes a row's fate.
    auto k = known(db);
    if (!k)
        return k.failure();
    const Known before = *k;
    QList<Row> toSave;
    for (const Row& row : rows) {
        if (!row.saved())
            continue;
        Row again = row;
        judge(again, *k, now);
        if (again.fate != row.fate)
            return conflict(QCoreApplication::translate("MeterImport", "Line %1: %2")
                                .arg(row.line)
                                .arg(again.why.isEmpty() ? fateText(again.fate) : again.why));
        toSave << again;
    }
    auto recent = recentOf(db, toSave, before);
    if (!recent)
        return recent.failure();
    QHash<qint64, Meters::Meter> byId;
    for (const Meters::Meter& m : std::as_const(k->bySerial))
        byId.insert(m.id, m);
    const auto onBerth = byBerth(before);
    QHash<qint64, Meters::Reading> last = before.last;
    QList<Meters::Reading> added;
    for (const Row& row : std::as_const(toSave)) {
        const Meters::Meter& m = byId.value(row.meterId);
        Meters::Reading r;
        r.meterId = m.id;
        r.readAt = row.at;
        r.value = row.reading;
        r.rolledOver = row.fate == Fate::RolledOver;
        const auto prior = last.constFind(m.id);
        if (prior != last.cend() && m.berthId) {
            // A day's use against the berth's usual over the 30 days before the reading it follows.
            QList<std::pair<QList<Meters::Reading>, int>> mates;
            for (const Meters::Meter& mate : onBerth.value({*m.berthId, static_cast<int>(m.kind)}))
                mates.append({recent->value(mate.id), mate.digits});
            const qint64 use = Meters::useBetween(prior->value, r.value, r.rolledOver, m.digits);
            r.flagged = Meters::unusual(use, static_cast<double>(prior->readAt.secsTo(r.readAt)) / 86400.0,
                                        MeterStore::usualOver(mates, prior->readAt));
        }
        last.insert(m.id, r);
        (*recent)[m.id] << r;
        added << r;
    }
    if (const Status saved = MeterStore::insertReadings(db, added, now, desk); !saved)
        return saved.failure();
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return int(added.size());
}

} // namespace MeterImport
