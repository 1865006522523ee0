// Pricing a stay from the seasons, beside today's daily charge × days of hire for the same stay.
#include "BenchData.h"
#include "bookings/BookingPricing.h"
#include "bookings/BookingRules.h"
#include "core/SqlHelpers.h"
#include "rates/Pricing.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

// Six seasons over a year, each with weekend, weekly and monthly rates, and a regatta fortnight above them.
QList<Pricing::Season> sixSeasons()
{
    const QDate y(2027, 1, 1);
    return {{1, QStringLiteral("Winter"), QDate(2026, 11, 1), QDate(2027, 2, 28), true, 1},
            {2, QStringLiteral("Spring"), y.addMonths(2), y.addMonths(5).addDays(-1), false, 1},
            {3, QStringLiteral("Summer"), y.addMonths(5), y.addMonths(8).addDays(-1), false, 1},
            {4, QStringLiteral("Autumn"), y.addMonths(8), y.addMonths(10).addDays(-1), false, 1},
            {5, QStringLiteral("Regatta"), QDate(2027, 7, 24), QDate(2027, 8, 7), false, 5},
            {6, QStringLiteral("Christmas"), QDate(2027, 12, 20), QDate(2028, 1, 2), false, 5}};
}

Pricing::BerthRates berth()
{
    Pricing::BerthRates berth{QStringLiteral("A1"), Money::fromPence(4500), {}, 1200, 800};
    for (qint64 id = 1; id <= 6; ++id)
        berth.bySeason.insert(id, {id % 2 ? Pricing::Basis::PerBerth : Pricing::Basis::PerMetre,
                                   Money::fromPence(2000 + 300 * id), Money::fromPence(2500 + 300 * id),
                                   Money::fromPence(12000 + 1500 * id), Money::fromPence(40000 + 5000 * id)});
    return berth;
}

void BM_PriceYearSixSeasons(benchmark::State& state)
{
    const QList<Pricing::Season> seasons = sixSeasons();
    const Pricing::BerthRates rates = berth();
    for (auto _ : state)
        benchmark::DoNotOptimize(Pricing::priceBerth(seasons, rates, QDate(2027, 1, 1), 365, 1410));
}
BENCHMARK(BM_PriceYearSixSeasons)->Unit(benchmark::kMicrosecond);

// The reference: the same berth and stay where the office defines no season, the daily charge times the days of
// hire as before seasons existed.
void BM_DailyChargeYear(benchmark::State& state)
{
    const Pricing::BerthRates rates = berth();
    const QDateTime from = QDateTime(QDate(2027, 1, 1), QTime(14, 0));
    const QDateTime to = QDateTime(QDate(2028, 1, 1), QTime(10, 0));
    for (auto _ : state)
        benchmark::DoNotOptimize(Pricing::priceBerth({}, rates, from.date(), BookingRules::daysOfHire(from, to)));
}
BENCHMARK(BM_DailyChargeYear)->Unit(benchmark::kMicrosecond);

// The wizard's step from the berths page to the charges page, 20 berths of the busy harbour's 2,000 marked for a
// fortnight: what the step now reads and works out (the seasons, the berths' rates and the taxes, then the stay
// priced night by night) beside what it worked out before seasons (each marked berth's daily charge times the
// days of hire, from the rows the grid already held). The rest of the step is the same page switch as before.
constexpr int StepBerths = 20;
const QDateTime StepFrom(QDate(2027, 7, 20), QTime(14, 0));
const QDateTime StepTo(QDate(2027, 8, 3), QTime(10, 0));

QList<int> stepBerthIds(const QSqlDatabase& db)
{
    QList<int> ids;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT ID FROM Berth ORDER BY ID LIMIT %1").arg(StepBerths)))
        qFatal("cannot read the berths");
    while (q.next())
        ids << q.value(0).toInt();
    return ids;
}

void BM_ChargesStepSixSeasons(benchmark::State& state)
{
    const QSqlDatabase db = BenchData::open(20000, QStringLiteral("rates-step"), true);
    // Six seasons with a nightly, weekend, weekly and monthly rate for every berth type.
    int rateId = 0;
    for (const Pricing::Season& season : sixSeasons()) {
        if (!Sql::exec(db,
                       QStringLiteral("INSERT INTO Season (ID, Name, FirstNight, LastNight, Yearly, Priority) "
                                      "VALUES (?, ?, ?, ?, ?, ?)"),
                       {season.id, season.name, season.firstNight.toString(Qt::ISODate),
                        season.lastNight.toString(Qt::ISODate), season.yearly ? 1 : 0, season.priority}) ||
            !Sql::exec(db,
                       QStringLiteral("INSERT INTO Rate (ID, SeasonID, BerthTypeID, PerMetre, Nightly, WeekendNight, "
                                      "Weekly, Monthly) SELECT ? + ID, ?, ID, ?, 250000, 300000, 1500000, "
                                      "5000000 FROM BerthType"),
                       {rateId, season.id, season.id % 2}))
            qFatal("cannot write the seasons");
        rateId += 1000;
    }
    const QList<int> ids = stepBerthIds(db);
    for (auto _ : state) {
        const auto quote = BookingPricing::quote(db, ids, StepFrom, StepTo);
        if (!quote)
            state.SkipWithError(qPrintable(quote.error()));
        benchmark::DoNotOptimize(quote->price.total);
    }
}
BENCHMARK(BM_ChargesStepSixSeasons)->Unit(benchmark::kMicrosecond);

void BM_ChargesStepDailyCharges(benchmark::State& state)
{
    const QSqlDatabase db = BenchData::open(20000, QStringLiteral("rates-daily"));
    QList<Money> daily;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT DailyHireCharge FROM Berth ORDER BY ID LIMIT %1").arg(StepBerths)))
        qFatal("cannot read the berths");
    while (q.next())
        daily << Money::fromDb(q.value(0));
    for (auto _ : state) {
        Money hire;
        for (const Money charge : daily)
            hire += charge * BookingRules::daysOfHire(StepFrom, StepTo);
        benchmark::DoNotOptimize(Pricing::charges(hire, Money(), Pricing::DeliveredTax));
    }
}
BENCHMARK(BM_ChargesStepDailyCharges)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
