#include "rates/RateStore.h"

#include "core/DateTimes.h"
#include "core/Lengths.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace RateStore {

namespace {

QVariant dateValue(const QDate& date)
{
    return date.toString(Qt::ISODate);
}
QDate readDate(const QVariant& value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}
QVariant amountValue(const std::optional<Money>& amount)
{
    return amount ? amount->toDb() : Sql::nullInt();
}
std::optional<Money> readAmount(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(Money::fromDb(value));
}
std::optional<int> readId(const QVariant& value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toInt());
}
QVariant idValue(std::optional<int> id)
{
    return id ? QVariant(*id) : Sql::nullInt();
}

Result<QList<RateRow>> readRates(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT SeasonID, BerthTypeID, BerthID, PerMetre, Nightly, WeekendNight, Weekly, "
                                  "Monthly FROM Rate ORDER BY ID"),
                   {}, &error))
        return databaseFailure(error);
    QList<RateRow> rows;
    while (q.next())
        rows << RateRow{q.value(0).toLongLong(),
                        readId(q.value(1)),
                        readId(q.value(2)),
                        {q.value(3).toInt() ? Pricing::Basis::PerMetre : Pricing::Basis::PerBerth,
                         Money::fromDb(q.value(4)), readAmount(q.value(5)), readAmount(q.value(6)),
                         readAmount(q.value(7))}};
    return rows;
}

constexpr int MaximumLengthCm = 100000;

Status checkTable(const RateTable& table)
{
    QSet<qint64> seasonIds;
    for (const Pricing::Season& season : table.seasons) {
        if (const Status checked = Pricing::checkSeason(season); !checked)
            return checked;
        seasonIds.insert(season.id);
    }
    if (const Status overlaps = Pricing::checkOverlaps(table.seasons); !overlaps)
        return overlaps;
    for (const int cm : table.minimumLengthCm)
        if (cm < 0 || cm > MaximumLengthCm)
            return refused(
                QCoreApplication::translate("RateStore", "A minimum length must be from 0 to 1,000 metres."));
    QSet<QString> targets;
    for (const RateRow& row : table.rates) {
        if (!seasonIds.contains(row.seasonId))
            return refused(
                QCoreApplication::translate("RateStore", "A rate belongs to a season that is not in the table."));
        if (row.berthTypeId.has_value() == row.berthId.has_value())
            return refused(QCoreApplication::translate("RateStore", "A rate is either a berth type's or one berth's."));
        if (const Status checked = Pricing::checkRate(row.rate); !checked)
            return checked;
        const QString target = QStringLiteral("%1 %2 %3")
                                   .arg(row.seasonId)
                                   .arg(row.berthTypeId.value_or(-1))
                                   .arg(row.berthId.value_or(-1));
        if (targets.contains(target))
            return refused(
                QCoreApplication::translate("RateStore", "A season has two rates for the same berth or berth type."));
        targets.insert(target);
    }
    return Done{};
}

} // namespace

Result<RateTable> load(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, Name, FirstNight, LastNight, Yearly, Priority FROM Season ORDER BY ID"),
                   {}, &error))
        return databaseFailure(error);
    RateTable table;
    while (q.next())
        table.seasons << Pricing::Season{q.value(0).toLongLong(), q.value(1).toString(),   readDate(q.value(2)),
                                         readDate(q.value(3)),    q.value(4).toInt() != 0, q.value(5).toInt()};
    auto rates = readRates(db);
    if (!rates)
        return rates.failure();
    table.rates = std::move(*rates);
    QSqlQuery types(db);
    types.setForwardOnly(true);
    if (!Sql::exec(types, QStringLiteral("SELECT ID, MinimumLength FROM BerthType WHERE MinimumLength > 0"), {},
                   &error))
        return databaseFailure(error);
    while (types.next())
        table.minimumLengthCm.insert(types.value(0).toInt(), qRound(types.value(1).toDouble() * 100));
    return table;
}

Status save(const QSqlDatabase& db, const RateTable& loaded, const RateTable& edited, const Names& types,
            const Names& berths, std::optional<FieldChanges::Merge<RateTable>>* merge)
{
    if (const Status checked = checkTable(edited); !checked)
        return checked;

    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto current = load(db);
    if (!current)
        return current.failure();
    const auto merged = FieldChanges::toWrite(RateStore::merged(loaded, *current, edited, types, berths), merge);
    if (!merged)
        return merged.failure();
    // Each desk's table may pass alone and not together (a rate of a season the other desk removed).
    if (const Status checked = checkTable(*merged); !checked)
        return checked;
    // New seasons take ids after the highest kept (another desk's new ones among them), and their rates follow.
    qint64 next = 1;
    for (const Pricing::Season& season : merged->seasons)
        next = std::max(next, season.id + 1);
    QHash<qint64, qint64> ids;
    for (const Pricing::Season& season : merged->seasons)
        ids.insert(season.id, season.id > 0 ? season.id : next++);
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM Rate"), {}, &error) ||
        !Sql::exec(db, QStringLiteral("DELETE FROM Season"), {}, &error))
        return databaseFailure(error);
    for (const Pricing::Season& s : merged->seasons)
        if (!Sql::exec(db,
                       QStringLiteral("INSERT INTO Season (ID, Name, FirstNight, LastNight, Yearly, Priority) "
                                      "VALUES (?, ?, ?, ?, ?, ?)"),
                       {ids.value(s.id), s.name.trimmed(), dateValue(s.firstNight), dateValue(s.lastNight),
                        s.yearly ? 1 : 0, s.priority},
                       &error))
            return databaseFailure(error);
    qint64 rateId = 0;
    for (const RateRow& row : merged->rates) {
        const Pricing::Rate& r = row.rate;
        if (!Sql::exec(db,
                       QStringLiteral("INSERT INTO Rate (ID, SeasonID, BerthTypeID, BerthID, PerMetre, Nightly, "
                                      "WeekendNight, Weekly, Monthly) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       {++rateId, ids.value(row.seasonId), idValue(row.berthTypeId), idValue(row.berthId),
                        r.basis == Pricing::Basis::PerMetre ? 1 : 0, r.nightly.toDb(), amountValue(r.weekendNight),
                        amountValue(r.weekly), amountValue(r.monthly)},
                       &error))
            return databaseFailure(error);
    }
    if (!Sql::exec(db, QStringLiteral("UPDATE BerthType SET MinimumLength = NULL"), {}, &error))
        return databaseFailure(error);
    for (auto it = merged->minimumLengthCm.cbegin(); it != merged->minimumLengthCm.cend(); ++it)
        if (it.value() > 0 && !Sql::exec(db, QStringLiteral("UPDATE BerthType SET MinimumLength = ? WHERE ID = ?"),
                                         {it.value() / 100.0, it.key()}, &error))
            return databaseFailure(error);
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

namespace {
QString seasonText(const std::optional<Pricing::Season>& season)
{
    if (!season)
        return QCoreApplication::translate("RateStore", "(none)");
    return QCoreApplication::translate("RateStore", "%1 to %2, priority %3%4")
        .arg(DateTimes::dateText(season->firstNight), DateTimes::dateText(season->lastNight))
        .arg(season->priority)
        .arg(season->yearly ? QCoreApplication::translate("RateStore", ", every year") : QString());
}
QString rateText(const std::optional<RateRow>& row)
{
    if (!row)
        return QCoreApplication::translate("RateStore", "(none)");
    const Pricing::Rate& r = row->rate;
    QStringList parts{QCoreApplication::translate("RateStore", "nightly %1").arg(r.nightly.format())};
    if (r.weekendNight)
        parts << QCoreApplication::translate("RateStore", "weekend night %1").arg(r.weekendNight->format());
    if (r.weekly)
        parts << QCoreApplication::translate("RateStore", "weekly %1").arg(r.weekly->format());
    if (r.monthly)
        parts << QCoreApplication::translate("RateStore", "monthly %1").arg(r.monthly->format());
    if (r.basis == Pricing::Basis::PerMetre)
        parts << QCoreApplication::translate("RateStore", "per metre");
    return parts.join(QStringLiteral(", "));
}
QString lookupText(const QList<Sql::LookupItem>& items, int id)
{
    for (const Sql::LookupItem& item : items)
        if (item.id == id)
            return item.text;
    return QString::number(id);
}
} // namespace

FieldChanges::Merge<RateTable> merged(const RateTable& loaded, const RateTable& theirs, const RateTable& mine,
                                      const Names& types, const Names& berths)
{
    FieldChanges::Merge<RateTable> merge(loaded, theirs, mine);
    // Seasons by ID, rates by season and berth or type, least lengths by type: each one field. Those only this
    // desk added are not in loaded or theirs, and stay as typed.
    const auto seasonAt = [](const RateTable& t, qint64 id) -> qsizetype {
        for (qsizetype i = 0; i < t.seasons.size(); ++i)
            if (t.seasons.at(i).id == id)
                return i;
        return -1;
    };
    const auto season = [&](const RateTable& t, qint64 id) -> std::optional<Pricing::Season> {
        const qsizetype at = seasonAt(t, id);
        return at < 0 ? std::nullopt : std::optional(t.seasons.at(at));
    };
    QList<qint64> seasonIds;
    for (const RateTable* t : {&loaded, &theirs})
        for (const Pricing::Season& s : t->seasons)
            if (!seasonIds.contains(s.id))
                seasonIds << s.id;
    const auto seasonName = [&](qint64 id) {
        const auto named = season(theirs, id) ? season(theirs, id) : season(loaded, id);
        return named ? named->name : QString::number(id);
    };
    for (const qint64 id : seasonIds)
        merge.field(
            QCoreApplication::translate("RateStore", "Season %1:").arg(seasonName(id)),
            [&, id](const RateTable& t) { return season(t, id); },
            [&, id](RateTable& into, const RateTable& from) {
                const qsizetype at = seasonAt(into, id);
                const auto taken = season(from, id);
                if (at >= 0 && taken)
                    into.seasons[at] = *taken;
                else if (at >= 0)
                    into.seasons.removeAt(at);
                else if (taken)
                    into.seasons << *taken;
            },
            seasonText);
    const auto same = [](const RateRow& a, const RateRow& b) {
        return a.seasonId == b.seasonId && a.berthTypeId == b.berthTypeId && a.berthId == b.berthId;
    };
    const auto rateAt = [&](const RateTable& t, const RateRow& key) -> qsizetype {
        for (qsizetype i = 0; i < t.rates.size(); ++i)
            if (same(t.rates.at(i), key))
                return i;
        return -1;
    };
    const auto rate = [&](const RateTable& t, const RateRow& key) -> std::optional<RateRow> {
        const qsizetype at = rateAt(t, key);
        return at < 0 ? std::nullopt : std::optional(t.rates.at(at));
    };
    QList<RateRow> keys;
    for (const RateTable* t : {&loaded, &theirs})
        for (const RateRow& r : t->rates)
            if (std::none_of(keys.cbegin(), keys.cend(), [&](const RateRow& key) { return same(key, r); }))
                keys << r;
    for (const RateRow& key : keys) {
        const QString holder =
            key.berthId ? lookupText(berths, *key.berthId) : lookupText(types, key.berthTypeId.value_or(0));
        merge.field(
            QCoreApplication::translate("RateStore", "Rate of %1 in %2:").arg(holder, seasonName(key.seasonId)),
            [&, key](const RateTable& t) { return rate(t, key); },
            [&, key](RateTable& into, const RateTable& from) {
                const qsizetype at = rateAt(into, key);
                const auto taken = rate(from, key);
                if (at >= 0 && taken)
                    into.rates[at] = *taken;
                else if (at >= 0)
                    into.rates.removeAt(at);
                else if (taken)
                    into.rates << *taken;
            },
            rateText);
    }
    QList<int> typeIds = loaded.minimumLengthCm.keys();
    for (const int id : theirs.minimumLengthCm.keys())
        if (!typeIds.contains(id))
            typeIds << id;
    for (const int id : typeIds)
        merge.field(
            QCoreApplication::translate("RateStore", "Least length of %1:").arg(lookupText(types, id)),
            [id](const RateTable& t) { return t.minimumLengthCm.value(id); },
            [id](RateTable& into, const RateTable& from) {
                if (from.minimumLengthCm.contains(id))
                    into.minimumLengthCm.insert(id, from.minimumLengthCm.value(id));
                else
                    into.minimumLengthCm.remove(id);
            },
            [](int cm) { return cm > 0 ? Lengths::text(cm) : QString(); });
    return merge;
}

Result<QList<Pricing::TaxRate>> taxes(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT Name, Rate, FromDate FROM Tax ORDER BY FromDate, ID"), {}, &error))
        return databaseFailure(error);
    QList<Pricing::TaxRate> rows;
    while (q.next())
        rows << Pricing::TaxRate{q.value(0).toString(), q.value(1).toInt(), readDate(q.value(2))};
    return rows;
}

Status checkTaxes(const QList<Pricing::TaxRate>& edited)
{
    QSet<QDate> dates;
    for (const Pricing::TaxRate& rate : edited) {
        if (const Status checked = Pricing::checkTaxRate(rate); !checked)
            return checked;
        if (dates.contains(rate.from))
            return refused(QCoreApplication::translate("RateStore", "Two tax rates take effect on %1: keep one.")
                               .arg(DateTimes::dateText(rate.from)));
        dates.insert(rate.from);
    }
    return Done{};
}

Status writeTaxes(const QSqlDatabase& db, const QList<Pricing::TaxRate>& edited)
{
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM Tax"), {}, &error))
        return databaseFailure(error);
    qint64 id = 0;
    for (const Pricing::TaxRate& rate : edited)
        if (!Sql::exec(db, QStringLiteral("INSERT INTO Tax (ID, Name, Rate, FromDate) VALUES (?, ?, ?, ?)"),
                       {++id, rate.name.trimmed(), rate.hundredthsOfPercent, dateValue(rate.from)}, &error))
            return databaseFailure(error);
    return Done{};
}

Status saveTaxes(const QSqlDatabase& db, const QList<Pricing::TaxRate>& loaded, const QList<Pricing::TaxRate>& edited)
{
    if (const Status checked = checkTaxes(edited); !checked)
        return checked;
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto current = taxes(db);
    if (!current)
        return current.failure();
    if (*current != loaded)
        return conflict(QCoreApplication::translate(
            "RateStore", "Another desk changed the tax rates since this window read them, so nothing was saved. "
                         "Close the window and open it again to see their changes."));
    if (const Status written = writeTaxes(db, edited); !written)
        return written;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Result<QList<Pricing::BerthRates>> berthRates(const QSqlDatabase& db, const QList<int>& berthIds)
{
    if (berthIds.isEmpty())
        return QList<Pricing::BerthRates>{};
    QVariantList binds;
    QStringList marks;
    for (const int id : berthIds) {
        binds << id;
        marks << QStringLiteral("?");
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT b.ID, b.Name, b.Length, b.TypeID, b.DailyHireCharge, t.MinimumLength "
                                  "FROM Berth b LEFT JOIN BerthType t ON t.ID = b.TypeID WHERE b.ID IN (%1)")
                       .arg(marks.join(u',')),
                   binds, &error))
        return databaseFailure(error);
    struct Found
    {
        Pricing::BerthRates rates;
        std::optional<int> typeId;
    };
    QHash<int, Found> found;
    while (q.next())
        found.insert(q.value(0).toInt(), {{q.value(1).toString(),
                                           readAmount(q.value(4)),
                                           {},
                                           qRound(q.value(2).toDouble() * 100),
                                           qRound(q.value(5).toDouble() * 100)},
                                          readId(q.value(3))});
    const auto rates = readRates(db);
    if (!rates)
        return rates.failure();
    // The type's rates first, so that a berth's own replaces them season by season.
    for (auto it = found.begin(); it != found.end(); ++it) {
        const int id = it.key();
        Found& berth = it.value();
        for (const RateRow& row : *rates)
            if (row.berthTypeId && row.berthTypeId == berth.typeId)
                berth.rates.bySeason.insert(row.seasonId, row.rate);
        for (const RateRow& row : *rates)
            if (row.berthId == id)
                berth.rates.bySeason.insert(row.seasonId, row.rate);
    }
    QList<Pricing::BerthRates> result;
    for (const int id : berthIds)
        if (found.contains(id))
            result << found.value(id).rates;
    return result;
}

Result<QList<RegisterCharges>> registerCharges(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, DailyHireCharge, WeeklyHireCharge, MonthlyHireCharge FROM Berth "
                                  "WHERE WeeklyHireCharge IS NOT NULL OR MonthlyHireCharge IS NOT NULL ORDER BY ID"),
                   {}, &error))
        return databaseFailure(error);
    QList<RegisterCharges> rows;
    while (q.next())
        rows << RegisterCharges{q.value(0).toInt(), readAmount(q.value(1)), readAmount(q.value(2)),
                                readAmount(q.value(3))};
    return rows;
}

Result<QList<Sql::LookupItem>> berthTypes(const QSqlDatabase& db)
{
    QString error;
    auto items = Sql::readLookup(db, QStringLiteral("SELECT ID, Type FROM BerthType ORDER BY ID"), &error);
    if (!items)
        return databaseFailure(error);
    return *items;
}

Result<QList<Sql::LookupItem>> berths(const QSqlDatabase& db)
{
    QString error;
    auto items = Sql::readLookup(db, QStringLiteral("SELECT ID, Name FROM Berth ORDER BY Name, ID"), &error);
    if (!items)
        return databaseFailure(error);
    return *items;
}

} // namespace RateStore
