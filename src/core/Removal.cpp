#include "core/Removal.h"

#include "core/SqlHelpers.h"

#include <QCoreApplication>

namespace Removal {

QString plainQuestion()
{
    return QCoreApplication::translate("Removal", "Are you sure to delete this item?");
}

Result<Question> ask(const QSqlDatabase& db, int id, const Dependents& dependents, const QString& withDependents)
{
    const Result<int> count = dependents.count(db, id);
    if (!count)
        return count.failure();
    return Question{*count, *count == 0 ? plainQuestion() : withDependents};
}

Status removeRows(const QSqlDatabase& db, int id, const Dependents& dependents, const RowRemover& removeRow)
{
    if (const Status gone = dependents.remove(db, id); !gone)
        return gone;
    return removeRow(db, id);
}

Status remove(const QSqlDatabase& db, int id, int asked, const Dependents& dependents, const RowRemover& removeRow)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const Result<int> now = dependents.count(db, id);
    if (!now)
        return now.failure();
    if (*now > asked) {
        const int added = *now - asked;
        return conflict(added == 1 ? dependents.oneAdded : dependents.manyAdded.arg(added));
    }
    if (const Status gone = removeRows(db, id, dependents, removeRow); !gone)
        return gone;
    QString error;
    if (!tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

RowRemover statement(const QString& sql)
{
    return [sql](const QSqlDatabase& db, int id) -> Status {
        QString error;
        if (!Sql::exec(db, sql, {id}, &error))
            return databaseFailure(error);
        return Done{};
    };
}

Counter counting(const QString& sql)
{
    return [sql](const QSqlDatabase& db, int id) -> Result<int> {
        QString error;
        const auto value = Sql::scalar(db, sql, {id}, &error);
        if (!value)
            return databaseFailure(error);
        return value->toInt();
    };
}

} // namespace Removal
