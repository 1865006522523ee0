#include "BenchData.h"

#include "core/Database.h"
#include "core/SqlHelpers.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>
#include <cstdio>
#include <unistd.h>

namespace BenchData {
namespace {

// Generates the harbour of sizes into path unless it is there already. One run makes it while any other waits on
// the lock; each writes under a name of its own and renames it into place whole, so an interrupted run leaves no
// half-made file to be measured later and no run removes a file another is still writing.
QString makeOnce(const QString& path, const DataGenerator::Sizes& sizes)
{
    if (QFile::exists(path))
        return path;
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(0); // a 2,000,000-booking file takes minutes: only a dead holder's lock is stale
    if (!lock.lock())
        qFatal("cannot lock %s", qPrintable(lock.fileName()));
    if (QFile::exists(path))
        return path; // made by the run we waited for
    // Parts left by runs that died: the lock is ours, so nobody is writing them.
    const QFileInfo target(path);
    for (const QFileInfo& part :
         target.dir().entryInfoList({target.fileName() + QStringLiteral(".part-*")}, QDir::Files))
        QFile::remove(part.filePath());
    const QString temp = QStringLiteral("%1.part-%2").arg(path).arg(QCoreApplication::applicationPid());
    if (const Status made = Database::createDatabase(temp); !made)
        qFatal("%s", qPrintable(made.error()));
    {
        const auto db = Database::open(temp, QStringLiteral("generate"));
        std::fprintf(stderr, "generating %d bookings into %s ...\n", sizes.bookings, qPrintable(path));
        // A file being made from nothing needs no journal: a failure throws the whole file away.
        if (!db || !Sql::exec(*db, QStringLiteral("PRAGMA journal_mode = OFF")) ||
            !Sql::exec(*db, QStringLiteral("PRAGMA synchronous = OFF")) ||
            !Sql::exec(*db, QStringLiteral("PRAGMA cache_size = -1048576")))
            qFatal("cannot prepare %s", qPrintable(temp));
        QElapsedTimer timer;
        timer.start();
        if (const Status made = DataGenerator::generate(*db, sizes); !made)
            qFatal("%s", qPrintable(made.error()));
        std::fprintf(stderr, "generated in %.1f s\n", double(timer.elapsed()) / 1000.0);
    }
    Database::close(QStringLiteral("generate"));
    // rename replaces in one step; QFile::rename would refuse a target that exists.
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0)
        qFatal("cannot rename %s to %s", qPrintable(temp), qPrintable(path));
    return path;
}

QSqlDatabase openFile(QString path, const QString& name, bool copy)
{
    if (copy) {
        // One scratch file per connection, so two writing benchmarks of one run do not share it.
        const QString scratch = QDir::temp().filePath(QStringLiteral("zem-bench-scratch-%1.sqlite").arg(name));
        Database::close(name); // a benchmark is called again as its iterations are worked out: a fresh copy each time
        QFile::remove(scratch);
        QFile::copy(path, scratch);
        path = scratch;
    }
    const auto db = Database::open(path, name);
    if (!db)
        qFatal("%s", qPrintable(db.error()));
    return *db;
}

// Runs bench/pg-server.sh with args and returns what it printed; stops the run if it fails.
QString serverScript(const QStringList& args)
{
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    script.start(QStringLiteral(ZEM_BENCH_DIR "/pg-server.sh"), args);
    if (!script.waitForFinished(-1) || script.exitStatus() != QProcess::NormalExit || script.exitCode() != 0)
        qFatal("bench/pg-server.sh %s failed", qPrintable(args.join(QLatin1Char(' '))));
    return QString::fromLocal8Bit(script.readAllStandardOutput()).trimmed();
}

} // namespace

int bookings(qint64 standard)
{
    const int asked = qEnvironmentVariableIntValue("ZEM_BENCH_BOOKINGS");
    return asked > 0 ? asked : int(standard);
}

namespace {
// Every size in a benchmark's name is named and followed by "/" or ends it ("…/bookings:200000/berths:2000"), so a
// filter that ends a number with "/" or "$" matches that size alone; one that does not also matches every longer
// number that starts with it (200000 in 2000000), and is told so.
void warnOfOpenNumbers(int argc, char** argv)
{
    static const QRegularExpression open(QStringLiteral("[/:]([0-9]+)(?![0-9/$])"));
    for (int i = 1; i < argc; ++i) {
        QString filter = QString::fromLocal8Bit(argv[i]);
        if (filter.startsWith(QLatin1String("--benchmark_filter=")))
            filter = filter.section(u'=', 1);
        else if (filter == QLatin1String("--benchmark_filter") && i + 1 < argc)
            filter = QString::fromLocal8Bit(argv[++i]);
        else
            continue;
        for (auto it = open.globalMatch(filter); it.hasNext();)
            std::fprintf(stderr,
                         "note: the filter's %s also matches every longer number that starts with it; end it with "
                         "\"/\" or \"$\" to mean that size alone\n",
                         qPrintable(it.next().captured(1)));
    }
}
} // namespace

int runBenchmarks(int argc, char** argv)
{
    warnOfOpenNumbers(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

int run(int argc, char** argv, bool widgets)
{
    if (!widgets) {
        QCoreApplication app(argc, argv);
        return runBenchmarks(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}

DataGenerator::Sizes sizes(int bookings, int berths)
{
    return DataGenerator::busyHarbour(berths, bookings, BusyHistoryStart);
}

QString generatedHarbour(int bookings, int berths)
{
    const QString name = berths == Berths
                             ? QStringLiteral("zem-bench-busy-%1.sqlite").arg(bookings)
                             : QStringLiteral("zem-bench-busy-%1-%2berths.sqlite").arg(bookings).arg(berths);
    return makeOnce(QDir::temp().filePath(name), sizes(bookings, berths));
}

QSqlDatabase open(int bookings, const QString& name, bool copy, int berths)
{
    return openFile(generatedHarbour(bookings, berths), name, copy);
}

QSqlDatabase open(Engine engine, int bookings, const QString& name, int berths)
{
    if (engine == Engine::SQLite)
        return open(bookings, name, false, berths);
    const QString count =
        berths == Berths ? QString::number(bookings) : QStringLiteral("%1_%2").arg(bookings).arg(berths);
    serverScript({QStringLiteral("load"), generatedHarbour(bookings, berths), count});
    const auto db = Database::open(serverScript({QStringLiteral("uri"), count}), name);
    if (!db)
        qFatal("%s", qPrintable(db.error()));
    return *db;
}

QSqlDatabase openScratch(Engine engine, int bookings, const QString& name)
{
    if (engine == Engine::SQLite)
        return open(bookings, name, true);
    const QString count = QString::number(bookings);
    serverScript({QStringLiteral("load"), generatedHarbour(bookings), count});
    // The server copies no database a session is connected to: this copy, and on the first call the harbour itself
    // (the script keeps a copy of it to make the next ones from), which other benchmarks of this run may hold open.
    Database::close(name);
    for (const QString& connection : QSqlDatabase::connectionNames())
        if (QSqlDatabase::database(connection, false).databaseName() == QStringLiteral("zem_busy_%1").arg(count))
            Database::close(connection);
    const auto db = Database::open(serverScript({QStringLiteral("scratch"), count, name}), name);
    if (!db)
        qFatal("%s", qPrintable(db.error()));
    return *db;
}

QSqlDatabase openServer(const QString& name, const QString& connection)
{
    const auto db = Database::open(serverScript({QStringLiteral("empty"), name}), connection);
    if (!db)
        qFatal("%s", qPrintable(db.error()));
    return *db;
}

double serverCpuSeconds(const QSqlDatabase& db)
{
    if (Dialect::of(db).kind() != Engine::PostgreSQL)
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

std::vector<QDate> days(int bookings, int count, quint32 seed, int berths)
{
    const auto harbour = sizes(bookings, berths);
    const QDate first = harbour.from.addDays(60);
    const qint64 span = first.daysTo(harbour.until.addDays(-90));
    QRandomGenerator random(seed);
    std::vector<QDate> days;
    for (int i = 0; i < count; ++i)
        days.push_back(first.addDays(qint64(random.bounded(quint32(span)))));
    return days;
}

QString generatedDatabase(int bookings, int years)
{
    DataGenerator::Sizes sizes;
    sizes.customers = 20000;
    sizes.owners = 200;
    sizes.berths = Berths;
    sizes.bookings = bookings;
    sizes.from = historyStart(years);
    sizes.until = HistoryEnd;
    return makeOnce(QDir::temp().filePath(QStringLiteral("zem-bench-%1-%2y.sqlite").arg(bookings).arg(years)), sizes);
}

QSqlDatabase open(int bookings, int years, const QString& name, bool copy)
{
    return openFile(generatedDatabase(bookings, years), name, copy);
}

} // namespace BenchData
