#include "core/SqlHelpers.h"

#include "core/Dialect.h"

#include <QHash>
#include <QMutex>
#include <QSqlDriver>
#include <QSqlError>

namespace Sql {

namespace {
// A server connection that went away: marked when a statement finds it gone, opened again by the next statement
// outside a transaction (never inside one: what the transaction wrote went with the old connection, and the rest
// must not be saved on its own).
struct ConnectionState
{
    bool lost = false;
    int transactions = 0;
};
QHash<const QSqlDriver*, ConnectionState>& States()
{
    static QHash<const QSqlDriver*, ConnectionState> states;
    return states;
}
QMutex& StatesLock()
{
    static QMutex lock;
    return lock;
}

std::optional<QSqlDatabase> ConnectionOf(const QSqlDriver* driver)
{
    for (const QString& name : QSqlDatabase::connectionNames()) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.driver() == driver)
            return db;
    }
    return std::nullopt;
}

// False, with the reason, when the connection is still gone.
bool ReconnectIfLost(const QSqlDriver* driver, QString* error)
{
    {
        QMutexLocker locker(&StatesLock());
        const auto it = States().constFind(driver);
        if (it == States().cend() || !it->lost)
            return true;
        if (it->transactions > 0) {
            if (error)
                *error = LostConnectionMessage();
            return false;
        }
    }
    auto db = ConnectionOf(driver);
    if (!db)
        return true;
    db->close();
    bool ok = db->open();
    QString reason = ok ? QString() : db->lastError().text().trimmed();
    for (const QString& statement : Dialect::Of(*db).SessionSetup()) {
        QSqlQuery setup(*db);
        if (ok && !setup.exec(statement)) {
            ok = false;
            reason = setup.lastError().text();
        }
    }
    if (!ok) {
        if (error)
            *error = LostConnectionMessage() + QStringLiteral("\n\n") + reason;
        return false;
    }
    QMutexLocker locker(&StatesLock());
    States()[driver].lost = false;
    return true;
}

// The error of a failed statement: the one clear message when the connection has gone, the driver's text otherwise.
QString Failure(QSqlQuery& q)
{
    const QSqlError failure = q.lastError();
    const auto db = ConnectionOf(q.driver());
    if (db && Dialect::Of(*db).IsConnectionLost(*db, failure)) {
        QMutexLocker locker(&StatesLock());
        States()[q.driver()].lost = true;
        return LostConnectionMessage();
    }
    return failure.text();
}

void CountTransaction(const QSqlDatabase& db, int change)
{
    QMutexLocker locker(&StatesLock());
    States()[db.driver()].transactions += change;
}
} // namespace

QString LostConnectionMessage()
{
    // A commit sent as the server went away may have arrived: the user is told to look rather than told it failed.
    return QStringLiteral("The connection to the database server was lost. What you were saving may not have been "
                          "saved: look it up before you enter it again. The program connects again with your next "
                          "action.");
}

bool Exec(QSqlQuery& q, const QString& sql, const QVariantList& binds, QString* error)
{
    if (!ReconnectIfLost(q.driver(), error))
        return false;
    if (!q.prepare(sql)) {
        if (error)
            *error = Failure(q);
        return false;
    }
    for (const QVariant& value : binds)
        q.addBindValue(value);
    if (!q.exec()) {
        const QString reason = Failure(q);
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

bool Exec(const QSqlDatabase& db, const QString& sql, const QVariantList& binds, QString* error)
{
    QSqlQuery q(db);
    return Exec(q, sql, binds, error);
}

std::optional<QVariant> Scalar(const QSqlDatabase& db, const QString& sql, const QVariantList& binds, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Exec(q, sql, binds, error))
        return std::nullopt;
    if (!q.next()) {
        if (error)
            *error = QStringLiteral("The statement returned no row.");
        return std::nullopt;
    }
    return q.value(0);
}

namespace {
QStringList SplitScript(const QString& script)
{
    QStringList statements;
    QString current;
    bool inQuote = false;
    bool inBody = false; // a function body between $$ marks, whose statements end in ';' too
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (!inQuote && c == u'$' && i + 1 < script.size() && script.at(i + 1) == u'$') {
            inBody = !inBody;
            current += QStringLiteral("$$");
            ++i;
            continue;
        }
        if (inBody) {
            current += c;
            continue;
        }
        if (!inQuote && c == u'-' && i + 1 < script.size() && script.at(i + 1) == u'-') {
            while (i < script.size() && script.at(i) != u'\n')
                ++i;
            current += u'\n';
            continue;
        }
        if (c == u'\'')
            inQuote = !inQuote;
        // Inside a trigger body, statements end in ';' too: only the ';' after its END closes the trigger.
        if (c == u';' && !inQuote &&
            (!current.trimmed().startsWith(QStringLiteral("CREATE TRIGGER"), Qt::CaseInsensitive) ||
             current.trimmed().endsWith(QStringLiteral("END"), Qt::CaseInsensitive))) {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}
} // namespace

std::optional<qint64> InsertReturningId(const QSqlDatabase& db, const QString& insertSql, const QVariantList& binds,
                                        QString* error)
{
    // Both engines give the new row back from the statement itself, so no second question can see another
    // desk's row.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Exec(q, insertSql + QStringLiteral(" RETURNING ID"), binds, error))
        return std::nullopt;
    bool ok = false;
    const qint64 id = q.next() ? q.value(0).toLongLong(&ok) : 0;
    if (!ok || id <= 0) {
        if (error)
            *error = QStringLiteral("The database gave the new record no ID.");
        return std::nullopt;
    }
    return id;
}

bool ExecScript(const QSqlDatabase& db, const QString& script, QString* error)
{
    for (const QString& statement : SplitScript(script)) {
        QSqlQuery q(db);
        if (!q.exec(statement)) {
            if (error)
                *error = q.lastError().text() + QStringLiteral(" in: ") + statement.left(80);
            return false;
        }
    }
    return true;
}

QString LikePrefix(const QString& prefix)
{
    QString pattern;
    pattern.reserve(prefix.size() + 2);
    for (const QChar c : prefix) {
        if (c == u'\\' || c == u'%' || c == u'_')
            pattern += u'\\';
        pattern += c;
    }
    pattern += u'%';
    return pattern;
}

QVariant NullInt()
{
    return QVariant(QMetaType::fromType<qlonglong>());
}
QVariant NullText()
{
    return QVariant(QMetaType::fromType<QString>());
}

Transaction::Transaction(QSqlDatabase db, bool immediate) : m_db(std::move(db))
{
    if (!ReconnectIfLost(m_db.driver(), &m_error))
        return;
    // The driver's COMMIT and ROLLBACK close a transaction opened by hand just as well.
    const QStringList begin = immediate ? Dialect::Of(m_db).BeginImmediate() : QStringList{QStringLiteral("BEGIN")};
    QSqlQuery q(m_db);
    for (const QString& statement : begin) {
        if (!q.exec(statement)) {
            m_error = Failure(q);
            if (m_started)
                m_db.rollback();
            m_started = false;
            return;
        }
        m_started = true;
    }
    CountTransaction(m_db, +1);
}

Transaction::~Transaction()
{
    if (m_started && !m_done) {
        m_db.rollback();
        CountTransaction(m_db, -1);
    }
}

bool Transaction::Commit(QString* error)
{
    if (!m_started || m_done) {
        if (error)
            *error = m_error.isEmpty() ? QStringLiteral("No transaction is open.") : m_error;
        return false;
    }
    m_done = true;
    CountTransaction(m_db, -1);
    if (!m_db.commit()) {
        m_commitError = m_db.lastError();
        m_error = m_commitError.text();
        if (Dialect::Of(m_db).IsConnectionLost(m_db, m_commitError)) {
            QMutexLocker locker(&StatesLock());
            States()[m_db.driver()].lost = true;
            m_error = LostConnectionMessage();
        }
        if (error)
            *error = m_error;
        m_db.rollback();
        return false;
    }
    return true;
}

std::optional<QList<LookupItem>> ReadLookup(const QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!Exec(q, sql, {}, error))
        return std::nullopt;
    QList<LookupItem> items;
    while (q.next())
        items.append({q.value(0).toInt(), q.value(1).isNull() ? QString() : q.value(1).toString()});
    return items;
}

bool InTransaction(const QSqlDatabase& db, QString* error, const std::function<bool()>& work, bool immediate)
{
    Transaction tx(db, immediate);
    if (!tx.Started()) {
        if (error)
            *error = tx.Error();
        return false;
    }
    return work() && tx.Commit(error);
}

} // namespace Sql
