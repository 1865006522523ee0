#pragma once

#include <QString>

class IMessageBox;

/// What the backup and restore show while the codec works: BackupWindow in the program, a console line in the
/// drill driver, a script in tests.
class IProgress
{
public:
    virtual ~IProgress() = default;
    virtual void startProgress() = 0;
    virtual void stopProgress() = 0;
    /// Shows done of total (bytes; a total of 0 is complete) and answers whether the user confirmed
    /// cancelling. Called on the window thread from inside the codec.
    virtual bool progress(qint64 total, qint64 done) = 0;
};

/// Backup and restore of the database file, without a window: the checks around the codec, the safety copy,
/// and the messages that report the outcome.
namespace BackupRestore {

/// The result of an operation that stopped before the codec ran.
inline constexpr int NotRun = -1;

/// The safety copy beside a database: its folder + its base name + ".bak" (DB.bak for DB.sqlite).
QString safetyCopyPath(const QString& database);
/// Where a restore on a server keeps its safety copy (a pg_dump archive of the database as it was): DB.bak in this
/// desk's data folder.
QString serverSafetyCopyPath();
/// Why a restore on a server did not start: the tables cannot be replaced while another desk holds them.
inline const QString OtherDesksConnected = QStringLiteral(
    "Other desks are connected to the database. Close Zem Harbour at the other desks, then restore again.");
/// The temporary file beside a database that a restored or compacted file is written to: temp.sqlite.
QString tempPath(const QString& database);

/// Whether an archive may be written to path: true when nothing is there, or when a plain writable file was
/// there and has been deleted (the save dialog already asked before overwriting). A read-only file, a folder
/// or anything else is false.
bool targetWritable(const QString& path);

/// Packs the database source into archive (a pg_dump archive when source is a server address) with the progress shown,
/// and tells the user the outcome: "Database backuped", nothing after a cancel, or the codec's error. Returns the
/// codec's result, or NotRun when the target could not be written ("Can't continue if file exist!").
int backUpDatabase(const QString& source, const QString& archive, int flag, const QString& option,
                   IMessageBox& messages, IProgress& progress);

/// Replaces the database target with the one in archive. On a server: a pg_dump archive of ours, restored in one
/// transaction while no other desk is connected. On a file: a safety copy (DB.bak) first, then the archive is
/// unpacked beside the database, and only a file that opens as a sound database of ours replaces it. Tells the
/// user "Database restored", nothing after a cancel, or "Can't add "; after anything but success the previous
/// database is still in place. Returns the codec's result (3 for a file that is not one of ours), or NotRun.
int restoreDatabase(const QString& archive, const QString& target, const QString& option, IMessageBox& messages,
                    IProgress& progress);

/// Whether path is a sound database of ours: it opens with our tables and a schema version this program
/// understands, and passes SQLite's integrity check. The reason in *error when not.
bool isSoundDatabase(const QString& path, QString* error = nullptr);

/// Rewrites the database at path through SQLite's VACUUM INTO the temporary file beside it, checks the result
/// and puts it in place in one rename. With makeBackup the file is first copied to DB.bak. True when the
/// compacted file is in place; on false the database is as it was (reason in *error).
bool compactDatabase(const QString& path, bool makeBackup, QString* error = nullptr);

} // namespace BackupRestore
