// The calendars on a large harbour (2,000 berths): the occupancy grid's full fill and one-slot scroll in both
// views, against the per-cell method (a filter of every booked berth per row, then a search per cell) in the
// same run; and the simple calendar's day list.
#include "BenchData.h"
#include "berths/DayList.h"
#include "berths/OccupancyModel.h"
#include "bookings/PeriodIndex.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {
// The slot rows of the grid in a maximised window 1080 pixels high (400-twip rows of 27 pixels).
constexpr int SlotRows = 36;

using View = OccupancyModel::View;

std::unique_ptr<OccupancyModel> openGrid(const QSqlDatabase& db, View view, const QDate& day)
{
    auto model = std::make_unique<OccupancyModel>();
    if (!model->setStartDay(db, day) || !model->refresh(db) || !model->setView(db, view) ||
        !model->setSlotRows(db, SlotRows))
        qFatal("the grid could not be filled");
    return model;
}

void BM_GridFill(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const View view = View(state.range(1));
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("fill"));
    const auto days = BenchData::days(bookings, 64, 11);
    const auto model = openGrid(db, view, days.front());
    size_t next = 0;
    qint64 booked = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        if (!model->setStartDay(db, days[next++ % days.size()]))
            state.SkipWithError("fill failed");
        state.PauseTiming();
        for (int c = 0; c < model->columnCount(); ++c)
            booked += model->state(0, c) == OccupancyModel::CellState::Booked;
        state.ResumeTiming();
    }
    state.counters["cells"] = double(model->rowCount()) * model->columnCount();
    state.counters["booked_in_row_1"] = BenchData::perIteration(double(booked));
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_GridFill, ->ArgsProduct({{200000, 2000000}, {int(View::HalfHourly), int(View::Daily)}})
                                   ->ArgNames({"bookings", "view"}));

// The fill and then the names of the cells a maximised 1920-pixel window shows (28 berth columns of 1000 twips),
// which are read as the cells are painted.
void BM_GridFillAndShow(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const View view = View(state.range(1));
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("show"));
    const auto days = BenchData::days(bookings, 64, 11);
    const auto model = openGrid(db, view, days.front());
    size_t next = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        const QDate day = days[next++ % days.size()];
        if (!model->setStartDay(db, day))
            state.SkipWithError("fill failed");
        const int first = int((next * 97) % 1900); // somewhere along the harbour
        for (int r = 0; r < model->rowCount(); ++r)
            for (int c = first; c < first + 28; ++c)
                benchmark::DoNotOptimize(model->text(r, c));
    }
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_GridFillAndShow, ->ArgsProduct({{200000, 2000000}, {int(View::HalfHourly), int(View::Daily)}})
                                          ->ArgNames({"bookings", "view"}));

void BM_GridScroll(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const View view = View(state.range(1));
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("scroll"));
    const auto days = BenchData::days(bookings, 64, 11);
    const auto model = openGrid(db, view, days[7]);
    // From 12:00 the half-hourly rows run to 17:30 the next day, so both arrows move it.
    for (int i = 0; view == View::HalfHourly && i < 8; ++i)
        if (!model->scroll(db, 1))
            qFatal("the grid could not be scrolled");
    int direction = 1;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        if (!model->scroll(db, direction))
            state.SkipWithError("scroll refused");
        direction = -direction;
    }
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_GridScroll, ->ArgsProduct({{200000, 2000000}, {int(View::HalfHourly), int(View::Daily)}})
                                     ->ArgNames({"bookings", "view"}));

// One statement that reads nothing, the floor under every view's figure: on a file a call into the library, on a
// server a round trip over the socket.
void BM_RoundTrip(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = BenchData::open(engine, BenchData::bookings(state.range(0)), QStringLiteral("trip"));
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const BenchData::ServerCpu serverCpu(db);
    qint64 one = 0;
    for (auto _ : state) {
        if (!Sql::exec(q, QStringLiteral("SELECT 1")) || !q.next()) {
            state.SkipWithError("the statement failed");
            break;
        }
        one += q.value(0).toInt();
    }
    state.counters["rows"] = BenchData::perIteration(double(one));
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_RoundTrip, ->Args({200000})->ArgNames({"bookings"}));

// The per-cell method on the booked-berths record set held in memory (as the window holds it open): for each
// row a filter of every booked berth on the slot, then for each column a search of the filtered rows for the
// berth's name, or else a search of the berths from the first for its active flag.
struct BookedBerth
{
    int id;
    QString customer;
    qint64 from; // minutes
    qint64 to;
    QString berthName;
};
struct BerthRow
{
    QString name;
    bool active;
};

void BM_GridFillPerCell(benchmark::State& state)
{
    const int bookings = BenchData::bookings(state.range(0));
    const View view = View(state.range(1));
    const QSqlDatabase db = BenchData::open(bookings, QStringLiteral("percell"));
    std::vector<BookedBerth> booked;
    std::vector<BerthRow> berths;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        Sql::exec(q, QStringLiteral("SELECT B.ID, C.Name, B.FromDate, B.ToDate, BE.Name FROM Booking B "
                                    "LEFT JOIN Customer C ON B.CustomerID = C.ID "
                                    "JOIN BookingBerth BB ON B.ID = BB.BookingID JOIN Berth BE ON BB.BerthID = BE.ID"));
        while (q.next())
            booked.push_back({q.value(0).toInt(), q.value(1).toString(),
                              PeriodIndex::floorMinute(DateTimes::readDateTime(q.value(2))),
                              PeriodIndex::floorMinute(DateTimes::readDateTime(q.value(3))), q.value(4).toString()});
        Sql::exec(q, QStringLiteral("SELECT Name, Active FROM Berth"));
        while (q.next())
            berths.push_back({q.value(0).toString(), q.value(1).toInt() != 0});
    }
    const auto days = BenchData::days(bookings, 64, 11);
    const auto model = openGrid(db, view, days.front()); // for the slots, so both methods fill the same rows
    size_t next = 0;
    std::vector<QString> cells(berths.size() * SlotRows);
    for (auto _ : state) {
        state.PauseTiming();
        if (!model->setStartDay(db, days[next++ % days.size()]))
            state.SkipWithError("fill failed");
        state.ResumeTiming();
        for (int r = 0; r < model->rowCount(); ++r) {
            const qint64 a = PeriodIndex::floorMinute(model->slot(r));
            const qint64 b = PeriodIndex::floorMinute(model->slotEnd(r));
            std::vector<const BookedBerth*> filtered;
            for (const BookedBerth& row : booked)
                if (row.from < b && row.to > a)
                    filtered.push_back(&row);
            for (size_t c = 0; c < berths.size(); ++c) {
                const QString& name = berths[c].name;
                QString text = QStringLiteral("available");
                const auto hit = std::find_if(filtered.cbegin(), filtered.cend(),
                                              [&](const BookedBerth* row) { return row->berthName == name; });
                if (hit != filtered.cend()) {
                    text = (*hit)->customer;
                } else {
                    const auto berth = std::find_if(berths.cbegin(), berths.cend(),
                                                    [&](const BerthRow& row) { return row.name == name; });
                    text = berth != berths.cend() && berth->active ? QStringLiteral("available")
                                                                   : QStringLiteral("inactive");
                }
                cells[size_t(r) * berths.size() + c] = text;
            }
        }
        benchmark::DoNotOptimize(cells.data());
    }
    state.counters["record_set_rows"] = double(booked.size());
}
BENCHMARK(BM_GridFillPerCell)
    ->ArgsProduct({{200000, 2000000}, {int(View::HalfHourly), int(View::Daily)}})
    ->ArgNames({"bookings", "view"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

void BM_DayList(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const int berths = static_cast<int>(state.range(1));
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("day"), berths);
    const auto days = BenchData::days(bookings, 256, 13, berths);
    size_t next = 0;
    qint64 rows = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        const auto list = DayList::read(db, days[next++ % days.size()]);
        rows += list ? list->size() : 0;
    }
    state.counters["rows"] = BenchData::perIteration(double(rows));
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_DayList, ->Args({200000, BenchData::Berths})
                                  ->Args({2000000, BenchData::Berths})
                                  ->Args({2000000, BenchData::LargestBerths})
                                  ->ArgNames({"bookings", "berths"}));

// What the calendar's day list reads when a day is chosen: every booking's ID from the index, and the rows of the
// first block; the rest as the list is scrolled to them.
void BM_DayListWindow(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const int berths = static_cast<int>(state.range(1));
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("day-window"), berths);
    const auto days = BenchData::days(bookings, 256, 13, berths);
    size_t next = 0;
    DayListModel model;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        if (!model.load(db, days[next++ % days.size()]))
            state.SkipWithError("the day could not be read");
    }
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_DayListWindow, ->Args({2000000, BenchData::Berths})
                                        ->Args({2000000, BenchData::LargestBerths})
                                        ->ArgNames({"bookings", "berths"}));
// Scrolling down the calendar's day list: each iteration the next block of rows the view asks for; a new day is
// chosen, untimed, when the list ends.
void BM_DayListScroll(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const int berths = static_cast<int>(state.range(1));
    const QSqlDatabase db = BenchData::open(engine, bookings, QStringLiteral("day-scroll"), berths);
    const auto days = BenchData::days(bookings, 256, 13, berths);
    size_t next = 0;
    DayListModel model;
    qint64 blocks = 0;
    BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        if (!model.canFetchMore()) {
            state.PauseTiming();
            serverCpu.pause();
            if (!model.load(db, days[next++ % days.size()]))
                state.SkipWithError("the day could not be read");
            serverCpu.resume();
            state.ResumeTiming();
        }
        model.fetchMore();
        ++blocks;
    }
    state.counters["rows_per_block"] = double(DayListModel::BlockRows);
    benchmark::DoNotOptimize(blocks);
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_DayListScroll, ->Args({2000000, BenchData::Berths})
                                        ->Args({2000000, BenchData::LargestBerths})
                                        ->ArgNames({"bookings", "berths"}));
} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
