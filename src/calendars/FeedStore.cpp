#include "calendars/FeedStore.h"

#include "bookings/FeedBlocks.h"
#include "calendars/FeedFetch.h"
#include "core/DateTimes.h"
#include "core/SqlHelpers.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace FeedStore {

Result<QList<Feed>> list(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    QString error;
    if (!Sql::exec(
            q,
            QStringLiteral("SELECT F.ID, F.BerthID, BE.Name, F.Url, F.LastRead, F.LastError, F.Events FROM "
                           "CalendarFeed F LEFT JOIN Berth BE ON BE.ID = F.BerthID ORDER BY BE.Name, F.Url, F.ID"),
            {}, &error))
        return databaseFailure(error);
    QList<Feed> feeds;
    while (q.next())
        feeds.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toString(), q.value(3).toString(),
                      DateTimes::readDateTime(q.value(4)), q.value(5).toString(), q.value(6).toInt()});
    if (q.lastError().isValid())
        return databaseFailure(q.lastError().text());
    return feeds;
}

Result<int> add(const QSqlDatabase& db, int berthId, const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.size() > MaxAddressLength)
        return refused(QCoreApplication::translate("FeedStore", "The address may be at most %1 characters long.")
                           .arg(MaxAddressLength));
    if (const auto url = FeedFetch::normalized(trimmed); !url)
        return url.failure();
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    QString error;
    QSqlQuery named(db);
    if (!Sql::exec(named, QStringLiteral("SELECT Name FROM Berth WHERE ID = ?"), {berthId}, &error))
        return databaseFailure(error);
    if (!named.next())
        return refused(QCoreApplication::translate("FeedStore", "Please choose the berth whose calendar this is."));
    const QString berth = named.value(0).toString();
    const auto same = Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM CalendarFeed WHERE BerthID = ? AND Url = ?"),
                                  {berthId, trimmed}, &error);
    if (!same)
        return databaseFailure(error);
    if (same->toInt() > 0)
        return refused(QCoreApplication::translate("FeedStore", "%1 already reads this calendar.").arg(berth));
    const auto id = Sql::insertReturningId(db, QStringLiteral("INSERT INTO CalendarFeed (BerthID, Url) VALUES (?, ?)"),
                                           {berthId, trimmed}, &error);
    if (!id)
        return databaseFailure(error);
    if (!tx.commit(&error))
        return databaseFailure(error);
    return int(*id);
}

Status remove(const QSqlDatabase& db, int feedId)
{
    Sql::Transaction tx(db, true);
    if (!tx.started())
        return databaseFailure(tx.error());
    if (Status released = FeedBlocks::release(db, feedId); !released)
        return released;
    QString error;
    if (!Sql::exec(db, QStringLiteral("DELETE FROM CalendarFeed WHERE ID = ?"), {feedId}, &error) || !tx.commit(&error))
        return databaseFailure(error);
    return Done{};
}

Status record(const QSqlDatabase& db, int feedId, const QDateTime& when, const QString& failure, int events)
{
    QString error;
    const bool done =
        failure.isEmpty()
            ? Sql::exec(
                  db, QStringLiteral("UPDATE CalendarFeed SET LastRead = ?, LastError = NULL, Events = ? WHERE ID = ?"),
                  {DateTimes::dbDateTime(when), events, feedId}, &error)
            : Sql::exec(db, QStringLiteral("UPDATE CalendarFeed SET LastError = ? WHERE ID = ?"),
                        {failure.left(1000), feedId}, &error);
    if (!done)
        return databaseFailure(error);
    return Done{};
}

QString blockReason(const QString& address)
{
    const QUrl url(address.trimmed());
    return QCoreApplication::translate("FeedStore", "Booked elsewhere (%1)")
        .arg(url.host().isEmpty() ? address.left(60) : url.host());
}

} // namespace FeedStore
