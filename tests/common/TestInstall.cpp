#include "common/TestInstall.h"

#include "common/PgServer.h"
#include "common/TestMain.h"
#include "core/Database.h"
#include "core/InstallPaths.h"
#include "core/Registry.h"
#include "core/SqlHelpers.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

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
        if (TestMain::CurrentEngine() == TestMain::Engine::PostgreSQL) {
            m_serverDatabase = PgServer::NewDatabase(&error);
            if (m_serverDatabase.isEmpty())
                qFatal("test server database: %s", qPrintable(error));
            Registry::SetRegistryValue(Settings::Data.name, m_serverDatabase);
        }
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
    if (!m_serverDatabase.isEmpty())
        PgServer::DropDatabase(m_serverDatabase);
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
    bool ok = false;
    if (binds.isEmpty()) {
        QSqlQuery q(Db());
        ok = q.exec(sql);
        error = q.lastError().text();
    } else {
        ok = Sql::Exec(Db(), sql, binds, &error);
    }
    if (!ok)
        qWarning("%s: %s", qPrintable(sql), qPrintable(error));
    return ok;
}

bool TestInstall::FailOn(const QString& table, const QString& kind, const QString& message) const
{
    const QString name = QStringLiteral("Fail%1%2").arg(table, kind.left(1).toUpper() + kind.mid(1).toLower());
    QString quoted = message;
    quoted.replace(u'\'', QStringLiteral("''"));
    if (TestMain::CurrentEngine() == TestMain::Engine::SQLite)
        return Exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 BEGIN SELECT RAISE(ABORT, '%4'); END")
                        .arg(name, kind, table, quoted));
    return Exec(QStringLiteral("CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE EXCEPTION "
                               "'%2'; END $$")
                    .arg(name, quoted)) &&
           Exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW EXECUTE FUNCTION %1()")
                    .arg(name, kind, table));
}

bool TestInstall::RefuseChanges(bool refuse) const
{
    if (TestMain::CurrentEngine() == TestMain::Engine::SQLite)
        return Exec(QStringLiteral("PRAGMA query_only = %1").arg(refuse ? 1 : 0));
    return Exec(QStringLiteral("SET default_transaction_read_only = %1").arg(refuse ? u"on"_qs : u"off"_qs));
}
