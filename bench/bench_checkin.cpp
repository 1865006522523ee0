// Check-in from the Today window on the busy harbour (2,000 berths, 200,000 bookings, a busy day in its
// summer): the guest checked in, in its own transaction that reads the row again, and Today's four lists read again
// after it, as the window does (a check-in sells no night, so its chart stays). SQLite, on a scratch copy: each arrival
// is put back, untimed, before the next.
#include "BenchData.h"
#include "bookings/BookingFigures.h"
#include "bookings/CheckIn.h"
#include "core/DateTimes.h"

#include <benchmark/benchmark.h>

namespace {

const int Bookings = BenchData::bookings(200000);
const QDateTime Now = DateTimes::wallTime(QDate(2003, 7, 14), QTime(12, 0));

/// The day's arrivals still expected and not yet gone, to be checked in in turn.
std::vector<int> arrivals(const QSqlDatabase& db)
{
    std::vector<int> ids;
    if (const auto today = BookingFigures::today(db, Now))
        for (const auto& line : today->arrivals)
            if (line.stay == CheckIn::Stay::Expected && line.toDate > Now) // a day visit over by noon is not
                ids.push_back(line.bookingId);
    return ids;
}

void checkIn(benchmark::State& state, bool withToday)
{
    const QSqlDatabase db = BenchData::open(Bookings, QStringLiteral("checkin"), true);
    const std::vector<int> ids = arrivals(db);
    if (ids.empty()) {
        state.SkipWithError("no arrivals on the day");
        return;
    }
    size_t next = 0;
    qint64 inHarbour = 0;
    for (auto _ : state) {
        const int id = ids[next++ % ids.size()];
        const auto done = CheckIn::arrive(db, id, Now, QStringLiteral("bench@desk"));
        if (BenchData::failed(state, done))
            break;
        if (withToday) {
            // A check-in sells no night: the window reads its lists again, not its chart.
            const auto today = BookingFigures::today(db, Now);
            if (!today) {
                state.SkipWithError("read failed");
                break;
            }
            inHarbour += today->inHarbour.size();
        }
        state.PauseTiming();
        if (!CheckIn::putBack(db, id, CheckIn::Stay::Arrived)) {
            state.SkipWithError("cannot put the arrival back");
            break;
        }
        state.ResumeTiming();
    }
    state.counters["arrivals"] = double(ids.size());
    state.counters["in_harbour"] = BenchData::perIteration(double(inHarbour));
}

void BM_CheckIn(benchmark::State& state)
{
    checkIn(state, false);
}
BENCHMARK(BM_CheckIn)->Unit(benchmark::kMillisecond);

void BM_CheckInFromToday(benchmark::State& state)
{
    checkIn(state, true);
}
BENCHMARK(BM_CheckInFromToday)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
