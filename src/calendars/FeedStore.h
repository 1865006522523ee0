#pragma once

#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>

/// The CalendarFeed table: the addresses a berth's calendar is read from elsewhere, and how each read went.
namespace FeedStore {

/// The longest address kept.
constexpr int MaxAddressLength = 2000;

struct Feed
{
    int id = 0;
    int berthId = 0;
    QString berthName; // as read
    QString address;
    QDateTime lastRead; // the last read that succeeded; invalid when none has
    QString lastError;  // the last read's failure; empty when it succeeded
    int events = 0;     // events to come at the last good read
};

/// Every feed, by berth name and address.
Result<QList<Feed>> list(const QSqlDatabase& db);

/// Adds address for berthId. Refused with the reason for an address that is not http(s) or webcal, one the berth
/// already has, or a berth that is not in the register.
Result<int> add(const QSqlDatabase& db, int berthId, const QString& address);

/// Removes the feed and releases every block it made, in one transaction.
Status remove(const QSqlDatabase& db, int feedId);

/// Records a read: at when with events to come, or the failure error (the last good read and its count are kept).
Status record(const QSqlDatabase& db, int feedId, const QDateTime& when, const QString& error, int events);

/// The text a feed's blocks show as their reason: where they came from.
QString blockReason(const QString& address);

} // namespace FeedStore
