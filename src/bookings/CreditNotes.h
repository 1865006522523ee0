#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <optional>

/// The credit notes: money given back on an invoiced booking, each with its own number from the company's one
/// gapless sequence and the invoice it refers to. A note is written only with its refund, in the refund's
/// transaction (Ledger::addLine), and never changed.
namespace CreditNotes {

struct Note
{
    int id = 0;
    qint64 number = 0;
    int bookingId = 0;
    qint64 invoiceNumber = 0;
    std::optional<int> paymentId; // the refund's ledger line
    Money amount;                 // what was given back, positive
    QDateTime issuedAt;
    QString desk;
};

/// How much of a refund of amount, on a booking whose invoice asks `invoiced` and on which `paid` was paid, is
/// credited against the invoice: what takes the amount paid below what the invoice still asks once the credit
/// notes already issued are taken off. Money paid beyond that goes back without a note, so no money is credited
/// twice. Inside the refund's transaction, before its line is written.
Result<Money> toCredit(const QSqlDatabase& db, int bookingId, Money invoiced, Money paid, Money amount);

/// Issues the note for the refund line paymentId inside the caller's transaction, which holds the write lock: the
/// next number is taken there, so two desks never share one and none is skipped. The new note's number.
Result<qint64> issue(const QSqlDatabase& db, int bookingId, qint64 invoiceNumber, qint64 paymentId, Money amount,
                     const QDateTime& when, const QString& desk);

/// The booking's credit notes by number.
Result<QList<Note>> ofBooking(const QSqlDatabase& db, int bookingId);

/// "Credit note 8 of £40.00 against invoice 3 for booking 1": how the event log and the desk are told of one.
QString describe(const Note& note);

} // namespace CreditNotes
