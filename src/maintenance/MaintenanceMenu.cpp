#include "maintenance/MaintenanceMenu.h"

#include "core/Database.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "maintenance/BackupRestore.h"
#include "maintenance/BackupWindow.h"
#include "maintenance/CompactWindow.h"
#include "staff/ApprovalDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <functional>

namespace MaintenanceMenu {

namespace {

/// A handler's error: logged with the handler's name, then shown once.
void report(Services& services, const QString& handler, const QString& title, const QString& description)
{
    MessageLog::logError(QStringLiteral("MDIMain.") + handler + QStringLiteral(": ") + description);
    services.messages.show(description, title, MsgIcon::Critical, MsgButtons::Ok);
}

/// A backup's or restore's outcome, told once: the success under "Information", a failure's text as it is under
/// "Error!", nothing after a cancel (the user asked for it).
void tell(Services& services, const Status& outcome, const QString& success)
{
    if (outcome)
        services.messages.show(success, QCoreApplication::translate("MaintenanceMenu", "Information"),
                               MsgIcon::Information, MsgButtons::Ok);
    else if (outcome.kind() != FailureKind::Cancelled)
        services.messages.show(outcome.error(), QCoreApplication::translate("MaintenanceMenu", "Error!"),
                               MsgIcon::Critical, MsgButtons::Ok);
}

/// Runs work with the shared connection closed, the windows' data released first; then opens it again, has the
/// windows read afresh, writes the event whatever the outcome, and says once when the database does not open.
void withConnectionClosed(Services& services, IWindowHost& host, const QString& database, int event,
                          const QString& handler, const QString& errorTitle, const std::function<void()>& work)
{
    host.releaseChildData();
    Database::close(services.connectionName);
    work();
    QString error;
    const auto opened = Database::open(database, services.connectionName);
    error = opened.error();
    const bool reopened = opened.ok();
    host.reloadChildData();
    services.events.log(event);
    // The windows then show nothing, and the next click finds the connection closed without crashing.
    if (!reopened)
        report(services, handler, errorTitle, error);
}

} // namespace

QString databaseFile(const Services& services)
{
    const QString address = Database::addressOf(services.connectionName);
    return address.isEmpty() ? Settings::databasePath() : address;
}

QString fileSelect(Services& services, const QString& title, bool save)
{
    FileRequest request;
    request.title = title;
    request.filter = QCoreApplication::translate("MaintenanceMenu", "Backup archives (*.SPA)");
    request.selectedFilter = request.filter;
    request.save = save;
    // Added by the dialog before it asks about replacing a file, so a name typed without it is asked about too.
    request.defaultSuffix = QStringLiteral("SPA");
    if (save)
        request.proposedName =
            QStringLiteral("SPA_") + services.clock.now().toString(QStringLiteral("ddMMyyyy")) + QStringLiteral(".SPA");
    QString path = services.files.choose(request);
    if (path.isEmpty())
        return {};
    QFileInfo chosen(path);
    if (save && chosen.suffix().isEmpty()) {
        path += QStringLiteral(".SPA");
        chosen.setFile(path);
    }
    QString error;
    if (!chosen.absoluteDir().exists())
        error = QCoreApplication::translate("MaintenanceMenu", "The folder %1 does not exist.")
                    .arg(QDir::toNativeSeparators(chosen.absolutePath()));
    else if (!save && !chosen.isFile())
        error = QCoreApplication::translate("MaintenanceMenu", "The file %1 does not exist.")
                    .arg(QDir::toNativeSeparators(path));
    if (error.isEmpty())
        return chosen.absoluteFilePath();
    MessageLog::logError(QStringLiteral("%1.FileSelect: %2").arg(QStringLiteral("MDIMain"), error));
    services.messages.show(error, QCoreApplication::translate("MaintenanceMenu", "Bad file name"), MsgIcon::Critical,
                           MsgButtons::Ok);
    return {};
}

void backUp(Services& services, IWindowHost& host)
{
    const QString database = databaseFile(services);
    const QString archive = fileSelect(
        services, QCoreApplication::translate("MaintenanceMenu", "Select your database backup file ..."), true);
    if (archive.isEmpty())
        return;
    withConnectionClosed(services, host, database, EventLog::DatabaseBackup, QStringLiteral("mnuFileBackupDB_Click"),
                         QCoreApplication::translate("MaintenanceMenu", "Error detected when make database backup!"),
                         [&] {
                             BackupWindow progress(services.messages, host.dialogParent());
                             tell(services, BackupRestore::backUpDatabase(database, archive, -1, QString(), progress),
                                  QCoreApplication::translate("MaintenanceMenu", "Database backuped"));
                         });
}

Result<QString> backUpBeforeImport(Services& services, IWindowHost& host)
{
    const QString database = databaseFile(services);
    const QString folder =
        QFileInfo(Dialect::isServerAddress(database) ? BackupRestore::serverSafetyCopyPath() : database).absolutePath();
    const QString archive = QDir(folder).filePath(
        QStringLiteral("Import_%1.SPA").arg(services.clock.now().toString(QStringLiteral("yyyyMMdd_HHmmss"))));
    Status outcome = Done{};
    withConnectionClosed(services, host, database, EventLog::DatabaseBackup, QStringLiteral("mnuFileImport_Click"),
                         QCoreApplication::translate("MaintenanceMenu", "Error detected when make database backup!"),
                         [&] {
                             BackupWindow progress(services.messages, host.dialogParent());
                             outcome = BackupRestore::backUpDatabase(database, archive, -1, QString(), progress);
                         });
    if (!outcome)
        return outcome.failure();
    return archive;
}

void restore(Services& services, IWindowHost& host)
{
    if (!Permission::askOrApprove(services, host.dialogParent(), Action::RestoreAndCompact))
        return;
    const QString database = databaseFile(services);
    const QString archive = fileSelect(
        services, QCoreApplication::translate("MaintenanceMenu", "Select your backuped database ..."), false);
    if (archive.isEmpty())
        return;
    // What is about to replace the database, and where the database as it is now will be kept.
    const QFileInfo chosen(archive);
    const bool server = Dialect::isServerAddress(database);
    const QString kept = server ? BackupRestore::serverSafetyCopyPath() : BackupRestore::safetyCopyPath(database);
    const QLocale locale;
    if (services.messages.show(QCoreApplication::translate("MaintenanceMenu",
                                                           "Replace the database with the backup %1 of %2 (%3)?\n\n"
                                                           "The database as it is now is kept as %4, and can be "
                                                           "restored from there.")
                                   .arg(QDir::toNativeSeparators(chosen.absoluteFilePath()),
                                        DateTimes::dateTimeText(chosen.lastModified()),
                                        locale.formattedDataSize(chosen.size()), QDir::toNativeSeparators(kept)),
                               QCoreApplication::translate("MaintenanceMenu", "Restore"), MsgIcon::Question,
                               MsgButtons::YesNo) != MsgResult::Yes)
        return;
    withConnectionClosed(
        services, host, database, EventLog::DatabaseRestore, QStringLiteral("mnuFileRestoreDB_Click"),
        QCoreApplication::translate("MaintenanceMenu", "Error detected when restoring database backup!"), [&] {
            BackupWindow progress(services.messages, host.dialogParent());
            tell(services, BackupRestore::restoreDatabase(archive, database, QString(), progress),
                 QCoreApplication::translate("MaintenanceMenu", "Database restored"));
        });
}

void compact(Services& services, IWindowHost& host)
{
    if (!Permission::askOrApprove(services, host.dialogParent(), Action::RestoreAndCompact))
        return;
    const QString database = databaseFile(services);
    Status compacted = Done{};
    withConnectionClosed(
        services, host, database, EventLog::DatabaseCompacted, QStringLiteral("mnuFileCompactDB_Click"),
        QCoreApplication::translate("MaintenanceMenu", "Error!"), [&] {
            CompactWindow window(host.dialogParent());
            window.execute();
            compacted = BackupRestore::compactDatabase(database, true);
            if (!compacted)
                MessageLog::logError(
                    QStringLiteral("%1.CompactDatabase: %2").arg(QStringLiteral("modFunctions"), compacted.error()));
            window.closeWindow();
        });
    // Said once the database is open again; when it is not, that has been said instead. A failed compaction leaves
    // the database as it was.
    if (services.db().isOpen())
        tell(services, compacted, QCoreApplication::translate("MaintenanceMenu", "Database compacted"));
}

} // namespace MaintenanceMenu
