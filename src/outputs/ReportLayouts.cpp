#include "outputs/ReportLayouts.h"

#include "core/DateTimes.h"

namespace ReportLayouts {

using BookingReports::List;

namespace {
constexpr double LabelWidth = 110; // points: the label column of the detail blocks

const Doc::Style TitleStyle{.pointSize = 16, .bold = true, .spaceAfter = 4};
const Doc::Style HeadingStyle{.pointSize = 11, .spaceAfter = 10};
const Doc::Style ColumnHeadStyle{.pointSize = 8, .bold = true};
const Doc::Style CellStyle{.pointSize = 9, .spaceAfter = 0};

// A money column of the sales summary.
Doc::Cell money(const QString& text)
{
    return {text, 1.1, Qt::AlignRight};
}
// The balance-due report has more amounts and longer labels over them.
Doc::Cell amount(const QString& text)
{
    return {text, 1.6, Qt::AlignRight};
}

Doc::Record reportHeader(const QString& title, const QString& heading)
{
    return {Doc::text(title, TitleStyle), Doc::text(heading, HeadingStyle), Doc::rule()};
}

Doc::Record detail(const BookingReports::ListRow& row)
{
    return {Doc::field(QStringLiteral("Booking added:"), row.created, LabelWidth),
            Doc::field(QStringLiteral("From:"), row.from, LabelWidth),
            Doc::field(QStringLiteral("To:"), row.to, LabelWidth),
            Doc::field(QStringLiteral("Customer:"), row.customer, LabelWidth),
            Doc::field(QStringLiteral("Berth(s):"), row.berths, LabelWidth),
            Doc::rule()};
}

Doc::Record salesDetail(const BookingReports::ListRow& row)
{
    // Three lines under "Date:": arrival, departure and when the booking was taken.
    const QString dates = row.from + u'\n' + row.to + u'\n' + row.created;
    return {Doc::row({{row.customer, 2.2},
                      {dates, 2.0},
                      {row.berths, 1.4},
                      money(row.costOfHire.formatGrouped()),
                      money(row.otherCharges.formatGrouped()),
                      money(row.vat.formatGrouped()),
                      money(row.totalPayable.formatGrouped())},
                     CellStyle),
            Doc::rule()};
}
} // namespace

Names namesOf(List list)
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

Doc::Document layout(List list, const BookingReports::BookingList& table)
{
    const Names names = namesOf(list);
    Doc::Document doc;
    doc.title = names.caption;
    doc.pageFooter << Doc::text(QStringLiteral("List: %p of %P"), {.pointSize = 9, .align = Qt::AlignRight});
    doc.body << reportHeader(names.title, table.heading);
    if (list == List::PeriodSales) {
        doc.pageHeader << Doc::row({{QStringLiteral("Client:"), 2.2},
                                    {QStringLiteral("Date:"), 2.0},
                                    {QStringLiteral("Unit"), 1.4},
                                    money(QStringLiteral("Hire ")),
                                    money(QStringLiteral("Other ")),
                                    money(QStringLiteral("VAT ")),
                                    money(QStringLiteral("Total "))},
                                   ColumnHeadStyle)
                       << Doc::rule();
        for (const auto& row : table.rows)
            doc.body << salesDetail(row);
    } else {
        for (const auto& row : table.rows)
            doc.body << detail(row);
    }
    return doc;
}

Doc::Document outstanding(const QList<BookingReports::BalanceDueRow>& rows, const QDateTime& now)
{
    Doc::Document doc;
    doc.title = QStringLiteral("Reservations With Balance Due");
    // Seven columns of names, dates and amounts read best across a landscape page.
    doc.orientation = QPageLayout::Landscape;
    doc.pageHeader << Doc::row({{QStringLiteral("Name:"), 1.7},
                                {QStringLiteral("Date:"), 1.5},
                                amount(QStringLiteral("Reservation:")),
                                amount(QStringLiteral("Other Charges:")),
                                amount(QStringLiteral("VAT:")),
                                amount(QStringLiteral("Payable:")),
                                amount(QStringLiteral("Payed:"))},
                               ColumnHeadStyle)
                   << Doc::rule();
    doc.body << reportHeader(doc.title, DateTimes::generalDateText(now));
    for (const auto& row : rows) {
        // The telephone number under the name, so the office can ring about the balance.
        doc.body << Doc::Record{
            Doc::row({{row.name + u'\n' + row.telNo, 1.7},
                      {row.fromDate.isValid() ? DateTimes::generalDateText(row.fromDate) : QString(), 1.5},
                      amount(row.costOfHire.formatGrouped()),
                      amount(row.otherCharges.formatGrouped()),
                      amount(row.vat.formatGrouped()),
                      amount(row.totalPayable.formatGrouped()),
                      amount(row.amountPayed.formatGrouped())},
                     CellStyle),
            Doc::rule()};
    }
    return doc;
}

} // namespace ReportLayouts
