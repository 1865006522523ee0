// The outbox on the busy harbour: queuing a morning's 500 reminders, each filled from its booking, in one step;
// and sending 500 messages to a local SMTP server (Python's aiosmtpd) from the background sender while the main
// thread's event loop is timed for its longest stall. SQLite and PostgreSQL for the first, SQLite for the second.
#include "BenchData.h"
#include "bookings/BookingMail.h"
#include "core/Database.h"
#include "core/SqlHelpers.h"
#include "mail/Outbox.h"
#include "mail/OutboxSender.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

const int Bookings = BenchData::bookings(10000);
constexpr int Messages = 500;

QSqlDatabase withAddresses(Engine engine)
{
    const QSqlDatabase db = BenchData::openScratch(engine, Bookings, QStringLiteral("mail"));
    if (!Sql::exec(db, QStringLiteral("UPDATE Customer SET EmailAddress = 'guest' || ID || '@example.test'")))
        qFatal("cannot give the customers addresses");
    return db;
}

QList<BookingMail::Reminder> reminders(const QSqlDatabase& db)
{
    QList<BookingMail::Reminder> list;
    QSqlQuery q(db);
    if (!Sql::exec(q, QStringLiteral("SELECT ID FROM Booking WHERE CustomerID IS NOT NULL AND Cancelled = 0 ORDER BY "
                                     "ID LIMIT %1")
                          .arg(Messages)))
        qFatal("cannot read the bookings");
    while (q.next()) {
        BookingMail::Reminder r;
        r.bookingId = q.value(0).toInt();
        r.kind = Outbox::Kinds::BalanceReminder;
        r.regarding = QStringLiteral("due 2026-07-01");
        list << r;
    }
    return list;
}

void BM_QueueReminders(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = withAddresses(engine);
    const auto chosen = reminders(db);
    const QDateTime now(QDate(2026, 6, 24), QTime(9, 0), Qt::UTC);
    for (auto _ : state) {
        const auto queued = BookingMail::queueReminders(db, chosen, now, QStringLiteral("bench@desk"));
        if (BenchData::failed(state, queued))
            return;
        state.PauseTiming();
        Sql::exec(db, QStringLiteral("DELETE FROM Outbox"));
        state.ResumeTiming();
    }
    state.counters["reminders"] = static_cast<double>(chosen.size());
}

void BM_Send500(benchmark::State& state)
{
    QTemporaryDir folder;
    QProcess server;
    const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                                 : QStringLiteral("python3");
    server.start(python, {QStringLiteral(ZEM_SMTP_SERVER), QStringLiteral("--folder"), folder.path()});
    if (!server.waitForReadyRead(20000)) {
        state.SkipWithError("the SMTP server did not start");
        return;
    }
    const int port = QString::fromUtf8(server.readLine()).trimmed().mid(6).toInt();
    const QSqlDatabase db = withAddresses(Engine::SQLite);
    const QDateTime now(QDate(2026, 6, 24), QTime(9, 0), Qt::UTC);
    OutboxSender::Config config;
    config.server.host = QStringLiteral("127.0.0.1");
    config.server.port = port;
    config.server.security = SmtpSender::Security::None;
    config.senderAddress = QStringLiteral("office@harbour.test");
    config.desk = QStringLiteral("bench@desk");
    double longestStall = 0;
    double stallAt = 0;     // when it ended, from the sender's start
    double longestRead = 0; // the longest of the window's looks at the outbox: what of a stall the file's lock made
    for (auto _ : state) {
        state.PauseTiming();
        Sql::exec(db, QStringLiteral("DELETE FROM Outbox"));
        if (!BookingMail::queueReminders(db, reminders(db), now, QStringLiteral("bench@desk")))
            qFatal("cannot queue");
        state.ResumeTiming();
        OutboxSender sender(Database::addressOf(db.connectionName()), QStringLiteral("bench sender"), config,
                            [now] { return now; });
        sender.start();
        QEventLoop loop;
        // The stall probe does nothing but note the gap since it last ran; the outbox is looked at every 100 ms,
        // as a window refreshing its list would.
        QElapsedTimer gap;
        gap.start();
        QTimer probe;
        probe.setInterval(1);
        QElapsedTimer since;
        since.start();
        QObject::connect(&probe, &QTimer::timeout, &loop, [&] {
            const double stall = static_cast<double>(gap.nsecsElapsed()) / 1e6;
            if (stall > longestStall) {
                longestStall = stall;
                stallAt = static_cast<double>(since.elapsed());
            }
            gap.restart();
        });
        QTimer look;
        look.setInterval(100);
        QObject::connect(&look, &QTimer::timeout, &loop, [&] {
            // A read the sender's write keeps busy past the timeout is only tried again at the next look.
            QElapsedTimer reading;
            reading.start();
            const auto left = Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Outbox WHERE State = 'queued'"));
            longestRead = std::max(longestRead, static_cast<double>(reading.nsecsElapsed()) / 1e6);
            if (left && left->toInt() == 0)
                loop.quit();
        });
        probe.start();
        look.start();
        loop.exec();
        sender.stop();
    }
    server.closeWriteChannel();
    server.waitForFinished(5000);
    state.counters["messages"] = Messages;
    state.counters["longest_stall_ms"] = longestStall;
    state.counters["stall_ended_at_ms"] = stallAt;
    state.counters["longest_read_ms"] = longestRead;
}

// The same probe for a second with nothing sending: what the machine's own scheduling costs the main thread.
void BM_IdleStall(benchmark::State& state)
{
    double longestStall = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QElapsedTimer gap;
        gap.start();
        QTimer probe;
        probe.setInterval(1);
        QObject::connect(&probe, &QTimer::timeout, &loop, [&] {
            longestStall = std::max(longestStall, static_cast<double>(gap.nsecsElapsed()) / 1e6);
            gap.restart();
        });
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        probe.start();
        loop.exec();
    }
    state.counters["longest_stall_ms"] = longestStall;
}

} // namespace

BENCHMARK_CAPTURE(BM_QueueReminders, sqlite, Engine::SQLite)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QueueReminders, postgresql, Engine::PostgreSQL)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleStall)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_Send500)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
