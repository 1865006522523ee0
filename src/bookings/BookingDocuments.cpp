#include "bookings/BookingDocuments.h"

#include "bookings/BookingPricing.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"
#include "people/Boats.h"

#include <QCoreApplication>
#include <QSqlQuery>

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
    static const bool loaded = [] {
        initBookingResources();
        return true;
    }();
    Q_UNUSED(loaded);
    return QImage(QStringLiteral(":/bookings/logo.png"));
}

const Doc::Style Title{.pointSize = 20, .bold = true};
const Doc::Style Heading{.pointSize = 16, .bold = true, .spaceAfter = 0};
const Doc::Style Line{.spaceAfter = 0};
const Doc::Style Bold{.bold = true, .spaceAfter = 4};
const Doc::Style LastLine{.spaceAfter = 6}; // ends a group of lines

/// The company's name and address, the non-empty parts of the address each on a line.
Doc::Record companyHeading(const Company& company)
{
    Doc::Record record{Doc::text(company.name, Heading)};
    for (const QString& part : {company.street, company.area, company.town, company.county, company.postcode})
        if (!part.trimmed().isEmpty())
            record << Doc::text(part, Line);
    record << Doc::space(4)
           << Doc::field(QCoreApplication::translate("BookingDocuments", "Telephone No:"), company.telephone, 110,
                         Line);
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

} // namespace

Result<PrintData> load(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const QString sql = QStringLiteral(
        "SELECT c.\"Company Name\", c.Street, c.Area, c.Town, c.County, c.Postcode, c.\"Telephone No\", "
        "c.\"VAT No\", c.\"Receipt Footer\", c.TermsandConditions, "
        "u.Name, u.HouseName, u.Street, u.Area, u.Town, u.PostCode, u.TelNo, u.MobileNo, u.EmailAddress, u.Notes, "
        "u.ClubMember, u.MembershipNo, "
        "i.ID, i.FromDate, i.ToDate, i.BookedBy, i.CostOfHire, i.OtherCharges, i.VAT, i.TotalPayable, "
        "i.AmountPayed, i.BerthConfirmationNumber, i.GuestConfirmationNumber, i.Notes "
        "FROM Company c INNER JOIN InvTemp i ON i.CompanyID = c.CompanyID "
        "LEFT JOIN Customer u ON u.ID = i.CustomerID ORDER BY c.CompanyID LIMIT 1");
    QString error;
    if (!Sql::exec(q, sql, {}, &error))
        return databaseFailure(error);
    if (!q.next())
        return refused(QCoreApplication::translate("BookingDocuments", "There is no booking to print."));
    int at = 0;
    auto next = [&] { return q.value(at++); };
    auto text = [&] { return textOf(next()); };
    PrintData d;
    d.company = {text(), text(), text(), text(), text(), text(), text(), text(), text(), text()};
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
    if (booking)
        d.berths = booking->berthNames;
    auto payments = Ledger::lines(db, d.id);
    if (!payments)
        return payments.failure();
    d.payments = std::move(*payments);
    if (const auto held = Ledger::account(db, d.id))
        d.invoiceNumber = held->invoiceNumber;
    const auto boatId = Sql::scalar(db, QStringLiteral("SELECT BoatID FROM Booking WHERE ID = ?"), {d.id}, &error);
    if (!boatId)
        return databaseFailure(error);
    if (!boatId->isNull()) {
        // A boat removed since leaves the document without one, as a booking never given one.
        const auto boat = Boats::load(db, boatId->toInt());
        if (!boat && boat.kind() != FailureKind::Conflict)
            return boat.failure();
        if (boat)
            d.boat = Boats::boatLine(*boat);
    }
    return d;
}

QString signatureLine()
{
    return QCoreApplication::translate("BookingDocuments", "Signature: %1 Date: %2")
        .arg(QString(36, u'_'), QString(19, u'_'));
}

Doc::Document receipt(const PrintData& d)
{
    Doc::Document doc;
    doc.title = QCoreApplication::translate("BookingDocuments", "INVOICE");
    Doc::Record heading = companyHeading(d.company);
    heading << Doc::field(QCoreApplication::translate("BookingDocuments", "VAT No:"), d.company.vatNo, 110, Line)
            << Doc::space(6) << Doc::picture(logo(), 48) << Doc::space(4) << Doc::rule()
            << Doc::text(QCoreApplication::translate("BookingDocuments", "INVOICE"), Title);
    doc.body << heading;

    constexpr double w = 170; // label column
    doc.body << Doc::Record{
        Doc::field(QCoreApplication::translate("BookingDocuments", "Invoice Number:"),
                   QString::number(d.invoiceNumber.value_or(d.id)), w, Line),
        Doc::field(QCoreApplication::translate("BookingDocuments", "Booking Date:"), dateText(d.fromDate), w, Line),
        Doc::field(QCoreApplication::translate("BookingDocuments", "Departure Date:"), dateText(d.toDate), w, Line),
        Doc::field(QCoreApplication::translate("BookingDocuments", "Berth(s):"), d.berths.join(QStringLiteral(", ")), w,
                   Line),
        Doc::field(QCoreApplication::translate("BookingDocuments", "Booked By:"), d.bookedBy, w, LastLine)};
    Doc::Record customer;
    for (const QString& part : {d.customer.name, d.customer.houseName, d.customer.street, d.customer.area,
                                d.customer.town, d.customer.postcode})
        customer << Doc::text(part, Line);
    if (!d.boat.isEmpty())
        customer << Doc::field(QCoreApplication::translate("BookingDocuments", "Boat:"), d.boat, w, Line);
    customer.last().style.spaceAfter = 10;
    doc.body << customer;

    const Qt::Alignment right = Qt::AlignRight;
    auto amount = [&](const QString& label, Money value) {
        return Doc::row({{label, 2}, {value.formatGrouped(), 1, right}, {QString(), 2}}, Line);
    };
    Doc::Record charges{Doc::text(QCoreApplication::translate("BookingDocuments", "Booking charges,"), Bold),
                        amount(QCoreApplication::translate("BookingDocuments", "Cost Of Hire:"), d.costOfHire)};
    // The hire's lines under it, indented, their amounts in the same column.
    for (const Pricing::Line& line : d.charges)
        charges << Doc::row({{QStringLiteral("    ") + BookingPricing::lineLabel(line), 2},
                             {line.amount.formatGrouped(), 1, right},
                             {QString(), 2}},
                            Line);
    charges << amount(QCoreApplication::translate("BookingDocuments", "Other Charges:"), d.otherCharges)
            << amount(QCoreApplication::translate("BookingDocuments", "VAT:"), d.vat)
            << amount(QCoreApplication::translate("BookingDocuments", "Total Payable:"), d.totalPayable)
            << amount(QCoreApplication::translate("BookingDocuments", "Amount Payed:"), d.amountPayed);
    // What was paid, line by line, and what is left to pay.
    for (const Ledger::Line& line : d.payments)
        charges << Doc::row(
            {{QStringLiteral("    %1  %2").arg(DateTimes::dateText(line.paidAt.date()), Ledger::kindText(line.kind)),
              2},
             {line.amount.formatGrouped(), 1, right},
             {line.reference, 2}},
            Line);
    const Money balance = d.totalPayable - d.amountPayed;
    charges << amount(balance < Money() ? QCoreApplication::translate("BookingDocuments", "In Credit:")
                                        : QCoreApplication::translate("BookingDocuments", "Balance Due:"),
                      balance < Money() ? Money() - balance : balance)
            << Doc::space(10);
    doc.body << charges;
    doc.body << Doc::Record{Doc::field(QCoreApplication::translate("BookingDocuments", "Berth Confirmation Number:"),
                                       d.berthConfirmationNumber, w, Line),
                            Doc::field(QCoreApplication::translate("BookingDocuments", "Guest Confirmation Number:"),
                                       d.guestConfirmationNumber, w, LastLine)};
    doc.body << paragraphs(QCoreApplication::translate("BookingDocuments", "Notes:"), d.notes, w);
    doc.body << Doc::Record{Doc::space(12), Doc::text(d.company.receiptFooter, {.italic = true})};
    return doc;
}

Doc::Document reservationForm(const PrintData& d)
{
    Doc::Document doc;
    doc.title = QCoreApplication::translate("BookingDocuments", "Reservation Form");
    doc.pageFooter << Doc::text(signatureLine(), Line);
    doc.body << (companyHeading(d.company) << Doc::space(6) << Doc::picture(logo(), 48) << Doc::rule());

    constexpr double w = 150;
    doc.body << Doc::Record{
        Doc::text(QCoreApplication::translate("BookingDocuments", "Reservation Form"), Title),
        Doc::field(QCoreApplication::translate("BookingDocuments", "Reservation Number:"), QString::number(d.id), w,
                   Line),
        Doc::field(QCoreApplication::translate("BookingDocuments", "From Date:"), dateText(d.fromDate), w, Line),
        Doc::field(QCoreApplication::translate("BookingDocuments", "To Date:"), dateText(d.toDate), w, Line),
        Doc::field(QCoreApplication::translate("BookingDocuments", "Berth(s):"), d.berths.join(QStringLiteral(", ")), w,
                   LastLine)};
    const Customer& c = d.customer;
    Doc::Record customer;
    const QList<std::pair<QString, QString>> fields = {
        {QCoreApplication::translate("BookingDocuments", "Name:"), c.name},
        {QCoreApplication::translate("BookingDocuments", "HouseName:"), c.houseName},
        {QCoreApplication::translate("BookingDocuments", "Street:"), c.street},
        {QCoreApplication::translate("BookingDocuments", "Area:"), c.area},
        {QCoreApplication::translate("BookingDocuments", "Town:"), c.town},
        {QCoreApplication::translate("BookingDocuments", "Postcode:"), c.postcode},
        {QCoreApplication::translate("BookingDocuments", "TelNo:"), c.telNo},
        {QCoreApplication::translate("BookingDocuments", "MobileNo:"), c.mobileNo},
        {QCoreApplication::translate("BookingDocuments", "EmailAddress:"), c.emailAddress}};
    for (const auto& [label, value] : fields)
        customer << Doc::field(label, value, w, Line);
    if (!d.boat.isEmpty())
        customer << Doc::field(QCoreApplication::translate("BookingDocuments", "Boat:"), d.boat, w, Line);
    doc.body << customer;
    doc.body << paragraphs(QCoreApplication::translate("BookingDocuments", "Client Notes:"), c.notes, w);
    doc.body << Doc::Record{
        Doc::field(QCoreApplication::translate("BookingDocuments", "ClubMember:"),
                   c.clubMember ? QCoreApplication::translate("BookingDocuments", "Yes")
                                : QCoreApplication::translate("BookingDocuments", "No"),
                   w, Line),
        Doc::field(QCoreApplication::translate("BookingDocuments", "MembershipNo:"), c.membershipNo, w, LastLine)};
    doc.body << paragraphs(QCoreApplication::translate("BookingDocuments", "Reservation Notes:"), d.notes, w);
    doc.body << Doc::Record{
        Doc::text(QCoreApplication::translate("BookingDocuments", "Reservation Terms and Conditions:"), Bold)};
    QList<Doc::Record> terms = paragraphs(QString(), d.company.terms, 0);
    for (Doc::Record& record : terms)
        record = {Doc::text(record.first().value, Line)};
    // The heading stays with the first paragraph of the terms.
    doc.body.last() << terms.takeFirst();
    doc.body << terms;
    return doc;
}

} // namespace BookingDocuments
