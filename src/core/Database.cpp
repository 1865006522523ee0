#include "core/Database.h"

#include "core/FileSecurity.h"
#include "core/SqlHelpers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>
#include <QUuid>
#include <iterator>

// The schema is compiled into this static library; its resources must be registered by hand.
static void InitCoreResources()
{
    Q_INIT_RESOURCE(core);
}

namespace Database {

QString SharedConnectionName()
{
    return QStringLiteral("zem-shared");
}

QSqlDatabase Shared()
{
    return QSqlDatabase::database(SharedConnectionName(), false);
}

QString SchemaScript()
{
    InitCoreResources();
    QFile file(QStringLiteral(":/core/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

namespace {
// The part of the schema that holds the period index, between its two marker lines: a new file runs it with the
// rest, an upgrade runs it again to rebuild the index from the bookings already stored.
QString PeriodIndexScript()
{
    const QString script = SchemaScript();
    const QString begin = QStringLiteral("-- period index: begin");
    const QString end = QStringLiteral("-- period index: end");
    const qsizetype from = script.indexOf(begin);
    const qsizetype to = script.indexOf(end);
    if (from < 0 || to < from)
        return {};
    return script.mid(from, to - from);
}

// Version 1 kept one index entry per booking (minutes since 1970), so every search read the booking rows.
QString UpgradeTo2()
{
    const QString index = PeriodIndexScript();
    if (index.isEmpty())
        return {};
    return QStringLiteral("DROP TRIGGER IF EXISTS Booking_Period_Insert; DROP TRIGGER IF EXISTS Booking_Period_Update; "
                          "DROP TRIGGER IF EXISTS Booking_Delete; DROP TABLE IF EXISTS BookingPeriod; ") +
           index;
}

// Version 2 kept card security codes and whole card numbers as they were typed. A stored code goes, and a card
// number keeps its last four digits (separators dropped), as a booking saved today keeps it.
QString UpgradeTo3()
{
    return QStringLiteral(
        "UPDATE Booking SET CreditCardCV2No = '' WHERE CreditCardCV2No IS NOT NULL AND CreditCardCV2No <> ''; "
        "UPDATE Booking SET CreditCardNo = (SELECT CASE WHEN length(n) > 4 "
        "THEN replace(hex(zeroblob(length(n) - 4)), '00', '*') || substr(n, -4) ELSE n END "
        "FROM (SELECT replace(replace(replace(CreditCardNo, ' ', ''), '-', ''), '.', '') AS n)) "
        "WHERE CreditCardNo GLOB '*[0-9]*' AND CreditCardNo NOT GLOB '*[^0-9 .*-]*';");
}

// Cumulative upgrades: entry i brings a file of version i+1 to version i+2, in one transaction each.
using UpgradeScript = QString (*)();
const UpgradeScript Upgrades[] = {UpgradeTo2, UpgradeTo3};
static_assert(std::size(Upgrades) == CurrentSchemaVersion - 1, "one upgrade per version");

bool UpgradeSchema(QSqlDatabase& db, int fromVersion, QString* error)
{
    for (int version = fromVersion; version < CurrentSchemaVersion; ++version) {
        const QString script = Upgrades[version - 1]();
        if (script.isEmpty()) {
            if (error)
                *error = QStringLiteral("The schema is missing from the program.");
            return false;
        }
        Sql::Transaction tx(db);
        if (!tx.Started()) {
            if (error)
                *error = tx.Error();
            return false;
        }
        if (!Sql::ExecScript(db, script, error))
            return false;
        if (!Sql::Exec(db, QStringLiteral("PRAGMA user_version = %1").arg(version + 1), {}, error))
            return false;
        if (!tx.Commit(error))
            return false;
    }
    return true;
}
// The columns of every table in a database: name -> columns.
std::optional<QMap<QString, QStringList>> TableColumns(const QSqlDatabase& db, QString* error)
{
    QSqlQuery tables(db);
    tables.setForwardOnly(true);
    if (!Sql::Exec(tables,
                   QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                                  "'sqlite\\_%' ESCAPE '\\'"),
                   {}, error))
        return std::nullopt;
    QMap<QString, QStringList> result;
    while (tables.next())
        result.insert(tables.value(0).toString(), {});
    for (auto it = result.begin(); it != result.end(); ++it) {
        QSqlQuery columns(db);
        columns.setForwardOnly(true);
        if (!Sql::Exec(columns, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {it.key()}, error))
            return std::nullopt;
        while (columns.next())
            it.value().append(columns.value(0).toString());
    }
    return result;
}

// The tables and columns the schema script makes, read once from a database built in memory.
const QMap<QString, QStringList>& ExpectedColumns()
{
    static const QMap<QString, QStringList> expected = [] {
        const QString name = QStringLiteral("zem-schema-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QMap<QString, QStringList> columns;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(QStringLiteral(":memory:"));
            if (db.open() && Sql::ExecScript(db, SchemaScript()))
                columns = TableColumns(db, nullptr).value_or(QMap<QString, QStringList>());
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return columns;
    }();
    return expected;
}

// What the file lacks of the schema, as a reason for message.log; empty when nothing is missing.
QString MissingColumns(const QSqlDatabase& db, QString* error)
{
    const auto actual = TableColumns(db, error);
    if (!actual)
        return error ? *error : QStringLiteral("The tables cannot be read.");
    if (ExpectedColumns().isEmpty())
        return QStringLiteral("The schema is missing from the program.");
    QStringList missing;
    for (auto it = ExpectedColumns().cbegin(); it != ExpectedColumns().cend(); ++it) {
        if (!actual->contains(it.key())) {
            missing << QStringLiteral("table %1").arg(it.key());
            continue;
        }
        for (const QString& column : it.value())
            if (!actual->value(it.key()).contains(column, Qt::CaseInsensitive))
                missing << QStringLiteral("column %1.%2").arg(it.key(), column);
    }
    return missing.isEmpty() ? QString() : QStringLiteral("missing ") + missing.join(QStringLiteral(", "));
}
} // namespace

bool CreateDatabase(const QString& path, QString* error)
{
    const QFileInfo target(path);
    if (target.exists()) {
        if (error)
            *error = QStringLiteral("%1 already exists; it was left as it is.").arg(path);
        return false;
    }
    if (!target.absoluteDir().exists()) {
        if (error)
            *error = QStringLiteral("The folder %1 does not exist.").arg(target.absolutePath());
        return false;
    }
    const QString script = SchemaScript();
    if (script.isEmpty()) {
        if (error)
            *error = QStringLiteral("The schema is missing from the program.");
        return false;
    }
    const QString temp = target.absoluteFilePath() + QStringLiteral(".new-") +
                         QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    const QString connection = QStringLiteral("zem-create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(temp);
        if (!db.open()) {
            if (error)
                *error = db.lastError().text();
        } else if (!Sql::Exec(db, QStringLiteral("PRAGMA user_version"), {}, error) ||
                   !FileSecurity::RestrictToOwner(temp, error)) {
            // The file exists once the first statement ran; nothing is written to it before only its owner can
            // read it (SQLite gives its journal the same permissions).
            db.close();
        } else {
            Sql::Transaction tx(db);
            ok = tx.Started() && Sql::ExecScript(db, script, error) && tx.Commit(error);
            if (!tx.Started() && error)
                *error = tx.Error();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (ok && !QFile::rename(temp, target.absoluteFilePath())) {
        ok = false;
        if (error)
            *error = QStringLiteral("Cannot write %1.").arg(path);
    }
    if (!ok)
        QFile::remove(temp);
    return ok;
}

std::optional<QSqlDatabase> Open(const QString& path, const QString& connectionName, int busyTimeoutMs, QString* error)
{
    if (!QFileInfo(path).isFile()) {
        if (error)
            *error = QStringLiteral("%1 does not exist.").arg(path);
        return std::nullopt;
    }
    Close(connectionName);
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        // mode=rw: SQLite must never create a missing file in our place.
        QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        url.setQuery(QStringLiteral("mode=rw"));
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        if (!db.open()) {
            if (error)
                *error = db.lastError().text();
        } else {
            // Reading the catalogue proves the file is a database we can read (not locked, not something else).
            const auto version = Sql::Scalar(db, QStringLiteral("PRAGMA user_version"), {}, error);
            const auto tables = Sql::Scalar(
                db,
                QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN "
                               "('Customer','Owner','Berth','Booking','BookingBerth','Settings','Company')"),
                {}, error);
            if (version && tables) {
                const int v = version->toInt();
                if (tables->toInt() != 7 || v < 1) {
                    if (error)
                        *error = QStringLiteral("%1 is not a Zem Harbour database.").arg(path);
                } else if (v > CurrentSchemaVersion) {
                    if (error)
                        *error = QStringLiteral("%1 was written by a newer release.").arg(path);
                } else if (Sql::Exec(db, QStringLiteral("PRAGMA cache_size = -%1").arg(PageCacheKiB), {}, error) &&
                           UpgradeSchema(db, v, error)) {
                    // The page cache is for a large harbour's file (2,000 berths, millions of bookings): the
                    // period index and the rows a calendar shows stay in memory between fills.
                    const QString missing = MissingColumns(db, error);
                    ok = missing.isEmpty();
                    if (!ok && error)
                        *error = QStringLiteral("%1 is not a Zem Harbour database: %2.").arg(path, missing);
                }
            }
        }
    }
    if (!ok) {
        Close(connectionName);
        return std::nullopt;
    }
    return QSqlDatabase::database(connectionName, false);
}

bool CanWrite(const QSqlDatabase& db, QString* reason)
{
    QSqlDatabase probe = db;
    const auto version = Sql::Scalar(probe, QStringLiteral("PRAGMA user_version"), {}, reason);
    if (!version)
        return false;
    QSqlQuery q(probe);
    bool ok = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    // Writing the header needs the file and a journal beside it: it fails on a read-only file or folder.
    ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version->toInt()));
    const QSqlError failure = q.lastError();
    QSqlQuery(probe).exec(QStringLiteral("ROLLBACK"));
    if (ok)
        return true;
    const QString code = failure.nativeErrorCode();
    if (code == QStringLiteral("5") || code == QStringLiteral("6"))
        return true; // busy or locked at another desk, not read-only
    if (reason)
        *reason = failure.text();
    return false;
}

void Close(const QString& connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

} // namespace Database
