#pragma once

#include "bookings/BookingRecord.h"
#include "bookings/HeldBerths.h"
#include "people/Boats.h"

#include <QAbstractTableModel>
#include <QHash>

/// The berth grid of the booking wizard: the free berths with their marks. A marked row shows the system's
/// highlight colours in its visible cells.
class BerthGridModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        ColID,
        ColName,
        ColLength,
        ColWidth,
        ColHasPower,
        ColDailyHireCharge,
        ColFits, // whether the booking's boat fits; empty without a boat
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    /// Replaces the rows; every mark is cleared.
    void setBerths(const QList<AvailableBerth>& berths);
    const QList<AvailableBerth>& berths() const { return m_berths; }

    void markBerthRow(int row, bool marked);
    bool isMarked(int row) const;
    /// Toggles a row's mark (a click on it).
    void toggle(int row);
    /// Marks every row whose berth is in ids.
    void markBerths(const QList<int>& ids);
    int selectedCount() const { return m_selectedCount; }
    /// The boat the fit column is about (nothing: no boat, the column is empty).
    void setBoat(const std::optional<BoatRecord>& boat);
    /// The holders' berths free while they are away: each names its holder and the day back beside its name.
    void setAway(const QList<HeldBerths::AwayBerth>& away);
    /// The marked berths in grid order.
    QList<AvailableBerth> marked() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<AvailableBerth> m_berths;
    QList<bool> m_marked;
    int m_selectedCount = 0;
    std::optional<BoatRecord> m_boat;
    QHash<int, HeldBerths::AwayBerth> m_away;
};
