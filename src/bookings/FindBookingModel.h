#pragma once

#include "core/Result.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <optional>

/// The bookings that have a customer, with the customer's name, over one query: the grid fetches rows as they
/// are shown, so even a long history opens at once.
class FindBookingModel final : public QSqlQueryModel
{
    Q_OBJECT
public:
    enum Column
    {
        ColName,
        ColFromDate,
        ColToDate,
        ColId,
        ColBalance,  // what is still owed, "Paid", or "Cancelled"
        ColCancelled // hidden
    };

    /// Found = arrives on or after arriving and leaves on or before departing; each bound rounded down to the
    /// half hour. A bound left out does not narrow the list.
    struct Bounds
    {
        std::optional<QDateTime> arriving;
        std::optional<QDateTime> departing;
        bool showCancelled = false; // cancelled bookings are left out unless asked for
        /// Words of the customer's name (or town, phone, e-mail), as the customer search finds any part.
        QString name;
        bool isEmpty() const;
    };

    explicit FindBookingModel(QObject* parent = nullptr);

    /// Runs the query for bounds; on failure the list is empty.
    Status load(const QSqlDatabase& db, const Bounds& bounds);
    Status load(const QSqlDatabase& db) { return load(db, Bounds()); }
    /// The number of bookings within bounds, by one count.
    static Result<qint64> count(const QSqlDatabase& db, const Bounds& bounds);

    /// The booking ID of a row, 0 outside the rows fetched.
    int bookingId(int row) const;

    /// Dates shown as the regional short date.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
