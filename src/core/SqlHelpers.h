#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

/// One way to run a statement: SQL with '?' placeholders and the values bound in order. User text is never
/// pasted into SQL. Every helper reports failure through its result and an error text.
namespace Sql {

/// What a statement reports when the connection to the database server has gone. The next statement outside a
/// transaction connects again.
QString lostConnectionMessage();

/// Remembers which file a file connection opened, so that the file replaced under it (another desk restored or
/// compacted the database) is noticed at the next statement: that statement fails once with
/// replacedDatabaseMessage(), nothing is written into the old file, and the statement after it opens the new one.
/// Of a server connection only its name is remembered, by which a lost connection is opened again in its thread.
void rememberFile(const QSqlDatabase& db);
/// Drops what is kept about a connection that is being closed.
void forgetConnection(const QSqlDatabase& db);
QString replacedDatabaseMessage();

/// Prepares and runs one statement on q; false (and the driver's message in *error) when it fails.
bool exec(QSqlQuery& q, const QString& sql, const QVariantList& binds = {}, QString* error = nullptr);
/// Runs a read that a desk repeats many times a second (the free berths as the dates change) with whole numbers
/// bound in order. A server plans it once per connection and keeps the plan: each run outside a transaction is then
/// one round trip with no planning. Inside a transaction, and on a file, it is exec.
bool execKept(QSqlQuery& q, const QString& sql, const QList<qint64>& values, QString* error = nullptr);
/// Runs one statement that returns nothing on db.
bool exec(const QSqlDatabase& db, const QString& sql, const QVariantList& binds = {}, QString* error = nullptr);
/// The first column of the first row, or nothing when the statement failed or returned no row.
std::optional<QVariant> scalar(const QSqlDatabase& db, const QString& sql, const QVariantList& binds = {},
                               QString* error = nullptr);
/// Runs an INSERT (without its RETURNING clause, which this adds) and gives the ID of the new row.
std::optional<qint64> insertReturningId(const QSqlDatabase& db, const QString& insertSql, const QVariantList& binds,
                                        QString* error = nullptr);
/// Runs a script of statements separated by ';' (quotes and "--" comments respected), stopping at the first failure.
bool execScript(const QSqlDatabase& db, const QString& script, QString* error = nullptr);

/// A row of a lookup list (berth types, owners, customers, payment methods): the ID bound and the text shown.
struct LookupItem
{
    int id = 0;
    QString text;
};
/// Reads a lookup list with a statement that returns (ID, text) rows; nothing, and the reason in *error, when it
/// fails. A Null text reads as an empty one.
std::optional<QList<LookupItem>> readLookup(const QSqlDatabase& db, const QString& sql, QString* error = nullptr);

/// An expression under a quoted column name, "expr AS \"name\"": a server folds unquoted names to lower case,
/// and readers that go by the result's column names (the CSV header) see them as written.
QString named(const QString& expr, const QString& name);
/// Table.Column AS "Column" for each name, joined with ", ".
QString namedColumns(const QString& table, const QStringList& names);

/// A LIKE pattern that matches text starting with prefix, to be used with "LIKE ? ESCAPE '\'".
QString likePrefix(const QString& prefix);

/// A NULL of the right type for an absent value.
QVariant nullInt();
QVariant nullText();

/// A calendar day as the tables keep it (ISO text, "2026-12-31"); no day is a NULL.
QVariant dayValue(const QDate& day);
/// A day read back from such a column; NULL or text that is not a day gives no day.
QDate readDay(const QVariant& value);

/// One transaction on a connection: rolled back on destruction unless committed. Opened while another is open on
/// the same connection it is a savepoint of that one, so a store's one-row write can run inside a caller's
/// transaction of many rows: all of them are then committed, or rolled back, by the outer one.
class Transaction final
{
public:
    /// immediate takes the write lock at once, so what is read inside cannot change before the commit.
    explicit Transaction(QSqlDatabase db, bool immediate = false);
    ~Transaction();
    Q_DISABLE_COPY_MOVE(Transaction)

    bool started() const { return m_started; }
    const QString& error() const { return m_error; }
    /// The driver's error of a failed Commit (a constraint the server checks at commit is reported there).
    const QSqlError& commitError() const { return m_commitError; }
    bool commit(QString* error = nullptr);

private:
    QSqlDatabase m_db;
    bool m_started = false;
    bool m_done = false;
    QString m_savepoint; // the savepoint's name when opened inside another transaction
    QString m_error;
    QSqlError m_commitError;
};

/// Runs work inside one transaction: committed when work returns true, rolled back otherwise. immediate as for
/// Transaction.
bool inTransaction(const QSqlDatabase& db, QString* error, const std::function<bool()>& work, bool immediate = false);

} // namespace Sql
