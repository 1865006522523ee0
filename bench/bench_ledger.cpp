// The payments ledger on the busy harbour's 2,000 berths: "Payments due" over 10,000 bookings with 30,000 ledger
// lines beside a plain read of the same bookings, the summary's reads for a booking with 50 lines beside the
// reads it made before the ledger, and the cash-up of a busy month of 60,000 lines (on a harbour of its own) beside
// a plain sum of the same lines. Both engines.
#include "BenchData.h"
#include "bookings/BookingSummaryData.h"
#include "bookings/Ledger.h"
#include "bookings/PaymentTerms.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

const int Bookings = BenchData::bookings(10000);
const int BusyBooking = Bookings / 2; // the booking given 50 lines

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
        if (BenchData::failed(state, owing))
            break;
        rows += owing->size();
    }
    state.counters["owing"] = BenchData::perIteration(double(rows));
}
ZEM_BENCH_ENGINES(BM_PaymentsDue);

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
    state.counters["rows"] = BenchData::perIteration(double(rows));
}
ZEM_BENCH_ENGINES(BM_PlainBookingRead);

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
ZEM_BENCH_ENGINES(BM_SummaryBeforeLedger);

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
    state.counters["lines"] = BenchData::perIteration(double(lines));
}
ZEM_BENCH_ENGINES(BM_SummaryWithLedger);

// The cash-up's own harbour (its lines would change the one above's amounts paid): 20,000 bookings, each with
// what was paid when it was taken, and March 2030 with 60,000 lines on top, three on each booking between the
// 10th and the 30th, over five methods and four desks; one in ten a refund, one in ten a correction. Added once.
const int CashUpBookings = BenchData::bookings(20000);
const QDate BusyMonth(2030, 3, 1);

QSqlDatabase withBusyMonth(Engine engine)
{
    const QSqlDatabase db = BenchData::open(engine, CashUpBookings, QStringLiteral("cashup"));
    if (Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Payment WHERE Desk LIKE 'cashup%'"))->toInt() > 0)
        return db;
    Sql::Transaction tx(db);
    const QString history =
        QStringLiteral("INSERT INTO Payment (BookingID, PaidAt, Kind, PaymentMethodID, Amount, Reference, Desk, Note) "
                       "SELECT ID, FromDate, 2, PaymentMethodID, COALESCE(TotalPayable, 0) / 10 + 100, 'bench', "
                       "'history', '' FROM Booking");
    if (!Sql::exec(db, history))
        qFatal("cannot add the history's lines");
    for (int hour = 9; hour < 12; ++hour)
        if (!Sql::exec(db, QStringLiteral("INSERT INTO Payment (BookingID, PaidAt, Kind, PaymentMethodID, Amount, "
                                          "Reference, Desk, Note) SELECT ID, '2030-03-' || CAST(10 + ID % 21 AS TEXT) "
                                          "|| ' %1:00:00', CASE (ID + %1) % 10 WHEN 0 THEN 3 WHEN 1 THEN 4 ELSE 2 END, "
                                          "1 + (ID / 3) % 5, CASE (ID + %1) % 10 WHEN 0 THEN -100 ELSE 2500 + ID % 100 "
                                          "END, 'bench', 'cashup' || CAST((ID + %1) % 4 AS TEXT), '' FROM Booking")
                               .arg(hour)))
            qFatal("cannot add the busy month's lines");
    if (!Sql::exec(db, QStringLiteral("UPDATE Booking SET AmountPayed = (SELECT COALESCE(SUM(Amount), 0) FROM "
                                      "Payment WHERE Payment.BookingID = Booking.ID)")) ||
        !tx.commit())
        qFatal("cannot keep the amounts paid");
    return db;
}

void BM_CashUpBusyMonth(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = withBusyMonth(engine);
    const BenchData::ServerCpu serverCpu(db);
    qint64 lines = 0;
    for (auto _ : state) {
        const auto cash = Ledger::cashUp(db, BusyMonth, BusyMonth.addMonths(1).addDays(-1));
        if (BenchData::failed(state, cash))
            break;
        lines += cash->overall.lines;
    }
    state.counters["lines"] = BenchData::perIteration(double(lines));
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_CashUpBusyMonth);

// The reference: the same month's lines summed by the database, nothing grouped.
void BM_PlainMonthSum(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = withBusyMonth(engine);
    const BenchData::ServerCpu serverCpu(db);
    const QVariantList period = {DateTimes::dbDateTime(DateTimes::wallTime(BusyMonth)),
                                 DateTimes::dbDateTime(DateTimes::wallTime(BusyMonth.addMonths(1)))};
    for (auto _ : state) {
        const auto sum =
            Sql::scalar(db, QStringLiteral("SELECT SUM(Amount) FROM Payment WHERE PaidAt >= ? AND PaidAt < ?"), period);
        if (!sum) {
            state.SkipWithError("query failed");
            break;
        }
        benchmark::DoNotOptimize(sum->toLongLong());
    }
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_PlainMonthSum);

} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
