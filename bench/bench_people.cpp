// The customer windows on a harbour with 100,000 customers: opening the customer list (the grid reads only the
// rows it shows), loading the customer search, one prefix search over the loaded customers, and one search of any
// part of the names, addresses and numbers through the trigram index, on both engines.
#include "BenchData.h"
#include "bookings/DataGenerator.h"
#include "bookings/DependentBookings.h"
#include "core/Database.h"
#include "core/Dialect.h"
#include "core/EventLog.h"
#include "core/InstallPaths.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "people/CustomerListWindow.h"
#include "people/CustomerSearch.h"
#include "people/PeopleListModel.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int Customers = 100000;

// One installation with the generated customers, made on first use and shared by every benchmark; on the server a
// database of the benchmarks' own server, filled the first time and kept.
QSqlDatabase harbour(Engine engine = Engine::SQLite)
{
    static QTemporaryDir root;
    static bool ready = false;
    if (!ready) {
        qputenv("ZEMHARBOUR_SETTINGS", (root.path() + QStringLiteral("/settings.ini")).toLocal8Bit());
        InstallPaths::setRoot(root.path());
        const QString path = root.path() + QStringLiteral("/DB.sqlite");
        if (const Status made = Database::createDatabase(path); !made)
            qFatal("%s", qPrintable(made.error()));
        if (const auto db = Database::open(path, Database::sharedConnectionName()); !db)
            qFatal("%s", qPrintable(db.error()));
        if (const Status made = DataGenerator::generateCustomers(Database::shared(), Customers, 20261204); !made)
            qFatal("%s", qPrintable(made.error()));
        ready = true;
    }
    if (engine == Engine::SQLite)
        return Database::shared();
    static const QSqlDatabase server = [] {
        QSqlDatabase db = BenchData::openServer(QStringLiteral("people_%1").arg(Customers), QStringLiteral("server"));
        const auto count = Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM Customer"));
        if (!count)
            qFatal("the server's customers cannot be counted");
        if (count->toInt() == 0) {
            if (const Status made = DataGenerator::generateCustomers(db, Customers, 20261204); !made)
                qFatal("%s", qPrintable(made.error()));
            Sql::exec(db, QStringLiteral("VACUUM ANALYZE CustomerText"));
        }
        return db;
    }();
    return server;
}

// The window as the main window opens it: built, laid out at a usual size and painted once.
void BM_OpenCustomerList(benchmark::State& state)
{
    harbour();
    // Nothing in this path asks the user anything; the seams only have to exist.
    BenchData::QuietMessages messages;
    BenchData::FixedFile files;
    BenchData::NoDesktop desktop;
    SystemClock clock;
    EventLogFile events(clock);
    Services services{messages, files, desktop, clock, events, Database::sharedConnectionName()};
    int fetched = 0;
    for (auto _ : state) {
        CustomerListWindow window(services, DependentBookings::ofCustomer());
        window.resize(1200, 700);
        window.show();
        QApplication::processEvents();
        window.activated(); // the frame activates it once shown
        QApplication::processEvents();
        fetched = window.model()->rowCount();
    }
    state.counters["rows read"] = fetched;
}
BENCHMARK(BM_OpenCustomerList)->Unit(benchmark::kMillisecond);

// The list's model alone: the statement and the cells of one screenful.
void BM_CustomerListModel(benchmark::State& state)
{
    const QSqlDatabase db = harbour();
    PeopleListModel model(PeopleLists::customers(Dialect::of(db)));
    for (auto _ : state) {
        if (!model.requery(db)) {
            state.SkipWithError("the customers could not be read");
            break;
        }
        for (int row = 0; row < 30; ++row) {
            for (int column = 0; column < model.columnCount(); ++column)
                benchmark::DoNotOptimize(model.data(model.index(row, column)));
        }
    }
    state.counters["rows read"] = model.rowCount();
}
BENCHMARK(BM_CustomerListModel)->Unit(benchmark::kMillisecond);

// Opening the customer search reads every customer once.
void BM_FindCustomerLoad(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = harbour(engine);
    CustomerSearchModel model;
    for (auto _ : state) {
        if (!model.load(db)) {
            state.SkipWithError("the customers could not be read");
            break;
        }
    }
    state.counters["customers"] = model.loadedCount();
}
ZEM_BENCH_ENGINES(BM_FindCustomerLoad);

// One prefix search over the loaded customers (in memory, the same on either engine): a name prefix, and a name
// with a town and the club box ticked.
void BM_FindCustomerSearch(benchmark::State& state)
{
    CustomerSearchModel model;
    if (!model.load(harbour()))
        qFatal("the customers could not be read");
    CustomerCriteria criteria;
    criteria.texts[CustomerCriteria::Name] = QStringLiteral("ja"); // James, Jack: about one name in seven
    if (state.range(0) == 1) {
        criteria.texts[CustomerCriteria::Town] = QStringLiteral("Lon");
        criteria.club = CustomerCriteria::Club::Ticked;
    }
    for (auto _ : state)
        model.apply(criteria);
    state.counters["matches"] = model.rowCount();
}
BENCHMARK(BM_FindCustomerSearch)->Arg(0)->Arg(1)->ArgName("example")->Unit(benchmark::kMillisecond);

// One search of the any-part box as the window runs it on each key: the index asked for the words, then the
// loaded customers narrowed to what it found.
const char* const AnyPartExamples[] = {
    "kowal",          // part of a surname, one customer in 28
    "zoe",            // an accent left out: the first name Zoë and the e-mail addresses made from it
    "kowalski leeds", // two words in two fields
    "123456",         // the middle of a telephone number: a few customers
    "ng",             // two letters: the start of a word (the trigram " ng")
};
void BM_FindCustomerAnyPart(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = harbour(engine);
    CustomerSearchModel model;
    if (!model.load(db))
        qFatal("the customers could not be read");
    CustomerCriteria criteria;
    criteria.anyPart = QString::fromUtf8(AnyPartExamples[state.range(0)]);
    for (auto _ : state) {
        const auto found = customersWithAnyPart(db, criteria.anyPart);
        if (BenchData::failed(state, found))
            break;
        model.apply(criteria, *found);
    }
    state.counters["matches"] = model.rowCount();
}
ZEM_BENCH_ENGINES(BM_FindCustomerAnyPart, ->DenseRange(0, 4)->ArgName("example"));
} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv, true);
}
