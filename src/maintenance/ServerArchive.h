#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class IProgress;

/// Backup, restore and compaction of a database on a PostgreSQL server: archives are pg_dump's custom format,
/// written and read by the server's own client programs, run as separate processes while the progress window
/// stays live. The results are the archive codec's codes, so the callers report them as they report the file's.
namespace ServerArchive {

/// A PostgreSQL client program (pg_dump, pg_restore): found on PATH, else in the newest
/// /usr/lib/postgresql/<version>/bin; "" when neither has it.
QString findTool(const QString& name);

/// The libpq connection string for a postgresql:// address, with the program's name for the server's session list.
/// Never a password: libpq takes that from PGPASSWORD or the password file, as the program's own connections do.
QString connectionString(const QString& uri, const QString& applicationName, QString* error = nullptr);

/// Writes a custom-format pg_dump of the database at uri into archive: under a ".part" name first, renamed into
/// place only when pg_dump has finished without error, so a failure or a cancel leaves no archive. progress sees
/// phase of phases (a restore's safety copy is its first phase). 0, 2 after a confirmed cancel, 3 when the database
/// could not be read (reason in *error), 4 when the archive could not be written.
int dump(const QString& uri, const QString& archive, IProgress& progress, QString* error, int phase = 0,
         int phases = 1);

/// The tables a pg_dump archive holds data for, and their schema; nothing (reason in *error) when the file is not a
/// pg_dump archive or lacks any of our tables.
struct ArchiveContents
{
    QString schema;
    QStringList tables;
};
std::optional<ArchiveContents> readArchive(const QString& archive, QString* error);

/// How many sessions other than this check are connected to the database at uri (other desks, other windows).
std::optional<int> otherSessions(const QString& uri, QString* error);

/// Replaces the database's contents with the archive's in one transaction (pg_restore --single-transaction --clean):
/// after a failure or a cancel the database is exactly as it was. Codes as Dump; 3 when pg_restore refused.
int restore(const QString& uri, const QString& archive, const ArchiveContents& contents, IProgress& progress,
            QString* error, int phase = 0, int phases = 1);

/// Gives free space back and refreshes the planner's figures (VACUUM (ANALYZE), outside any transaction).
bool compact(const QString& uri, QString* error);

} // namespace ServerArchive
