#include "bookings/BerthAvailability.h"
#include "bookings/BerthBlocks.h"
#include "bookings/BerthGridModel.h"
#include "bookings/BookingRules.h"
#include "bookings/BookingStore.h"
#include "common/TestSupport.h"

#include <QSemaphore>
#include <QThread>
#include <atomic>
#include <thread>

using namespace BookingRules;

// 1 to 3 July, or as many days later.
static BookingRecord newBooking(const QList<int>& berths, const QStringList& names, int laterDays = 0)
{
    BookingRecord b;
    b.customerId = 1;
    b.fromDate = DateTimes::wallTime(QDate(2026, 7, 1).addDays(laterDays), QTime(9, 0));
    b.toDate = DateTimes::wallTime(QDate(2026, 7, 3).addDays(laterDays), QTime(14, 0));
    b.bookedBy = u"Sue"_s;
    b.notes = u"Quiet berth please"_s;
    b.costOfHire = Money::fromPence(5000);
    b.berthConfirmationNumber = 7;
    b.berthIds = berths;
    b.berthNames = names;
    return b;
}

// What the wizard stands on, without its window: the period's rounding, checks and days of hire, which berths
// are free for a period, and saving and deleting bookings. The wizard's tests cover the berth rows of a change,
// the double-booking guard, the question before a cancel and the event texts.
class tst_Bookings : public InstallTest
{
    Q_OBJECT

    static QDateTime at(int d, int h, int m = 0) { return DateTimes::wallTime(QDate(2026, 6, d), QTime(h, m)); }

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, HouseName) VALUES (1, 'Ann O''Neill', '4')"_s));
        // A1 booked 10.06 12:00 to 12.06 10:00 (booking 1); A2 free; A10 inactive; B2 in booking 2 with A1 later.
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Length, Width, HasPower, DailyHireCharge, Active) VALUES "
                     u"(1, 'A1', 10, 3, 1, 125000, 1), (2, 'A2', 8, 3, 0, NULL, 1), (3, 'A10', 8, 3, 0, 1, 0), "
                     u"(4, 'B2', 12, 4, 1, 80000, 1)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(1, 1, '2026-06-10 12:00:00', '2026-06-12 10:00:00'), "
                     u"(2, 1, '2026-06-20 09:00:00', '2026-06-25 14:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 4), (2, 1)"_s));
    }

    using IntervalRow = std::tuple<QDateTime, QDateTime, int, qint64, QString>;
    using OverlapRow = std::tuple<QDateTime, QDateTime, int, QStringList>;
    using AdultsRow = std::tuple<QString, QString, QString>;
    using RangeRow = std::tuple<QDateTime, QDateTime, qlonglong, int, bool>;
    using BerthChangeRow = std::tuple<QString>;

private slots:
    // The stamp a load gives is the stamp of the row it gives, while another desk commits changes all along: a stamp
    // newer than the row would let a save of the older row through over the other desk's change.
    void loadGivesTheStampOfWhatItRead()
    {
        QVERIFY(m_install->exec(u"UPDATE Booking SET Notes = 'n0' WHERE ID = 1"_s));
        const QString address = m_install->databasePath();
        std::atomic<bool> done = false;
        std::thread deskB([&] {
            if (auto db = Database::open(address, u"desk-b"_s, 2000))
                for (int i = 1; i <= 400; ++i)
                    Sql::exec(*db, u"UPDATE Booking SET Notes = ? WHERE ID = 1"_s, {u"n%1"_s.arg(i)});
            Database::close(u"desk-b"_s);
            done = true;
        });
        int loads = 0, stale = 0;
        while (!done) {
            const auto loaded = BookingStore::loadBooking(m_install->db(), 1);
            if (!loaded)
                continue; // the file busy at the other desk's commit
            ++loads;
            if (!loaded->storedStamp.split(u'\x1f').contains(loaded->notes))
                ++stale;
        }
        deskB.join();
        QVERIFY(loads > 0);
        QCOMPARE(stale, 0);
    }

    void interval_data()
    {
        // days: of hire, the days from the arrival's to the departure's, as the hire is charged
        // rounded: arrival rounded down, departure rounded up: "day HH:mm, day HH:mm"
        const DataRows<IntervalRow> row;
        const int ok = int(IntervalCheck::Ok), bad = int(IntervalCheck::DepartureNotAfterArrival),
                  shortNight = int(IntervalCheck::ShortNight);
        row("21:10 to 06:45 next day is a short night",
            {at(5, 21, 10), at(6, 6, 45), shortNight, 1, u"5 21:00, 6 07:00"_s});
        row("21:00 to 08:00 next day is fine", {at(5, 21, 0), at(6, 8, 0), ok, 1, u"5 21:00, 6 08:00"_s});
        row("19:59 rounds to 19:30, fine", {at(5, 19, 59), at(6, 7, 0), ok, 1, u"5 19:30, 6 07:00"_s});
        row("two nights is fine", {at(5, 21, 0), at(7, 7, 0), ok, 2, u"5 21:00, 7 07:00"_s});
        row("same day 10:00 to 10:20 rounds up to 10:30", {at(5, 10, 0), at(5, 10, 20), ok, 0, u"5 10:00, 5 10:30"_s});
        row("rounding runs before the comparison", {at(5, 10, 10), at(5, 10, 5), ok, 0, u"5 10:00, 5 10:30"_s});
        row("departure equal to arrival", {at(5, 10, 0), at(5, 10, 0), bad, 0, u"5 10:00, 5 10:00"_s});
        row("departure before arrival", {at(5, 14, 0), at(4, 14, 0), bad, -1, u"5 14:00, 4 14:00"_s});
        row("23:45 departure is midnight next day, a short night",
            {at(5, 22, 0), at(5, 23, 45), shortNight, 1, u"5 22:00, 6 00:00"_s});
        row("23:45 departure from a morning arrival", {at(5, 9, 0), at(5, 23, 45), ok, 1, u"5 09:00, 6 00:00"_s});
    }
    void interval()
    {
        const auto& [from, to, check, days, rounded] = fetchRow<IntervalRow>();
        const QDateTime arrival = arrivalFrom(from.date(), from.time());
        const QDateTime departure = departureFrom(to.date(), to.time());
        QCOMPARE(arrival.toString(u"d HH:mm"_s) + u", "_s + departure.toString(u"d HH:mm"_s), rounded);
        QCOMPARE(int(checkInterval(arrival, departure)), check);
        QCOMPARE(daysOfHire(arrival, departure), days);
    }

    void overlap_data()
    {
        const DataRows<OverlapRow> row;
        const QStringList all{u"A1"_s, u"A2"_s, u"B2"_s};
        row("starts when the booking ends", {at(12, 10), at(14, 10), 0, all});
        row("ends when the booking starts", {at(8, 10), at(10, 12), 0, all});
        row("inside the booking", {at(11, 0), at(11, 23, 30), 0, {u"A2"_s, u"B2"_s}});
        row("one minute of overlap counts", {at(12, 9, 30), at(13, 9), 0, {u"A2"_s, u"B2"_s}});
        row("covering the whole booking", {at(1, 0), at(30, 0), 0, {u"A2"_s}});
        row("the booking being changed does not block itself", {at(21, 9), at(22, 9), 2, all});
        row("a third booking still blocks when changing another", {at(11, 9), at(21, 9), 2, {u"A2"_s, u"B2"_s}});
    }
    void overlap()
    {
        const auto& [from, to, exclude, free] = fetchRow<OverlapRow>();
        QStringList names; // stays empty when the query fails; every case expects some berth free
        for (const AvailableBerth& berth :
             BerthAvailability::freeBerths(m_install->db(), from, to, exclude).valueOr({}))
            names << berth.name;
        QCOMPARE(names, free);
    }

    // A desk keeps its list of berths between questions: what another desk changes in it is seen at the next one,
    // as a desk that never asked before reads it.
    void freeListSeesAnotherDesksBerths_data()
    {
        const DataRows<BerthChangeRow> row;
        row("renamed", {u"UPDATE Berth SET Name = 'A3' WHERE ID = 2"_s});
        row("renamed to the front", {u"UPDATE Berth SET Name = 'A0' WHERE ID = 4"_s});
        row("renamed into a tie", {u"UPDATE Berth SET Name = 'a1' WHERE ID = 4"_s});
        row("resized", {u"UPDATE Berth SET Length = 9, Width = 2.5, MaxDraft = 1.5 WHERE ID = 2"_s});
        row("power and multihulls", {u"UPDATE Berth SET HasPower = 1, TakesMultihulls = 0 WHERE ID = 2"_s});
        row("daily charge", {u"UPDATE Berth SET DailyHireCharge = 99 WHERE ID = 2"_s});
        row("made inactive", {u"UPDATE Berth SET Active = 0 WHERE ID = 4"_s});
        row("made active", {u"UPDATE Berth SET Active = 1 WHERE ID = 3"_s});
        row("added", {u"INSERT INTO Berth (ID, Name, Active) VALUES (5, 'C1', 1)"_s});
        row("removed", {u"DELETE FROM Berth WHERE ID = 1"_s});
        // Statements split at ';': the list read again holds as many berths as before, or the same names.
        row("one removed, another added",
            {u"DELETE FROM Berth WHERE ID = 1;INSERT INTO Berth (ID, Name, Active) VALUES (5, 'C1', 1)"_s});
        row("two names swapped", {u"UPDATE Berth SET Name = 'A2' WHERE ID = 1;UPDATE Berth SET Name = 'A1' WHERE ID = "
                                  u"2;UPDATE Berth SET Length = 7 WHERE ID = 1"_s});
    }
    void freeListSeesAnotherDesksBerths()
    {
        const auto& [change] = fetchRow<BerthChangeRow>();
        const auto describe = [&](const QSqlDatabase& db) {
            QStringList lines;
            for (const AvailableBerth& b : BerthAvailability::freeBerths(db, at(1, 9), at(2, 9), 0).valueOr({}))
                lines << u"%1 %2 %3 %4 %5 %6 %7"_s
                             .arg(b.name, QString::number(b.length.value_or(-1)), QString::number(b.width.value_or(-1)),
                                  QString::number(b.maxDraft.value_or(-1)))
                             .arg(int(b.hasPower))
                             .arg(int(b.takesMultihulls))
                             .arg(b.dailyHireCharge ? b.dailyHireCharge->format() : u"-"_s);
            return lines.join(u'\n');
        };
        const QString before = describe(m_install->db());
        QVERIFY(!before.isEmpty());
        QVERIFY(atAnotherDesk(*m_install, change.split(u';')));
        const QString kept = describe(m_install->db());
        const QString never = u"never-asked-"_s + QString::fromLatin1(QTest::currentDataTag());
        QString asRead;
        if (const auto fresh = Database::open(m_install->databasePath(), never, 2000))
            asRead = describe(*fresh);
        Database::close(never);
        QCOMPARE(kept, asRead);
        QVERIFY(kept != before);
    }

    void saveLoadSaveAgainAndDelete()
    {
        BookingRecord typed = newBooking({1, 4}, {u"A1"_s, u"B2"_s});
        typed.creditCardNo = u"4111 1111-1111 1234"_s;
        const auto added = BookingStore::saveBooking(m_install->db(), typed);
        QVERIFY2(added, qPrintable(added.error()));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingBerth WHERE BookingID = ?"_s, {added->id}), 2);
        // No method stays Null; the card number is kept masked and the security code never.
        QCOMPARE(
            m_install->text(u"SELECT coalesce(CAST(PaymentMethodID AS TEXT), 'none') || '|' || CAST(AmountPayed "
                            u"AS TEXT) || '|' || CreditCardNo || '|' || CreditCardCV2No FROM Booking WHERE ID = ?"_s,
                            {added->id}),
            u"none|0|************1234|"_s);

        auto loaded = BookingStore::loadBooking(m_install->db(), added->id);
        QVERIFY(loaded);
        QCOMPARE(loaded->notes, u"Quiet berth please"_s);
        QCOMPARE(loaded->fromDate, DateTimes::wallTime(QDate(2026, 7, 1), QTime(9, 0)));
        QCOMPARE(loaded->costOfHire, Money::fromPence(5000));
        QCOMPARE(loaded->berthNames, (QStringList{u"A1"_s, u"B2"_s}));

        loaded->paymentMethodId = 2;
        const auto changed = BookingStore::saveBooking(m_install->db(), *loaded);
        QVERIFY2(changed, qPrintable(changed.error()));
        QCOMPARE(changed->id, added->id);
        // A copy loaded before that save is refused, naming what changed: it would overwrite the change.
        loaded->notes = u"stale"_s;
        BookingStore::Overtaken overtaken = BookingStore::Overtaken::Nothing;
        const auto stale = BookingStore::saveBooking(m_install->db(), *loaded, &overtaken);
        QVERIFY(!stale && stale.kind() == FailureKind::Conflict);
        VERIFY_HAS(stale.error(), u"(changed: payment method"_s);
        QCOMPARE(overtaken, BookingStore::Overtaken::BookingChanged);
        // Saving again without a method keeps the one stored, and the masked number stays masked.
        loaded = BookingStore::loadBooking(m_install->db(), added->id);
        loaded->paymentMethodId.reset();
        QVERIFY(BookingStore::saveBooking(m_install->db(), *loaded));
        QCOMPARE(
            m_install->text(u"SELECT PaymentMethodID || '|' || CreditCardNo FROM Booking WHERE ID = ?"_s, {added->id}),
            u"2|************1234"_s);
        QCOMPARE(maskedCardNumber(u"see notes"_s), u"see notes"_s);
        QCOMPARE(maskedCardNumber(u"123"_s), u"123"_s);
        // A booking deleted meanwhile does not load.
        QVERIFY(exec(u"DELETE FROM Booking WHERE ID = ?"_s, {added->id}));
        QCOMPARE(BookingStore::loadBooking(m_install->db(), added->id).kind(), FailureKind::Conflict);

        // Deleting takes the berth rows.
        const auto id = BookingStore::saveBooking(m_install->db(), newBooking({1, 4}, {u"A1"_s, u"B2"_s}));
        QVERIFY(id && BookingStore::deleteBooking(m_install->db(), id->id));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingBerth WHERE BookingID = ?"_s, {id->id}), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = ?"_s, {id->id}), 0);
        // Changed at another desk since it was loaded: nothing is deleted.
        const auto again = BookingStore::saveBooking(m_install->db(), newBooking({1}, {u"A1"_s}));
        QVERIFY(again);
        const auto seen = BookingStore::loadBooking(m_install->db(), again->id);
        QVERIFY(seen && exec(u"UPDATE Booking SET Notes = 'changed' WHERE ID = ?"_s, {again->id}));
        QCOMPARE(BookingStore::deleteBooking(m_install->db(), again->id, seen->storedStamp).kind(),
                 FailureKind::Conflict);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = ?"_s, {again->id}), 1);
        QVERIFY(BookingStore::deleteBooking(m_install->db(), again->id,
                                            BookingStore::loadBooking(m_install->db(), again->id)->storedStamp));
        // A failed delete says why; a save failing half-way rolls back what it wrote.
        QVERIFY(m_install->failOn(u"Booking"_s, u"DELETE"_s, u"kept"_s));
        const Status kept = BookingStore::deleteBooking(m_install->db(), 1);
        QVERIFY(kept.kind() == FailureKind::Database && kept.error().contains(u"kept"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = 1"_s), 1);
        QVERIFY(m_install->failOn(u"BookingBerth"_s, u"INSERT"_s, u"disk trouble"_s));
        const auto result = BookingStore::saveBooking(m_install->db(), newBooking({1}, {u"A1"_s}));
        QVERIFY(result.kind() == FailureKind::Database && result.error().contains(u"disk trouble"_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 2);
    }

    void adultsAndKids_data()
    {
        // shown: numbers, then whether the numbers and the words show
        const DataRows<AdultsRow> row;
        row("counts", {u"2"_s, u"1"_s, u"2 1 numbers words"_s});
        row("empty boxes count as none", {u" "_s, u""_s, u"0 0 numbers words"_s});
        row("not recorded", {u"-1"_s, u"-1"_s, u"-1 -1 - -"_s});
        // The adults box decides both numbers, the kids box both words.
        row("adults not recorded", {u"-1"_s, u"3"_s, u"-1 3 - words"_s});
        row("kids not recorded", {u"4"_s, u"-1"_s, u"4 -1 numbers -"_s});
    }
    void adultsAndKids()
    {
        const auto& [adults, kids, shown] = fetchRow<AdultsRow>();
        const auto line = BookingRules::confirmationCounts(adults, kids);
        QCOMPARE(QStringList({line.adults, line.kids, line.numbersShown ? u"numbers"_s : u"-"_s,
                              line.wordsShown ? u"words"_s : u"-"_s})
                     .join(u' '),
                 shown);
    }

    void berthGridMarks()
    {
        BerthGridModel grid;
        QAbstractItemModelTester tester(&grid, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&grid, &QAbstractItemModel::dataChanged);
        const auto free = BerthAvailability::freeBerths(m_install->db(), at(1, 9), at(2, 9), 0);
        QVERIFY(free && free->size() == 3);
        // The columns as stored; a berth without a daily charge has none, not £0.00.
        const AvailableBerth& a1 = free->at(0);
        QVERIFY(a1.id == 1 && a1.length == 10.0 && a1.hasPower && !free->at(1).dailyHireCharge);
        QCOMPARE(a1.dailyHireCharge->format(), u"£12.50"_s);
        grid.setBerths(*free);
        grid.markBerths({free->at(2).id, free->at(0).id, 999});
        grid.toggle(1);
        grid.toggle(2);             // unmarked again
        grid.markBerthRow(0, true); // already marked: no change reported
        grid.toggle(-1);
        grid.toggle(static_cast<int>(free->size()));
        QCOMPARE(grid.selectedCount(), 2);
        QCOMPARE(changed.size(), 4);
        QList<int> marked;
        for (const AvailableBerth& berth : grid.marked())
            marked << berth.id;
        QCOMPARE(marked, (QList<int>{free->at(0).id, free->at(1).id})); // in grid order
        // Marked rows take the highlight colours in their shown cells only.
        const QVariant highlight = grid.index(0, BerthGridModel::ColName).data(Qt::BackgroundRole);
        QVERIFY(highlight.isValid());
        QCOMPARE(grid.index(2, BerthGridModel::ColName).data(Qt::BackgroundRole), QVariant());
        QCOMPARE(grid.index(0, BerthGridModel::ColID).data(Qt::BackgroundRole), QVariant());
        grid.setBerths({});
        QCOMPARE(grid.selectedCount(), 0);
        QVERIFY(grid.marked().isEmpty());
    }

    // Desk B works on the same file through a connection of its own.
    void twoDesksOneFile()
    {
        OtherDesk deskB(*m_install);
        QVERIFY2(deskB, qPrintable(deskB.error()));

        // Both desks were proposed number 1; B saves first, A's save takes the next free number. (The wizard's
        // tests cover a customer deleted at the other desk.)
        BookingRecord a = newBooking({2}, {u"A2"_s});
        QCOMPARE(BookingStore::nextConfirmationNumber(m_install->db()).valueOr(0), 1);
        a.berthConfirmationNumber = 1;
        a.confirmationNumberProposed = true;
        BookingRecord b = a;
        b.fromDate = b.fromDate.addDays(10);
        b.toDate = b.toDate.addDays(10);
        QVERIFY(BookingStore::saveBooking(*deskB, b));
        const auto savedA = BookingStore::saveBooking(m_install->db(), a);
        QVERIFY2(savedA, qPrintable(savedA.error()));
        QCOMPARE(savedA->confirmationNumber, 2);
        // A number typed by hand is the user's choice and is kept.
        BookingRecord typed = newBooking({2}, {u"A2"_s}, 20);
        typed.berthConfirmationNumber = 1;
        QCOMPARE(BookingStore::saveBooking(m_install->db(), typed)->confirmationNumber, 1);
        // A berth blocked at B meanwhile is named as blocked, not as booked.
        const BookingRecord late = newBooking({2}, {u"A2"_s}, 40);
        QVERIFY(BerthBlocks::save(*deskB, {0, 2, {}, late.fromDate.addDays(1), late.toDate, u"Works"_s}, {}));
        BookingStore::Overtaken overtaken = BookingStore::Overtaken::Nothing;
        const auto blocked = BookingStore::saveBooking(m_install->db(), late, &overtaken);
        QCOMPARE(overtaken, BookingStore::Overtaken::BerthsTaken);
        QVERIFY2(blocked.error().startsWith(u"A2 has been blocked for this period"_s), qPrintable(blocked.error()));
        // The next proposal follows the highest number; a failed read proposes nothing rather than 1.
        QVERIFY(exec(u"INSERT INTO Booking (BerthConfirmationNumber) VALUES (41), (NULL)"_s));
        QCOMPARE(BookingStore::nextConfirmationNumber(m_install->db()).valueOr(0), 42);
        QVERIFY(exec(u"ALTER TABLE Booking RENAME TO BookingGone"_s));
        QCOMPARE(BookingStore::nextConfirmationNumber(m_install->db()).kind(), FailureKind::Database);
    }

    void outOfRangeIsRefused_data()
    {
        const DataRows<RangeRow> row;
        const auto at = [](int y, int mo, int d, int h = 0) {
            return DateTimes::wallTime(QDate(y, mo, d), QTime(h, 0));
        };
        row("first day", {at(2000, 1, 1), at(2000, 1, 2), 0, 2, true});
        row("to midnight after the last day", {at(2199, 12, 31, 9), at(2200, 1, 1), 0, 2, true});
        row("before 2000", {at(1999, 12, 31, 9), at(2000, 1, 2), 0, 2, false});
        row("past 2199", {at(2199, 12, 31, 9), at(2200, 1, 1, 9), 0, 2, false});
        row("year 6054", {at(6054, 1, 1, 9), at(6054, 1, 2, 9), 0, 2, false});
        row("amount over the ceiling", {at(2026, 8, 1), at(2026, 8, 2), Money::ceiling().units() + 1, 2, false});
        row("too many adults", {at(2026, 8, 1), at(2026, 8, 2), 0, 10000, false});
    }
    void outOfRangeIsRefused()
    {
        const auto& [from, to, otherUnits, adults, saved] = fetchRow<RangeRow>();
        BookingRecord b = newBooking({2}, {u"A2"_s});
        b.fromDate = from;
        b.toDate = to;
        b.otherCharges = Money::fromUnits(otherUnits);
        b.noAdults = adults;
        const auto result = BookingStore::saveBooking(m_install->db(), b);
        QCOMPARE(result.ok(), saved);
        if (!saved)
            QCOMPARE(result.kind(), FailureKind::Refused);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), saved ? 3 : 2);
    }

    // On a server the database itself refuses a berth booked twice over, when the transaction commits: a booking that
    // another desk commits after the re-check of a save must still turn that save into the same "taken" answer.
    void overlapCommittedAfterTheRecheckIsTaken()
    {
        if (TestMain::currentEngine() != TestMain::Engine::PostgreSQL)
            QSKIP("a file has one writer at a time: nothing commits between a save's re-check and its commit");
        // Desk B writes with plain statements (it does not wait for our write lock) and keeps its transaction
        // open, so desk A's re-check cannot see its booking; A's commit then waits for B's, and B commits.
        QSemaphore inserted;
        std::atomic<bool> committed = false;
        std::thread deskB([&] {
            OtherDesk db(*m_install);
            if (db) {
                const bool written = db->transaction() &&
                                     Sql::exec(*db, u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                                    u"(60, 1, '2026-07-02 09:00:00', '2026-07-05 14:00:00')"_s) &&
                                     Sql::exec(*db, u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (60, 4)"_s);
                inserted.release();
                // Until desk A waits for this transaction (at most ten seconds: then A was not held up at all).
                for (int i = 0; written && i < 200; ++i) {
                    if (Sql::scalar(*db, u"SELECT COUNT(*) FROM pg_locks WHERE NOT granted"_s).value_or(0).toInt() > 0)
                        break;
                    QThread::msleep(50);
                }
                committed = written && db->commit();
            } else {
                inserted.release();
            }
        });
        const BookingRecord b = newBooking({1, 4}, {u"A1"_s, u"B2"_s});
        inserted.acquire();
        BookingStore::Overtaken overtaken = BookingStore::Overtaken::Nothing;
        const auto result = BookingStore::saveBooking(m_install->db(), b, &overtaken);
        deskB.join();
        QVERIFY(committed);
        QCOMPARE(overtaken, BookingStore::Overtaken::BerthsTaken);
        QVERIFY2(result.kind() == FailureKind::Conflict && result.error().startsWith(u"B2 has been booked"_s),
                 qPrintable(result.error()));
        // Nothing of A's booking was written; B's stands.
        QCOMPARE(m_install->joined(u"SELECT ID FROM Booking ORDER BY ID"_s), u"1,2,60"_s);
        QCOMPARE(m_install->joined(u"SELECT DISTINCT BookingID FROM BookingBerth ORDER BY 1"_s), u"1,2,60"_s);
        // The same save once B's booking is known is refused by the re-check, with the same answer.
        const auto again = BookingStore::saveBooking(m_install->db(), b);
        QCOMPARE(again.error(), result.error());
    }
};

ZEM_TEST(tst_Bookings)
#include "tst_Bookings.moc"
