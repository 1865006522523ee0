// Availability and the booking chart on the busy harbour with 1,500 of its 2,000 berths held by contracts, beside
// the same harbour without contracts, in one run. Each contract holds its berth through a block marked with it
// (HeldBerths::hold, written here without the save's checks, so it lies over the generated bookings: the period
// index and the chart carry both), across the whole history, so every day measured meets all 1,500.
#include "BenchData.h"
#include "berths/BookingChart.h"
#include "bookings/BerthAvailability.h"
#include "bookings/HeldBerths.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <benchmark/benchmark.h>

namespace {
const int Bookings = BenchData::bookings(200000);
constexpr int Held = 1500;
constexpr int Days = 60;

// A scratch copy of the harbour; with contracts, 1,500 berths held over its whole history.
QSqlDatabase harbour(bool contracts)
{
    const QString name = contracts ? QStringLiteral("contracts-held") : QStringLiteral("contracts-none");
    const QSqlDatabase db = BenchData::open(Bookings, name, true);
    if (!contracts)
        return db;
    const DataGenerator::Sizes sizes = BenchData::sizes(Bookings);
    const QDate first = sizes.from;
    const QDate last = sizes.until.addDays(30);
    QString error;
    const bool written = Sql::inTransaction(db, &error, [&] {
        QSqlQuery q(db);
        if (!Sql::exec(q, QStringLiteral("SELECT ID FROM Berth ORDER BY ID"), {}, &error))
            return false;
        QList<int> berths;
        while (q.next() && berths.size() < Held)
            berths << q.value(0).toInt();
        for (int i = 0; i < berths.size(); ++i) {
            if (!Sql::exec(db,
                           QStringLiteral("INSERT INTO Contract (ID, CustomerID, FirstDay, LastDay, Hire, Tax, Total) "
                                          "VALUES (?, 1, ?, ?, 0, 0, 0)"),
                           {i + 1, first.toString(Qt::ISODate), last.toString(Qt::ISODate)}, &error))
                return false;
            if (!HeldBerths::hold(db, i + 1, berths[i], HeldBerths::heldFrom(first), HeldBerths::heldTo(last),
                                  QStringLiteral("Holder %1").arg(i + 1)))
                return false;
        }
        return true;
    });
    if (!written)
        qFatal("the contracts could not be written: %s", qPrintable(error));
    return db;
}

// A week's free berths at days spread over the history.
void BM_FreeBerthsWeek(benchmark::State& state, bool contracts)
{
    const QSqlDatabase db = harbour(contracts);
    const auto days = BenchData::days(Bookings, 64, 11);
    size_t next = 0;
    int free = 0;
    for (auto _ : state) {
        const QDate day = days[next++ % days.size()];
        const auto found = BerthAvailability::freeBerths(db, DateTimes::wallTime(day, QTime(14, 0)),
                                                         DateTimes::wallTime(day.addDays(7), QTime(10, 0)), 0);
        if (BenchData::failed(state, found))
            break;
        free = int(found->size());
    }
    state.counters["free_berths_last"] = free;
}
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, today, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, contracts, true)->Unit(benchmark::kMillisecond);

// The chart's 60 days read, and the bars of 40 rows (a screen's worth) read with their names.
void BM_ChartReadAndBars(benchmark::State& state, bool contracts)
{
    const QSqlDatabase db = harbour(contracts);
    const auto days = BenchData::days(Bookings, 64, 11);
    BookingChart chart;
    if (!chart.loadBerths(db))
        qFatal("the berths could not be read");
    size_t next = 0;
    int bars = 0;
    for (auto _ : state) {
        const auto read = chart.read(db, days[next % days.size()], Days);
        if (BenchData::failed(state, read))
            break;
        const int top = int((next * 97) % 1900);
        ++next;
        const auto shown = chart.bars(db, top, top + 40);
        if (BenchData::failed(state, shown))
            break;
        bars = int(shown->size());
    }
    state.counters["bars_in_view"] = bars;
}
BENCHMARK_CAPTURE(BM_ChartReadAndBars, today, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartReadAndBars, contracts, true)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
