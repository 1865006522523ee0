#pragma once

#include <QSqlDatabase>
#include <QString>

/// How a connection to a database file reads and waits, set when Database::open opens it.
namespace FileConnection {

/// Maps the file's pages where it lies on a disk of this machine, and makes a statement that finds the file locked
/// by another connection try again every millisecond, for up to busyTimeoutMs. False, with the reason, when the
/// connection refuses either.
bool tune(const QSqlDatabase& db, const QString& path, int busyTimeoutMs, QString* error);

} // namespace FileConnection
