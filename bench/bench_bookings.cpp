// The booking wizard's two database costs on a large harbour: listing the berths free for a week (against the
// plain overlap query it replaces), and saving a two-berth booking. Neither may grow with the length of the history.
#include "BenchData.h"
#include "bookings/BerthAvailability.h"
#include "bookings/BoatFitting.h"
#include "bookings/BookingHistory.h"
#include "bookings/BookingStore.h"
#include "bookings/FindBookingModel.h"
#include "bookings/PeriodIndex.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {
// The plain overlap query the period index replaces: the same rule on the stored dates, through the index on
// Booking(FromDate, ToDate), which can only bound the arrival (FromDate < end) and so walks every earlier booking.
const QString PlainFreeBerths =
    QStringLiteral("SELECT ID, Name, Length, Width, HasPower, DailyHireCharge FROM Berth B LEFT JOIN ("
                   "SELECT DISTINCT BerthID FROM Booking BO INNER JOIN BookingBerth BB ON BO.ID = BB.BookingID "
                   " WHERE BO.FromDate < ? AND BO.ToDate > ? AND BO.ID <> 0) AS BE ON B.ID = BE.BerthID "
                   "WHERE BE.BerthID IS NULL AND B.Active <> 0");

std::vector<QDateTime> weeks(int bookings, int berths = BenchData::Berths)
{
    std::vector<QDateTime> starts;
    for (const QDate& day : BenchData::days(bookings, 256, 7, berths))
        starts.push_back(DateTimes::wallTime(day, QTime(14, 0)));
    return starts;
}

// A week from a 14:00 arrival to a 10:00 departure, as page 1 of the wizard asks; each iteration another week.
void BM_FreeBerthsOneWeek(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const int berths = static_cast<int>(state.range(1));
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("free"), berths);
    const auto starts = weeks(bookings, berths);
    size_t next = 0;
    qint64 offered = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        const QDateTime from = starts[next++ % starts.size()];
        const auto berths = BerthAvailability::freeBerths(db, from, from.addDays(7).addSecs(-4 * 3600), 0);
        offered += berths ? berths->size() : 0;
        benchmark::DoNotOptimize(berths);
    }
    state.counters["berths_offered"] = BenchData::perIteration(double(offered));
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_FreeBerthsOneWeek, ->Args({200000, BenchData::Berths})
                                            ->Args({2000000, BenchData::Berths})
                                            ->Args({2000000, BenchData::LargestBerths})
                                            ->ArgNames({"bookings", "berths"}));

// The free list when the desk's kept list of berths is out of date, as after any change to a berth: the list read
// again and put in natural order. Before each iteration, untimed, one berth changes: range 1 = 0 its charge (set to
// what it was: the names stay), 1 its name (another name each time). Beside BM_FreeBerthsOneWeek in one run, the
// difference is the cost of a cold list. On a scratch copy, since it writes; the server's CPU for the change is
// left out of server_cpu_ms.
void BM_FreeBerthsOneWeekCold(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const bool renamed = state.range(1) == 1;
    const QSqlDatabase db = BenchData::openScratch(engine, bookings, QStringLiteral("free_cold"));
    if (engine == Engine::SQLite && !Sql::exec(db, QStringLiteral("PRAGMA synchronous = OFF")))
        qFatal("cannot set up the scratch file");
    const auto berth = Sql::scalar(db, QStringLiteral("SELECT MIN(ID) FROM Berth WHERE Active <> 0"));
    if (!berth)
        qFatal("no active berth to change");
    const auto name = Sql::scalar(db, QStringLiteral("SELECT Name FROM Berth WHERE ID = ?"), {*berth});
    if (!name)
        qFatal("cannot read the berth's name");
    const auto starts = weeks(bookings);
    size_t next = 0;
    qint64 offered = 0;
    BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        state.PauseTiming();
        serverCpu.pause();
        const bool changed =
            renamed ? Sql::exec(db, QStringLiteral("UPDATE Berth SET Name = ? WHERE ID = ?"),
                                QVariantList{QStringLiteral("%1 %2").arg(name->toString()).arg(next), *berth})
                    : Sql::exec(db, QStringLiteral("UPDATE Berth SET DailyHireCharge = DailyHireCharge WHERE ID = ?"),
                                QVariantList{*berth});
        serverCpu.resume();
        if (!changed) {
            state.SkipWithError("the berth could not be changed");
            break;
        }
        state.ResumeTiming();
        const QDateTime from = starts[next++ % starts.size()];
        const auto berths = BerthAvailability::freeBerths(db, from, from.addDays(7).addSecs(-4 * 3600), 0);
        if (BenchData::failed(state, berths))
            break;
        offered += berths->size();
    }
    state.counters["berths_offered"] = BenchData::perIteration(double(offered));
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_FreeBerthsOneWeekCold, ->ArgsProduct({{200000}, {0, 1}})->ArgNames({"bookings", "renamed"}));

// The berths page with a boat chosen: the same free berths, then only those that fit an 11.5 m boat, tightest
// first. Beside BM_FreeBerthsOneWeek in one run, the filter's own cost is the difference.
void BM_FreeBerthsOneWeekFitFilter(benchmark::State& state)
{
    const int bookings = BenchData::bookings(state.range(0));
    const QSqlDatabase db = BenchData::open(Engine::SQLite, bookings, QStringLiteral("fit"));
    const auto starts = weeks(bookings);
    BoatRecord boat;
    boat.name = QStringLiteral("Seaspray");
    boat.lengthCm = 1150;
    boat.beamCm = 380;
    boat.draftCm = 190;
    size_t next = 0;
    qint64 offered = 0;
    for (auto _ : state) {
        const QDateTime from = starts[next++ % starts.size()];
        const auto berths = BerthAvailability::freeBerths(db, from, from.addDays(7).addSecs(-4 * 3600), 0);
        const auto fitting = BoatFitting::listed(berths.valueOr({}), boat, true, {});
        offered += fitting.size();
        benchmark::DoNotOptimize(fitting);
    }
    state.counters["berths_offered"] = BenchData::perIteration(double(offered));
}
BENCHMARK(BM_FreeBerthsOneWeekFitFilter)->Arg(200000)->ArgName("bookings")->Unit(benchmark::kMillisecond);

// The query alone: the busy berths of the week, from the index.
void BM_BusyBerthsOneWeek(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const int berths = static_cast<int>(state.range(1));
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("busy"), berths);
    const auto starts = weeks(bookings, berths);
    size_t next = 0;
    qint64 busy = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        const QDateTime from = starts[next++ % starts.size()];
        const auto berths = BerthAvailability::busyBerths(db, from, from.addDays(7).addSecs(-4 * 3600), 0);
        busy += berths ? berths->size() : 0;
    }
    state.counters["berths_taken"] = BenchData::perIteration(double(busy));
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_BusyBerthsOneWeek, ->Args({200000, BenchData::Berths})
                                            ->Args({2000000, BenchData::Berths})
                                            ->Args({2000000, BenchData::LargestBerths})
                                            ->ArgNames({"bookings", "berths"}));

// The floor under availability and the day list: the index search alone, counting the entries that overlap a week
// (as the busy berths ask: 14:00 to 10:00 seven days on) or a day (as the day list asks), no row sent back.
void BM_IndexSearchAlone(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const int berths = static_cast<int>(state.range(1));
    const bool week = state.range(2) == 7;
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("index"), berths);
    std::vector<std::pair<QDateTime, QDateTime>> periods;
    // The same periods as BM_BusyBerthsOneWeek and BM_DayList: their seeds.
    for (const QDate& day : BenchData::days(bookings, 256, week ? 7 : 13, berths))
        periods.push_back(
            week ? std::pair(DateTimes::wallTime(day, QTime(14, 0)), DateTimes::wallTime(day.addDays(7), QTime(10, 0)))
                 : std::pair(DateTimes::wallTime(day), DateTimes::wallTime(day.addDays(1))));
    size_t next = 0;
    qint64 entries = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        const auto& [from, to] = periods[next++ % periods.size()];
        // Read alone: on a server, the index by length class without the table, the quickest search there is.
        const auto overlap = PeriodIndex::touching(db, from, !week, to, false, PeriodIndex::Read::Alone);
        const auto count = Sql::scalar(
            db, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2").arg(overlap.from, overlap.sql), overlap.binds);
        if (!count) {
            state.SkipWithError("query failed");
            break;
        }
        entries += count->toLongLong();
    }
    state.counters["entries"] = BenchData::perIteration(double(entries));
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_IndexSearchAlone, ->ArgsProduct({{2000000}, {BenchData::Berths, BenchData::LargestBerths}, {7, 1}})
                                           ->ArgNames({"bookings", "berths", "days"}));

// The reference: the plain overlap query on Booking(FromDate, ToDate), same weeks, rows read the same way.
void BM_PlainOverlapOneWeek(benchmark::State& state)
{
    const int bookings = BenchData::bookings(state.range(0));
    const QSqlDatabase db = BenchData::open(bookings, QStringLiteral("plain"));
    const auto starts = weeks(bookings);
    size_t next = 0;
    qint64 offered = 0;
    for (auto _ : state) {
        const QDateTime from = starts[next++ % starts.size()];
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!Sql::exec(q, PlainFreeBerths,
                       {DateTimes::dbDateTime(from.addDays(7).addSecs(-4 * 3600)), DateTimes::dbDateTime(from)})) {
            state.SkipWithError("query failed");
            break;
        }
        while (q.next())
            ++offered;
    }
    state.counters["berths_offered"] = BenchData::perIteration(double(offered));
}
BENCHMARK(BM_PlainOverlapOneWeek)->Arg(200000)->Arg(2000000)->ArgName("bookings")->Unit(benchmark::kMillisecond);

// Saves a two-berth booking per iteration after the generated history, on berths that are free then.
void saveTwoBerthBookings(benchmark::State& state, const QSqlDatabase& db, int bookings)
{
    QDateTime from = DateTimes::wallTime(BenchData::sizes(bookings).until.addDays(30), QTime(9, 0));
    for (auto _ : state) {
        BookingRecord b;
        b.customerId = 1;
        b.fromDate = from;
        b.toDate = from.addDays(3).addSecs(5 * 3600);
        b.costOfHire = Money::fromPence(12000);
        b.berthIds = {11, 12};
        b.berthNames = {QStringLiteral("A11"), QStringLiteral("A12")};
        const auto result = BookingStore::saveBooking(db, b);
        if (!result) {
            state.SkipWithError("save failed");
            break;
        }
        from = from.addDays(4);
    }
}

void BM_SaveTwoBerthBooking(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const QSqlDatabase db = BenchData::openScratch(engine, bookings, QStringLiteral("save"));
    const BenchData::ServerCpu serverCpu(db);
    saveTwoBerthBookings(state, db, bookings);
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_SaveTwoBerthBooking, ->Arg(200000)->Arg(2000000)->ArgName("bookings"));

// The same save on a copy that records no history and guards no closed month: what the two cost a save. On a file
// their triggers are dropped; on a server the history is written by the statement triggers that also keep the
// periods, so a rule turns every history insert into nothing instead, and the closed-month guards are dropped.
void BM_SaveTwoBerthBookingUnrecorded(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const QSqlDatabase db = BenchData::openScratch(engine, bookings, QStringLiteral("save"));
    QString dropped;
    if (engine == Engine::SQLite) {
        for (const char* trigger :
             {"Booking_History_Insert", "BookingBerth_History_Insert", "BookingCharge_History_Insert",
              "Payment_History_Insert", "Booking_Closed_Insert", "BookingBerth_Closed_Insert",
              "BookingCharge_Closed_Insert", "Payment_Closed_Insert"})
            dropped += QStringLiteral("DROP TRIGGER %1; ").arg(QLatin1String(trigger));
    } else {
        dropped = QStringLiteral("CREATE RULE bench_unrecorded AS ON INSERT TO BookingHistory DO INSTEAD NOTHING; ");
        for (const char* table : {"Booking", "BookingBerth", "BookingCharge", "Payment"})
            dropped += QStringLiteral("DROP TRIGGER IF EXISTS %1_Closed ON %1; ").arg(QLatin1String(table));
    }
    if (!Sql::execScript(db, dropped)) {
        state.SkipWithError("the recording could not be switched off");
        return;
    }
    const BenchData::ServerCpu serverCpu(db);
    saveTwoBerthBookings(state, db, bookings);
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_SaveTwoBerthBookingUnrecorded, ->Arg(200000)->ArgName("bookings"));

// The History list of a booking changed 500 times, read and put into words as the list shows it: on a file, the
// busy harbour's copy; on a server, a database of its own (the read is one range of the history's index).
void BM_BookingHistory500(benchmark::State& state)
{
    const bool server = state.range(0) == 1;
    const QSqlDatabase db = server ? BenchData::openServer(QStringLiteral("history"), QStringLiteral("history"))
                                   : BenchData::open(BenchData::bookings(200000), QStringLiteral("history"), true);
    QString error;
    const auto id = Sql::insertReturningId(
        db,
        QStringLiteral("INSERT INTO Booking (CustomerID, FromDate, ToDate, CostOfHire) VALUES (1, '2031-05-01 "
                       "14:00:00', '2031-05-04 10:00:00', 1000000)"),
        {}, &error);
    if (!id) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    {
        Sql::Transaction tx(db);
        for (int i = 1; i < 500; ++i)
            Sql::exec(
                db,
                i % 2 ? QStringLiteral("UPDATE Booking SET Notes = ? WHERE ID = ?")
                      : QStringLiteral("UPDATE Booking SET CostOfHire = CostOfHire + 10000, Notes = ? WHERE ID = ?"),
                {QStringLiteral("change %1").arg(i), *id});
        tx.commit();
    }
    qint64 rows = 0;
    for (auto _ : state) {
        const auto changes = BookingHistory::read(db, static_cast<int>(*id));
        if (!changes || changes->size() < 500) {
            state.SkipWithError("the history could not be read");
            break;
        }
        rows += changes->size();
    }
    state.counters["rows"] = BenchData::perIteration(double(rows));
}
BENCHMARK(BM_BookingHistory500)->Arg(0)->Arg(1)->ArgName("server")->Unit(benchmark::kMillisecond);

// Find Booking as it opens: the one query over every booking with its customer and a screenful of cells.
void BM_FindBookingOpen(benchmark::State& state)
{
    const QSqlDatabase db = BenchData::open(BenchData::bookings(state.range(0)), QStringLiteral("find"));
    qint64 fetched = 0;
    for (auto _ : state) {
        FindBookingModel model;
        if (!model.load(db)) {
            state.SkipWithError("query failed");
            break;
        }
        for (int row = 0; row < 30; ++row)
            for (int column = 0; column < 3; ++column)
                benchmark::DoNotOptimize(model.index(row, column).data());
        fetched += model.rowCount();
    }
    state.counters["rows_fetched"] = BenchData::perIteration(double(fetched));
}
BENCHMARK(BM_FindBookingOpen)->Arg(200000)->ArgName("bookings")->Unit(benchmark::kMillisecond);

// "Start Search": the bounded query, a screenful of cells and the count of matches. Range 1 picks the bounds:
// 0 a fortnight somewhere in the history (both bounds), 1 arrivals from the history's first day (nearly every
// booking matches and is counted), 2 departures before a day in the middle.
void BM_FindBookingSearch(benchmark::State& state)
{
    const int bookings = BenchData::bookings(state.range(0));
    const QSqlDatabase db = BenchData::open(bookings, QStringLiteral("find"));
    const QDate first = BenchData::sizes(bookings).from;
    const int days = int(first.daysTo(BenchData::sizes(bookings).until));
    QRandomGenerator random(11);
    qint64 matches = 0;
    for (auto _ : state) {
        const QDateTime day = DateTimes::wallTime(first.addDays(random.bounded(days)));
        FindBookingModel::Bounds bounds;
        switch (state.range(1)) {
        case 0:
            bounds = {day, day.addDays(14), false, {}};
            break;
        case 1:
            bounds.arriving = DateTimes::wallTime(first);
            break;
        default:
            bounds.departing = DateTimes::wallTime(first.addDays(days / 2));
            break;
        }
        FindBookingModel model;
        const auto count = FindBookingModel::count(db, bounds);
        if (!model.load(db, bounds) || !count) {
            state.SkipWithError("query failed");
            break;
        }
        for (int row = 0; row < 30; ++row)
            benchmark::DoNotOptimize(model.index(row, 1).data());
        matches += *count;
    }
    state.counters["matches"] = BenchData::perIteration(double(matches));
}
BENCHMARK(BM_FindBookingSearch)
    ->ArgsProduct({{200000}, {0, 1, 2}})
    ->ArgNames({"bookings", "bounds"})
    ->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
