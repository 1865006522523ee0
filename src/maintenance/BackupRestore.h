#pragma once

#include "core/Result.h"

#include <QString>

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

/// Backup and restore of the database file, without a window: the checks around the codec and the safety copy.
/// They return the outcome; the window that asked shows it (a failure's text as it is, under "Error!").
namespace BackupRestore {

/// The safety copy beside a database: its folder + its base name + ".bak" (DB.bak for DB.sqlite).
QString safetyCopyPath(const QString& database);
/// Where a restore on a server keeps its safety copy (a pg_dump archive of the database as it was): DB.bak in this
/// desk's data folder.
QString serverSafetyCopyPath();
/// Why a restore on a server did not start: the tables cannot be replaced while another desk holds them.
QString otherDesksConnected();
/// The temporary file beside a database that a restored or compacted file is written to: temp.sqlite.
QString tempPath(const QString& database);

/// The text every refused backup target gets.
QString targetExists();

/// Whether an archive may be written to path: done when nothing is there, or when a plain writable file was
/// there and has been deleted (the save dialog already asked before overwriting). A read-only file, a folder
/// or anything else is refused with targetExists().
Status targetWritable(const QString& path);

/// Packs the database source into archive (a pg_dump archive when source is a server address) with the progress
/// shown. Failures: Refused (targetExists()) when the target cannot be written, Cancelled after a confirmed cancel
/// (nothing to show), File with "Can't create SPA file\r\nError:" and the codec's error text otherwise.
Status backUpDatabase(const QString& source, const QString& archive, int flag, const QString& option,
                      IProgress& progress);

/// Replaces the database target with the one in archive. On a server: a pg_dump archive of ours, restored in one
/// transaction while no other desk is connected. On a file: a safety copy (DB.bak) first, then the archive is
/// unpacked beside the database, and only a file that opens as a sound database of ours replaces it. Failures:
/// Refused "Can't add " for an archive not ours, Refused naming the objects a database carries of its own, Refused
/// otherDesksConnected(), Cancelled (nothing to show), File "Can't add " when the codec failed, or File/Database with
/// the reason of an unexpected failure (logged already). After anything but success the previous database is still in
/// place.
Status restoreDatabase(const QString& archive, const QString& target, const QString& option, IProgress& progress);

/// How far a database is checked: the quick check proves every page and tree, the full one also every index entry.
/// EachTable is the quick check of each table with its indexes apart, two at once, and an empty free list: for a
/// copy this program's SQLite has just written, which no one else could have given a page shared by two trees.
/// Schema leaves SQLite's page check out: for a file proven byte for byte the one a backup of this desk quick-checked.
enum class Check
{
    Schema,
    Quick,
    EachTable,
    Full,
};

/// Whether path is a sound database of ours: it opens with our tables and a schema version this program
/// understands, passes SQLite's check and holds exactly the tables, indexes, triggers and views this version's
/// schema makes, each as it makes it. Refused, naming the file as label (its path when empty), for a file not ours,
/// objects of its own or objects it lacks; the failure of the open or Database, with the reason, otherwise.
Status isSoundDatabase(const QString& path, Check check = Check::Full, const QString& label = {});

/// Rewrites the database at path through SQLite's VACUUM INTO the temporary file beside it, checks the result
/// and puts it in place in one rename. With makeBackup the file is first copied to DB.bak. On a failure the
/// database is as it was.
Status compactDatabase(const QString& path, bool makeBackup);

} // namespace BackupRestore
