// The booking wizard's two database costs on a large harbour: listing the berths free for a week, and saving a
// two-berth booking. Both must not grow with the length of the booking history.
#include "GeneratedData.h"
#include "bookings/BerthAvailability.h"
#include "bookings/BookingStore.h"
#include "core/DataGenerator.h"
#include "core/Database.h"
#include "core/modFunctions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
using BenchData::GeneratedDatabase;
using BenchData::HistoryEnd;
using BenchData::HistoryStart;

QSqlDatabase OpenCopy(int bookings, int years, const QString& name, bool copy)
{
    QString path = GeneratedDatabase(bookings, years);
    if (copy) {
        const QString scratch = QDir::temp().filePath(QStringLiteral("zem-bench-scratch.sqlite"));
        QFile::remove(scratch);
        QFile::copy(path, scratch);
        path = scratch;
    }
    QString error;
    const auto db = Database::Open(path, name, 500, &error);
    if (!db)
        qFatal("%s", qPrintable(error));
    return *db;
}

void BM_FreeBerthsOneWeek(benchmark::State& state)
{
    const int bookings = static_cast<int>(state.range(0));
    const int years = static_cast<int>(state.range(1));
    const QSqlDatabase db = OpenCopy(bookings, years, QStringLiteral("free"), false);
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
    const QSqlDatabase db = OpenCopy(bookings, years, QStringLiteral("save"), true);
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
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
