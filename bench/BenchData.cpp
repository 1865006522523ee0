#include "BenchData.h"

#include "core/Database.h"
#include "core/SqlHelpers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <cstdio>
#include <unistd.h>

namespace BenchData {
namespace {

// Generates the harbour of sizes into path unless it is there already; written beside it and renamed, so an
// interrupted run leaves no half-made file to be measured later.
QString MakeOnce(const QString& path, const DataGenerator::Sizes& sizes)
{
    if (QFile::exists(path))
        return path;
    const QString temp = path + QStringLiteral(".part");
    QFile::remove(temp);
    QString error;
    if (!Database::CreateDatabase(temp, &error))
        qFatal("%s", qPrintable(error));
    {
        const auto db = Database::Open(temp, QStringLiteral("generate"), 500, &error);
        std::fprintf(stderr, "generating %d bookings into %s ...\n", sizes.bookings, qPrintable(path));
        // A file being made from nothing needs no journal: a failure throws the whole file away.
        if (!db || !Sql::Exec(*db, QStringLiteral("PRAGMA journal_mode = OFF")) ||
            !Sql::Exec(*db, QStringLiteral("PRAGMA synchronous = OFF")) ||
            !Sql::Exec(*db, QStringLiteral("PRAGMA cache_size = -1048576")))
            qFatal("cannot prepare %s", qPrintable(temp));
        QElapsedTimer timer;
        timer.start();
        if (!DataGenerator::Generate(*db, sizes, &error))
            qFatal("%s", qPrintable(error));
        std::fprintf(stderr, "generated in %.1f s\n", double(timer.elapsed()) / 1000.0);
    }
    Database::Close(QStringLiteral("generate"));
    QFile::rename(temp, path);
    return path;
}

QSqlDatabase OpenFile(QString path, const QString& name, bool copy)
{
    if (copy) {
        const QString scratch = QDir::temp().filePath(QStringLiteral("zem-bench-scratch.sqlite"));
        QFile::remove(scratch);
        QFile::copy(path, scratch);
        path = scratch;
    }
    QString error;
    const auto db = Database::Open(path, name, 500, &error);
    if (!db)
        qFatal("%s", qPrintable(error));
    return *db;
}

// Runs bench/pg-server.sh with args and returns what it printed; stops the run if it fails.
QString ServerScript(const QStringList& args)
{
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.start(QStringLiteral(ZEM_BENCH_DIR "/pg-server.sh"), args);
    if (!script.waitForFinished(-1) || script.exitStatus() != QProcess::NormalExit || script.exitCode() != 0)
        qFatal("bench/pg-server.sh %s failed", qPrintable(args.join(QLatin1Char(' '))));
    return QString::fromLocal8Bit(script.readAllStandardOutput()).trimmed();
}

} // namespace

DataGenerator::Sizes Sizes(int bookings)
{
    return DataGenerator::BusyHarbour(Berths, bookings, BusyHistoryStart);
}

QString GeneratedHarbour(int bookings)
{
    return MakeOnce(QDir::temp().filePath(QStringLiteral("zem-bench-busy-%1.sqlite").arg(bookings)), Sizes(bookings));
}

QSqlDatabase Open(int bookings, const QString& name, bool copy)
{
    return OpenFile(GeneratedHarbour(bookings), name, copy);
}

QSqlDatabase Open(Engine engine, int bookings, const QString& name)
{
    if (engine == Engine::SQLite)
        return Open(bookings, name);
    const QString count = QString::number(bookings);
    ServerScript({QStringLiteral("load"), GeneratedHarbour(bookings), count});
    QString error;
    const auto db = Database::Open(ServerScript({QStringLiteral("uri"), count}), name, 500, &error);
    if (!db)
        qFatal("%s", qPrintable(error));
    return *db;
}

double ServerCpuSeconds(const QSqlDatabase& db)
{
    if (Dialect::Of(db).Kind() != Engine::PostgreSQL)
        return 0;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT pg_backend_pid()")) || !q.next())
        qFatal("cannot ask the server for its process");
    QFile stat(QStringLiteral("/proc/%1/stat").arg(q.value(0).toLongLong()));
    if (!stat.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(stat.fileName()));
    // After the command in brackets: state is field 3, user and system time (clock ticks) fields 14 and 15.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return double(fields.value(11).toLongLong() + fields.value(12).toLongLong()) / double(::sysconf(_SC_CLK_TCK));
}

std::vector<QDate> Days(int bookings, int count, quint32 seed)
{
    const auto sizes = Sizes(bookings);
    const QDate first = sizes.from.addDays(60);
    const qint64 span = first.daysTo(sizes.until.addDays(-90));
    QRandomGenerator random(seed);
    std::vector<QDate> days;
    for (int i = 0; i < count; ++i)
        days.push_back(first.addDays(qint64(random.bounded(quint32(span)))));
    return days;
}

QString GeneratedDatabase(int bookings, int years)
{
    DataGenerator::Sizes sizes;
    sizes.customers = 20000;
    sizes.owners = 200;
    sizes.berths = Berths;
    sizes.bookings = bookings;
    sizes.from = HistoryStart(years);
    sizes.until = HistoryEnd;
    return MakeOnce(QDir::temp().filePath(QStringLiteral("zem-bench-%1-%2y.sqlite").arg(bookings).arg(years)), sizes);
}

QSqlDatabase Open(int bookings, int years, const QString& name, bool copy)
{
    return OpenFile(GeneratedDatabase(bookings, years), name, copy);
}

} // namespace BenchData
