#pragma once

#include "bookings/BookingReads.h"
#include "core/Result.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QSqlDatabase>
#include <deque>
#include <optional>
#include <vector>

/// The advanced calendar's occupancy grid: one column per berth, one row per time slot, each cell booked (with
/// the customer's name), available or inactive. The cells of the whole window come from one query on the period
/// index and are painted from memory; a scroll by one slot reads only the new slot and moves the other rows.
/// A booked cell's name and dates are read when the cell is first shown, together with those of the cells a screen
/// shows beside it (one statement for a screen's names), and kept until the next fill.
class OccupancyModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class CellState
    {
        Booked = 0,
        Available = 1,
        Inactive = 2
    };
    enum class View
    {
        Daily = 0,
        HalfHourly = 1
    };
    /// data() under this role gives the cell's CellState as an int.
    static constexpr int StateRole = Qt::UserRole;

    explicit OccupancyModel(QObject* parent = nullptr);

    /// The look of a state: the legend box's colour and picture (none by default).
    void setLook(CellState state, const QColor& colour, const QPixmap& picture = {});

    View currentView() const { return m_view; }
    /// The slot of the first row.
    QDateTime start() const { return m_start; }
    /// The start and end of a row's slot (half an hour or a day).
    QDateTime slot(int row) const;
    QDateTime slotEnd(int row) const;
    CellState state(int row, int column) const;
    /// A booked cell's customer name (the cell shows what its width holds); empty for any other cell.
    QString text(int row, int column) const;
    /// A booked cell's full customer name over the booking's arrival and departure; empty for any other cell.
    QString toolTip(int row, int column) const;
    /// How many queries for slots the model has run, so a check can see what one step costs.
    int queries() const { return m_queries; }
    /// The period (index minutes) the last bookings query asked for.
    std::pair<qint64, qint64> lastQueryMinutes() const { return m_lastQuery; }

    // Each of these reads the database and fills the rows again; a Database failure when a statement fails,
    // leaving the grid as it was.

    /// Re-reads the berths (the columns) and fills every row from start; the first row keeps its slot.
    Status refresh(const QSqlDatabase& db);
    /// Sets the number of slot rows and fills them from start.
    Status setSlotRows(const QSqlDatabase& db, int rows);
    /// Half-hourly: start moves to 08:00 of its day. Daily: start stays.
    Status setView(const QSqlDatabase& db, View view);
    /// start becomes day at 08:00, in either view.
    Status setStartDay(const QSqlDatabase& db, const QDate& day);

    /// One slot earlier (direction -1) or later (+1): the rows move by one, the row that leaves is dropped and only
    /// the new slot is read. Refused (without a text), nothing changed, when the half-hourly view would leave the
    /// working day (08:00 to 20:00) or there is nothing to move; a Database failure when a statement fails.
    Status scroll(const QSqlDatabase& db, int direction);

    /// The booking a double-click on a booked cell opens: the first booking (lowest ID) of a berth of the
    /// column's name whose period touches the slot, its edges included. Nothing for a cell that is not booked.
    Result<std::optional<int>> bookingToOpen(const QSqlDatabase& db, int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Column
    {
        QString name;
        bool active = true; // of the first berth of that name
    };
    struct Row
    {
        QDateTime slot;
        qint64 startMinute = 0; // the slot in index minutes
        qint64 endMinute = 0;
        std::vector<qint32> bookings; // per column: the booking shown, 0 when none
    };
    using Entry = BookingReads::Occupation;

    Row makeRow(const QDateTime& slot) const;
    std::vector<QDateTime> slotStarts(int count) const;
    /// Reads the entries overlapping [from, to), sorted by booking.
    Result<std::vector<Entry>> read(const QSqlDatabase& db, qint64 fromMinute, qint64 toMinute);
    /// Who holds a booked cell; on a name not yet read, reads it with every unread name of the next columns.
    BookingReads::CellHolder holder(int row, int column) const;
    /// Marks the cells of rows (ascending, not overlapping) that entries occupy; the first booking keeps a cell.
    void paint(std::deque<Row>& rows, const std::vector<Entry>& entries) const;
    Status fill(const QSqlDatabase& db);

    View m_view = View::HalfHourly;
    QDateTime m_start;
    int m_slotRows = 0;
    std::vector<Column> m_columns;
    QHash<int, std::vector<int>> m_berthColumns;            // berth ID -> every column showing that name
    QString m_connection;                                   // where the names are read
    mutable QHash<int, BookingReads::CellHolder> m_holders; // booking ID -> its customer and dates, as shown
    std::deque<Row> m_rows;
    QColor m_colours[3];
    QPixmap m_pictures[3];
    int m_queries = 0;
    std::pair<qint64, qint64> m_lastQuery{0, 0};
};
