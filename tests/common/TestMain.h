#pragma once

#include <QObject>
#include <functional>

/// Lets one test executable hold several test classes, one per file: each file registers its class with
/// ZEM_TEST(Class), and the shared main runs them all: CoreTestMain.cpp without a screen (core_tests),
/// GuiTestMain.cpp with a QApplication on the offscreen platform (the window suites).
/// "-engine postgresql" runs them against a private PostgreSQL server (common/PgServer.h) instead of SQLite files.
namespace TestMain {
enum class Engine
{
    SQLite,
    PostgreSQL
};
/// Which runs a class takes part in: most run on both engines; a few test one engine's own machinery.
enum class Runs
{
    OnBoth,
    SQLiteOnly,
    PostgreSQLOnly
};
int registerSuite(const char* name, std::function<QObject*()> make, Runs runs = Runs::OnBoth);
/// Runs the registered classes (after main has made the application object); 0 when every case passed.
int runAll();
/// The engine this run uses (SQLite unless "-engine postgresql" was given).
Engine currentEngine();
} // namespace TestMain

#define ZEM_TEST_RUNS(Class, runs)                                                                                     \
    namespace {                                                                                                        \
    const int registered##Class = TestMain::registerSuite(                                                             \
        #Class, [] { return new Class; }, TestMain::Runs::runs);                                                       \
    }
#define ZEM_TEST(Class) ZEM_TEST_RUNS(Class, OnBoth)
/// For classes that test the SQLite file itself: not part of a PostgreSQL run.
#define ZEM_TEST_SQLITE_ONLY(Class) ZEM_TEST_RUNS(Class, SQLiteOnly)
/// For classes that test the PostgreSQL machinery itself: only part of a PostgreSQL run.
#define ZEM_TEST_POSTGRESQL_ONLY(Class) ZEM_TEST_RUNS(Class, PostgreSQLOnly)
