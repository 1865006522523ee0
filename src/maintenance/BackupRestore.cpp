#include "maintenance/BackupRestore.h"

#include "core/Database.h"
#include "core/Dialect.h"
#include "core/InstallPaths.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/SqlHelpers.h"
#include "maintenance/ArchiveCodec.h"
#include "maintenance/SafeFiles.h"
#include "maintenance/ServerArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString uniqueConnectionName()
{
    static int next = 0;
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

/// Shows the progress window and feeds it the codec's callback for as long as it lives.
class ProgressShown final
{
public:
    explicit ProgressShown(IProgress& progress) : m_progress(progress)
    {
        m_progress.startProgress();
        ttsgz::registerCallback(
            [this](qint64 total, qint64 done, int& abort) { abort = m_progress.progress(total, done) ? -1 : 0; });
    }
    ~ProgressShown()
    {
        m_progress.stopProgress();
        ttsgz::unregisterCallback();
    }
    Q_DISABLE_COPY_MOVE(ProgressShown)

private:
    IProgress& m_progress;
};

QString optionOrZero(const QString& option)
{
    return option.isEmpty() ? QStringLiteral("0") : option;
}

/// An unexpected failure around the codec: logged, then shown.
void reportUnexpected(IMessageBox& messages, const QString& description)
{
    MessageLog::logError(QStringLiteral("%1.SpasavanjeExecute: %2").arg(QStringLiteral("modSpas"), description));
    messages.show(description, QStringLiteral("Error!"), MsgIcon::Critical, MsgButtons::Ok);
}

/// Puts a checked file in place of the database. A journal left beside a database that is not there belongs
/// to no file any more, and SQLite would play it into the new one.
bool putInPlace(const QString& from, const QString& database, QString* error)
{
    const QString journal = database + QStringLiteral("-journal");
    if (QFileInfo::exists(database))
        QFile::setPermissions(from, QFile::permissions(database));
    else if (QFileInfo::exists(journal))
        QFile::remove(journal);
    return SafeFiles::replace(from, database, error);
}

bool removeTemp(const QString& temp)
{
    QFile::remove(temp + QStringLiteral("-journal"));
    return SafeFiles::remove(temp);
}

void showOutcome(IMessageBox& messages, int result)
{
    if (result == ttsgz::NoError)
        messages.show(QStringLiteral("Database restored"), QStringLiteral("Information"), MsgIcon::Information,
                      MsgButtons::Ok);
    else if (result != ttsgz::UserAbort)
        messages.show(QStringLiteral("Can't add "), QStringLiteral("Error!"), MsgIcon::Critical, MsgButtons::Ok);
}

/// A restore on a server: pg_restore in one transaction into the same database, so a failure or a cancel leaves it
/// exactly as it was. Only an archive pg_dump made of a harbour database is taken, and only while no other desk is
/// connected, since dropping and recreating the tables needs every desk to let go of them.
int restoreServer(const QString& archive, const QString& uri, IMessageBox& messages, IProgress& progress)
{
    QString error;
    const auto contents = ServerArchive::readArchive(archive, &error);
    if (!contents) {
        MessageLog::logError(QStringLiteral("%1.RestoreExecute: %2").arg(QStringLiteral("modSpas"), error));
        showOutcome(messages, ttsgz::ReadError);
        return ttsgz::ReadError;
    }
    const auto others = ServerArchive::otherSessions(uri, &error);
    if (!others) {
        reportUnexpected(messages, error);
        return BackupRestore::NotRun;
    }
    if (*others > 0) {
        messages.show(BackupRestore::OtherDesksConnected, QStringLiteral("Error!"), MsgIcon::Critical, MsgButtons::Ok);
        return BackupRestore::NotRun;
    }
    // The transaction already undoes a failed restore; the copy is there to undo one that succeeded with the wrong
    // archive. It goes to this desk's data folder, which is ours and writable, unlike the archive's folder (a stick,
    // a share); it is a server archive like any other and restores through the same menu item.
    // The new copy takes DB.bak's name only after the restore, since the archive chosen may be DB.bak itself.
    const QString safetyCopy = BackupRestore::serverSafetyCopyPath();
    const QString newCopy = safetyCopy + QStringLiteral(".new");
    QDir().mkpath(QFileInfo(safetyCopy).absolutePath());
    int result;
    bool copied = false;
    {
        const ProgressShown shown(progress);
        result = ServerArchive::dump(uri, newCopy, progress, &error, 0, 2);
        copied = result == ttsgz::NoError;
        if (copied)
            result = ServerArchive::restore(uri, archive, *contents, progress, &error, 1, 2);
    }
    if (!copied && result != ttsgz::UserAbort) {
        reportUnexpected(messages, error);
        return BackupRestore::NotRun;
    }
    // After a failed restore the copy still shows the database as it is; it replaces DB.bak all the same.
    QString copyError;
    if (copied && !SafeFiles::replace(newCopy, safetyCopy, &copyError)) {
        SafeFiles::remove(newCopy);
        MessageLog::logError(QStringLiteral("%1.RestoreExecute: %2").arg(QStringLiteral("modSpas"), copyError));
    }
    if (result != ttsgz::NoError && result != ttsgz::UserAbort)
        MessageLog::logError(QStringLiteral("%1.RestoreExecute: %2").arg(QStringLiteral("modSpas"), error));
    showOutcome(messages, result);
    return result;
}

} // namespace

namespace BackupRestore {

QString safetyCopyPath(const QString& database)
{
    const QFileInfo info(database);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".bak"));
}

QString tempPath(const QString& database)
{
    return QFileInfo(database).absoluteDir().filePath(QStringLiteral("temp.sqlite"));
}

bool targetWritable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    // The owner's write bit, not the access check: an administrator may write anything, yet a file marked
    // read-only is still refused.
    if (info.isSymLink() || !info.isFile() || !(info.permissions() & QFileDevice::WriteOwner))
        return false;
    return QFile::remove(path);
}

int backUpDatabase(const QString& source, const QString& archive, int flag, const QString& option,
                   IMessageBox& messages, IProgress& progress)
{
    // The save dialog lets a person pick the database itself and agree to overwrite it: that file is never
    // deleted to make room for its own archive.
    const QString sourceFile = QFileInfo(source).canonicalFilePath();
    if ((!sourceFile.isEmpty() && QFileInfo(archive).canonicalFilePath() == sourceFile) || !targetWritable(archive)) {
        messages.show(QStringLiteral("Can't continue if file exist!"), QStringLiteral("Error!"), MsgIcon::Critical,
                      MsgButtons::Ok);
        return NotRun;
    }
    int result;
    if (Dialect::isServerAddress(source)) {
        QString error;
        {
            const ProgressShown shown(progress);
            result = ServerArchive::dump(source, archive, progress, &error);
        }
        if (result != ttsgz::NoError && result != ttsgz::UserAbort)
            MessageLog::logError(QStringLiteral("%1.SpasavanjeExecute: %2").arg(QStringLiteral("modSpas"), error));
    } else {
        const ReadLock lock(source);
        const ProgressShown shown(progress);
        result = ttsgz::zcompress(source, archive, optionOrZero(option), flag);
    }
    if (result == ttsgz::NoError)
        messages.show(QStringLiteral("Database backuped"), QStringLiteral("Information"), MsgIcon::Information,
                      MsgButtons::Ok);
    else if (result != ttsgz::UserAbort)
        messages.show(QStringLiteral("Can't create SPA file\r\nError:%1").arg(modttgz_api::zipErrorText(result)),
                      QStringLiteral("Error!"), MsgIcon::Critical, MsgButtons::Ok);
    return result;
}

bool isSoundDatabase(const QString& path, QString* error)
{
    const QString name = uniqueConnectionName();
    bool sound = false;
    auto db = Database::open(path, name, 0);
    if (!db && error)
        *error = db.error();
    if (db) {
        const auto check = Sql::scalar(*db, QStringLiteral("PRAGMA integrity_check"), {}, error);
        sound = check && check->toString() == QStringLiteral("ok");
        if (check && !sound && error)
            *error = check->toString();
    }
    Database::close(name);
    return sound;
}

QString serverSafetyCopyPath()
{
    return safetyCopyPath(InstallPaths::defaultDatabasePath());
}

int restoreDatabase(const QString& archive, const QString& target, const QString& option, IMessageBox& messages,
                    IProgress& progress)
{
    if (Dialect::isServerAddress(target))
        return restoreServer(archive, target, messages, progress);
    const QString temp = tempPath(target);
    QString error;
    if (QFileInfo::exists(target)) {
        const ReadLock lock(target);
        if (!SafeFiles::copy(target, safetyCopyPath(target), &error)) {
            reportUnexpected(messages, error);
            return NotRun;
        }
    }
    if (!removeTemp(temp)) {
        reportUnexpected(messages, QStringLiteral("Cannot remove %1.").arg(temp));
        return NotRun;
    }
    int result;
    {
        const ProgressShown shown(progress);
        result = ttsgz::zuncompress(archive, temp, optionOrZero(option));
    }
    // The database is replaced only by a file that is whole and ours; until then it has not been touched, so
    // after a failure or a cancel the previous database is still where it was and DB.bak holds its copy.
    if (result == ttsgz::NoError && !isSoundDatabase(temp, &error)) {
        MessageLog::logError(QStringLiteral("%1.RestoreExecute: %2").arg(QStringLiteral("modSpas"), error));
        result = ttsgz::ReadError;
    }
    if (result == ttsgz::NoError && !putInPlace(temp, target, &error)) {
        removeTemp(temp);
        reportUnexpected(messages, error);
        return ttsgz::WriteError;
    }
    removeTemp(temp);
    showOutcome(messages, result);
    return result;
}

} // namespace BackupRestore

namespace BackupRestore {

bool compactDatabase(const QString& path, bool makeBackup, QString* error)
{
    // On a server the compaction rewrites nothing a person could lose, so there is no copy to keep.
    if (Dialect::isServerAddress(path))
        return ServerArchive::compact(path, error);
    if (!QFileInfo(path).isFile()) {
        if (error)
            *error = QStringLiteral("%1 does not exist.").arg(path);
        return false;
    }
    if (makeBackup && !SafeFiles::copy(path, BackupRestore::safetyCopyPath(path), error))
        return false;
    const QString temp = BackupRestore::tempPath(path);
    if (!removeTemp(temp)) {
        if (error)
            *error = QStringLiteral("Cannot remove %1.").arg(temp);
        return false;
    }
    const QString name = uniqueConnectionName();
    bool written = false;
    if (auto db = Database::open(path, name, 5000); !db && error)
        *error = db.error();
    else if (db)
        written = Sql::exec(*db, QStringLiteral("VACUUM INTO ?"), {QDir::toNativeSeparators(temp)}, error);
    Database::close(name);
    bool ok = written && BackupRestore::isSoundDatabase(temp, error);
    if (ok) {
        // VACUUM INTO does not force its file onto the disk; the rename must not overtake the data.
        QFile file(temp);
        ok = file.open(QIODevice::ReadWrite) && SafeFiles::sync(file);
        file.close();
        if (!ok && error)
            *error = QStringLiteral("Cannot write %1.").arg(temp);
    }
    ok = ok && putInPlace(temp, path, error);
    if (!ok)
        removeTemp(temp);
    return ok;
}

} // namespace BackupRestore
