#include "berths/DayList.h"

#include "bookings/BookingReads.h"
#include "core/DateTimes.h"

#include <algorithm>

#include <QCoreApplication>

namespace DayList {

namespace {
// The bounds are worked out once for the whole list: a wall-clock time costs a time-zone look-up each.
QString timeWithin(const QDateTime& when, const QDateTime& start, const QDateTime& end, const QString& outside)
{
    if (!when.isValid() || when < start || when > end)
        return outside;
    return when.toString(QStringLiteral(" hh:mm"));
}
QString notWithin()
{
    return QCoreApplication::translate("DayList", "n/a");
}
} // namespace

Result<QList<DayBooking>> read(const QSqlDatabase& db, const QDate& day, int firstId, int lastId)
{
    const auto entries = BookingReads::bookingsOfDay(db, day, firstId, lastId);
    if (!entries)
        return entries.failure();
    const QDateTime start = DateTimes::wallTime(day);
    const QDateTime end = start.addDays(1);
    const QString outside = notWithin();
    QList<DayBooking> bookings;
    bookings.reserve(entries->size());
    for (const BookingReads::DayEntry& e : *entries)
        bookings.append({e.id, e.customerId, e.name, e.houseName, e.berths.join(QStringLiteral(", ")),
                         timeWithin(e.fromDate, start, end, outside), timeWithin(e.toDate, start, end, outside),
                         e.fromDate, e.toDate, e.balance});
    return bookings;
}

QString timeText(const QDateTime& when, const QDate& day)
{
    const QDateTime start = DateTimes::wallTime(day);
    return timeWithin(when, start, start.addDays(1), notWithin());
}

QString cancelledDetails(const DayBooking& booking)
{
    const QString format = QStringLiteral("dd.MM.yyyy hh:mm");
    return QStringLiteral("From: ") + booking.fromDate.toString(format) + QStringLiteral(" to ") +
           booking.toDate.toString(format) + QStringLiteral(", Customer: ") + booking.name + QStringLiteral(", ") +
           booking.houseName;
}

} // namespace DayList

QString DayListModel::noneText()
{
    return tr("No reservations exist for this date");
}

Status DayListModel::load(const QSqlDatabase& db, const QDate& day)
{
    beginResetModel();
    m_bookings.clear();
    m_connection = db.connectionName();
    m_day = day;
    m_next = 0;
    auto ids = BookingReads::bookingIdsOfDay(db, day);
    m_ids = ids ? std::move(*ids) : std::vector<int>();
    Status loaded = ids ? Status(Done{}) : Status(ids.failure());
    // The first rows at once; more when every booking of a block has gone since the IDs were read.
    while (loaded && m_bookings.isEmpty() && m_next < m_ids.size()) {
        auto block = readBlock();
        if (block)
            m_bookings = std::move(*block);
        else
            loaded = block.failure();
    }
    if (!loaded) {
        m_bookings.clear();
        m_ids.clear();
        m_next = 0;
    }
    endResetModel();
    return loaded;
}

Result<QList<DayBooking>> DayListModel::readBlock()
{
    const size_t end = std::min(m_ids.size(), m_next + size_t(BlockRows));
    // Bounded at both ends: an open range would have a server walk its whole key index.
    const int firstId = m_next == 0 ? m_ids.front() : m_ids[m_next - 1] + 1;
    const int lastId = m_ids[end - 1];
    auto block = DayList::read(QSqlDatabase::database(m_connection, false), m_day, firstId, lastId);
    if (block)
        m_next = end;
    return block;
}

bool DayListModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_bookings.isEmpty() && m_next < m_ids.size();
}

void DayListModel::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    const auto block = readBlock();
    if (!block) {
        m_next = m_ids.size();
        emit readFailed(block.error());
        return;
    }
    if (block->isEmpty())
        return;
    beginInsertRows({}, int(m_bookings.size()), int(m_bookings.size() + block->size()) - 1);
    m_bookings.append(*block);
    endInsertRows();
}

const DayBooking* DayListModel::booking(int row) const
{
    return row >= 0 && row < m_bookings.size() ? &m_bookings[row] : nullptr;
}

int DayListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : qMax<int>(1, int(m_bookings.size()));
}

int DayListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DayListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= ColArrival ? QVariant::fromValue(Qt::Alignment(Qt::AlignCenter)) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    const DayBooking* b = booking(index.row());
    if (!b)
        return index.column() == ColName ? noneText() : QString();
    switch (index.column()) {
    case ColName:
        return b->name;
    case ColBerths:
        return b->berths;
    case ColArrival:
        return b->arrival;
    case ColDeparture:
        return b->departure;
    case ColBalance:
        return b->balance > Money() ? b->balance.format() : tr("Paid");
    default:
        return {};
    }
}

QVariant DayListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const Captions[] = {QT_TR_NOOP("Name"), QT_TR_NOOP("Berth(s)"), QT_TR_NOOP("Arrival"),
                                           QT_TR_NOOP("Departure"), QT_TR_NOOP("Balance")};
    return section >= 0 && section < ColumnCount ? tr(Captions[section]) : QVariant();
}
