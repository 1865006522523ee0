#include "core/ClosedPeriods.h"

#include "core/Actor.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlQuery>

namespace ClosedPeriods {
namespace {

QString key(const QDate& day)
{
    return day.toString(QStringLiteral("yyyy-MM"));
}
QDate fromKey(const QString& month)
{
    return QDate::fromString(month + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
}
// The latest row of each month says whether it is closed.
const QString ClosedNow = QStringLiteral(
    "SELECT c.Month FROM ClosedPeriod c WHERE c.Closed = 1 AND c.ID = (SELECT MAX(ID) FROM ClosedPeriod WHERE Month = "
    "c.Month)");

Status addRow(const QSqlDatabase& db, const QDate& day, bool closed)
{
    const Actor::Who who = Actor::current();
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    const auto now = isClosed(db, day);
    if (!now)
        return now.failure();
    if (*now == closed)
        return conflict(closed
                            ? QCoreApplication::translate("ClosedPeriods", "%1 is already closed.").arg(monthName(day))
                            : QCoreApplication::translate("ClosedPeriods", "%1 is not closed.").arg(monthName(day)));
    QString error;
    if (!Sql::exec(
            db, QStringLiteral("INSERT INTO ClosedPeriod (Month, Closed, Who, Desk, ChangedAt) VALUES (?, ?, ?, ?, ?)"),
            {key(day), closed ? 1 : 0, who.user.isEmpty() ? who.machine : who.user, who.machine,
             DateTimes::dbDateTime(DateTimes::wallTime(QDate::currentDate(), QTime::currentTime()))},
            &error) ||
        !tx.commit(&error)) {
        // A server refuses a role that may not (its row-level security), in its own words.
        if (error.contains(QStringLiteral("row-level security")) || error.contains(QStringLiteral("permission")))
            return refused(
                closed ? QCoreApplication::translate("ClosedPeriods", "Only a manager may close a month.")
                       : QCoreApplication::translate("ClosedPeriods", "Only an administrator may reopen a month."));
        return databaseFailure(error);
    }
    return Done{};
}

} // namespace

bool allowed(Act act)
{
    const QString role = Actor::current().role.toLower();
    if (role.isEmpty())
        return true;
    if (role == QStringLiteral("administrator"))
        return true;
    return act == Act::Close && role == QStringLiteral("manager");
}

Result<bool> isClosed(const QSqlDatabase& db, const QDate& day)
{
    QString error;
    const auto closed = Sql::scalar(
        db,
        QStringLiteral(
            "SELECT COALESCE((SELECT Closed FROM ClosedPeriod WHERE Month = ? ORDER BY ID DESC LIMIT 1), 0)"),
        {key(day)}, &error);
    if (!closed)
        return databaseFailure(error);
    return closed->toInt() == 1;
}

Result<QList<QDate>> closedMonths(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, ClosedNow + QStringLiteral(" ORDER BY c.Month"), {}, &error))
        return databaseFailure(error);
    QList<QDate> months;
    while (q.next())
        months << fromKey(q.value(0).toString());
    return months;
}

Result<QList<Entry>> record(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    QString error;
    if (!Sql::exec(q, QStringLiteral("SELECT Month, Closed, Who, Desk, ChangedAt FROM ClosedPeriod ORDER BY ID DESC"),
                   {}, &error))
        return databaseFailure(error);
    QList<Entry> entries;
    while (q.next())
        entries << Entry{fromKey(q.value(0).toString()), q.value(1).toInt() == 1, q.value(2).toString(),
                         q.value(3).toString(), DateTimes::readDateTime(q.value(4))};
    return entries;
}

Status close(const QSqlDatabase& db, const QDate& day, const QDate& today)
{
    if (!day.isValid() || day.year() < 2000 || day.year() > 2100)
        return refused(QCoreApplication::translate("ClosedPeriods", "Choose a month from 2000 to 2100."));
    if (QDate(day.year(), day.month(), 1) >= QDate(today.year(), today.month(), 1))
        return refused(
            QCoreApplication::translate("ClosedPeriods", "%1 is not over yet: a month is closed once it has ended.")
                .arg(monthName(day)));
    return addRow(db, day, true);
}

Status reopen(const QSqlDatabase& db, const QDate& day)
{
    if (!day.isValid())
        return refused(QCoreApplication::translate("ClosedPeriods", "Choose a month to reopen."));
    return addRow(db, day, false);
}

QString monthName(const QDate& day)
{
    // The date style in use without its day: "03/2026", "2026-03", "03.2026".
    QString pattern = DateTimes::dateFormat();
    pattern.remove(QRegularExpression(QStringLiteral("dd[./-]|[./-]dd")));
    return day.toString(pattern);
}

QString refusal(const QDate& day)
{
    return QCoreApplication::translate(
               "ClosedPeriods",
               "%1 is closed: its bookings and ledger lines are kept as they are. Put it right with a correction "
               "dated today.")
        .arg(monthName(day));
}

} // namespace ClosedPeriods
