#include "outputs/MeterLists.h"

#include "core/DateTimes.h"
#include "meters/MeterStore.h"

#include <QCoreApplication>
#include <QHash>

namespace MeterLists {
namespace {

ContractLists::List list(const QString& title, const QString& fileName, const QStringList& columns,
                         const QList<ContractLists::Value>& kinds)
{
    return {title, fileName, columns, kinds, {}};
}

} // namespace

Result<ContractLists::List> useByBerth(const QSqlDatabase& db, Meters::Kind kind, const QDate& first, const QDate& last)
{
    using V = ContractLists::Value;
    const auto use = MeterStore::useByMonth(db, kind, first, last);
    if (!use)
        return use.failure();
    auto found =
        list(QCoreApplication::translate("MeterLists", "%1 use by berth and month, %2 to %3")
                 .arg(Meters::kindText(kind), DateTimes::dateText(first), DateTimes::dateText(last)),
             QStringLiteral("meter-use"),
             {QCoreApplication::translate("MeterLists", "Berth"), QCoreApplication::translate("MeterLists", "Month"),
              QCoreApplication::translate("MeterLists", "Use (%1)").arg(Meters::defaultUnit(kind))},
             {V::Text, V::Text, V::Text});
    for (const MeterStore::MonthUse& u : *use)
        found.rows << QVariantList{u.berth, u.month, Meters::valueText(u.use, QLocale::c())};
    return found;
}

Result<ContractLists::List> notRead(const QSqlDatabase& db, const QDate& today, int days)
{
    using V = ContractLists::Value;
    const auto lines = MeterStore::walk(db, today);
    if (!lines)
        return lines.failure();
    auto found =
        list(QCoreApplication::translate("MeterLists", "Meters not read for more than %n day(s), on %1", nullptr, days)
                 .arg(DateTimes::dateText(today)),
             QStringLiteral("meters-not-read"),
             {QCoreApplication::translate("MeterLists", "Berth"), QCoreApplication::translate("MeterLists", "Meter"),
              QCoreApplication::translate("MeterLists", "Kind"), QCoreApplication::translate("MeterLists", "Last read"),
              QCoreApplication::translate("MeterLists", "Days")},
             {V::Text, V::Text, V::Text, V::Day, V::Text});
    QList<MeterStore::WalkLine> late;
    for (const MeterStore::WalkLine& line : *lines)
        if (!line.last || line.last->readAt.date().daysTo(today) > days)
            late << line;
    std::stable_sort(late.begin(), late.end(), [](const auto& a, const auto& b) {
        return (a.last ? a.last->readAt : QDateTime()) < (b.last ? b.last->readAt : QDateTime());
    });
    for (const MeterStore::WalkLine& line : late)
        found.rows << QVariantList{line.meter.berth, line.meter.serial, Meters::kindText(line.meter.kind),
                                   line.last ? QVariant(line.last->readAt.date()) : QVariant(),
                                   line.last ? QString::number(line.last->readAt.date().daysTo(today))
                                             : QCoreApplication::translate("MeterLists", "never read")};
    return found;
}

Result<ContractLists::List> flagged(const QSqlDatabase& db, const QDate& first, const QDate& last)
{
    using V = ContractLists::Value;
    const auto readings = MeterStore::remarkable(db, DateTimes::wallTime(first), DateTimes::wallTime(last.addDays(1)));
    if (!readings)
        return readings.failure();
    const auto meters = MeterStore::meters(db);
    if (!meters)
        return meters.failure();
    QHash<qint64, Meters::Meter> byId;
    for (const Meters::Meter& m : *meters)
        byId.insert(m.id, m);
    auto found =
        list(QCoreApplication::translate("MeterLists", "Readings flagged, %1 to %2")
                 .arg(DateTimes::dateText(first), DateTimes::dateText(last)),
             QStringLiteral("readings-flagged"),
             {QCoreApplication::translate("MeterLists", "Read on"), QCoreApplication::translate("MeterLists", "Berth"),
              QCoreApplication::translate("MeterLists", "Meter"), QCoreApplication::translate("MeterLists", "Reading"),
              QCoreApplication::translate("MeterLists", "Why")},
             {V::Day, V::Text, V::Text, V::Text, V::Text});
    for (const Meters::Reading& r : *readings) {
        const Meters::Meter m = byId.value(r.meterId);
        QStringList why;
        if (r.flagged)
            why << QCoreApplication::translate("MeterLists", "over three times the usual");
        if (r.rolledOver)
            why << QCoreApplication::translate("MeterLists", "rolled over");
        if (r.corrected)
            why << QCoreApplication::translate("MeterLists", "corrected from %1")
                       .arg(Meters::valueText(r.firstValue, QLocale::c()));
        found.rows << QVariantList{r.readAt.date(), m.berth, m.serial,
                                   Meters::valueText(r.value, QLocale::c()) + QLatin1Char(' ') + m.unit,
                                   why.join(QStringLiteral(", "))};
    }
    return found;
}

bool any(const QSqlDatabase& db)
{
    const auto meters = MeterStore::meters(db);
    return meters && !meters->isEmpty();
}

} // namespace MeterLists
