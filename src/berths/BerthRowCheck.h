#pragma once

#include "core/FieldChanges.h"
#include "core/Result.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlRecord>

/// Whether a berth row is still as an editor showed it, before the editor writes over it.
namespace BerthRowCheck {
struct Check
{
    QList<FieldChange> changes; // empty: nobody else changed the row
    QSqlRecord stored;          // the row as stored now, in the shown record's columns
};
/// The columns of berth id that another desk changed since shown (the row as the editor showed it), each with what
/// is stored now and what typed holds; each named by its caption and money columns shown in money (both keyed by
/// the column's name in lower case: a server gives the names folded). A Conflict when the berth is gone. Run it
/// inside the save's transaction, with the write lock taken.
Result<Check> changedSince(const QSqlDatabase& db, int id, const QSqlRecord& shown, const QSqlRecord& typed,
                           const QHash<QString, QString>& captions, const QSet<QString>& moneyColumns);
} // namespace BerthRowCheck
