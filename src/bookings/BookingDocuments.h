#pragma once

#include "bookings/CreditNotes.h"
#include "bookings/Ledger.h"
#include "core/DocumentLanguage.h"
#include "core/Money.h"
#include "core/Result.h"
#include "core/ui/Document.h"
#include "meters/MeterStore.h"
#include "rates/Pricing.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <optional>

/// The booking's printed documents, in the customer's language whatever the interface's (PrintData::words): the receipt
/// ("INVOICE") and the reservation form, fed from the one InvTemp row joined with the company and the customer; the
/// booking confirmation and its credit notes, read straight from the booking (nothing written, no number taken).
namespace BookingDocuments {

struct Company
{
    QString name, street, area, town, county, postcode, telephone, vatNo, receiptFooter, terms;
};

struct Customer
{
    QString name, houseName, street, area, town, postcode, telNo, mobileNo, emailAddress, notes, membershipNo;
    bool clubMember = false;
    QString language; // as stored: empty for the office's
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
    QList<Pricing::Line> charges;           // how the hire was agreed; none for older bookings or a hire typed by hand
    QString boat;                           // "Seaspray, 11.40 m"; empty for a booking without a boat
    QStringList berths;                     // the berths' names, in natural order
    std::optional<qint64> invoiceNumber;    // given when the invoice was first issued; nothing: the booking's ID shows
    QList<Ledger::Line> payments;           // the booking's ledger
    PaymentTerms::Due due;                  // the deposit and balance with their dates, as agreed or by the terms
    QList<CreditNotes::Note> creditNotes;   // issued against its invoice, by number
    QList<MeterStore::Charge> meterCharges; // what its meters were billed, in its other charges
    bool cancelled = false;
    DocumentWords words{QStringLiteral("en")}; // the customer's language, else the office's, else English
};

/// The InvTemp row with its company; Refused (with the text to show) when there is none.
Result<PrintData> load(const QSqlDatabase& db);

/// Booking bookingId as stored, with the company and customer, its dues as of today; reads only. A Conflict when
/// the booking no longer exists.
Result<PrintData> loadBooking(const QSqlDatabase& db, int bookingId, const QDate& today);

/// "Signature: " and 36 underscores, " Date: " and 19 underscores: the reservation form's page foot.
QString signatureLine(const DocumentWords& words);

/// The parts every letter of the office shares, for the contracts' documents: the letterhead with its title, the
/// addressee, and a long text as a paragraph per record under its label.
Doc::Record letterheadOf(const Company& company, const QString& title, const DocumentWords& words);
Doc::Record addressOf(const Customer& customer);
QList<Doc::Record> paragraphsOf(const QString& label, const QString& text, double labelWidth);

Doc::Document receipt(const PrintData& data);
Doc::Document reservationForm(const PrintData& data);
/// "BOOKING CONFIRMATION": what was booked, the price by season, what was paid, the deposit and the balance with
/// the days they fall due, and the office's terms. It carries no invoice number.
Doc::Document confirmation(const PrintData& data);
/// "CREDIT NOTE" with its number, the invoice it refers to, the amount, the booking and the customer.
Doc::Document creditNote(const PrintData& data, const CreditNotes::Note& note);

} // namespace BookingDocuments
