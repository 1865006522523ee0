#include "core/SqlHelpers.h"

#include "core/Dialect.h"
#include "core/ServerLogin.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QThread>
#include <QUrl>

#if defined(Q_OS_UNIX)
#include <sys/stat.h>
#endif

namespace Sql {

namespace {
// A server connection that went away: marked when a statement finds it gone, opened again by the next statement
// outside a transaction (never inside one: what the transaction wrote went with the old connection, and the rest
// must not be saved on its own).
struct ConnectionState
{
    bool lost = false;
    int transactions = 0;
    QByteArray fileId;  // the device and inode of the file a file connection opened; empty for a server
    QString path;       // that file
    QString name;       // the connection's name, for finding it again from its driver
    QSet<QString> kept; // the statements this server session holds prepared, by name (execKept)
};

// Which file is at path now: its device and inode; "gone" when there is none. Empty where the system cannot say.
QByteArray fileIdOf(const QString& path)
{
#if defined(Q_OS_UNIX)
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QByteArrayLiteral("gone");
    return QByteArray::number(quint64(info.st_dev)) + ':' + QByteArray::number(quint64(info.st_ino));
#else
    Q_UNUSED(path);
    return {};
#endif
}
QHash<const QSqlDriver*, ConnectionState>& states()
{
    static QHash<const QSqlDriver*, ConnectionState> states;
    return states;
}
QMutex& statesLock()
{
    static QMutex lock;
    return lock;
}

// The connection of driver by the name it was opened under; only in the thread it serves, for Qt hands another
// thread's connection to no one (and complains of each it is asked for).
std::optional<QSqlDatabase> connectionOf(const QSqlDriver* driver)
{
    if (!driver || driver->thread() != QThread::currentThread())
        return std::nullopt;
    QString name;
    {
        QMutexLocker locker(&statesLock());
        const auto it = states().constFind(driver);
        if (it == states().cend())
            return std::nullopt;
        name = it->name;
    }
    if (!QSqlDatabase::contains(name))
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(name, false);
    if (db.driver() != driver)
        return std::nullopt;
    return db;
}

// False, with the reason, when the connection is still gone.
bool reconnectIfLost(const QSqlDriver* driver, QString* error)
{
    {
        // A file replaced under the connection: the next statement must not read or write the old one.
        QMutexLocker locker(&statesLock());
        const auto it = states().find(driver);
        if (it != states().end() && !it->lost && !it->fileId.isEmpty()) {
            if (fileIdOf(it->path) != it->fileId) {
                it->lost = true;
                if (error)
                    *error = replacedDatabaseMessage();
                return false;
            }
        }
    }
    {
        QMutexLocker locker(&statesLock());
        const auto it = states().constFind(driver);
        if (it == states().cend() || !it->lost)
            return true;
        if (it->transactions > 0) {
            if (error)
                *error = lostConnectionMessage();
            return false;
        }
    }
    auto db = connectionOf(driver);
    if (!db)
        return true;
    db->close();
    bool ok = db->open();
    QString reason = ok ? QString() : ServerLogin::explained(db->lastError()).trimmed();
    for (const QString& statement : Dialect::of(*db).sessionSetup()) {
        QSqlQuery setup(*db);
        if (ok && !setup.exec(statement)) {
            ok = false;
            reason = setup.lastError().text();
        }
    }
    if (!ok) {
        if (error)
            *error = lostConnectionMessage() + QStringLiteral("\n\n") + reason;
        return false;
    }
    QMutexLocker locker(&statesLock());
    states()[driver].lost = false;
    states()[driver].kept.clear();
    if (!states()[driver].fileId.isEmpty())
        states()[driver].fileId = fileIdOf(states()[driver].path);
    return true;
}

// The error of a failed statement: the one clear message when the connection has gone, the driver's text otherwise.
QString failure(QSqlQuery& q)
{
    const QSqlError failure = q.lastError();
    const auto db = connectionOf(q.driver());
    if (db && Dialect::of(*db).isConnectionLost(*db, failure)) {
        QMutexLocker locker(&statesLock());
        states()[q.driver()].lost = true;
        return lostConnectionMessage();
    }
    return ServerLogin::explained(failure);
}

void countTransaction(const QSqlDatabase& db, int change)
{
    QMutexLocker locker(&statesLock());
    states()[db.driver()].transactions += change;
}

int openTransactions(const QSqlDatabase& db)
{
    QMutexLocker locker(&statesLock());
    return states()[db.driver()].transactions;
}
} // namespace

void rememberFile(const QSqlDatabase& db)
{
    if (Dialect::of(db).kind() != Engine::SQLite) {
        QMutexLocker locker(&statesLock());
        states()[db.driver()].name = db.connectionName();
        return;
    }
    // A file connection's name is the file's URI (with its open mode), or a plain path.
    const QString name = db.databaseName();
    const QString path = name.startsWith(QStringLiteral("file:")) ? QUrl(name).toLocalFile() : name;
    const QByteArray id = fileIdOf(path);
    QMutexLocker locker(&statesLock());
    ConnectionState& state = states()[db.driver()];
    state = ConnectionState{};
    state.name = db.connectionName();
    state.fileId = id == "gone" ? QByteArray() : id;
    state.path = path;
}

void forgetConnection(const QSqlDatabase& db)
{
    QMutexLocker locker(&statesLock());
    states().remove(db.driver());
}

QString replacedDatabaseMessage()
{
    return QCoreApplication::translate("Sql",
                                       "The database has been restored or compacted at another desk since this desk "
                                       "opened it. Nothing was read or saved from the old copy: the program works "
                                       "on the new one from your next action. Enter again what you were saving.");
}

QString lostConnectionMessage()
{
    // A commit sent as the server went away may have arrived: the user is told to look rather than told it failed.
    return QCoreApplication::translate("Sql",
                                       "The connection to the database server was lost. What you were saving may not "
                                       "have been saved: look it up before you enter it again. The program connects "
                                       "again with your next action.");
}

bool exec(QSqlQuery& q, const QString& sql, const QVariantList& binds, QString* error)
{
    if (!reconnectIfLost(q.driver(), error))
        return false;
    if (!q.prepare(sql)) {
        if (error)
            *error = failure(q);
        return false;
    }
    for (const QVariant& value : binds)
        q.addBindValue(value);
    if (!q.exec()) {
        const QString reason = failure(q);
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

namespace {
// The server's name of a kept statement, from its text: the same name always means the same text, even for a
// session the program has lost count of.
QString keptName(const QString& sql)
{
    static QMutex lock;
    static QHash<QString, QString> names;
    QMutexLocker locker(&lock);
    auto it = names.find(sql);
    if (it == names.end()) {
        const QByteArray digest = QCryptographicHash::hash(sql.toUtf8(), QCryptographicHash::Sha1).toHex().left(24);
        it = names.insert(sql, QStringLiteral("zem_kept_") + QString::fromLatin1(digest));
    }
    return *it;
}

// sql with its '?' placeholders numbered $1, $2, ... as PREPARE takes them; quoted texts and names are left alone.
QString numberedPlaceholders(const QString& sql, qsizetype* count)
{
    QString numbered;
    numbered.reserve(sql.size() + 16);
    QChar quote;
    *count = 0;
    for (const QChar c : sql) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'?') {
            numbered += u'$' + QString::number(++*count);
            continue;
        }
        numbered += c;
    }
    return numbered;
}

bool insideTransaction(const QSqlDriver* driver)
{
    QMutexLocker locker(&statesLock());
    const auto it = states().constFind(driver);
    return it != states().cend() && it->transactions > 0;
}
} // namespace

bool execKept(QSqlQuery& q, const QString& sql, const QList<qint64>& values, QString* error)
{
    // Inside a transaction a failed PREPARE would end it: there the statement is prepared as any other.
    if (q.driver()->dbmsType() != QSqlDriver::PostgreSQL || insideTransaction(q.driver())) {
        QVariantList binds;
        binds.reserve(values.size());
        for (const qint64 value : values)
            binds.append(value);
        return exec(q, sql, binds, error);
    }
    if (!reconnectIfLost(q.driver(), error))
        return false;
    const QString name = keptName(sql);
    // The values are numbers, written as such: nothing typed reaches the text.
    QStringList numbers;
    numbers.reserve(values.size());
    for (const qint64 value : values)
        numbers.append(QString::number(value));
    const QString execute =
        QStringLiteral("EXECUTE %1").arg(name) +
        (numbers.isEmpty() ? QString() : QStringLiteral("(%1)").arg(numbers.join(QStringLiteral(", "))));
    const auto fail = [&] {
        const QString reason = failure(q);
        if (error)
            *error = reason;
        return false;
    };
    const auto prepare = [&] {
        qsizetype count = 0;
        const QString numbered = numberedPlaceholders(sql, &count);
        // Every value is a whole number, so each parameter is one, whatever the text compares it with.
        const QStringList types(count, QStringLiteral("bigint"));
        const QString parameters = types.isEmpty() ? QString() : u'(' + types.join(u',') + u')';
        // Already there (a session this desk lost count of) is as good as prepared now: the name is the text's.
        if (!q.exec(QStringLiteral("PREPARE %1%2 AS %3").arg(name, parameters, numbered)) &&
            q.lastError().nativeErrorCode() != QLatin1String("42P05"))
            return fail();
        QMutexLocker locker(&statesLock());
        states()[q.driver()].kept.insert(name);
        return true;
    };
    bool kept = false;
    {
        QMutexLocker locker(&statesLock());
        kept = states()[q.driver()].kept.contains(name);
    }
    if (!kept && !prepare())
        return false;
    if (q.exec(execute))
        return true;
    // Gone from the session (the connection was opened again behind this desk's back): prepared once more.
    if (!kept || q.lastError().nativeErrorCode() != QLatin1String("26000"))
        return fail();
    {
        QMutexLocker locker(&statesLock());
        states()[q.driver()].kept.remove(name);
    }
    return prepare() && (q.exec(execute) || fail());
}

bool exec(const QSqlDatabase& db, const QString& sql, const QVariantList& binds, QString* error)
{
    QSqlQuery q(db);
    return exec(q, sql, binds, error);
}

std::optional<QVariant> scalar(const QSqlDatabase& db, const QString& sql, const QVariantList& binds, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!exec(q, sql, binds, error))
        return std::nullopt;
    if (!q.next()) {
        if (error)
            *error = QCoreApplication::translate("Sql", "The statement returned no row.");
        return std::nullopt;
    }
    return q.value(0);
}

namespace {
QStringList splitScript(const QString& script)
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

std::optional<qint64> insertReturningId(const QSqlDatabase& db, const QString& insertSql, const QVariantList& binds,
                                        QString* error)
{
    // Both engines give the new row back from the statement itself, so no second question can see another
    // desk's row.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!exec(q, insertSql + QStringLiteral(" RETURNING ID"), binds, error))
        return std::nullopt;
    bool ok = false;
    const qint64 id = q.next() ? q.value(0).toLongLong(&ok) : 0;
    if (!ok || id <= 0) {
        if (error)
            *error = QCoreApplication::translate("Sql", "The database gave the new record no ID.");
        return std::nullopt;
    }
    return id;
}

bool execScript(const QSqlDatabase& db, const QString& script, QString* error)
{
    for (const QString& statement : splitScript(script)) {
        QSqlQuery q(db);
        if (!q.exec(statement)) {
            if (error)
                *error = ServerLogin::explained(q.lastError()) + QStringLiteral(" in: ") + statement.left(80);
            return false;
        }
    }
    return true;
}

QString named(const QString& expr, const QString& name)
{
    return expr + QStringLiteral(" AS \"") + name + u'"';
}

QString namedColumns(const QString& table, const QStringList& names)
{
    QStringList columns;
    for (const QString& name : names)
        columns << named(table + u'.' + name, name);
    return columns.join(QStringLiteral(", "));
}

QString likePrefix(const QString& prefix)
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

QVariant nullInt()
{
    return QVariant(QMetaType::fromType<qlonglong>());
}
QVariant nullText()
{
    return QVariant(QMetaType::fromType<QString>());
}
QVariant dayValue(const QDate& day)
{
    return day.isValid() ? QVariant(day.toString(Qt::ISODate)) : nullText();
}
QDate readDay(const QVariant& value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}

Transaction::Transaction(QSqlDatabase db, bool immediate) : m_db(std::move(db))
{
    if (!reconnectIfLost(m_db.driver(), &m_error))
        return;
    QSqlQuery q(m_db);
    // Inside a transaction already open on the connection (an import writing many rows through the stores), this
    // one is a savepoint of it: its rollback undoes its own statements, its commit leaves them to the outer one.
    if (const int depth = openTransactions(m_db); depth > 0) {
        m_savepoint = QStringLiteral("zem_nested_%1").arg(depth);
        if (!q.exec(QStringLiteral("SAVEPOINT ") + m_savepoint)) {
            m_error = failure(q);
            return;
        }
        m_started = true;
        countTransaction(m_db, +1);
        return;
    }
    // The driver's COMMIT and ROLLBACK close a transaction opened by hand just as well.
    const QStringList begin = immediate ? Dialect::of(m_db).beginImmediate() : QStringList{QStringLiteral("BEGIN")};
    for (const QString& statement : begin) {
        if (!q.exec(statement)) {
            m_error = failure(q);
            if (m_started)
                m_db.rollback();
            m_started = false;
            return;
        }
        m_started = true;
    }
    countTransaction(m_db, +1);
}

Transaction::~Transaction()
{
    if (m_started && !m_done) {
        if (m_savepoint.isEmpty()) {
            m_db.rollback();
        } else {
            QSqlQuery q(m_db);
            q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_savepoint);
            q.exec(QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint);
        }
        countTransaction(m_db, -1);
    }
}

bool Transaction::commit(QString* error)
{
    if (!m_started || m_done) {
        if (error)
            *error = m_error.isEmpty() ? QCoreApplication::translate("Sql", "No transaction is open.") : m_error;
        return false;
    }
    m_done = true;
    countTransaction(m_db, -1);
    if (!m_savepoint.isEmpty()) {
        QSqlQuery q(m_db);
        if (q.exec(QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint))
            return true;
        m_error = failure(q);
        if (error)
            *error = m_error;
        return false;
    }
    if (!m_db.commit()) {
        m_commitError = m_db.lastError();
        m_error = ServerLogin::explained(m_commitError);
        if (Dialect::of(m_db).isConnectionLost(m_db, m_commitError)) {
            QMutexLocker locker(&statesLock());
            states()[m_db.driver()].lost = true;
            m_error = lostConnectionMessage();
        }
        if (error)
            *error = m_error;
        m_db.rollback();
        return false;
    }
    return true;
}

std::optional<QList<LookupItem>> readLookup(const QSqlDatabase& db, const QString& sql, QString* error)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!exec(q, sql, {}, error))
        return std::nullopt;
    QList<LookupItem> items;
    while (q.next())
        items.append({q.value(0).toInt(), q.value(1).isNull() ? QString() : q.value(1).toString()});
    return items;
}

bool inTransaction(const QSqlDatabase& db, QString* error, const std::function<bool()>& work, bool immediate)
{
    Transaction tx(db, immediate);
    if (!tx.started()) {
        if (error)
            *error = tx.error();
        return false;
    }
    return work() && tx.commit(error);
}

} // namespace Sql
