#include "bookings/QuickSearchWidgets.h"

#include "core/MessageLog.h"
#include "core/Seams.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>

QuickSearchBox::QuickSearchBox(Services& services, QWidget* parent) : QLineEdit(parent), m_services(services)
{
    setObjectName(QStringLiteral("txtQuickSearch"));
    setPlaceholderText(tr("Search (Ctrl+K)"));
    setToolTip(tr("Part of a name, a confirmation number, a boat's name or a berth: finds bookings and customers. "
                  "Enter opens the booking's summary or the customer."));
    setMaxLength(100);
    setClearButtonEnabled(true);
    connect(this, &QLineEdit::textEdited, this, &QuickSearchBox::search);
}

void QuickSearchBox::search()
{
    const auto found = QuickSearch::find(m_services.db(), text(), m_services.clock.now().date());
    if (!found)
        MessageLog::logError(QStringLiteral("txtQuickSearch: %1").arg(found.error()));
    m_hits = found.valueOr({});
    showList();
}

void QuickSearchBox::showList()
{
    if (!m_list) {
        m_list = new QListWidget(window());
        m_list->setObjectName(QStringLiteral("lstQuickSearch"));
        // The keys stay with the box; a click still opens a line.
        m_list->setFocusPolicy(Qt::NoFocus);
        m_list->setFrameShape(QFrame::Box);
        connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { open(m_list->row(item)); });
    }
    m_list->clear();
    for (const QuickSearch::Hit& hit : m_hits)
        m_list->addItem(hit.text);
    if (m_hits.isEmpty() && !text().trimmed().isEmpty())
        m_list->addItem(tr("Nothing found"));
    if (m_list->count() == 0) {
        m_list->hide();
        return;
    }
    const QPoint below = mapTo(window(), QPoint(0, height()));
    const int rows = std::min(m_list->count(), 15);
    const int width = std::max(this->width(), fontMetrics().averageCharWidth() * 90);
    m_list->setGeometry(std::max(0, std::min(below.x(), window()->width() - width)), below.y(), width,
                        m_list->sizeHintForRow(0) * rows + 2 * m_list->frameWidth());
    m_list->raise();
    m_list->show();
}

void QuickSearchBox::open(int row)
{
    if (row < 0 || row >= m_hits.size())
        return;
    const QuickSearch::Hit hit = m_hits.at(row);
    m_list->hide();
    clear();
    m_hits.clear();
    if (hit.kind == QuickSearch::Hit::Kind::Booking)
        emit bookingChosen(hit.id);
    else
        emit customerChosen(hit.id);
}

void QuickSearchBox::keyPressEvent(QKeyEvent* event)
{
    const bool shown = m_list && m_list->isVisible();
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (shown && !m_hits.isEmpty()) {
            const int step = event->key() == Qt::Key_Down ? 1 : -1;
            const int row = std::clamp(m_list->currentRow() + step, 0, static_cast<int>(m_hits.size()) - 1);
            m_list->setCurrentRow(row);
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_hits.isEmpty()) {
            open(shown ? std::max(0, m_list->currentRow()) : 0);
            return;
        }
        break;
    case Qt::Key_Escape:
        if (shown) {
            m_list->hide();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void QuickSearchBox::focusOutEvent(QFocusEvent* event)
{
    // A click in the list takes no focus, so leaving the box for anything else closes it.
    if (m_list && event->reason() != Qt::PopupFocusReason)
        m_list->hide();
    QLineEdit::focusOutEvent(event);
}
