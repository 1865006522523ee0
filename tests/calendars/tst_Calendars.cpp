#include "FeedServer.h"
#include "bookings/BerthAvailability.h"
#include "bookings/BerthBlocks.h"
#include "bookings/FeedBlocks.h"
#include "bookings/HeldBerths.h"
#include "calendars/FeedPublisher.h"
#include "calendars/FeedReader.h"
#include "calendars/FeedStore.h"
#include "common/TestSupport.h"
#include "core/DateTimes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {
const QDate Today(2026, 6, 1);

QDateTime noon(int days)
{
    return DateTimes::wallTime(Today.addDays(days), QTime(12, 0));
}
QString day(int days)
{
    return Today.addDays(days).toString(Qt::ISODate);
}
QString period(const QDateTime& from, const QDateTime& to)
{
    return from.toString(u"yyyy-MM-dd HH:mm"_s) + u'>' + to.toString(u"yyyy-MM-dd HH:mm"_s);
}
// A time in zone as this machine's wall clock.
QDateTime wallFrom(const QDate& date, const QTime& time, const QTimeZone& zone)
{
    const QDateTime local = QDateTime(date, time, zone).toTimeZone(QTimeZone::systemTimeZone());
    return DateTimes::wallTime(local.date(), local.time());
}
} // namespace

// Availability leaving as calendars another library reads, and other sites' calendars coming in as blocks, over a
// real HTTP server, on both engines.
class tst_Calendars : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Active, Length, Width, MaxDraft) VALUES "
                     u"(1, 'A1', 1, 1, 12, 4, 2.5), (2, 'A2', 1, 1, 10, 3.5, 2), (3, 'B1', 2, 1, 8, 3, 1.5), "
                     u"(4, 'X9', 2, 0, 20, 6, 4)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Zoë Secret'), (2, 'Ann Other')"_s));
    }
    bool book(int id, int customer, const QList<int>& berths, const QDateTime& from, const QDateTime& to) const
    {
        if (!exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (?, ?, ?, ?)"_s,
                  {id, customer, DateTimes::dbDateTime(from), DateTimes::dbDateTime(to)}))
            return false;
        for (const int berth : berths)
            if (!exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)"_s, {id, berth}))
                return false;
        return true;
    }
    QDateTime at(int days, int hour) const { return DateTimes::wallTime(Today.addDays(days), QTime(hour, 0)); }
    QStringList feedBlocks(int feedId) const
    {
        QSqlQuery q(m_install->db());
        QStringList out;
        if (!Sql::exec(q, u"SELECT FromDate, ToDate FROM BerthBlock WHERE FeedID = ? ORDER BY FromDate"_s, {feedId}))
            return {u"unreadable"_s};
        while (q.next())
            out << period(DateTimes::readDateTime(q.value(0)), DateTimes::readDateTime(q.value(1)));
        return out;
    }
    FeedStore::Feed feedOf(int id) const
    {
        for (const FeedStore::Feed& f : FeedStore::list(m_install->db()).valueOr({}))
            if (f.id == id)
                return f;
        return {};
    }

private slots:
    void publishedCalendarsSayOnlyWhenBerthsAreTaken()
    {
        QTemporaryDir folder;
        // Back-to-back stays on A1 (the second also on A2), a block on B1, a contract's hold on A2, a past stay.
        QVERIFY(book(1, 1, {1}, at(2, 14), at(5, 10)));
        QVERIFY(book(2, 1, {1, 2}, at(5, 14), at(7, 10)));
        QVERIFY(book(3, 2, {3}, at(-10, 14), at(-8, 10)));
        QVERIFY(exec(u"INSERT INTO BerthBlock (BerthID, FromDate, ToDate, Reason) VALUES (3, ?, ?, 'Works')"_s,
                     {DateTimes::dbDateTime(noon(10)), DateTimes::dbDateTime(noon(12))}));
        QVERIFY(HeldBerths::hold(m_install->db(), 7, 2, HeldBerths::heldFrom(Today.addDays(20)),
                                 HeldBerths::heldTo(Today.addDays(21)), u"Holder"_s));
        FeedPublisher publisher;
        const QDateTime stamp = QDateTime::currentDateTimeUtc();
        auto pass = publisher.publish(m_install->db(), folder.path(), Today, stamp);
        QVERIFY2(pass, qPrintable(pass.error()));
        QCOMPARE(pass->written, 6); // A1, A2, B1, the two types with active berths, and the page's data
        QCOMPARE(QFileInfo(folder.filePath(u"berth-1.ics"_s)).permissions() & 0x0077, QFileDevice::Permissions());

        struct Expected
        {
            QString file, name, events;
        };
        const QList<Expected> expected{
            {u"berth-1.ics"_s, u"A1"_s, day(2) + u">"_s + day(7)},
            {u"berth-2.ics"_s, u"A2"_s, day(5) + u">"_s + day(7) + u" "_s + day(20) + u">"_s + day(22)},
            {u"berth-3.ics"_s, u"B1"_s, day(10) + u">"_s + day(12)},
            // A type is taken only on the nights all its berths are.
            {u"type-1.ics"_s, {}, day(5) + u">"_s + day(7)},
            {u"type-2.ics"_s, {}, day(10) + u">"_s + day(12)},
        };
        for (const Expected& e : expected) {
            QString problem;
            const QJsonObject read = FeedServer::read(folder.filePath(e.file), &problem);
            QVERIFY2(!read.isEmpty(), qPrintable(e.file + u": "_s + problem));
            QCOMPARE(read[u"version"_s].toString(), u"2.0"_s);
            if (!e.name.isEmpty())
                QCOMPARE(read[u"name"_s].toString(), e.name);
            QStringList events;
            for (const QJsonValue& v : read[u"events"_s].toArray()) {
                const QJsonObject ev = v.toObject();
                events << ev[u"start"_s].toString() + u'>' + ev[u"end"_s].toString();
                QCOMPARE(ev[u"summary"_s].toString(), u"Not available"_s);
                QVERIFY(ev[u"properties"_s].toArray().contains(u"DTSTAMP"_s));
            }
            QCOMPARE(events.join(u' '), e.events);
            QFile file(folder.filePath(e.file));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY(!bytes.contains("Zo") && !bytes.contains("Ann") && !bytes.contains("Works") &&
                    !bytes.contains("Holder"));
        }

        // The page's data: each night's free berths of a type and the largest of them, no names.
        QFile json(folder.filePath(FeedPublisher::AvailabilityFile));
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QByteArray pageBytes = json.readAll();
        QVERIFY(!pageBytes.contains("Zo") && !pageBytes.contains("A1") && !pageBytes.contains("Works"));
        const QJsonObject page = QJsonDocument::fromJson(pageBytes).object();
        QCOMPARE(page[u"from"_s].toString(), day(0));
        const QJsonObject type1 = page[u"types"_s].toArray().first().toObject();
        QCOMPARE(type1[u"id"_s].toInt(), 1);
        const auto night = [&](const char* key, int d) { return type1[QLatin1String(key)].toArray().at(d).toDouble(); };
        QCOMPARE(night("free", 0), 2.0);
        QCOMPARE(night("length", 0), 12.0);
        QCOMPARE(night("draft", 0), 2.5);
        QCOMPARE(night("free", 2), 1.0); // A1 taken: the largest free is A2
        QCOMPARE(night("length", 2), 10.0);
        QCOMPARE(night("beam", 2), 3.5);
        QCOMPARE(night("free", 5), 0.0);
        QCOMPARE(night("length", 5), 0.0);
        QCOMPARE(night("free", 20), 1.0); // the contract holds A2

        // Nothing changed: nothing written. A cancelled stay rewrites the calendars it was in, and only those.
        pass = publisher.publish(m_install->db(), folder.path(), Today, stamp);
        QCOMPARE(pass->written, 0);
        QCOMPARE(pass->unchanged, 6);
        QVERIFY(exec(u"DELETE FROM Booking WHERE ID = 2"_s));
        pass = publisher.publish(m_install->db(), folder.path(), Today, stamp);
        QCOMPARE(pass->written, 4);
        QCOMPARE(
            FeedServer::read(folder.filePath(u"berth-1.ics"_s))[u"events"_s].toArray().first()[u"end"_s].toString(),
            day(5));
        // A berth taken out of use takes its calendar, and its type's, out of the folder.
        QVERIFY(exec(u"UPDATE Berth SET Active = 0 WHERE ID = 3"_s));
        pass = publisher.publish(m_install->db(), folder.path(), Today, stamp);
        QCOMPARE(pass->removed, 2);
        QVERIFY(!QFile::exists(folder.filePath(u"berth-3.ics"_s)) && !QFile::exists(folder.filePath(u"type-2.ics"_s)));
    }

    void feedsBecomeBlocks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("blocks");
        QTest::addColumn<QString>("error");
        const QStringList before{period(noon(3), noon(5)), period(noon(10), noon(12))};
        const QTimeZone york("America/New_York");
        QTest::newRow("all-day events, noon to noon") << u"allday"_s << before << QString();
        QTest::newRow("a day with no end is one night")
            << u"noend"_s << QStringList{period(noon(4), noon(5))} << QString();
        QTest::newRow("floating times as written")
            << u"timed"_s << QStringList{period(at(2, 15), at(4, 11))} << QString();
        QTest::newRow("time zones to this desk's clock")
            << u"zoned"_s
            << QStringList{period(wallFrom(Today.addDays(10), QTime(14, 0), york),
                                  wallFrom(Today.addDays(12), QTime(14, 0), york)),
                           period(wallFrom(Today.addDays(20), QTime(9, 0), QTimeZone::utc()),
                                  wallFrom(Today.addDays(21), QTime(9, 0), QTimeZone::utc()))}
            << QString();
        QTest::newRow("fifty years cut at the horizon")
            << u"fifty"_s << QStringList{period(noon(1), noon(3 * 366))} << QString();
        QTest::newRow("a long history: only what is to come")
            << u"past"_s << QStringList{period(noon(5), noon(6)), period(noon(9), noon(12))} << QString();
        QTest::newRow("cancelled and free events hold nothing")
            << u"free"_s << QStringList{period(noon(10), noon(11))} << QString();
        QTest::newRow("an empty calendar frees the berth") << u"empty"_s << QStringList{} << QString();
        // Refused: the blocks of the last good read stay, and the feed says why.
        QTest::newRow("10,000 events") << u"many"_s << before << u"more than 2000 events"_s;
        QTest::newRow("not a calendar") << u"html"_s << before << u"did not give a calendar"_s;
        QTest::newRow("a calendar cut short") << u"broken"_s << before << u"could not be read as a calendar"_s;
    }
    void feedsBecomeBlocks()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, blocks);
        QFETCH(QString, error);
        FeedServer server;
        QVERIFY2(server.start(), qPrintable(server.error));
        QVERIFY2(server.make(u"allday"_s, Today, u"feed.ics"_s), qPrintable(server.error));
        const auto id = FeedStore::add(m_install->db(), 1, server.url(u"feed.ics"_s));
        QVERIFY2(id, qPrintable(id.error()));
        const QDateTime now = at(0, 9);
        auto first = FeedReader::readOne(m_install->db(), feedOf(*id), now);
        QVERIFY2(first && first->error.isEmpty(), qPrintable(first ? first->error : first.error()));
        QCOMPARE(first->outcome.added, 2);

        if (kind == u"html"_s || kind == u"broken"_s) {
            QFile file(server.path(u"feed.ics"_s));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(kind == u"html"_s ? "<html><body>Moved</body></html>"
                                         : "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:2026");
        } else {
            QVERIFY2(server.make(kind, Today, u"feed.ics"_s), qPrintable(server.error));
        }
        const auto second = FeedReader::readOne(m_install->db(), feedOf(*id), now.addSecs(900));
        QVERIFY2(second, qPrintable(second.error()));
        QCOMPARE(feedBlocks(*id), blocks);
        const FeedStore::Feed after = feedOf(*id);
        if (error.isEmpty()) {
            QVERIFY2(second->error.isEmpty(), qPrintable(second->error));
            QCOMPARE(after.events, int(blocks.size()));
            QCOMPARE(after.lastRead, now.addSecs(900));
        } else {
            QVERIFY2(second->error.contains(error), qPrintable(second->error));
            QCOMPARE(after.lastError, second->error);
            QCOMPARE(after.lastRead, now); // the last good read
            QCOMPARE(after.events, 2);
        }
        // The blocks hold the berth as any block does.
        if (!blocks.isEmpty()) {
            const QDateTime inside = QDateTime::fromString(blocks.first().left(16), u"yyyy-MM-dd HH:mm"_s);
            const auto busy = BerthAvailability::busyBerths(
                m_install->db(), DateTimes::wallTime(inside.date(), inside.time()).addSecs(60),
                DateTimes::wallTime(inside.date(), inside.time()).addSecs(120), 0);
            QVERIFY(busy && busy->contains(1));
        }
    }

    void anEventGoneReleasesItsBlockAndOneOverABookingIsAConflict()
    {
        FeedServer server;
        QVERIFY2(server.start(), qPrintable(server.error));
        QVERIFY(server.make(u"allday"_s, Today, u"a1.ics"_s, {u"a@x"_s, u"b@x"_s, u"c@x"_s}));
        // Ann's stay on A1 lies under the second event (nights 10 and 11).
        QVERIFY(book(5, 2, {1}, at(9, 14), at(11, 10)));
        const auto id = FeedStore::add(m_install->db(), 1, server.url(u"a1.ics"_s));
        QVERIFY(id);
        const auto read = FeedReader::readOne(m_install->db(), feedOf(*id), at(0, 9));
        QVERIFY2(read && read->error.isEmpty(), qPrintable(read ? read->error : read.error()));
        QCOMPARE(read->outcome.added, 3);
        QCOMPARE(read->outcome.conflicts.size(), 1);
        QCOMPARE(read->outcome.conflicts.first().bookingId, 5);
        QVERIFY(FeedReader::describe(*read).contains(u"over booking 5 (Ann Other)"_s));
        auto listed = FeedBlocks::conflicts(m_install->db());
        QVERIFY(listed);
        QCOMPARE(listed->size(), 1);
        QCOMPARE(listed->first().berthName, u"A1"_s);
        QCOMPARE(listed->first().customer, u"Ann Other"_s);
        // The stay keeps its berth, and may still be saved there, until the clerk moves it.
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingBerth WHERE BookingID = 5 AND BerthID = 1"_s), 1);
        QVERIFY(exec(u"UPDATE Booking SET Notes = 'still here' WHERE ID = 5"_s));

        // The middle event is gone from the feed: its block is released and the conflict with it.
        QVERIFY(server.make(u"allday"_s, Today, u"a1.ics"_s, {u"a@x"_s, u"moved@x"_s, u"c@x"_s}));
        const auto again = FeedReader::readOne(m_install->db(), feedOf(*id), at(0, 10));
        QVERIFY(again && again->error.isEmpty());
        QCOMPARE(again->outcome.released, 1);
        QCOMPARE(again->outcome.added, 1);
        QCOMPARE(FeedBlocks::conflicts(m_install->db())->size(), 1); // the new UID lies over the same stay
        QVERIFY(server.make(u"allday"_s, Today, u"a1.ics"_s, {u"a@x"_s}));
        QVERIFY(FeedReader::readOne(m_install->db(), feedOf(*id), at(0, 11)));
        QCOMPARE(feedBlocks(*id), QStringList{period(noon(3), noon(5))});
        QCOMPARE(FeedBlocks::conflicts(m_install->db())->size(), 0);

        // A removed feed takes its blocks with it.
        QVERIFY(FeedStore::remove(m_install->db(), *id));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock"_s), 0);
        QCOMPARE(FeedStore::list(m_install->db())->size(), 0);
    }

    void aClerksChangeStandsUntilTheEventChanges_data()
    {
        QTest::addColumn<QString>("change");     // what the clerk does to the first event's block
        QTest::addColumn<QString>("feedNext");   // what the feed then gives for that event: same, moved or gone
        QTest::addColumn<QStringList>("blocks"); // the feed's blocks after the next read
        const QString second = u"A1 "_s + period(noon(10), noon(12));
        const QString feedsMove = u"A1 "_s + period(noon(4), noon(6));
        QTest::newRow("moved, the event as before")
            << u"move"_s << u"same"_s << QStringList{u"A1 "_s + period(noon(6), noon(8)), second};
        QTest::newRow("to another berth, the event as before")
            << u"berth"_s << u"same"_s << QStringList{u"A2 "_s + period(noon(3), noon(5)), second};
        QTest::newRow("removed, the event as before") << u"remove"_s << u"same"_s << QStringList{second};
        QTest::newRow("reason only, the event as before")
            << u"reason"_s << u"same"_s << QStringList{u"A1 "_s + period(noon(3), noon(5)), second};
        // The other site changed the event: its block follows it again.
        QTest::newRow("moved, then the event moves") << u"move"_s << u"moved"_s << QStringList{feedsMove, second};
        QTest::newRow("to another berth, then the event moves")
            << u"berth"_s << u"moved"_s << QStringList{feedsMove, second};
        QTest::newRow("removed, then the event moves") << u"remove"_s << u"moved"_s << QStringList{feedsMove, second};
        QTest::newRow("untouched, the event moves") << QString() << u"moved"_s << QStringList{feedsMove, second};
        QTest::newRow("moved, then the event is gone") << u"move"_s << u"gone"_s << QStringList{second};
        QTest::newRow("removed, then the event is gone") << u"remove"_s << u"gone"_s << QStringList{second};
    }
    void aClerksChangeStandsUntilTheEventChanges()
    {
        QFETCH(QString, change);
        QFETCH(QString, feedNext);
        QFETCH(QStringList, blocks);
        const auto db = m_install->db();
        const auto feed = FeedStore::add(db, 1, u"https://example.org/a1.ics"_s);
        QVERIFY2(feed, qPrintable(feed.error()));
        const QList<FeedBlocks::Event> first{{u"a@x"_s, noon(3), noon(5)}, {u"b@x"_s, noon(10), noon(12)}};
        QCOMPARE(FeedBlocks::apply(db, *feed, 1, first, u"Market"_s)->added, 2);

        const int blockId = m_install->scalarInt(u"SELECT ID FROM BerthBlock WHERE FeedUid = 'a@x'"_s);
        const auto seen = BerthBlocks::load(db, blockId);
        QVERIFY(seen && *seen);
        BerthBlocks::Block mine = **seen;
        if (change == u"move"_s) {
            mine.from = noon(6);
            mine.to = noon(8);
        } else if (change == u"berth"_s) {
            mine.berthId = 2;
        } else if (change == u"reason"_s) {
            mine.reason = u"Owner's friend, paid here"_s;
        }
        if (change == u"remove"_s)
            QVERIFY(BerthBlocks::remove(db, **seen));
        else if (!change.isEmpty())
            QVERIFY(BerthBlocks::save(db, mine, {}, **seen));

        QList<FeedBlocks::Event> next{first.last()};
        if (feedNext == u"same"_s)
            next.prepend(first.first());
        else if (feedNext == u"moved"_s)
            next.prepend(FeedBlocks::Event{u"a@x"_s, noon(4), noon(6)});
        const auto applied = FeedBlocks::apply(db, *feed, 1, next, u"Market"_s);
        QVERIFY2(applied, qPrintable(applied.error()));
        QCOMPARE(applied->leftAsChanged, feedNext == u"same"_s && change != u"reason"_s ? 1 : 0);
        QSqlQuery q(db);
        QVERIFY(Sql::exec(q,
                          u"SELECT BE.Name, K.FromDate, K.ToDate FROM BerthBlock K JOIN Berth BE ON BE.ID = "
                          u"K.BerthID WHERE K.FeedID = ? ORDER BY K.FromDate"_s,
                          {*feed}));
        QStringList found;
        while (q.next())
            found << q.value(0).toString() + u' ' +
                         period(DateTimes::readDateTime(q.value(1)), DateTimes::readDateTime(q.value(2)));
        QCOMPARE(found, blocks);
        // The same read again changes nothing, and what the feed gave is kept per event it still gives.
        const auto again = FeedBlocks::apply(db, *feed, 1, next, u"Market"_s);
        QCOMPARE(again->added + again->moved + again->released, 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM FeedEvent WHERE FeedID = ?"_s, {*feed}), int(next.size()));
        QVERIFY(FeedStore::remove(db, *feed));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM FeedEvent"_s), 0);
    }

    void transfersThatCannotEndWellAreCut_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("maxBytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("redirects forever") << u"loop"_s << 30 << (8 << 20) << u"redirects more than 5 times"_s;
        QTest::newRow("answers too late") << u"slow/ok.ics"_s << 1 << (8 << 20) << u"within 1 seconds"_s;
        QTest::newRow("no such calendar") << u"missing.ics"_s << 30 << (8 << 20) << u"answered 404"_s;
        QTest::newRow("too large") << u"ok.ics"_s << 30 << 200 << u"larger than 0 kB"_s;
    }
    void transfersThatCannotEndWellAreCut()
    {
        QFETCH(QString, path);
        QFETCH(int, seconds);
        QFETCH(int, maxBytes);
        QFETCH(QString, error);
        FeedServer server;
        QVERIFY2(server.start(3), qPrintable(server.error));
        QVERIFY(server.make(u"allday"_s, Today, u"ok.ics"_s));
        FeedFetch::Limits limits;
        limits.totalSeconds = seconds;
        limits.maxBytes = maxBytes;
        QElapsedTimer timer;
        timer.start();
        const auto body = FeedFetch::get(server.url(path), limits);
        QVERIFY(!body);
        QVERIFY2(body.error().contains(error), qPrintable(body.error()));
        QVERIFY(timer.elapsed() < 10000);
    }

    void addressesRefused_data()
    {
        QTest::addColumn<int>("berth");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("error");
        QTest::newRow("not http") << 1 << u"ftp://example.org/a.ics"_s << u"not a calendar address"_s;
        QTest::newRow("no address") << 1 << u"   "_s << u"not a calendar address"_s;
        QTest::newRow("words") << 1 << u"my calendar"_s << u"not a calendar address"_s;
        QTest::newRow("twice for one berth") << 1 << u"http://example.org/a.ics"_s << u"A1 already reads"_s;
        QTest::newRow("no berth") << 99 << u"http://example.org/b.ics"_s << u"choose the berth"_s;
        QTest::newRow("too long") << 1 << u"http://example.org/"_s + QString(2000, u'a') << u"at most 2000"_s;
    }
    void addressesRefused()
    {
        QFETCH(int, berth);
        QFETCH(QString, address);
        QFETCH(QString, error);
        QVERIFY(FeedStore::add(m_install->db(), 1, u"http://example.org/a.ics"_s));
        const auto added = FeedStore::add(m_install->db(), berth, address);
        QVERIFY(!added);
        QCOMPARE(added.kind(), FailureKind::Refused);
        QVERIFY2(added.error().contains(error), qPrintable(added.error()));
        QCOMPARE(FeedStore::list(m_install->db())->size(), 1);
        // webcal is the same address over https.
        QCOMPARE(*FeedFetch::normalized(u"webcal://example.org/x.ics"_s), u"https://example.org/x.ics"_s);
    }
};

ZEM_TEST(tst_Calendars)

#include "tst_Calendars.moc"
