#pragma once

#include "core/Result.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>
#include <optional>

/// The two engines a harbour can keep its data in: a SQLite file on one desk, or a PostgreSQL server that several
/// desks share. The stores write one SQL for both; the few places where the engines really differ are answered
/// here, by the engine of the connection at hand.
enum class Engine
{
    SQLite,
    PostgreSQL
};

class Dialect
{
public:
    virtual ~Dialect() = default;

    /// The dialect of a connection (by its driver); SQLite for anything that is not PostgreSQL.
    static const Dialect& of(const QSqlDatabase& db);
    static const Dialect& forEngine(Engine engine);
    /// Whether a data setting names a PostgreSQL server (a postgresql:// or postgres:// URI) rather than a file.
    static bool isServerAddress(const QString& data);
    static Engine engineOf(const QString& data) { return isServerAddress(data) ? Engine::PostgreSQL : Engine::SQLite; }

    virtual Engine kind() const = 0;
    /// The Qt SQL driver of the engine.
    virtual QString driver() const = 0;
    /// The schema script of a new database.
    virtual QString schemaScript() const = 0;

    /// An ORDER BY key that sorts text without regard to case.
    virtual QString noCase(const QString& expr) const = 0;
    /// An expression that orders a table's rows as they were added (BookingBerth and Settings).
    virtual QString insertOrder(const QString& alias) const = 0;
    /// The texts of expr over a group joined by separator, in the order of orderBy.
    virtual QString joinTexts(const QString& expr, const QString& separator, const QString& orderBy) const = 0;
    /// A table's name as the engine's catalogue and Qt's table model spell it.
    virtual QString tableName(const QString& name) const = 0;

    /// The statements every new connection runs first.
    virtual QStringList sessionSetup() const = 0;
    /// The statements that open a transaction holding the write lock at once (one writer at a time, as on a file).
    virtual QStringList beginImmediate() const = 0;

    /// The schema version stored in a database, or nothing (and the reason) when it cannot be read.
    virtual std::optional<int> schemaVersion(const QSqlDatabase& db, QString* error) const = 0;
    virtual QString setSchemaVersionSql(int version) const = 0;
    /// How many of the named tables the database holds.
    virtual QString countTablesSql(const QStringList& names) const = 0;
    /// The names of every table of ours in the database, and the columns of one of them (one bound value).
    virtual QString tablesSql() const = 0;
    virtual QString columnsSql() const = 0;

    /// The statement that gives free pages back and refreshes the planner's figures.
    virtual QString compactSql() const = 0;

    /// Whether a failed statement was refused because a berth would have been booked twice over.
    virtual bool isOverlapRefusal(const QSqlError& error) const = 0;
    /// Whether a failed statement failed because the connection to the server is gone.
    virtual bool isConnectionLost(const QSqlDatabase& db, const QSqlError& error) const = 0;

    /// The day of a stored date-time (text 'yyyy-MM-dd ...') as a whole number of days since 2000-01-01, so that
    /// one day number less another is the nights between them; NULL for NULL.
    virtual QString dayNumber(const QString& expr) const = 0;
};

/// The parts of a postgresql:// address Qt's driver takes one by one; the password is never among them (libpq reads
/// it from PGPASSWORD or the password file).
struct ServerAddress
{
    QString host;
    int port = -1;
    QString user;
    QString database;
    QString options; // further libpq key=value pairs, ';'-separated as the driver takes them
};
/// Reads an address; nothing, and the reason, when it is not one.
Result<ServerAddress> parseServerAddress(const QString& uri);
