// The outputs on a large harbour: the CSV export of 200,000 reservations, and a booking list of about 10,000
// bookings read and laid out for its preview.
#include "BenchData.h"
#include "bookings/BookingReports.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/ui/DocumentRenderer.h"
#include "outputs/CsvExport.h"
#include "outputs/ExportMenu.h"
#include "outputs/ReportLayouts.h"

#include <QFileInfo>
#include <QPrinter>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
const int Bookings = BenchData::bookings(200000);
constexpr int Years = 10;

class Clock final : public IClock
{
public:
    QDateTime now() const override { return DateTimes::wallTime(QDate(2026, 12, 4), QTime(9, 15, 2)); }
};

void BM_ExportReservations(benchmark::State& state)
{
    const QSqlDatabase db = BenchData::open(Bookings, Years, QStringLiteral("export"), false);
    QTemporaryDir folder;
    BenchData::QuietMessages messages;
    BenchData::FixedFile files;
    files.path = folder.filePath(QStringLiteral("Reservations.csv"));
    BenchData::NoDesktop desktop;
    Clock clock;
    EventLogFile events(clock);
    const Services services{messages, files, desktop, clock, events, db.connectionName()};
    qint64 bytes = 0;
    for (auto _ : state) {
        if (!ExportMenu::exportReservations(services)) {
            state.SkipWithError("export failed");
            break;
        }
        bytes += QFileInfo(files.path).size();
    }
    state.SetBytesProcessed(bytes);
    state.counters["file_MB"] = double(QFileInfo(files.path).size()) / 1e6;
}
BENCHMARK(BM_ExportReservations)->Unit(benchmark::kMillisecond)->UseRealTime();

// The two parts of that cost: the rows formatted into a device that keeps nothing (no disk), and, as the
// reference no writer can beat, the same statement only read through Qt SQL.
class NullDevice final : public QIODevice
{
protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override { return size; }
};

void BM_ReservationsFormattedOnly(benchmark::State& state)
{
    const QSqlDatabase db = BenchData::open(Bookings, Years, QStringLiteral("format"), false);
    qint64 bytes = 0;
    for (auto _ : state) {
        QSqlQuery rows(db);
        rows.setForwardOnly(true);
        NullDevice out;
        if (!rows.exec(BookingReports::reservationsSql()) || !rows.next() || !out.open(QIODevice::WriteOnly) ||
            !CsvExport::writeRows(rows, out)) {
            state.SkipWithError("export failed");
            break;
        }
        bytes += out.pos();
    }
    state.SetBytesProcessed(bytes);
}
BENCHMARK(BM_ReservationsFormattedOnly)->Unit(benchmark::kMillisecond);

void BM_ReservationsReadOnly(benchmark::State& state)
{
    const QSqlDatabase db = BenchData::open(Bookings, Years, QStringLiteral("read"), false);
    for (auto _ : state) {
        QSqlQuery rows(db);
        rows.setForwardOnly(true);
        if (!rows.exec(BookingReports::reservationsSql())) {
            state.SkipWithError("query failed");
            break;
        }
        const int columns = rows.record().count();
        qint64 nulls = 0;
        while (rows.next())
            for (int i = 0; i < columns; ++i)
                nulls += rows.value(i).isNull();
        benchmark::DoNotOptimize(nulls);
    }
}
BENCHMARK(BM_ReservationsReadOnly)->Unit(benchmark::kMillisecond);

// A list of about 10,000 bookings (a period of 174 days at the end of the generated history), read and laid
// out on the printer the preview uses (range 0), or also painted page by page into a PDF file (range 1).
void BM_BookingList(benchmark::State& state)
{
    const QSqlDatabase db = BenchData::open(Bookings, Years, QStringLiteral("list"), false);
    const QDateTime to = DateTimes::wallTime(BenchData::HistoryEnd.addDays(-30), QTime(12, 0));
    const QDateTime from = to.addDays(-174);
    const bool paint = state.range(0) == 1;
    QTemporaryDir folder;
    qint64 rows = 0;
    qint64 pages = 0;
    for (auto _ : state) {
        const auto list = BookingReports::build(db, BookingReports::List::AllBookings, from, to, to);
        if (!list) {
            state.SkipWithError("list failed");
            break;
        }
        const Doc::Document document = ReportLayouts::layout(BookingReports::List::AllBookings, *list);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("list.pdf")));
        printer.setPageMargins(document.marginsMm, QPageLayout::Millimeter);
        pages =
            paint ? DocumentRenderer::render(document, printer) : DocumentRenderer::paginate(document, printer).size();
        rows = list->rows.size();
    }
    state.counters["rows"] = double(rows);
    state.counters["pages"] = double(pages);
}
BENCHMARK(BM_BookingList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv, true);
}
