#pragma once

#include "core/Result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// Months closed by a manager: their bookings (by the day of departure) and their ledger lines stay as they are and
/// are put right by lines dated now (the database's triggers refuse anything else). Closing and reopening are rows
/// added to ClosedPeriod, never changed, so the list is also the record of who did which when.
namespace ClosedPeriods {

/// One close or reopen, as recorded.
struct Entry
{
    QDate month; // its first day
    bool closed = true;
    QString who;
    QString desk;
    QDateTime at;
};

enum class Act
{
    Close, // a manager's act
    Reopen // an administrator's
};
/// Whether the one acting now may do act: on a file, by the role the sign-in gave (anyone while nobody has signed
/// in); a server checks again by the login's own role.
bool allowed(Act act);

/// Whether the month of day is closed now.
Result<bool> isClosed(const QSqlDatabase& db, const QDate& day);
/// The months closed now, earliest first (their first days).
Result<QList<QDate>> closedMonths(const QSqlDatabase& db);
/// Every close and reopen, latest first.
Result<QList<Entry>> record(const QSqlDatabase& db);

/// Closes the month of day. Refused for a month not yet over (today's or later), one already closed, or one outside
/// 2000 to 2100; recorded with who acts now.
Status close(const QSqlDatabase& db, const QDate& day, const QDate& today);
/// Reopens a closed month, recorded as the close is.
Status reopen(const QSqlDatabase& db, const QDate& day);

/// The month as the lists and messages name it ("March 2026").
QString monthName(const QDate& day);
/// What a refused change says about the month of day.
QString refusal(const QDate& day);

} // namespace ClosedPeriods
