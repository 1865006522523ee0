#pragma once

#include "bookings/Ledger.h"
#include "core/Money.h"
#include "core/Result.h"
#include "core/ui/Document.h"
#include "rates/Pricing.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <optional>

/// The booking's two printed documents, the receipt ("INVOICE") and the reservation form, fed from the one
/// InvTemp row joined with the company and the customer.
namespace BookingDocuments {

struct Company
{
    QString name, street, area, town, county, postcode, telephone, vatNo, receiptFooter, terms;
};

struct Customer
{
    QString name, houseName, street, area, town, postcode, telNo, mobileNo, emailAddress, notes, membershipNo;
    bool clubMember = false;
};

/// One InvTemp row with its company and customer (a missing customer reads as empty texts).
struct PrintData
{
    Company company;
    Customer customer;
    int id = 0;
    QDateTime fromDate;
    QDateTime toDate;
    QString bookedBy;
    Money costOfHire, otherCharges, vat, totalPayable, amountPayed;
    QString berthConfirmationNumber; // empty when none was given
    QString guestConfirmationNumber;
    QString notes;
    QList<Pricing::Line> charges;        // how the hire was agreed; none for older bookings or a hire typed by hand
    QString boat;                        // "Seaspray, 11.40 m"; empty for a booking without a boat
    QStringList berths;                  // the berths' names, in natural order
    std::optional<qint64> invoiceNumber; // given when the invoice was first issued; nothing: the booking's ID shows
    QList<Ledger::Line> payments;        // the booking's ledger
};

/// The InvTemp row with its company; Refused (with the text to show) when there is none.
Result<PrintData> load(const QSqlDatabase& db);

/// "Signature: " and 36 underscores, " Date: " and 19 underscores: the reservation form's page foot.
QString signatureLine();

Doc::Document receipt(const PrintData& data);
Doc::Document reservationForm(const PrintData& data);

} // namespace BookingDocuments
