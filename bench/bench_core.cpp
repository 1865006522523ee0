// The costs every change pays: one event log entry, and opening the database file.
#include "core/Database.h"
#include "core/InstallPaths.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
QTemporaryDir& Root()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_LogEvent(benchmark::State& state)
{
    qputenv("ZEMHARBOUR_SETTINGS", (Root().path() + QStringLiteral("/settings.ini")).toLocal8Bit());
    InstallPaths::SetRoot(Root().path());
    modEventLog::InitEventLog(QDate(2026, 12, 4));
    const QDateTime when = modFunctions::WallTime(QDate(2026, 12, 4), QTime(9, 0));
    for (auto _ : state)
        modEventLog::LogEvent(when, modEventLog::CustomerModified, QStringLiteral("Name: Smith, Town: London"));
}
BENCHMARK(BM_LogEvent);

void BM_OpenDatabase(benchmark::State& state)
{
    const QString path = Root().path() + QStringLiteral("/DB.sqlite");
    if (!QFile::exists(path))
        Database::CreateDatabase(path, nullptr);
    for (auto _ : state) {
        benchmark::DoNotOptimize(modFunctions::OpenConnection(path, QStringLiteral("bench")));
        Database::Close(QStringLiteral("bench"));
    }
}
BENCHMARK(BM_OpenDatabase);
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
