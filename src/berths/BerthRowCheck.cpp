#include "berths/BerthRowCheck.h"

#include "core/Money.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlField>
#include <QSqlQuery>
#include <QStringList>

namespace BerthRowCheck {

Result<FieldChanges::Merge<QSqlRecord>> merged(const QSqlDatabase& db, int id, const QSqlRecord& shown,
                                               const QSqlRecord& typed, const QHash<QString, QString>& captions,
                                               const QSet<QString>& moneyColumns)
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
    QSqlRecord stored = shown;
    for (int i = 0; i < columns.size(); ++i)
        stored.setValue(i, q.value(i));
    FieldChanges::Merge<QSqlRecord> merge(shown, stored, typed);
    for (const QString& column : std::as_const(columns)) {
        const bool money = moneyColumns.contains(column.toLower());
        // Compared as texts: the engines give numbers back in types of their own. Null is not an empty text.
        merge.field(
            captions.value(column.toLower(), column),
            [column](const QSqlRecord& r) {
                const QVariant value = r.value(column);
                return std::pair(value.isNull(), value.toString());
            },
            [column](QSqlRecord& into, const QSqlRecord& from) { into.setValue(column, from.value(column)); },
            [money](const std::pair<bool, QString>& value) {
                if (value.first)
                    return QString();
                return money ? Money::fromUnits(value.second.toLongLong()).format() : value.second;
            });
    }
    return merge;
}

} // namespace BerthRowCheck
