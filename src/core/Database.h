#pragma once

#include "core/Result.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

enum class Engine;

/// The database (a SQLite file, or a database on a PostgreSQL server named by a postgresql:// address): its schema,
/// its version and the shared connection every window uses.
namespace Database {

/// The schema version this program writes and understands; older files are upgraded on opening.
inline constexpr int CurrentSchemaVersion = 33;

/// The name of the one shared connection (opened by start-up, closed and reopened around maintenance).
QString sharedConnectionName();
/// The shared connection; invalid when it is not open.
QSqlDatabase shared();

/// The schema of a new file (resources/schema.sql) with the rows every new database starts with.
QString schemaScript();

/// Writes a new, empty database at path. Refuses an existing file; writes beside it and renames into place,
/// so a failure leaves nothing behind. For a server address, writes the schema into the (empty) database there in
/// one transaction, and refuses a database that holds any table.
Status createDatabase(const QString& path);

/// Opens an existing database file (or server database) as a connection named connectionName, checks that it is one of
/// ours (every table of the schema with every column) and brings an older schema up to date. Never creates a file.
/// A Database failure with the reason when anything fails; label names the database in it (the path when empty).
Result<QSqlDatabase> open(const QString& path, const QString& connectionName, int busyTimeoutMs = 500,
                          const QString& label = {});
/// Whether changes can be saved through db: a write is tried and rolled back. Refused, with the reason, for a
/// read-only file or folder; a file another desk keeps busy counts as writable (it will be once the lock goes).
Status canWrite(const QSqlDatabase& db);

/// What a file holds beyond this version's schema, once opened (and so upgraded): each table, index, trigger or view
/// the schema does not make, or makes with another definition ("trigger Evil"). Empty when the file is exactly ours.
/// A restore refuses a file with any, since a trigger of its own would run at this desk's next save.
Result<QStringList> foreignObjects(const QSqlDatabase& db);

/// The statements the upgrades from fromVersion to this version run on engine, one script after the other (without
/// the steps the program computes): what a restored archive of that version is given before it is used.
/// What a file lacks of this version's schema, once opened: each index, trigger or view (a table without its columns
/// does not open) the schema makes and the file does not hold. A restore refuses a file with any, since a missing
/// trigger of the period index would let two bookings take one berth.
Result<QStringList> missingObjects(const QSqlDatabase& db);

QString upgradeScript(Engine engine, int fromVersion);

/// Closes and forgets a connection opened by Open.
void close(const QString& connectionName);

/// The file or server address the connection was opened on; empty when no such connection is open. A window
/// that needs a connection of its own opens it on this address.
QString addressOf(const QString& connectionName);

/// Whether a file system of this type (as QStorageInfo names it) is a disk of this machine, where a file may be read
/// through a memory map: a network share or a user-space file system is not.
bool isLocalFileSystem(const QByteArray& type);

} // namespace Database
