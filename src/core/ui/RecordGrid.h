#pragma once

#include <QString>

class QAbstractItemModel;
class QTableView;
class QWidget;

/// A list of records the user picks one row of: whole rows selected, one at a time, never edited in place, each
/// value on one line. Every list window and search grid starts from it.
QTableView* recordGrid(const QString& objectName, QAbstractItemModel* model, QWidget* parent);
