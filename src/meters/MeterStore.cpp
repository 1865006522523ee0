#include "meters/MeterStore.h"

#include "core/DateTimes.h"
#include "core/SqlHelpers.h"
#include "meters/MeterRows.h"

#include <QCoreApplication>
#include <QSqlQuery>

namespace MeterStore {
namespace {

using namespace Meters;

const QString MeterSql = QStringLiteral("SELECT M.ID, M.Serial, M.Kind, M.Unit, M.Digits, M.BerthID, B.Name, M.Fitted, "
                                        "M.Removed, M.Notes FROM Meter M LEFT JOIN Berth B ON B.ID = M.BerthID");

Meter meterFrom(const QSqlQuery& q)
{
    Meter m;
    m.id = q.value(0).toLongLong();
    m.serial = q.value(1).toString();
    m.kind = kindOf(q.value(2).toInt()).value_or(Kind::Electricity);
    m.unit = q.value(3).toString();
    m.digits = q.value(4).toInt();
    if (!q.value(5).isNull())
        m.berthId = q.value(5).toInt();
    m.berth = q.value(6).toString();
    m.fitted = QDate::fromString(q.value(7).toString(), Qt::ISODate);
    m.removed = QDate::fromString(q.value(8).toString(), Qt::ISODate);
    m.notes = q.value(9).toString();
    return m;
}

} // namespace

Result<QList<Meter>> readMetersWhere(const QSqlDatabase& db, const QString& where, const QVariantList& binds)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, MeterSql + where, binds, &error))
        return databaseFailure(error);
    QList<Meter> found;
    while (q.next())
        found << meterFrom(q);
    return found;
}

namespace {

// A reading as it stands: the latest correction's value in the first's place.
const QString ReadingSql = QStringLiteral(
    "SELECT R.ID, R.MeterID, R.ReadAt, COALESCE(C.Value, R.Value), COALESCE(C.RolledOver, R.RolledOver), R.Flagged, "
    "C.ID, R.Value, COALESCE(C.Desk, R.Desk), COALESCE(C.Note, R.Note) FROM MeterReading R LEFT JOIN MeterReading C "
    "ON C.ID = (SELECT MAX(X.ID) FROM MeterReading X WHERE X.Corrects = R.ID) WHERE R.Corrects IS NULL ");

/// A reading from q's columns from at on, in ReadingSql's order.
Reading readingFrom(const QSqlQuery& q, int at = 0)
{
    Reading r;
    r.id = q.value(at).toLongLong();
    r.meterId = q.value(at + 1).toLongLong();
    r.readAt = DateTimes::readDateTime(q.value(at + 2));
    r.value = q.value(at + 3).toLongLong();
    r.rolledOver = q.value(at + 4).toInt() != 0;
    r.flagged = q.value(at + 5).toInt() != 0;
    r.corrected = !q.value(at + 6).isNull();
    r.firstValue = q.value(at + 7).toLongLong();
    r.desk = q.value(at + 8).toString();
    r.note = q.value(at + 9).toString();
    return r;
}

} // namespace

Result<QList<Reading>> readReadingsWhere(const QSqlDatabase& db, const QString& where, const QVariantList& binds)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, ReadingSql + where, binds, &error))
        return databaseFailure(error);
    QList<Reading> found;
    while (q.next())
        found << readingFrom(q);
    return found;
}

namespace {

Result<std::optional<Reading>> oneReading(const QSqlDatabase& db, const QString& where, const QVariantList& binds)
{
    const auto found = readReadingsWhere(db, where, binds);
    if (!found)
        return found.failure();
    if (found->isEmpty())
        return std::optional<Reading>();
    return std::optional<Reading>(found->first());
}

/// Why the meter cannot be saved against the others: a serial in use, a berth with a meter of the kind.
Status clash(const QSqlDatabase& db, const Meter& m)
{
    const auto all = readMetersWhere(db, QStringLiteral(" WHERE M.ID <> ?"), {m.id});
    if (!all)
        return all.failure();
    for (const Meter& other : *all) {
        if (other.serial.compare(m.serial.trimmed(), Qt::CaseInsensitive) == 0)
            return refused(
                QCoreApplication::translate("MeterStore", "Another meter has the serial number %1.").arg(other.serial));
        const bool overlap = (!other.removed.isValid() || other.removed > m.fitted) &&
                             (!m.removed.isValid() || m.removed > other.fitted);
        if (m.berthId && other.berthId == m.berthId && other.kind == m.kind && overlap)
            return refused(QCoreApplication::translate("MeterStore",
                                                       "Berth %1 already has %2 meter %3: swap it, or remove it first.")
                               .arg(other.berth, kindText(other.kind).toLower(), other.serial));
    }
    return Done{};
}

Result<qint64> writeMeter(const QSqlDatabase& db, const Meter& m)
{
    if (const Status own = checkMeter(m); !own)
        return own.failure();
    if (const Status other = clash(db, m); !other)
        return other.failure();
    const QVariantList values = {m.serial.trimmed(),
                                 static_cast<int>(m.kind),
                                 m.unit.trimmed(),
                                 m.digits,
                                 m.berthId ? QVariant(*m.berthId) : Sql::nullInt(),
                                 Sql::dayValue(m.fitted),
                                 Sql::dayValue(m.removed),
                                 m.notes.isEmpty() ? Sql::nullText() : QVariant(m.notes)};
    QString error;
    if (m.id == 0) {
        const auto id = Sql::insertReturningId(
            db,
            QStringLiteral("INSERT INTO Meter (Serial, Kind, Unit, Digits, BerthID, Fitted, Removed, Notes) VALUES "
                           "(?, ?, ?, ?, ?, ?, ?, ?)"),
            values, &error);
        if (!id)
            return databaseFailure(error);
        return *id;
    }
    QSqlQuery q(db);
    if (!Sql::exec(q,
                   QStringLiteral("UPDATE Meter SET Serial = ?, Kind = ?, Unit = ?, Digits = ?, BerthID = ?, Fitted = "
                                  "?, Removed = ?, Notes = ? WHERE ID = ?"),
                   values + QVariantList{m.id}, &error))
        return databaseFailure(error);
    if (q.numRowsAffected() != 1)
        return conflict(QCoreApplication::translate("MeterStore", "The meter no longer exists."));
    return m.id;
}

/// A reading's check and insert, inside the caller's transaction.
Result<Reading> insertReading(const QSqlDatabase& db, const NewReading& r, const QDateTime& now, const QString& desk)
{
    const auto m = meter(db, r.meterId);
    if (!m)
        return m.failure();
    const auto last = lastReading(db, r.meterId);
    if (!last)
        return last.failure();
    const auto step = checkReading(*m, *last, r.at, r.value, now);
    if (!step)
        return step.failure();
    if (*step == Step::Backward && !r.rolledOver)
        return refused(QCoreApplication::translate(
                           "MeterStore",
                           "%1 is below the last reading of meter %2 (%3): if the meter rolled over, say so; "
                           "otherwise type the reading again.")
                           .arg(valueText(r.value), m->serial, valueText((*last)->value)));
    bool flagged = false;
    if (*step != Step::First && m->berthId) {
        const auto usual = usualPerDay(db, *m->berthId, m->kind, (*last)->readAt);
        if (!usual)
            return usual.failure();
        const qint64 use = useBetween((*last)->value, r.value, r.rolledOver, m->digits);
        flagged = unusual(use, static_cast<double>((*last)->readAt.secsTo(r.at)) / 86400.0, *usual);
    }
    QString error;
    const auto id = Sql::insertReturningId(
        db,
        QStringLiteral("INSERT INTO MeterReading (MeterID, ReadAt, Value, RolledOver, Flagged, Desk, Note, Added) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {r.meterId, DateTimes::dbDateTime(r.at), QVariant::fromValue<qlonglong>(r.value),
         *step == Step::Backward ? 1 : 0, flagged ? 1 : 0, desk, r.note.isEmpty() ? Sql::nullText() : QVariant(r.note),
         DateTimes::dbDateTime(now)},
        &error);
    if (!id)
        return databaseFailure(error);
    Reading added{*id, r.meterId, r.at, r.value, *step == Step::Backward, flagged, false, r.value, desk, r.note};
    return added;
}

} // namespace

Result<QList<Meter>> meters(const QSqlDatabase& db)
{
    return readMetersWhere(db, QStringLiteral(" ORDER BY B.Name, M.Serial"), {});
}

Result<QList<std::pair<int, QString>>> berthChoices(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID, Name FROM Berth ORDER BY Name, ID"), {}, &error))
        return databaseFailure(error);
    QList<std::pair<int, QString>> found;
    while (q.next())
        found.append({q.value(0).toInt(), q.value(1).toString()});
    return found;
}

Result<Meter> meter(const QSqlDatabase& db, qint64 meterId)
{
    const auto found = readMetersWhere(db, QStringLiteral(" WHERE M.ID = ?"), {meterId});
    if (!found)
        return found.failure();
    if (found->isEmpty())
        return conflict(QCoreApplication::translate("MeterStore", "The meter no longer exists."));
    return found->first();
}

Result<qint64> saveMeter(const QSqlDatabase& db, const Meter& m)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto id = writeMeter(db, m);
    if (!id)
        return id;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return id;
}

Result<QList<Reading>> readings(const QSqlDatabase& db, qint64 meterId, const QDateTime& from, const QDateTime& to)
{
    QString where = QStringLiteral("AND R.MeterID = ?");
    QVariantList binds{meterId};
    if (from.isValid()) {
        where += QStringLiteral(" AND R.ReadAt >= ?");
        binds << DateTimes::dbDateTime(from);
    }
    if (to.isValid()) {
        where += QStringLiteral(" AND R.ReadAt <= ?");
        binds << DateTimes::dbDateTime(to);
    }
    return readReadingsWhere(db, where + QStringLiteral(" ORDER BY R.ReadAt, R.ID"), binds);
}

Result<std::optional<Reading>> lastReading(const QSqlDatabase& db, qint64 meterId)
{
    // The latest found by the index first, so its correction is looked up for that row alone.
    return oneReading(
        db,
        QStringLiteral("AND R.ID = (SELECT X.ID FROM MeterReading X WHERE X.MeterID = ? AND X.Corrects IS "
                       "NULL ORDER BY X.ReadAt DESC, X.ID DESC LIMIT 1)"),
        {meterId});
}

Result<std::optional<Reading>> readingAt(const QSqlDatabase& db, qint64 meterId, const QDateTime& at)
{
    return oneReading(
        db,
        QStringLiteral("AND R.ID = (SELECT X.ID FROM MeterReading X WHERE X.MeterID = ? AND X.Corrects IS "
                       "NULL AND X.ReadAt <= ? ORDER BY X.ReadAt DESC, X.ID DESC LIMIT 1)"),
        {meterId, DateTimes::dbDateTime(at)});
}

Result<Reading> addReading(const QSqlDatabase& db, const NewReading& reading, const QDateTime& now, const QString& desk)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto added = insertReading(db, reading, now, desk);
    if (!added)
        return added;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return added;
}

Result<Reading> correct(const QSqlDatabase& db, qint64 readingId, qint64 value, bool rolledOver, const QString& note,
                        const QDateTime& now, const QString& desk)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto first = oneReading(db, QStringLiteral("AND R.ID = ?"), {readingId});
    if (!first)
        return first.failure();
    if (!*first)
        return conflict(QCoreApplication::translate("MeterStore", "The reading no longer exists."));
    const Reading was = **first;
    const auto m = meter(db, was.meterId);
    if (!m)
        return m.failure();
    if (value < 0 || value >= rolloverAt(m->digits))
        return refused(QCoreApplication::translate("MeterStore", "The reading has more digits than the meter's %1.")
                           .arg(m->digits));
    const auto around = readings(db, was.meterId);
    if (!around)
        return around.failure();
    const qsizetype at =
        std::find_if(around->cbegin(), around->cend(), [&](const Reading& r) { return r.id == was.id; }) -
        around->cbegin();
    if (at > 0 && value < around->at(at - 1).value && !rolledOver)
        return refused(QCoreApplication::translate(
                           "MeterStore", "%1 is below the reading before it (%2): if the meter rolled over, say so.")
                           .arg(valueText(value), valueText(around->at(at - 1).value)));
    if (at + 1 < around->size() && !around->at(at + 1).rolledOver && value > around->at(at + 1).value)
        return refused(QCoreApplication::translate("MeterStore", "%1 is above the reading after it (%2).")
                           .arg(valueText(value), valueText(around->at(at + 1).value)));
    QString error;
    const bool rolled = at > 0 && value < around->at(at - 1).value;
    if (!Sql::exec(db,
                   QStringLiteral("INSERT INTO MeterReading (MeterID, ReadAt, Value, RolledOver, Flagged, Corrects, "
                                  "Desk, Note, Added) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {was.meterId, DateTimes::dbDateTime(was.readAt), QVariant::fromValue<qlonglong>(value),
                    rolled ? 1 : 0, 0, was.id, desk, note.isEmpty() ? Sql::nullText() : QVariant(note),
                    DateTimes::dbDateTime(now)},
                   &error))
        return databaseFailure(error);
    const auto after = oneReading(db, QStringLiteral("AND R.ID = ?"), {readingId});
    if (!after)
        return after.failure();
    if (!tx.commit(&error))
        return databaseFailure(error);
    return **after;
}

Result<qint64> swap(const QSqlDatabase& db, qint64 oldMeterId, const NewReading& closing, Meter fresh,
                    qint64 openingValue, const QDateTime& now, const QString& desk)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    auto old = meter(db, oldMeterId);
    if (!old)
        return old.failure();
    if (old->removed.isValid())
        return refused(QCoreApplication::translate("MeterStore", "Meter %1 was already removed on %2.")
                           .arg(old->serial, DateTimes::dateText(old->removed)));
    NewReading last = closing;
    last.meterId = oldMeterId;
    const auto closed = insertReading(db, last, now, desk);
    if (!closed)
        return closed.failure();
    old->removed = closing.at.date();
    if (const auto saved = writeMeter(db, *old); !saved)
        return saved;
    fresh.id = 0;
    fresh.berthId = old->berthId;
    fresh.kind = old->kind;
    fresh.fitted = closing.at.date();
    const auto id = writeMeter(db, fresh);
    if (!id)
        return id;
    const auto opened = insertReading(db, NewReading{*id, closing.at, openingValue, false, closing.note}, now, desk);
    if (!opened)
        return opened.failure();
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return id;
}

Result<QList<Tariff>> tariffs(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(
            q,
            QStringLiteral("SELECT T.ID, T.Kind, T.EffectiveFrom, T.UnitPrice, T.StandingCharge, B.UpTo, B.Price "
                           "FROM MeterTariff T LEFT JOIN MeterTariffBand B ON B.TariffID = T.ID ORDER BY T.Kind, "
                           "T.EffectiveFrom, T.ID, B.Band"),
            {}, &error))
        return databaseFailure(error);
    QList<Tariff> found;
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        if (found.isEmpty() || found.last().id != id)
            found << Tariff{id,
                            kindOf(q.value(1).toInt()).value_or(Kind::Electricity),
                            QDate::fromString(q.value(2).toString(), Qt::ISODate),
                            Money::fromDb(q.value(3)),
                            Money::fromDb(q.value(4)),
                            {}};
        if (!q.value(5).isNull())
            found.last().bands << Band{q.value(5).toLongLong(), Money::fromDb(q.value(6))};
    }
    return found;
}

Status saveTariffs(const QSqlDatabase& db, const QList<Tariff>& list)
{
    if (const Status ok = checkTariffs(list); !ok)
        return ok;
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM MeterTariffBand"), {}, &error) ||
        !Sql::exec(db, QStringLiteral("DELETE FROM MeterTariff"), {}, &error))
        return databaseFailure(error);
    for (const Tariff& t : list) {
        const auto id = Sql::insertReturningId(
            db,
            QStringLiteral(
                "INSERT INTO MeterTariff (Kind, EffectiveFrom, UnitPrice, StandingCharge) VALUES (?, ?, ?, ?)"),
            {static_cast<int>(t.kind), Sql::dayValue(t.from), t.unitPrice.toDb(), t.standing.toDb()}, &error);
        if (!id)
            return databaseFailure(error);
        for (qsizetype i = 0; i < t.bands.size(); ++i)
            if (!Sql::exec(
                    db, QStringLiteral("INSERT INTO MeterTariffBand (TariffID, Band, UpTo, Price) VALUES (?, ?, ?, ?)"),
                    {*id, static_cast<int>(i + 1), QVariant::fromValue<qlonglong>(t.bands.at(i).upTo),
                     t.bands.at(i).price.toDb()},
                    &error))
                return databaseFailure(error);
    }
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Result<QList<Meter>> metersOfBerths(const QSqlDatabase& db, const QList<int>& berthIds, const QDate& from,
                                    const QDate& to)
{
    if (berthIds.isEmpty())
        return QList<Meter>();
    QStringList marks;
    QVariantList binds;
    for (int id : berthIds) {
        marks << QStringLiteral("?");
        binds << id;
    }
    binds << Sql::dayValue(to) << Sql::dayValue(from);
    return readMetersWhere(
        db,
        QStringLiteral(" WHERE M.BerthID IN (%1) AND M.Fitted <= ? AND (M.Removed IS NULL OR M.Removed >= "
                       "?) ORDER BY B.Name, M.Kind, M.Fitted, M.ID")
            .arg(marks.join(QStringLiteral(", "))),
        binds);
}

Result<QList<WalkLine>> walk(const QSqlDatabase& db, const QDate& day)
{
    // One statement: each meter in service with its latest first reading and that reading's latest correction.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(
            q,
            MeterSql.section(QStringLiteral(" FROM "), 0, 0) +
                QStringLiteral(", R.ID, R.MeterID, R.ReadAt, COALESCE(C.Value, R.Value), COALESCE(C.RolledOver, "
                               "R.RolledOver), R.Flagged, C.ID, R.Value, COALESCE(C.Desk, R.Desk), COALESCE(C.Note, "
                               "R.Note) FROM Meter M LEFT JOIN Berth B ON B.ID = M.BerthID LEFT JOIN MeterReading R ON "
                               "R.ID = (SELECT X.ID FROM MeterReading X WHERE X.MeterID = M.ID AND X.Corrects IS NULL "
                               "ORDER BY X.ReadAt DESC, X.ID DESC LIMIT 1) LEFT JOIN MeterReading C ON C.ID = (SELECT "
                               "MAX(Y.ID) FROM MeterReading Y WHERE Y.Corrects = R.ID) WHERE M.Fitted <= ? AND "
                               "(M.Removed IS NULL OR M.Removed >= ?) ORDER BY CASE WHEN B.Name IS NULL THEN 1 ELSE 0 "
                               "END, B.Name, M.Kind, M.Serial"),
            {Sql::dayValue(day), Sql::dayValue(day)}, &error))
        return databaseFailure(error);
    QList<WalkLine> lines;
    while (q.next()) {
        WalkLine line{meterFrom(q), std::nullopt};
        if (!q.value(10).isNull())
            line.last = readingFrom(q, 10);
        lines << line;
    }
    return lines;
}

} // namespace MeterStore
