#pragma once

#include "bookings/FeedBlocks.h"
#include "calendars/FeedFetch.h"
#include "calendars/FeedStore.h"
#include "core/Result.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <atomic>

/// One pass over the office's calendar feeds: each fetched, read, and turned into its berth's blocks. A feed that
/// cannot be fetched or read keeps the blocks of its last good read, and its failure is recorded with it.
namespace FeedReader {

struct Report
{
    FeedStore::Feed feed;
    QString error; // empty when the feed was read
    int events = 0;
    FeedBlocks::Outcome outcome;
};

/// Reads feed now (today is the office's day) and records how it went.
Result<Report> readOne(const QSqlDatabase& db, const FeedStore::Feed& feed, const QDateTime& now,
                       const FeedFetch::Limits& limits = {}, const std::atomic_bool* stop = nullptr);

/// Reads every feed in turn; stop cuts the pass short between feeds and within a fetch.
Result<QList<Report>> readAll(const QSqlDatabase& db, const QDateTime& now, const FeedFetch::Limits& limits = {},
                              const std::atomic_bool* stop = nullptr);

/// One line for the event log about a report; empty when nothing changed and nothing failed.
QString describe(const Report& report);

} // namespace FeedReader
