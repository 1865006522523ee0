#include "bookings/CreditNotes.h"

#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <algorithm>

namespace CreditNotes {
namespace {
const QString FirstCompany = QStringLiteral("(SELECT MIN(CompanyID) FROM Company)");
} // namespace

Result<Money> toCredit(const QSqlDatabase& db, int bookingId, Money invoiced, Money paid, Money amount)
{
    QString error;
    const auto sum = Sql::scalar(
        db, QStringLiteral("SELECT COALESCE(SUM(Amount), 0) FROM CreditNote WHERE BookingID = ?"), {bookingId}, &error);
    if (!sum)
        return databaseFailure(error);
    const Money nothing;
    const Money asked = invoiced - Money::fromDb(*sum);
    const Money shortfall = asked - (paid - amount);
    return std::clamp(shortfall, nothing, amount);
}

Result<qint64> issue(const QSqlDatabase& db, int bookingId, qint64 invoiceNumber, qint64 paymentId, Money amount,
                     const QDateTime& when, const QString& desk)
{
    QString error;
    QSqlQuery q(db);
    if (!Sql::exec(q,
                   QStringLiteral("UPDATE Company SET LastCreditNoteNumber = LastCreditNoteNumber + 1 WHERE "
                                  "CompanyID = ") +
                       FirstCompany,
                   {}, &error))
        return databaseFailure(error);
    if (q.numRowsAffected() != 1)
        return refused(
            QCoreApplication::translate("CreditNotes", "Enter the company's details before issuing a credit note."));
    const auto number = Sql::scalar(
        db, QStringLiteral("SELECT LastCreditNoteNumber FROM Company WHERE CompanyID = ") + FirstCompany, {}, &error);
    if (!number)
        return databaseFailure(error);
    const qint64 issued = number->toLongLong();
    if (!Sql::exec(db,
                   QStringLiteral("INSERT INTO CreditNote (Number, BookingID, InvoiceNumber, PaymentID, Amount, "
                                  "IssuedAt, Desk) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                   {QVariant::fromValue<qlonglong>(issued), bookingId, QVariant::fromValue<qlonglong>(invoiceNumber),
                    QVariant::fromValue<qlonglong>(paymentId), amount.toDb(), DateTimes::dbDateTime(when), desk},
                   &error))
        return databaseFailure(error);
    return issued;
}

Result<QList<Note>> ofBooking(const QSqlDatabase& db, int bookingId)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT ID, Number, BookingID, InvoiceNumber, PaymentID, Amount, IssuedAt, Desk FROM "
                                  "CreditNote WHERE BookingID = ? ORDER BY Number"),
                   {bookingId}, &error))
        return databaseFailure(error);
    QList<Note> notes;
    while (q.next()) {
        Note n;
        n.id = q.value(0).toInt();
        n.number = q.value(1).toLongLong();
        n.bookingId = q.value(2).toInt();
        n.invoiceNumber = q.value(3).toLongLong();
        if (!q.value(4).isNull())
            n.paymentId = q.value(4).toInt();
        n.amount = Money::fromDb(q.value(5));
        n.issuedAt = DateTimes::readDateTime(q.value(6));
        n.desk = q.value(7).isNull() ? QString() : q.value(7).toString();
        notes.append(n);
    }
    return notes;
}

QString describe(const Note& note)
{
    return QCoreApplication::translate("CreditNotes", "Credit note %1 of %2 against invoice %3 for booking %4")
        .arg(note.number)
        .arg(note.amount.format())
        .arg(note.invoiceNumber)
        .arg(note.bookingId);
}

} // namespace CreditNotes
