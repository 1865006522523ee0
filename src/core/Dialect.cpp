#include "core/Dialect.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

// The schemas are compiled into this static library; its resources must be registered by hand.
static void initSchemaResources()
{
    Q_INIT_RESOURCE(core);
}

namespace {

QString readResource(const QString& path)
{
    initSchemaResources();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// A schema followed by the rows a new database is delivered with; nothing when either is missing.
QString withDeliveredRows(const QString& schema)
{
    const QString tables = readResource(schema);
    const QString rows = readResource(QStringLiteral(":/core/delivered-rows.sql"));
    return tables.isEmpty() || rows.isEmpty() ? QString() : tables + u'\n' + rows;
}

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted << u'\'' + QString(name).replace(u'\'', QStringLiteral("''")) + u'\'';
    return quoted.join(u',');
}

class SQLiteDialect final : public Dialect
{
public:
    Engine kind() const override { return Engine::SQLite; }
    QString driver() const override { return QStringLiteral("QSQLITE"); }
    QString schemaScript() const override { return withDeliveredRows(QStringLiteral(":/core/schema.sql")); }

    QString noCase(const QString& expr) const override { return expr + QStringLiteral(" COLLATE NOCASE"); }
    QString insertOrder(const QString& alias) const override
    {
        return alias.isEmpty() ? QStringLiteral("rowid") : alias + QStringLiteral(".rowid");
    }
    QString joinTexts(const QString& expr, const QString& separator, const QString&) const override
    {
        // SQLite joins in the order the rows arrive; callers feed it from an ordered subquery.
        return QStringLiteral("group_concat(%1, '%2')").arg(expr, separator);
    }
    QString tableName(const QString& name) const override { return name; }

    // The page cache is for a large harbour's file (2,000 berths, millions of bookings): the period index and the
    // rows a calendar shows stay in memory between fills.
    QStringList sessionSetup() const override { return {QStringLiteral("PRAGMA cache_size = -65536")}; }
    QStringList beginImmediate() const override { return {QStringLiteral("BEGIN IMMEDIATE")}; }

    std::optional<int> schemaVersion(const QSqlDatabase& db, QString* error) const override
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
            if (error)
                *error = q.lastError().text();
            return std::nullopt;
        }
        return q.value(0).toInt();
    }
    QString setSchemaVersionSql(int version) const override
    {
        return QStringLiteral("PRAGMA user_version = %1").arg(version);
    }
    QString countTablesSql(const QStringList& names) const override
    {
        return QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN (%1)")
            .arg(quotedList(names));
    }
    QString tablesSql() const override
    {
        // Ordinary tables only: an index's own storage (the R*Tree's shadow tables) is the engine's business.
        return QStringLiteral("SELECT name FROM pragma_table_list WHERE schema = 'main' AND type = 'table' AND name "
                              "NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    }
    QString columnsSql() const override { return QStringLiteral("SELECT name FROM pragma_table_info(?)"); }

    QString compactSql() const override { return QStringLiteral("VACUUM INTO ?"); }

    bool isOverlapRefusal(const QSqlError&) const override { return false; }
    bool isConnectionLost(const QSqlDatabase&, const QSqlError&) const override { return false; }

    // julianday of 2000-01-01 00:00 is 2451544.5; the date part alone gives a whole day.
    QString dayNumber(const QString& expr) const override
    {
        return QStringLiteral("CAST(julianday(substr(%1, 1, 10)) - 2451544.5 AS INTEGER)").arg(expr);
    }
};

class PostgreSQLDialect final : public Dialect
{
public:
    Engine kind() const override { return Engine::PostgreSQL; }
    QString driver() const override { return QStringLiteral("QPSQL"); }
    QString schemaScript() const override { return withDeliveredRows(QStringLiteral(":/core/schema-postgresql.sql")); }

    QString noCase(const QString& expr) const override { return QStringLiteral("lower(%1)").arg(expr); }
    QString insertOrder(const QString& alias) const override
    {
        // The tables SQLite orders by rowid carry an identity column of that name here.
        return alias.isEmpty() ? QStringLiteral("RowSeq") : alias + QStringLiteral(".RowSeq");
    }
    QString joinTexts(const QString& expr, const QString& separator, const QString& orderBy) const override
    {
        return QStringLiteral("string_agg(CAST(%1 AS TEXT), '%2'%3)")
            .arg(expr, separator, orderBy.isEmpty() ? QString() : QStringLiteral(" ORDER BY ") + orderBy);
    }
    // Unquoted names are folded to lower case by the server; Qt's table model quotes what it is given.
    QString tableName(const QString& name) const override { return name.toLower(); }

    // A desk that waits for another's lock says so after a while rather than hanging. A desk's statements are
    // short index searches: compiling a plan or starting parallel workers costs more than it saves.
    QStringList sessionSetup() const override
    {
        return {QStringLiteral("SELECT set_config('lock_timeout', '10s', false), "
                               "set_config('application_name', 'zemharbour', false), set_config('jit', 'off', false), "
                               "set_config('max_parallel_workers_per_gather', '0', false)")};
    }
    // The advisory lock stands for SQLite's single writer: what an immediate transaction reads stays as it was
    // until it commits, at every desk that saves through one.
    QStringList beginImmediate() const override
    {
        return {QStringLiteral("BEGIN"), QStringLiteral("SELECT pg_advisory_xact_lock(727001)")};
    }

    std::optional<int> schemaVersion(const QSqlDatabase& db, QString* error) const override
    {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT Version FROM SchemaVersion")) || !q.next()) {
            if (error)
                *error = q.lastError().isValid() ? q.lastError().text()
                                                 : QCoreApplication::translate("Dialect", "No schema version.");
            return std::nullopt;
        }
        return q.value(0).toInt();
    }
    QString setSchemaVersionSql(int version) const override
    {
        return QStringLiteral("UPDATE SchemaVersion SET Version = %1").arg(version);
    }
    QString countTablesSql(const QStringList& names) const override
    {
        QStringList lower;
        for (const QString& name : names)
            lower << name.toLower();
        // The catalogue lists every table whoever asks: the desks' sign-in role reads none of them.
        return QStringLiteral("SELECT COUNT(*) FROM pg_catalog.pg_tables WHERE schemaname = current_schema() AND "
                              "tablename IN (%1)")
            .arg(quotedList(lower));
    }
    QString tablesSql() const override
    {
        // From the catalogue too: information_schema leaves out the tables the role may not read.
        return QStringLiteral("SELECT tablename FROM pg_catalog.pg_tables WHERE schemaname = current_schema()");
    }
    QString columnsSql() const override
    {
        // From the catalogue rather than information_schema, which leaves out the columns the role may not read (the
        // hashes of the users' passwords): the schema is the same whoever signs in.
        return QStringLiteral("SELECT a.attname FROM pg_attribute a JOIN pg_class c ON c.oid = a.attrelid WHERE "
                              "c.relnamespace = current_schema()::regnamespace AND c.relname = ? AND a.attnum > 0 AND "
                              "NOT a.attisdropped ORDER BY a.attnum");
    }

    QString compactSql() const override { return QStringLiteral("VACUUM (ANALYZE)"); }

    bool isOverlapRefusal(const QSqlError& error) const override
    {
        return error.nativeErrorCode() == QStringLiteral("23P01"); // exclusion_violation
    }
    bool isConnectionLost(const QSqlDatabase& db, const QSqlError& error) const override
    {
        const QString code = error.nativeErrorCode();
        // Class 08 (connection exception) and 57P (the server shutting down or restarting).
        if (code.startsWith(QStringLiteral("08")) || code.startsWith(QStringLiteral("57P")))
            return true;
        if (!code.isEmpty())
            return false;
        // A failure without a state came from the client library: ask the server once whether it still answers.
        QSqlQuery probe(db);
        return !probe.exec(QStringLiteral("SELECT 1"));
    }

    QString dayNumber(const QString& expr) const override
    {
        return QStringLiteral("(zem_wall_time(%1)::DATE - DATE '2000-01-01')").arg(expr);
    }
};

} // namespace

const Dialect& Dialect::forEngine(Engine engine)
{
    static const SQLiteDialect sqlite;
    static const PostgreSQLDialect postgresql;
    return engine == Engine::PostgreSQL ? static_cast<const Dialect&>(postgresql) : sqlite;
}

const Dialect& Dialect::of(const QSqlDatabase& db)
{
    return forEngine(db.driverName() == QStringLiteral("QPSQL") ? Engine::PostgreSQL : Engine::SQLite);
}

bool Dialect::isServerAddress(const QString& data)
{
    const QString text = data.trimmed();
    return text.startsWith(QStringLiteral("postgresql://"), Qt::CaseInsensitive) ||
           text.startsWith(QStringLiteral("postgres://"), Qt::CaseInsensitive);
}

Result<ServerAddress> parseServerAddress(const QString& uri)
{
    const auto fail = [&](const QString& why) -> Result<ServerAddress> {
        // The reason goes to message.log: a password written into the address stays out of it.
        static const QRegularExpression userPassword(QStringLiteral("(://[^/?@]*?:)[^/?]*@"));
        static const QRegularExpression queryPassword(QStringLiteral("([?&]password=)[^&]*"));
        const QString shown = QString(uri)
                                  .replace(userPassword, QStringLiteral("\\1***@"))
                                  .replace(queryPassword, QStringLiteral("\\1***"));
        return refused(QStringLiteral("%1 is not a usable PostgreSQL address: %2").arg(shown, why));
    };
    if (!Dialect::isServerAddress(uri))
        return fail(QStringLiteral("it must start with postgresql://."));
    // Read by hand rather than as a web address: libpq's form allows what QUrl refuses (a user with an empty host,
    // several hosts are not taken here).
    const QString text = uri.trimmed();
    const QString rest = text.mid(text.indexOf(QStringLiteral("://")) + 3);
    const qsizetype pathAt = rest.indexOf(u'/');
    const qsizetype queryAt = rest.indexOf(u'?');
    if (pathAt < 0 || (queryAt >= 0 && queryAt < pathAt))
        return fail(QStringLiteral("it must name one database, as in postgresql://user@host/harbour."));
    QString authority = rest.left(pathAt);
    const QString path = queryAt < 0 ? rest.mid(pathAt + 1) : rest.mid(pathAt + 1, queryAt - pathAt - 1);
    ServerAddress address;
    const qsizetype at = authority.lastIndexOf(u'@');
    if (at >= 0) {
        const QString userInfo = authority.left(at);
        if (userInfo.contains(u':'))
            return fail(QStringLiteral("a password does not belong in the settings; put it in the .pgpass file."));
        address.user = QUrl::fromPercentEncoding(userInfo.toUtf8());
        authority = authority.mid(at + 1);
    }
    qsizetype colon = authority.lastIndexOf(u':');
    if (authority.startsWith(u'[')) { // an IPv6 address
        const qsizetype close = authority.indexOf(u']');
        if (close < 0)
            return fail(QStringLiteral("the host cannot be read."));
        address.host = authority.mid(1, close - 1);
        colon = authority.indexOf(u':', close);
    } else {
        address.host = QUrl::fromPercentEncoding(authority.left(colon < 0 ? authority.size() : colon).toUtf8());
    }
    const auto readPort = [&](const QString& value) {
        bool ok = false;
        address.port = value.toInt(&ok);
        return ok && address.port > 0 && address.port <= 65535;
    };
    if (colon >= 0 && !readPort(authority.mid(colon + 1)))
        return fail(QStringLiteral("the port must be a number from 1 to 65535."));
    if (address.host.contains(u','))
        return fail(QStringLiteral("only one host can be named."));
    address.database = QUrl::fromPercentEncoding(path.toUtf8());
    if (address.database.isEmpty() || address.database.contains(u'/'))
        return fail(QStringLiteral("it must name one database, as in postgresql://user@host/harbour."));
    const QUrlQuery query(queryAt < 0 ? QString() : rest.mid(queryAt + 1));
    QStringList options;
    const auto items = query.queryItems(QUrl::FullyDecoded);
    for (const auto& [key, value] : items) {
        if (key == QStringLiteral("host"))
            address.host = value;
        else if (key == QStringLiteral("port")) {
            if (!readPort(value))
                return fail(QStringLiteral("the port must be a number from 1 to 65535."));
        } else if (key == QStringLiteral("user"))
            address.user = value;
        else if (key == QStringLiteral("password"))
            return fail(QStringLiteral("a password does not belong in the settings; put it in the .pgpass file."));
        else if (key.isEmpty() || value.contains(u';') || value.contains(u'\'') || key.contains(u'='))
            return fail(QStringLiteral("the option %1 cannot be read.").arg(key));
        else
            options << key + u'=' + value;
    }
    address.options = options.join(u';');
    return address;
}
