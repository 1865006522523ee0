#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

/// The database (a SQLite file, or a database on a PostgreSQL server named by a postgresql:// address): its schema,
/// its version and the shared connection every window uses.
namespace Database {

/// The schema version this program writes and understands; older files are upgraded on opening.
inline constexpr int CurrentSchemaVersion = 3;

/// The name of the one shared connection (opened by start-up, closed and reopened around maintenance).
QString sharedConnectionName();
/// The shared connection; invalid when it is not open.
QSqlDatabase shared();

/// The schema of a new file (resources/schema.sql) with the rows every new database starts with.
QString schemaScript();

/// Writes a new, empty database at path. Refuses an existing file; writes beside it and renames into place,
/// so a failure leaves nothing behind. For a server address, writes the schema into the (empty) database there in
/// one transaction, and refuses a database that holds any table.
bool createDatabase(const QString& path, QString* error);

/// Opens an existing database file (or server database) as a connection named connectionName, checks that it is one of
/// ours (every table of the schema with every column) and brings an older schema up to date. Never creates a file.
/// Nothing when anything fails.
std::optional<QSqlDatabase> open(const QString& path, const QString& connectionName, int busyTimeoutMs = 500,
                                 QString* error = nullptr);
/// Whether changes can be saved through db: a write is tried and rolled back. False, with the reason, for a
/// read-only file or folder; a file another desk keeps busy counts as writable (it will be once the lock goes).
bool canWrite(const QSqlDatabase& db, QString* reason = nullptr);

/// Closes and forgets a connection opened by Open.
void close(const QString& connectionName);

} // namespace Database
