#include "bookings/BerthGridModel.h"

#include "bookings/BoatFitting.h"
#include "core/DateTimes.h"

#include <QGuiApplication>
#include <QPalette>

void BerthGridModel::setBerths(const QList<AvailableBerth>& berths)
{
    beginResetModel();
    m_berths = berths;
    m_marked = QList<bool>(berths.size(), false);
    m_selectedCount = 0;
    endResetModel();
}

void BerthGridModel::setAway(const QList<HeldBerths::AwayBerth>& away)
{
    m_away.clear();
    for (const HeldBerths::AwayBerth& a : away)
        m_away.insert(a.berthId, a);
    if (!m_berths.isEmpty())
        emit dataChanged(index(0, ColName), index(int(m_berths.size()) - 1, ColName));
}

void BerthGridModel::markBerthRow(int row, bool marked)
{
    if (row < 0 || row >= m_marked.size() || m_marked[row] == marked)
        return;
    m_marked[row] = marked;
    m_selectedCount += marked ? 1 : -1;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
}

bool BerthGridModel::isMarked(int row) const
{
    return row >= 0 && row < m_marked.size() && m_marked[row];
}

void BerthGridModel::toggle(int row)
{
    markBerthRow(row, !isMarked(row));
}

void BerthGridModel::markBerths(const QList<int>& ids)
{
    for (int row = 0; row < m_berths.size(); ++row) {
        if (ids.contains(m_berths[row].id))
            markBerthRow(row, true);
    }
}

QList<AvailableBerth> BerthGridModel::marked() const
{
    QList<AvailableBerth> marked;
    for (int row = 0; row < m_berths.size(); ++row) {
        if (m_marked[row])
            marked.append(m_berths[row]);
    }
    return marked;
}

int BerthGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_berths.size());
}

int BerthGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BerthGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_berths.size())
        return {};
    const AvailableBerth& berth = m_berths[index.row()];
    const bool visibleColumn =
        (index.column() >= ColName && index.column() <= ColHasPower) || index.column() == ColFits;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColID:
            return berth.id;
        case ColName:
            if (const auto away = m_away.constFind(berth.id); away != m_away.cend())
                return tr("%1 (holder's, back %2)").arg(berth.name, DateTimes::dateText(away->returnDay));
            return berth.name;
        case ColLength:
            return berth.length ? QString::number(*berth.length) : QString(); // none recorded: no "0"
        case ColWidth:
            return berth.width ? QString::number(*berth.width) : QString();
        case ColHasPower:
            return berth.hasPower ? tr("Yes") : tr("No");
        case ColDailyHireCharge:
            return berth.dailyHireCharge ? berth.dailyHireCharge->format() : QString();
        case ColFits:
            return BoatFitting::fitText(m_boat, berth);
        default:
            return {};
        }
    case Qt::ToolTipRole:
        if (const auto away = m_away.constFind(berth.id); away != m_away.cend())
            return tr("A holder's berth: %1 is away from %2 and back on %3; a stay here must leave by noon that day.")
                .arg(away->holder, DateTimes::dateText(away->firstDay), DateTimes::dateText(away->returnDay));
        return {};
    case Qt::TextAlignmentRole:
        return visibleColumn ? QVariant(Qt::AlignCenter) : QVariant();
    case Qt::BackgroundRole:
        if (visibleColumn && m_marked[index.row()])
            return QGuiApplication::palette().brush(QPalette::Highlight);
        return {};
    case Qt::ForegroundRole:
        if (visibleColumn && m_marked[index.row()])
            return QGuiApplication::palette().brush(QPalette::HighlightedText);
        return {};
    default:
        return {};
    }
}

void BerthGridModel::setBoat(const std::optional<BoatRecord>& boat)
{
    m_boat = boat;
    if (!m_berths.isEmpty())
        emit dataChanged(index(0, ColFits), index(int(m_berths.size()) - 1, ColFits), {Qt::DisplayRole});
}

QVariant BerthGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole)
        return {};
    static const char* const names[] = {QT_TR_NOOP("ID"),    QT_TR_NOOP("Name"),     QT_TR_NOOP("Length"),
                                        QT_TR_NOOP("Width"), QT_TR_NOOP("HasPower"), QT_TR_NOOP("DailyHireCharge"),
                                        QT_TR_NOOP("Fits")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}
