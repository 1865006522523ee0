#pragma once

#include <QList>
#include <QString>

class QAbstractItemModel;
class QTableView;
class QWidget;

/// A list of records the user picks one row of: whole rows selected, one at a time, never edited in place, each
/// value on one line. Every list window and search grid starts from it.
QTableView* recordGrid(const QString& objectName, QAbstractItemModel* model, QWidget* parent);

/// Keeps every shown column of grid in view: each as wide as its heading and the rows in sight ask, and where
/// that is more than the grid's width, all of them narrowed to share it; where even the headings do not fit,
/// none narrowed and the grid scrolls sideways. Done again whenever the grid is resized or its rows are read afresh.
void fitColumns(QTableView* grid);

/// The widths of columns that want wanted and need least (their heading) in room: wanted where all fit; else
/// each column's least and the rest of room shared in proportion to what each wants beyond it; where even the
/// headings do not fit, wanted (the grid scrolls).
QList<int> fittedWidths(const QList<int>& wanted, const QList<int>& least, int room);
