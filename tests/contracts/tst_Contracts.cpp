#include "berths/BookingChart.h"
#include "bookings/BerthAvailability.h"
#include "bookings/BerthBlocks.h"
#include "bookings/BookingStore.h"
#include "bookings/DependentBookings.h"
#include "common/TestSupport.h"
#include "contracts/ContractDialog.h"
#include "contracts/ContractStore.h"
#include "contracts/ContractsWindow.h"
#include "rates/TermRates.h"

#include <functional>

namespace {
Money pounds(qint64 p)
{
    return Money::fromPence(p * 100);
}
QDateTime at(const QDate& d, int h)
{
    return DateTimes::wallTime(d, QTime(h, 0));
}
const QDate September1(2026, 9, 1);
const QDate March31(2027, 3, 31);
} // namespace

using Edit = std::function<void(ContractRecord&)>;

// Berths let for a term: priced from the terms, held in the period index as a block is, refused over anything else
// holding the berth, invoiced instalment by instalment with the bookings' numbers, and paid on the ledger.
class tst_Contracts : public InstallTest
{
    Q_OBJECT

    // P1 and P2 pontoon berths in use, P3 out of use; the season and the winter priced for pontoons; 20 % tax.
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO BerthType (ID, Type) VALUES (70, 'Pontoon')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Length, Active) VALUES (1, 'P1', 70, 10, 1), "
                     u"(2, 'P2', 70, 10, 1), (3, 'P3', 70, 10, 0)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Holder'), (2, 'Bob Visitor')"_s));
        QVERIFY(exec(u"DELETE FROM Tax"_s));
        QVERIFY(exec(u"INSERT INTO Tax (ID, Name, Rate, FromDate) VALUES (1, 'VAT', 2000, '2020-01-01')"_s));
        QVERIFY(exec(u"UPDATE Company SET LastInvoiceNumber = 40"_s));
        TermTable terms;
        terms.terms = {{-1, u"Season"_s, QDate(2026, 4, 1), QDate(2026, 9, 30), true, 0},
                       {-2, u"Winter"_s, QDate(2026, 10, 1), QDate(2027, 3, 31), true, 0}};
        terms.rates = {{0, -1, 70, {}, Pricing::Basis::PerBerth, pounds(1200), QDate(2020, 1, 1)},
                       {0, -2, 70, {}, Pricing::Basis::PerBerth, pounds(600), QDate(2020, 1, 1)}};
        QVERIFY(TermRates::save(m_install->db(), {}, terms));
    }

    // Ann's contract on P1 from 1 September to 31 March at the rates' price, in four instalments.
    ContractRecord annual() const
    {
        ContractRecord c;
        c.customerId = 1;
        c.firstDay = September1;
        c.lastDay = March31;
        c.berthIds = {1};
        c.hire = ContractStore::propose(m_install->db(), c.berthIds, c.firstDay, c.lastDay)->total;
        const Money total = ContractStore::charges(m_install->db(), c.hire, c.firstDay)->total;
        c.plan = ContractPlan::split(total, 4, c.firstDay, c.lastDay);
        return c;
    }
    int count(const QString& table) const { return m_install->scalarInt(u"SELECT COUNT(*) FROM "_s + table); }
    BookingRecord visitor(int berth, const QDate& arrival, int nights) const
    {
        BookingRecord b;
        b.customerId = 2;
        b.fromDate = at(arrival, 14);
        b.toDate = at(arrival.addDays(nights), 10);
        b.totalPayable = pounds(50);
        b.berthIds = {berth};
        b.berthNames = {u"P%1"_s.arg(berth)};
        b.savedAt = m_install->clock.current;
        return b;
    }

    using RefusalRow = std::tuple<QString, Edit, FailureKind>;
    using SplitRow = std::tuple<qint64, int, QDate, QDate, QList<qint64>, QList<QDate>>;

private slots:
    // The office's example end to end: priced across two terms, held, invoiced, paid, cancelled.
    void madeHeldInvoicedAndPaid()
    {
        QSqlDatabase db = m_install->db();
        ContractRecord c = annual();
        // £1,200 × 30/183 + £600, then 20 % tax rounded once.
        const qint64 hirePence = (120000 * 30 * 2 + 183) / (2 * 183) + 60000;
        QCOMPARE(c.hire, Money::fromPence(hirePence));
        QCOMPARE(c.hire, Money::fromPence(79672));
        const qint64 totalPence = hirePence + (hirePence * 2000 * 2 + 10000) / (2 * 10000);
        const auto id = ContractStore::add(db, c, m_install->clock.current);
        QVERIFY2(id, qPrintable(id.error()));
        const auto loaded = ContractStore::load(db, *id);
        QVERIFY(loaded);
        QCOMPARE(loaded->total, Money::fromPence(totalPence));
        QCOMPARE(loaded->berths, QStringList{u"P1"_s});
        QCOMPARE(loaded->customer, u"Ann Holder"_s);
        QCOMPARE(loaded->desk, Ledger::deskName());
        QCOMPARE(loaded->plan.size(), 4);
        Money planned;
        for (const ContractPlan::Instalment& i : loaded->plan)
            planned += i.amount;
        QCOMPARE(planned, loaded->total);
        QCOMPARE(loaded->plan[0].amount - loaded->plan[1].amount, Money::fromPence(totalPence % 4));

        // Held as a block is: busy for availability and the wizard's free list, a visitor's save refused.
        const QDateTime octFrom = at(QDate(2026, 10, 10), 14);
        const QDateTime octTo = at(QDate(2026, 10, 12), 10);
        QCOMPARE(*BerthAvailability::busyBerths(db, octFrom, octTo, 0), QSet<int>{1});
        const auto free = BerthAvailability::freeBerths(db, octFrom, octTo, 0);
        QVERIFY(free && free->size() == 1 && free->first().id == 2);
        QVERIFY(!BookingStore::saveBooking(db, visitor(1, QDate(2026, 10, 10), 2)));
        // The day before it starts and the afternoon after it ends are free.
        const auto before = BookingStore::saveBooking(db, visitor(1, QDate(2026, 8, 30), 2));
        QVERIFY(before);
        QVERIFY(BookingStore::saveBooking(db, visitor(1, QDate(2027, 4, 1), 2)));
        // The chart draws it as a contract's bar with the holder's name.
        BookingChart chart;
        QVERIFY(chart.loadBerths(db) && chart.read(db, QDate(2026, 10, 1), 14));
        const int row = chart.rowOf(1);
        const auto bars = chart.bars(db, row, row);
        QVERIFY(bars && bars->size() == 1);
        QVERIFY(bars->front().blocked() && bars->front().held);
        QCOMPARE(bars->front().label, u"Ann Holder"_s);
        // Its block is the contract's: not changed or removed as a block.
        const auto block = BerthBlocks::load(db, -bars->front().bookingId);
        QVERIFY(block && *block && (*block)->contractId == *id);
        QCOMPARE(BerthBlocks::remove(db, **block).kind(), FailureKind::Refused);
        BerthBlocks::Block moved = **block;
        moved.to = moved.to.addDays(-30);
        QCOMPARE(BerthBlocks::save(db, moved, {}, **block).kind(), FailureKind::Refused);
        QCOMPARE(BerthBlocks::load(db, (*block)->id)->value().to, (*block)->to);

        // An instalment issued early takes the next invoice number; those due by a day follow in date order.
        const auto early = ContractStore::issue(db, *id, 3, m_install->clock.current);
        QVERIFY(early && early->invoiceNumber == 41);
        QCOMPARE(ContractStore::issue(db, *id, 3, m_install->clock.current)->invoiceNumber, 41);
        QCOMPARE(*Ledger::issueInvoice(db, before->id), 42); // a booking's between them
        const auto due = ContractStore::issueDue(db, loaded->plan[1].due, m_install->clock.current);
        QVERIFY(due);
        QCOMPARE(due->size(), 2);
        QCOMPARE(due->at(0).number, 1);
        QCOMPARE(due->at(0).invoiceNumber, 43);
        QCOMPARE(due->at(1).invoiceNumber, 44);
        QVERIFY(ContractStore::issueDue(db, loaded->plan[1].due, m_install->clock.current)->isEmpty());
        QCOMPARE(m_install->scalarInt(u"SELECT LastInvoiceNumber FROM Company"_s), 44);

        // Payments are ledger lines of the contract, none of a booking's.
        const int bookingLines = m_install->scalarInt(u"SELECT COUNT(*) FROM Payment WHERE BookingID > 0"_s);
        QCOMPARE(*ContractStore::pay(db, *id, {Ledger::Kind::Payment, 1, pounds(200), u"chq 12"_s, {}},
                                     m_install->clock.current),
                 pounds(200));
        QCOMPARE(ContractStore::pay(db, *id, {Ledger::Kind::Refund, 1, pounds(201), {}, {}}, {}).kind(),
                 FailureKind::Refused);
        QCOMPARE(*ContractStore::pay(db, *id, {Ledger::Kind::Correction, {}, Money() - pounds(5), {}, {}},
                                     m_install->clock.current),
                 pounds(195));
        const auto lines = Ledger::contractLines(db, *id);
        QVERIFY(lines && lines->size() == 2);
        QCOMPARE(lines->first().reference, u"chq 12"_s);
        QCOMPARE(lines->first().desk, Ledger::deskName());
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Payment WHERE BookingID > 0"_s), bookingLines);
        QCOMPARE(ContractStore::load(db, *id)->balance(), Money::fromPence(totalPence) - pounds(195));
        const auto listed = ContractStore::list(db);
        QVERIFY(listed && listed->size() == 1);
        QCOMPARE(listed->first().berthType, u"Pontoon"_s);
        QCOMPARE(listed->first().paid, pounds(195));

        // Cancelled: the berth is free again, the money stays on the ledger, nothing more is invoiced or paid.
        QVERIFY(ContractStore::cancel(db, *id));
        QVERIFY(BerthAvailability::busyBerths(db, octFrom, octTo, 0)->isEmpty());
        QCOMPARE(count(u"Payment WHERE ContractID IS NOT NULL"_s), 2);
        QCOMPARE(ContractStore::issue(db, *id, 4, {}).kind(), FailureKind::Refused);
        QCOMPARE(ContractStore::pay(db, *id, {Ledger::Kind::Payment, 1, pounds(1), {}, {}}, {}).kind(),
                 FailureKind::Refused);
        QVERIFY(ContractStore::pay(db, *id, {Ledger::Kind::Refund, 1, pounds(195), {}, {}}, {}));
        QCOMPARE(ContractStore::cancel(db, *id).kind(), FailureKind::Refused);
        QVERIFY(ContractStore::list(db)->isEmpty());
        QCOMPARE(ContractStore::list(db, true)->size(), 1);
    }

    void refusals_data()
    {
        // setup: run before the save; edit: made to Ann's contract
        const DataRows<RefusalRow> row;
        const Edit none = [](ContractRecord&) {};
        row("ends before it starts",
            {{}, [](ContractRecord& c) { c.lastDay = c.firstDay.addDays(-1); }, FailureKind::Refused});
        row("no berth", {{}, [](ContractRecord& c) { c.berthIds.clear(); }, FailureKind::Refused});
        row("a berth twice", {{}, [](ContractRecord& c) { c.berthIds = {1, 1}; }, FailureKind::Refused});
        row("over four years",
            {{}, [](ContractRecord& c) { c.lastDay = c.firstDay.addYears(4); }, FailureKind::Refused});
        row("price below zero", {{}, [](ContractRecord& c) { c.hire = Money() - pounds(1); }, FailureKind::Refused});
        row("inactive berth", {{}, [](ContractRecord& c) { c.berthIds = {2, 3}; }, FailureKind::Refused});
        row("berth gone", {{}, [](ContractRecord& c) { c.berthIds = {9}; }, FailureKind::Conflict});
        row("holder gone", {{}, [](ContractRecord& c) { c.customerId = 9; }, FailureKind::Conflict});
        row("plan a penny short",
            {{}, [](ContractRecord& c) { c.plan[3].amount -= Money::fromPence(1); }, FailureKind::Refused});
        row("plan a penny over",
            {{}, [](ContractRecord& c) { c.plan[0].amount += Money::fromPence(1); }, FailureKind::Refused});
        row("instalment after the end",
            {{}, [](ContractRecord& c) { c.plan[3].due = c.lastDay.addDays(1); }, FailureKind::Refused});
        row("no plan", {{}, [](ContractRecord& c) { c.plan.clear(); }, FailureKind::Refused});
        row("over a booking", {u"booking"_s, none, FailureKind::Refused});
        row("over a block", {u"block"_s, none, FailureKind::Refused});
        row("over another contract", {u"contract"_s, none, FailureKind::Refused});
        row("second berth booked", {u"booking"_s,
                                    [](ContractRecord& c) {
                                        c.berthIds = {2, 1};
                                    },
                                    FailureKind::Refused});
    }
    void refusals()
    {
        const auto& [setup, edit, kind] = fetchRow<RefusalRow>();
        QSqlDatabase db = m_install->db();
        // Each holds P1 over one night in the middle of the contract.
        if (setup == u"booking"_s)
            QVERIFY(BookingStore::saveBooking(db, visitor(1, QDate(2027, 1, 10), 1)));
        if (setup == u"block"_s)
            QVERIFY(BerthBlocks::save(
                db, {0, 1, {}, at(QDate(2027, 1, 10), 8), at(QDate(2027, 1, 11), 8), u"Pontoon repairs"_s}, {}));
        if (setup == u"contract"_s) {
            ContractRecord other = annual();
            other.customerId = 2;
            other.firstDay = QDate(2027, 1, 10);
            other.plan = ContractPlan::split(ContractStore::charges(db, other.hire, other.firstDay)->total, 1,
                                             other.firstDay, other.lastDay);
            QVERIFY(ContractStore::add(db, other, m_install->clock.current));
        }
        const int contracts = count(u"Contract"_s);
        const int blocks = count(u"BerthBlock"_s);
        ContractRecord c = annual();
        edit(c);
        const auto saved = ContractStore::add(db, c, m_install->clock.current);
        QCOMPARE(saved.kind(), kind);
        QVERIFY(!saved.error().isEmpty());
        // Nothing half-saved.
        QCOMPARE(count(u"Contract"_s), contracts);
        QCOMPARE(count(u"BerthBlock"_s), blocks);
        QCOMPARE(count(u"ContractInstalment"_s), contracts);
    }

    void splits_data()
    {
        // total in pence, count, the contract's days; the amounts in pence and the due dates
        const DataRows<SplitRow> row;
        const QDate jan(2027, 1, 1);
        const QDate dec(2027, 12, 31);
        row("in full", {95606, 1, jan, dec, {95606}, {jan}});
        row("two, odd penny first", {100001, 2, jan, dec, {50001, 50000}, {jan, QDate(2027, 7, 1)}});
        row("four quarters", {100003,
                              4,
                              jan,
                              dec,
                              {25003, 25000, 25000, 25000},
                              {jan, QDate(2027, 4, 1), QDate(2027, 7, 1), QDate(2027, 10, 1)}});
        row("twelve, all pennies", {11,
                                    12,
                                    jan,
                                    dec,
                                    {11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                                    {jan, QDate(2027, 2, 1), QDate(2027, 3, 1), QDate(2027, 4, 1), QDate(2027, 5, 1),
                                     QDate(2027, 6, 1), QDate(2027, 7, 1), QDate(2027, 8, 1), QDate(2027, 9, 1),
                                     QDate(2027, 10, 1), QDate(2027, 11, 1), QDate(2027, 12, 1)}});
        row("four over seven months", {400,
                                       4,
                                       September1,
                                       March31,
                                       {100, 100, 100, 100},
                                       {September1, QDate(2026, 10, 1), QDate(2026, 12, 1), QDate(2027, 2, 1)}});
        row("two over ten days", {300, 2, jan, jan.addDays(9), {150, 150}, {jan, jan.addDays(5)}});
        row("two over one night", {301, 2, jan, jan, {151, 150}, {jan, jan}});
    }
    void splits()
    {
        const auto& [total, instalments, first, last, amounts, dates] = fetchRow<SplitRow>();
        const QList<ContractPlan::Instalment> plan =
            ContractPlan::split(Money::fromPence(total), instalments, first, last);
        QList<qint64> pence;
        QList<QDate> due;
        for (const ContractPlan::Instalment& i : plan) {
            pence << i.amount.roundedPence();
            due << i.due;
        }
        QCOMPARE(pence, amounts);
        QCOMPARE(due, dates);
        QVERIFY(ContractPlan::check(plan, Money::fromPence(total), last));
    }

    // A custom plan must add up to the penny, each amount whole pence and none below zero.
    void customPlans()
    {
        const QDate last(2027, 3, 31);
        const Money total = pounds(100);
        using I = ContractPlan::Instalment;
        QVERIFY(
            ContractPlan::check({I{1, September1, pounds(60), {}, {}}, I{2, last, pounds(40), {}, {}}}, total, last));
        const auto shortBy = ContractPlan::check({I{1, September1, pounds(60), {}, {}}}, total, last);
        QCOMPARE(shortBy.kind(), FailureKind::Refused);
        VERIFY_HAS(shortBy.error(), Money(pounds(40)).formatGrouped());
        QVERIFY(!ContractPlan::check({I{1, September1, pounds(110), {}, {}}, I{2, last, Money() - pounds(10), {}, {}}},
                                     total, last));
        QVERIFY(!ContractPlan::check(
            {I{1, September1, Money::fromUnits(1000050), {}, {}}, I{2, last, Money::fromUnits(-50), {}, {}}}, total,
            last));
        QVERIFY(!ContractPlan::check({I{1, QDate(), total, {}, {}}}, total, last));
        QVERIFY(!ContractPlan::check(QList<I>(ContractPlan::MostInstalments + 1, I{1, last, Money(), {}, {}}), Money(),
                                     last));
        const auto ordered =
            ContractPlan::numbered({I{7, last, pounds(40), {}, {}}, I{3, September1, pounds(60), {}, {}}});
        QCOMPARE(ordered[0].due, September1);
        QCOMPARE(ordered[0].number, 1);
        QCOMPARE(ordered[1].number, 2);
    }

    // A holder is not deleted while the contract is kept; a customer without one is, as before.
    void holderKeptWhileUnderContract()
    {
        QSqlDatabase db = m_install->db();
        QVERIFY(ContractStore::add(db, annual(), m_install->clock.current));
        const Removal::Dependents guarded = ContractStore::guardingHolders(DependentBookings::ofCustomer());
        const auto removeCustomer = Removal::statement(u"DELETE FROM Customer WHERE ID = ?"_s);
        QCOMPARE(Removal::remove(db, 1, 0, guarded, removeCustomer).kind(), FailureKind::Refused);
        QCOMPARE(count(u"Customer WHERE ID = 1"_s), 1);
        QVERIFY(Removal::remove(db, 2, 0, guarded, removeCustomer));
        QCOMPARE(count(u"Customer WHERE ID = 2"_s), 0);
        // The list goes by berth type, then berth: a mooring's contract before the pontoon's.
        QVERIFY(exec(u"INSERT INTO BerthType (ID, Type) VALUES (71, 'Mooring')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Active) VALUES (4, 'M1', 71, 1)"_s));
        ContractRecord mooring = annual();
        mooring.berthIds = {4};
        QVERIFY(ContractStore::add(db, mooring, m_install->clock.current));
        const auto listed = ContractStore::list(db);
        QVERIFY(listed && listed->size() == 2);
        QCOMPARE(listed->at(0).berths + u' ' + listed->at(1).berths, u"M1 P1"_s);
    }

    // The dialog proposes the rates' price and the plan; the window lists the contract, invoices and is paid.
    void madeAndPaidThroughTheWindows()
    {
        ContractDialog dialog(m_install->services);
        QVERIFY(dialog.load());
        auto* holder = control<QComboBox>(dialog, "cboCustomer");
        holder->setCurrentIndex(holder->findData(1));
        choose(dialog, "cboBerth", u"P1"_s);
        control<QDateEdit>(dialog, "dtpFirst")->setDate(September1);
        control<QDateEdit>(dialog, "dtpLast")->setDate(March31);
        click(dialog, "cmdPropose");
        QCOMPARE(control<QLineEdit>(dialog, "txtPrice")->text(), Money::fromPence(79672).format());
        choose(dialog, "cboPlan", u"Four instalments"_s);
        auto* plan = control<QTableWidget>(dialog, "grdPlan");
        QCOMPARE(plan->rowCount(), 4);
        // A plan typed short of the total by a penny is refused, and nothing typed is lost.
        choose(dialog, "cboPlan", u"Dates and amounts as typed"_s);
        const QString first = plan->item(0, 1)->text();
        plan->item(0, 1)->setText(Money(*Money::parse(first) - Money::fromPence(1)).format());
        click(dialog, "cmdOK");
        VERIFY_HAS(said(), u"add "_s + Money::fromPence(1).formatGrouped());
        QCOMPARE(count(u"Contract"_s), 0);
        plan->item(0, 1)->setText(first);
        click(dialog, "cmdOK");
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const auto saved = ContractStore::load(m_install->db(), dialog.savedId());
        QVERIFY(saved && saved->plan.size() == 4 && saved->hire == Money::fromPence(79672));

        // Opened after its first instalment fell due: that one is invoiced as the list is read.
        m_install->clock.current = at(September1, 9);
        TestHost host;
        auto* window = ContractsWindow::display(host, m_install->services);
        auto* grid = control<QTableView>(*window, "grdContracts");
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 1).data().toString(), u"Ann Holder"_s);
        QCOMPARE(grid->model()->index(0, 7).data().toString(), saved->total.formatGrouped());
        VERIFY_HAS(control<QLabel>(*window, "lblPlan")->text(), u"1. due"_s);
        QCOMPARE(count(u"ContractInstalment WHERE InvoiceNumber IS NOT NULL"_s), 1);
        click(*window, "cmdIssue");
        QCOMPARE(count(u"ContractInstalment WHERE InvoiceNumber = 42"_s), 1);
        VERIFY_HAS(logText(), EventLog::eventText(EventLog::ContractInvoiceIssued));
        onNextModal([](QDialog* pay) {
            control<QLineEdit>(*pay, "txtAmount")->setText(u"100"_s);
            click(*pay, "cmdRecord");
        });
        click(*window, "cmdPay");
        QCOMPARE(grid->model()->index(0, 7).data().toString(), (saved->total - pounds(100)).formatGrouped());
    }

    // A server refuses a booking written over a contract's berth at commit, whoever wrote it.
    void serverRefusesABookingOverAContract()
    {
        if (TestMain::currentEngine() != TestMain::Engine::PostgreSQL)
            QSKIP("a file has no check at commit: every desk saves through the store");
        QSqlDatabase db = m_install->db();
        QVERIFY(ContractStore::add(db, annual(), m_install->clock.current));
        QVERIFY(db.transaction());
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (90, 2, '2026-11-01 14:00:00', "
                     u"'2026-11-02 10:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (90, 1)"_s));
        QVERIFY(!db.commit());
        db.rollback();
        QCOMPARE(count(u"Booking WHERE ID = 90"_s), 0);
    }
};

ZEM_TEST(tst_Contracts)
#include "tst_Contracts.moc"
