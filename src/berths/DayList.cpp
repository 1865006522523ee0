#include "berths/DayList.h"

#include "bookings/PeriodIndex.h"
#include "core/DateTimes.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>

namespace DayList {

std::optional<QList<DayBooking>> read(const QSqlDatabase& db, const QDate& day, QString* error)
{
    const QDateTime start = DateTimes::wallTime(day);
    const QDateTime end = DateTimes::wallTime(day.addDays(1));
    // The index finds the bookings of the day; only those rows are read, with their berths in saved order.
    const auto touching = PeriodIndex::touching(db, start, true, end, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString sql =
        QStringLiteral("SELECT B.ID, B.CustomerID, C.Name, C.HouseName, B.FromDate, B.ToDate, BE.ID, BE.Name "
                       "FROM (SELECT DISTINCT %1 AS BookingID FROM BookingPeriod P WHERE %2) D "
                       "JOIN Booking B ON B.ID = D.BookingID "
                       "LEFT JOIN Customer C ON C.ID = B.CustomerID "
                       "LEFT JOIN BookingBerth BB ON BB.BookingID = B.ID "
                       "LEFT JOIN Berth BE ON BE.ID = BB.BerthID "
                       "ORDER BY B.ID, %3")
            .arg(PeriodIndex::bookingIdSql(), touching.sql, Dialect::of(db).insertOrder(QStringLiteral("BB")));
    if (!Sql::exec(q, sql, touching.binds, error))
        return std::nullopt;
    QList<DayBooking> bookings;
    QStringList names;
    auto finish = [&] {
        if (!bookings.isEmpty())
            bookings.last().berths = names.join(QStringLiteral(", "));
        names.clear();
    };
    while (q.next()) {
        const int id = q.value(0).toInt();
        if (bookings.isEmpty() || bookings.last().id != id) {
            finish();
            DayBooking b;
            b.id = id;
            b.customerId = q.value(1).toInt();
            b.name = q.value(2).toString();
            b.houseName = q.value(3).toString();
            b.fromDate = DateTimes::readDateTime(q.value(4));
            b.toDate = DateTimes::readDateTime(q.value(5));
            b.arrival = timeText(b.fromDate, day);
            b.departure = timeText(b.toDate, day);
            bookings.append(b);
        }
        if (!q.value(6).isNull()) // a berth row whose berth is gone names nothing
            names << q.value(7).toString();
    }
    finish();
    return bookings;
}

QString timeText(const QDateTime& when, const QDate& day)
{
    const QDateTime start = DateTimes::wallTime(day);
    if (!when.isValid() || when < start || when > start.addDays(1))
        return QStringLiteral("n/a");
    return when.toString(QStringLiteral(" hh:mm"));
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
    return QStringLiteral("No reservations exist for this date");
}

void DayListModel::setBookings(const QList<DayBooking>& bookings)
{
    beginResetModel();
    m_bookings = bookings;
    endResetModel();
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
    default:
        return {};
    }
}

QVariant DayListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const Captions[] = {"Name", "Berth(s)", "Arrival", "Departure"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(Captions[section]) : QVariant();
}
