#pragma once

#include "core/Result.h"

#include <QSqlQueryModel>
#include <QStringList>

class Dialect;

/// What one list window shows: its statement (the ID first, then the columns in grid order), the headings of
/// the columns after the ID, and the Yes/No column if there is one.
struct PeopleListDefinition
{
    QString query;
    QStringList headings; // one per column; the ID's heading is empty, its column is hidden
    int yesNoColumn = -1;
};

namespace PeopleLists {
/// The customers with their boats' names (the statement written for the engine).
PeopleListDefinition customers(const Dialect& dialect);
PeopleListDefinition owners();
} // namespace PeopleLists

/// The rows of a list window, read from the database in blocks as the grid scrolls to them (never all at once),
/// with the list's headings and the club flag shown as "Yes" or "No".
class PeopleListModel final : public QSqlQueryModel
{
    Q_OBJECT
public:
    explicit PeopleListModel(PeopleListDefinition definition, QObject* parent = nullptr);

    /// Runs the statement again so the list shows the table as it is now; false (and the reason) on failure.
    Status requery(const QSqlDatabase& db);
    /// Reads further blocks until row exists or the table has no more; false when it does not exist.
    bool fetchUpTo(int row);

    /// The ID of a row; 0 outside the list.
    int idAt(int row) const;
    /// A column's raw value (Null stays Null), for the details of events.
    QVariant valueAt(int row, int column) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    PeopleListDefinition m_definition;
};
