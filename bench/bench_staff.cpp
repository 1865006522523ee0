// The sign-in: one Argon2id check of the password at the cost the program keeps, with its read and write of the
// user's row.
#include "BenchData.h"
#include "core/Database.h"
#include "core/DateTimes.h"
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

} // namespace

int main(int argc, char** argv)
{
    return BenchData::run(argc, argv);
}
