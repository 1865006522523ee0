#include "core/FileConnection.h"

#include "core/Database.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDriver>
#include <QStorageInfo>
#include <chrono>
#include <sqlite3.h>
#include <thread>

namespace FileConnection {
namespace {

// SQLite's own wait sleeps longer and longer (up to 100 ms a time) while a file is locked, so a read that found
// another connection committing may sleep long after the commit ended: a window's read on the main thread then
// stalls for a tenth of a second behind a commit of a few milliseconds. This one looks again every millisecond.
// The count starts again at nought for every statement that finds the file locked; one thread runs one statement
// at a time, so the time it started waiting is kept per thread.
int waitOneStep(void* timeout, int count)
{
    thread_local QElapsedTimer waiting;
    if (count == 0)
        waiting.start();
    if (waiting.elapsed() >= reinterpret_cast<qintptr>(timeout))
        return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return 1;
}

} // namespace

bool tune(const QSqlDatabase& db, const QString& path, int busyTimeoutMs, QString* error)
{
    const QVariant handle = db.driver()->handle();
    sqlite3* file = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
                        ? *static_cast<sqlite3* const*>(handle.constData())
                        : nullptr;
    if (!file ||
        sqlite3_busy_handler(file, &waitOneStep, reinterpret_cast<void*>(qintptr(busyTimeoutMs))) != SQLITE_OK) {
        if (error)
            *error = QCoreApplication::translate("FileConnection", "The SQLite connection is not open.");
        return false;
    }
    // Pages read through a map skip a copy from the kernel each: the day list reads thousands of scattered rows.
    // Only on a disk of this machine: where a mapped file fails or shrinks the program ends instead of being told.
    return !Database::isLocalFileSystem(QStorageInfo(path).fileSystemType()) ||
           Sql::exec(db, QStringLiteral("PRAGMA mmap_size = 2147418112"), {}, error);
}

} // namespace FileConnection
