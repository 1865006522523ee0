#include "maintenance/BackupRestore.h"

#include "core/Database.h"
#include "core/Dialect.h"
#include "core/InstallPaths.h"
#include "core/MessageLog.h"
#include "core/ServerRoles.h"
#include "core/SqlHelpers.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/ArchiveSeal.h"
#include "maintenance/SafeFiles.h"
#include "maintenance/ServerArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <future>

namespace {

QString uniqueConnectionName()
{
    // The compaction's check opens a second connection on a thread of its own.
    static std::atomic<int> next = 0;
    return QStringLiteral("zem-maintenance-%1").arg(++next);
}

/// Holds a read lock on a database file while it is copied byte by byte, so no other desk can commit half a
/// change into the copy; opening it also rolls back a transaction a crashed program left behind. A file that
/// does not open as ours is copied as it is.
class ReadLock final
{
public:
    explicit ReadLock(const QString& path) : m_name(uniqueConnectionName())
    {
        if (auto db = Database::open(path, m_name, 5000)) {
            m_transaction = std::make_unique<Sql::Transaction>(*db);
            Sql::scalar(*db, QStringLiteral("SELECT COUNT(*) FROM sqlite_master"));
        }
    }
    ~ReadLock()
    {
        m_transaction.reset();
        Database::close(m_name);
    }
    Q_DISABLE_COPY_MOVE(ReadLock)

private:
    QString m_name;
    std::unique_ptr<Sql::Transaction> m_transaction;
};

/// Shows the progress window for as long as it lives, the work in equal phases one after the other: the bar runs
/// through each phase's share as the codec or a copy reports its bytes, and is full at the end of the work.
class ProgressShown final
{
public:
    explicit ProgressShown(IProgress& progress, int phases = 1) : m_progress(progress), m_phases(std::max(1, phases))
    {
        m_progress.startProgress();
        ttsgz::registerCallback(
            [this](qint64 total, qint64 done, int& abort) { abort = report(total, done) ? -1 : 0; });
    }
    ~ProgressShown()
    {
        m_progress.stopProgress();
        ttsgz::unregisterCallback();
    }
    Q_DISABLE_COPY_MOVE(ProgressShown)

    /// done of total bytes of the current phase; true when the user confirmed cancelling.
    bool report(qint64 total, qint64 done)
    {
        const qint64 within = total <= 0 ? Scale : Scale * std::clamp<qint64>(done, 0, total) / total;
        return m_progress.progress(Scale * m_phases, Scale * m_phase + within);
    }
    /// The next phase begins; its start is shown at once, since it may report nothing before it ends.
    bool nextPhase()
    {
        m_phase = std::min(m_phase + 1, m_phases - 1);
        return report(1, 0);
    }
    /// The work is done: the bar is full, not left where the last phase's reports stopped.
    void finish() { static_cast<void>(m_progress.progress(1, 1)); }

private:
    static constexpr qint64 Scale = 1000;
    IProgress& m_progress;
    int m_phases;
    int m_phase = 0;
};

QString optionOrZero(const QString& option)
{
    return option.isEmpty() ? QStringLiteral("0") : option;
}

/// An unexpected failure around the codec: logged here, shown by the window with its text as it is.
Failure unexpected(Failure failure)
{
    MessageLog::logError(QStringLiteral("%1.SpasavanjeExecute: %2").arg(QStringLiteral("modSpas"), failure.text));
    return failure;
}

/// Puts a checked file in place of the database. A journal left beside a database that is not there belongs
/// to no file any more, and SQLite would play it into the new one.
Status putInPlace(const QString& from, const QString& database)
{
    const QString journal = database + QStringLiteral("-journal");
    if (QFileInfo::exists(database))
        QFile::setPermissions(from, QFile::permissions(database));
    else if (QFileInfo::exists(journal))
        QFile::remove(journal);
    return SafeFiles::replace(from, database);
}

/// Puts the checked file from in place of database, and the database as it was becomes DB.bak. No other desk
/// commits meanwhile: the read lock is held from before the copy is made until the new file is in place. The copy
/// is a second name for the same bytes where the disk allows it, so nothing is copied; elsewhere a copy.
Status replaceKeepingCopy(const QString& from, const QString& database, const SafeFiles::CopyProgress& progress = {})
{
    if (!QFileInfo::exists(database))
        return putInPlace(from, database);
    const QString safetyCopy = BackupRestore::safetyCopyPath(database);
    const QString link = SafeFiles::partName(safetyCopy);
    const ReadLock lock(database);
    const bool linked = SafeFiles::linkPart(database, safetyCopy).ok();
    if (!linked)
        if (const Status copied = SafeFiles::copy(database, safetyCopy, progress); !copied)
            return copied;
    if (const Status placed = putInPlace(from, database); !placed) {
        if (linked)
            QFile::remove(link);
        return placed;
    }
    if (const Status kept = linked ? SafeFiles::replace(link, safetyCopy) : Status(Done{}); !kept) {
        QFile::remove(link);
        return kept;
    }
    return Done{};
}

bool removeTemp(const QString& temp)
{
    QFile::remove(temp + QStringLiteral("-journal"));
    return SafeFiles::remove(temp);
}

/// "Can't add Backup.SPA: " and the reason in one line.
QString cantAdd(const QString& archive, const QString& reason)
{
    return QCoreApplication::translate("BackupRestore", "Can't add ") +
           QStringLiteral("%1: %2").arg(QFileInfo(archive).fileName(), reason);
}

/// Why the codec stopped, as the clause after the archive's name.
QString unpackFailure(int result, const ttsgz::Stopped& stopped, const QString& temp)
{
    const QLocale locale;
    switch (stopped.why) {
    case ttsgz::Stopped::Why::NotAnArchive:
        return QCoreApplication::translate("BackupRestore", "it is not a backup archive of Zem Harbour.");
    case ttsgz::Stopped::Why::Damaged:
        return QCoreApplication::translate("BackupRestore", "it is damaged at byte %1.")
            .arg(locale.toString(stopped.offset));
    case ttsgz::Stopped::Why::NoDiskSpace:
        return stopped.needed > 0
                   ? QCoreApplication::translate("BackupRestore",
                                                 "there is not enough free disk space to unpack it: it needs %1, "
                                                 "and %2 is free.")
                         .arg(locale.formattedDataSize(stopped.needed), locale.formattedDataSize(stopped.available))
                   : QCoreApplication::translate("BackupRestore",
                                                 "there is not enough free disk space to unpack it (%1 free).")
                         .arg(locale.formattedDataSize(stopped.available));
    case ttsgz::Stopped::Why::Other:
        break;
    }
    switch (result) {
    case ttsgz::BadFileName:
        return QCoreApplication::translate("BackupRestore", "it cannot be read.");
    case ttsgz::OutOfMemory:
        return QCoreApplication::translate("BackupRestore", "there is not enough memory to unpack it.");
    case ttsgz::WriteError:
        return QCoreApplication::translate("BackupRestore", "%1 cannot be written.")
            .arg(QDir::toNativeSeparators(temp));
    default:
        return ttsgz::errorText(result) + u'.';
    }
}

/// A refused restore: logged, and said with the archive's name and the reason.
Failure refusedArchive(const QString& archive, const Failure& reason)
{
    MessageLog::logError(QStringLiteral("%1.RestoreExecute: %2").arg(QStringLiteral("modSpas"), reason.text));
    return Failure{reason.kind == FailureKind::Cancelled ? FailureKind::Cancelled : FailureKind::Refused,
                   cantAdd(archive, reason.text)};
}

Status restoreServerCopy(const QString& archive, const QString& chosen, const QString& uri, IProgress& progress,
                         ProgressShown& shown);

/// A restore on a server: pg_restore in one transaction into the same database, so a failure or a cancel leaves it
/// exactly as it was. Only an archive pg_dump made of a harbour database that holds nothing but its rows is taken,
/// and only while no other desk is connected, since dropping and recreating the tables needs every desk to let go of
/// them.
Status restoreServer(const QString& chosen, const QString& uri, IProgress& progress, ProgressShown& shown)
{
    // What is checked is what is restored: the archive is first copied to a file of this desk's own, so that one
    // changed on its stick or share between the check and the restore cannot bring in what the check refused.
    const QString archive = BackupRestore::serverSafetyCopyPath() + QStringLiteral(".restore");
    QDir().mkpath(QFileInfo(archive).absolutePath());
    if (const Status taken = SafeFiles::copy(chosen, archive); !taken) {
        SafeFiles::remove(archive);
        return refusedArchive(chosen, taken.failure());
    }
    const Status restored = restoreServerCopy(archive, chosen, uri, progress, shown);
    SafeFiles::remove(archive);
    return restored;
}

Status restoreServerCopy(const QString& archive, const QString& chosen, const QString& uri, IProgress& progress,
                         ProgressShown& shown)
{
    if (const Status owner = ServerArchive::checkOwner(uri); !owner)
        return owner;
    const auto contents = ServerArchive::readArchive(archive);
    if (!contents)
        return refusedArchive(chosen, contents.failure());
    const auto others = ServerArchive::otherSessions(uri);
    if (!others)
        return unexpected(others.failure());
    if (*others > 0)
        return refused(BackupRestore::otherDesksConnected());
    // Only rows come in: a trigger, function or view of the archive's own would act at this desk's next save.
    if (const Status onlyData = ServerArchive::checkOnlyData(uri, archive, *contents); !onlyData)
        return refusedArchive(chosen, onlyData.failure());
    // The transaction already undoes a failed restore; the copy is there to undo one that succeeded with the wrong
    // archive. It goes to this desk's data folder, which is ours and writable, unlike the archive's folder (a stick,
    // a share); it is a server archive like any other and restores through the same menu item.
    // The new copy takes DB.bak's name only after the restore, since the archive chosen may be DB.bak itself.
    const QString safetyCopy = BackupRestore::serverSafetyCopyPath();
    const QString newCopy = safetyCopy + QStringLiteral(".new");
    QDir().mkpath(QFileInfo(safetyCopy).absolutePath());
    const Status copied = ServerArchive::dump(uri, newCopy, progress, 0, 2);
    Status restored = copied ? ServerArchive::restore(uri, archive, *contents, progress, 1, 2) : cancelled();
    // The archive brings no grants: without them every login but the office's would be refused everything.
    if (restored)
        restored = ServerRoles::applyGrants(uri);
    if (restored)
        shown.finish();
    if (!copied)
        return copied.kind() == FailureKind::Cancelled ? copied : unexpected(copied.failure());
    // After a failed restore the copy still shows the database as it is; it replaces DB.bak all the same.
    if (const Status kept = SafeFiles::replace(newCopy, safetyCopy); !kept) {
        SafeFiles::remove(newCopy);
        MessageLog::logError(QStringLiteral("%1.RestoreExecute: %2").arg(QStringLiteral("modSpas"), kept.error()));
    }
    if (restored || restored.kind() == FailureKind::Cancelled)
        return restored;
    MessageLog::logError(QStringLiteral("%1.RestoreExecute: %2").arg(QStringLiteral("modSpas"), restored.error()));
    return Failure{restored.kind(), cantAdd(chosen, restored.error())};
}

/// The codec's code of a server dump's result, for the error text a backup shows ("Read error", "Write error").
int codecCode(const Status& status)
{
    if (status)
        return ttsgz::NoError;
    switch (status.kind()) {
    case FailureKind::Cancelled:
        return ttsgz::UserAbort;
    case FailureKind::File:
        return ttsgz::WriteError;
    default:
        return ttsgz::ReadError;
    }
}

} // namespace

namespace BackupRestore {

QString otherDesksConnected()
{
    return QCoreApplication::translate(
        "BackupRestore",
        "Other desks are connected to the database. Close Zem Harbour at the other desks, then restore again.");
}

QString targetExists()
{
    return QCoreApplication::translate("BackupRestore", "Can't continue if file exist!");
}

QString safetyCopyPath(const QString& database)
{
    const QFileInfo info(database);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".bak"));
}

QString tempPath(const QString& database)
{
    return QFileInfo(database).absoluteDir().filePath(QStringLiteral("temp.sqlite"));
}

Status targetWritable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return Done{};
    // The owner's write bit, not the access check: an administrator may write anything, yet a file marked
    // read-only is still refused.
    if (info.isSymLink() || !info.isFile() || !(info.permissions() & QFileDevice::WriteOwner))
        return refused(targetExists());
    if (!QFile::remove(path))
        return refused(targetExists());
    return Done{};
}

Status backUpDatabase(const QString& source, const QString& archive, int flag, const QString& option,
                      IProgress& progress)
{
    // The save dialog lets a person pick the database itself and agree to overwrite it: that file is never
    // deleted to make room for its own archive.
    const QString sourceFile = QFileInfo(source).canonicalFilePath();
    if (!sourceFile.isEmpty() && QFileInfo(archive).canonicalFilePath() == sourceFile)
        return refused(targetExists());
    if (const Status writable = targetWritable(archive); !writable)
        return writable;
    int result;
    if (Dialect::isServerAddress(source)) {
        const Status dumped = [&] {
            const ProgressShown shown(progress);
            return ServerArchive::dump(source, archive, progress);
        }();
        result = codecCode(dumped);
        if (result != ttsgz::NoError && result != ttsgz::UserAbort)
            MessageLog::logError(
                QStringLiteral("%1.SpasavanjeExecute: %2").arg(QStringLiteral("modSpas"), dumped.error()));
    } else {
        Q_UNUSED(flag); // the archive always carries its checksum
        const ProgressShown shown(progress);
        const ReadLock lock(source);
        // SQLite's quick check of the file runs on the second core beside the packing, under the same read lock, and
        // the archive's seal says whether it passed: a restore at this desk then need not read every page again.
        auto sound = std::async(std::launch::async, [source] { return isSoundDatabase(source, Check::Quick).ok(); });
        result = ttsgz::zcompress(source, archive, optionOrZero(option), ArchiveSeal::deskKey(),
                                  [&] { return ArchiveSeal::note(source, sound.get()); });
    }
    if (result == ttsgz::NoError)
        return Done{};
    if (result == ttsgz::UserAbort)
        return cancelled();
    return fileFailure(QCoreApplication::translate("BackupRestore", "Can't create SPA file\r\nError:%1")
                           .arg(ttsgz::errorText(result)));
}

namespace {

Status checkResult(const std::optional<QVariant>& result, const QString& error, const QString& shownAs)
{
    if (!result)
        return databaseFailure(error);
    if (result->toString() == QStringLiteral("ok"))
        return Done{};
    // The first fault found, without the line that names the schema ("*** in database main ***").
    const QStringList lines = result->toString().split(u'\n', Qt::SkipEmptyParts);
    const auto fault = std::find_if(lines.cbegin(), lines.cend(),
                                    [](const QString& line) { return !line.startsWith(QStringLiteral("***")); });
    return databaseFailure(QCoreApplication::translate("BackupRestore", "%1 is damaged: %2")
                               .arg(shownAs, fault == lines.cend() ? result->toString() : *fault));
}

Status checkWhole(const QSqlDatabase& db, Check check, const QString& shownAs)
{
    // The quick check reads every page and proves the structure of each tree; the full one also matches every
    // index entry with its row, which takes minutes on a large file.
    QString error;
    const auto result = Sql::scalar(
        db, check == Check::Full ? QStringLiteral("PRAGMA integrity_check") : QStringLiteral("PRAGMA quick_check"), {},
        &error);
    return checkResult(result, error, shownAs);
}

// The quick check of one table with its indexes at a time, on db and on a second connection at once, each taking the
// next table as it finishes; in schema order the large tables come early, so the two end close together.
Status checkEachTable(const QSqlDatabase& db, const QString& path, const QString& shownAs)
{
    QStringList tables{QStringLiteral("sqlite_schema")};
    {
        QSqlQuery q(db);
        QString error;
        // A virtual table has no tree of its own (its shadow tables are listed).
        if (!Sql::exec(q, QStringLiteral("SELECT name FROM sqlite_schema WHERE type = 'table' AND rootpage > 0"), {},
                       &error))
            return databaseFailure(error);
        while (q.next())
            tables << q.value(0).toString();
    }
    // Each check walks only its own trees, so a file-wide fault (a page free and in use) is looked for apart.
    QString error;
    const auto freePages = Sql::scalar(db, QStringLiteral("PRAGMA freelist_count"), {}, &error);
    if (!freePages)
        return databaseFailure(error);
    if (freePages->toLongLong() != 0)
        return databaseFailure(
            QCoreApplication::translate("BackupRestore", "%1 has %2 free pages as soon as it is written.")
                .arg(shownAs)
                .arg(freePages->toLongLong()));
    std::atomic<qsizetype> next = 0;
    const auto checkTables = [&](const QSqlDatabase& on) -> Status {
        for (qsizetype i = next++; i < tables.size(); i = next++) {
            QString failed;
            QString quoted = tables[i];
            quoted.replace(u'\'', QStringLiteral("''"));
            const auto result = Sql::scalar(on, QStringLiteral("PRAGMA quick_check('%1')").arg(quoted), {}, &failed);
            if (const Status checked = checkResult(result, failed, shownAs); !checked) {
                next = tables.size();
                return checked;
            }
        }
        return Done{};
    };
    auto other = std::async(std::launch::async, [&]() -> Status {
        const QString name = uniqueConnectionName();
        const Status checked = [&]() -> Status {
            const auto second = Database::open(path, name, 0, shownAs);
            if (!second) {
                next = tables.size();
                return second.failure();
            }
            return checkTables(*second);
        }();
        Database::close(name);
        return checked;
    });
    const Status mine = checkTables(db);
    const Status theirs = other.get();
    return mine ? theirs : mine;
}

} // namespace

Status isSoundDatabase(const QString& path, Check check, const QString& label)
{
    const QString shownAs = label.isEmpty() ? QDir::toNativeSeparators(path) : label;
    {
        // A file of another kind is said so before SQLite is asked to make sense of it.
        QFile file(path);
        if (file.open(QIODevice::ReadOnly) && file.read(16) != QByteArray("SQLite format 3\0", 16))
            return refused(
                QCoreApplication::translate("BackupRestore", "%1 is not a Zem Harbour database.").arg(shownAs));
    }
    const QString name = uniqueConnectionName();
    const Status sound = [&]() -> Status {
        // The handle goes out of scope before the connection is closed.
        const auto db = Database::open(path, name, 0, shownAs);
        if (!db)
            return db.failure();
        if (const Status checked = check == Check::Schema      ? Status(Done{})
                                   : check == Check::EachTable ? checkEachTable(*db, path, shownAs)
                                                               : checkWhole(*db, check, shownAs);
            !checked)
            return checked;
        // Only data comes in from an archive: a trigger, view or table of its own would act at this desk.
        const auto foreign = Database::foreignObjects(*db);
        if (!foreign)
            return foreign.failure();
        if (!foreign->isEmpty())
            return refused(QCoreApplication::translate("BackupRestore",
                                                       "%1 is not exactly Zem Harbour's: it has %2, which this "
                                                       "program does not make.")
                               .arg(shownAs, foreign->join(QStringLiteral(", "))));
        const auto missing = Database::missingObjects(*db);
        if (!missing)
            return missing.failure();
        if (!missing->isEmpty())
            return refused(QCoreApplication::translate("BackupRestore",
                                                       "%1 is not exactly Zem Harbour's: it lacks %2, which this "
                                                       "program makes.")
                               .arg(shownAs, missing->join(QStringLiteral(", "))));
        return Done{};
    }();
    Database::close(name);
    return sound;
}

QString serverSafetyCopyPath()
{
    return safetyCopyPath(InstallPaths::defaultDatabasePath());
}

Status restoreDatabase(const QString& archive, const QString& target, const QString& option, IProgress& progress)
{
    // The window and its bar are up before the first step. A file is unpacked, checked and the database as it was
    // kept, a third of the bar each (the last is a moment where the disk can give the file a second name).
    ProgressShown shown(progress, 3);
    if (Dialect::isServerAddress(target))
        return restoreServer(archive, target, progress, shown);
    const QString temp = tempPath(target);
    if (!removeTemp(temp))
        return unexpected(fileFailure(QCoreApplication::translate("BackupRestore", "Cannot remove %1.").arg(temp)));
    ttsgz::Stopped stopped;
    ttsgz::Unsealed seal;
    const int result = ttsgz::zuncompress(archive, temp, optionOrZero(option), &stopped, ArchiveSeal::deskKey(), &seal);
    // The database is replaced only by a file that is whole and ours; until then it has not been touched, so
    // after a failure or a cancel the previous database is still where it was, and so is DB.bak.
    const Status done = [&]() -> Status {
        if (result == ttsgz::UserAbort || (result == ttsgz::NoError && shown.nextPhase()))
            return cancelled();
        if (result != ttsgz::NoError)
            return refusedArchive(archive, refused(unpackFailure(result, stopped, temp)));
        // The archive's checksum already proved its bytes: the quick check and the schema are what is left, or the
        // schema alone for a file this desk's backup quick-checked and sealed.
        const bool vouched = seal.state == ttsgz::Unsealed::State::Verified && ArchiveSeal::vouchesFor(seal.note, temp);
        if (const Status sound = isSoundDatabase(temp, vouched ? Check::Schema : Check::Quick,
                                                 QCoreApplication::translate("BackupRestore", "the database in it"));
            !sound)
            return refusedArchive(archive, sound.failure());
        if (shown.nextPhase())
            return cancelled();
        const Status placed =
            replaceKeepingCopy(temp, target, [&shown](qint64 total, qint64 done) { return shown.report(total, done); });
        return placed || placed.kind() == FailureKind::Cancelled ? placed : unexpected(placed.failure());
    }();
    removeTemp(temp);
    if (done)
        shown.finish();
    return done;
}

} // namespace BackupRestore

namespace BackupRestore {

Status compactDatabase(const QString& path, bool makeBackup)
{
    // On a server the compaction rewrites nothing a person could lose, so there is no copy to keep.
    if (Dialect::isServerAddress(path)) {
        return ServerArchive::compact(path);
    }
    if (!QFileInfo(path).isFile())
        return fileFailure(QCoreApplication::translate("BackupRestore", "%1 does not exist.").arg(path));
    const QString temp = BackupRestore::tempPath(path);
    if (!removeTemp(temp))
        return fileFailure(QCoreApplication::translate("BackupRestore", "Cannot remove %1.").arg(temp));
    const Status done = [&]() -> Status {
        const QString name = uniqueConnectionName();
        QString error;
        bool written = false;
        if (auto db = Database::open(path, name, 5000); !db)
            error = db.error();
        else
            // The copy reads and writes each page once, so the desk's large page cache buys it nothing; with it
            // VACUUM INTO took a third longer than with SQLite's own 2 MB on a 430 MB file.
            written = Sql::exec(*db, QStringLiteral("PRAGMA cache_size = -2000"), {}, &error) &&
                      Sql::exec(*db, QStringLiteral("VACUUM INTO ?"), {QDir::toNativeSeparators(temp)}, &error);
        Database::close(name);
        if (!written)
            return databaseFailure(error);
        // VACUUM INTO does not force its file onto the disk, and the rename must not overtake the data. The disk
        // works while the quick check reads the pages VACUUM INTO left in memory (it wrote every table and index
        // anew). Nothing else opens this file, so the second handle cannot disturb the check's locks.
        auto synced = std::async(std::launch::async, [temp] {
            QFile file(temp);
            return file.open(QIODevice::ReadWrite) && SafeFiles::sync(file);
        });
        const Status sound = BackupRestore::isSoundDatabase(temp, Check::EachTable);
        if (!synced.get())
            return fileFailure(QCoreApplication::translate("BackupRestore", "Cannot write %1.").arg(temp));
        if (!sound)
            return sound;
        // The file as it was stays as DB.bak, given only now so that DB.bak never shares its bytes with a
        // database still in use.
        return makeBackup ? replaceKeepingCopy(temp, path) : putInPlace(temp, path);
    }();
    if (!done)
        removeTemp(temp);
    return done;
}

} // namespace BackupRestore
