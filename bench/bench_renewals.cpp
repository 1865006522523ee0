// Renewing 1,500 contracts on the busy harbour's 2,000 berths in one step: next term's prices read from the term
// rates, each renewal written as a new contract with its berths held and its plan, and the renewal letters laid out
// as one PDF kept once, each contract's letter naming its pages, all in one transaction; then one holder's letter
// read back. SQLite and PostgreSQL in one run; beside it, one letter alone.
#include "BenchData.h"
#include "contracts/ContractDocuments.h"
#include "contracts/ContractRenewals.h"
#include "core/SqlHelpers.h"
#include "core/ui/DocumentRenderer.h"
#include "rates/TermRates.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>

namespace {

const int Bookings = BenchData::bookings(10000);
constexpr int Held = 1500;
// The contracts lie after the generated bookings: the 2030 season, renewed for 2031's.
const QDate SeasonStart(2030, 4, 1);
const QDate SeasonEnd(2030, 9, 30);

// The harbour with a season priced per berth type and 1,500 berths let for it, each in four instalments.
QSqlDatabase harbour(Engine engine)
{
    const QSqlDatabase db = BenchData::openScratch(engine, Bookings, QStringLiteral("renewals"));
    QString error;
    const bool written = Sql::inTransaction(db, &error, [&] {
        QSqlQuery q(db);
        if (!Sql::exec(q, QStringLiteral("SELECT ID FROM BerthType ORDER BY ID"), {}, &error))
            return false;
        TermTable terms;
        terms.terms = {{-1, QStringLiteral("Season"), SeasonStart, SeasonEnd, true, 0}};
        while (q.next())
            terms.rates << TermPricing::TermRate{
                0, -1, q.value(0).toInt(), {}, Pricing::Basis::PerBerth, Money::fromPence(120000), QDate(2020, 1, 1)};
        if (!TermRates::save(db, {}, terms))
            return false;
        if (!Sql::exec(db, QStringLiteral("UPDATE Customer SET Street = '1 Quay Lane', Town = 'Poole'"), {}, &error))
            return false;
        return true;
    });
    if (!written)
        qFatal("the terms could not be written: %s", qPrintable(error));
    const qint64 term = Sql::scalar(db, QStringLiteral("SELECT MAX(ID) FROM ContractTerm"))->toLongLong();
    QSqlQuery q(db);
    if (!Sql::exec(
            q, QStringLiteral(
                   "SELECT B.ID, C.ID FROM Berth B JOIN Customer C ON C.ID = B.ID WHERE B.Active = 1 ORDER BY B.ID")))
        qFatal("cannot read the berths");
    QList<std::pair<int, int>> holders;
    while (q.next() && holders.size() < Held)
        holders.append({q.value(0).toInt(), q.value(1).toInt()});
    const QDateTime now(QDate(2030, 8, 1), QTime(9, 0), Qt::UTC);
    const Money total = ContractStore::charges(db, Money::fromPence(120000), SeasonStart)->total;
    const bool made = Sql::inTransaction(db, &error, [&] {
        for (const auto& [berth, customer] : holders) {
            ContractRecord c;
            c.customerId = customer;
            c.termId = term;
            c.firstDay = SeasonStart;
            c.lastDay = SeasonEnd;
            c.berthIds = {berth};
            c.hire = Money::fromPence(120000);
            c.plan = ContractPlan::split(total, 4, c.firstDay, c.lastDay);
            const auto id = ContractStore::addIn(db, c, now);
            if (!id) {
                error = id.error();
                return false;
            }
        }
        return true;
    });
    if (!made)
        qFatal("the contracts could not be written: %s", qPrintable(error));
    return db;
}

// Takes the renewals away again, so each round renews the same 1,500.
void forget(const QSqlDatabase& db)
{
    const QString renewals = QStringLiteral("(SELECT ID FROM Contract WHERE RenewedFrom IS NOT NULL)");
    for (const QString& sql : {QStringLiteral("DELETE FROM ContractLetterRun WHERE ID IN (SELECT RunID FROM "
                                              "ContractLetter WHERE ContractID IN %1)"),
                               QStringLiteral("DELETE FROM BerthBlock WHERE ContractID IN %1"),
                               QStringLiteral("DELETE FROM ContractBerth WHERE ContractID IN %1"),
                               QStringLiteral("DELETE FROM ContractInstalment WHERE ContractID IN %1"),
                               QStringLiteral("DELETE FROM ContractLetter WHERE ContractID IN %1"),
                               QStringLiteral("DELETE FROM Contract WHERE ID IN %1")})
        if (!Sql::exec(db, sql.arg(renewals)))
            qFatal("cannot take the renewals away");
}

void BM_Renew1500(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = harbour(engine);
    const QDateTime now(QDate(2030, 8, 1), QTime(9, 0), Qt::UTC);
    qsizetype renewed = 0;
    qint64 letterBytes = 0;
    double readOneMs = 0;
    BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        const auto due = ContractRenewals::due(db, QDate(2030, 9, 1), QDate(2030, 9, 30));
        if (BenchData::failed(state, due))
            return;
        const auto done = ContractRenewals::renew(db, *due, now);
        if (BenchData::failed(state, done))
            return;
        renewed = done->size();
        state.PauseTiming();
        serverCpu.pause();
        // One holder's letter read back: cut from the run's PDF, which is read whole.
        QElapsedTimer reading;
        reading.start();
        const auto letter = ContractDocuments::kept(db, done->last().to, ContractDocuments::RenewalLetterKind);
        if (BenchData::failed(state, letter))
            return;
        readOneMs = double(reading.nsecsElapsed()) / 1e6;
        // What the letters take in the database: the run's PDF and any kept alone.
        letterBytes = Sql::scalar(db, QStringLiteral("SELECT (SELECT COALESCE(SUM(LENGTH(Pdf)), 0) FROM "
                                                     "ContractLetterRun) + (SELECT COALESCE(SUM(LENGTH(Pdf)), 0) "
                                                     "FROM ContractLetter)"))
                          ->toLongLong();
        forget(db);
        serverCpu.resume();
        state.ResumeTiming();
    }
    state.counters["renewed"] = double(renewed);
    state.counters["letter_kB"] = double(letterBytes) / double(std::max<qsizetype>(1, renewed)) / 1024.0;
    state.counters["read_one_ms"] = readOneMs;
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_Renew1500, ->Iterations(1)->Repetitions(3));

// One renewal letter laid out as a PDF alone, or (run > 1) each of a run of that many through one writer, per letter.
void BM_RenewalLetter(benchmark::State& state, bool logo, int run)
{
    ContractDocuments::Papers papers;
    papers.company.name = QStringLiteral("Zem Quay Marina");
    papers.company.street = QStringLiteral("The Quay");
    papers.holder.name = QStringLiteral("Ann Holder");
    papers.holder.street = QStringLiteral("1 Quay Lane");
    papers.date = QDate(2030, 8, 1);
    papers.renews = 7;
    papers.contract.berths = {QStringLiteral("P1")};
    papers.contract.term = QStringLiteral("Season");
    papers.contract.firstDay = QDate(2031, 4, 1);
    papers.contract.lastDay = QDate(2031, 9, 30);
    papers.contract.hire = Money::fromPence(120000);
    papers.contract.tax = Money::fromPence(24000);
    papers.contract.total = Money::fromPence(144000);
    papers.contract.plan =
        ContractPlan::split(papers.contract.total, 4, papers.contract.firstDay, papers.contract.lastDay);
    Doc::Document letter = ContractDocuments::renewalLetter(papers);
    if (!logo)
        for (Doc::Record& record : letter.body)
            record.removeIf([](const Doc::Block& b) { return b.kind == Doc::Block::Kind::Picture; });
    const QList<Doc::Document> letters(run, letter);
    for (auto _ : state) {
        if (run == 1) {
            const auto pdf = DocumentRenderer::pdfBytes(letter);
            if (BenchData::failed(state, pdf))
                return;
            benchmark::DoNotOptimize(pdf->size());
        } else {
            const auto pdfs = DocumentRenderer::pdfBytesEach(letters);
            if (BenchData::failed(state, pdfs))
                return;
            benchmark::DoNotOptimize(pdfs->size());
        }
    }
    state.SetItemsProcessed(state.iterations() * run);
}
BENCHMARK_CAPTURE(BM_RenewalLetter, logo_alone, true, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenewalLetter, none_alone, false, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RenewalLetter, logo_run_of_100, true, 100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv, true);
}
