#pragma once

#include "core/Result.h"
#include "core/ui/Document.h"

#include <QDate>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariantList>

/// The office's lists of contracts: by berth type, renewals due in a period, and instalments due and overdue. Each
/// is a table of plain values (texts, days as QDate, money as stored) that prints and exports alike.
namespace ContractLists {

enum class Value
{
    Text,
    Day,
    Money
};

struct List
{
    QString title;
    QString fileName; // proposed for the export, without extension
    QStringList columns;
    QList<Value> kinds;
    QList<QVariantList> rows;
};

/// Every contract in force by berth type: holder, berths, term, days, price and balance.
Result<List> byBerthType(const QSqlDatabase& db);
/// Contracts ending from first to last and not renewed: this term's price and next term's (blank without a rate).
Result<List> renewalsDue(const QSqlDatabase& db, const QDate& first, const QDate& last);
/// The instalments of contracts in force falling due on or before until that what was paid does not cover (paid
/// money covers the instalments in date order), each "Overdue" when it fell due before today, else "Due".
Result<List> instalmentsDue(const QSqlDatabase& db, const QDate& today, const QDate& until);

/// A cell as the window and the printed list show it (days in the office's style, money with its sign).
QString shown(const QVariant& value, Value kind);
/// The list as a printed document, a row per line, headed by its title and columns on every page.
Doc::Document printed(const List& list);

} // namespace ContractLists
