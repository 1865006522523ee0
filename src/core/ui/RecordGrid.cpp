#include "core/ui/RecordGrid.h"

#include <QTableView>

QTableView* recordGrid(const QString& objectName, QAbstractItemModel* model, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(objectName);
    grid->setModel(model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    return grid;
}
