#pragma once

#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

/// The berths a contract holds for its term. Each is a berth block marked with its contract (BerthBlock.ContractID),
/// so it holds the berth in the period index as any block does: availability, the wizard, the waiting list's offers,
/// the calendars and the chart see it taken, and a server refuses a booking over it at commit. Only the contract
/// changes or removes it. Every function runs inside the caller's write transaction.
namespace HeldBerths {

/// A contract holds its berths from noon of its first day to noon of the day after its last, so a visitor may leave
/// on the morning it starts and arrive on the afternoon after it ends.
QDateTime heldFrom(const QDate& firstDay);
QDateTime heldTo(const QDate& lastDay);

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

/// Holds berthId over [from, to) for contractId, the block showing reason (the holder's name). Returns the block.
Result<int> hold(const QSqlDatabase& db, int contractId, int berthId, const QDateTime& from, const QDateTime& to,
                 const QString& reason);
/// Frees every berth contractId holds.
Status release(const QSqlDatabase& db, int contractId);

} // namespace HeldBerths
