#pragma once

#include "core/Result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// A holder's absences on a contract (ContractAway): for those nights the contract's berths are free to visitors.
/// Every change cuts the contract's hold again in its own transaction, so availability, the wizard and the chart
/// offer the berth at once, and the hold returns at noon of the day back, which a visitor's stay cannot run past.
namespace AwayPeriods {

/// The longest notes kept.
inline constexpr int MaxNoteLength = 200;

struct Away
{
    int id = 0; // 0 for a new one
    int contractId = 0;
    QDate firstDay;  // the first night away
    QDate returnDay; // back from noon of this day
    QString note;
    int nights() const { return int(firstDay.daysTo(returnDay)); }
};

/// The contract's absences by first day.
Result<QList<Away>> list(const QSqlDatabase& db, int contractId);

/// Saves a new absence (id 0) or changes one, checking inside the transaction: the contract in force, the days
/// inside its term (back at the latest the day after its last), at least one night, apart from its other absences,
/// and, for nights that go back under the hold, no visitor booked on them. Returns the absence's ID.
Result<int> save(const QSqlDatabase& db, const Away& away, const QDateTime& now);

/// Removes an absence, refused while a visitor is booked on its nights.
Status remove(const QSqlDatabase& db, int awayId);

/// Cuts the contract's hold on each of its berths to its term less its absences, inside the caller's transaction.
Status rehold(const QSqlDatabase& db, int contractId);

} // namespace AwayPeriods
