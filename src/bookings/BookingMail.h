#pragma once

#include "bookings/BookingDocuments.h"
#include "core/Money.h"
#include "core/Result.h"
#include "mail/Outbox.h"

#include <QDate>
#include <QMap>
#include <QSqlDatabase>

/// A booking's messages on their way to the outbox: the confirmation with its PDF, and the reminders a morning
/// proposes from what each booking owes.
namespace BookingMail {

/// The placeholders' values for a booking as its documents show it (dates in the office's style, money as money).
QMap<QString, QString> values(const BookingDocuments::PrintData& data, const QDate& today);

/// The office's name and telephone, as {Company} and {CompanyPhone} show them.
Result<BookingDocuments::Company> office(const QSqlDatabase& db);

/// The booking's confirmation, filled from the office's template, with the confirmation's PDF, ready to queue.
/// Refused when the booking is cancelled or its customer has no usable address.
Result<Outbox::Item> confirmation(const QSqlDatabase& db, int bookingId, const QDate& today);
/// The same, queued by desk.
Result<qint64> queueConfirmation(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk);

/// An invoice on its way: the message's ID, the invoice's number, and whether it was numbered just now.
struct QueuedInvoice
{
    qint64 id = 0;
    qint64 invoiceNumber = 0;
    bool numbered = false;
};
/// The booking's invoice, numbered first if it has none yet, filled from the office's invoice template with the
/// invoice as a PDF, queued by desk. Refused as the confirmation is.
Result<QueuedInvoice> queueInvoice(const QSqlDatabase& db, int bookingId, const QDateTime& now, const QString& desk);

/// The office's reminder rules, from the settings.
struct Rules
{
    int depositDays = 3; // a deposit reminder this many days before the deposit falls due (0: none)
    int balanceDays = 7; // a balance reminder this many days before the balance falls due (0: none)
    int overdueDays = 7; // a reminder this many days after what is owed fell due (0: none)
    static Rules load();
    /// Refused when a number is out of 0..365.
    Status save() const;
};

/// A reminder a morning proposes.
struct Reminder
{
    int bookingId = 0;
    QString confirmationNumber;
    QString customer;
    QString address; // empty: the customer has none, and it cannot be sent
    QString kind;    // Outbox::Kinds::DepositReminder or BalanceReminder
    QString regarding;
    Money amount;
    QDate dueBy;
    bool overdue = false;
};

/// The reminders due today by the rules, from each booking's dues (Ledger::owing), leaving out those already
/// queued or sent for the same due date; earliest due first.
Result<QList<Reminder>> proposals(const QSqlDatabase& db, const Rules& rules, const QDate& today);

/// The reminders the bookings chosen (from Today or the payments due) owe now, by their dues alone, whatever the
/// rules' days; leaving out those already queued or sent for the same due date and those that owe nothing.
Result<QList<Reminder>> remindersFor(const QSqlDatabase& db, const QList<int>& bookingIds, const QDate& today);

/// Queues the reminders chosen, each filled from its booking, in one transaction; Refused (nothing queued) when
/// one of them has no address. One already queued or sent meanwhile is left out: how many were queued.
Result<int> queueReminders(const QSqlDatabase& db, const QList<Reminder>& chosen, const QDateTime& now,
                           const QString& desk);

} // namespace BookingMail
