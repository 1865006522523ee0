// Reading 200 booking requests from a real local mailbox (Dovecot, started as the tests start it) into the busy
// harbour's database: listed, sized, fetched, parsed, kept and marked seen one by one, as the gateway desk does.
#include "BenchData.h"
#include "common/ImapServer.h"
#include "core/SqlHelpers.h"
#include "requests/RequestReader.h"

#include <benchmark/benchmark.h>

namespace {

const int Bookings = BenchData::bookings(10000);
constexpr int Requests = 200;

QByteArray request(int n)
{
    const QDate arrive = QDate(2027, 5, 1).addDays(n % 120);
    const QDate depart = arrive.addDays(1 + n % 9);
    return QStringLiteral("From: Forms <forms@service.test>\r\nMessage-ID: <bench-%1@web>\r\nDate: Tue, 01 Jun 2026 "
                          "09:30:00 +0000\r\nContent-Type: text/plain; charset=utf-8\r\n\r\nvisitor_name: Guest %1\r\n"
                          "visitor_email_address: guest%1@example.test\r\narrive_day: %2\r\narrive_month: %3\r\n"
                          "arrive_year: %4\r\ndeparture_day: %5\r\ndeparture_month: %6\r\ndeparture_year: %7\r\n"
                          "boat_length: %8\r\nComment: a quiet berth, please\r\n")
        .arg(n)
        .arg(arrive.day())
        .arg(arrive.month())
        .arg(arrive.year())
        .arg(depart.day())
        .arg(depart.month())
        .arg(depart.year())
        .arg(8 + n % 10)
        .toUtf8();
}

void BM_Read200Requests(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = BenchData::openScratch(engine, Bookings, QStringLiteral("requests"));
    for (auto _ : state) {
        state.PauseTiming();
        Sql::exec(db, QStringLiteral("DELETE FROM BookingRequest"));
        ImapServer server;
        if (!server.start(QStringLiteral("bookings"), QStringLiteral("secret"))) {
            state.SkipWithError(qPrintable(server.error()));
            return;
        }
        for (int n = 0; n < Requests; ++n)
            server.deliver(QStringLiteral("%1.bench").arg(n), request(n));
        ImapMailbox::Account account;
        account.server.host = QStringLiteral("127.0.0.1");
        account.server.port = server.port();
        account.server.security = SmtpSender::Security::None;
        account.server.user = QStringLiteral("bookings");
        account.server.password = QStringLiteral("secret");
        ImapMailbox mailbox(account);
        state.ResumeTiming();
        const RequestReader::Report report =
            RequestReader::read(db, mailbox, QDateTime(QDate(2026, 6, 1), QTime(9, 0), Qt::UTC));
        if (!report.error.isEmpty() || report.added != Requests) {
            state.SkipWithError(qPrintable(QStringLiteral("%1 read: %2").arg(report.added).arg(report.error)));
            return;
        }
    }
    state.counters["requests"] = BenchData::perIteration(Requests);
}

} // namespace

BENCHMARK_CAPTURE(BM_Read200Requests, sqlite, Engine::SQLite)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_Read200Requests, postgresql, Engine::PostgreSQL)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
