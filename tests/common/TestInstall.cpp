#include "common/TestInstall.h"

#include "core/Database.h"
#include "core/InstallPaths.h"
#include "core/SqlHelpers.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"

#include <QDir>
#include <QFile>

TestInstall::TestInstall(bool withDatabase)
{
    QDir root(m_dir.path());
    root.mkpath(QStringLiteral("bin"));
    root.mkpath(QStringLiteral("data"));
    root.mkpath(QStringLiteral("traces"));
    qputenv("ZEMHARBOUR_SETTINGS", SettingsPath().toLocal8Bit());
    InstallPaths::SetRoot(m_dir.path());
    printer.paperPath = Root() + QStringLiteral("/printed.pdf");
    clock.now = modFunctions::WallTime(QDate(2026, 12, 4), QTime(9, 15, 2));
    if (withDatabase) {
        QString error;
        if (!Database::CreateDatabase(DatabasePath(), &error))
            qFatal("test database: %s", qPrintable(error));
        if (!modFunctions::OpenConnection(DatabasePath(), Database::SharedConnectionName(), 500, &error))
            qFatal("test connection: %s", qPrintable(error));
        modEventLog::InitEventLog(clock.now.date());
    }
}

TestInstall::~TestInstall()
{
    Database::Close(Database::SharedConnectionName());
    modEventLog::InitEventLog(QDate()); // forget the log path of this installation
    qunsetenv("ZEMHARBOUR_SETTINGS");
    InstallPaths::SetRoot(QString());
}

QString TestInstall::EventLogText() const
{
    QFile file(modEventLog::LogPath());
    if (modEventLog::LogPath().isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QVariant TestInstall::Value(const QString& sql, const QVariantList& binds) const
{
    return Sql::Scalar(Db(), sql, binds).value_or(QVariant());
}

bool TestInstall::Exec(const QString& sql, const QVariantList& binds) const
{
    QString error;
    const bool ok = Sql::Exec(Db(), sql, binds, &error);
    if (!ok)
        qWarning("%s: %s", qPrintable(sql), qPrintable(error));
    return ok;
}
