// Backup and restore throughput on the 200,000-booking database, each against the zstd command doing the same
// work on the same file in the same run: the archive codec must keep up with the tool it is compatible with.
#include "BenchData.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/BackupRestore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// A folder of its own: compaction writes DB.bak and temp.sqlite beside the database it works on.
QString scratchFolder()
{
    return QDir::temp().filePath(QStringLiteral("zem-bench-maintenance"));
}
QString scratch(const QString& name)
{
    return QDir(scratchFolder()).filePath(name);
}

QString database()
{
    return BenchData::generatedDatabase(200000, 10);
}

/// The database's archive, made once for the two restore benchmarks.
QString archivePath()
{
    const QString archive = scratch(QStringLiteral("r.SPA"));
    if (!QFile::exists(archive))
        ttsgz::zcompress(database(), archive, QStringLiteral("0"), -1);
    return archive;
}

void runZstd(benchmark::State& state, const QStringList& arguments)
{
    if (QProcess::execute(QStringLiteral("zstd"), arguments) != 0)
        state.SkipWithError("the zstd command failed");
}

/// CPU seconds of this process (all its threads) and of the children it waited for: the machine may be shared,
/// so the work done is compared as well as the wall time.
double cpuSeconds()
{
    double seconds = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        seconds += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return seconds;
}

void throughput(benchmark::State& state, qint64 bytes, double cpuStart)
{
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["MB"] = double(bytes) / 1e6;
    state.counters["cpu_ms"] = (cpuSeconds() - cpuStart) * 1000 / double(state.iterations());
}

void BM_Backup(benchmark::State& state)
{
    const QString source = database();
    const double cpu = cpuSeconds();
    for (auto _ : state) {
        QFile::remove(scratch(QStringLiteral("a.SPA")));
        if (ttsgz::zcompress(source, scratch(QStringLiteral("a.SPA")), QStringLiteral("0"), -1) != 0)
            state.SkipWithError("Zcompress failed");
    }
    throughput(state, QFileInfo(source).size(), cpu);
}

void BM_ZstdCommand3(benchmark::State& state)
{
    const QString source = database();
    const double cpu = cpuSeconds();
    for (auto _ : state)
        runZstd(state, {QStringLiteral("-q"), QStringLiteral("-f"), QStringLiteral("-3"), source, QStringLiteral("-o"),
                        scratch(QStringLiteral("tool.zst"))});
    throughput(state, QFileInfo(source).size(), cpu);
}

void BM_Restore(benchmark::State& state)
{
    const QString source = database();
    const QString archive = archivePath();
    const double cpu = cpuSeconds();
    for (auto _ : state)
        if (ttsgz::zuncompress(archive, scratch(QStringLiteral("restored.sqlite")), QStringLiteral("0")) != 0)
            state.SkipWithError("Zuncompress failed");
    throughput(state, QFileInfo(source).size(), cpu);
}

void BM_ZstdCommandD(benchmark::State& state)
{
    const QString source = database();
    const QString archive = archivePath();
    const double cpu = cpuSeconds();
    for (auto _ : state)
        runZstd(state, {QStringLiteral("-q"), QStringLiteral("-f"), QStringLiteral("-d"), archive, QStringLiteral("-o"),
                        scratch(QStringLiteral("tool.sqlite"))});
    throughput(state, QFileInfo(source).size(), cpu);
}

// The whole compaction as the menu runs it (safety copy, VACUUM INTO, integrity check, rename), for the record.
void BM_CompactDatabase(benchmark::State& state)
{
    const QString copy = scratch(QStringLiteral("compact.sqlite"));
    const double cpu = cpuSeconds();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        QFile::copy(database(), copy);
        state.ResumeTiming();
        if (!BackupRestore::compactDatabase(copy, true).ok())
            state.SkipWithError("CompactDatabase failed");
    }
    throughput(state, QFileInfo(database()).size(), cpu);
}

// The menu's restore and compaction of the busy harbour's 2,000,000-booking file (about 780 MB at 2,000 berths), each
// beside the tool doing the bare work in the same run: the restore (safety copy, unpack, the checks, rename) beside
// `zstd -d` with the file forced to the disk, the compaction (safety copy, VACUUM INTO, quick check, sync, rename)
// beside VACUUM INTO alone, and the backup (packing with the quick check beside it, sealed) beside `zstd -3`.
QString largeDatabase()
{
    return BenchData::generatedHarbour(2000000);
}

class NoProgress final : public IProgress
{
public:
    void startProgress() override {}
    void stopProgress() override {}
    bool progress(qint64, qint64) override { return false; }
};

/// The menu's backup of the large file: sealed under this desk's key, so its restore takes the sealed path.
QString largeArchive()
{
    const QString archive = scratch(QStringLiteral("large.SPA"));
    NoProgress progress;
    if (!QFile::exists(archive) && !BackupRestore::backUpDatabase(largeDatabase(), archive, -1, QString(), progress))
        qFatal("cannot back up %s", qPrintable(largeDatabase()));
    return archive;
}
/// The same file packed by the codec alone, as an older version or the zstd command packs it: no seal.
QString largeUnsealedArchive()
{
    const QString archive = scratch(QStringLiteral("large-unsealed.SPA"));
    if (!QFile::exists(archive))
        ttsgz::zcompress(largeDatabase(), archive, QStringLiteral("0"), -1);
    return archive;
}

void restoreLarge(benchmark::State& state, const QString& archive)
{
    const QString target = scratch(QStringLiteral("large-target.sqlite"));
    if (!QFile::exists(target))
        QFile::copy(largeDatabase(), target);
    NoProgress progress;
    const double cpu = cpuSeconds();
    for (auto _ : state)
        if (const Status restored = BackupRestore::restoreDatabase(archive, target, QString(), progress); !restored)
            state.SkipWithError(qPrintable(restored.error()));
    throughput(state, QFileInfo(largeDatabase()).size(), cpu);
}

void BM_RestoreDatabaseLarge(benchmark::State& state)
{
    restoreLarge(state, largeArchive());
}

void BM_RestoreUnsealedLarge(benchmark::State& state)
{
    restoreLarge(state, largeUnsealedArchive());
}

void BM_BackupDatabaseLarge(benchmark::State& state)
{
    const QString archive = scratch(QStringLiteral("large-backup.SPA"));
    NoProgress progress;
    const double cpu = cpuSeconds();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(archive);
        state.ResumeTiming();
        if (const Status made = BackupRestore::backUpDatabase(largeDatabase(), archive, -1, QString(), progress); !made)
            state.SkipWithError(qPrintable(made.error()));
    }
    throughput(state, QFileInfo(largeDatabase()).size(), cpu);
}

void BM_ZstdCommand3Large(benchmark::State& state)
{
    const double cpu = cpuSeconds();
    for (auto _ : state)
        runZstd(state, {QStringLiteral("-q"), QStringLiteral("-f"), QStringLiteral("-3"), largeDatabase(),
                        QStringLiteral("-o"), scratch(QStringLiteral("large-tool.zst"))});
    throughput(state, QFileInfo(largeDatabase()).size(), cpu);
}

void BM_ZstdCommandDSyncedLarge(benchmark::State& state)
{
    const QString archive = largeArchive();
    const QString out = scratch(QStringLiteral("large-tool.sqlite"));
    const double cpu = cpuSeconds();
    for (auto _ : state) {
        runZstd(state,
                {QStringLiteral("-q"), QStringLiteral("-f"), QStringLiteral("-d"), archive, QStringLiteral("-o"), out});
        QFile file(out);
        if (!file.open(QIODevice::ReadWrite) || ::fsync(file.handle()) != 0)
            state.SkipWithError("fsync failed");
    }
    throughput(state, QFileInfo(largeDatabase()).size(), cpu);
}

void BM_CompactDatabaseLarge(benchmark::State& state)
{
    const QString copy = scratch(QStringLiteral("large-compact.sqlite"));
    const double cpu = cpuSeconds();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(copy);
        QFile::copy(largeDatabase(), copy);
        state.ResumeTiming();
        if (const Status compacted = BackupRestore::compactDatabase(copy, true); !compacted)
            state.SkipWithError(qPrintable(compacted.error()));
    }
    throughput(state, QFileInfo(largeDatabase()).size(), cpu);
}

void BM_VacuumIntoLarge(benchmark::State& state)
{
    const QString out = scratch(QStringLiteral("large-vacuum.sqlite"));
    const double cpu = cpuSeconds();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(out);
        state.ResumeTiming();
        if (QProcess::execute(QStringLiteral("sqlite3"),
                              {largeDatabase(), QStringLiteral("VACUUM INTO '%1'").arg(out)}) != 0)
            state.SkipWithError("sqlite3 failed");
    }
    throughput(state, QFileInfo(largeDatabase()).size(), cpu);
}

// Wall time: the zstd command works in a process of its own, so this process's CPU time would say nothing.
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_ZstdCommand3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Restore)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_ZstdCommandD)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_CompactDatabase)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RestoreDatabaseLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_RestoreUnsealedLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_BackupDatabaseLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ZstdCommand3Large)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ZstdCommandDSyncedLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_CompactDatabaseLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_VacuumIntoLarge)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QDir().mkpath(scratchFolder());
    const int result = BenchData::run(argc, argv);
    QDir(scratchFolder()).removeRecursively();
    return result;
}
