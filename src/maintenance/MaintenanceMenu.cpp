#include "maintenance/MaintenanceMenu.h"

#include "core/Database.h"
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

namespace MaintenanceMenu {

namespace {

/// Closes the shared connection for as long as it lives, the windows' data released first; Reopen opens it
/// again and has the windows read afresh.
class ConnectionClosed final
{
public:
    ConnectionClosed(Services& services, IWindowHost& host, const QString& path)
        : m_services(services), m_host(host), m_path(path)
    {
        m_host.ReleaseChildData();
        Database::Close(m_services.connectionName);
    }
    Q_DISABLE_COPY_MOVE(ConnectionClosed)

    /// False (and the reason) when the database does not open again; the windows then show nothing.
    bool Reopen(QString* error)
    {
        const bool opened = modFunctions::OpenConnection(m_path, m_services.connectionName, 500, error).has_value();
        m_host.ReloadChildData();
        return opened;
    }

private:
    Services& m_services;
    IWindowHost& m_host;
    QString m_path;
};

/// A handler's error: logged with the handler's name, then shown once.
void Report(Services& services, const QString& handler, const QString& title, const QString& description)
{
    modLog::LogMessage(3, QStringLiteral("%s.") + handler + QStringLiteral(": %s"),
                       {QStringLiteral("MDIMain"), description});
    services.messages.Show(description, title, MsgIcon::Critical, MsgButtons::Ok);
}

} // namespace

QString DatabaseFile(const Services& services)
{
    const QString name = services.Db().databaseName();
    if (name.isEmpty())
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
    ConnectionClosed closed(services, host, database);
    {
        frmBackup progress(services.messages, host.DialogParent());
        modSpas::SpasavanjeExecute(database, archive, -1, QString(), services.messages, progress);
    }
    QString error;
    const bool reopened = closed.Reopen(&error);
    modEventLog::LogEvent(services.clock.Now(), modEventLog::DatabaseBackup);
    if (!reopened)
        Report(services, QStringLiteral("mnuFileBackupDB_Click"),
               QStringLiteral("Error detected when make database backup!"), error);
}

void mnuFileRestoreDB_Click(Services& services, IWindowHost& host)
{
    const QString database = DatabaseFile(services);
    const QString archive = FileSelect(services, QStringLiteral("Select your backuped database ..."), false);
    if (archive.isEmpty())
        return;
    ConnectionClosed closed(services, host, database);
    {
        frmBackup progress(services.messages, host.DialogParent());
        modSpas::RestoreExecute(archive, database, QString(), services.messages, progress);
    }
    QString error;
    const bool reopened = closed.Reopen(&error);
    modEventLog::LogEvent(services.clock.Now(), modEventLog::DatabaseRestore);
    if (!reopened)
        Report(services, QStringLiteral("mnuFileRestoreDB_Click"),
               QStringLiteral("Error detected when restoring database backup!"), error);
}

void mnuFileCompactDB_Click(Services& services, IWindowHost& host)
{
    const QString database = DatabaseFile(services);
    ConnectionClosed closed(services, host, database);
    QString error;
    {
        frmCompact window(host.DialogParent());
        window.Execute();
        // The outcome is not shown: a failed compaction leaves the database as it was.
        if (!modFunctions::CompactDatabase(database, true, &error))
            modLog::LogMessage(3, QStringLiteral("%s.CompactDatabase: %s"), {QStringLiteral("modFunctions"), error});
        window.Destroy();
    }
    const bool reopened = closed.Reopen(&error);
    modEventLog::LogEvent(services.clock.Now(), modEventLog::DatabaseCompacted);
    // A database that no longer opens is said once; the windows then show nothing and nothing crashes.
    if (!reopened)
        Report(services, QStringLiteral("mnuFileCompactDB_Click"), QStringLiteral("Error!"), error);
}

} // namespace MaintenanceMenu
