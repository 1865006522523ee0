// The payments ledger on the busy harbour's 2,000 berths: "Payments due" over 10,000 bookings with 30,000 ledger
// lines beside a plain read of the same bookings, and the summary's reads for a booking with 50 lines beside the
// reads it made before the ledger. Both engines.
#include "BenchData.h"
#include "bookings/BookingSummaryData.h"
#include "bookings/Ledger.h"
#include "bookings/PaymentTerms.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

constexpr int Bookings = 10000;
constexpr int BusyBooking = 5000; // the booking given 50 lines

// The harbour with about three lines a booking: what was paid at booking (nine bookings in ten), a part payment,
// and a refund, a correction or a further payment (the amount paid kept their sum). Added once: ledger lines are
// never deleted.
QSqlDatabase withLedger(Engine engine)
{
    const QSqlDatabase db = BenchData::open(engine, Bookings, QStringLiteral("ledger"));
    if (Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Payment WHERE Desk = 'bench@desk'"))->toInt() > 0)
        return db;
    Sql::Transaction tx(db);
    const QString addLines =
        QStringLiteral("INSERT INTO Payment (BookingID, PaidAt, Kind, PaymentMethodID, Amount, Reference, Desk, Note) "
                       "SELECT ID, FromDate, %1, PaymentMethodID, %2, 'bench', 'bench@desk', '' FROM Booking");
    const QString lines[] = {addLines.arg(QStringLiteral("2"), QStringLiteral("COALESCE(TotalPayable, 0) / 10 + 100")),
                             addLines.arg(QStringLiteral("CASE ID % 3 WHEN 0 THEN 2 WHEN 1 THEN 3 ELSE 4 END"),
                                          QStringLiteral("CASE ID % 3 WHEN 0 THEN 500 ELSE -100 END"))};
    for (const QString& sql : lines)
        if (!Sql::exec(db, sql))
            qFatal("cannot add the ledger lines");
    for (int i = 0; i < 48; ++i)
        if (!Sql::exec(db,
                       QStringLiteral("INSERT INTO Payment (BookingID, PaidAt, Kind, Amount, Reference, Desk, Note) "
                                      "VALUES (?, '2026-01-01 10:00:00', 2, 100, 'bench', 'bench@desk', '')"),
                       {BusyBooking}))
            qFatal("cannot add the busy booking's lines");
    if (!Sql::exec(db, QStringLiteral("UPDATE Booking SET AmountPayed = (SELECT COALESCE(SUM(Amount), 0) FROM "
                                      "Payment WHERE Payment.BookingID = Booking.ID)")) ||
        !tx.commit())
        qFatal("cannot keep the amounts paid");
    return db;
}

void BM_PaymentsDue(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = withLedger(engine);
    PaymentTerms terms;
    terms.deposit = PaymentTerms::Deposit::Percent;
    terms.percent = 2500;
    terms.balanceDays = 28;
    qint64 rows = 0;
    for (auto _ : state) {
        const auto owing = Ledger::owing(db, terms, QDate(2026, 7, 1));
        if (!owing) {
            state.SkipWithError(qPrintable(owing.error()));
            break;
        }
        rows += owing->size();
    }
    state.counters["owing"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_PaymentsDue, sqlite, Engine::SQLite)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaymentsDue, postgresql, Engine::PostgreSQL)->Unit(benchmark::kMillisecond);

// The reference: every booking's amounts read once, nothing worked out.
void BM_PlainBookingRead(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = withLedger(engine);
    qint64 rows = 0;
    for (auto _ : state) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT ID, FromDate, Created, TotalPayable, AmountPayed FROM Booking"))) {
            state.SkipWithError("query failed");
            break;
        }
        while (q.next())
            ++rows;
    }
    state.counters["rows"] = benchmark::Counter(double(rows), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_PlainBookingRead, sqlite, Engine::SQLite)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlainBookingRead, postgresql, Engine::PostgreSQL)->Unit(benchmark::kMillisecond);

// What the summary read before the ledger: the booking with its customer, and the printed documents' row.
void summaryBefore(benchmark::State& state, const QSqlDatabase& db)
{
    if (!BookingSummaryData::load(db, BusyBooking) || !BookingSummaryData::prepareInvoiceRows(db, BusyBooking))
        state.SkipWithError("summary read failed");
}

void BM_SummaryBeforeLedger(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = withLedger(engine);
    for (auto _ : state)
        summaryBefore(state, db);
}
BENCHMARK_CAPTURE(BM_SummaryBeforeLedger, sqlite, Engine::SQLite)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SummaryBeforeLedger, postgresql, Engine::PostgreSQL)->Unit(benchmark::kMillisecond);

// The same with what the summary reads now: the booking's 50 lines, its account, the terms and the credit held.
void BM_SummaryWithLedger(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = withLedger(engine);
    qint64 lines = 0;
    for (auto _ : state) {
        summaryBefore(state, db);
        const auto read = Ledger::lines(db, BusyBooking);
        const auto held = Ledger::account(db, BusyBooking);
        if (!read || !held || !PaymentTerms::load(db) || !Ledger::customerCredit(db, held->customerId)) {
            state.SkipWithError("ledger read failed");
            break;
        }
        lines += read->size();
    }
    state.counters["lines"] = benchmark::Counter(double(lines), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_SummaryWithLedger, sqlite, Engine::SQLite)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SummaryWithLedger, postgresql, Engine::PostgreSQL)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
