#include "common/TestInstall.h"

#include "common/PgServer.h"
#include "common/TestMain.h"
#include "core/Database.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/InstallPaths.h"
#include "core/Lengths.h"
#include "core/Money.h"
#include "core/Registry.h"
#include "core/ServerLogin.h"
#include "core/SqlHelpers.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

TestInstall::TestInstall(bool withDatabase)
{
    QDir folder(m_dir.path());
    folder.mkpath(QStringLiteral("bin"));
    folder.mkpath(QStringLiteral("data"));
    folder.mkpath(QStringLiteral("traces"));
    qputenv("ZEMHARBOUR_SETTINGS", settingsPath().toLocal8Bit());
    InstallPaths::setRoot(m_dir.path());
    printer.paperPath = root() + QStringLiteral("/printed.pdf");
    clock.current = DateTimes::wallTime(QDate(2026, 12, 4), QTime(9, 15, 2));
    if (withDatabase) {
        QString error;
        if (TestMain::currentEngine() == TestMain::Engine::PostgreSQL) {
            m_serverDatabase = PgServer::newDatabase(&error);
            if (m_serverDatabase.isEmpty())
                qFatal("test server database: %s", qPrintable(error));
            Registry::setRegistryValue(Settings::Data.name, m_serverDatabase);
        }
        if (const Status made = Database::createDatabase(databasePath()); !made)
            qFatal("test database: %s", qPrintable(made.error()));
        if (const auto db = Database::open(databasePath(), Database::sharedConnectionName()); !db)
            qFatal("test connection: %s", qPrintable(db.error()));
        EventLog::initEventLog(clock.current.date());
    }
}

TestInstall::~TestInstall()
{
    Database::close(Database::sharedConnectionName());
    ServerLogin::forgetLogin(); // a case signed in as a user's login: the next starts as the office's role
    if (!m_serverDatabase.isEmpty())
        PgServer::dropDatabase(m_serverDatabase);
    EventLog::initEventLog(QDate()); // forget the log path of this installation
    qunsetenv("ZEMHARBOUR_SETTINGS");
    InstallPaths::setRoot(QString());
    Money::setCurrencySymbol(QStringLiteral("£")); // a case that chose another symbol leaves none to the next
    Lengths::setShownUnit(Lengths::Unit::Metres);
    DateTimes::setDateStyle(DateTimes::DateStyle::DayMonthYear);
}

QString TestInstall::eventLogText() const
{
    QFile file(EventLog::logPath());
    if (EventLog::logPath().isEmpty() || !file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QVariant TestInstall::value(const QString& sql, const QVariantList& binds) const
{
    return Sql::scalar(db(), sql, binds).value_or(QVariant());
}

QString TestInstall::joined(const QString& sql) const
{
    QSqlQuery q(db());
    QStringList texts;
    if (q.exec(sql))
        while (q.next())
            texts << q.value(0).toString();
    return texts.join(u',');
}

bool TestInstall::exec(const QString& sql, const QVariantList& binds) const
{
    QString error;
    bool ok = false;
    if (binds.isEmpty()) {
        QSqlQuery q(db());
        ok = q.exec(sql);
        error = q.lastError().text();
    } else {
        ok = Sql::exec(db(), sql, binds, &error);
    }
    if (!ok)
        qWarning("%s: %s", qPrintable(sql), qPrintable(error));
    return ok;
}

bool TestInstall::failOn(const QString& table, const QString& kind, const QString& message) const
{
    const QString name = QStringLiteral("Fail%1%2").arg(table, kind.left(1).toUpper() + kind.mid(1).toLower());
    QString quoted = message;
    quoted.replace(u'\'', QStringLiteral("''"));
    if (TestMain::currentEngine() == TestMain::Engine::SQLite)
        return exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 BEGIN SELECT RAISE(ABORT, '%4'); END")
                        .arg(name, kind, table, quoted));
    return exec(QStringLiteral("CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN RAISE EXCEPTION "
                               "'%2'; END $$")
                    .arg(name, quoted)) &&
           exec(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW EXECUTE FUNCTION %1()")
                    .arg(name, kind, table));
}

bool TestInstall::refuseChanges(bool refuse) const
{
    if (TestMain::currentEngine() == TestMain::Engine::SQLite)
        return exec(QStringLiteral("PRAGMA query_only = %1").arg(refuse ? 1 : 0));
    return exec(QStringLiteral("SET default_transaction_read_only = %1").arg(refuse ? u"on"_qs : u"off"_qs));
}
