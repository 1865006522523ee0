// The sign-in: one Argon2id check of the password at the cost the program keeps, with its read and write of the
// user's row.
#include "BenchData.h"
#include "core/Database.h"
#include "core/DateTimes.h"
#include "core/ServerLogin.h"
#include "core/ServerRoles.h"
#include "staff/StaffLogins.h"
#include "staff/StaffStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QSqlDatabase database(Engine engine)
{
    const QString connection = QStringLiteral("bench_staff");
    if (engine == Engine::PostgreSQL)
        return BenchData::openServer(QStringLiteral("staff"), connection);
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/DB.sqlite");
    if (!QFile::exists(path) && !Database::createDatabase(path))
        qFatal("cannot create %s", qPrintable(path));
    const auto db = Database::open(path, connection);
    if (!db)
        qFatal("%s", qPrintable(db.error()));
    return *db;
}

void BM_SignIn(benchmark::State& state, Engine engine)
{
    const QSqlDatabase db = database(engine);
    const QString name = QStringLiteral("bench");
    const QString password = QStringLiteral("harbour-pass");
    if (StaffStore::count(db).valueOr(0) == 0 &&
        !StaffStore::add(db, {0, QStringLiteral("Bench User"), name, Role::Clerk, true, 0}, password,
                         QStringLiteral("4321")))
        qFatal("cannot add the user");
    const QDateTime now = DateTimes::wallTime(QDate(2026, 12, 4), QTime(9, 0));
    for (auto _ : state) {
        const auto user = StaffStore::signIn(db, now, name, password, Secret::Password);
        if (BenchData::failed(state, user))
            return;
    }
}
ZEM_BENCH_ENGINES(BM_SignIn, ->Iterations(10));

// The sign-in on a server as the Sign In box does it there: the password checked, then the desk's connection
// reopened as the user's own login (a probe connection first, then the desk's, each checking the schema).
void BM_SignInAsLogin(benchmark::State& state)
{
    const QString connection = QStringLiteral("bench_staff_login");
    const QSqlDatabase office = BenchData::openServer(QStringLiteral("staff_login"), connection);
    const QString name = QStringLiteral("bench_login");
    const QString password = QStringLiteral("harbour-pass");
    // Logins outlive the database the script makes again: one left by an earlier run goes first.
    (void)ServerRoles::dropLogin(office, name);
    const auto id = StaffStore::add(office, {0, QStringLiteral("Bench Login"), name, Role::Clerk, true, 0}, password,
                                    QStringLiteral("4321"));
    if (BenchData::failed(state, id))
        return;
    const QDateTime now = DateTimes::wallTime(QDate(2026, 12, 4), QTime(9, 0));
    for (auto _ : state) {
        const auto user =
            StaffStore::signIn(QSqlDatabase::database(connection, false), now, name, password, Secret::Password);
        if (BenchData::failed(state, user))
            return;
        if (const Status in = StaffLogins::signInAs(connection, *user, password); BenchData::failed(state, in))
            return;
    }
    ServerLogin::forgetLogin();
}
BENCHMARK(BM_SignInAsLogin)->Iterations(10)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
