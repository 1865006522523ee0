// The Today window and the figures at 2,000 berths and 2,000,000 bookings (January 2000 to December 2045): the
// Today window's reads, occupancy and revenue by month over ten years, beside a plain read of every booking's
// dates and prices as the reference. Both engines.
#include "BenchData.h"
#include "bookings/BookingFigures.h"
#include "core/DateTimes.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

const int Bookings = BenchData::bookings(2000000);
// Ten years in the middle of the history, and a busy day in them.
const QDate TenYearsFrom(2030, 1, 1);
const QDate TenYearsTo(2039, 12, 31);
const QDateTime Now = DateTimes::wallTime(QDate(2035, 7, 14), QTime(9, 15));

QSqlDatabase harbour(Engine engine)
{
    return BenchData::open(engine, Bookings, QStringLiteral("figures"));
}

// What the Today window reads: its four lists and the 14 nights of its chart.
void BM_TodayFill(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = harbour(engine);
    qint64 lines = 0;
    for (auto _ : state) {
        const auto today = BookingFigures::today(db, Now);
        const auto nights = BookingFigures::nightsSold(
            db, BookingFigures::steps(Now.date(), Now.date().addDays(13), BookingFigures::Step::Day));
        const auto active = BookingFigures::activeBerths(db);
        if (!today || !nights || !active) {
            state.SkipWithError("read failed");
            break;
        }
        lines += today->arrivals.size() + today->departures.size() + today->inHarbour.size() + today->owingSoon.size();
    }
    state.counters["lines"] = BenchData::perIteration(double(lines));
}
ZEM_BENCH_ENGINES(BM_TodayFill);

void BM_OccupancyByMonthTenYears(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = harbour(engine);
    const auto months = BookingFigures::steps(TenYearsFrom, TenYearsTo, BookingFigures::Step::Month);
    qint64 nights = 0;
    for (auto _ : state) {
        const auto sold = BookingFigures::nightsSold(db, months);
        if (!sold) {
            state.SkipWithError("read failed");
            break;
        }
        for (const auto& month : *sold)
            for (qint64 n : month)
                nights += n;
    }
    state.counters["nights"] = BenchData::perIteration(double(nights));
}
ZEM_BENCH_ENGINES(BM_OccupancyByMonthTenYears);

void BM_RevenueByMonthTenYears(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = harbour(engine);
    qint64 bookings = 0;
    for (auto _ : state) {
        const auto months = BookingFigures::revenueByMonth(db, TenYearsFrom, TenYearsTo);
        if (!months) {
            state.SkipWithError("read failed");
            break;
        }
        for (const auto& m : *months)
            bookings += m.bookings;
    }
    state.counters["bookings"] = BenchData::perIteration(double(bookings));
}
ZEM_BENCH_ENGINES(BM_RevenueByMonthTenYears);

// The reference: the ten years' bookings read once by their dates, their prices summed, nothing worked out.
void BM_PlainBookingQuery(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = harbour(engine);
    qint64 bookings = 0;
    for (auto _ : state) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral(
                "SELECT COUNT(*), SUM(CostOfHire), SUM(CASE WHEN ToDate > FromDate THEN 1 ELSE 0 END) FROM Booking "
                "WHERE FromDate >= '2030-01-01' AND FromDate < '2040-01-01'")) ||
            !q.next()) {
            state.SkipWithError("query failed");
            break;
        }
        bookings += q.value(0).toLongLong();
    }
    state.counters["bookings"] = BenchData::perIteration(double(bookings));
}
ZEM_BENCH_ENGINES(BM_PlainBookingQuery);

} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
