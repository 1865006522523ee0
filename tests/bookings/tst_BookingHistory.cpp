#include "bookings/BookingHistory.h"
#include "bookings/BookingHistoryDialog.h"
#include "bookings/BookingStore.h"
#include "bookings/CheckIn.h"
#include "bookings/Ledger.h"
#include "common/InstallFixture.h"
#include "core/Actor.h"
#include "core/ClosedPeriods.h"
#include "core/Dialect.h"

#include <QTreeWidget>

namespace {
Money pounds(qint64 p)
{
    return Money::fromPence(p * 100);
}
QString units(qint64 p)
{
    return pounds(p).toDb().toString();
}
QDateTime at(int month, int day, int hour = 12)
{
    return DateTimes::wallTime(QDate(2026, month, day), QTime(hour, 0));
}
template <typename T> Status statusOf(const Result<T>& done)
{
    if (done)
        return Done{};
    return done.failure();
}
enum class Step
{
    Moved,
    BerthChanged,
    Repriced,
    Paid,
    Refunded,
    CheckedIn,
    Cancelled,
    Deleted,
    SavedUnchanged,
    Corrected
};
} // namespace
Q_DECLARE_METATYPE(Step)

// Every change of a booking leaves its rows in the history, written by the database in the change's transaction,
// naming who made it; the rows are never changed or deleted. A closed month keeps its bookings and ledger lines.
class tst_BookingHistory : public InstallTest
{
    Q_OBJECT

    // Booking 1 (July 1 to 4, berth A1, two charge lines, £100 paid) and booking 2 (unpaid, in August, on A2).
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1)"_s));
        Actor::signIn(7, u"Anna Berg"_s, u"clerk"_s);
        QVERIFY(BookingStore::saveBooking(m_install->db(), booking()));
        BookingRecord second = booking();
        second.fromDate = at(8, 10);
        second.toDate = at(8, 12);
        second.amountPayed = Money();
        second.berthIds = {2};
        second.berthNames = {u"A2"_s};
        QVERIFY(BookingStore::saveBooking(m_install->db(), second));
    }
    void tearDown() override { Actor::signOut(); }

    BookingRecord booking() const
    {
        BookingRecord b;
        b.customerId = 1;
        b.fromDate = at(7, 1, 14);
        b.toDate = at(7, 4, 10);
        b.costOfHire = pounds(300);
        b.totalPayable = pounds(300);
        b.amountPayed = pounds(100);
        b.paymentMethodId = 2;
        b.berthIds = {1};
        b.berthNames = {u"A1"_s};
        b.charges = {{u"A1"_s, u"Summer"_s, Pricing::Unit::Night, 2, pounds(100), pounds(200)},
                     {u"A1"_s, QString(), Pricing::Unit::Night, 1, pounds(100), pounds(100)}};
        b.savedAt = at(6, 1);
        return b;
    }
    BookingRecord loaded(int id) const
    {
        auto b = BookingStore::loadBooking(m_install->db(), id);
        return b ? *b : BookingRecord{};
    }
    int lastRow() const { return m_install->scalarInt(u"SELECT COALESCE(MAX(ID), 0) FROM BookingHistory"_s); }
    // The rows after row `after`, "table/action/field/old/new" each.
    QStringList rowsAfter(int after) const
    {
        QSqlQuery q(m_install->db());
        Sql::exec(q,
                  u"SELECT TableName, Action, Field, OldValue, NewValue FROM BookingHistory WHERE ID > ? ORDER BY ID"_s,
                  {after});
        QStringList rows;
        while (q.next())
            rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                                q.value(3).toString(), q.value(4).toString()}
                        .join(u'/');
        return rows;
    }
    // Runs one step of a booking's life; what it returned.
    Status run(Step step, const QDateTime& now)
    {
        const QSqlDatabase db = m_install->db();
        BookingRecord b = loaded(1);
        switch (step) {
        case Step::Moved:
            b.toDate = at(7, 5, 10);
            return statusOf(BookingStore::saveBooking(db, b));
        case Step::BerthChanged:
            b.berthIds = {2};
            b.berthNames = {u"A2"_s};
            return statusOf(BookingStore::saveBooking(db, b));
        case Step::Repriced:
            b.costOfHire = pounds(250);
            b.charges[1].amount = pounds(50);
            return statusOf(BookingStore::saveBooking(db, b));
        case Step::Paid:
            return statusOf(
                Ledger::record(db, 1, {Ledger::Kind::Payment, 2, pounds(50), {}, {}}, now, Ledger::deskName()));
            ;
        case Step::Refunded:
            return statusOf(
                Ledger::record(db, 1, {Ledger::Kind::Refund, 2, pounds(40), {}, {}}, now, Ledger::deskName()));
            ;
        case Step::Corrected:
            return statusOf(
                Ledger::record(db, 1, {Ledger::Kind::Correction, 2, pounds(-10), {}, {}}, now, Ledger::deskName()));
            ;
        case Step::CheckedIn:
            return statusOf(CheckIn::arrive(db, 1, now, u"desk"_s, CheckIn::Timing::Late));
        case Step::Cancelled:
            return statusOf(
                BookingStore::cancelBooking(db, 1, b.storedStamp, BookingStore::MoneyKept::AsFee, now, u"desk"_s));
        case Step::Deleted:
            return BookingStore::deleteBooking(db, 2);
        case Step::SavedUnchanged:
            return statusOf(BookingStore::saveBooking(db, b));
        }
        return refused(u"no such step"_s);
    }

    using LifeRow = std::tuple<Step, QStringList>;
    using ClosedRow = std::tuple<Step, bool>;

private slots:
    void madeIsRecorded()
    {
        const QString made = u"2026-07-01 14:00:00|2026-07-04 10:00:00"_s;
        QCOMPARE(rowsAfter(0).mid(0, 5),
                 QStringList({u"booking/insert///"_s + made, u"payment/insert/2//"_s + units(100),
                              u"bookingberth/insert/berthid//A1"_s,
                              u"bookingcharge/insert/line//A1|Summer|0|2|%1|%2"_s.arg(units(100), units(200)),
                              u"bookingcharge/insert/line//A1||0|1|%1|%1"_s.arg(units(100))}));
        // Who and where: the one signed in, on both engines (a server is told at sign-in).
        QCOMPARE(m_install->joined(u"SELECT DISTINCT Who || ' ' || Desk FROM BookingHistory"_s),
                 u"Anna Berg "_s + Actor::current().machine);
        Actor::signIn(8, u"Ben Ward"_s, u"manager"_s);
        QVERIFY(run(Step::Moved, {}));
        QCOMPARE(m_install->text(u"SELECT Who FROM BookingHistory WHERE ID = ?"_s, {lastRow()}), u"Ben Ward"_s);
        // The reader puts the rows into words, amounts and dates as shown everywhere.
        const auto changes = BookingHistory::read(m_install->db(), 1);
        QVERIFY(changes && changes->size() == 6);
        QCOMPARE(changes->first().what, u"Booking made"_s);
        QCOMPARE(changes->at(1).after, pounds(100).format());
        QCOMPARE(changes->last().what, u"Departure"_s);
        QCOMPARE(changes->last().after, DateTimes::dateTimeText(at(7, 5, 10)));
        QCOMPARE(changes->last().who, u"Ben Ward"_s);
        // The summary's History list shows the same, and prints it.
        BookingHistoryDialog dialog(m_install->services, 1, u"Booking 1"_s);
        QVERIFY(dialog.load());
        auto* list = dialog.findChild<QTreeWidget*>(u"lstHistory"_s);
        QVERIFY(list && list->topLevelItemCount() == 6);
        QCOMPARE(list->topLevelItem(5)->text(1), u"Departure"_s);
        const Doc::Document printed = BookingHistory::document(*changes, u"Booking 1"_s);
        QCOMPARE(printed.body.size(), 6);
    }

    void lifeIsRecorded_data()
    {
        const DataRows<LifeRow> row;
        row("moved", {Step::Moved, {u"booking/update/todate/2026-07-04 10:00:00/2026-07-05 10:00:00"_s}});
        row("berth changed",
            {Step::BerthChanged, {u"bookingberth/delete/berthid/A1/"_s, u"bookingberth/insert/berthid//A2"_s}});
        row("repriced", {Step::Repriced,
                         {u"booking/update/costofhire/%1/%2"_s.arg(units(300), units(250)),
                          u"bookingcharge/delete/line/A1||0|1|%1|%1/"_s.arg(units(100)),
                          u"bookingcharge/insert/line//A1||0|1|%1|%2"_s.arg(units(100), units(50))}});
        row("paid", {Step::Paid, {u"payment/insert/2//"_s + units(50)}});
        row("refunded", {Step::Refunded, {u"payment/insert/3//"_s + units(-40)}});
        row("checked in", {Step::CheckedIn,
                           {u"booking/update/status/0/1"_s, u"booking/update/arrivedat//2026-07-02 12:00:00"_s,
                            u"booking/update/arriveddesk//desk"_s}});
        row("cancelled", {Step::Cancelled,
                          {u"booking/update/cancelled/0/1"_s, u"booking/update/cancelledberths//A1"_s,
                           u"bookingberth/delete/berthid/A1/"_s}});
        // A deleted booking is one row: its berths and lines go with it unlisted.
        row("deleted", {Step::Deleted, {u"booking/delete//2026-08-10 12:00:00|2026-08-12 12:00:00/"_s}});
        row("saved unchanged", {Step::SavedUnchanged, {}});
    }
    void lifeIsRecorded()
    {
        const auto [step, expected] = fetchRow<LifeRow>();
        const int before = lastRow();
        const Status done = run(step, at(7, 2));
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(rowsAfter(before), expected);
    }

    void historyIsNeverChanged_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("history changed") << u"UPDATE BookingHistory SET Who = 'someone else'"_s;
        QTest::newRow("history deleted") << u"DELETE FROM BookingHistory WHERE BookingID = 1"_s;
        QTest::newRow("history written by hand") << u"UPDATE BookingHistory SET NewValue = NULL WHERE ID = 1"_s;
        QTest::newRow("a close taken back") << u"UPDATE ClosedPeriod SET Closed = 0"_s;
        QTest::newRow("a close deleted") << u"DELETE FROM ClosedPeriod"_s;
    }
    void historyIsNeverChanged()
    {
        QFETCH(QString, sql);
        QVERIFY(ClosedPeriods::close(m_install->db(), QDate(2026, 7, 1), QDate(2026, 9, 1)));
        const QString before = m_install->joined(u"SELECT COUNT(*) || ' ' || MAX(Who) FROM BookingHistory"_s);
        QVERIFY(!exec(sql));
        QCOMPARE(m_install->joined(u"SELECT COUNT(*) || ' ' || MAX(Who) FROM BookingHistory"_s), before);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ClosedPeriod WHERE Closed = 1"_s), 1);
    }

    void closedMonthKeepsItsBookings_data()
    {
        // allowed: whether the step goes through with July closed (booking 1 departs in July)
        const DataRows<ClosedRow> row;
        row("change", {Step::Moved, false});
        row("berths", {Step::BerthChanged, false});
        row("price", {Step::Repriced, false});
        row("payment dated in July", {Step::Paid, false});
        row("check in", {Step::CheckedIn, false});
        row("cancel", {Step::Cancelled, false});
        row("correction dated now", {Step::Corrected, true});
        row("refund dated now", {Step::Refunded, true});
        row("a booking of an open month", {Step::Deleted, true});
    }
    void closedMonthKeepsItsBookings()
    {
        const auto [step, allowed] = fetchRow<ClosedRow>();
        QVERIFY(ClosedPeriods::close(m_install->db(), QDate(2026, 7, 20), QDate(2026, 9, 1)));
        const bool dated = step == Step::Corrected || step == Step::Refunded;
        const QString before = m_install->joined(u"SELECT COUNT(*) FROM BookingHistory"_s);
        const Status done = run(step, dated ? at(9, 1) : at(7, 2));
        QCOMPARE(bool(done), allowed);
        if (allowed) {
            QVERIFY(rowsAfter(0).size() > before.toInt());
            return;
        }
        QCOMPARE(done.kind(), FailureKind::Refused);
        VERIFY_HAS(done.error(), ClosedPeriods::monthName(QDate(2026, 7, 1)));
        QCOMPARE(m_install->joined(u"SELECT COUNT(*) FROM BookingHistory"_s), before);
    }

    // Past the stores, the database itself refuses; reopened, the month takes changes again.
    void closedMonthRefusedByTheDatabase()
    {
        QSqlDatabase db = m_install->db();
        QVERIFY(ClosedPeriods::close(db, QDate(2026, 7, 1), QDate(2026, 9, 1)));
        for (const QString& sql :
             {u"UPDATE Booking SET Notes = 'x' WHERE ID = 1"_s, u"DELETE FROM Booking WHERE ID = 1"_s,
              u"DELETE FROM BookingBerth WHERE BookingID = 1"_s, u"UPDATE BookingCharge SET Amount = 1"_s,
              u"INSERT INTO Payment (BookingID, PaidAt, Kind, Amount) VALUES (2, '2026-07-31 23:00:00', 2, 100)"_s,
              u"INSERT INTO Booking (CustomerID, FromDate, ToDate) VALUES (1, '2026-06-30 12:00:00', "
              u"'2026-07-02 12:00:00')"_s})
            QVERIFY2(!exec(sql), qPrintable(sql));
        // What the ledger keeps in step with a correction dated now is still written.
        QVERIFY(exec(u"UPDATE Booking SET AmountPayed = AmountPayed WHERE ID = 1"_s));
        QVERIFY(exec(u"UPDATE Booking SET Notes = 'August' WHERE ID = 2"_s));
        QCOMPARE(ClosedPeriods::closedMonths(db)->size(), 1);
        QVERIFY(ClosedPeriods::reopen(db, QDate(2026, 7, 9)));
        QVERIFY(exec(u"UPDATE Booking SET Notes = 'x' WHERE ID = 1"_s));
        const auto record = ClosedPeriods::record(db);
        QVERIFY(record && record->size() == 2);
        QVERIFY(!record->first().closed && record->last().closed);
        QCOMPARE(record->first().who, u"Anna Berg"_s);
        QVERIFY(ClosedPeriods::closedMonths(db)->isEmpty());
    }

    void closeRules_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("refusedKind"); // -1: closed
        QTest::newRow("last month") << QDate(2026, 8, 31) << -1;
        QTest::newRow("this month") << QDate(2026, 9, 1) << int(FailureKind::Refused);
        QTest::newRow("next year") << QDate(2027, 1, 1) << int(FailureKind::Refused);
        QTest::newRow("before 2000") << QDate(1999, 12, 1) << int(FailureKind::Refused);
        QTest::newRow("no date") << QDate() << int(FailureKind::Refused);
        QTest::newRow("already closed") << QDate(2026, 7, 2) << int(FailureKind::Conflict);
    }
    void closeRules()
    {
        QFETCH(QDate, month);
        QFETCH(int, refusedKind);
        QVERIFY(ClosedPeriods::close(m_install->db(), QDate(2026, 7, 1), QDate(2026, 9, 15)));
        const Status done = ClosedPeriods::close(m_install->db(), month, QDate(2026, 9, 15));
        QCOMPARE(done ? -1 : int(done.kind()), refusedKind);
        QCOMPARE(ClosedPeriods::reopen(m_install->db(), QDate(2026, 6, 1)).kind(), FailureKind::Conflict);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ClosedPeriod"_s), done ? 2 : 1);
    }
};

ZEM_TEST(tst_BookingHistory)
#include "tst_BookingHistory.moc"
