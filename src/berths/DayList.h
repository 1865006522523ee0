#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QSqlDatabase>
#include <limits>
#include <vector>

/// One booking as the simple calendar lists it for a day.
struct DayBooking
{
    int id = 0;
    int customerId = 0;
    QString name;      // the customer's
    QString houseName; // the customer's
    QString berths;    // the berth names joined by ", "
    QString arrival;   // " hh:mm" on the arrival day, else "n/a"
    QString departure; // the same for the departure
    QDateTime fromDate;
    QDateTime toDate;
    Money balance; // what is still owed; negative: in credit
};

/// The bookings that touch a day, as BookingReads finds them, with the texts the day list shows.
namespace DayList {

/// The bookings that start before the end of day and end at or after its start (so one that ends at midnight at
/// the start of day is listed), by booking ID; each with its berth names in the order they were saved. Only those
/// with IDs from firstId to lastId.
Result<QList<DayBooking>> read(const QSqlDatabase& db, const QDate& day, int firstId = 0,
                               int lastId = std::numeric_limits<int>::max());

/// " hh:mm" when when falls within day (its midnight at either end included), else "n/a".
QString timeText(const QDateTime& when, const QDate& day);

/// The details of the "Booking cancelled" event written from the calendar:
/// "From: dd.MM.yyyy hh:mm to dd.MM.yyyy hh:mm, Customer: Name, HouseName".
QString cancelledDetails(const DayBooking& booking);

} // namespace DayList

/// The simple calendar's day list: Name, Berth(s), Arrival, Departure. A day without bookings shows one row,
/// "No reservations exist for this date", which stands for no booking.
class DayListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        ColName,
        ColBerths,
        ColArrival,
        ColDeparture,
        ColBalance,
        ColumnCount
    };
    /// The caption of the row of an empty day.
    static QString noneText();

    using QAbstractTableModel::QAbstractTableModel;

    /// Lists day: the bookings' IDs at once, from the index alone, and their rows a block at a time as the view
    /// reaches them (a busy day of a large harbour has thousands). After a failure the list is empty.
    Status load(const QSqlDatabase& db, const QDate& day);
    /// The booking of a row; nothing for the row of an empty day or a row that does not exist.
    const DayBooking* booking(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent = {}) const override;
    void fetchMore(const QModelIndex& parent = {}) override;

    /// How many rows a block holds: a screen's worth several times over.
    static constexpr int BlockRows = 100;

signals:
    /// A block the view asked for could not be read; the list ends before it.
    void readFailed(const QString& error);

private:
    /// The rows of the next block of IDs: each block takes the IDs after the last one's, up to its own last, so a
    /// booking another desk made meanwhile among the IDs read comes in the block its ID falls in, once; one above
    /// them all comes when the list is read again.
    Result<QList<DayBooking>> readBlock();

    QList<DayBooking> m_bookings;
    QString m_connection;
    QDate m_day;
    std::vector<int> m_ids;
    size_t m_next = 0; // the first of m_ids not read yet
};
