#pragma once

#include "core/Result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <memory>
#include <optional>

class BulkInsert;

/// The berths a contract holds for its term. Each is a berth block marked with its contract (BerthBlock.ContractID),
/// so it holds the berth in the period index as any block does: availability, the wizard, the waiting list's offers,
/// the calendars and the chart see it taken, and a server refuses a booking over it at commit. Only the contract
/// changes or removes it. Every function runs inside the caller's write transaction.
namespace HeldBerths {

/// A contract holds its berths from noon of its first day to noon of the day after its last, so a visitor may leave
/// on the morning it starts and arrive on the afternoon after it ends.
QDateTime heldFrom(const QDate& firstDay);
QDateTime heldTo(const QDate& lastDay);

/// A stretch a contract holds its berths over.
struct Span
{
    QDateTime from;
    QDateTime to;
    bool operator==(const Span&) const = default;
};
/// A holder's absence: away from the first day, back on the return day.
struct Away
{
    QDate firstDay;
    QDate returnDay;
};
/// What a contract from firstDay to lastDay holds with its holder away: the term less each absence, cut from noon of
/// its first day to noon of the day back (so a visitor may arrive that afternoon and must leave by the return day's
/// noon), in order. Absences are expected inside the term and apart.
QList<Span> heldSpans(const QDate& firstDay, const QDate& lastDay, QList<Away> away);

/// What already holds a berth over part of a period: a booking, a block or another contract.
struct InTheWay
{
    enum class Kind
    {
        Booking,
        Block,
        Contract
    };
    Kind kind = Kind::Booking;
    int id = 0;   // the booking's, the block's or the contract's
    QString what; // the booking's customer, the block's reason
    QDateTime from;
    QDateTime to;
};
/// The first thing holding berthId over [from, to), the blocks of exceptContract aside; nothing when it is free.
Result<std::optional<InTheWay>> inTheWay(const QSqlDatabase& db, int berthId, const QDateTime& from,
                                         const QDateTime& to, int exceptContract);

/// A stretch a contract holds on an active berth, with the berth's type (0 without one).
struct HeldStretch
{
    int berthId = 0;
    int typeId = 0;
    QDateTime from;
    QDateTime to;
};
/// Every stretch contracts hold on active berths that meets [from, to): the contracts' sold nights in the figures.
Result<QList<HeldStretch>> heldOn(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to);

/// A holder's berth free to let while they are away: from noon of the first day away to noon of the day back.
struct AwayBerth
{
    int berthId = 0;
    int contractId = 0;
    QString holder;
    QDate firstDay;
    QDate returnDay;
    QDateTime from() const { return heldFrom(firstDay); }
    QDateTime to() const { return heldFrom(returnDay); }
};
/// Every berth of a contract in force whose holder is away over part of [from, to), by berth and first day.
Result<QList<AwayBerth>> awayOver(const QSqlDatabase& db, const QDateTime& from, const QDateTime& to);

/// Holds berthId over [from, to) for contractId, the block showing reason (the holder's name). Returns the block.
Result<int> hold(const QSqlDatabase& db, int contractId, int berthId, const QDateTime& from, const QDateTime& to,
                 const QString& reason);
/// Holds for a run of many contracts (a renewal): each block's ID given at once, the rows written a few hundred a
/// statement inside the caller's transaction, after parent's rows (the contracts') are written.
class BulkHolds final
{
public:
    BulkHolds(const QSqlDatabase& db, BulkInsert* parent);
    ~BulkHolds();
    BulkHolds(const BulkHolds&) = delete;
    BulkHolds& operator=(const BulkHolds&) = delete;
    /// As hold(), written with the holds after it; returns the block's ID.
    Result<int> hold(int contractId, int berthId, const QDateTime& from, const QDateTime& to, const QString& reason);
    /// Writes the holds still held.
    Status flush();

private:
    std::unique_ptr<BulkInsert> m_rows;
};

/// Frees every berth contractId holds.
Status release(const QSqlDatabase& db, int contractId);

} // namespace HeldBerths
