#include "contracts/ContractLists.h"

#include "contracts/ContractRenewals.h"
#include "contracts/ContractStore.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>

namespace ContractLists {
namespace {

} // namespace

Result<List> byBerthType(const QSqlDatabase& db)
{
    const auto rows = ContractStore::list(db);
    if (!rows)
        return rows.failure();
    List list{
        QCoreApplication::translate("ContractLists", "Contracts by berth type"),
        QStringLiteral("Contracts by berth type"),
        {QCoreApplication::translate("ContractLists", "Berth type"),
         QCoreApplication::translate("ContractLists", "Contract"),
         QCoreApplication::translate("ContractLists", "Holder"), QCoreApplication::translate("ContractLists", "Berths"),
         QCoreApplication::translate("ContractLists", "Term"), QCoreApplication::translate("ContractLists", "From"),
         QCoreApplication::translate("ContractLists", "To"), QCoreApplication::translate("ContractLists", "Price"),
         QCoreApplication::translate("ContractLists", "Balance")},
        {Value::Text, Value::Text, Value::Text, Value::Text, Value::Text, Value::Day, Value::Day, Value::Money,
         Value::Money},
        {}};
    for (const ContractStore::Row& r : *rows)
        list.rows << QVariantList{r.berthType, QString::number(r.id), r.holder,          r.berths, r.term, r.firstDay,
                                  r.lastDay,   r.total.toDb(),        r.balance().toDb()};
    return list;
}

Result<List> renewalsDue(const QSqlDatabase& db, const QDate& first, const QDate& last)
{
    const auto due = ContractRenewals::due(db, first, last);
    if (!due)
        return due.failure();
    List list{
        QCoreApplication::translate("ContractLists", "Renewals due from %1 to %2")
            .arg(DateTimes::dateText(first), DateTimes::dateText(last)),
        QStringLiteral("Renewals due"),
        {QCoreApplication::translate("ContractLists", "Contract"),
         QCoreApplication::translate("ContractLists", "Holder"), QCoreApplication::translate("ContractLists", "Boat"),
         QCoreApplication::translate("ContractLists", "Berths"), QCoreApplication::translate("ContractLists", "Ends"),
         QCoreApplication::translate("ContractLists", "This term"),
         QCoreApplication::translate("ContractLists", "Next term"),
         QCoreApplication::translate("ContractLists", "Balance")},
        {Value::Text, Value::Text, Value::Text, Value::Text, Value::Day, Value::Money, Value::Money, Value::Money},
        {}};
    for (const ContractRenewals::Due& d : *due)
        list.rows << QVariantList{QString::number(d.contractId),
                                  d.holder.name,
                                  d.boat,
                                  d.berths.join(QStringLiteral(", ")),
                                  d.lastDay,
                                  d.hire.toDb(),
                                  d.nextHire ? d.nextHire->toDb() : QVariant(),
                                  d.balance.toDb()};
    return list;
}

Result<List> instalmentsDue(const QSqlDatabase& db, const QDate& today, const QDate& until)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(q,
                   QStringLiteral("SELECT K.ID, C.Name, K.Paid, I.Number, I.DueDate, I.Amount, I.InvoiceNumber FROM "
                                  "ContractInstalment I JOIN Contract K ON K.ID = I.ContractID LEFT JOIN Customer C ON "
                                  "C.ID = K.CustomerID WHERE K.Cancelled = 0 ORDER BY K.ID, I.DueDate, I.Number"),
                   {}, &error))
        return databaseFailure(error);
    List list{
        QCoreApplication::translate("ContractLists", "Instalments due to %1").arg(DateTimes::dateText(until)),
        QStringLiteral("Instalments due"),
        {QCoreApplication::translate("ContractLists", "Contract"),
         QCoreApplication::translate("ContractLists", "Holder"),
         QCoreApplication::translate("ContractLists", "Instalment"),
         QCoreApplication::translate("ContractLists", "Due"), QCoreApplication::translate("ContractLists", "Amount"),
         QCoreApplication::translate("ContractLists", "Invoice"), QCoreApplication::translate("ContractLists", "Owing"),
         QCoreApplication::translate("ContractLists", "State")},
        {Value::Text, Value::Text, Value::Text, Value::Day, Value::Money, Value::Text, Value::Money, Value::Text},
        {}};
    int contract = 0;
    Money covered; // what the contract's payments have left for its next instalments
    while (q.next()) {
        if (q.value(0).toInt() != contract) {
            contract = q.value(0).toInt();
            covered = Money::fromDb(q.value(2));
        }
        const Money amount = Money::fromDb(q.value(5));
        const Money taken = std::clamp(covered, Money(), amount);
        covered -= taken;
        const QDate due = QDate::fromString(q.value(4).toString(), Qt::ISODate);
        if (taken == amount || due > until)
            continue;
        list.rows << QVariantList{QString::number(contract),
                                  q.value(1).toString(),
                                  q.value(3).toString(),
                                  due,
                                  amount.toDb(),
                                  q.value(6).isNull() ? QString() : q.value(6).toString(),
                                  (amount - taken).toDb(),
                                  due < today ? QCoreApplication::translate("ContractLists", "Overdue")
                                              : QCoreApplication::translate("ContractLists", "Due")};
    }
    return list;
}

QString shown(const QVariant& value, Value kind)
{
    if (value.isNull() || !value.isValid())
        return QString();
    switch (kind) {
    case Value::Day:
        return DateTimes::dateText(value.toDate());
    case Value::Money:
        return Money::fromDb(value).formatGrouped();
    case Value::Text:
        break;
    }
    return value.toString();
}

Doc::Document printed(const List& list)
{
    Doc::Document doc;
    doc.title = list.title;
    doc.orientation = QPageLayout::Landscape;
    doc.reportHeader << Doc::text(list.title, {.pointSize = 14, .bold = true, .spaceAfter = 6});
    QList<Doc::Cell> heading;
    for (qsizetype i = 0; i < list.columns.size(); ++i)
        heading << Doc::Cell{list.columns[i], 1, list.kinds[i] == Value::Money ? Qt::AlignRight : Qt::AlignLeft, {}};
    doc.pageHeader << Doc::row(heading, {.bold = true}) << Doc::rule();
    doc.pageFooter << Doc::text(QCoreApplication::translate("ContractLists", "Page %p of %P"),
                                {.align = Qt::AlignRight});
    for (const QVariantList& row : list.rows) {
        QList<Doc::Cell> cells;
        for (qsizetype i = 0; i < list.columns.size(); ++i)
            cells << Doc::Cell{shown(row.value(i), list.kinds[i]),
                               1,
                               list.kinds[i] == Value::Money ? Qt::AlignRight : Qt::AlignLeft,
                               {}};
        doc.body << Doc::Record{Doc::row(cells, {.spaceAfter = 1})};
    }
    if (list.rows.isEmpty())
        doc.body << Doc::Record{Doc::text(QCoreApplication::translate("ContractLists", "Nothing to list."))};
    return doc;
}

} // namespace ContractLists
