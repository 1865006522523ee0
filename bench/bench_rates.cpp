// Pricing a stay from the seasons, beside today's daily charge × days of hire for the same stay.
#include "bookings/BookingRules.h"
#include "rates/Pricing.h"

#include <QCoreApplication>
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

// The reference: today's rule for the same berth and stay.
void BM_DailyChargeYear(benchmark::State& state)
{
    const QList<AvailableBerth> marked{{1, QStringLiteral("A1"), 12.0, 4.0, false, Money::fromPence(4500)}};
    const QDateTime from = QDateTime(QDate(2027, 1, 1), QTime(14, 0));
    const QDateTime to = QDateTime(QDate(2028, 1, 1), QTime(10, 0));
    for (auto _ : state)
        benchmark::DoNotOptimize(BookingRules::hireTotal(marked, BookingRules::daysOfHire(from, to)));
}
BENCHMARK(BM_DailyChargeYear)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
