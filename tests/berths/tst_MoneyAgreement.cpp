#include "berths/BookingChart.h"
#include "bookings/BookingFigures.h"
#include "bookings/BookingMove.h"
#include "bookings/DataGenerator.h"
#include "bookings/Ledger.h"
#include "common/TestSupport.h"
#include "core/DateTimes.h"

#include <QSet>

// Money on the sample harbour: what is priced is whole pence and its parts' sum, and "paid", "part paid" and
// "owing" are the same answer in the summary, the chart's colour, Today and the payments-due list, old bookings
// with totals to the ten-thousandth among them.
class tst_MoneyAgreement : public InstallTest
{
    Q_OBJECT

    QDate today() const { return m_install->clock.current.date(); }

    // Every booking not cancelled, with whether its balance owes money by the summary's account.
    QHash<int, Ledger::Account> accounts() const
    {
        QHash<int, Ledger::Account> found;
        QSqlQuery q(m_install->db());
        q.exec(u"SELECT ID FROM Booking WHERE Cancelled = 0"_s);
        while (q.next()) {
            const auto account = Ledger::account(m_install->db(), q.value(0).toInt());
            if (account)
                found.insert(q.value(0).toInt(), *account);
        }
        return found;
    }

    void addOldBooking(int id, qint64 totalUnits, int arrivalInDays)
    {
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, CostOfHire, VAT, "
                     u"TotalPayable, AmountPayed, Cancelled) VALUES (?, 1, ?, ?, ?, 0, 0, ?, 0, 0)"_s,
                     {id, u"%1 14:00:00"_s.arg(today().addDays(arrivalInDays).toString(Qt::ISODate)),
                      u"%1 10:00:00"_s.arg(today().addDays(arrivalInDays + 2).toString(Qt::ISODate)),
                      u"%1 10:00:00"_s.arg(today().addDays(-30).toString(Qt::ISODate)), totalUnits}));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, 9000)"_s, {id}));
    }
    QString dayAt(int days) const { return today().addDays(days).toString(Qt::ISODate) + u" 00:00:00"_s; }
    void pay(int id, Ledger::Kind kind, qint64 pence)
    {
        const auto paid = Ledger::record(m_install->db(), id, {kind, 1, Money::fromPence(pence), {}, {}},
                                         m_install->clock.current, u"test"_s);
        QVERIFY2(paid, qPrintable(paid.error()));
    }

private slots:
    void generatedAndRepricedTotalsAreWholePence()
    {
        QVERIFY(DataGenerator::generate(m_install->db(), DataGenerator::demoSizes(today())));
        QVERIFY(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s) > 500);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE CostOfHire % 100 <> 0 OR "
                                      u"OtherCharges % 100 <> 0 OR VAT % 100 <> 0 OR AmountPayed % 100 <> 0 OR "
                                      u"TotalPayable <> CostOfHire + OtherCharges + VAT"_s),
                 0);
        // The same bookings a day longer, priced again from the berths' rates.
        QSqlQuery q(m_install->db());
        q.exec(u"SELECT B.ID, MIN(BB.BerthID) FROM Booking B JOIN BookingBerth BB ON BB.BookingID = B.ID "
               u"WHERE B.ID % 20 = 0 GROUP BY B.ID"_s);
        int repriced = 0;
        while (q.next()) {
            const auto stored = BookingStore::loadBooking(m_install->db(), q.value(0).toInt());
            QVERIFY(stored);
            BookingMove::Request longer{
                stored->id, q.value(1).toInt(), stored->fromDate, stored->toDate, q.value(1).toInt(), 0, 1};
            const auto plan = BookingMove::plan(m_install->db(), longer);
            QVERIFY2(plan, qPrintable(plan.error()));
            const BookingRecord moved = BookingMove::moved(*plan, true);
            QVERIFY(moved.costOfHire.isWholePence() && moved.vat.isWholePence());
            QCOMPARE(moved.totalPayable, moved.costOfHire + moved.otherCharges + moved.vat);
            QCOMPARE(moved.totalPayable, plan->repricedTotal);
            ++repriced;
        }
        QVERIFY(repriced > 20);
    }

    // What falls due and when, with deposits and days agreed for single bookings: the payments-due list, the
    // summary's account and Today give each booking the same dues to the penny. An agreed balance day later than
    // the terms' is not overdue; an agreed deposit above what was paid is.
    void duesAgreeWithWhatWasAgreed()
    {
        QVERIFY(DataGenerator::generate(m_install->db(), DataGenerator::demoSizes(today())));
        PaymentTerms terms;
        terms.deposit = PaymentTerms::Deposit::Percent;
        terms.percent = 1000; // 10 %
        terms.balanceDays = 3;
        QVERIFY(PaymentTerms::save(m_install->db(), *PaymentTerms::load(m_install->db()), terms));
        QVERIFY(exec(u"UPDATE Booking SET DepositDue = 2500, DepositBy = ? WHERE ID % 5 = 0"_s, {dayAt(-2)}));
        QVERIFY(exec(u"UPDATE Booking SET BalanceBy = ? WHERE ID % 7 = 0"_s, {dayAt(4)}));
        // Arriving in two days, due yesterday by the terms, agreed for the day of arrival; arriving in six, its
        // terms' deposit of £40.00 paid but £100.00 agreed.
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (9000, 'Z1', 1)"_s));
        addOldBooking(9001, 4000000, 2);
        addOldBooking(9002, 4000000, 6);
        QVERIFY(exec(u"UPDATE Booking SET BalanceBy = ? WHERE ID = 9001"_s, {dayAt(2)}));
        QVERIFY(exec(u"UPDATE Booking SET DepositDue = 1000000 WHERE ID = 9002"_s));
        pay(9001, Ledger::Kind::Deposit, 4000);
        pay(9002, Ledger::Kind::Deposit, 4000);

        const auto due = Ledger::owing(m_install->db(), terms, today());
        const auto lists = BookingFigures::today(m_install->db(), m_install->clock.current);
        QVERIFY2(due && lists, qPrintable(due.error() + lists.error()));
        QHash<int, PaymentTerms::Due> listed;
        int agreed = 0;
        for (const Ledger::Owing& o : *due) {
            const auto held = Ledger::account(m_install->db(), o.bookingId);
            QVERIFY(held);
            QVERIFY2(o.due == held->due(terms, today()), qPrintable(QString::number(o.bookingId)));
            QCOMPARE(o.due.owed, held->balance());
            agreed += held->agreed.deposit || held->agreed.balanceBy.isValid();
            listed.insert(o.bookingId, o.due);
        }
        QVERIFY(agreed > 10 && listed.size() > 20);
        QVERIFY(lists->owingSoon.size() > 2);
        for (const BookingFigures::Line& line : lists->owingSoon)
            QVERIFY2(listed.contains(line.bookingId) && line.due == listed.value(line.bookingId),
                     qPrintable(QString::number(line.bookingId)));

        const PaymentTerms::Due later = listed.value(9001);
        QVERIFY(!later.overdue(today()) && later.owedNow == Money());
        QCOMPARE(later.nextText(today()), u"£360.00 due by "_s + DateTimes::dateText(today().addDays(2)));
        QVERIFY(!later.summaryText(today()).contains(u"overdue"_s));
        const PaymentTerms::Due deposit = listed.value(9002);
        QVERIFY(deposit.overdue(today()));
        QCOMPARE(deposit.nextText(today()), u"£60.00 overdue since "_s + DateTimes::dateText(today().addDays(-30)));
        QCOMPARE(deposit.summaryText(today()), u"Deposit £100.00 due by %1; £360.00 still owed, all due by %2; "
                                               u"£60.00 overdue"_s.arg(DateTimes::dateText(today().addDays(-30)),
                                                                       DateTimes::dateText(today().addDays(3))));
    }

    void paidPartPaidAndOwingAgreeEverywhere()
    {
        QVERIFY(DataGenerator::generate(m_install->db(), DataGenerator::demoSizes(today())));
        QVERIFY(exec(u"UPDATE Booking SET Cancelled = 1 WHERE ID % 41 = 0"_s));
        // On a berth of their own, the generated stays aside. Saved before amounts were pence: £161.5625 paid £200 less
        // £38.44 refunded is settled; £100.0050 paid £100 owes the half penny; £50.0049 paid £25 owes £25.00; each
        // arriving within the week.
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (9000, 'Z1', 1)"_s));
        addOldBooking(9001, 1615625, 0);
        pay(9001, Ledger::Kind::Payment, 20000);
        pay(9001, Ledger::Kind::Refund, 3844);
        addOldBooking(9002, 1000050, 2);
        pay(9002, Ledger::Kind::Payment, 10000);
        addOldBooking(9003, 500049, 4);
        pay(9003, Ledger::Kind::Payment, 2500);

        const QHash<int, Ledger::Account> all = accounts();
        QVERIFY(all.value(9001).balance().isSettled());
        QVERIFY(all.value(9002).balance().owes() && all.value(9003).balance().owes());
        QSet<int> owing;
        for (auto it = all.cbegin(); it != all.cend(); ++it)
            if (it->balance().owes())
                owing.insert(it.key());
        QVERIFY(owing.size() > 20 && owing.size() < all.size() - 100);

        // The payments-due list: exactly those, each with what the summary says it owes.
        const auto due = Ledger::owing(m_install->db(), PaymentTerms{}, today());
        QVERIFY2(due, qPrintable(due.error()));
        QSet<int> listed;
        for (const Ledger::Owing& o : *due) {
            listed.insert(o.bookingId);
            QCOMPARE(o.due.owed, all.value(o.bookingId).balance());
        }
        QCOMPARE(listed, owing);

        // Today's money owing: those of them arriving today or within the week.
        const auto lists = BookingFigures::today(m_install->db(), m_install->clock.current);
        QVERIFY2(lists, qPrintable(lists.error()));
        QSet<int> owingSoon;
        for (const BookingFigures::Line& line : lists->owingSoon)
            owingSoon.insert(line.bookingId);
        QSet<int> expectedSoon;
        for (const int id : std::as_const(owing)) {
            const QDate arrival = all.value(id).arrival;
            if (arrival >= today() && arrival < today().addDays(8))
                expectedSoon.insert(id);
        }
        QCOMPARE(owingSoon, expectedSoon);
        QVERIFY(owingSoon.contains(9002) && owingSoon.contains(9003) && !owingSoon.contains(9001));

        // The chart's colours over the year: green where nothing is owed, amber where some is paid, red else.
        BookingChart chart;
        QVERIFY(chart.loadBerths(m_install->db()));
        QHash<int, BookingChart::Paid> shown;
        for (QDate first = today().addMonths(-6); first < today().addMonths(6); first = first.addDays(100)) {
            QVERIFY(chart.read(m_install->db(), first, BookingChart::MostDays));
            const auto bars = chart.bars(m_install->db(), 0, int(chart.rows().size()) - 1);
            QVERIFY2(bars, qPrintable(bars.error()));
            for (const BookingChart::Bar& bar : *bars)
                if (!bar.blocked() && all.contains(bar.bookingId))
                    shown.insert(bar.bookingId, bar.paid);
        }
        QVERIFY(shown.contains(9001) && shown.size() > 400);
        for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
            const Ledger::Account& account = all.value(it.key());
            const BookingChart::Paid expected = !account.balance().owes() ? BookingChart::Paid::Paid
                                                : account.paid > Money()  ? BookingChart::Paid::Part
                                                                          : BookingChart::Paid::Unpaid;
            QVERIFY2(it.value() == expected, qPrintable(QString::number(it.key())));
        }
    }
};

ZEM_TEST(tst_MoneyAgreement)
#include "tst_MoneyAgreement.moc"
