#pragma once

#include "meters/MeterStore.h"
#include "rates/Pricing.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>

/// Contracts billed by the meter. For a chosen period, each meter of a contract's berths is billed from the reading
/// that opens the period (or the contract's first reading, or where its last bill ended) to its last reading in the
/// period, priced with the tariff in force each day, the standing charge for the days between the two readings.
/// Each contract's lines make one invoice of its own: a new instalment issued at once with the next invoice number,
/// the contract's tax and total raised by it, so its balance and payments follow as for any instalment. An invoice
/// of its own, because the use is already past and the invoices of the plan may already be issued; the instalment
/// keeps the holder's money on the contract's one ledger. A period once billed is never billed again.
namespace ContractMeters {

/// One meter's period for one contract.
struct Line
{
    int contractId = 0;
    QString holder;
    QString berth;
    Meters::Meter meter;
    qint64 fromReadingId = 0;
    qint64 toReadingId = 0;
    QDate firstDay; // of the opening reading
    QDate endDay;   // of the closing reading
    Meters::Read read;
    Meters::Bill bill;
    QString why; // when there is nothing to bill: why not
    bool billable() const { return why.isEmpty(); }
};

/// One contract's invoice of its meters.
struct Invoice
{
    int contractId = 0;
    QString holder;
    Money net;
    Money tax;
    Money total;
    int instalment = 0;       // once billed
    qint64 invoiceNumber = 0; // once billed
};

struct Run
{
    QList<Line> lines;
    QList<Invoice> invoices; // one per contract with something to bill
};

/// The longest period billed in one run.
inline constexpr int MostDays = 366;

/// Refused for a period without both days, ending before it starts, or longer than MostDays.
Status checkPeriod(const QDate& from, const QDate& to);

/// What billing the period would do, nothing written: every meter of every contract in force in the period, with
/// its bill or why there is none.
Result<Run> dryRun(const QSqlDatabase& db, const QDate& from, const QDate& to);

/// Bills the period in one transaction that works the dry run out again inside it, so two desks billing at once
/// bill each period once: the charges kept with their breakdown, and each contract's invoice issued. desk names who.
Result<Run> bill(const QSqlDatabase& db, const QDate& from, const QDate& to, const QDateTime& now, const QString& desk);

/// The meters' charges billed to a contract so far, tax and total: what its total carries beyond its hire.
Result<Pricing::Charges> billed(const QSqlDatabase& db, int contractId);

} // namespace ContractMeters
