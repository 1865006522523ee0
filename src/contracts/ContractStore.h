#pragma once

#include "bookings/Ledger.h"
#include "contracts/ContractPlan.h"
#include "core/Money.h"
#include "core/Removal.h"
#include "core/Result.h"
#include "core/SqlHelpers.h"
#include "rates/TermPricing.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

/// A berth (or several) let to a holder for a term: the holder, the boat, the days, the price and its plan.
struct ContractRecord
{
    int id = 0; // 0 for a new contract
    int customerId = 0;
    std::optional<int> boatId;
    std::optional<qint64> termId; // the term it was priced from, if any
    QDate firstDay;
    QDate lastDay;
    QList<int> berthIds;
    Money hire; // the agreed price before tax
    QString notes;
    QList<ContractPlan::Instalment> plan;
    // Read, not saved:
    QString customer;
    QString boat;
    QString term;
    QStringList berths;
    Money tax;
    Money total;
    Money paid;
    bool cancelled = false;
    QString desk;
    QDateTime created;
    int renewedFrom = 0; // the contract this one renews
    Money balance() const { return total - paid; }
};

/// The Contract, ContractBerth and ContractInstalment tables: a contract made, read, listed and cancelled, its
/// instalments invoiced and its payments recorded. A contract holds its berths through HeldBerths.
namespace ContractStore {

/// The longest a contract runs, and the longest notes kept.
inline constexpr int MostDays = 3 * 366;
inline constexpr int MaxNotesLength = 500;

/// Refused, with the reason to show, before anything is read: no holder, no berth or one twice, days missing, ending
/// before it starts, outside 2000 to 2199 or longer than MostDays, a price below zero or beyond the rate ceiling,
/// notes too long.
Status check(const ContractRecord& contract);

/// The tax in force on the first day on hire, and the total, as a contract is charged.
Result<Pricing::Charges> charges(const QSqlDatabase& db, Money hire, const QDate& firstDay);

/// The price the rates propose for berths from first to last day (a boat's length for a per-metre rate).
Result<TermPricing::Quote> propose(const QSqlDatabase& db, const QList<int>& berthIds, const QDate& firstDay,
                                   const QDate& lastDay, std::optional<int> boatLengthCm = std::nullopt);

/// Saves a new contract and holds its berths, all in one transaction that checks again inside it: the holder and
/// each berth still there (a Conflict otherwise), each berth in use, none held over the days by a booking, a block
/// or another contract, and the plan adding up to the total with tax (Refused, naming what is in the way). A server
/// that finds a booking saved meanwhile refuses it at commit (a Conflict). Returns the contract's ID.
Result<int> add(const QSqlDatabase& db, const ContractRecord& contract, const QDateTime& now);

/// add's work inside a write transaction the caller owns (no commit); renewedFrom names the contract it renews.
Result<int> addIn(const QSqlDatabase& db, const ContractRecord& contract, const QDateTime& now, int renewedFrom = 0);

// The parts of a contract's write the edit and the renewal share, each inside the caller's transaction.
/// Each berth still there and in use, none held over the days but by exceptContract: the berths' names.
Result<QStringList> checkBerths(const QSqlDatabase& db, const ContractRecord& contract, int exceptContract);
/// Holds the contract's berths over its days and names them in ContractBerth.
Status placeBerths(const QSqlDatabase& db, int contractId, const ContractRecord& contract, const QString& holder);
/// Writes the plan's instalments (numbered) of the contract.
Status writePlan(const QSqlDatabase& db, int contractId, const QList<ContractPlan::Instalment>& plan);
/// What a failed commit of the contract's write tells: a booking saved over it meanwhile, or the database's error.
Failure commitFailure(const QSqlDatabase& db, const Sql::Transaction& tx, const ContractRecord& contract,
                      const QString& error);

/// The contract with its names, plan and money; a Conflict when it is gone.
Result<ContractRecord> load(const QSqlDatabase& db, int id);

/// Cancels the contract and frees its berths; what was paid stays on its ledger. Refused when already cancelled.
Status cancel(const QSqlDatabase& db, int id);

/// One line of the list of contracts.
struct Row
{
    int id = 0;
    QString berthType; // of its first berth
    QString holder;
    QString berths;
    QString term;
    QDate firstDay;
    QDate lastDay;
    Money total;
    Money paid;
    bool cancelled = false;
    Money balance() const { return total - paid; }
};
/// Every contract by berth type, then first berth and first day; cancelled ones only when asked.
Result<QList<Row>> list(const QSqlDatabase& db, bool withCancelled = false);

/// An instalment given its invoice.
struct Issued
{
    int contractId = 0;
    int number = 0;
    QDate due;
    Money amount;
    qint64 invoiceNumber = 0;
    bool operator==(const Issued&) const = default;
};
/// Issues instalment number of the contract now (early, or as it falls due) with the next invoice number; one
/// already issued keeps its number. Refused on a cancelled contract.
Result<Issued> issue(const QSqlDatabase& db, int contractId, int number, const QDateTime& when);
/// Issues every instalment of a contract in force that falls due on or before today, in date order.
Result<QList<Issued>> issueDue(const QSqlDatabase& db, const QDate& today, const QDateTime& when);

/// Records a payment, refund or correction on the contract's ledger; returns what is paid after it. Refused on a
/// cancelled contract except a refund or a correction.
Result<Money> pay(const QSqlDatabase& db, int contractId, const Ledger::Entry& entry, const QDateTime& when);

/// A customer's delete refused while the customer holds a contract, else bookings' own: wraps the dependents the
/// customer windows are given.
Removal::Dependents guardingHolders(Removal::Dependents bookings);

/// Whose berths a delete takes: one berth's, or an owner's.
enum class BerthsOf
{
    Berth,
    Owner
};
/// Refused while a contract, even a cancelled or ended one, names the berth (or one of the owner's berths).
Status berthsUnheld(const QSqlDatabase& db, int id, BerthsOf of);
/// The same check first inside a delete's transaction, then inner's removal: wraps an owner's berths or a berth's
/// bookings.
Removal::Dependents guardingBerths(Removal::Dependents inner, BerthsOf of);

/// One line for the event log: "Contract 3: Ann Smith, P1, P2 from … to …, £1,200.00".
QString describe(const ContractRecord& contract);

} // namespace ContractStore
