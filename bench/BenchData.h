#pragma once

#include "bookings/DataGenerator.h"
#include "core/Dialect.h"
#include "core/Seams.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <benchmark/benchmark.h>
#include <vector>

/// The generated harbours the benchmarks run on, made once per size and kept in the temp folder (never in the
/// source tree), and seams that answer without anyone there.
namespace BenchData {

inline constexpr int Berths = 2000;

/// The number of bookings a benchmark runs on: its own, unless ZEM_BENCH_BOOKINGS names another (a quick run to see
/// that a benchmark still works, its figures not to be quoted).
int bookings(qint64 standard);

// ---- The busy harbour: 2,000 berths in their busy season (about seven in ten taken in any week) ----

inline const QDate BusyHistoryStart(2000, 1, 1);

/// The largest harbour we claim, at the same density, for the benchmarks that must not grow with the berths.
inline constexpr int LargestBerths = 10000;

DataGenerator::Sizes sizes(int bookings, int berths = Berths);
/// The busy harbour with `bookings` bookings, as zem-bench-busy-<bookings>.sqlite (with another number of berths,
/// zem-bench-busy-<bookings>-<berths>berths.sqlite).
QString generatedHarbour(int bookings, int berths = Berths);
/// Opens the busy harbour (or a scratch copy of it, for benchmarks that write) as connection name.
QSqlDatabase open(int bookings, const QString& name, bool copy = false, int berths = Berths);
/// The same harbour on either engine: on PostgreSQL the file's rows copied into database zem_busy_<bookings> (or
/// zem_busy_<bookings>_<berths>) of the benchmarks' own server (bench/pg-server.sh starts it and copies the file
/// the first time).
QSqlDatabase open(Engine engine, int bookings, const QString& name, int berths = Berths);
/// A copy of the busy harbour that a benchmark may change, made afresh at each call (the connection name's earlier
/// copy closed): on SQLite a scratch file, on PostgreSQL database zem_scratch_<name> copied from zem_busy_<bookings>.
QSqlDatabase openScratch(Engine engine, int bookings, const QString& name);
/// An empty database of the benchmarks' server with the schema, made as zem_<name> the first time and kept; a
/// benchmark that finds it empty fills it.
QSqlDatabase openServer(const QString& name, const QString& connection);
/// Seconds of CPU the server process behind a PostgreSQL connection has used so far (read from /proc: the
/// server runs on this machine); 0 on SQLite, whose work is done in this process and counted by the benchmark.
double serverCpuSeconds(const QSqlDatabase& db);
/// Days spread over the busy harbour's history (its first and last months left out), so no part is favoured.
std::vector<QDate> days(int bookings, int count, quint32 seed, int berths = Berths);

// ---- A long history: 2,000 berths, 20,000 customers, `bookings` bookings spread over `years` years ----

/// Every long history ends here; a longer one starts earlier.
inline const QDate HistoryEnd(2027, 1, 1);
inline QDate historyStart(int years)
{
    return HistoryEnd.addYears(-years);
}
/// The long history, as zem-bench-<bookings>-<years>y.sqlite.
QString generatedDatabase(int bookings, int years);
/// Opens that database (or, with copy, a scratch copy that may be changed) as connection name.
QSqlDatabase open(int bookings, int years, const QString& name, bool copy);

// ---- What each benchmark reports ----

/// A total over the timed loop, reported per iteration.
inline benchmark::Counter perIteration(double total)
{
    return benchmark::Counter(total, benchmark::Counter::kAvgIterations);
}

/// The CPU time the server behind db spends over a benchmark's loop: taken when made, reported by report() as
/// "server_cpu_ms" per iteration (0 on SQLite).
class ServerCpu
{
public:
    explicit ServerCpu(const QSqlDatabase& db) : m_db(db), m_before(serverCpuSeconds(db)) {}
    /// Around untimed work inside the loop (beside the state's PauseTiming and ResumeTiming): left out of the figure.
    void pause() { m_pausedAt = serverCpuSeconds(m_db); }
    void resume() { m_leftOut += serverCpuSeconds(m_db) - m_pausedAt; }
    void report(benchmark::State& state) const
    {
        state.counters["server_cpu_ms"] = perIteration((serverCpuSeconds(m_db) - m_before - m_leftOut) * 1000.0);
    }

private:
    QSqlDatabase m_db;
    double m_before;
    double m_pausedAt = 0;
    double m_leftOut = 0;
};

/// Whether a timed step failed: then the benchmark is marked with its error and its loop should stop.
template <typename Outcome> bool failed(benchmark::State& state, const Outcome& outcome)
{
    if (outcome)
        return false;
    state.SkipWithError(qPrintable(outcome.error()));
    return true;
}

/// Runs the benchmarks the command line asks for, under the application object the program made.
int runBenchmarks(int argc, char** argv);
/// Makes the application object (a QApplication, offscreen unless a platform is set, for the benchmarks that paint)
/// and runs the benchmarks.
int run(int argc, char** argv, bool widgets = false);

// ---- Seams ----

/// Message boxes answer OK; the file dialog answers the path it is given.
class QuietMessages final : public IMessageBox
{
public:
    MsgResult show(const QString&, const QString&, MsgIcon, MsgButtons) override { return MsgResult::Ok; }
};
class FixedFile final : public IFileDialog
{
public:
    QString choose(const FileRequest&) override { return path; }
    QString path;
};
class NoDesktop final : public IDesktop
{
public:
    bool open(const QUrl&) override { return false; }
};

} // namespace BenchData

/// Registers a benchmark taking an Engine once on each engine, in milliseconds; what follows the name (->Args(...),
/// ->ArgName(...)) applies to both.
#define ZEM_BENCH_ENGINES(fn, ...)                                                                                     \
    BENCHMARK_CAPTURE(fn, sqlite, Engine::SQLite)->Unit(benchmark::kMillisecond) __VA_ARGS__;                          \
    BENCHMARK_CAPTURE(fn, postgresql, Engine::PostgreSQL)->Unit(benchmark::kMillisecond) __VA_ARGS__
