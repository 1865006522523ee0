// Availability and the booking chart on the busy harbour with 1,500 of its 2,000 berths held by contracts, beside
// the same harbour without contracts, in one run, on either engine (the "_pg" cases on the benchmarks' server). Each
// contract holds its berth through a block marked with it (HeldBerths::hold, written here without the save's checks).
// Two layouts: "contracts" holds the berths across the whole history over the generated bookings (the index carries
// both: a harsh case no office meets), and "term" holds them for the history's last year with the visitors' bookings on
// those berths in that year taken away, as a harbour whose contracts keep visitors off their berths has it; "term" is
// measured on days of that year, beside today's harbour on the same days.
#include "BenchData.h"
#include "berths/BookingChart.h"
#include "bookings/BerthAvailability.h"
#include "bookings/HeldBerths.h"
#include "core/BulkInsert.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QSet>
#include <QSqlError>
#include <benchmark/benchmark.h>

namespace {
const int Bookings = BenchData::bookings(200000);
constexpr int Held = 1500;
constexpr int Days = 60;

enum class Layout
{
    None,
    OverBookings,
    Term,
    TermInMonths // the same holds entered as one block a month, to see what the index's shape costs
};

// The last year of the history, which the "term" contracts hold.
std::pair<QDate, QDate> term()
{
    const DataGenerator::Sizes sizes = BenchData::sizes(Bookings);
    return {sizes.until.addDays(-365), sizes.until.addDays(-1)};
}

// Days spread over the whole history, or over the term's year less its last week.
std::vector<QDate> measuredDays(bool inTerm)
{
    if (!inTerm)
        return BenchData::days(Bookings, 64, 11);
    const auto [first, last] = term();
    std::vector<QDate> days;
    for (int i = 0; i < 64; ++i)
        days.push_back(first.addDays(qint64(i) * (first.daysTo(last) - 8) / 64));
    return days;
}

// A scratch copy of the harbour with 1,500 berths held as the layout says, on either engine.
QSqlDatabase harbour(Engine engine, Layout layout)
{
    const QString name = layout == Layout::None           ? QStringLiteral("contracts-none")
                         : layout == Layout::OverBookings ? QStringLiteral("contracts-held")
                         : layout == Layout::Term         ? QStringLiteral("contracts-term")
                                                          : QStringLiteral("contracts-term-months");
    // A connection of each engine's own, so the two engines' copies stay open side by side.
    const QString connection =
        QString(name).replace(u'-', u'_') + (engine == Engine::PostgreSQL ? QStringLiteral("_pg") : QString());
    // The layouts only read once made: each is made once a run, not again each time a benchmark is called to work
    // out its iterations (at 2,000,000 bookings a copy and its cancellations take minutes).
    static QSet<QString> made;
    if (made.contains(connection) && QSqlDatabase::contains(connection))
        return QSqlDatabase::database(connection);
    const QSqlDatabase db = BenchData::openScratch(engine, Bookings, connection);
    made.insert(connection);
    if (layout == Layout::None)
        return db;
    const DataGenerator::Sizes sizes = BenchData::sizes(Bookings);
    const bool inTerm = layout == Layout::Term || layout == Layout::TermInMonths;
    const QDate first = inTerm ? term().first : sizes.from;
    const QDate last = inTerm ? term().second : sizes.until.addDays(30);
    QString error;
    const bool written = Sql::inTransaction(db, &error, [&] {
        QSqlQuery q(db);
        if (!Sql::exec(q, QStringLiteral("SELECT ID FROM Berth ORDER BY ID"), {}, &error))
            return false;
        QList<int> berths;
        while (q.next() && berths.size() < Held)
            berths << q.value(0).toInt();
        // Visitors stay off a held berth: its bookings over the term are cancelled, their berth rows (and so their
        // index entries) taken away as a cancellation does.
        const QVariantList term{DateTimes::dbDateTime(HeldBerths::heldFrom(first)),
                                DateTimes::dbDateTime(HeldBerths::heldTo(last)), berths.last()};
        if (inTerm &&
            (!Sql::exec(db,
                        QStringLiteral("UPDATE Booking SET Cancelled = 1 WHERE ToDate > ? AND FromDate < ? AND ID IN "
                                       "(SELECT BookingID FROM BookingBerth WHERE BerthID <= ?)"),
                        term, &error) ||
             !Sql::exec(db,
                        QStringLiteral("DELETE FROM BookingBerth WHERE BookingID IN (SELECT ID FROM Booking WHERE "
                                       "Cancelled <> 0 AND ToDate > ? AND FromDate < ?) AND BerthID <= ?"),
                        term, &error)))
            return false;
        // Written a few hundred rows a statement, as a renewal run writes them, so a server copy is made in seconds.
        BulkInsert contracts(db, QStringLiteral("Contract"),
                             {QStringLiteral("ID"), QStringLiteral("CustomerID"), QStringLiteral("FirstDay"),
                              QStringLiteral("LastDay"), QStringLiteral("Hire"), QStringLiteral("Tax"),
                              QStringLiteral("Total")});
        HeldBerths::BulkHolds holds(db, &contracts);
        for (int i = 0; i < berths.size(); ++i) {
            const auto id = contracts.reserveId();
            if (!id || !contracts.add({*id, 1, first.toString(Qt::ISODate), last.toString(Qt::ISODate), 0, 0, 0}))
                return false;
            QList<std::pair<QDateTime, QDateTime>> pieces{{HeldBerths::heldFrom(first), HeldBerths::heldTo(last)}};
            if (layout == Layout::TermInMonths) {
                pieces.clear();
                for (QDate d = first; d <= last;) {
                    const QDate end = std::min(last, QDate(d.year(), d.month(), 1).addMonths(1).addDays(-1));
                    pieces.append({HeldBerths::heldFrom(d), HeldBerths::heldTo(end)});
                    d = end.addDays(1);
                }
            }
            for (const auto& [from, to] : pieces)
                if (!holds.hold(int(*id), berths[i], from, to, QStringLiteral("Holder %1").arg(i + 1)))
                    return false;
        }
        if (!contracts.flush() || !holds.flush())
            return false;
        return true;
    });
    if (!written)
        qFatal("the contracts could not be written: %s", qPrintable(error));
    // A server's copy is measured as an office's would be, its statistics read and the cancelled stays' dead index
    // rows cleared (autovacuum does both soon after such a change).
    if (QSqlQuery vacuum(db); engine == Engine::PostgreSQL && !vacuum.exec(QStringLiteral("VACUUM ANALYZE")))
        qFatal("the server copy could not be vacuumed: %s", qPrintable(vacuum.lastError().text()));
    return db;
}

// A week's free berths at days spread over the history.
void BM_FreeBerthsWeek(benchmark::State& state, Engine engine, Layout layout, bool inTerm)
{
    const QSqlDatabase db = harbour(engine, layout);
    const double serverBefore = BenchData::serverCpuSeconds(db);
    const auto days = measuredDays(inTerm);
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
    state.counters["server_cpu_ms"] =
        (BenchData::serverCpuSeconds(db) - serverBefore) * 1000.0 / double(std::max<qint64>(1, state.iterations()));
}
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, today, Engine::SQLite, Layout::None, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, today_pg, Engine::PostgreSQL, Layout::None, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, contracts, Engine::SQLite, Layout::OverBookings, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, contracts_pg, Engine::PostgreSQL, Layout::OverBookings, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, today_in_term, Engine::SQLite, Layout::None, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, today_in_term_pg, Engine::PostgreSQL, Layout::None, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, term, Engine::SQLite, Layout::Term, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, term_pg, Engine::PostgreSQL, Layout::Term, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, term_in_months, Engine::SQLite, Layout::TermInMonths, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FreeBerthsWeek, term_in_months_pg, Engine::PostgreSQL, Layout::TermInMonths, true)
    ->Unit(benchmark::kMillisecond);

// The chart's 60 days read, and the bars of 40 rows (a screen's worth) read with their names.
void BM_ChartReadAndBars(benchmark::State& state, Engine engine, Layout layout, bool inTerm)
{
    const QSqlDatabase db = harbour(engine, layout);
    const double serverBefore = BenchData::serverCpuSeconds(db);
    const auto days = measuredDays(inTerm);
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
    state.counters["server_cpu_ms"] =
        (BenchData::serverCpuSeconds(db) - serverBefore) * 1000.0 / double(std::max<qint64>(1, state.iterations()));
}
BENCHMARK_CAPTURE(BM_ChartReadAndBars, today, Engine::SQLite, Layout::None, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartReadAndBars, today_pg, Engine::PostgreSQL, Layout::None, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartReadAndBars, contracts, Engine::SQLite, Layout::OverBookings, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartReadAndBars, contracts_pg, Engine::PostgreSQL, Layout::OverBookings, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartReadAndBars, today_in_term, Engine::SQLite, Layout::None, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartReadAndBars, today_in_term_pg, Engine::PostgreSQL, Layout::None, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartReadAndBars, term, Engine::SQLite, Layout::Term, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ChartReadAndBars, term_pg, Engine::PostgreSQL, Layout::Term, true)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
