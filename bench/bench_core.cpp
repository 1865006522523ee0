// The costs every change pays: one event log entry, and opening the database file.
#include "BenchData.h"
#include "core/Database.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/InstallPaths.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
QTemporaryDir& root()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_LogEvent(benchmark::State& state)
{
    qputenv("ZEMHARBOUR_SETTINGS", (root().path() + QStringLiteral("/settings.ini")).toLocal8Bit());
    InstallPaths::setRoot(root().path());
    EventLog::initEventLog(QDate(2026, 12, 4));
    const QDateTime when = DateTimes::wallTime(QDate(2026, 12, 4), QTime(9, 0));
    for (auto _ : state)
        EventLog::logEvent(when, EventLog::CustomerModified, QStringLiteral("Name: Smith, Town: London"));
}
BENCHMARK(BM_LogEvent);

void BM_OpenDatabase(benchmark::State& state)
{
    const QString path = root().path() + QStringLiteral("/DB.sqlite");
    if (!QFile::exists(path) && !Database::createDatabase(path))
        qFatal("cannot create %s", qPrintable(path));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Database::open(path, QStringLiteral("bench")));
        Database::close(QStringLiteral("bench"));
    }
}
BENCHMARK(BM_OpenDatabase);
} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
