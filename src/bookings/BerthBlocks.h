#pragma once

#include "core/FieldChanges.h"
#include "core/Result.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

/// Berths kept out of use over a period (works, a regatta), with a reason. A block holds its berth in the period
/// index as a booking does, so availability, the wizard, the calendars and every booking's save see it as taken.
/// A block may lie over bookings only when the person confirmed them: those keep their berth, to be moved.
namespace BerthBlocks {

/// The longest reason kept.
constexpr int MaxReasonLength = 200;

struct Block
{
    int id = 0; // 0 for a new block
    int berthId = 0;
    QString berthName; // as read; not saved
    QDateTime from;
    QDateTime to;
    QString reason;
    int contractId = 0; // the contract holding the berth through this block (HeldBerths); 0 for a plain block
    /// The same block, berth, period and reason (the name as read does not count).
    bool sameAs(const Block& other) const;
};

/// A booking holding a block's berth over some of its period.
struct BookingInTheWay
{
    int bookingId = 0;
    QString customer;
    QDateTime from;
    QDateTime to;
};

/// Refused with the reason to show when the block cannot be saved as typed: no berth, a period that does not end
/// after it starts or leaves 2000 to 2199, no reason or one too long.
Status check(const Block& block);

/// The bookings that hold block's berth over its period, in arrival order (block.id's own confirmed ones too).
Result<QList<BookingInTheWay>> bookingsInTheWay(const QSqlDatabase& db, const Block& block);

/// Saves block: a new one when seen is empty, else merged over what is stored with seen, the block as the person
/// loaded it (what only another desk changed meanwhile is kept). The bookings in its way must be those the person
/// confirmed (confirmed) or that this block already lay over; another booking there (another desk's, meanwhile),
/// another block on the berth over the period, a berth that is gone, a block removed meanwhile, or a field both
/// desks changed differently (merge then lists them) refuses it with nothing saved (a Conflict). Returns the
/// block's ID.
Result<int> save(const QSqlDatabase& db, const Block& block, const QList<int>& confirmed,
                 const std::optional<Block>& seen = std::nullopt,
                 std::optional<FieldChanges::Merge<Block>>* merge = nullptr);

/// Removes the block if it is still as seen (a Conflict otherwise, theirs as for save).
Status remove(const QSqlDatabase& db, const Block& seen, std::optional<Block>* theirs = nullptr);

/// The block of id with its berth's name; empty when there is none.
Result<std::optional<Block>> load(const QSqlDatabase& db, int id);
/// The blocks of ids (those that exist), by ID.
Result<QHash<int, Block>> read(const QSqlDatabase& db, const std::vector<int>& ids);

/// The merge of the block as loaded, as stored now, and as the person has it, field by field.
FieldChanges::Merge<Block> merged(const Block& loaded, const Block& theirs, const Block& mine);

/// Those of berthIds a block holds over some of [from, to), a block confirmed over bookingId aside: what a booking's
/// save found taken, told apart from another booking.
Result<QSet<int>> blockedOver(const QSqlDatabase& db, const QList<int>& berthIds, const QDateTime& from,
                              const QDateTime& to, int bookingId);

/// Why a contract's block is not changed or removed as a block is.
QString heldText();

/// One line for the event log and the chart's tooltip: "P2 blocked from … to …: reason".
QString describe(const Block& block);

} // namespace BerthBlocks
