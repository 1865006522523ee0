// The waiting list matched after a cancellation: 5,000 entries over the coming year on the busy harbour's
// 2,000 berths, and the berths of one booking, cancelled as the program cancels it, offered to them.
#include "BenchData.h"
#include "bookings/BookingStore.h"
#include "bookings/Ledger.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"
#include "waiting/WaitingList.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 5000;

// Cancels the booking as the program does: deleted while it has no ledger lines, otherwise cancelled with its money
// refunded (the booking stays on record, its berths freed).
void cancel(const QSqlDatabase& db, int booking, const QDateTime& when)
{
    const auto lines = Ledger::lines(db, booking);
    if (!lines)
        qFatal("cannot read the ledger: %s", qPrintable(lines.error()));
    if (lines->isEmpty()) {
        if (const Status deleted = BookingStore::deleteBooking(db, booking); !deleted)
            qFatal("cannot delete booking %d: %s", booking, qPrintable(deleted.error()));
        return;
    }
    const auto paid =
        BookingStore::cancelBooking(db, booking, {}, BookingStore::MoneyKept::Refunded, when, QStringLiteral("bench"));
    if (!paid)
        qFatal("cannot cancel booking %d: %s", booking, qPrintable(paid.error()));
}

void BM_WaitingAfterCancel(benchmark::State& state, Engine engine)
{
    const int bookings = BenchData::bookings(state.range(0));
    const QSqlDatabase db = BenchData::openScratch(engine, bookings, QStringLiteral("waiting"));
    // A two-berth booking in the middle of the history, cancelled.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT BookingID FROM BookingBerth GROUP BY BookingID HAVING COUNT(*) >= 2 "
                               "ORDER BY BookingID LIMIT 1 OFFSET %1")
                    .arg(bookings / 40)) ||
        !q.next())
        qFatal("no booking to cancel");
    const int cancelled = q.value(0).toInt();
    QList<int> freed;
    if (!q.exec(QStringLiteral("SELECT BerthID FROM BookingBerth WHERE BookingID = %1").arg(cancelled)))
        qFatal("cannot read its berths");
    while (q.next())
        freed << q.value(0).toInt();
    if (!q.exec(QStringLiteral("SELECT FromDate, ToDate FROM Booking WHERE ID = %1").arg(cancelled)) || !q.next())
        qFatal("cannot read its period");
    const QDateTime from = DateTimes::readDateTime(q.value(0));
    const QDateTime to = DateTimes::readDateTime(q.value(1));
    q.finish();
    // The list was written in the months before the stay.
    const QDateTime listed = DateTimes::wallTime(from.date().addDays(-200), QTime(9, 0));
    cancel(db, cancelled, listed.addDays(190));
    // The list: arrivals over the year around the cancelled stay, 3 to 14 nights or any length, some with a type
    // or a least length, added in the order of their IDs.
    QRandomGenerator random(11);
    const int customers = Sql::scalar(db, QStringLiteral("SELECT MAX(ID) FROM Customer"))->toInt();
    Sql::Transaction tx(db);
    for (int i = 0; i < Entries; ++i) {
        WaitingEntry entry;
        entry.customerId = random.bounded(1, customers + 1);
        entry.from = from.date().addDays(random.bounded(-180, 180));
        if (random.bounded(10) >= 3)
            entry.to = entry.from.addDays(random.bounded(3, 15));
        if (random.bounded(4) == 0)
            entry.berthTypeId = random.bounded(1, 6);
        if (random.bounded(2) == 0)
            entry.minLengthCm = random.bounded(600, 1500);
        if (const auto added = WaitingList::add(db, entry, listed.addSecs(i)); !added)
            qFatal("cannot write the waiting list: %s", qPrintable(added.error()));
    }
    if (!tx.commit())
        qFatal("cannot commit the waiting list");
    qint64 offers = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        const auto matched = WaitingList::afterRelease(db, freed, from, to);
        if (BenchData::failed(state, matched))
            break;
        offers += matched->size();
    }
    state.counters["offers"] = BenchData::perIteration(double(offers));
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_WaitingAfterCancel, ->Arg(200000)->ArgName("bookings"));

} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
