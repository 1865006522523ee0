#include "core/ui/RecordGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <numeric>

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

QList<int> fittedWidths(const QList<int>& wanted, const QList<int>& least, int room)
{
    const auto sum = [](const QList<int>& widths) { return std::accumulate(widths.cbegin(), widths.cend(), 0LL); };
    const qint64 wantedTotal = sum(wanted);
    const qint64 leastTotal = sum(least);
    room = std::max(room, 0);
    if (wantedTotal <= room)
        return wanted;
    // A heading cut short is a column nobody can name: the grid scrolls sideways instead, and once it scrolls
    // nothing is won by narrowing a column below what its rows ask.
    if (leastTotal > room)
        return wanted;
    QList<int> widths;
    // What each column wants beyond its heading, shared out of what the headings leave.
    const qint64 spare = room - leastTotal;
    const qint64 beyond = wantedTotal - leastTotal;
    for (qsizetype c = 0; c < wanted.size(); ++c) {
        const int more = std::max(wanted[c] - least[c], 0);
        widths << int(least[c] + (beyond > 0 ? more * spare / beyond : 0));
    }
    return widths;
}

namespace {

class ColumnFitter final : public QObject
{
public:
    explicit ColumnFitter(QTableView* grid) : QObject(grid), m_grid(grid)
    {
        m_pending.setSingleShot(true);
        connect(&m_pending, &QTimer::timeout, this, &ColumnFitter::fit);
        grid->viewport()->installEventFilter(this);
        if (QAbstractItemModel* model = grid->model()) {
            connect(model, &QAbstractItemModel::modelReset, &m_pending, qOverload<>(&QTimer::start));
            connect(model, &QAbstractItemModel::layoutChanged, &m_pending, qOverload<>(&QTimer::start));
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Only a change of width: a new height changes nothing in the columns.
        if (event->type() == QEvent::Resize && watched == m_grid->viewport() && m_grid->viewport()->width() != m_width)
            m_pending.start();
        return false;
    }

private:
    void fit()
    {
        QHeaderView* header = m_grid->horizontalHeader();
        QList<int> columns, wanted, least;
        for (int c = 0; c < header->count(); ++c) {
            if (header->isSectionHidden(c))
                continue;
            columns << c;
            least << header->sectionSizeHint(c);
            // As wide as the rows in sight ask (public on the item view, the table hides it).
            const QAbstractItemView* view = m_grid;
            wanted << std::max(view->sizeHintForColumn(c), least.last());
        }
        m_width = m_grid->viewport()->width();
        // A long note or address asks for no more than a fifth of the width: the short columns keep theirs.
        for (qsizetype i = 0; i < wanted.size(); ++i)
            wanted[i] = std::max(least[i], std::min(wanted[i], m_width / 5));
        const QList<int> widths = fittedWidths(wanted, least, m_width);
        for (qsizetype i = 0; i < columns.size(); ++i)
            header->resizeSection(columns[i], widths[i]);
    }

    QTableView* m_grid;
    QTimer m_pending;
    int m_width = -1;
};

} // namespace

void fitColumns(QTableView* grid)
{
    new ColumnFitter(grid);
}
