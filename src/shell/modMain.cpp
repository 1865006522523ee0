#include "shell/modMain.h"

#include "core/Database.h"
#include "core/InstallPaths.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"
#include "core/modLog.h"
#include "shell/MDIMain.h"
#include "shell/TipsFile.h"
#include "shell/frmSplash.h"
#include "shell/frmTipOfTheDay.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

namespace modMain {

bool OpenDatabase(QString* error)
{
    const QString path = Settings::DatabasePath();
    // A system-wide installation has no database of its own for this user: the first start makes an empty one in
    // the user's data folder. Anywhere else a missing file stays an error (a file that went away is not replaced).
    if (!InstallPaths::RootWritable() && path == InstallPaths::DefaultDatabasePath() && !QFileInfo::exists(path)) {
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            if (error)
                *error = QStringLiteral("The folder of %1 cannot be made.").arg(path);
            return false;
        }
        if (!Database::CreateDatabase(path, error))
            return false;
    }
    return modFunctions::OpenConnection(path, Database::SharedConnectionName(), 500, error).has_value();
}

std::unique_ptr<MDIMain> Main(Services& services, int splashMs, TipMode tipMode)
{
    QPointer<frmSplash> splash = new frmSplash;
    splash->show();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < splashMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    if (splash)
        splash->close();

    QString error;
    if (!OpenDatabase(&error)) {
        modLog::LogMessage(3, QStringLiteral("%s.Main: %s"), {QStringLiteral("modMain"), error});
        services.messages.Show(QStringLiteral("DB Connection Error"), MDIMain::Caption(), MsgIcon::Critical,
                               MsgButtons::Ok);
        return nullptr;
    }
    const QDateTime now = services.clock.Now();
    modEventLog::InitEventLog(now.date());
    modEventLog::LogEvent(now, modEventLog::ApplicationStarted);

    auto window = std::make_unique<MDIMain>(services);
    window->show();
    // Said once, now, rather than after the user has filled a whole booking that cannot be saved.
    if (QString reason; !Database::CanWrite(services.Db(), &reason)) {
        modLog::LogMessage(3, QStringLiteral("%s.Main: read-only: %s"), {QStringLiteral("modMain"), reason});
        services.messages.Show(QStringLiteral("Database opened read-only: changes cannot be saved.\n\n") +
                                   Settings::DatabasePath(),
                               MDIMain::Caption(), MsgIcon::Exclamation, MsgButtons::Ok);
    }
    if (TipsFile::ShowAtStartup()) {
        if (tipMode == TipMode::Modal)
            frmTipOfTheDay::Dispaly(window.get());
        else
            frmTipOfTheDay::Open(window.get());
    }
    return window;
}

} // namespace modMain
