// The main window's quick search on the busy harbour (2,000 berths, 20,000 customers, a boat for each, one booking
// in ten with its boat): part of a surname, a confirmation number, part of a boat's name and a berth, each timed to
// the full first list, on both engines, beside the plain LIKE '%...%' over every booking it replaces.
#include "BenchData.h"
#include "bookings/QuickSearch.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>
#include <benchmark/benchmark.h>

namespace {
const int Bookings = BenchData::bookings(200000);

// The generator makes no boats: each customer gets one, and one booking in ten is made with it. Written once into
// the generated file, before the server copies it.
void addBoats(const QSqlDatabase& db)
{
    const auto count = Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Boat"));
    if (!count)
        qFatal("the boats cannot be counted");
    if (count->toInt() > 0)
        return;
    Sql::Transaction tx(db, true);
    const QString name =
        Dialect::of(db).kind() == Engine::PostgreSQL
            ? QStringLiteral("(ARRAY['Seaspray','Kittiwake','Osprey','Blue Heron','Wanderer','Puffin',"
                             "'Curlew','Morning Star'])[1 + ID % 8] || ' ' || ID")
            : QStringLiteral("CASE ID % 8 WHEN 0 THEN 'Seaspray' WHEN 1 THEN 'Kittiwake' WHEN 2 "
                             "THEN 'Osprey' WHEN 3 THEN 'Blue Heron' WHEN 4 THEN 'Wanderer' WHEN 5 "
                             "THEN 'Puffin' WHEN 6 THEN 'Curlew' ELSE 'Morning Star' END || ' ' || ID");
    QString error;
    if (!Sql::exec(db,
                   QStringLiteral("INSERT INTO Boat (ID, CustomerID, Name, Kind, LengthCm) SELECT ID, ID, %1, 0, 900 "
                                  "FROM Customer")
                       .arg(name),
                   {}, &error) ||
        !Sql::exec(db, QStringLiteral("UPDATE Booking SET BoatID = CustomerID WHERE ID % 10 = 0"), {}, &error) ||
        !tx.commit(&error))
        qFatal("%s", qPrintable(error));
}

QSqlDatabase harbour(Engine engine)
{
    static bool boats = false;
    if (!boats) {
        addBoats(BenchData::open(Engine::SQLite, Bookings, QStringLiteral("search-file")));
        boats = true;
    }
    const QSqlDatabase db = BenchData::open(
        engine, Bookings, engine == Engine::SQLite ? QStringLiteral("search-file") : QStringLiteral("search-server"));
    addBoats(db);
    return db;
}

// The examples: what a clerk types. The number and the berth are read from the harbour itself.
QString example(const QSqlDatabase& db, int which)
{
    switch (which) {
    case 0:
        return QStringLiteral("kowal"); // part of a surname: one customer in 28
    case 1:
        return Sql::scalar(db, QStringLiteral("SELECT BerthConfirmationNumber FROM Booking WHERE ID = ?"),
                           {Bookings / 2})
            .value_or(QVariant())
            .toString();
    case 2:
        return QStringLiteral("wake 123"); // part of a boat's name: Kittiwake 123, 1230 to 1239, ...
    default:
        return Sql::scalar(db, QStringLiteral("SELECT Name FROM Berth WHERE ID = 1000"))
            .value_or(QVariant())
            .toString();
    }
}

void BM_QuickSearch(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = harbour(engine);
    const QString typed = example(db, int(state.range(0)));
    // Today in the middle of the history, so a berth has bookings to come.
    const QDate today = BenchData::days(Bookings, 1, 46)[0];
    qsizetype lines = 0;
    const BenchData::ServerCpu serverCpu(db);
    for (auto _ : state) {
        const auto found = QuickSearch::find(db, typed, today);
        if (BenchData::failed(state, found))
            break;
        lines = found->size();
    }
    state.counters["lines"] = double(lines);
    serverCpu.report(state);
}
ZEM_BENCH_ENGINES(BM_QuickSearch, ->DenseRange(0, 3)->ArgName("example"));

// The reference: one plain LIKE '%...%' over every booking's customer name, boat name and number.
void BM_PlainLike(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = harbour(engine);
    const QString typed = example(db, int(state.range(0)));
    const bool server = Dialect::of(db).kind() == Engine::PostgreSQL;
    const QString like = server ? QStringLiteral("ILIKE") : QStringLiteral("LIKE");
    const QString sql =
        QStringLiteral("SELECT Booking.ID FROM Booking LEFT JOIN Customer ON Customer.ID = Booking.CustomerID "
                       "LEFT JOIN Boat ON Boat.ID = Booking.BoatID WHERE Customer.Name %1 ? ESCAPE '\\' OR "
                       "Boat.Name %1 ? ESCAPE '\\' OR CAST(Booking.BerthConfirmationNumber AS TEXT) %1 ? ESCAPE '\\' "
                       "ORDER BY Booking.FromDate DESC LIMIT %2")
            .arg(like)
            .arg(QuickSearch::MostHits);
    const QString pattern = u'%' + Sql::likePrefix(typed);
    int rows = 0;
    for (auto _ : state) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        QString error;
        if (!Sql::exec(q, sql, {pattern, pattern, pattern}, &error)) {
            state.SkipWithError(qPrintable(error));
            break;
        }
        rows = 0;
        while (q.next())
            ++rows;
    }
    state.counters["lines"] = rows;
}
ZEM_BENCH_ENGINES(BM_PlainLike, ->DenseRange(0, 2)->ArgName("example"));
} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
