#pragma once

#include "bookings/CreditNotes.h"
#include "bookings/PaymentTerms.h"
#include "core/DocumentLanguage.h"
#include "core/Money.h"
#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <optional>

/// The money taken and given back on each booking, line by line. Lines are only ever added (the database refuses
/// to change or delete one); the booking's AmountPayed is kept as their sum in the same transaction.
namespace Ledger {

/// Numbered as the Payment table's Kind column stores them.
enum class Kind
{
    Deposit = 1,
    Payment = 2,
    Refund = 3,
    Correction = 4,
    Credit = 5,    // the money of a cancelled booking kept as the customer's credit
    CreditUsed = 6 // the customer's credit taken as payment on another booking
};
QString kindText(Kind kind, const DocumentWords& words = DocumentWords::interface());

/// One line as stored: amount is what it adds to the amount paid (a refund is negative).
struct Line
{
    int id = 0;
    QDateTime paidAt;
    Kind kind = Kind::Payment;
    std::optional<int> methodId;
    QString method; // the method's name; empty without one
    Money amount;
    QString reference;
    QString desk;
    QString note;
};

/// A line to add, as the person typed it: a deposit, payment, refund or credit used as a positive amount, a
/// correction with its sign.
struct Entry
{
    Kind kind = Kind::Payment;
    std::optional<int> methodId;
    Money amount;
    QString reference;
    QString note;
};

/// The largest amount one line may carry: £10,000,000.00.
Money lineCeiling();

/// "user@machine" of whoever acts now (Actor::label), as each line names who recorded it.
QString deskName();

/// The booking's lines in the order they were added.
Result<QList<Line>> lines(const QSqlDatabase& db, int bookingId);

/// A contract's lines (BookingID 0, its ContractID), in the order they were added.
Result<QList<Line>> contractLines(const QSqlDatabase& db, int contractId);
/// Adds a line to a contract holding paid inside the caller's transaction, with the entry's checks and a refund no
/// more than paid; returns the contract's amount paid after it, read back from its lines.
Result<Money> addContractLine(const QSqlDatabase& db, int contractId, Money paid, const Entry& entry,
                              const QDateTime& when, const QString& desk);

/// A booking's money as the summary shows it.
struct Account
{
    Money total;
    Money paid;
    bool cancelled = false;
    int customerId = 0;
    QDate booked;
    QDate arrival;
    QDateTime arrivalAt; // the arrival with its time, for lists that show it
    std::optional<qint64> invoiceNumber;
    std::optional<int> methodId; // the booking's payment method
    PaymentTerms::Agreed agreed; // the deposit and days agreed for this booking
    Money balance() const { return total - paid; }
    /// What falls due and when by the terms and what was agreed, as of today; a booking whose making is unknown
    /// counts from its arrival.
    PaymentTerms::Due due(const PaymentTerms& terms, const QDate& today) const;
};
/// A Conflict when the booking no longer exists.
Result<Account> account(const QSqlDatabase& db, int bookingId);
/// The columns an Account is read from, of the booking row named alias: for a list that reads them with others.
QString accountColumns(const QString& alias);
/// The Account from q's columns from `at` on, as accountColumns names them.
Account accountFrom(const QSqlQuery& q, int at);

/// What recording a line did.
struct Recorded
{
    Money paid;                                  // the booking's amount paid after it
    std::optional<qint64> invoiceNumber;         // the booking's invoice, when it has been issued
    std::optional<CreditNotes::Note> creditNote; // issued with a refund that gives back invoiced money
};

/// Adds one line and the booking's new paid amount in one transaction, after checking inside it that the booking
/// still exists and is not cancelled, that a refund is no more than what was paid, and that credit used is no more
/// than the customer holds. A refund on an invoiced booking issues its credit note in the same transaction for the
/// invoiced money it gives back (CreditNotes::toCredit). Zero, signed and too large amounts are Refused; a booking
/// gone is a Conflict.
Result<Recorded> record(const QSqlDatabase& db, int bookingId, const Entry& entry, const QDateTime& when,
                        const QString& desk);

/// The same, inside a transaction the caller holds (a new booking's first payment, a cancellation's refund).
Result<Recorded> addLine(const QSqlDatabase& db, int bookingId, const Entry& entry, const QDateTime& when,
                         const QString& desk);

/// The entry's own faults (before any reading): the text to show, empty when there is none.
QString entryFault(const Entry& entry);

/// What a customer holds as credit from cancelled bookings, less what was used.
Result<Money> customerCredit(const QSqlDatabase& db, int customerId);

/// The booking's invoice number: the one it was given when first issued, or the next of the company's one
/// sequence, assigned inside a transaction so no number is skipped or given twice.
Result<qint64> issueInvoice(const QSqlDatabase& db, int bookingId);
/// The next number of that sequence, inside the caller's write transaction (a contract's instalment invoices too).
Result<qint64> drawInvoiceNumber(const QSqlDatabase& db);

/// The SQL condition that the booking row named alias owes money by Money::owes(): its total less what was paid is
/// at least half a penny. The one test of owing for every list that filters in SQL (Today, payments and balances due).
QString owesSql(const QString& alias);

/// A booking with money owing, for "Payments due".
struct Owing
{
    int bookingId = 0;
    QString confirmationNumber;
    QString customer;
    QDateTime arrival;
    Money total;
    Money paid;
    PaymentTerms::Due due; // by the terms and what was agreed for the booking
};
/// Every booking not cancelled that owes money, by when it falls due (earliest first).
Result<QList<Owing>> owing(const QSqlDatabase& db, const PaymentTerms& terms, const QDate& today);

/// What the lines of one group of a cash-up moved, by kind. Every line counts in exactly one amount, so the
/// groups' totals add up to the ledger's sum over the period.
struct Takings
{
    QString name; // the method or the desk
    int lines = 0;
    Money received;  // deposits and payments
    Money refunded;  // refunds, negative as stored
    Money corrected; // corrections with their sign
    Money credit;    // kept as credit (negative) and credit used: no money changed hands, the balances moved
    Money total() const { return received + refunded + corrected + credit; }
    void add(Kind kind, int count, Money amount);
};

/// The day's (or a period's) takings: the lines recorded from the first day to the last, by method and by desk.
struct CashUp
{
    QDate first;
    QDate last;
    QList<Takings> byMethod; // by name; lines without a method last
    QList<Takings> byDesk;   // by name
    Takings overall;
};
/// Reads the cash-up of the days first to last (both whole days). Refused when the period ends before it starts.
Result<CashUp> cashUp(const QSqlDatabase& db, const QDate& first, const QDate& last);

/// The accountant's export, one row per line recorded from the first day to the last: its statement (columns
/// PaidAt, Booking, ConfirmationNumber, Customer, Kind, Method, Amount, Reference, Desk, Note) and its values.
QString exportSql();
QVariantList exportBinds(const QDate& first, const QDate& last);

} // namespace Ledger
