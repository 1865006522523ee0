#include "calendars/FeedReader.h"

#include "calendars/CalendarFiles.h"
#include "core/DateTimes.h"

#include <QCoreApplication>

namespace FeedReader {

Result<Report> readOne(const QSqlDatabase& db, const FeedStore::Feed& feed, const QDateTime& now,
                       const FeedFetch::Limits& limits, const std::atomic_bool* stop)
{
    Report report;
    report.feed = feed;
    const auto body = FeedFetch::get(feed.address, limits, stop);
    if (!body && body.kind() == FailureKind::Cancelled)
        return body.failure();
    std::optional<Result<QList<CalendarFiles::ReadEvent>>> events;
    if (body)
        events = CalendarFiles::readEvents(*body, {now.date(), 3 * 366, 2000});
    if (!body || !*events) {
        report.error = body ? events->error() : body.error();
        if (Status recorded = FeedStore::record(db, feed.id, now, report.error, 0); !recorded)
            return recorded.failure();
        return report;
    }
    QList<FeedBlocks::Event> blocks;
    blocks.reserve((*events)->size());
    for (const CalendarFiles::ReadEvent& e : **events)
        blocks.append({e.uid, e.from, e.to});
    const auto applied = FeedBlocks::apply(db, feed.id, feed.berthId, blocks, FeedStore::blockReason(feed.address));
    if (!applied) {
        // Another desk's booking met at commit, or the database away: the last blocks stand, the next pass retries.
        report.error =
            QCoreApplication::translate("FeedReader", "The calendar was read but its blocks could not be saved: %1")
                .arg(applied.error());
        (void)FeedStore::record(db, feed.id, now, report.error, 0);
        return report;
    }
    report.events = int(blocks.size());
    report.outcome = *applied;
    if (Status recorded = FeedStore::record(db, feed.id, now, {}, report.events); !recorded)
        return recorded.failure();
    return report;
}

Result<QList<Report>> readAll(const QSqlDatabase& db, const QDateTime& now, const FeedFetch::Limits& limits,
                              const std::atomic_bool* stop)
{
    const auto feeds = FeedStore::list(db);
    if (!feeds)
        return feeds.failure();
    QList<Report> reports;
    for (const FeedStore::Feed& feed : *feeds) {
        if (stop && stop->load())
            break;
        auto report = readOne(db, feed, now, limits, stop);
        if (!report) {
            if (report.kind() == FailureKind::Cancelled)
                break;
            return report.failure();
        }
        reports.append(std::move(*report));
    }
    return reports;
}

QString describe(const Report& report)
{
    const QString where = report.feed.berthName + QStringLiteral(" ") + report.feed.address;
    if (!report.error.isEmpty())
        return where + QStringLiteral(": ") + report.error;
    const FeedBlocks::Outcome& o = report.outcome;
    if (o.added == 0 && o.moved == 0 && o.released == 0 && o.conflicts.isEmpty())
        return {};
    QString line = QCoreApplication::translate("FeedReader", "%1: %2 blocks added, %3 moved, %4 released")
                       .arg(where)
                       .arg(o.added)
                       .arg(o.moved)
                       .arg(o.released);
    for (const FeedBlocks::Conflict& c : o.conflicts)
        line += QCoreApplication::translate("FeedReader", "; over booking %1 (%2) from %3 to %4")
                    .arg(c.bookingId)
                    .arg(c.customer, c.from.toString(DateTimes::dateTimeFormat()),
                         c.to.toString(DateTimes::dateTimeFormat()));
    return line;
}

} // namespace FeedReader
