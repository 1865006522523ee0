#pragma once

#include "bookings/BookingDocuments.h"
#include "contracts/ContractStore.h"
#include "core/FieldChanges.h"
#include "meters/MeterStore.h"

#include <QByteArray>
#include <QHash>

/// A contract's printed papers: the contract itself (with the office's contract terms and a line to sign), the
/// letter offering its renewal, and an instalment's invoice; the PDFs kept with the contract (ContractLetter), and
/// the contract terms of the company details. Built as documents here, laid out by the document renderer.
namespace ContractDocuments {

/// What every paper of one contract reads: the office, the holder's address, the contract.
struct Papers
{
    BookingDocuments::Company company; // terms: the contract terms
    BookingDocuments::Customer holder;
    ContractRecord contract;
    QDate date;                                // the day it is written
    int renews = 0;                            // a renewal letter: the contract it renews
    DocumentWords words{QStringLiteral("en")}; // the holder's language, else the office's, else English
    QList<MeterStore::Charge> meterCharges;    // its meters billed, each with the instalment that invoices it
};

/// The office's details and contract terms (the first company row); empty texts without one.
Result<BookingDocuments::Company> company(const QSqlDatabase& db);
/// The holder's name and address; empty texts for a holder no longer there.
Result<BookingDocuments::Customer> holder(const QSqlDatabase& db, int customerId);
/// The papers of a stored contract, dated today; a Conflict when it is gone.
Result<Papers> load(const QSqlDatabase& db, int contractId, const QDate& today);

/// "CONTRACT": the holder, the berths, boat and days, the price with its tax, the plan, the terms and the lines
/// where both sides sign.
Doc::Document contract(const Papers& papers);
/// "CONTRACT RENEWAL": the new days, price and plan offered to the holder of the contract it renews.
Doc::Document renewalLetter(const Papers& papers);
/// "INVOICE": one instalment with its invoice number, the contract's total and what was paid; an instalment that
/// bills meters shows each meter's breakdown with the tax and total.
Doc::Document instalmentInvoice(const Papers& papers, const ContractPlan::Instalment& instalment);

/// The kinds of paper kept with a contract.
inline const QString RenewalLetterKind = QStringLiteral("renewal");
inline const QString ContractKind = QStringLiteral("contract");

/// Keeps a PDF with the contract, inside the caller's transaction.
Status keep(const QSqlDatabase& db, int contractId, const QString& kind, const QByteArray& pdf, const QDateTime& now);
/// The latest PDF of that kind kept with the contract; empty when there is none.
Result<QByteArray> kept(const QSqlDatabase& db, int contractId, const QString& kind);
/// The same for many contracts, by contract (those without one left out). A letter of a renewal run is cut from
/// the run's PDF, each run read once: the same file, pages and title as the letter written alone.
Result<QHash<int, QByteArray>> keptEach(const QSqlDatabase& db, const QList<int>& contractIds, const QString& kind);

/// Queues each contract's kept renewal letter to its holder by e-mail, in one transaction; the contracts whose
/// holder has no e-mail address or no letter kept are returned, not queued.
struct Queued
{
    int queued = 0;
    QList<int> left; // contracts not queued
};
Result<Queued> queueRenewalLetters(const QSqlDatabase& db, const QList<int>& contractIds, const QDateTime& now);

/// The contract terms as stored.
Result<QString> terms(const QSqlDatabase& db);
/// Saves the terms typed over those loaded. When another desk saved different terms meanwhile and mine differ too,
/// a Conflict with merge naming both (nothing saved); when only the other desk changed them, theirs are kept.
Status saveTerms(const QSqlDatabase& db, const QString& loaded, const QString& mine,
                 std::optional<FieldChanges::Merge<QString>>* merge = nullptr);
/// The longest terms kept.
inline constexpr int MaxTermsLength = 20000;

} // namespace ContractDocuments
