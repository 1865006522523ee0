#pragma once

#include <QSqlDatabase>
#include <QString>

class QFormLayout;
class QGridLayout;
class QLineEdit;
class QWidget;

/// The reference a record brought in by an import had in the office's previous records, on the record's dialog: a
/// read-only box (txtOldRef) with its label, shown only when the record has one, so the old number can be read off
/// and typed into the quick search.
namespace OldReference {

/// Adds the box and its label, hidden, as the form's last row, or at row of a grid (label, then box).
QLineEdit* addTo(QFormLayout* form, QWidget* parent);
QLineEdit* addTo(QGridLayout* grid, int row, QWidget* parent);

/// Shows the old reference of table's row id in box, or hides the box and its label when it has none (id 0: a new
/// record). A reference that cannot be read is not shown either: the dialog works without it.
void show(QLineEdit* box, const QSqlDatabase& db, const QString& table, int id);

} // namespace OldReference
