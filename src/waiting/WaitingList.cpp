#include "waiting/WaitingList.h"

#include "bookings/BerthAvailability.h"
#include "core/DateTimes.h"
#include "core/Lengths.h"
#include "core/SqlHelpers.h"
#include "people/Boats.h"

#include <QCoreApplication>
#include <QHash>

namespace WaitingList {

namespace {

QVariant dateValue(const QDate& date)
{
    return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : Sql::nullText();
}
QDate readDate(const QVariant& value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}
QVariant optionalInt(std::optional<int> value)
{
    return value ? QVariant(*value) : Sql::nullInt();
}
std::optional<int> readOptionalInt(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toInt());
}

// The period an entry wants as booking times: midday to midday, so a departure that morning and an arrival that
// afternoon do not stand in each other's way. Any length of stay asks for the first night at least.
std::pair<QDateTime, QDateTime> wantedPeriod(const WaitingEntry& entry)
{
    const QTime midday(12, 0);
    return {DateTimes::wallTime(entry.from, midday),
            DateTimes::wallTime(entry.to.isValid() ? entry.to : entry.from.addDays(1), midday)};
}

const QString Select = QStringLiteral(
    "SELECT w.ID, w.CustomerID, w.BoatID, w.FromDate, w.ToDate, w.BerthTypeID, w.MinLengthCm, w.Notes, w.Added, "
    "w.Status, w.OfferedOn, c.Name, b.Name, t.Type FROM WaitingEntry w LEFT JOIN Customer c ON c.ID = w.CustomerID "
    "LEFT JOIN Boat b ON b.ID = w.BoatID LEFT JOIN BerthType t ON t.ID = w.BerthTypeID");

WaitingLine readLine(const QSqlQuery& q)
{
    WaitingLine line;
    WaitingEntry& e = line.entry;
    e.id = q.value(0).toInt();
    e.customerId = q.value(1).toInt();
    e.boatId = readOptionalInt(q.value(2));
    e.from = readDate(q.value(3));
    e.to = readDate(q.value(4));
    e.berthTypeId = readOptionalInt(q.value(5));
    e.minLengthCm = readOptionalInt(q.value(6));
    e.notes = q.value(7).toString();
    e.added = DateTimes::readDateTime(q.value(8));
    e.status = WaitingStatus(std::clamp(q.value(9).toInt(), 0, int(WaitingStatus::Withdrawn)));
    e.offeredOn = readDate(q.value(10));
    line.customer = q.value(11).toString();
    line.boat = q.value(12).toString();
    line.berthType = q.value(13).toString();
    return line;
}

Result<std::optional<WaitingEntry>> loadEntry(const QSqlDatabase& db, int id)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, Select + QStringLiteral(" WHERE w.ID = ?"), {id}, &error))
        return databaseFailure(error);
    if (!q.next())
        return std::optional<WaitingEntry>();
    return std::optional(readLine(q).entry);
}

struct FreedBerth
{
    int id = 0;
    QString name;
    std::optional<int> typeId;
    BerthFit::BerthSize size;
};

std::optional<int> centimetres(const QVariant& metres)
{
    return metres.isNull() ? std::nullopt : std::optional(qRound(metres.toDouble() * 100));
}

Result<QList<FreedBerth>> readFreed(const QSqlDatabase& db, const QList<int>& ids)
{
    QList<FreedBerth> berths;
    for (const int id : ids) {
        QSqlQuery q(db);
        QString error;
        if (!Sql::exec(q,
                       QStringLiteral("SELECT ID, Name, TypeID, Length, Width, MaxDraft, TakesMultihulls FROM Berth "
                                      "WHERE ID = ? AND Active <> 0"),
                       {id}, &error))
            return databaseFailure(error);
        if (q.next())
            berths << FreedBerth{
                q.value(0).toInt(),
                q.value(1).toString(),
                readOptionalInt(q.value(2)),
                {centimetres(q.value(3)), centimetres(q.value(4)), centimetres(q.value(5)), q.value(6).toInt() != 0}};
    }
    return berths;
}

} // namespace

QStringList statusNames()
{
    return {QCoreApplication::translate("WaitingList", "Waiting"),
            QCoreApplication::translate("WaitingList", "Offered"), QCoreApplication::translate("WaitingList", "Booked"),
            QCoreApplication::translate("WaitingList", "Withdrawn")};
}

Status check(const WaitingEntry& entry, const QDate& today)
{
    if (entry.customerId <= 0)
        return refused(QCoreApplication::translate("WaitingList", "Choose the customer who is waiting."));
    if (!entry.from.isValid())
        return refused(QCoreApplication::translate("WaitingList", "Give the first night wanted."));
    if (entry.from < today)
        return refused(QCoreApplication::translate("WaitingList", "The period wanted has started already: a waiting "
                                                                  "entry is for nights to come."));
    if (entry.to.isValid() && entry.to <= entry.from)
        return refused(QCoreApplication::translate("WaitingList", "The period wanted ends before it starts."));
    if (entry.to.isValid() && entry.from.daysTo(entry.to) > 366 * 5)
        return refused(QCoreApplication::translate("WaitingList", "A period wanted may last five years at the most."));
    if (entry.minLengthCm && (*entry.minLengthCm <= 0 || *entry.minLengthCm > Boats::MaximumCm))
        return refused(QCoreApplication::translate("WaitingList", "A minimum length must be more than 0 and at most "
                                                                  "200 m."));
    return Done{};
}

Result<int> add(const QSqlDatabase& db, const WaitingEntry& entry, const QDateTime& now)
{
    if (const Status checked = check(entry, now.date()); !checked)
        return checked.failure();
    QString error;
    const auto id = Sql::insertReturningId(
        db,
        QStringLiteral("INSERT INTO WaitingEntry (CustomerID, BoatID, FromDate, ToDate, BerthTypeID, MinLengthCm, "
                       "Notes, Added, Status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0)"),
        {entry.customerId, optionalInt(entry.boatId), dateValue(entry.from), dateValue(entry.to),
         optionalInt(entry.berthTypeId), optionalInt(entry.minLengthCm), entry.notes, DateTimes::dbDateTime(now)},
        &error);
    if (!id)
        return databaseFailure(error);
    return int(*id);
}

Status modify(const QSqlDatabase& db, const WaitingEntry& loaded, const WaitingEntry& edited, const QDate& today,
              std::optional<FieldChanges::Merge<WaitingEntry>>* merge)
{
    // A period already begun may stand on an entry that is only being marked booked or withdrawn.
    const auto moved = [](const WaitingEntry& a, const WaitingEntry& b) {
        return a.from != b.from || a.to != b.to || a.minLengthCm != b.minLengthCm;
    };
    if (moved(edited, loaded))
        if (const Status checked = check(edited, today); !checked)
            return checked;
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto current = loadEntry(db, loaded.id);
    if (!current)
        return current.failure();
    if (!*current)
        return conflict(QCoreApplication::translate("WaitingList", "The entry was removed at another desk meanwhile, "
                                                                   "so nothing was saved."));
    auto entry = FieldChanges::toWrite(merged(db, loaded, **current, edited), merge);
    if (!entry)
        return entry.failure();
    // Each desk's period may be fine alone and not together.
    if (moved(*entry, **current))
        if (const Status checked = check(*entry, today); !checked)
            return checked;
    const QDate offeredOn = entry->status == WaitingStatus::Offered && current->value().status != WaitingStatus::Offered
                                ? today
                                : entry->offeredOn;
    QString error;
    if (!Sql::exec(
            db,
            QStringLiteral("UPDATE WaitingEntry SET CustomerID = ?, BoatID = ?, FromDate = ?, ToDate = ?, "
                           "BerthTypeID = ?, MinLengthCm = ?, Notes = ?, Status = ?, OfferedOn = ? WHERE ID = ?"),
            {entry->customerId, optionalInt(entry->boatId), dateValue(entry->from), dateValue(entry->to),
             optionalInt(entry->berthTypeId), optionalInt(entry->minLengthCm), entry->notes, int(entry->status),
             dateValue(offeredOn), loaded.id},
            &error) ||
        !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

FieldChanges::Merge<WaitingEntry> merged(const QSqlDatabase& db, const WaitingEntry& loaded, const WaitingEntry& theirs,
                                         const WaitingEntry& mine)
{
    // A name read only for a field both changed; the table and column are ours. One that cannot be read shows
    // empty: the question still names the field.
    const auto named = [&db](const char* sql) {
        return [&db, sql](const std::optional<int>& id) -> QString {
            if (!id)
                return {};
            const auto value = Sql::scalar(db, QString::fromLatin1(sql), {*id});
            return value ? value->toString() : QString();
        };
    };
    const auto date = [](const QDate& day) {
        return day.isValid() ? day.toString(DateTimes::dateFormat()) : QString();
    };
    const auto length = [](const std::optional<int>& cm) { return cm ? Lengths::text(*cm) : QString(); };
    const QStringList statuses = statusNames();
    const auto text = [](const char* caption) { return QCoreApplication::translate("WaitingList", caption); };
    FieldChanges::Merge<WaitingEntry> merge(loaded, theirs, mine);
    merge.field(text(QT_TRANSLATE_NOOP("WaitingList", "Customer:")), &WaitingEntry::customerId,
                [&](int id) { return named("SELECT Name FROM Customer WHERE ID = ?")(id); });
    merge.field(text(QT_TRANSLATE_NOOP("WaitingList", "Boat:")), &WaitingEntry::boatId,
                named("SELECT Name FROM Boat WHERE ID = ?"));
    merge.field(text(QT_TRANSLATE_NOOP("WaitingList", "From:")), &WaitingEntry::from, date);
    merge.field(text(QT_TRANSLATE_NOOP("WaitingList", "To:")), &WaitingEntry::to, date);
    merge.field(text(QT_TRANSLATE_NOOP("WaitingList", "Berth type:")), &WaitingEntry::berthTypeId,
                named("SELECT Type FROM BerthType WHERE ID = ?"));
    merge.field(text(QT_TRANSLATE_NOOP("WaitingList", "Minimum length:")), &WaitingEntry::minLengthCm, length);
    merge.field(text(QT_TRANSLATE_NOOP("WaitingList", "Notes:")), &WaitingEntry::notes);
    // The status and the day it was offered change together.
    merge.field(
        text(QT_TRANSLATE_NOOP("WaitingList", "Status:")),
        [](const WaitingEntry& e) { return std::pair(e.status, e.offeredOn); },
        [](WaitingEntry& into, const WaitingEntry& from) {
            into.status = from.status;
            into.offeredOn = from.offeredOn;
        },
        [&](const std::pair<WaitingStatus, QDate>& status) { return statuses.value(int(status.first)); });
    return merge;
}

Result<QList<WaitingLine>> lines(const QSqlDatabase& db, std::optional<WaitingStatus> status,
                                 std::optional<int> berthTypeId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, Select + QStringLiteral(" ORDER BY w.Added, w.ID"), {}, &error))
        return databaseFailure(error);
    QList<WaitingLine> result;
    int position = 0;
    while (q.next()) {
        WaitingLine line = readLine(q);
        const bool standing =
            line.entry.status == WaitingStatus::Waiting || line.entry.status == WaitingStatus::Offered;
        line.position = standing ? ++position : 0;
        if ((!status || line.entry.status == *status) && (!berthTypeId || line.entry.berthTypeId == berthTypeId))
            result << line;
    }
    return result;
}

Result<QList<WaitingOffer>> afterRelease(const QSqlDatabase& db, const QList<int>& freedBerths, const QDateTime& from,
                                         const QDateTime& to)
{
    const auto freed = readFreed(db, freedBerths);
    if (!freed)
        return freed.failure();
    const auto waiting = lines(db, WaitingStatus::Waiting);
    if (!waiting)
        return waiting.failure();
    // First the entries one of the freed berths fits, then one read of what holds those berths over all their
    // periods together, rather than a query per entry.
    struct Candidate
    {
        const WaitingLine* line;
        QDateTime from;
        QDateTime to;
        QList<const FreedBerth*> fitting;
    };
    QList<Candidate> candidates;
    QHash<int, QList<BoatRecord>> boatsOf;
    QDateTime spanFrom;
    QDateTime spanTo;
    for (const WaitingLine& line : *waiting) {
        const auto [wantedFrom, wantedTo] = wantedPeriod(line.entry);
        if (wantedFrom >= to || wantedTo <= from)
            continue;
        BoatRecord boat;
        if (line.entry.boatId) {
            if (!boatsOf.contains(line.entry.customerId)) {
                const auto boats = Boats::ofCustomer(db, line.entry.customerId);
                if (!boats)
                    return boats.failure();
                boatsOf.insert(line.entry.customerId, *boats);
            }
            for (const BoatRecord& b : boatsOf.value(line.entry.customerId))
                if (b.id == *line.entry.boatId)
                    boat = b;
        }
        if (line.entry.minLengthCm && (!boat.lengthCm || *boat.lengthCm < *line.entry.minLengthCm))
            boat.lengthCm = line.entry.minLengthCm;
        QList<const FreedBerth*> fitting;
        for (const FreedBerth& berth : *freed)
            if ((!line.entry.berthTypeId || berth.typeId == line.entry.berthTypeId) &&
                BerthFit::misfits(boat, berth.size).isEmpty())
                fitting << &berth;
        if (fitting.isEmpty())
            continue;
        candidates << Candidate{&line, wantedFrom, wantedTo, fitting};
        spanFrom = spanFrom.isValid() ? std::min(spanFrom, wantedFrom) : wantedFrom;
        spanTo = spanTo.isValid() ? std::max(spanTo, wantedTo) : wantedTo;
    }
    QList<WaitingOffer> offers;
    if (candidates.isEmpty())
        return offers;
    QList<int> freedIds;
    for (const FreedBerth& berth : *freed)
        freedIds << berth.id;
    const auto held = BerthAvailability::heldStretches(db, freedIds, spanFrom, spanTo);
    if (!held)
        return held.failure();
    for (const Candidate& candidate : std::as_const(candidates)) {
        WaitingOffer offer{*candidate.line, {}, {}};
        for (const FreedBerth* berth : candidate.fitting)
            if (BerthAvailability::freeOver(*held, berth->id, candidate.from, candidate.to)) {
                offer.berthIds << berth->id;
                offer.berthNames << berth->name;
            }
        if (!offer.berthIds.isEmpty())
            offers << offer;
    }
    return offers;
}

} // namespace WaitingList
