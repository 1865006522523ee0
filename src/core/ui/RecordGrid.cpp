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
    // Tab leaves the list for the next control: walking every cell of a long list is no way to reach a button.
    grid->setTabKeyNavigation(false);
    return grid;
}
