#include "outputs/ReportLayouts.h"

#include "core/modFunctions.h"

namespace ReportLayouts {

using ReportData::List;

namespace {
constexpr double LabelWidth = 110; // points: the label column of the detail blocks

const Doc::Style TitleStyle{.pointSize = 16, .bold = true, .spaceAfter = 4};
const Doc::Style HeadingStyle{.pointSize = 11, .spaceAfter = 10};
const Doc::Style ColumnHeadStyle{.pointSize = 8, .bold = true};
const Doc::Style CellStyle{.pointSize = 9, .spaceAfter = 0};

// A money column of the sales summary.
Doc::Cell Money(const QString& text)
{
    return {text, 1.1, Qt::AlignRight};
}
// The balance-due report has more amounts and longer labels over them.
Doc::Cell Amount(const QString& text)
{
    return {text, 1.6, Qt::AlignRight};
}

Doc::Record ReportHeader(const QString& title, const QString& heading)
{
    return {Doc::Text(title, TitleStyle), Doc::Text(heading, HeadingStyle), Doc::Rule()};
}

Doc::Record Detail(const ReportData::ListRow& row)
{
    return {Doc::Field(QStringLiteral("Booking added:"), row.created, LabelWidth),
            Doc::Field(QStringLiteral("From:"), row.from, LabelWidth),
            Doc::Field(QStringLiteral("To:"), row.to, LabelWidth),
            Doc::Field(QStringLiteral("Customer:"), row.customer, LabelWidth),
            Doc::Field(QStringLiteral("Berth(s):"), row.berths, LabelWidth),
            Doc::Rule()};
}

Doc::Record SalesDetail(const ReportData::ListRow& row)
{
    // Three lines under "Date:": arrival, departure and when the booking was taken.
    const QString dates = row.from + u'\n' + row.to + u'\n' + row.created;
    return {Doc::Row({{row.customer, 2.2},
                      {dates, 2.0},
                      {row.berths, 1.4},
                      Money(row.costOfHire.FormatGrouped()),
                      Money(row.otherCharges.FormatGrouped()),
                      Money(row.vat.FormatGrouped()),
                      Money(row.totalPayable.FormatGrouped())},
                     CellStyle),
            Doc::Rule()};
}
} // namespace

Names NamesOf(List list)
{
    switch (list) {
    case List::AllBookings:
        return {QStringLiteral("rptAllBooking"), QStringLiteral("Report of Booking"),
                QStringLiteral("List of all up comming bookings")};
    case List::TakenToday:
        return {QStringLiteral("rptTodaysBooking"), QStringLiteral("List of today bookings"),
                QStringLiteral("List of today bookings")};
    case List::CheckOutsToday:
        return {QStringLiteral("rptTodayLeft"), QStringLiteral("List of todays checkouts left to be completed"),
                QStringLiteral("List of todays checkouts left to be completed")};
    case List::PeriodSales:
        break;
    }
    return {QStringLiteral("rptPeriodsales"), QStringLiteral("Period Sales"), QStringLiteral("Period Sales")};
}

Doc::Document Layout(List list, const ReportData::BookingList& table)
{
    const Names names = NamesOf(list);
    Doc::Document doc;
    doc.title = names.caption;
    doc.pageFooter << Doc::Text(QStringLiteral("List: %p of %P"), {.pointSize = 9, .align = Qt::AlignRight});
    doc.body << ReportHeader(names.title, table.heading);
    if (list == List::PeriodSales) {
        doc.pageHeader << Doc::Row({{QStringLiteral("Client:"), 2.2},
                                    {QStringLiteral("Date:"), 2.0},
                                    {QStringLiteral("Unit"), 1.4},
                                    Money(QStringLiteral("Hire ")),
                                    Money(QStringLiteral("Other ")),
                                    Money(QStringLiteral("VAT ")),
                                    Money(QStringLiteral("Total "))},
                                   ColumnHeadStyle)
                       << Doc::Rule();
        for (const auto& row : table.rows)
            doc.body << SalesDetail(row);
    } else {
        for (const auto& row : table.rows)
            doc.body << Detail(row);
    }
    return doc;
}

Doc::Document Outstanding(const QList<ReportData::BalanceDueRow>& rows, const QDateTime& now)
{
    Doc::Document doc;
    doc.title = QStringLiteral("Reservations With Balance Due");
    // Seven columns of names, dates and amounts read best across a landscape page.
    doc.orientation = QPageLayout::Landscape;
    doc.pageHeader << Doc::Row({{QStringLiteral("Name:"), 1.7},
                                {QStringLiteral("Date:"), 1.5},
                                Amount(QStringLiteral("Reservation:")),
                                Amount(QStringLiteral("Other Charges:")),
                                Amount(QStringLiteral("VAT:")),
                                Amount(QStringLiteral("Payable:")),
                                Amount(QStringLiteral("Payed:"))},
                               ColumnHeadStyle)
                   << Doc::Rule();
    doc.body << ReportHeader(doc.title, modFunctions::GeneralDateText(now));
    for (const auto& row : rows) {
        // The telephone number under the name, so the office can ring about the balance.
        doc.body << Doc::Record{
            Doc::Row({{row.name + u'\n' + row.telNo, 1.7},
                      {row.fromDate.isValid() ? modFunctions::GeneralDateText(row.fromDate) : QString(), 1.5},
                      Amount(row.costOfHire.FormatGrouped()),
                      Amount(row.otherCharges.FormatGrouped()),
                      Amount(row.vat.FormatGrouped()),
                      Amount(row.totalPayable.FormatGrouped()),
                      Amount(row.amountPayed.FormatGrouped())},
                     CellStyle),
            Doc::Rule()};
    }
    return doc;
}

} // namespace ReportLayouts
