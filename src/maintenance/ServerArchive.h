#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>

class IProgress;

/// Backup, restore and compaction of a database on a PostgreSQL server: archives are pg_dump's custom format,
/// written and read by the server's own client programs, run as separate processes while the progress window
/// stays live.
namespace ServerArchive {

/// A PostgreSQL client program (pg_dump, pg_restore): found on PATH, else in the newest
/// /usr/lib/postgresql/<version>/bin; "" when neither has it.
QString findTool(const QString& name);

/// The libpq connection string for a postgresql:// address, with the program's name for the server's session list.
/// Never a password: libpq takes that from PGPASSWORD or the password file, as the program's own connections do.
/// Refused (the reason) for an address that is not a server's or carries a password.
Result<QString> connectionString(const QString& uri, const QString& applicationName);

/// Writes a custom-format pg_dump of the database at uri into archive: under a ".part" name first, renamed into
/// place only when pg_dump has finished without error, so a failure or a cancel leaves no archive. progress sees
/// phase of phases (a restore's safety copy is its first phase). Cancelled after a confirmed cancel, Database when
/// the database could not be read, File when the archive could not be written.
Status dump(const QString& uri, const QString& archive, IProgress& progress, int phase = 0, int phases = 1);

/// The tables a pg_dump archive holds data for, their schema and the harbour's schema version; Refused (the reason)
/// when the file is not a pg_dump archive, lacks any of our tables or holds a version this program does not
/// understand, File when pg_restore is not installed.
struct ArchiveContents
{
    QString schema;
    QStringList tables;
    int version = 0;
};
Result<ArchiveContents> readArchive(const QString& archive);

/// Whether the archive brings nothing but rows into the database at uri: every statement its restore would run is one
/// the program's own schema makes, compared with a reference that schema writes into a scratch schema of that
/// database (committed for pg_dump to read, dropped again at once). Refused, naming them, when it carries anything
/// else (a trigger, function, view, rule, policy, index or table of its own, a definition of ours changed);
/// Database or File when the reference could not be made or the archive read.
/// A refusal's text is the clause after the archive's name ("it holds ...").
Status checkOnlyData(const QString& uri, const QString& archive, const ArchiveContents& contents);

/// How many sessions other than this check are connected to the database at uri (other desks, other windows).
Result<int> otherSessions(const QString& uri);

/// Replaces the database's contents with the archive's in one transaction (pg_restore --single-transaction --clean):
/// after a failure or a cancel the database is exactly as it was. Failures as dump's; Database when pg_restore failed.
Status restore(const QString& uri, const QString& archive, const ArchiveContents& contents, IProgress& progress,
               int phase = 0, int phases = 1);

/// Gives free space back and refreshes the planner's figures (VACUUM (ANALYZE), outside any transaction), as the
/// address's own role whoever signed in at this desk.
Status compact(const QString& uri);
/// Whether the address's own role, which restores and compacts whoever signed in, owns the tables (the
/// office's role): refused, saying so, for one that does not (a desk whose address names the sign-in role).
Status checkOwner(const QString& uri);

} // namespace ServerArchive
