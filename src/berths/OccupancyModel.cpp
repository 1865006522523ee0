#include "berths/OccupancyModel.h"

#include "bookings/PeriodIndex.h"
#include "core/Database.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QBrush>
#include <QSqlQuery>
#include <algorithm>

namespace {
// The working day of the half-hourly view, and its step.
const QTime DayStart(8, 0);
const QTime DayEnd(20, 0);
constexpr qint64 HalfHour = 30 * 60;
// How many columns' names one read brings: a maximised window shows 28 berth columns at 1920 pixels.
constexpr int NameColumns = 32;

int stateNumber(OccupancyModel::CellState state)
{
    return static_cast<int>(state);
}
} // namespace

OccupancyModel::OccupancyModel(QObject* parent) : QAbstractTableModel(parent)
{
    m_colours[stateNumber(CellState::Booked)] = QColor(0xFF, 0xFF, 0x00);
    m_colours[stateNumber(CellState::Available)] = QColor(0xFF, 0xFF, 0xFF);
    m_colours[stateNumber(CellState::Inactive)] = QColor(0x00, 0xC0, 0x00);
}

void OccupancyModel::setLook(CellState state, const QColor& colour, const QPixmap& picture)
{
    m_colours[stateNumber(state)] = colour;
    m_pictures[stateNumber(state)] = picture;
    if (!m_rows.empty() && !m_columns.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::DecorationRole});
}

QDateTime OccupancyModel::slot(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[size_t(row)].slot : QDateTime();
}

QDateTime OccupancyModel::slotEnd(int row) const
{
    const QDateTime start = slot(row);
    if (!start.isValid())
        return {};
    return m_view == View::HalfHourly ? start.addSecs(HalfHour) : start.addDays(1);
}

OccupancyModel::CellState OccupancyModel::state(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return CellState::Available;
    const int held = m_rows[size_t(row)].bookings[size_t(column)];
    if (held > 0)
        return CellState::Booked;
    // A blocked berth (a negative holder) shows as one out of use.
    return held == 0 && m_columns[size_t(column)].active ? CellState::Available : CellState::Inactive;
}

QString OccupancyModel::text(int row, int column) const
{
    if (state(row, column) != CellState::Booked)
        return {};
    return holder(row, column).customerName;
}

QString OccupancyModel::toolTip(int row, int column) const
{
    if (state(row, column) != CellState::Booked)
        return {};
    const BookingReads::CellHolder booking = holder(row, column);
    if (!booking.fromDate.isValid())
        return booking.customerName;
    return tr("%1\n%2 to %3")
        .arg(booking.customerName, booking.fromDate.toString(DateTimes::dateTimeFormat()),
             booking.toDate.toString(DateTimes::dateTimeFormat()));
}

BookingReads::CellHolder OccupancyModel::holder(int row, int column) const
{
    const int bookingId = m_rows[size_t(row)].bookings[size_t(column)];
    const auto known = m_holders.constFind(bookingId);
    if (known != m_holders.cend())
        return *known;
    // A view paints a screen from its top-left cell, so the first name it lacks comes with those of the columns
    // to its right in every row: on a server one round trip per screen, not one per booking.
    std::vector<int> wanted;
    const int last = qMin(columnCount(), column + NameColumns);
    for (const Row& r : m_rows)
        for (int c = column; c < last; ++c)
            if (const int id = r.bookings[size_t(c)]; id > 0 && !m_holders.contains(id))
                wanted.push_back(id);
    std::sort(wanted.begin(), wanted.end());
    wanted.erase(std::unique(wanted.begin(), wanted.end()), wanted.end());
    const auto read = BookingReads::cellHolders(QSqlDatabase::database(m_connection, false), wanted);
    // A booking without a customer shows no name; one that cannot be read (or is gone) is asked for again next
    // time.
    if (!read)
        return {};
    for (auto it = read->cbegin(); it != read->cend(); ++it)
        m_holders.insert(it.key(), it.value());
    return read->value(bookingId);
}

OccupancyModel::Row OccupancyModel::makeRow(const QDateTime& slot) const
{
    Row row;
    row.slot = slot;
    row.startMinute = PeriodIndex::floorMinute(slot);
    row.endMinute = PeriodIndex::floorMinute(m_view == View::HalfHourly ? slot.addSecs(HalfHour) : slot.addDays(1));
    row.bookings.assign(m_columns.size(), 0);
    return row;
}

std::vector<QDateTime> OccupancyModel::slotStarts(int count) const
{
    std::vector<QDateTime> starts;
    if (!m_start.isValid())
        return starts;
    starts.reserve(size_t(qMax(0, count)));
    if (m_view == View::Daily) {
        const QDateTime day = DateTimes::dateOnly(m_start);
        for (int r = 0; r < count; ++r)
            starts.push_back(day.addDays(r));
        return starts;
    }
    // Half-hourly: 08:00 to 19:30, then on with 08:00 of the next day.
    QDateTime t = m_start;
    for (int r = 0; r < count; ++r) {
        if (DateTimes::roundToHalfHour(t, true).time() >= DayEnd)
            t = DateTimes::wallTime(t.date().addDays(1), DayStart);
        starts.push_back(t);
        t = t.addSecs(HalfHour);
    }
    return starts;
}

Result<std::vector<OccupancyModel::Entry>> OccupancyModel::read(const QSqlDatabase& db, qint64 fromMinute,
                                                                qint64 toMinute)
{
    ++m_queries;
    m_lastQuery = {fromMinute, toMinute};
    m_connection = db.connectionName();
    auto entries = BookingReads::occupancy(db, fromMinute, toMinute);
    if (!entries)
        return entries;
    // The first booking of a berth in ID order is the one a cell shows; a block (negative) comes before them all.
    std::sort(entries->begin(), entries->end(), [](const Entry& a, const Entry& b) {
        return a.bookingId != b.bookingId ? a.bookingId < b.bookingId : a.berthId < b.berthId;
    });
    return entries;
}

void OccupancyModel::paint(std::deque<Row>& rows, const std::vector<Entry>& entries) const
{
    // The rows' slots ascend, so each entry marks one run of rows, found by its ends.
    for (const Entry& e : entries) {
        const auto columns = m_berthColumns.constFind(e.berthId);
        if (columns == m_berthColumns.cend())
            continue;
        // Strict: a booking that ends when a slot starts, or starts when it ends, does not occupy it.
        auto row = std::upper_bound(rows.begin(), rows.end(), e.fromMinute,
                                    [](qint64 minute, const Row& r) { return minute < r.endMinute; });
        for (; row != rows.end() && row->startMinute < e.toMinute; ++row)
            for (const int column : *columns)
                if (row->bookings[size_t(column)] == 0)
                    row->bookings[size_t(column)] = e.bookingId;
    }
}

Status OccupancyModel::fill(const QSqlDatabase& db)
{
    const std::vector<QDateTime> starts = slotStarts(m_slotRows);
    std::deque<Row> rows;
    for (const QDateTime& slot : starts)
        rows.push_back(makeRow(slot));
    if (!rows.empty() && !m_columns.empty()) {
        // One query for the whole window; each entry then marks the rows it overlaps.
        const auto entries = read(db, rows.front().startMinute, rows.back().endMinute);
        if (!entries)
            return entries.failure();
        paint(rows, *entries);
    }
    beginResetModel();
    m_rows = std::move(rows);
    m_holders.clear(); // names and dates are read afresh as the cells are shown
    endResetModel();
    return Done{};
}

Status OccupancyModel::refresh(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT ID, Name, Active FROM Berth ORDER BY ID"), {}, &error))
        return databaseFailure(error);
    std::vector<Column> columns;
    QHash<int, QString> berthNames;
    QHash<QString, int> firstOfName; // name -> the column of the first berth with it
    QHash<QString, std::vector<int>> columnsOfName;
    while (q.next()) {
        const int id = q.value(0).toInt();
        const QString name = q.value(1).toString();
        const int column = int(columns.size());
        // Columns match berths by name: a berth's bookings show in every column of its name, and a column's
        // active flag is that of the first berth of the name.
        const auto first = firstOfName.constFind(name);
        const bool active = first == firstOfName.cend() ? q.value(2).toInt() != 0 : columns[size_t(*first)].active;
        firstOfName.insert(name, first == firstOfName.cend() ? column : *first);
        columns.push_back({name, active});
        berthNames.insert(id, name);
        columnsOfName[name].push_back(column);
    }
    QHash<int, std::vector<int>> berthColumns;
    for (auto it = berthNames.cbegin(); it != berthNames.cend(); ++it)
        berthColumns.insert(it.key(), columnsOfName.value(it.value()));

    std::swap(m_columns, columns);
    std::swap(m_berthColumns, berthColumns);
    Status filled = fill(db);
    if (!filled) {
        std::swap(m_columns, columns);
        std::swap(m_berthColumns, berthColumns);
    }
    return filled;
}

Status OccupancyModel::setSlotRows(const QSqlDatabase& db, int rows)
{
    const int before = m_slotRows;
    m_slotRows = qMax(0, rows);
    Status filled = fill(db);
    if (!filled)
        m_slotRows = before;
    return filled;
}

Status OccupancyModel::setView(const QSqlDatabase& db, View view)
{
    const View viewBefore = m_view;
    const QDateTime startBefore = m_start;
    m_view = view;
    if (view == View::HalfHourly)
        m_start = DateTimes::wallTime(m_start.date(), DayStart);
    Status filled = fill(db);
    if (!filled) {
        m_view = viewBefore;
        m_start = startBefore;
    }
    return filled;
}

Status OccupancyModel::setStartDay(const QSqlDatabase& db, const QDate& day)
{
    const QDateTime before = m_start;
    m_start = DateTimes::wallTime(day, DayStart);
    Status filled = fill(db);
    if (!filled)
        m_start = before;
    return filled;
}

Status OccupancyModel::scroll(const QSqlDatabase& db, int direction)
{
    if (m_rows.empty() || direction == 0)
        return refused(QString());
    const bool earlier = direction < 0;
    QDateTime slot;
    if (m_view == View::HalfHourly) {
        slot = earlier ? m_rows.front().slot.addSecs(-HalfHour) : m_rows.back().slot.addSecs(HalfHour);
        const QTime rounded = DateTimes::roundToHalfHour(slot, true).time();
        if (rounded < DayStart || rounded >= DayEnd)
            return refused(QString()); // the arrows never cross the ends of the working day
    } else {
        slot = earlier ? m_rows.front().slot.addDays(-1) : m_rows.back().slot.addDays(1);
    }
    std::deque<Row> added{makeRow(slot)};
    if (!m_columns.empty()) {
        const auto entries = read(db, added.front().startMinute, added.front().endMinute);
        if (!entries)
            return entries.failure();
        paint(added, *entries);
    }
    Row row = std::move(added.front());

    // The other rows move by one; the row pushed off the far end goes.
    const int last = rowCount() - 1;
    if (earlier) {
        beginRemoveRows({}, last, last);
        m_rows.pop_back();
        endRemoveRows();
        beginInsertRows({}, 0, 0);
        m_rows.push_front(std::move(row));
    } else {
        beginRemoveRows({}, 0, 0);
        m_rows.pop_front();
        endRemoveRows();
        beginInsertRows({}, last, last);
        m_rows.push_back(std::move(row));
    }
    endInsertRows();
    m_start = m_rows.front().slot;
    return Done{};
}

Result<std::optional<int>> OccupancyModel::bookingToOpen(const QSqlDatabase& db, int row, int column) const
{
    if (state(row, column) != CellState::Booked)
        return std::optional<int>();
    const QString name = m_columns[size_t(column)].name;
    // Edges included, unlike the painting rule: a booking ending exactly at the slot's start counts.
    const auto touching = BookingReads::bookedBerthsTouching(db, slot(row), slotEnd(row));
    if (!touching)
        return touching.failure();
    std::optional<int> first;
    for (const auto& [booking, berth] : *touching) {
        const auto columns = m_berthColumns.value(berth);
        const bool named =
            std::any_of(columns.cbegin(), columns.cend(), [&](int c) { return m_columns[size_t(c)].name == name; });
        if (named && (!first || booking < *first))
            first = booking;
    }
    return first;
}

int OccupancyModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int OccupancyModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant OccupancyModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const CellState cell = state(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::ToolTipRole:
        return cell == CellState::Booked ? QVariant(toolTip(index.row(), index.column())) : QVariant();
    case Qt::BackgroundRole:
        return QBrush(m_colours[stateNumber(cell)]);
    case Qt::DecorationRole:
        return m_pictures[stateNumber(cell)].isNull() ? QVariant() : QVariant(m_pictures[stateNumber(cell)]);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case StateRole:
        return stateNumber(cell);
    default:
        return {};
    }
}

QVariant OccupancyModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole && !(role == Qt::ToolTipRole && orientation == Qt::Vertical))
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < columnCount() ? m_columns[size_t(section)].name : QVariant();
    const QDateTime start = slot(section);
    if (!start.isValid())
        return {};
    if (role == Qt::ToolTipRole)
        return start.toString(m_view == View::HalfHourly ? DateTimes::dateTimeFormat() : DateTimes::dateFormat());
    // Half-hourly, the first slot of each day carries the day, so a day's rows are told from the next day's.
    const bool dayStarts = m_view == View::Daily || start.time() == DayStart;
    return start.toString(dayStarts ? DateTimes::dateFormat() : QStringLiteral("hh:mm"));
}
