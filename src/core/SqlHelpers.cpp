#include "core/SqlHelpers.h"

#include "core/Dialect.h"

#include <QSqlError>

namespace Sql {

bool Exec(QSqlQuery& q, const QString& sql, const QVariantList& binds, QString* error)
{
    if (!q.prepare(sql)) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    for (const QVariant& value : binds)
        q.addBindValue(value);
    if (!q.exec()) {
        if (error)
            *error = q.lastError().text();
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
    if (immediate) {
        // The driver's COMMIT and ROLLBACK close a transaction opened by hand just as well.
        QSqlQuery q(m_db);
        m_started = false;
        for (const QString& statement : Dialect::Of(m_db).BeginImmediate()) {
            if (!q.exec(statement)) {
                m_error = q.lastError().text();
                if (m_started)
                    m_db.rollback();
                m_started = false;
                return;
            }
            m_started = true;
        }
        return;
    }
    m_started = m_db.transaction();
    if (!m_started)
        m_error = m_db.lastError().text();
}

Transaction::~Transaction()
{
    if (m_started && !m_done)
        m_db.rollback();
}

bool Transaction::Commit(QString* error)
{
    if (!m_started || m_done) {
        if (error)
            *error = m_error.isEmpty() ? QStringLiteral("No transaction is open.") : m_error;
        return false;
    }
    if (!m_db.commit()) {
        m_commitError = m_db.lastError();
        m_error = m_commitError.text();
        if (error)
            *error = m_error;
        m_db.rollback();
        m_done = true;
        return false;
    }
    m_done = true;
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

bool InTransaction(const QSqlDatabase& db, QString* error, const std::function<bool()>& work)
{
    Transaction tx(db);
    if (!tx.Started()) {
        if (error)
            *error = tx.Error();
        return false;
    }
    return work() && tx.Commit(error);
}

} // namespace Sql
