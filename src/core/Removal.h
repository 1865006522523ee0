#pragma once

#include "core/Result.h"

#include <QSqlDatabase>
#include <functional>

/// Deleting a row with the rows that hang on it (a customer's bookings, an owner's berths, a berth's bookings).
/// The folder that owns the row says how it goes; the folder that owns the dependent rows says how they are
/// counted and removed, so the statements on each table stay with its owner. The window asks the question.
namespace Removal {

using Counter = std::function<Result<int>(const QSqlDatabase&, int id)>;
/// How the row itself goes, inside the same transaction.
using RowRemover = std::function<Status(const QSqlDatabase&, int id)>;

/// The rows of another table that go with a row.
struct Dependents
{
    /// What is said when another desk added some since the question: a whole sentence for one ("1 booking was
    /// made ...") and one for more ("%1 bookings were made ..."), so a translation needs no English plural ending.
    QString oneAdded;
    QString manyAdded;
    Counter count;
    /// Runs inside the caller's transaction, before the row itself goes.
    std::function<Status(const QSqlDatabase&, int id)> remove;
};

/// What the window asks before a delete, and how many dependent rows the question was about.
struct Question
{
    int dependents = 0;
    QString text;
};

inline const QString Title = QStringLiteral("Confirm deletion");
/// What is asked before deleting a row nothing hangs on.
QString plainQuestion();

/// Counts the dependents: the plain question when there are none, withDependents otherwise.
Result<Question> ask(const QSqlDatabase& db, int id, const Dependents& dependents, const QString& withDependents);

/// The dependents, then the row, inside a transaction the caller owns.
Status removeRows(const QSqlDatabase& db, int id, const Dependents& dependents, const RowRemover& removeRow);

/// The whole delete in one write transaction: the dependents are counted again first, and when another desk added
/// some since the question counted asked, nothing is deleted (a Conflict naming how many). The write lock is taken
/// before the count, as a booking's save does, so a booking saved meanwhile is counted or waits.
Status remove(const QSqlDatabase& db, int id, int asked, const Dependents& dependents, const RowRemover& removeRow);

/// One statement bound to the ID, as a remover.
RowRemover statement(const QString& sql);
/// One counting query bound to the ID, as a counter.
Counter counting(const QString& sql);

} // namespace Removal
