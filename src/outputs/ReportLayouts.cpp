#include "outputs/ReportLayouts.h"

#include "core/DateTimes.h"

#include <QCoreApplication>

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

QList<Doc::Block> reportHeader(const QString& title, const QString& heading)
{
    return {Doc::text(title, TitleStyle), Doc::text(heading, HeadingStyle), Doc::rule()};
}

Doc::Record detail(const BookingReports::ListRow& row)
{
    return {Doc::field(QCoreApplication::translate("ReportLayouts", "Booking added:"), row.created, LabelWidth),
            Doc::field(QCoreApplication::translate("ReportLayouts", "From:"), row.from, LabelWidth),
            Doc::field(QCoreApplication::translate("ReportLayouts", "To:"), row.to, LabelWidth),
            Doc::field(QCoreApplication::translate("ReportLayouts", "Customer:"), row.customer, LabelWidth),
            Doc::field(QCoreApplication::translate("ReportLayouts", "Berth(s):"), row.berths, LabelWidth),
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
        return {QStringLiteral("rptAllBooking"), QCoreApplication::translate("ReportLayouts", "Report of Booking"),
                QCoreApplication::translate("ReportLayouts", "List of all up comming bookings")};
    case List::TakenToday:
        return {QStringLiteral("rptTodaysBooking"),
                QCoreApplication::translate("ReportLayouts", "List of today bookings"),
                QCoreApplication::translate("ReportLayouts", "List of today bookings")};
    case List::CheckOutsToday:
        return {QStringLiteral("rptTodayLeft"),
                QCoreApplication::translate("ReportLayouts", "List of todays checkouts left to be completed"),
                QCoreApplication::translate("ReportLayouts", "List of todays checkouts left to be completed")};
    case List::ArrivalsToday:
        return {QStringLiteral("rptArrivalsToday"), QCoreApplication::translate("ReportLayouts", "Arrivals today"),
                QCoreApplication::translate("ReportLayouts", "Arrivals today")};
    case List::DeparturesToday:
        return {QStringLiteral("rptDeparturesToday"), QCoreApplication::translate("ReportLayouts", "Departures today"),
                QCoreApplication::translate("ReportLayouts", "Departures today")};
    case List::PeriodSales:
        break;
    }
    return {QStringLiteral("rptPeriodsales"), QCoreApplication::translate("ReportLayouts", "Period Sales"),
            QCoreApplication::translate("ReportLayouts", "Period Sales")};
}

Doc::Document layout(List list, const BookingReports::BookingList& table)
{
    const Names names = namesOf(list);
    Doc::Document doc;
    doc.title = names.caption;
    doc.pageFooter << Doc::text(QCoreApplication::translate("ReportLayouts", "List: %p of %P"),
                                {.pointSize = 9, .align = Qt::AlignRight});
    doc.reportHeader = reportHeader(names.title, table.heading);
    if (list == List::PeriodSales) {
        doc.pageHeader << Doc::row({{QCoreApplication::translate("ReportLayouts", "Client:"), 2.2},
                                    {QCoreApplication::translate("ReportLayouts", "Date:"), 2.0},
                                    {QCoreApplication::translate("ReportLayouts", "Unit"), 1.4},
                                    money(QCoreApplication::translate("ReportLayouts", "Hire ")),
                                    money(QCoreApplication::translate("ReportLayouts", "Other ")),
                                    money(QCoreApplication::translate("ReportLayouts", "VAT ")),
                                    money(QCoreApplication::translate("ReportLayouts", "Total "))},
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
    doc.title = QCoreApplication::translate("ReportLayouts", "Reservations With Balance Due");
    // Seven columns of names, dates and amounts read best across a landscape page.
    doc.orientation = QPageLayout::Landscape;
    doc.pageHeader << Doc::row({{QCoreApplication::translate("ReportLayouts", "Name:"), 1.7},
                                {QCoreApplication::translate("ReportLayouts", "Date:"), 1.5},
                                amount(QCoreApplication::translate("ReportLayouts", "Reservation:")),
                                amount(QCoreApplication::translate("ReportLayouts", "Other Charges:")),
                                amount(QCoreApplication::translate("ReportLayouts", "VAT:")),
                                amount(QCoreApplication::translate("ReportLayouts", "Payable:")),
                                amount(QCoreApplication::translate("ReportLayouts", "Payed:"))},
                               ColumnHeadStyle)
                   << Doc::rule();
    doc.reportHeader = reportHeader(doc.title, DateTimes::dateTimeText(now));
    for (const auto& row : rows) {
        // The telephone number under the name, so the office can ring about the balance.
        doc.body << Doc::Record{
            Doc::row({{row.name + u'\n' + row.telNo, 1.7},
                      {row.fromDate.isValid() ? DateTimes::dateTimeText(row.fromDate) : QString(), 1.5},
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

Doc::Document paymentsDue(const QList<Ledger::Owing>& rows, const QDateTime& now)
{
    Doc::Document doc;
    doc.title = QCoreApplication::translate("ReportLayouts", "Payments due");
    doc.orientation = QPageLayout::Landscape;
    doc.pageHeader << Doc::row({{QCoreApplication::translate("ReportLayouts", "Name:"), 1.7},
                                {QCoreApplication::translate("ReportLayouts", "Conf. No:"), 0.8},
                                {QCoreApplication::translate("ReportLayouts", "Arrival:"), 1.3},
                                {QCoreApplication::translate("ReportLayouts", "Due by:"), 1},
                                amount(QCoreApplication::translate("ReportLayouts", "Payable:")),
                                amount(QCoreApplication::translate("ReportLayouts", "Paid:")),
                                amount(QCoreApplication::translate("ReportLayouts", "Owed:")),
                                amount(QCoreApplication::translate("ReportLayouts", "Due now:"))},
                               ColumnHeadStyle)
                   << Doc::rule();
    doc.reportHeader = reportHeader(doc.title, DateTimes::dateTimeText(now));
    const QDate today = now.date();
    const QString groups[] = {QCoreApplication::translate("ReportLayouts", "Overdue"),
                              QCoreApplication::translate("ReportLayouts", "Due within 7 days"),
                              QCoreApplication::translate("ReportLayouts", "Due later")};
    for (int group = 0; group < 3; ++group) {
        Money owed;
        Money dueNow;
        QList<Doc::Record> lines;
        for (const Ledger::Owing& row : rows) {
            const QDate by = row.due.nextDueBy;
            const int rowGroup = by < today ? 0 : (by <= today.addDays(7) ? 1 : 2);
            if (rowGroup != group)
                continue;
            owed += row.due.owed;
            dueNow += row.due.owedNow;
            lines << Doc::Record{Doc::row({{row.customer, 1.7},
                                           {row.confirmationNumber, 0.8},
                                           {DateTimes::dateTimeText(row.arrival), 1.3},
                                           {DateTimes::dateText(by), 1},
                                           amount(row.total.formatGrouped()),
                                           amount(row.paid.formatGrouped()),
                                           amount(row.due.owed.formatGrouped()),
                                           amount(row.due.owedNow.formatGrouped())},
                                          CellStyle)};
        }
        if (lines.isEmpty())
            continue;
        doc.body << Doc::Record{Doc::text(groups[group], ColumnHeadStyle)};
        doc.body << lines;
        doc.body << Doc::Record{
            Doc::row({{QCoreApplication::translate("ReportLayouts", "Total %1").arg(groups[group].toLower()), 4.8},
                      amount(QString()),
                      amount(QString()),
                      amount(owed.formatGrouped()),
                      amount(dueNow.formatGrouped())},
                     CellStyle),
            Doc::rule()};
    }
    return doc;
}

} // namespace ReportLayouts
