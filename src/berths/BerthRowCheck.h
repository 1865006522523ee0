#pragma once

#include "core/FieldChanges.h"
#include "core/Result.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlRecord>

/// Two desks editing one berth row in a table editor.
namespace BerthRowCheck {
/// The merge of berth id as shown (the row as the editor showed it), as stored now (theirs, in the shown record's
/// columns) and as typed, column by column; each named by its caption and money columns shown in money (both keyed
/// by the column's name in lower case: a server gives the names folded). A Conflict when the berth is gone. Run it
/// inside the save's transaction, with the write lock taken.
Result<FieldChanges::Merge<QSqlRecord>> merged(const QSqlDatabase& db, int id, const QSqlRecord& shown,
                                               const QSqlRecord& typed, const QHash<QString, QString>& captions,
                                               const QSet<QString>& moneyColumns);
} // namespace BerthRowCheck
