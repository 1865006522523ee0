#include "bookings/BookingDocuments.h"

#include "bookings/BookingPricing.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "core/DateTimes.h"
#include "core/Languages.h"
#include "core/SqlHelpers.h"
#include "meters/MeterInvoice.h"
#include "people/Boats.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSqlQuery>
#include <algorithm>

// The logo lives in a static library: nothing references it, so it is registered by hand once.
static void initBookingResources()
{
    Q_INIT_RESOURCE(bookings);
}

namespace BookingDocuments {
namespace {

QString textOf(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

QImage logo()
{
    // Decoded once and shared, so a run of letters drawn through one writer embeds it once.
    static const QImage image = [] {
        initBookingResources();
        return QImage(QStringLiteral(":/bookings/logo.png"));
    }();
    return image;
}

const Doc::Style Title{.pointSize = 20, .bold = true};
const Doc::Style Heading{.pointSize = 16, .bold = true, .spaceAfter = 0};
const Doc::Style Line{.spaceAfter = 0};
const Doc::Style Bold{.bold = true, .spaceAfter = 4};
const Doc::Style LastLine{.spaceAfter = 6}; // ends a group of lines

/// The company's name and address, the non-empty parts of the address each on a line.
Doc::Record companyHeading(const Company& company, const DocumentWords& words)
{
    Doc::Record record{Doc::text(company.name, Heading)};
    for (const QString& part : {company.street, company.area, company.town, company.county, company.postcode})
        if (!part.trimmed().isEmpty())
            record << Doc::text(part, Line);
    record << Doc::space(4)
           << Doc::field(words.translate("BookingDocuments", "Telephone No:"), company.telephone, 110, Line);
    return record;
}

/// A label with a long text: each paragraph its own record, so pages break between paragraphs, the label kept
/// with the first.
QList<Doc::Record> paragraphs(const QString& label, const QString& text, double labelWidth)
{
    QString plain = text;
    plain.remove(u'\r');
    QStringList paragraphs = plain.split(u'\n');
    while (paragraphs.size() > 1 && paragraphs.last().trimmed().isEmpty())
        paragraphs.removeLast();
    QList<Doc::Record> records;
    for (int i = 0; i < paragraphs.size(); ++i)
        records << Doc::Record{Doc::field(i == 0 ? label : QString(), paragraphs[i], labelWidth, Line)};
    records.last().last().style.spaceAfter = 6;
    return records;
}

QString dateText(const QDateTime& when)
{
    return when.isValid() ? BookingRules::dateTimeText(when) : QString();
}

// A day as a guest reads it, its weekday first in their language, the date in the office's style ("Fri 05/06/2026").
QString dayText(const QDate& day, const DocumentWords& words)
{
    return DateTimes::weekdayDateText(day, words.locale());
}

QString dayTimeText(const QDateTime& when, const DocumentWords& words)
{
    return when.isValid() ? words.locale().toString(when.date(), QStringLiteral("ddd ")) + dateText(when) : QString();
}

// The letterhead the invoice, the confirmation and the credit note open with: the company, its VAT number, the logo and
// the title.
Doc::Record letterhead(const Company& company, const QString& title, const DocumentWords& words)
{
    return companyHeading(company, words)
           << Doc::field(words.translate("BookingDocuments", "VAT No:"), company.vatNo, 110, Line) << Doc::space(6)
           << Doc::picture(logo(), 48) << Doc::space(4) << Doc::rule() << Doc::text(title, Title);
}

// The customer's name and address, each non-empty part on a line.
Doc::Record addressBlock(const Customer& customer)
{
    Doc::Record record;
    for (const QString& part :
         {customer.name, customer.houseName, customer.street, customer.area, customer.town, customer.postcode})
        if (!part.trimmed().isEmpty())
            record << Doc::text(part, Line);
    if (record.isEmpty())
        record << Doc::text(QString(), Line);
    record.last().style.spaceAfter = 8;
    return record;
}

Doc::Block amountRow(const QString& label, const QString& amount, const QString& note = {})
{
    return Doc::row({{label, 2}, {amount, 1, Qt::AlignRight}, {note, 2}}, Line);
}

} // namespace

namespace {
/// The row of source (InvTemp, or one booking) with its company and customer, then what hangs on the booking.
Result<PrintData> read(const QSqlDatabase& db, const QString& from, const QVariantList& binds, const QDate& today)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString sql =
        QStringLiteral(
            "SELECT c.\"Company Name\", c.Street, c.Area, c.Town, c.County, c.Postcode, c.\"Telephone No\", "
            "c.\"VAT No\", c.\"Receipt Footer\", c.TermsandConditions, c.DocumentLanguage, u.Language, "
            "u.Name, u.HouseName, u.Street, u.Area, u.Town, u.PostCode, u.TelNo, u.MobileNo, u.EmailAddress, u.Notes, "
            "u.ClubMember, u.MembershipNo, "
            "i.ID, i.FromDate, i.ToDate, i.BookedBy, i.CostOfHire, i.OtherCharges, i.VAT, i.TotalPayable, "
            "i.AmountPayed, i.BerthConfirmationNumber, i.GuestConfirmationNumber, i.Notes ") +
        from;
    QString error;
    if (!Sql::exec(q, sql, binds, &error))
        return databaseFailure(error);
    if (!q.next())
        return refused(QCoreApplication::translate("BookingDocuments", "There is no booking to print."));
    int at = 0;
    auto next = [&] { return q.value(at++); };
    auto text = [&] { return textOf(next()); };
    PrintData d;
    d.company = {text(), text(), text(), text(), text(), text(), text(), text(), text(), text()};
    const QString office = text();
    d.words = DocumentLanguage::wordsFor(text(), Languages::known(office) ? office : QStringLiteral("en"));
    d.customer.name = text();
    d.customer.houseName = text();
    d.customer.street = text();
    d.customer.area = text();
    d.customer.town = text();
    d.customer.postcode = text();
    d.customer.telNo = text();
    d.customer.mobileNo = text();
    d.customer.emailAddress = text();
    d.customer.notes = text();
    d.customer.clubMember = next().toInt() != 0;
    d.customer.membershipNo = text();
    d.id = next().toInt();
    d.fromDate = DateTimes::readDateTime(next());
    d.toDate = DateTimes::readDateTime(next());
    d.bookedBy = text();
    d.costOfHire = Money::fromDb(next());
    d.otherCharges = Money::fromDb(next());
    d.vat = Money::fromDb(next());
    d.totalPayable = Money::fromDb(next());
    d.amountPayed = Money::fromDb(next());
    d.berthConfirmationNumber = text();
    d.guestConfirmationNumber = text();
    d.notes = text();
    auto charges = BookingStore::chargeLines(db, d.id);
    if (!charges)
        return charges.failure();
    d.charges = std::move(*charges);
    // The booking as stored now: its berths, and its boat below.
    const auto booking = BookingStore::loadBooking(db, d.id);
    if (!booking && booking.kind() != FailureKind::Conflict)
        return booking.failure();
    if (booking) {
        d.berths = booking->berthNames;
        d.cancelled = booking->cancelled;
    }
    auto payments = Ledger::lines(db, d.id);
    if (!payments)
        return payments.failure();
    d.payments = std::move(*payments);
    QSqlQuery b(db);
    b.setForwardOnly(true);
    if (!Sql::exec(b, QStringLiteral("SELECT BoatID FROM Booking WHERE ID = ?"), {d.id}, &error))
        return databaseFailure(error);
    if (b.next() && !b.value(0).isNull()) {
        // A boat removed since leaves the document without one, as a booking never given one.
        const auto boat = Boats::load(db, b.value(0).toInt());
        if (!boat && boat.kind() != FailureKind::Conflict)
            return boat.failure();
        if (boat)
            d.boat = Boats::boatLine(*boat);
    }
    auto notes = CreditNotes::ofBooking(db, d.id);
    if (!notes)
        return notes.failure();
    d.creditNotes = std::move(*notes);
    auto metered = MeterStore::bookingCharges(db, d.id);
    if (!metered)
        return metered.failure();
    d.meterCharges = std::move(*metered);
    // What falls due and when: the company's terms, with what was agreed for this booking where it was; for the
    // amounts this document shows.
    const auto terms = PaymentTerms::load(db);
    if (!terms)
        return terms.failure();
    auto held = Ledger::account(db, d.id);
    if (!held && held.kind() != FailureKind::Conflict)
        return held.failure();
    Ledger::Account shown = held.valueOr(Ledger::Account{});
    d.invoiceNumber = shown.invoiceNumber;
    shown.total = d.totalPayable;
    shown.paid = d.amountPayed;
    shown.arrival = d.fromDate.date();
    d.due = shown.due(*terms, today);
    return d;
}
} // namespace

Result<PrintData> load(const QSqlDatabase& db)
{
    return read(db,
                QStringLiteral("FROM Company c INNER JOIN InvTemp i ON i.CompanyID = c.CompanyID "
                               "LEFT JOIN Customer u ON u.ID = i.CustomerID ORDER BY c.CompanyID LIMIT 1"),
                {}, QDate::currentDate());
}

Result<PrintData> loadBooking(const QSqlDatabase& db, int bookingId, const QDate& today)
{
    const auto found = read(db,
                            QStringLiteral("FROM Booking i LEFT JOIN Company c ON c.CompanyID = (SELECT MIN(CompanyID) "
                                           "FROM Company) LEFT JOIN Customer u ON u.ID = i.CustomerID WHERE i.ID = ?"),
                            {bookingId}, today);
    if (!found && found.kind() == FailureKind::Refused)
        return conflict(QCoreApplication::translate("BookingDocuments", "The booking no longer exists."));
    return found;
}

QString signatureLine(const DocumentWords& words)
{
    return words.translate("BookingDocuments", "Signature: %1 Date: %2").arg(QString(36, u'_'), QString(19, u'_'));
}

Doc::Record letterheadOf(const Company& company, const QString& title, const DocumentWords& words)
{
    return letterhead(company, title, words);
}
Doc::Record addressOf(const Customer& customer)
{
    return addressBlock(customer);
}
QList<Doc::Record> paragraphsOf(const QString& label, const QString& text, double labelWidth)
{
    return paragraphs(label, text, labelWidth);
}

Doc::Document receipt(const PrintData& d)
{
    const DocumentWords& words = d.words;
    Doc::Document doc;
    doc.title = words.translate("BookingDocuments", "INVOICE");
    doc.body << letterhead(d.company, doc.title, words);

    constexpr double w = 170; // label column
    doc.body << Doc::Record{
        Doc::field(words.translate("BookingDocuments", "Invoice Number:"),
                   QString::number(d.invoiceNumber.value_or(d.id)), w, Line),
        Doc::field(words.translate("BookingDocuments", "Booking Date:"), dateText(d.fromDate), w, Line),
        Doc::field(words.translate("BookingDocuments", "Departure Date:"), dateText(d.toDate), w, Line),
        Doc::field(words.translate("BookingDocuments", "Berth(s):"), d.berths.join(QStringLiteral(", ")), w, Line),
        Doc::field(words.translate("BookingDocuments", "Booked By:"), d.bookedBy, w, LastLine)};
    Doc::Record customer;
    for (const QString& part : {d.customer.name, d.customer.houseName, d.customer.street, d.customer.area,
                                d.customer.town, d.customer.postcode})
        customer << Doc::text(part, Line);
    if (!d.boat.isEmpty())
        customer << Doc::field(words.translate("BookingDocuments", "Boat:"), d.boat, w, Line);
    customer.last().style.spaceAfter = 10;
    doc.body << customer;

    const Qt::Alignment right = Qt::AlignRight;
    auto amount = [&](const QString& label, Money value) {
        return Doc::row({{label, 2}, {value.formatGrouped(), 1, right}, {QString(), 2}}, Line);
    };
    Doc::Record charges{Doc::text(words.translate("BookingDocuments", "Booking charges,"), Bold),
                        amount(words.translate("BookingDocuments", "Cost Of Hire:"), d.costOfHire)};
    // The hire's lines under it, indented, their amounts in the same column.
    for (const Pricing::Line& line : d.charges)
        charges << Doc::row({{QStringLiteral("    ") + BookingPricing::lineLabel(line, words), 2},
                             {line.amount.formatGrouped(), 1, right},
                             {QString(), 2}},
                            Line);
    charges << amount(words.translate("BookingDocuments", "Other Charges:"), d.otherCharges);
    // What the meters were billed, under the other charges that carry it.
    charges << MeterInvoice::rows(d.meterCharges, words);
    charges << amount(words.translate("BookingDocuments", "VAT:"), d.vat)
            << amount(words.translate("BookingDocuments", "Total Payable:"), d.totalPayable)
            << amount(words.translate("BookingDocuments", "Amount Payed:"), d.amountPayed);
    // What was paid, line by line, and what is left to pay.
    for (const Ledger::Line& line : d.payments)
        charges << Doc::row({{QStringLiteral("    %1  %2")
                                  .arg(DateTimes::dateText(line.paidAt.date()), Ledger::kindText(line.kind, words)),
                              2},
                             {line.amount.formatGrouped(), 1, right},
                             {line.reference, 2}},
                            Line);
    const Money balance = d.totalPayable - d.amountPayed;
    charges << amount(balance.inCredit() ? words.translate("BookingDocuments", "In Credit:")
                                         : words.translate("BookingDocuments", "Balance Due:"),
                      balance.inCredit() ? Money() - balance : balance)
            << Doc::space(10);
    doc.body << charges;
    // The credit notes issued against this invoice, and what it asks once they are taken off.
    if (!d.creditNotes.isEmpty()) {
        Doc::Record credits{Doc::text(words.translate("BookingDocuments", "Credit notes,"), Bold)};
        Money credited;
        for (const CreditNotes::Note& note : d.creditNotes) {
            credits << Doc::row({{words.translate("BookingDocuments", "    Credit note %1  %2")
                                      .arg(note.number)
                                      .arg(DateTimes::dateText(note.issuedAt.date())),
                                  2},
                                 {(Money() - note.amount).formatGrouped(), 1, right},
                                 {QString(), 2}},
                                Line);
            credited += note.amount;
        }
        credits << amount(words.translate("BookingDocuments", "Net after credit notes:"), d.totalPayable - credited)
                << Doc::space(10);
        doc.body << credits;
    }
    doc.body << Doc::Record{Doc::field(words.translate("BookingDocuments", "Berth Confirmation Number:"),
                                       d.berthConfirmationNumber, w, Line),
                            Doc::field(words.translate("BookingDocuments", "Guest Confirmation Number:"),
                                       d.guestConfirmationNumber, w, LastLine)};
    doc.body << paragraphs(words.translate("BookingDocuments", "Notes:"), d.notes, w);
    doc.body << Doc::Record{Doc::space(12), Doc::text(d.company.receiptFooter, {.italic = true})};
    return doc;
}

Doc::Document reservationForm(const PrintData& d)
{
    const DocumentWords& words = d.words;
    Doc::Document doc;
    doc.title = words.translate("BookingDocuments", "Reservation Form");
    doc.pageFooter << Doc::text(signatureLine(words), Line);
    doc.body << (companyHeading(d.company, words) << Doc::space(6) << Doc::picture(logo(), 48) << Doc::rule());

    constexpr double w = 150;
    doc.body << Doc::Record{
        Doc::text(words.translate("BookingDocuments", "Reservation Form"), Title),
        Doc::field(words.translate("BookingDocuments", "Reservation Number:"), QString::number(d.id), w, Line),
        Doc::field(words.translate("BookingDocuments", "From Date:"), dateText(d.fromDate), w, Line),
        Doc::field(words.translate("BookingDocuments", "To Date:"), dateText(d.toDate), w, Line),
        Doc::field(words.translate("BookingDocuments", "Berth(s):"), d.berths.join(QStringLiteral(", ")), w, LastLine)};
    const Customer& c = d.customer;
    Doc::Record customer;
    const QList<std::pair<QString, QString>> fields = {
        {words.translate("BookingDocuments", "Name:"), c.name},
        {words.translate("BookingDocuments", "HouseName:"), c.houseName},
        {words.translate("BookingDocuments", "Street:"), c.street},
        {words.translate("BookingDocuments", "Area:"), c.area},
        {words.translate("BookingDocuments", "Town:"), c.town},
        {words.translate("BookingDocuments", "Postcode:"), c.postcode},
        {words.translate("BookingDocuments", "TelNo:"), c.telNo},
        {words.translate("BookingDocuments", "MobileNo:"), c.mobileNo},
        {words.translate("BookingDocuments", "EmailAddress:"), c.emailAddress}};
    for (const auto& [label, value] : fields)
        customer << Doc::field(label, value, w, Line);
    if (!d.boat.isEmpty())
        customer << Doc::field(words.translate("BookingDocuments", "Boat:"), d.boat, w, Line);
    doc.body << customer;
    doc.body << paragraphs(words.translate("BookingDocuments", "Client Notes:"), c.notes, w);
    doc.body << Doc::Record{
        Doc::field(words.translate("BookingDocuments", "ClubMember:"),
                   c.clubMember ? words.translate("BookingDocuments", "Yes")
                                : words.translate("BookingDocuments", "No"),
                   w, Line),
        Doc::field(words.translate("BookingDocuments", "MembershipNo:"), c.membershipNo, w, LastLine)};
    doc.body << paragraphs(words.translate("BookingDocuments", "Reservation Notes:"), d.notes, w);
    doc.body << Doc::Record{Doc::text(words.translate("BookingDocuments", "Reservation Terms and Conditions:"), Bold)};
    QList<Doc::Record> terms = paragraphs(QString(), d.company.terms, 0);
    for (Doc::Record& record : terms)
        record = {Doc::text(record.first().value, Line)};
    // The heading stays with the first paragraph of the terms.
    doc.body.last() << terms.takeFirst();
    doc.body << terms;
    return doc;
}

Doc::Document confirmation(const PrintData& d)
{
    const DocumentWords& words = d.words;
    Doc::Document doc;
    const QString title = words.translate("BookingDocuments", "BOOKING CONFIRMATION");
    doc.title = title;
    doc.body << letterhead(d.company, title, words);

    constexpr double w = 170;
    Doc::Record booking{
        Doc::field(words.translate("BookingDocuments", "Booking Number:"), QString::number(d.id), w, Line),
        Doc::field(words.translate("BookingDocuments", "Confirmation Number:"), d.berthConfirmationNumber, w, Line),
        Doc::field(words.translate("BookingDocuments", "Arrival:"), dayTimeText(d.fromDate, words), w, Line),
        Doc::field(words.translate("BookingDocuments", "Departure:"), dayTimeText(d.toDate, words), w, Line),
        Doc::field(words.translate("BookingDocuments", "Berth(s):"), d.berths.join(QStringLiteral(", ")), w, Line)};
    if (!d.boat.isEmpty())
        booking << Doc::field(words.translate("BookingDocuments", "Boat:"), d.boat, w, Line);
    booking.last().style.spaceAfter = 6;
    doc.body << addressBlock(d.customer) << booking;

    Doc::Record price{Doc::text(words.translate("BookingDocuments", "Price"), Bold),
                      amountRow(words.translate("BookingDocuments", "Cost Of Hire:"), d.costOfHire.formatGrouped())};
    // The hire season by season, indented under it.
    for (const Pricing::Line& line : d.charges)
        price << amountRow(QStringLiteral("    ") + BookingPricing::lineLabel(line, words),
                           line.amount.formatGrouped());
    price << amountRow(words.translate("BookingDocuments", "Other Charges:"), d.otherCharges.formatGrouped())
          << amountRow(words.translate("BookingDocuments", "VAT:"), d.vat.formatGrouped())
          << amountRow(words.translate("BookingDocuments", "Total Payable:"), d.totalPayable.formatGrouped())
          << amountRow(words.translate("BookingDocuments", "Paid to date:"), d.amountPayed.formatGrouped());
    // The deposit still to pay, then the rest, each with its day; together they are what is owed. A deposit of the
    // whole total (a booking made close to arrival) is the balance itself.
    const Money nothing;
    const PaymentTerms::Due& due = d.due;
    const bool deposit = due.deposit > nothing && due.deposit < d.totalPayable;
    const Money depositOwed = deposit && due.deposit > d.amountPayed && due.owed > nothing
                                  ? std::min(due.deposit - d.amountPayed, due.owed)
                                  : nothing;
    if (deposit)
        price << amountRow(
            words.translate("BookingDocuments", "Deposit due:"), depositOwed.formatGrouped(),
            depositOwed > nothing
                ? words.translate("BookingDocuments", "by %1").arg(dayText(due.depositBy, words))
                : words.translate("BookingDocuments", "deposit of %1 paid").arg(due.deposit.formatGrouped()));
    if (due.owed < nothing)
        price << amountRow(words.translate("BookingDocuments", "In Credit:"), (nothing - due.owed).formatGrouped());
    else
        price << amountRow(
            words.translate("BookingDocuments", "Balance due:"), (due.owed - depositOwed).formatGrouped(),
            due.owed > nothing ? words.translate("BookingDocuments", "by %1").arg(dayText(due.balanceBy, words))
                               : words.translate("BookingDocuments", "paid in full"));
    price.last().style.spaceAfter = 10;
    doc.body << price;
    if (!d.notes.trimmed().isEmpty())
        doc.body << paragraphs(words.translate("BookingDocuments", "Notes:"), d.notes, w);
    if (!d.company.terms.trimmed().isEmpty()) {
        doc.body << Doc::Record{Doc::text(words.translate("BookingDocuments", "Terms and Conditions:"), Bold)};
        QList<Doc::Record> terms = paragraphs(QString(), d.company.terms, 0);
        for (Doc::Record& record : terms)
            record = {Doc::text(record.first().value, Line)};
        doc.body.last() << terms.takeFirst();
        doc.body << terms;
    }
    doc.body << Doc::Record{Doc::space(12), Doc::text(d.company.receiptFooter, {.italic = true})};
    return doc;
}

Doc::Document creditNote(const PrintData& d, const CreditNotes::Note& note)
{
    const DocumentWords& words = d.words;
    Doc::Document doc;
    const QString title = words.translate("BookingDocuments", "CREDIT NOTE");
    doc.title = QStringLiteral("%1 %2").arg(title).arg(note.number);
    doc.body << letterhead(d.company, title, words);
    constexpr double w = 170;
    doc.body << Doc::Record{
        Doc::field(words.translate("BookingDocuments", "Credit Note Number:"), QString::number(note.number), w, Line),
        Doc::field(words.translate("BookingDocuments", "Date:"), dayText(note.issuedAt.date(), words), w, Line),
        Doc::field(words.translate("BookingDocuments", "Against Invoice Number:"), QString::number(note.invoiceNumber),
                   w, LastLine)};
    doc.body << addressBlock(d.customer);
    doc.body << Doc::Record{
        Doc::field(words.translate("BookingDocuments", "Booking Number:"), QString::number(d.id), w, Line),
        Doc::field(words.translate("BookingDocuments", "Confirmation Number:"), d.berthConfirmationNumber, w, Line),
        Doc::field(words.translate("BookingDocuments", "Period:"),
                   words.translate("BookingDocuments", "%1 to %2")
                       .arg(dayTimeText(d.fromDate, words), dayTimeText(d.toDate, words)),
                   w, Line),
        Doc::field(words.translate("BookingDocuments", "Berth(s):"), d.berths.join(QStringLiteral(", ")), w, LastLine)};
    doc.body << Doc::Record{
        amountRow(words.translate("BookingDocuments", "Amount Credited:"), note.amount.formatGrouped()), Doc::space(12),
        Doc::text(d.company.receiptFooter, {.italic = true})};
    return doc;
}

} // namespace BookingDocuments
