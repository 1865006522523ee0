#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// A berth holder's share of what visitors pay for the nights the holder is away. Each visitor's ledger line on a
/// booking that stays on a contract's berth while its holder is away brings the holder's credit on the contract to
/// the share of the hire that the booking's amount paid now covers: a payment adds to it, a refund takes its part
/// back. The credit is a line on the contract's ledger (Kind Credit, BookingID 0), tied to the visitor's line in
/// AwayCredit, written in the visitor's line's transaction.
namespace HolderCredits {

/// The share when the company has chosen none, and the most it may be.
inline constexpr int DefaultShare = 50;
inline constexpr int MostShare = 100;

/// The company's share in per cent (Company.AwayShare); the default without company details.
Result<int> share(const QSqlDatabase& db);
/// Stores the share; Refused outside 0 to MostShare or without company details.
Status setShare(const QSqlDatabase& db, int percent);

/// What the holder has earned of a visitor's hire: hire × awayNights / nights (the booking's nights on all its
/// berths, and those of them on the holder's berth while away) × percent / 100, rounded once to the penny, then the
/// part of it that paid covers of total (paid held between nothing and total), rounded once again.
Money earned(Money hire, int awayNights, int nights, int percent, Money paid, Money total);

/// Inside the caller's transaction, after the visitor's line paymentId on bookingId is added and the booking's
/// amount paid brought up to date: credits each holder away from the booking's berths what earned() now gives less
/// what the booking has already credited them, dated when and by desk. Nothing happens on a booking on no away berth.
Status follow(const QSqlDatabase& db, int bookingId, qint64 paymentId, const QDateTime& when, const QString& desk);

/// One credit earned by a holder.
struct Row
{
    QDateTime at;
    int contractId = 0;
    QString holder;
    int bookingId = 0;
    QString visitor;
    Money amount; // negative where a refund took it back
};
/// The credits dated from first to last day, oldest first.
Result<QList<Row>> list(const QSqlDatabase& db, const QDate& first, const QDate& last);

} // namespace HolderCredits
