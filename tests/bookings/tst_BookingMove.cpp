#include "bookings/BerthAvailability.h"
#include "bookings/BerthBlocks.h"
#include "bookings/BookingMove.h"
#include "common/TestSupport.h"
#include "core/Dialect.h"

Q_DECLARE_METATYPE(FailureKind)

// What the chart changes, without its window. Moving a booking: other days, another berth, a longer or shorter stay;
// the agreed price kept or today's rates; and every refusal and conflict with nothing saved. Blocking a berth for
// works: a block holds its berth as a booking does, lies over bookings only when they were confirmed, sells no
// nights, and is never saved over another desk's change.
class tst_BookingMove : public InstallTest
{
    Q_OBJECT

    static QDateTime day(int d) { return DateTimes::wallTime(QDate(2026, 12, d)); }
    static QDateTime at(int d, int h) { return DateTimes::wallTime(QDate(2026, 12, d), QTime(h, 0)); }

    void seed() override
    {
        // £30 and £40 a night; A3 is not in use.
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, DailyHireCharge, Active) VALUES (1, 'A1', 300000, 1), "
                     u"(2, 'A2', 400000, 1), (3, 'A3', 300000, 0)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Smith')"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, CostOfHire, OtherCharges, VAT, TaxRate, "
                     u"TotalPayable, AmountPayed) VALUES "
                     u"(1, 1, '2026-12-10 14:00:00', '2026-12-12 10:00:00', 600000, 0, 105000, 1750, 705000, 0), "
                     u"(2, 1, '2026-12-13 14:00:00', '2026-12-15 10:00:00', 800000, 0, 140000, 1750, 940000, 0)"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 2)"_s));
        // A2 is blocked from the 20th to the 25th, written as another program would: the trigger indexes it.
        QVERIFY(exec(u"INSERT INTO BerthBlock (BerthID, FromDate, ToDate, Reason) VALUES "
                     u"(2, '2026-12-20 00:00:00', '2026-12-26 00:00:00', 'Pontoon repairs')"_s));
    }

    QString stored(int id) const
    {
        return m_install->text(u"SELECT B.FromDate || ' ' || B.ToDate || ' ' || BB.BerthID || ' ' || B.TotalPayable "
                               u"FROM Booking B JOIN BookingBerth BB ON BB.BookingID = B.ID WHERE B.ID = ?"_s,
                               {id});
    }

    static BerthBlocks::Block block(int berth, int from, int lastDay, const QString& reason = u"Dredging"_s)
    {
        return {0, berth, {}, day(from), day(lastDay).addDays(1), reason};
    }
    int blockEntries() const { return m_install->scalarInt(u"SELECT COUNT(*) FROM BookingPeriod WHERE ID < 0"_s); }
    int nightsSold() const { return m_install->scalarInt(u"SELECT COALESCE(SUM(Nights), 0) FROM BerthMonth"_s); }

    using MoveRow = std::tuple<int, int, int, bool, int, FailureKind, QString>;
    using SaveRow = std::tuple<int, int, int, QString, bool, FailureKind, QString>;

private slots:
    void move_data()
    {
        // seenHoursOff: the bar showed another arrival: another desk moved it
        // expected: what is stored afterwards, or a piece of the refusal
        const DataRows<MoveRow> row;
        const auto ok = FailureKind::None;
        row("two days later, same price",
            {1, 2, 2, false, 0, ok, u"2026-12-12 14:00:00 2026-12-14 10:00:00 1 705000"_s});
        row("another berth at the agreed price",
            {2, 0, 0, false, 0, ok, u"2026-12-10 14:00:00 2026-12-12 10:00:00 2 705000"_s});
        row("another berth repriced", {2, 0, 0, true, 0, ok, u"2026-12-10 14:00:00 2026-12-12 10:00:00 2 940000"_s});
        row("a night longer repriced", {1, 0, 1, true, 0, ok, u"2026-12-10 14:00:00 2026-12-13 10:00:00 1 1057500"_s});
        row("a night shorter at the agreed price",
            {1, 1, 0, false, 0, ok, u"2026-12-11 14:00:00 2026-12-12 10:00:00 1 705000"_s});
        row("onto another booking", {2, 3, 3, false, 0, FailureKind::Conflict, u"A2"_s});
        row("onto a berth not in use", {3, 0, 0, false, 0, FailureKind::Refused, u"not in use"_s});
        row("onto a berth it holds", {1, 0, 0, false, 0, FailureKind::Refused, u"stays where it was"_s});
        row("departure before arrival", {1, 0, -3, false, 0, FailureKind::Refused, u"after the arrival"_s});
        row("before 2000", {1, -10000, -10000, false, 0, FailureKind::Refused, u"2000"_s});
        row("moved at another desk meanwhile", {2, 0, 0, false, 1, FailureKind::Conflict, u"another desk"_s});
    }
    void move()
    {
        const auto& [toBerth, arrival, departure, reprice, seenHoursOff, kind, expected] = fetchRow<MoveRow>();
        const QString before = stored(1);
        BookingMove::Request request{1,       1,        at(10, 14).addSecs(3600 * seenHoursOff), at(12, 10), toBerth,
                                     arrival, departure};
        const auto plan = BookingMove::plan(m_install->db(), request);
        auto saved = plan ? BookingMove::save(m_install->db(), *plan, reprice)
                          : Result<BookingStore::SavedBooking>(plan.failure());
        QCOMPARE(saved.kind(), kind);
        if (kind == FailureKind::None) {
            QCOMPARE(stored(1), expected);
            QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingBerth WHERE BookingID = 1"_s), 1);
        } else {
            QVERIFY2(saved.error().contains(expected), qPrintable(saved.error()));
            QCOMPARE(stored(1), before);
        }
    }

    // Undo puts the berth, the days and the agreed price back, and refuses when another desk changed the booking since.
    // The price is asked about only where today's rates give another total.
    void undo()
    {
        const QString original = stored(1);
        for (const bool changedSince : {false, true}) {
            const auto plan = BookingMove::plan(m_install->db(), {1, 1, at(10, 14), at(12, 10), 2, -1, -1});
            QVERIFY2(plan && plan->priceDiffers(), qPrintable(plan.error())); // A2 is dearer
            BookingRecord saved = BookingMove::moved(*plan, true);
            QVERIFY(BookingMove::save(m_install->db(), *plan, true));
            QCOMPARE(stored(1), u"2026-12-09 14:00:00 2026-12-11 10:00:00 2 940000"_s);
            if (changedSince)
                QVERIFY(exec(u"UPDATE Booking SET TotalPayable = 1400000 WHERE ID = 1"_s));
            const auto back = BookingMove::planUndo(m_install->db(), plan->before, saved);
            if (changedSince) {
                QCOMPARE(back.kind(), FailureKind::Conflict);
                break;
            }
            QVERIFY2(back, qPrintable(back.error()));
            QVERIFY(!back->priceDiffers()); // today's rates on A1 give the price it had
            QVERIFY(BookingMove::save(m_install->db(), *back, false));
            QCOMPARE(stored(1), original);
            QCOMPARE(m_install->text(u"SELECT CostOfHire || ' ' || VAT FROM Booking WHERE ID = 1"_s),
                     u"600000 105000"_s);
        }
    }

    void save_data()
    {
        // confirm: the person agreed to the bookings in the way
        const DataRows<SaveRow> row;
        const auto ok = FailureKind::None;
        row("free days", {1, 20, 22, u"Dredging"_s, false, ok, QString()});
        row("over a booking not confirmed",
            {1, 11, 11, u"Dredging"_s, false, FailureKind::Conflict, u"Booking 1 (Ann Smith"_s});
        row("over a booking confirmed", {1, 11, 11, u"Dredging"_s, true, ok, QString()});
        row("a departure morning is in the way",
            {1, 12, 12, u"Dredging"_s, false, FailureKind::Conflict, u"Booking 1"_s});
        row("over another block", {2, 25, 27, u"Dredging"_s, false, FailureKind::Conflict, u"already blocked"_s});
        row("the day after another block", {2, 26, 27, u"Dredging"_s, false, ok, QString()});
        row("no reason", {1, 20, 22, u"  "_s, false, FailureKind::Refused, u"reason"_s});
        row("reason too long", {1, 20, 22, QString(201, u'x'), false, FailureKind::Refused, u"200"_s});
        row("ends before it starts", {1, 20, 18, u"Dredging"_s, false, FailureKind::Refused, u"after it starts"_s});
        row("no berth", {0, 20, 22, u"Dredging"_s, false, FailureKind::Refused, u"berth"_s});
        row("a berth that is gone", {9, 20, 22, u"Dredging"_s, false, FailureKind::Conflict, u"no longer"_s});
    }
    void save()
    {
        const auto& [berth, from, lastDay, reason, confirm, kind, said] = fetchRow<SaveRow>();
        const BerthBlocks::Block b = block(berth, from, lastDay, reason);
        const auto inTheWay = BerthBlocks::bookingsInTheWay(m_install->db(), b);
        QVERIFY2(inTheWay, qPrintable(inTheWay.error()));
        QList<int> confirmed;
        for (const auto& booking : inTheWay.value())
            if (confirm)
                confirmed << booking.bookingId;
        const int sold = nightsSold();
        const auto saved = BerthBlocks::save(m_install->db(), b, confirmed);
        QCOMPARE(saved.kind(), kind);
        QVERIFY2(saved.error().contains(said), qPrintable(saved.error()));
        const int blocks = kind == FailureKind::None ? 2 : 1;
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock"_s), blocks);
        QCOMPARE(blockEntries(), blocks);
        QCOMPARE(m_install->joined(u"SELECT BookingID FROM BlockedBooking"_s), confirm && saved ? u"1"_s : QString());
        QCOMPARE(nightsSold(), sold); // a block sells nothing
    }

    // Availability, the wizard's list and every booking's save see a blocked berth as taken, except the booking a
    // block was confirmed over.
    void holdsTheBerth()
    {
        QCOMPARE(*BerthAvailability::busyBerths(m_install->db(), day(21), day(22), 0), QSet<int>{2});
        const auto free = BerthAvailability::freeBerths(m_install->db(), day(21), day(22), 0);
        QCOMPARE(free->size(), 1);
        QCOMPARE(free->first().name, u"A1"_s);

        // Booking 2 moved a week on, into the block: refused, nothing saved.
        const auto into = BookingMove::plan(m_install->db(), {2, 2, at(13, 14), at(15, 10), 2, 7, 7});
        const auto refusedMove = into ? BookingMove::save(m_install->db(), *into, false)
                                      : Result<BookingStore::SavedBooking>(into.failure());
        QCOMPARE(refusedMove.kind(), FailureKind::Conflict);
        QCOMPARE(m_install->text(u"SELECT FromDate FROM Booking WHERE ID = 2"_s), u"2026-12-13 14:00:00"_s);

        // A block confirmed over booking 1: the booking may still be saved there, a night shorter.
        QVERIFY(BerthBlocks::save(m_install->db(), block(1, 10, 11), {1}));
        QCOMPARE(*BerthAvailability::busyBerths(m_install->db(), day(10), day(12), 1), QSet<int>{});
        QCOMPARE(*BerthAvailability::busyBerths(m_install->db(), day(10), day(12), 2), QSet<int>{1});
        const auto shorter = BookingMove::plan(m_install->db(), {1, 1, at(10, 14), at(12, 10), 1, 1, 0});
        QVERIFY2(shorter, qPrintable(shorter.error()));
        QVERIFY(BookingMove::save(m_install->db(), *shorter, false));

        // A booking written over a block behind the program's back: a server refuses it at commit.
        if (TestMain::currentEngine() == TestMain::Engine::PostgreSQL) {
            QSqlDatabase db = m_install->db();
            QVERIFY(db.transaction());
            QVERIFY(exec(u"UPDATE BookingBerth SET BerthID = 2 WHERE BookingID = 1"_s));
            QVERIFY(exec(u"UPDATE Booking SET FromDate = '2026-12-21 14:00:00', "
                         u"ToDate = '2026-12-22 10:00:00' WHERE ID = 1"_s));
            QVERIFY(!db.commit() && Dialect::of(db).isOverlapRefusal(db.lastError()));
            db.rollback();
            QCOMPARE(m_install->scalarInt(u"SELECT BerthID FROM BookingBerth WHERE BookingID = 1"_s), 1);
        }
    }

    // What another desk changed meanwhile is kept beside this desk's change, never overwritten unasked; a removed
    // block is said so; what goes with a block goes.
    void otherDesksAndWhatGoesWithIt()
    {
        auto seen = *BerthBlocks::load(m_install->db(), 1);
        QVERIFY(seen);
        QCOMPARE(seen->berthName, u"A2"_s);
        QVERIFY(exec(u"UPDATE BerthBlock SET Reason = 'Crane lift' WHERE ID = 1"_s));
        BerthBlocks::Block mine = *seen;
        mine.to = mine.to.addDays(2);
        mine.reason = u"Dredging"_s;
        std::optional<FieldChanges::Merge<BerthBlocks::Block>> merge;
        QCOMPARE(BerthBlocks::save(m_install->db(), mine, {}, *seen, &merge).kind(), FailureKind::Conflict);
        QCOMPARE(merge->conflicts(), (QList<FieldChange>{{u"Reason:"_s, u"Crane lift"_s, u"Dredging"_s}}));
        QCOMPARE(m_install->text(u"SELECT ToDate FROM BerthBlock WHERE ID = 1"_s), u"2026-12-26 00:00:00"_s);
        // The reason left as loaded: the longer period is saved beside their reason, in the index too.
        mine.reason = seen->reason;
        QVERIFY(BerthBlocks::save(m_install->db(), mine, {}, *seen));
        QCOMPARE(m_install->text(u"SELECT Reason FROM BerthBlock WHERE ID = 1"_s), u"Crane lift"_s);
        QCOMPARE(*BerthAvailability::busyBerths(m_install->db(), day(27), day(28), 0), QSet<int>{2});

        std::optional<BerthBlocks::Block> theirs;
        QVERIFY(BerthBlocks::remove(m_install->db(), *seen, &theirs).kind() == FailureKind::Conflict);
        QVERIFY(BerthBlocks::remove(m_install->db(), **BerthBlocks::load(m_install->db(), 1)));
        QCOMPARE(blockEntries(), 0);
        QVERIFY(BerthBlocks::remove(m_install->db(), *seen, &theirs).kind() == FailureKind::Conflict);
        QVERIFY(!theirs); // gone

        // A berth's blocks go with it, and a booking's confirmations with the booking.
        QVERIFY(BerthBlocks::save(m_install->db(), block(1, 11, 11), {1}));
        QVERIFY(exec(u"DELETE FROM Booking WHERE ID = 1"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BlockedBooking"_s), 0);
        QVERIFY(exec(u"DELETE FROM Berth WHERE ID = 1"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BerthBlock"_s), 0);
        QCOMPARE(blockEntries(), 0);
    }
};

ZEM_TEST(tst_BookingMove)
#include "tst_BookingMove.moc"
