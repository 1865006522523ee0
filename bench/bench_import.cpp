// An office's data brought in at a busy harbour's size: 2,000 berths, 20,000 customers with boats and 200,000
// bookings from generated CSV files; the dry run and the import of each file timed once, with the peak memory.
// Run: bench_import [postgresql://address] (a new file database in the temp folder without one).
// ZEM_BENCH_WITHOUT_HISTORY=1 drops the booking history's triggers from the bench's own new database first, to
// measure their share of the import (the program never runs without them).
#include "core/Database.h"
#include "core/SqlHelpers.h"
#include "imports/ImportRun.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <sys/resource.h>

namespace {
constexpr int Berths = 2000;
constexpr int Customers = 20000;
// ZEM_BENCH_BOOKINGS names fewer for a quick run (its figures not to be quoted).
const int Bookings =
    qEnvironmentVariableIsSet("ZEM_BENCH_BOOKINGS") ? qEnvironmentVariableIntValue("ZEM_BENCH_BOOKINGS") : 200000;

// CPU seconds of this process so far, user and system: on a shared machine the wall clock waits for others too.
double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// The history's triggers of this scratch database, dropped.
bool dropHistoryTriggers(const QSqlDatabase& db)
{
    const bool server = db.driverName() == u"QPSQL";
    QSqlQuery q(db);
    if (!q.exec(server ? QStringLiteral("SELECT tgname, tgrelid::regclass::text FROM pg_trigger WHERE NOT tgisinternal "
                                        "AND tgname ILIKE '%history%'")
                       : QStringLiteral("SELECT name, tbl_name FROM sqlite_master WHERE type = 'trigger' AND name LIKE "
                                        "'%History%'")))
        return false;
    QStringList drops;
    while (q.next())
        drops << (server ? QStringLiteral("DROP TRIGGER %1 ON %2").arg(q.value(0).toString(), q.value(1).toString())
                         : QStringLiteral("DROP TRIGGER %1").arg(q.value(0).toString()));
    q.finish();
    for (const QString& drop : drops)
        if (!Sql::exec(db, drop))
            return false;
    std::printf("history triggers dropped: %lld\n", qlonglong(drops.size()));
    return true;
}

// The process's own memory now (heap and stacks), without the database file's pages mapped into it, which the
// peak counts too.
double anonymousMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

bool writeFile(const QString& path, const std::function<void(QTextStream&)>& rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    rows(out);
    return true;
}

// 100 bookings per berth, each two to five nights, end to end over the years from 2010.
void bookingRows(QTextStream& out)
{
    out << "Ref,Customer reference,Berth,Arrival,Departure,Total\n";
    for (int i = 0; i < Bookings; ++i) {
        const int berth = i % Berths;
        const int slot = i / Berths;
        const QDate arrival = QDate(2010, 1, 1).addDays(slot * 7 + berth % 3);
        out << "R" << i << ",C" << (i * 7919) % Customers << ",B" << berth << ","
            << arrival.toString(QStringLiteral("dd/MM/yyyy")) << ","
            << arrival.addDays(2 + i % 4).toString(QStringLiteral("dd/MM/yyyy")) << "," << (100 + i % 900) << ".50\n";
    }
}

bool step(const QSqlDatabase& db, const char* what, ImportRun::Kind kind, const QString& path)
{
    ImportRun::Options options;
    options.kind = kind;
    options.source.path = path;
    const auto headings = ImportRun::headings(options.source);
    if (!headings)
        return false;
    options.mapping = ImportFields::proposed(kind, *headings);
    QElapsedTimer timer;
    timer.start();
    double cpu = cpuSeconds();
    const auto dry = ImportRun::dryRun(db, options);
    const double drySeconds = timer.elapsed() / 1000.0;
    const double dryCpu = cpuSeconds() - cpu;
    if (!dry) {
        std::printf("%s dry run failed: %s\n", what, qPrintable(dry.error()));
        return false;
    }
    std::printf("%-10s dry run %7.2f s (CPU %6.2f s)  peak RSS %6.1f MB\n", what, drySeconds, dryCpu, peakMegabytes());
    std::fflush(stdout);
    timer.restart();
    cpu = cpuSeconds();
    const auto done = ImportRun::import(db, options, QDateTime::currentDateTime());
    const double importSeconds = timer.elapsed() / 1000.0;
    const double importCpu = cpuSeconds() - cpu;
    if (!done) {
        std::printf("%s import failed: %s\n", what, qPrintable(done.error()));
        return false;
    }
    std::printf("%-10s rows %7lld  accepted %7d  refused %5d  import %7.2f s (CPU %6.2f s)  peak RSS %6.1f MB  "
                "anonymous now %6.1f MB\n",
                what, qlonglong(done->rows.size()), done->accepted, done->refused, importSeconds, importCpu,
                peakMegabytes(), anonymousMegabytes());
    std::fflush(stdout);
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString database = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("import.sqlite"));
    if (const Status made = Database::createDatabase(database); !made) {
        std::printf("cannot create the database: %s\n", qPrintable(made.error()));
        return 1;
    }
    const auto db = Database::open(database, QStringLiteral("bench"));
    if (!db) {
        std::printf("cannot open the database: %s\n", qPrintable(db.error()));
        return 1;
    }
    if (qEnvironmentVariableIsSet("ZEM_BENCH_WITHOUT_HISTORY") && !dropHistoryTriggers(*db)) {
        std::printf("cannot drop the history's triggers\n");
        return 1;
    }
    const QString berths = dir.filePath(QStringLiteral("berths.csv"));
    const QString customers = dir.filePath(QStringLiteral("customers.csv"));
    const QString bookings = dir.filePath(QStringLiteral("bookings.csv"));
    writeFile(berths, [](QTextStream& out) {
        out << "Ref,Berth,Berth type,Length (m),Width (m)\n";
        for (int i = 0; i < Berths; ++i)
            out << "P" << i << ",B" << i << "," << (i % 2 ? "Pontoon" : "Mooring") << "," << (8 + i % 12) << ".5,4\n";
    });
    writeFile(customers, [](QTextStream& out) {
        out << "Ref,Name,Town,E-mail,Boat name,Registration,Length (m)\n";
        for (int i = 0; i < Customers; ++i)
            out << "C" << i << ",Customer " << i << ",Town " << i % 300 << ",c" << i << "@example.com,Boat " << i
                << ",GB-" << i << "," << (5 + i % 4) << ".2\n";
    });
    writeFile(bookings, bookingRows);
    std::printf("bench_import on %s\n", argc > 1 ? "PostgreSQL" : "a SQLite file");
    if (!step(*db, "berths", ImportRun::Kind::Berths, berths) ||
        !step(*db, "customers", ImportRun::Kind::CustomersWithBoats, customers) ||
        !step(*db, "bookings", ImportRun::Kind::Bookings, bookings))
        return 1;
    return 0;
}
