#pragma once

#include "bookings/BookingDocuments.h"
#include "contracts/ContractStore.h"

#include <QDate>
#include <QList>
#include <optional>

/// Contracts coming to their end: the list of those due for renewal with next term's price, the renewal of the
/// chosen ones (each a new contract with its plan and its letter kept as a PDF, all in one transaction), and the
/// contracts that ended unrenewed, whose berths go back to the waiting list once.
namespace ContractRenewals {

/// One contract ending in the period asked about, with what its renewal would be.
struct Due
{
    int contractId = 0;
    int customerId = 0;
    BookingDocuments::Customer holder;
    std::optional<int> boatId;
    QString boat;
    std::optional<qint64> termId;
    QString term;
    QList<int> berthIds;
    QStringList berths;
    QDate firstDay;
    QDate lastDay;
    Money hire; // this term's price before tax
    Money balance;
    int instalments = 1; // the renewal is paid in as many
    QDate nextFirst;
    QDate nextLast;
    std::optional<Money> nextHire; // next term's price from its rates; nothing when no rate prices it
    QString noRate;                // then why, to show
    Money price;                   // what the renewal is made at: nextHire, or what the clerk typed
};

/// The days a renewal runs: the next stretch of the contract's term from the day after it ends; without a term,
/// as many days again, from the day after.
std::pair<QDate, QDate> nextDays(const std::optional<TermPricing::Term>& term, const QDate& firstDay,
                                 const QDate& lastDay);

/// Every contract in force and not renewed that ends from first to last, by last day: this term's price, next
/// term's from the rates (or why there is none), the holder, boat and balance. price starts as next term's (zero
/// without one).
Result<QList<Due>> due(const QSqlDatabase& db, const QDate& first, const QDate& last);

/// What one renewal made.
struct Renewed
{
    int from = 0; // the contract renewed
    int to = 0;   // the new contract
    Money total;
};

/// Renews every contract of chosen at its price, the plan in as many instalments as before, each with its renewal
/// letter (a PDF kept with the new contract), all in one transaction: nothing is renewed when one cannot be. Refused
/// (before anything is written) for a price below zero, beyond the rate ceiling or not in whole pence, naming the
/// contract; a Conflict when another desk renewed, cancelled or changed one meanwhile; a berth taken over the new days
/// refuses the whole renewal naming it.
Result<QList<Renewed>> renew(const QSqlDatabase& db, const QList<Due>& chosen, const QDateTime& now);

/// A contract that ended before today unrenewed: the berths it held, free from the day after its last.
struct Lapsed
{
    int contractId = 0;
    QList<int> berthIds;
    QDate lastDay;
};
/// Marks every contract in force that ended before today without a renewal as lapsed, once, and returns them, so
/// their berths are offered to the waiting list.
Result<QList<Lapsed>> lapse(const QSqlDatabase& db, const QDate& today);

} // namespace ContractRenewals
