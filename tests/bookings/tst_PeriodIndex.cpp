#include "bookings/BerthAvailability.h"
#include "bookings/BookingRules.h"
#include "bookings/DataGenerator.h"
#include "bookings/PeriodIndex.h"
#include "common/TestSupport.h"

static QDateTime wall(int y, int mo, int d, int h, int mi)
{
    return DateTimes::wallTime(QDate(y, mo, d), QTime(h, mi));
}

// The period index against the booking rows it stands for: the same berths busy as the plain comparison on the
// stored dates, across the whole range of accepted dates, and the same entries after every kind of change.
class tst_PeriodIndex : public InstallTest
{
    Q_OBJECT

    // What the plain overlap query on the booking rows says is busy.
    QSet<int> plainBusy(const QDateTime& from, const QDateTime& to) const
    {
        QSqlQuery q(m_install->db());
        QSet<int> busy;
        if (!Sql::exec(q,
                       u"SELECT DISTINCT BB.BerthID FROM Booking B JOIN BookingBerth BB ON BB.BookingID = B.ID "
                       u"WHERE B.FromDate < ? AND B.ToDate > ?"_s,
                       {DateTimes::dbDateTime(to), DateTimes::dbDateTime(from)}))
            return {-1};
        while (q.next())
            busy.insert(q.value(0).toInt());
        return busy;
    }
    // Entries in the index that the rows do not call for, plus rows' entries missing from the index.
    int mismatches() const
    {
        return m_install->scalarInt(
            u"SELECT (SELECT COUNT(*) FROM (SELECT ID, FromMinute, ToMinute FROM BookingPeriod EXCEPT "
            u"SELECT Entry, FromMinute, ToMinute FROM BookingPeriodEntry)) + (SELECT COUNT(*) FROM (SELECT Entry, "
            u"FromMinute, ToMinute FROM BookingPeriodEntry EXCEPT SELECT ID, FromMinute, ToMinute FROM BookingPeriod))"_s);
    }

private slots:
    void sameAsTheRowsAcrossTheAcceptedDates()
    {
        // Bookings at both ends of the accepted range and random half-hour periods between.
        QVERIFY(exec(u"INSERT INTO Booking (ID, FromDate, ToDate) VALUES "
                     u"(1, '2000-01-01 00:00:00', '2000-01-01 00:30:00'), "
                     u"(2, '2199-12-31 23:00:00', '2199-12-31 23:30:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 2)"_s));
        QRandomGenerator random(12);
        const QDateTime first = wall(2000, 1, 1, 0, 0);
        auto somewhen = [&] { return first.addSecs(1800 * qint64(random.bounded(200 * 17532))); };
        QSqlDatabase db = m_install->db();
        QVERIFY(db.transaction());
        for (int id = 3; id < 400; ++id) {
            const QDateTime from = somewhen();
            const QDateTime to = from.addSecs(1800 * qint64(random.bounded(1, 2000)));
            QVERIFY(exec(u"INSERT INTO Booking (ID, FromDate, ToDate) VALUES (?, ?, ?)"_s,
                         {id, DateTimes::dbDateTime(from), DateTimes::dbDateTime(to)}));
            // A berth of its own: the periods overlap at random, and a berth is never booked twice over.
            QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)"_s, {id, id}));
        }
        // Stays either side of each length class's bound on a server (64 minutes << c) and one of twenty years, all
        // asked about in their last minute, where an arrival bound one class too tight misses them.
        const QDateTime end = wall(2180, 1, 1, 0, 0);
        int id = 400;
        for (int c = 0; c <= 18; ++c)
            for (const qint64 minutes : {(qint64(64) << c) - 1, qint64(64) << c}) {
                const qint64 stay = c == 18 ? qint64(20) * 365 * 1440 : minutes;
                QVERIFY(exec(u"INSERT INTO Booking (ID, FromDate, ToDate) VALUES (?, ?, ?)"_s,
                             {id, DateTimes::dbDateTime(end.addSecs(-60 * stay)), DateTimes::dbDateTime(end)}));
                QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)"_s, {id, id}));
                ++id;
            }
        QVERIFY(db.commit());
        QList<std::pair<QDateTime, QDateTime>> periods = {{end.addSecs(-60), end},
                                                          {wall(2000, 1, 1, 0, 0), wall(2000, 1, 1, 0, 30)},
                                                          {wall(2000, 1, 1, 0, 30), wall(2000, 1, 1, 1, 0)},
                                                          {wall(1999, 12, 31, 23, 30), wall(2000, 1, 1, 0, 0)},
                                                          {wall(2199, 12, 31, 23, 0), wall(2199, 12, 31, 23, 30)},
                                                          {wall(2199, 12, 31, 23, 30), wall(2200, 1, 1, 0, 0)},
                                                          {wall(2199, 12, 31, 22, 30), wall(2199, 12, 31, 23, 0)}};
        for (int i = 0; i < 200; ++i) {
            const QDateTime from = somewhen();
            periods.append({from, from.addSecs(1800 * qint64(random.bounded(1, 700)))});
        }
        for (const auto& [from, to] : periods) {
            const auto busy = BerthAvailability::busyBerths(m_install->db(), from, to, 0);
            QVERIFY(busy);
            QVERIFY2(*busy == plainBusy(from, to), qPrintable(from.toString(Qt::ISODate)));
        }
        QCOMPARE(BerthAvailability::busyBerths(m_install->db(), periods[0].first, periods[0].second, 0)->size(), 38);
        QCOMPARE(*BerthAvailability::busyBerths(m_install->db(), periods[1].first, periods[1].second, 0), QSet<int>{1});
        QCOMPARE(*BerthAvailability::busyBerths(m_install->db(), periods[4].first, periods[4].second, 0), QSet<int>{2});
        QVERIFY(BerthAvailability::busyBerths(m_install->db(), periods[5].first, periods[5].second, 0)->isEmpty());
        QCOMPARE(mismatches(), 0);
    }

    void followsEveryChange()
    {
        auto step = [this](const QString& sql) { return exec(sql) && mismatches() == 0; };
        QVERIFY(step(u"INSERT INTO Booking (ID, FromDate, ToDate) VALUES (1, '2026-06-01 09:00:00', "
                     u"'2026-06-03 14:00:00'), (2, '2026-06-02 09:00:00', '2026-06-04 14:00:00')"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingPeriod"_s), 2); // berth 0: no berths yet
        QVERIFY(step(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 5), (1, 6), (2, 7)"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingPeriod"_s), 3);
        QVERIFY(step(u"UPDATE Booking SET ToDate = '2026-06-10 10:00:00' WHERE ID = 1"_s));
        QVERIFY(step(u"UPDATE BookingBerth SET BerthID = 8 WHERE BookingID = 1 AND BerthID = 6"_s));
        QVERIFY(step(u"UPDATE BookingBerth SET BookingID = 1 WHERE BookingID = 2"_s));
        QVERIFY(step(u"DELETE FROM BookingBerth WHERE BerthID = 5"_s));
        QVERIFY(step(u"DELETE FROM BookingBerth WHERE BookingID = 1"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingPeriod WHERE ID & 2147483647 = 0"_s), 2);
        QVERIFY(step(u"UPDATE Booking SET FromDate = NULL WHERE ID = 2"_s) && step(u"DELETE FROM Booking"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingPeriod"_s), 0);
    }

    void generatedHarbourIsBusyWithoutDoubleBookings()
    {
        const auto sizes = DataGenerator::busyHarbour(40, 1500, QDate(2026, 1, 1));
        const Status made = DataGenerator::generate(m_install->db(), sizes);
        QVERIFY2(made, qPrintable(made.error()));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 1500);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking B JOIN BookingBerth X ON X.BookingID = B.ID "
                                      u"JOIN BookingBerth Y ON Y.BerthID = X.BerthID AND Y.BookingID > X.BookingID "
                                      u"JOIN Booking C ON C.ID = Y.BookingID "
                                      u"WHERE B.FromDate < C.ToDate AND C.FromDate < B.ToDate"_s),
                 0);
        QCOMPARE(mismatches(), 0);
        // In a week of the middle of the history about seven berths in ten are taken.
        const QDateTime week = DateTimes::wallTime(sizes.from.addDays(sizes.from.daysTo(sizes.until) / 2));
        const auto taken = BerthAvailability::busyBerths(m_install->db(), week, week.addDays(7), 0);
        QVERIFY(taken);
        QVERIFY2(taken->size() >= 22 && taken->size() <= 34, qPrintable(QString::number(taken->size())));
        if (TestMain::currentEngine() == TestMain::Engine::PostgreSQL) {
            // The server's search reads its index alone, whose expression must be the one the search writes.
            const auto search =
                PeriodIndex::touching(m_install->db(), week, false, week.addDays(7), false, PeriodIndex::Read::Alone);
            QVERIFY(exec(u"SET enable_seqscan = off"_s));
            // A server prepares no EXPLAIN: it runs as text, the search's numbers written in.
            QString sql = u"EXPLAIN SELECT P.ID FROM %1 WHERE %2"_s.arg(search.from, search.sql);
            for (const QVariant& bound : search.binds)
                sql.replace(sql.indexOf(u'?'), 1, QString::number(bound.toLongLong()));
            QSqlQuery q(m_install->db());
            QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
            QStringList plan;
            while (q.next())
                plan << q.value(0).toString();
            QVERIFY2(plan.join(u'\n').contains(u"Index Only Scan using ix_bookingperiod_length"_s),
                     qPrintable(plan.join(u'\n')));
            QVERIFY(exec(u"RESET enable_seqscan"_s));
        }
    }

    // The file's own R*Tree index: an older file's index rebuilt when it is opened.
    void olderFileIsUpgradedWhenOpened()
    {
        if (TestMain::currentEngine() != TestMain::Engine::SQLite)
            QSKIP("a server has no file whose index an upgrade rebuilds");
        const QString path = m_install->root() + u"/data/old.sqlite"_s;
        QVERIFY(Database::createDatabase(path));
        {
            // The index as the first release kept it: one entry per booking, minutes since 1970.
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"old"_s);
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(Sql::execScript(
                db,
                TestSupport::dropMetersSql(false) + TestSupport::dropHistorySql(false) + TestSupport::dropDeskDaySql() +
                    TestSupport::dropBerthListSql(false) + TestSupport::dropBlocksSql(false) +
                    TestSupport::dropArrivalTotalsSql(false) +
                    u"DROP VIEW BerthMonthShare; DROP TABLE BerthMonth; DROP TABLE CalendarMonth; "
                    u"DROP TRIGGER Booking_Period_Insert; DROP TRIGGER Booking_Period_Update; DROP TRIGGER "
                    u"Booking_Delete; DROP TRIGGER BookingBerth_Period_Insert; DROP TRIGGER "
                    u"BookingBerth_Period_Delete; "
                    u"DROP TRIGGER BookingBerth_Period_Update; DROP VIEW BookingPeriodEntry; DROP TABLE BookingPeriod; "
                    u"CREATE VIRTUAL TABLE BookingPeriod USING rtree_i32 (ID, FromMinute, ToMinute); "
                    u"CREATE TRIGGER Booking_Delete AFTER DELETE ON Booking BEGIN DELETE FROM BookingPeriod WHERE "
                    u"ID = OLD.ID; DELETE FROM BookingBerth WHERE BookingID = OLD.ID; END; "
                    u"INSERT INTO Booking (ID, FromDate, ToDate, CreditCardNo, CreditCardCV2No) VALUES (1, "
                    u"'2026-06-01 09:00:00', '2026-06-03 14:00:00', '4111 1111-1111 1234', '737'), (2, "
                    u"'2199-12-30 09:00:00', '2199-12-31 23:30:00', 'on account', NULL); "
                    u"INSERT INTO BookingPeriod VALUES (1, 29667240, 29670360); "
                    u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 3), (1, 4), (2, 3); "_s +
                    TestSupport::dropSeasonsSql(false) + TestSupport::dropLedgerSql(false) +
                    u"PRAGMA user_version = 1"_s));
            db.close();
        }
        QSqlDatabase::removeDatabase(u"old"_s);
        const auto db = Database::open(path, u"upgraded"_s);
        QVERIFY2(db, qPrintable(db.error()));
        QCOMPARE(Sql::scalar(*db, u"PRAGMA user_version"_s)->toInt(), Database::CurrentSchemaVersion);
        QVERIFY(Sql::exec(*db, u"INSERT INTO Outbox (Kind, ToAddress, Subject, Body, QueuedAt, NextTryAt) VALUES "
                               u"('invoice', 'a@x.test', 'S', 'B', '2026-01-01 00:00:00', '2026-01-01 00:00:00')"_s));
        // Upgraded to exactly what a new file holds, nothing more and nothing less.
        QCOMPARE(*Database::foreignObjects(*db), QStringList());
        QCOMPARE(*Database::missingObjects(*db), QStringList());
        QCOMPARE(Sql::scalar(*db, u"SELECT COUNT(*) FROM BookingPeriod"_s)->toInt(), 3);
        QCOMPARE(*BerthAvailability::busyBerths(*db, wall(2199, 12, 31, 23, 0), wall(2200, 1, 1, 0, 0), 0),
                 QSet<int>{3});
        // Card data as a save keeps it today: no security code, the number masked to its last four digits.
        QCOMPARE(
            Sql::scalar(*db, u"SELECT CreditCardNo || '/' || CreditCardCV2No FROM Booking WHERE ID = 1"_s)->toString(),
            BookingRules::maskedCardNumber(u"4111 1111-1111 1234"_s) + u"/"_s);
        QCOMPARE(Sql::scalar(*db, u"SELECT CreditCardNo FROM Booking WHERE ID = 2"_s)->toString(), u"on account"_s);
        QVERIFY(Sql::exec(*db, u"DELETE FROM Booking WHERE ID = 1"_s));
        QCOMPARE(Sql::scalar(*db, u"SELECT COUNT(*) FROM BookingPeriod"_s)->toInt(), 1);
        Database::close(u"upgraded"_s);
    }
};

ZEM_TEST(tst_PeriodIndex)
#include "tst_PeriodIndex.moc"
