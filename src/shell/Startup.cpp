#include "shell/Startup.h"

#include "core/Database.h"
#include "core/EventLog.h"
#include "core/InstallPaths.h"
#include "core/Languages.h"
#include "core/MessageLog.h"
#include "core/RegionalSettings.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "outputs/TodayWindow.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"
#include "shell/TipOfTheDayDialog.h"
#include "shell/TipsFile.h"
#include "staff/IdleLock.h"
#include "staff/SignInDialog.h"
#include "staff/StaffStore.h"
#include "staff/UserDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QThread>

namespace Startup {
namespace {
// Who works at this desk, before any window opens: a database without users makes its first administrator (there
// is no default password), one with users asks for a sign-in. False when the person cancelled.
bool signIn(Services& services)
{
    const Result<int> users = StaffStore::count(services.db());
    if (!users) {
        MessageLog::logError(QStringLiteral("%1.Main: users: %2").arg(QStringLiteral("modMain"), users.error()));
        services.messages.show(QCoreApplication::translate("Startup", "DB Connection Error"), MainWindow::caption(),
                               MsgIcon::Critical, MsgButtons::Ok);
        return false;
    }
    if (*users > 0)
        return SignInDialog::signIn(services, nullptr, SignInDialog::Purpose::Start).has_value();
    // A database that cannot be written takes no administrator: it opens as before, and nothing can change in it.
    if (!Database::canWrite(services.db()))
        return true;
    return UserDialog::addFirstAdministrator(services, nullptr);
}
} // namespace

Status openDatabase()
{
    const QString path = Settings::databasePath();
    // A system-wide installation has no database of its own for this user: the first start makes an empty one in
    // the user's data folder. Anywhere else a missing file stays an error (a file that went away is not replaced).
    if (!InstallPaths::rootWritable() && path == InstallPaths::defaultDatabasePath() && !QFileInfo::exists(path)) {
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return fileFailure(QStringLiteral("The folder of %1 cannot be made.").arg(path));
        if (const Status made = Database::createDatabase(path); !made)
            return made;
    }
    if (const auto db = Database::open(path, Database::sharedConnectionName()); !db)
        return db.failure();
    return Done{};
}

QString installLanguage()
{
    const Languages::Choice choice = Languages::interfaceChoice(Registry::getRegistryValue(Settings::Language));
    QStringList problems = Languages::installInterface(choice.code);
    if (!choice.problem.isEmpty())
        problems.prepend(choice.problem);
    for (const QString& problem : std::as_const(problems))
        MessageLog::logError(QStringLiteral("%1.Main: language: %2").arg(QStringLiteral("modMain"), problem));
    return Languages::interfaceLanguage();
}

std::unique_ptr<MainWindow> main(Services& services, int splashMs, TipMode tipMode)
{
    QPointer<SplashWindow> splash = new SplashWindow;
    splash->show();
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < splashMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    if (splash)
        splash->close();

    if (const Status opened = openDatabase(); !opened) {
        MessageLog::logError(QStringLiteral("%1.Main: %2").arg(QStringLiteral("modMain"), opened.error()));
        services.messages.show(QCoreApplication::translate("Startup", "DB Connection Error"), MainWindow::caption(),
                               MsgIcon::Critical, MsgButtons::Ok);
        return nullptr;
    }
    const QDateTime now = services.clock.now();
    EventLog::initEventLog(now.date());
    services.events.log(EventLog::ApplicationStarted);

    // Before any window shows an amount.
    RegionalSettings::load().apply();
    if (!signIn(services)) {
        services.events.log(EventLog::ApplicationClosed, QString(32, u'-'));
        return nullptr;
    }
    auto window = std::make_unique<MainWindow>(services);
    new IdleLock(services, window.get());
    window->show();
    // Said once, now, rather than after the user has filled a whole booking that cannot be saved.
    if (const Status writable = Database::canWrite(services.db()); !writable) {
        MessageLog::logError(QStringLiteral("%1.Main: read-only: %2").arg(QStringLiteral("modMain"), writable.error()));
        services.messages.show(
            QCoreApplication::translate("Startup", "Database opened read-only: changes cannot be saved.\n\n%1")
                .arg(Settings::databasePath()),
            MainWindow::caption(), MsgIcon::Exclamation, MsgButtons::Ok);
    }
    // The day's arrivals and departures first, where the office chose so; the tip, if any, shows over them.
    if (TodayWindow::showAtStartup())
        TodayWindow::display(*window, services);
    if (TipsFile::showAtStartup()) {
        if (tipMode == TipMode::Modal)
            TipOfTheDayDialog::showModal(window.get());
        else
            TipOfTheDayDialog::openWithoutWaiting(window.get());
    }
    return window;
}

} // namespace Startup
