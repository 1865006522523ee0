#pragma once

#include "core/FieldChanges.h"
#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <optional>

enum class WaitingStatus
{
    Waiting,
    Offered,
    Booked,
    Withdrawn
};

/// Someone waiting for a berth: the period wanted (no last date: from the first, any length of stay), what it
/// must take, and where the entry stands. Added is the program's own time of the entry, never typed.
struct WaitingEntry
{
    int id = 0;
    int customerId = 0;
    std::optional<int> boatId;
    QDate from;
    QDate to;
    std::optional<int> berthTypeId;
    std::optional<int> minLengthCm;
    QString notes;
    QDateTime added;
    WaitingStatus status = WaitingStatus::Waiting;
    QDate offeredOn;
    bool operator==(const WaitingEntry&) const = default;
};

/// An entry as the list shows it: its place among those still waiting or offered (by time added), and names.
struct WaitingLine
{
    WaitingEntry entry;
    int position = 0; // 0: booked or withdrawn
    QString customer;
    QString boat;
    QString berthType;
};

/// A waiting entry that a berth now free can take, with the berths that fit it for its whole period.
struct WaitingOffer
{
    WaitingLine line;
    QList<int> berthIds;
    QStringList berthNames;
};

/// The WaitingEntry table: the waiting list kept fairly, and who can take a berth that came free.
namespace WaitingList {

/// "Waiting", "Offered", "Booked", "Withdrawn".
QStringList statusNames();
/// A period that ends before it starts or starts before today, a minimum length not above 0 or over 200 m.
Status check(const WaitingEntry& entry, const QDate& today);

/// Adds the entry, waiting, stamped with now. The ID it was given.
Result<int> add(const QSqlDatabase& db, const WaitingEntry& entry, const QDateTime& now);
/// Saves what edited changes (not the time added), merged inside the transaction with what another desk stored since
/// loaded; an offer records today. A Conflict, with nothing saved, when both changed a field differently (merge then
/// lists them) or the entry was removed (merge stays empty); Refused when the merged period does not hold.
Status modify(const QSqlDatabase& db, const WaitingEntry& loaded, const WaitingEntry& edited, const QDate& today,
              std::optional<FieldChanges::Merge<WaitingEntry>>* merge = nullptr);
/// The merge of loaded, theirs and mine, the customer, boat and berth type shown by name.
FieldChanges::Merge<WaitingEntry> merged(const QSqlDatabase& db, const WaitingEntry& loaded, const WaitingEntry& theirs,
                                         const WaitingEntry& mine);

/// The list by time added, filtered by status and berth type when given.
Result<QList<WaitingLine>> lines(const QSqlDatabase& db, std::optional<WaitingStatus> status = std::nullopt,
                                 std::optional<int> berthTypeId = std::nullopt);

/// After a booking on freed berths over [from, to) went or shrank: the waiting entries whose period meets it and
/// that one of those berths now fits (type, size, the boat's measures) and has free for their whole period, in
/// the order of the list.
Result<QList<WaitingOffer>> afterRelease(const QSqlDatabase& db, const QList<int>& freedBerths, const QDateTime& from,
                                         const QDateTime& to);

} // namespace WaitingList
