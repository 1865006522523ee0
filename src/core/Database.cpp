#include "core/Database.h"

#include "core/ActorSession.h"
#include "core/Dialect.h"
#include "core/FileConnection.h"
#include "core/FileSecurity.h"
#include "core/SchemaUpgrades.h"
#include "core/SearchText.h"
#include "core/ServerLogin.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QMutex>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUrl>
#include <QUuid>
#include <algorithm>
#include <iterator>

namespace Database {

QString sharedConnectionName()
{
    return QStringLiteral("zem-shared");
}

QSqlDatabase shared()
{
    return QSqlDatabase::database(sharedConnectionName(), false);
}

QString schemaScript()
{
    return Dialect::forEngine(Engine::SQLite).schemaScript();
}

namespace {

// Gives a reason to whoever asked for one, and says no.
bool failWith(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
    return false;
}

// A server database starts at version 3; its upgrades begin with version 4.
constexpr int FirstServerVersion = 3;

bool upgradeSchema(QSqlDatabase& db, int fromVersion, QString* error)
{
    const Dialect& dialect = Dialect::of(db);
    for (int version = fromVersion; version < CurrentSchemaVersion; ++version) {
        const SchemaUpgrades::Upgrade& upgrade = SchemaUpgrades::upgradeFrom(version);
        const QString script = upgrade.script(dialect.kind());
        if (script.isEmpty())
            return failWith(error, QCoreApplication::translate("Database", "The schema is missing from the program."));
        Sql::Transaction tx(db);
        if (!tx.started())
            return failWith(error, tx.error());
        if (!Sql::execScript(db, script, error))
            return false;
        if (upgrade.step) {
            if (const Status stepped = upgrade.step(db); !stepped)
                return failWith(error, stepped.error());
        }
        if (!Sql::exec(db, dialect.setSchemaVersionSql(version + 1), {}, error))
            return false;
        if (!tx.commit(error))
            return false;
    }
    return true;
}
// The columns of every table in a database: name -> columns.
std::optional<QMap<QString, QStringList>> tableColumns(const QSqlDatabase& db, QString* error)
{
    const Dialect& dialect = Dialect::of(db);
    QSqlQuery tables(db);
    tables.setForwardOnly(true);
    if (!Sql::exec(tables, dialect.tablesSql(), {}, error))
        return std::nullopt;
    QMap<QString, QStringList> result;
    while (tables.next())
        result.insert(tables.value(0).toString(), {});
    for (auto it = result.begin(); it != result.end(); ++it) {
        QSqlQuery columns(db);
        columns.setForwardOnly(true);
        if (!Sql::exec(columns, dialect.columnsSql(), {it.key()}, error))
            return std::nullopt;
        while (columns.next())
            it.value().append(columns.value(0).toString());
    }
    return result;
}

// A table's definition: its column and constraint clauses in the text SQLite keeps, each with white space collapsed and
// its first word (a column's name) in lower case, sorted. An upgrade's ADD COLUMN appends its clause to that text, so
// the clauses of an upgraded file come in another order than a new file's, but every default, check and collation
// is still compared.
QString tableDefinition(const QString& sql)
{
    const qsizetype open = sql.indexOf(u'(');
    if (open < 0)
        return sql.simplified();
    // What comes before the clauses matters only for a virtual table: its module.
    const qsizetype uses = sql.left(open).indexOf(QStringLiteral(" USING "), 0, Qt::CaseInsensitive);
    const QString module = uses < 0 ? QString() : sql.mid(uses, open - uses).simplified().toLower();
    QStringList clauses;
    QString clause;
    QChar quote;
    int depth = 0;
    qsizetype i = open + 1;
    const auto keep = [&] {
        QString text = clause.simplified();
        const qsizetype space = text.indexOf(u' ');
        const qsizetype end = space < 0 ? text.size() : space;
        clauses << text.left(end).toLower() + text.mid(end);
        clause.clear();
    };
    for (; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (!quote.isNull()) {
            clause += c;
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            quote = c == u'[' ? QChar(u']') : c;
            clause += c;
        } else if (c == u'-' && sql.mid(i, 2) == u"--") {
            i = sql.indexOf(u'\n', i);
            if (i < 0)
                break;
            clause += u' ';
        } else if (c == u'/' && sql.mid(i, 2) == u"/*") {
            i = sql.indexOf(QStringLiteral("*/"), i);
            if (i < 0)
                break;
            ++i;
            clause += u' ';
        } else if (c == u',' && depth == 0) {
            keep();
        } else if (c == u')' && depth == 0) {
            break;
        } else {
            depth += c == u'(' ? 1 : c == u')' ? -1 : 0;
            clause += c;
        }
    }
    keep();
    clauses.sort();
    // WITHOUT ROWID, STRICT and the like follow the clauses.
    const QString after = i >= 0 && i < sql.size() ? sql.mid(i + 1).simplified().toUpper() : QString();
    return module + u'(' + clauses.join(u',') + u')' + after;
}

// Each schema object of a file as "type name" -> its definition with white space collapsed (a table's as
// tableDefinition gives it). SQLite's own objects count too: a trigger or view under a name SQLite keeps for itself
// cannot be made with CREATE, yet a file written directly may carry one, and SQLite runs it all the same.
QMap<QString, QString> schemaObjects(const QSqlDatabase& db, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QMap<QString, QString> objects;
    if (!Sql::exec(q, QStringLiteral("SELECT type, name, sql FROM sqlite_master"), {}, error))
        return objects;
    while (q.next()) {
        const QString type = q.value(0).toString();
        const QString sql = q.value(2).toString();
        objects.insert(type + u' ' + q.value(1).toString().toLower(),
                       type == u"table" ? tableDefinition(sql) : sql.simplified());
    }
    return objects;
}

// What the schema script makes, read once from a database built in memory: the tables with their columns, and
// every object with its definition.
struct ExpectedSchema
{
    QMap<QString, QStringList> columns;
    QMap<QString, QString> objects;
};
const ExpectedSchema& expectedSchema()
{
    static const ExpectedSchema expected = [] {
        const QString name = QStringLiteral("zem-schema-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        ExpectedSchema schema;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(QStringLiteral(":memory:"));
            if (db.open() && Sql::execScript(db, schemaScript())) {
                schema.columns = tableColumns(db, nullptr).value_or(QMap<QString, QStringList>());
                schema.objects = schemaObjects(db, nullptr);
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
        return schema;
    }();
    return expected;
}
const QMap<QString, QStringList>& expectedColumns()
{
    return expectedSchema().columns;
}
const QMap<QString, QString>& expectedObjects()
{
    return expectedSchema().objects;
}

// What the file lacks of the schema, as a reason for message.log; empty when nothing is missing.
QString missingColumns(const QSqlDatabase& db, QString* error)
{
    const auto actual = tableColumns(db, error);
    if (!actual)
        return error ? *error : QCoreApplication::translate("Database", "The tables cannot be read.");
    if (expectedColumns().isEmpty())
        return QCoreApplication::translate("Database", "The schema is missing from the program.");
    // Names are compared without regard to case: a server folds the names it was given.
    QMap<QString, QStringList> found;
    for (auto it = actual->cbegin(); it != actual->cend(); ++it)
        found.insert(it.key().toLower(), it.value());
    QStringList missing;
    for (auto it = expectedColumns().cbegin(); it != expectedColumns().cend(); ++it) {
        if (!found.contains(it.key().toLower())) {
            missing << QCoreApplication::translate("Database", "table %1").arg(it.key());
            continue;
        }
        for (const QString& column : it.value())
            if (!found.value(it.key().toLower()).contains(column, Qt::CaseInsensitive))
                missing << QCoreApplication::translate("Database", "column %1.%2").arg(it.key(), column);
    }
    return missing.isEmpty()
               ? QString()
               : QCoreApplication::translate("Database", "missing %1").arg(missing.join(QStringLiteral(", ")));
}

// The seven tables every version has; a database without them is not ours.
const QStringList CoreTables = {QStringLiteral("Customer"), QStringLiteral("Owner"),        QStringLiteral("Berth"),
                                QStringLiteral("Booking"),  QStringLiteral("BookingBerth"), QStringLiteral("Settings"),
                                QStringLiteral("Company")};

// A connection to a server address, not yet opened: as the signed-in user's login, else as the address's role with
// the password left to libpq (PGPASSWORD, the password file).
std::optional<QSqlDatabase> addServerConnection(const QString& uri, const QString& connectionName, QString* error)
{
    const auto address = parseServerAddress(uri);
    const bool driver = QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"));
    if (!address || !driver) {
        failWith(error,
                 !address ? address.error()
                          : QCoreApplication::translate(
                                "Database", "The PostgreSQL driver of Qt is not installed (Debian: libqt6sql6-psql)."));
        return std::nullopt;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    db.setHostName(address->host);
    if (address->port > 0)
        db.setPort(address->port);
    const auto login = ServerLogin::forConnection(connectionName);
    db.setUserName(login ? login->login : address->user);
    db.setPassword(login ? login->password : QString());
    db.setDatabaseName(address->database);
    QString options = QStringLiteral("connect_timeout=10");
    if (!address->options.isEmpty())
        options += u';' + address->options;
    db.setConnectOptions(options);
    return db;
}

// Opens db and checks that it holds a Zem Harbour schema this program can use, upgrading an older one; label names
// the database in the reasons.
bool openAndCheck(QSqlDatabase& db, const QString& label, QString* error)
{
    if (!db.open())
        return failWith(error, db.lastError().text().trimmed());
    const Dialect& dialect = Dialect::of(db);
    for (const QString& statement : dialect.sessionSetup())
        if (!Sql::exec(db, statement, {}, error))
            return false;
    if (const Status named = ActorSession::attach(db); !named)
        return failWith(error, named.error());
    // Reading the catalogue proves the database is one we can read (not locked, not something else).
    const auto tables = Sql::scalar(db, dialect.countTablesSql(CoreTables), {}, error);
    if (!tables)
        return false;
    const int lowest = dialect.kind() == Engine::SQLite ? 1 : FirstServerVersion;
    const int version =
        tables->toInt() == CoreTables.size() ? dialect.schemaVersion(db, error).value_or(lowest - 1) : lowest - 1;
    if (version < lowest)
        return failWith(error, QCoreApplication::translate("Database", "%1 is not a Zem Harbour database.").arg(label));
    if (version > CurrentSchemaVersion)
        return failWith(error,
                        QCoreApplication::translate("Database", "%1 was written by a newer release.").arg(label));
    if (!upgradeSchema(db, version, error)) {
        // A file whose version number is not its schema's (another program's doing) fails here with SQLite's words.
        if (error)
            *error = QCoreApplication::translate("Database", "%1 could not be upgraded from version %2: %3")
                         .arg(label)
                         .arg(version)
                         .arg(*error);
        return false;
    }
    const QString missing = missingColumns(db, error);
    if (!missing.isEmpty() && error)
        *error = QCoreApplication::translate("Database", "%1 is not a Zem Harbour database: %2.").arg(label, missing);
    return missing.isEmpty();
}

// Writes the schema into an empty database on a server; one that holds any table is left alone.
bool createOnServer(const QString& uri, QString* error)
{
    const QString connection = QStringLiteral("zem-create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ok = false;
    {
        const auto added = addServerConnection(uri, connection, error);
        if (added) {
            QSqlDatabase db = *added;
            const QString script = Dialect::of(db).schemaScript();
            if (script.isEmpty())
                failWith(error, QCoreApplication::translate("Database", "The schema is missing from the program."));
            else if (!db.open())
                failWith(error, db.lastError().text().trimmed());
            else {
                Sql::Transaction tx(db);
                const auto tables = Sql::scalar(db,
                                                QStringLiteral("SELECT COUNT(*) FROM information_schema.tables "
                                                               "WHERE table_schema = current_schema()"),
                                                {}, error);
                if (!tx.started())
                    failWith(error, tx.error());
                else if (tables && tables->toInt() > 0)
                    failWith(error, QCoreApplication::translate(
                                        "Database", "The database %1 already holds tables; it was left as it is.")
                                        .arg(db.databaseName()));
                else if (tables) {
                    ok = Sql::execScript(db, script, error) && tx.commit(error);
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}
bool restrictedToOwner(const QString& path, QString* error)
{
    const Status owned = FileSecurity::restrictToOwner(path);
    if (!owned && error)
        *error = owned.error();
    return owned.ok();
}

bool createFile(const QString& path, QString* error)
{
    const QFileInfo target(path);
    if (target.exists())
        return failWith(error,
                        QCoreApplication::translate("Database", "%1 already exists; it was left as it is.").arg(path));
    if (!target.absoluteDir().exists()) {
        if (error)
            *error =
                QCoreApplication::translate("Database", "The folder %1 does not exist.").arg(target.absolutePath());
        return false;
    }
    const QString script = schemaScript();
    if (script.isEmpty())
        return failWith(error, QCoreApplication::translate("Database", "The schema is missing from the program."));
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
        } else if (!Sql::exec(db, QStringLiteral("PRAGMA user_version"), {}, error) ||
                   !restrictedToOwner(temp, error)) {
            // The file exists once the first statement ran; nothing is written to it before only its owner can
            // read it (SQLite gives its journal the same permissions).
            db.close();
        } else {
            Sql::Transaction tx(db);
            ok = tx.started() && Sql::execScript(db, script, error) && tx.commit(error);
            if (!tx.started() && error)
                *error = tx.error();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (ok && !QFile::rename(temp, target.absoluteFilePath())) {
        ok = false;
        if (error)
            *error = QCoreApplication::translate("Database", "Cannot write %1.").arg(path);
    }
    if (!ok)
        QFile::remove(temp);
    return ok;
}

std::optional<QSqlDatabase> openChecked(const QString& path, const QString& connectionName, int busyTimeoutMs,
                                        const QString& label, QString* error)
{
    const bool server = Dialect::isServerAddress(path);
    if (!server && !QFileInfo(path).isFile()) {
        if (error)
            *error = QCoreApplication::translate("Database", "%1 does not exist.").arg(path);
        return std::nullopt;
    }
    close(connectionName);
    bool ok = false;
    if (server) {
        if (auto db = addServerConnection(path, connectionName, error))
            ok = openAndCheck(*db, label, error);
    } else {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        // mode=rw: SQLite must never create a missing file in our place.
        QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
        url.setQuery(QStringLiteral("mode=rw"));
        db.setDatabaseName(url.toString(QUrl::FullyEncoded));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
        ok = openAndCheck(db, label, error) && FileConnection::tune(db, path, busyTimeoutMs, error);
    }
    if (!ok) {
        close(connectionName);
        return std::nullopt;
    }
    return QSqlDatabase::database(connectionName, false);
}

bool writable(const QSqlDatabase& db, QString* reason)
{
    QSqlDatabase probe = db;
    if (Dialect::of(db).kind() == Engine::PostgreSQL) {
        // A server says itself whether this role may change the bookings and whether it takes writes at all.
        const auto allowed = Sql::scalar(
            probe,
            QStringLiteral("SELECT CASE WHEN current_setting('transaction_read_only') = 'on' THEN 'the server takes "
                           "no changes' WHEN NOT has_table_privilege('booking', 'INSERT, UPDATE, DELETE') THEN "
                           "'the role ' || current_user || ' may not change the bookings' ELSE '' END"),
            {}, reason);
        if (!allowed)
            return false;
        if (reason && !allowed->toString().isEmpty())
            *reason = allowed->toString();
        return allowed->toString().isEmpty();
    }
    const auto version = Sql::scalar(probe, QStringLiteral("PRAGMA user_version"), {}, reason);
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

// The address each open connection was opened on: a server connection knows only its database's name.
QHash<QString, QString>& addresses()
{
    static QHash<QString, QString> byConnection;
    return byConnection;
}
QMutex& addressesLock()
{
    static QMutex lock;
    return lock;
}

} // namespace

Status createDatabase(const QString& path)
{
    QString error;
    const bool server = Dialect::isServerAddress(path);
    if (server ? createOnServer(path, &error) : createFile(path, &error))
        return Done{};
    return server ? databaseFailure(error) : fileFailure(error);
}

Result<QSqlDatabase> open(const QString& path, const QString& connectionName, int busyTimeoutMs, const QString& label)
{
    QString error;
    if (auto db = openChecked(path, connectionName, busyTimeoutMs, label.isEmpty() ? path : label, &error)) {
        Sql::rememberFile(*db);
        const QMutexLocker lock(&addressesLock());
        addresses().insert(connectionName, path);
        return *db;
    }
    return databaseFailure(error);
}

Status canWrite(const QSqlDatabase& db)
{
    QString reason;
    if (writable(db, &reason))
        return Done{};
    return refused(reason);
}

void close(const QString& connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        Sql::forgetConnection(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    const QMutexLocker lock(&addressesLock());
    addresses().remove(connectionName);
}

namespace {
// A file's schema objects beside the program's, or why they cannot be compared; nothing on a server, whose archive
// restores through pg_restore into the server's own schema.
Result<std::optional<QMap<QString, QString>>> objectsToCompare(const QSqlDatabase& db)
{
    if (Dialect::of(db).kind() != Engine::SQLite)
        return std::optional<QMap<QString, QString>>();
    QString error;
    QMap<QString, QString> found = schemaObjects(db, &error);
    if (!error.isEmpty())
        return databaseFailure(error);
    if (expectedObjects().isEmpty())
        return databaseFailure(QCoreApplication::translate("Database", "The schema is missing from the program."));
    return std::optional(std::move(found));
}
} // namespace

Result<QStringList> foreignObjects(const QSqlDatabase& db)
{
    const auto found = objectsToCompare(db);
    if (!found)
        return found.failure();
    QStringList foreign;
    if (*found)
        for (auto it = (*found)->cbegin(); it != (*found)->cend(); ++it)
            if (expectedObjects().value(it.key(), QStringLiteral("\x1f")) != it.value())
                foreign << it.key();
    return foreign;
}

Result<QStringList> missingObjects(const QSqlDatabase& db)
{
    const auto found = objectsToCompare(db);
    if (!found)
        return found.failure();
    QStringList missing;
    if (*found)
        for (auto it = expectedObjects().cbegin(); it != expectedObjects().cend(); ++it)
            if (!(*found)->contains(it.key()))
                missing << it.key();
    return missing;
}

QString upgradeScript(Engine engine, int fromVersion)
{
    QString script;
    for (int version = std::max(fromVersion, 1); version < CurrentSchemaVersion; ++version)
        script += SchemaUpgrades::upgradeFrom(version).script(engine);
    return script;
}

QString addressOf(const QString& connectionName)
{
    if (!QSqlDatabase::contains(connectionName))
        return {};
    const QMutexLocker lock(&addressesLock());
    return addresses().value(connectionName);
}

bool isLocalFileSystem(const QByteArray& type)
{
    static const QList<QByteArray> Local = {"ext2", "ext3",  "ext4",    "xfs",  "btrfs", "zfs",  "f2fs",
                                            "jfs",  "tmpfs", "overlay", "ntfs", "refs",  "apfs", "hfs"};
    return Local.contains(type.toLower());
}

} // namespace Database
