// The booking wizard's two database costs on a large harbour: listing the berths free for a week, and saving a
// two-berth booking. Both must not grow with the length of the booking history.
#include "BenchData.h"
#include "bookings/BerthAvailability.h"
#include "bookings/BookingStore.h"
#include "bookings/FindBookingModel.h"
#include "core/modFunctions.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {
using BenchData::HistoryEnd;
using BenchData::HistoryStart;

void BM_FreeBerthsOneWeek(benchmark::State& state)
{
    const int bookings = static_cast<int>(state.range(0));
    const int years = static_cast<int>(state.range(1));
    const QSqlDatabase db = BenchData::Open(bookings, years, QStringLiteral("free"), false);
    // One-week periods spread over the whole history, so no part of it is favoured.
    QRandomGenerator random(7);
    std::vector<QDateTime> starts;
    for (int i = 0; i < 256; ++i)
        starts.push_back(
            modFunctions::WallTime(HistoryStart(years).addDays(random.bounded(years * 360)), QTime(9, 0)));
    size_t next = 0;
    qint64 offered = 0;
    for (auto _ : state) {
        const QDateTime from = starts[next++ % starts.size()];
        const auto berths = BerthAvailability::FreeBerths(db, from, from.addDays(7).addSecs(5 * 3600), 0);
        offered += berths ? berths->size() : 0;
        benchmark::DoNotOptimize(berths);
    }
    state.counters["berths_offered"] = benchmark::Counter(double(offered), benchmark::Counter::kAvgIterations);
}
// Ten years of history, a hundred years at the same density, and ten years ten times as dense.
BENCHMARK(BM_FreeBerthsOneWeek)
    ->Args({200000, 10})
    ->Args({2000000, 100})
    ->Args({2000000, 10})
    ->Unit(benchmark::kMillisecond);

void BM_SaveTwoBerthBooking(benchmark::State& state)
{
    const int bookings = static_cast<int>(state.range(0));
    const int years = static_cast<int>(state.range(1));
    const QSqlDatabase db = BenchData::Open(bookings, years, QStringLiteral("save"), true);
    // Each booking goes after the generated history, on berths that are free then.
    QDateTime from = modFunctions::WallTime(HistoryEnd.addDays(30), QTime(9, 0));
    for (auto _ : state) {
        BookingRecord b;
        b.customerId = 1;
        b.fromDate = from;
        b.toDate = from.addDays(3).addSecs(5 * 3600);
        b.costOfHire = Money::FromPence(12000);
        b.berthIds = {11, 12};
        b.berthNames = {QStringLiteral("A11"), QStringLiteral("A12")};
        const auto result = BookingStore::SaveBooking(db, b);
        if (!result.ok) {
            state.SkipWithError("save failed");
            break;
        }
        from = from.addDays(4);
    }
}
BENCHMARK(BM_SaveTwoBerthBooking)->Args({200000, 10})->Args({2000000, 100})->Unit(benchmark::kMillisecond);

// Find Booking as it opens: the one query over every booking with its customer and a screenful of cells.
void BM_FindBookingOpen(benchmark::State& state)
{
    const QSqlDatabase db =
        BenchData::Open(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), QStringLiteral("find"), false);
    qint64 fetched = 0;
    for (auto _ : state) {
        FindBookingModel model;
        if (!model.Load(db)) {
            state.SkipWithError("query failed");
            break;
        }
        for (int row = 0; row < 30; ++row)
            for (int column = 0; column < 3; ++column)
                benchmark::DoNotOptimize(model.index(row, column).data());
        fetched += model.rowCount();
    }
    state.counters["rows_fetched"] = benchmark::Counter(double(fetched), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FindBookingOpen)->Args({200000, 10})->Unit(benchmark::kMillisecond);

// "Start Search": the bounded query, a screenful of cells and the count of matches. Range 2 picks the bounds:
// 0 a fortnight somewhere in the history (both bounds), 1 arrivals from the history's first day (nearly every
// booking matches and is counted), 2 departures before a day in the middle.
void BM_FindBookingSearch(benchmark::State& state)
{
    const int years = static_cast<int>(state.range(1));
    const QSqlDatabase db = BenchData::Open(static_cast<int>(state.range(0)), years, QStringLiteral("find"), false);
    QRandomGenerator random(11);
    qint64 matches = 0;
    for (auto _ : state) {
        const QDateTime day = modFunctions::WallTime(HistoryStart(years).addDays(random.bounded(years * 360)));
        FindBookingModel::Bounds bounds;
        switch (state.range(2)) {
        case 0:
            bounds = {day, day.addDays(14)};
            break;
        case 1:
            bounds.arriving = modFunctions::WallTime(HistoryStart(years));
            break;
        default:
            bounds.departing = modFunctions::WallTime(HistoryStart(years).addDays(years * 180));
            break;
        }
        FindBookingModel model;
        const auto count = FindBookingModel::Count(db, bounds);
        if (!model.Load(db, bounds) || !count) {
            state.SkipWithError("query failed");
            break;
        }
        for (int row = 0; row < 30; ++row)
            benchmark::DoNotOptimize(model.index(row, 1).data());
        matches += *count;
    }
    state.counters["matches"] = benchmark::Counter(double(matches), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FindBookingSearch)
    ->Args({200000, 10, 0})
    ->Args({200000, 10, 1})
    ->Args({200000, 10, 2})
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
