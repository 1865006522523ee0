// The waiting list matched after a cancellation: 5,000 entries over the coming year on the busy harbour's
// 2,000 berths, and the berths of one cancelled booking offered to them.
#include "BenchData.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"
#include "waiting/WaitingList.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {

constexpr int Entries = 5000;

void BM_WaitingAfterCancel(benchmark::State& state)
{
    const int bookings = BenchData::bookings(state.range(0));
    const QSqlDatabase db = BenchData::open(bookings, QStringLiteral("waiting"), true);
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
    if (!Sql::exec(db, QStringLiteral("DELETE FROM Booking WHERE ID = ?"), {cancelled}))
        qFatal("cannot cancel");
    // The list: arrivals over the year around the cancelled stay, 3 to 14 nights or any length, some with a type
    // or a least length, added in the order of their IDs.
    QRandomGenerator random(11);
    const int customers = Sql::scalar(db, QStringLiteral("SELECT MAX(ID) FROM Customer"))->toInt();
    Sql::Transaction tx(db);
    for (int i = 0; i < Entries; ++i) {
        const QDate first = from.date().addDays(random.bounded(-180, 180));
        const bool anyLength = random.bounded(10) < 3;
        const QVariant last =
            anyLength ? Sql::nullText() : QVariant(first.addDays(random.bounded(3, 15)).toString(Qt::ISODate));
        const QVariant type = random.bounded(4) == 0 ? QVariant(random.bounded(1, 6)) : Sql::nullInt();
        const QVariant least = random.bounded(2) == 0 ? QVariant(random.bounded(600, 1500)) : Sql::nullInt();
        if (!Sql::exec(db,
                       QStringLiteral("INSERT INTO WaitingEntry (CustomerID, FromDate, ToDate, BerthTypeID, "
                                      "MinLengthCm, Added, Status) VALUES (?, ?, ?, ?, ?, ?, 0)"),
                       {random.bounded(1, customers + 1), first.toString(Qt::ISODate), last, type, least,
                        DateTimes::dbDateTime(DateTimes::wallTime(QDate(2026, 1, 1), QTime(9, 0)).addSecs(i))}))
            qFatal("cannot write the waiting list");
    }
    if (!tx.commit())
        qFatal("cannot commit the waiting list");
    qint64 offers = 0;
    for (auto _ : state) {
        const auto matched = WaitingList::afterRelease(db, freed, from, to);
        if (BenchData::failed(state, matched))
            break;
        offers += matched->size();
    }
    state.counters["offers"] = BenchData::perIteration(double(offers));
}
BENCHMARK(BM_WaitingAfterCancel)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
