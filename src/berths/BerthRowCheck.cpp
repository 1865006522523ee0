#include "berths/BerthRowCheck.h"

#include "core/Money.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlField>
#include <QSqlQuery>
#include <QStringList>

namespace BerthRowCheck {

Result<Check> changedSince(const QSqlDatabase& db, int id, const QSqlRecord& shown, const QSqlRecord& typed,
                           const QHash<QString, QString>& captions, const QSet<QString>& moneyColumns)
{
    QStringList columns;
    for (int i = 0; i < shown.count(); ++i)
        columns << shown.fieldName(i);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    // The column names are the editor's own record's, never typed text.
    if (!Sql::exec(q, QStringLiteral("SELECT %1 FROM Berth WHERE ID = ?").arg(columns.join(QStringLiteral(", "))), {id},
                   &error))
        return databaseFailure(error);
    if (!q.next())
        return conflict(QCoreApplication::translate(
            "BerthRowCheck", "This berth was deleted at another desk while you were editing it. Nothing was saved."));
    const auto text = [&](const QString& column, const QVariant& value) {
        if (value.isNull())
            return QString();
        return moneyColumns.contains(column.toLower()) ? Money::fromUnits(value.toLongLong()).format()
                                                       : value.toString();
    };
    Check check;
    check.stored = shown;
    for (int i = 0; i < columns.size(); ++i) {
        const QVariant before = shown.value(i);
        const QVariant now = q.value(i);
        check.stored.setValue(i, now);
        // Compared as texts: the engines give numbers back in types of their own.
        if (before.isNull() == now.isNull() && before.toString() == now.toString())
            continue;
        check.changes.append({captions.value(columns[i].toLower(), columns[i]), text(columns[i], now),
                              text(columns[i], typed.value(columns[i]))});
    }
    return check;
}

} // namespace BerthRowCheck
