// The booking chart on the busy harbour (2,000 berths, 2,000,000 bookings), beside the advanced calendar's fill in
// the same run: opening a 60-day window to its first full paint, a day's scroll, and the memory the open chart
// holds. The chart reads the index for the whole window and the booking rows of the berths in view only.
#include "BenchData.h"
#include "berths/BookingChart.h"
#include "berths/BookingChartView.h"
#include "berths/OccupancyModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QScrollBar>
#include <benchmark/benchmark.h>

namespace {
const int Bookings = BenchData::bookings(2000000);
constexpr int Days = 60;
// A maximised window on a 1920 × 1080 screen.
const QSize Screen(1920, 1000);

// Resident memory of this process in megabytes (the chart's own share is the change across opening it); field
// "RssFile:" alone gives the share that is files read through a map (a database file's pages: the system's cache,
// shared and given up under pressure, not the program's own).
double residentMegabytes(const QByteArray& field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// The rows in view read and painted once, as the window does after each change.
void paint(BookingChart& chart, BookingChartView& view, const QSqlDatabase& db, QImage& image)
{
    view.chartChanged();
    auto bars = chart.bars(db, view.firstVisibleRow(), view.lastVisibleRow());
    if (!bars)
        qFatal("%s", qPrintable(bars.error()));
    view.setBars(std::move(*bars));
    view.render(&image);
}

void BM_ChartOpen(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = BenchData::open(engine, Bookings, QStringLiteral("chart-open"));
    const auto days = BenchData::days(Bookings, 64, 11);
    QImage image(Screen, QImage::Format_ARGB32_Premultiplied);
    size_t next = 0;
    double grown = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        const double before = residentMegabytes();
        BookingChart chart;
        BookingChartView view(chart);
        view.resize(Screen);
        view.verticalScrollBar()->setValue(int((next * 97) % 1900)); // somewhere along the harbour
        if (!chart.loadBerths(db) || !chart.read(db, days[next++ % days.size()], Days))
            state.SkipWithError("the chart could not be read");
        paint(chart, view, db, image);
        grown = std::max(grown, residentMegabytes() - before);
    }
    state.counters["memory_mb"] = residentMegabytes();
    state.counters["mapped_files_mb"] = residentMegabytes("RssFile:");
    state.counters["chart_growth_mb"] = grown;
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_ChartOpen);

// One day on (or back): the window's index read again, the rows in view read and painted.
void BM_ChartScrollDay(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = BenchData::open(engine, Bookings, QStringLiteral("chart-scroll"));
    const QDate start = BenchData::days(Bookings, 64, 11)[7];
    QImage image(Screen, QImage::Format_ARGB32_Premultiplied);
    BookingChart chart;
    BookingChartView view(chart);
    view.resize(Screen);
    if (!chart.loadBerths(db) || !chart.read(db, start, Days))
        qFatal("the chart could not be read");
    paint(chart, view, db, image);
    int offset = 0;
    int bars = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        offset = offset == 0 ? 1 : 0;
        if (!chart.read(db, start.addDays(offset), Days))
            state.SkipWithError("the chart could not be read");
        paint(chart, view, db, image);
        bars = int(view.bars().size());
    }
    state.counters["bars_in_view"] = bars;
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_ChartScrollDay);

// One frame while a bar is dragged: the pointer moves a day and a berth, what is in the way is worked out from what
// the window read, and the view is painted. Nothing is read from the database while dragging.
void BM_ChartDragFrame(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = BenchData::open(engine, Bookings, QStringLiteral("chart-drag"));
    const QDate start = BenchData::days(Bookings, 64, 11)[7];
    QImage image(Screen, QImage::Format_ARGB32_Premultiplied);
    BookingChart chart;
    BookingChartView view(chart);
    view.resize(Screen);
    view.verticalScrollBar()->setValue(900);
    if (!chart.loadBerths(db) || !chart.read(db, start, Days))
        qFatal("the chart could not be read");
    paint(chart, view, db, image);
    if (view.bars().empty())
        qFatal("no bars in view");
    const BookingChart::Bar& bar = view.bars()[view.bars().size() / 2];
    const QPoint from = view.barRect(bar).center();
    const QPoint step(view.cellRect(bar.row, 1).width(),
                      view.cellRect(bar.row + 1, 0).top() - view.cellRect(bar.row, 0).top());
    const auto send = [&](QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    int frame = 0;
    for (auto _ : state) {
        frame = (frame + 1) % 8;
        send(QEvent::MouseMove, from + step * (frame + 1), Qt::LeftButton);
        view.render(&image);
    }
    send(QEvent::MouseButtonRelease, from, Qt::NoButton);
}
BENCHMARK_CAPTURE(BM_ChartDragFrame, sqlite, Engine::SQLite)->Unit(benchmark::kMillisecond);

// The advanced calendar's daily view filled for the same days (36 rows, every berth), for comparison.
void BM_AdvancedCalendarFill(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = BenchData::open(engine, Bookings, QStringLiteral("calendar-fill"));
    const auto days = BenchData::days(Bookings, 64, 11);
    OccupancyModel model;
    if (!model.setStartDay(db, days.front()) || !model.refresh(db) || !model.setView(db, OccupancyModel::View::Daily) ||
        !model.setSlotRows(db, 36))
        qFatal("the grid could not be filled");
    size_t next = 0;
    for (auto _ : state) {
        if (!model.setStartDay(db, days[next++ % days.size()]))
            state.SkipWithError("fill failed");
    }
}
ZEM_BENCH_ENGINES(BM_AdvancedCalendarFill);
} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv, true);
}
