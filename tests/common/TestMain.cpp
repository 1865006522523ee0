#include "common/TestMain.h"

#include <QCoreApplication>
#include <QTest>
#include <memory>
#include <vector>

namespace {
struct Entry
{
    const char* name;
    std::function<QObject*()> make;
};
std::vector<Entry>& Entries()
{
    static std::vector<Entry> entries;
    return entries;
}
} // namespace

int TestMain::Register(const char* name, std::function<QObject*()> make)
{
    Entries().push_back({name, std::move(make)});
    return static_cast<int>(Entries().size());
}

int TestMain::RunAll()
{
    // "-only Class" runs one class; every other argument goes to Qt Test.
    QStringList args = QCoreApplication::arguments();
    QString only;
    const qsizetype at = args.indexOf(QStringLiteral("-only"));
    if (at >= 0 && at + 1 < args.size()) {
        only = args.at(at + 1);
        args.remove(at, 2);
    }
    int failed = 0;
    for (const Entry& entry : Entries()) {
        if (!only.isEmpty() && only != QLatin1String(entry.name))
            continue;
        std::unique_ptr<QObject> test(entry.make());
        failed += QTest::qExec(test.get(), args);
    }
    return failed == 0 ? 0 : 1;
}
