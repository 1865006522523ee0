#include "common/TestMain.h"

#include "common/PgServer.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
struct Entry
{
    const char* name;
    std::function<QObject*()> make;
    TestMain::Runs runs;
};
std::vector<Entry>& entries()
{
    static std::vector<Entry> entries;
    return entries;
}
TestMain::Engine g_engine = TestMain::Engine::SQLite;

// Removes "-name value" from args; value is "" when the option is absent, null when its value is missing.
QString takeOption(QStringList& args, const QString& name, bool* missingValue)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return {};
    if (at + 1 >= args.size()) {
        *missingValue = true;
        args.remove(at);
        return {};
    }
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

bool runsOn(TestMain::Runs runs, TestMain::Engine engine)
{
    switch (runs) {
    case TestMain::Runs::OnBoth:
        return true;
    case TestMain::Runs::SQLiteOnly:
        return engine == TestMain::Engine::SQLite;
    case TestMain::Runs::PostgreSQLOnly:
        return engine == TestMain::Engine::PostgreSQL;
    }
    return false;
}
} // namespace

int TestMain::registerSuite(const char* name, std::function<QObject*()> make, Runs runs)
{
    entries().push_back({name, std::move(make), runs});
    return static_cast<int>(entries().size());
}

TestMain::Engine TestMain::currentEngine()
{
    return g_engine;
}

int TestMain::runAll()
{
    // Amounts and dates are written as a UK office sees them, whatever the machine running the tests is set to.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    // "-only Class" runs one class, "-engine sqlite|postgresql" picks the engine; the rest goes to Qt Test.
    QStringList args = QCoreApplication::arguments();
    bool missingValue = false;
    const QString only = takeOption(args, QStringLiteral("-only"), &missingValue);
    const QString engine = takeOption(args, QStringLiteral("-engine"), &missingValue);
    if (missingValue) {
        std::fprintf(stderr, "-only and -engine need a value\n");
        return 1;
    }
    if (engine.isEmpty() || engine == QLatin1String("sqlite")) {
        g_engine = Engine::SQLite;
    } else if (engine == QLatin1String("postgresql")) {
        g_engine = Engine::PostgreSQL;
        // A PostgreSQL run without its server fails: it is never quietly skipped.
        QString error;
        if (!PgServer::start(&error)) {
            std::fprintf(stderr, "cannot start the PostgreSQL test server: %s\n", qPrintable(error));
            return 1;
        }
    } else {
        std::fprintf(stderr, "unknown engine \"%s\" (sqlite or postgresql)\n", qPrintable(engine));
        return 1;
    }
    int failed = 0;
    int ran = 0;
    for (const Entry& entry : entries()) {
        if (!runsOn(entry.runs, g_engine) || (!only.isEmpty() && only != QLatin1String(entry.name)))
            continue;
        std::unique_ptr<QObject> test(entry.make());
        failed += QTest::qExec(test.get(), args);
        ++ran;
    }
    // A misspelt -only, or a class that does not run on this engine, must not pass as an empty success.
    if (!only.isEmpty() && ran == 0) {
        std::fprintf(stderr, "no test class \"%s\" runs on this engine\n", qPrintable(only));
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
