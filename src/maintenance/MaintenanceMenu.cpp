#include "maintenance/MaintenanceMenu.h"

#include "core/Database.h"
#include "core/Dialect.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"
#include "core/modLog.h"
#include "core/ui/ChildWindow.h"
#include "maintenance/frmBackup.h"
#include "maintenance/frmCompact.h"
#include "maintenance/modSpas.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <functional>

namespace MaintenanceMenu {

namespace {

/// A handler's error: logged with the handler's name, then shown once.
void Report(Services& services, const QString& handler, const QString& title, const QString& description)
{
    modLog::LogMessage(3, QStringLiteral("%s.") + handler + QStringLiteral(": %s"),
                       {QStringLiteral("MDIMain"), description});
    services.messages.Show(description, title, MsgIcon::Critical, MsgButtons::Ok);
}

/// Runs work with the shared connection closed, the windows' data released first; then opens it again, has the
/// windows read afresh, writes the event whatever the outcome, and says once when the database does not open.
void WithConnectionClosed(Services& services, IWindowHost& host, const QString& database, int event,
                          const QString& handler, const QString& errorTitle, const std::function<void()>& work)
{
    host.ReleaseChildData();
    Database::Close(services.connectionName);
    work();
    QString error;
    const bool reopened = modFunctions::OpenConnection(database, services.connectionName, 500, &error).has_value();
    host.ReloadChildData();
    modEventLog::LogEvent(services.clock.Now(), event);
    // The windows then show nothing, and the next click finds the connection closed without crashing.
    if (!reopened)
        Report(services, handler, errorTitle, error);
}

} // namespace

QString DatabaseFile(const Services& services)
{
    const QSqlDatabase db = services.Db();
    const QString name = db.databaseName();
    // A server connection knows only the database's name; the setting holds the whole address.
    if (name.isEmpty() || Dialect::Of(db).Kind() == Engine::PostgreSQL)
        return Settings::DatabasePath();
    // The connection is opened through a file: address so that SQLite never creates a missing file.
    const QUrl url(name);
    return url.isLocalFile() ? url.toLocalFile() : name;
}

QString FileSelect(Services& services, const QString& title, bool save)
{
    FileRequest request;
    request.title = title;
    request.filter = QStringLiteral("SPA Datoteke (*.SPA)");
    request.selectedFilter = request.filter;
    request.save = save;
    if (save)
        request.proposedName =
            QStringLiteral("SPA_") + services.clock.Now().toString(QStringLiteral("ddMMyyyy")) + QStringLiteral(".SPA");
    QString path = services.files.Choose(request);
    if (path.isEmpty())
        return {};
    QFileInfo chosen(path);
    if (save && chosen.suffix().isEmpty()) {
        path += QStringLiteral(".SPA");
        chosen.setFile(path);
    }
    QString error;
    if (!chosen.absoluteDir().exists())
        error = QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(chosen.absolutePath()));
    else if (!save && !chosen.isFile())
        error = QStringLiteral("The file %1 does not exist.").arg(QDir::toNativeSeparators(path));
    if (error.isEmpty())
        return chosen.absoluteFilePath();
    modLog::LogMessage(3, QStringLiteral("%s.FileSelect: %s"), {QStringLiteral("MDIMain"), error});
    services.messages.Show(error, QStringLiteral("Bad file name"), MsgIcon::Critical, MsgButtons::Ok);
    return {};
}

void mnuFileBackupDB_Click(Services& services, IWindowHost& host)
{
    const QString database = DatabaseFile(services);
    const QString archive = FileSelect(services, QStringLiteral("Select your database backup file ..."), true);
    if (archive.isEmpty())
        return;
    WithConnectionClosed(services, host, database, modEventLog::DatabaseBackup, QStringLiteral("mnuFileBackupDB_Click"),
                         QStringLiteral("Error detected when make database backup!"), [&] {
                             frmBackup progress(services.messages, host.DialogParent());
                             modSpas::SpasavanjeExecute(database, archive, -1, QString(), services.messages, progress);
                         });
}

void mnuFileRestoreDB_Click(Services& services, IWindowHost& host)
{
    const QString database = DatabaseFile(services);
    const QString archive = FileSelect(services, QStringLiteral("Select your backuped database ..."), false);
    if (archive.isEmpty())
        return;
    WithConnectionClosed(services, host, database, modEventLog::DatabaseRestore,
                         QStringLiteral("mnuFileRestoreDB_Click"),
                         QStringLiteral("Error detected when restoring database backup!"), [&] {
                             frmBackup progress(services.messages, host.DialogParent());
                             modSpas::RestoreExecute(archive, database, QString(), services.messages, progress);
                         });
}

void mnuFileCompactDB_Click(Services& services, IWindowHost& host)
{
    const QString database = DatabaseFile(services);
    WithConnectionClosed(services, host, database, modEventLog::DatabaseCompacted,
                         QStringLiteral("mnuFileCompactDB_Click"), QStringLiteral("Error!"), [&] {
                             frmCompact window(host.DialogParent());
                             window.Execute();
                             // The outcome is not shown: a failed compaction leaves the database as it was.
                             QString error;
                             if (!modFunctions::CompactDatabase(database, true, &error))
                                 modLog::LogMessage(3, QStringLiteral("%s.CompactDatabase: %s"),
                                                    {QStringLiteral("modFunctions"), error});
                             window.Destroy();
                         });
}

} // namespace MaintenanceMenu
