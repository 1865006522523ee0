#include "outputs/CashUpReport.h"

#include "core/DateTimes.h"

#include <QCoreApplication>

namespace CashUpReport {

namespace {

const Doc::Style TitleStyle{.pointSize = 16, .bold = true, .spaceAfter = 4};
const Doc::Style HeadingStyle{.pointSize = 11, .spaceAfter = 10};
const Doc::Style SectionStyle{.pointSize = 11, .bold = true, .spaceAfter = 4};
const Doc::Style ColumnHeadStyle{.pointSize = 8, .bold = true};
const Doc::Style CellStyle{.pointSize = 9, .spaceAfter = 0};
const Doc::Style TotalStyle{.pointSize = 9, .bold = true, .spaceAfter = 12};

QString dateText(const QDate& date)
{
    return date.toString(DateTimes::dateFormat());
}

Doc::Cell amount(const QString& text)
{
    return {text, 1.2, Qt::AlignRight};
}

QList<Doc::Cell> cells(const Ledger::Takings& t)
{
    return {{t.name, 2.4},
            {QString::number(t.lines), 0.7, Qt::AlignRight},
            amount(t.received.formatGrouped()),
            amount(t.refunded.formatGrouped()),
            amount(t.corrected.formatGrouped()),
            amount(t.credit.formatGrouped()),
            amount(t.total().formatGrouped())};
}

// One grouping: its name over the columns, a row per group, the period's total beneath.
QList<Doc::Record> section(const QString& title, const QString& nameColumn, const QList<Ledger::Takings>& groups,
                           const Ledger::Takings& overall)
{
    QList<Doc::Record> records;
    records << Doc::Record{Doc::text(title, SectionStyle),
                           Doc::row({{nameColumn, 2.4},
                                     {QCoreApplication::translate("CashUpReport", "Lines"), 0.7, Qt::AlignRight},
                                     amount(QCoreApplication::translate("CashUpReport", "Received")),
                                     amount(QCoreApplication::translate("CashUpReport", "Refunded")),
                                     amount(QCoreApplication::translate("CashUpReport", "Corrections")),
                                     amount(QCoreApplication::translate("CashUpReport", "Credit")),
                                     amount(QCoreApplication::translate("CashUpReport", "Total"))},
                                    ColumnHeadStyle),
                           Doc::rule()};
    for (const Ledger::Takings& group : groups)
        records << Doc::Record{Doc::row(cells(group), CellStyle)};
    records << Doc::Record{Doc::rule(), Doc::row(cells(overall), TotalStyle)};
    return records;
}

} // namespace

Doc::Document document(const Ledger::CashUp& cash, const QDateTime& now)
{
    Doc::Document doc;
    doc.title = QCoreApplication::translate("CashUpReport", "Cash-up");
    doc.orientation = QPageLayout::Landscape;
    doc.pageFooter << Doc::text(QCoreApplication::translate("CashUpReport", "Cash-up: page %p of %P"),
                                {.pointSize = 8, .align = Qt::AlignRight});
    const QString period =
        cash.first == cash.last
            ? dateText(cash.first)
            : QCoreApplication::translate("CashUpReport", "%1 to %2").arg(dateText(cash.first), dateText(cash.last));
    doc.reportHeader = {
        Doc::text(doc.title + QStringLiteral(" ") + period, TitleStyle),
        Doc::text(QCoreApplication::translate("CashUpReport",
                                              "Payments, refunds and corrections recorded in the period; printed %1.")
                      .arg(DateTimes::generalDateText(now)),
                  HeadingStyle)};
    if (cash.overall.lines == 0)
        doc.reportHeader << Doc::text(
            QCoreApplication::translate("CashUpReport", "Nothing was recorded in this period."), HeadingStyle);
    doc.body << section(QCoreApplication::translate("CashUpReport", "By method"),
                        QCoreApplication::translate("CashUpReport", "Method"), cash.byMethod, cash.overall);
    doc.body << section(QCoreApplication::translate("CashUpReport", "By desk"),
                        QCoreApplication::translate("CashUpReport", "Desk"), cash.byDesk, cash.overall);
    return doc;
}

CsvExport::Table table(const Ledger::CashUp& cash)
{
    using CsvExport::ValueKind;
    CsvExport::Table table;
    // Names as a program reading the file goes by them, as the other exports' headers are the columns' names.
    table.columns = {QStringLiteral("Group"),    QStringLiteral("Name"),        QStringLiteral("First"),
                     QStringLiteral("Last"),     QStringLiteral("Lines"),       QStringLiteral("Received"),
                     QStringLiteral("Refunded"), QStringLiteral("Corrections"), QStringLiteral("Credit"),
                     QStringLiteral("Total")};
    table.kinds = {ValueKind::Plain, ValueKind::Plain, ValueKind::DateTime, ValueKind::DateTime, ValueKind::Plain,
                   ValueKind::Money, ValueKind::Money, ValueKind::Money,    ValueKind::Money,    ValueKind::Money};
    const auto add = [&](const QString& group, const Ledger::Takings& t) {
        table.rows << QVariantList{group,
                                   t.name,
                                   cash.first,
                                   cash.last,
                                   qlonglong(t.lines),
                                   t.received.toDb(),
                                   t.refunded.toDb(),
                                   t.corrected.toDb(),
                                   t.credit.toDb(),
                                   t.total().toDb()};
    };
    for (const Ledger::Takings& t : cash.byMethod)
        add(QStringLiteral("Method"), t);
    for (const Ledger::Takings& t : cash.byDesk)
        add(QStringLiteral("Desk"), t);
    add(QStringLiteral("Total"), cash.overall);
    return table;
}

QString fileName(const Ledger::CashUp& cash)
{
    const QString first = cash.first.toString(QStringLiteral("yyyy-MM-dd"));
    return cash.first == cash.last
               ? QStringLiteral("Cashup %1").arg(first)
               : QStringLiteral("Cashup %1 to %2").arg(first, cash.last.toString(QStringLiteral("yyyy-MM-dd")));
}

} // namespace CashUpReport
