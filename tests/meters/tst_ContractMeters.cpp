#include "MeterTestData.h"
#include "common/TestSupport.h"
#include "contracts/ContractDocuments.h"
#include "contracts/ContractEdit.h"
#include "contracts/ContractMeters.h"
#include "contracts/ContractMetersDialog.h"
#include "contracts/ContractStore.h"
#include "core/Database.h"
#include "core/ui/DateBox.h"

#include <thread>

using namespace Meters;

using namespace MeterTestData;

// Contracts billed by the meter: each period between two readings of a contract's berths' meters priced and
// invoiced once, the contract's total and balance following, a dry run first.
class tst_ContractMeters : public InstallTest
{
    Q_OBJECT

    // Ann holds berth P1 for 2026 (£100 + 20 % tax, one instalment, invoice 40 the last issued); electricity at
    // £0.32 a kWh and £0.50 a day; meter E-1 on P1.
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Holder')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'P1', 1), (2, 'P2', 1)"_s));
        QVERIFY(exec(u"DELETE FROM Tax"_s));
        QVERIFY(exec(u"INSERT INTO Tax (ID, Name, Rate, FromDate) VALUES (1, 'VAT', 2000, '2020-01-01')"_s));
        QVERIFY(exec(u"UPDATE Company SET LastInvoiceNumber = 40"_s));
        m_install->clock.current = DateTimes::wallTime(QDate(2026, 1, 1), QTime(9, 0));
        ContractRecord c;
        c.customerId = 1;
        c.firstDay = QDate(2026, 1, 1);
        c.lastDay = QDate(2026, 12, 31);
        c.berthIds = {1};
        c.hire = pence(10000);
        c.plan = {{1, c.firstDay, pence(12000), {}, {}}};
        const auto id = ContractStore::add(db(), c, m_install->clock.current);
        QVERIFY2(id, qPrintable(id.error()));
        QCOMPARE(*id, 1);
        QVERIFY(MeterStore::saveTariffs(db(), {tariff(QDate(2020, 1, 1), 32, 50)}));
        Meter m;
        m.serial = u"E-1"_s;
        m.unit = u"kWh"_s;
        m.berthId = 1;
        m.fitted = QDate(2026, 1, 1);
        QVERIFY(MeterStore::saveMeter(db(), m));
        m_install->clock.current = DateTimes::wallTime(QDate(2026, 8, 1), QTime(9, 0));
    }
    QSqlDatabase db() const { return m_install->db(); }
    qint64 meter() const { return Sql::scalar(db(), u"SELECT ID FROM Meter WHERE Serial = 'E-1'"_s)->toLongLong(); }
    void read(const QDate& day, double value)
    {
        const auto r =
            MeterStore::addReading(db(), {meter(), DateTimes::wallTime(day, QTime(8, 0)), units(value), false, {}},
                                   m_install->clock.current, u"desk"_s);
        QVERIFY2(r, qPrintable(r.error()));
    }
    Money contractTotal() const
    {
        return Money::fromDb(m_install->value(u"SELECT Total FROM Contract WHERE ID = 1"_s));
    }

    // days read (from 1 June) and values; the period billed; what is billed before tax; the note of a meter unbilled
    using PeriodRow = std::tuple<QList<int>, QList<double>, QDate, QDate, qint64, QString>;
    // the tariff's bands; the charge kept in words as before; lines the invoice shows
    using InvoiceRow = std::tuple<QList<Band>, bool, QStringList>;

private slots:
    void billed_data()
    {
        const DataRows<PeriodRow> row;
        const QDate june30 = June1.addDays(29);
        row("the example: 85.5 kWh and four days", {{0, 4}, {10412.5, 10498}, June1, june30, 2936, {}});
        // Opened by the reading on or before the period's first day, closed by the last reading inside it.
        row("a reading before the period opens it",
            {{-10, 5, 40}, {1000, 1100, 1500}, June1, june30, 100 * 32 + 15 * 50, {}});
        row("read once in the period", {{3}, {1000}, June1, june30, 0, u"Not read twice in the period."_s});
        row("readings before the contract are not its own",
            {{-200, 2, 6}, {0, 1000, 1010}, QDate(2025, 12, 1), june30, 10 * 32 + 4 * 50, {}});
    }
    void billed()
    {
        const auto& [days, values, from, to, net, why] = fetchRow<PeriodRow>();
        if (days.first() < -150) { // the contract starts 1 January: move it to 1 June
            QVERIFY(exec(u"UPDATE Contract SET FirstDay = '2026-06-01' WHERE ID = 1"_s));
            QVERIFY(exec(u"UPDATE Meter SET Fitted = '2025-01-01'"_s));
        }
        for (qsizetype i = 0; i < days.size(); ++i)
            read(June1.addDays(days.at(i)), values.at(i));
        const auto dry = ContractMeters::dryRun(db(), from, to);
        QVERIFY2(dry, qPrintable(dry.error()));
        QCOMPARE(dry->lines.size(), 1);
        QCOMPARE(dry->lines.first().why, why);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterCharge"_s), 0); // the dry run wrote nothing
        const auto run = ContractMeters::bill(db(), from, to, m_install->clock.current, u"desk"_s);
        QVERIFY2(run, qPrintable(run.error()));
        if (net == 0) {
            QVERIFY(run->invoices.isEmpty());
            QCOMPARE(contractTotal(), pence(12000));
            return;
        }
        QCOMPARE(run->invoices.size(), 1);
        const ContractMeters::Invoice& inv = run->invoices.first();
        const Money tax = pence(net).ratioToPenny(2000, 10000);
        QCOMPARE(inv.net, pence(net));
        QCOMPARE(inv.total, pence(net) + tax);
        QCOMPARE(inv.invoiceNumber, qint64(41));
        QCOMPARE(inv.instalment, 2);
        // An invoice of its own, owed on the contract as any instalment.
        const auto c = ContractStore::load(db(), 1);
        QCOMPARE(c->total, pence(12000 + net) + tax);
        QCOMPARE(c->plan.size(), 2);
        QCOMPARE(c->plan.last().amount, inv.total);
        QCOMPARE(c->plan.last().invoiceNumber, std::optional<qint64>(41));
        const auto kept = MeterStore::contractCharges(db(), 1);
        QCOMPARE(kept->size(), 1);
        QCOMPARE(kept->first().tax, tax);
        QCOMPARE(kept->first().breakdown.reads.size(), 1);
        QCOMPARE(kept->first().breakdown.reads.first().serial, u"E-1"_s);
        // Billed again: nothing, and the meter says why.
        const auto again = ContractMeters::bill(db(), from, to, m_install->clock.current, u"desk"_s);
        QVERIFY(again && again->invoices.isEmpty());
        QVERIFY2(again->lines.first().why.startsWith(u"Billed already"_s), qPrintable(again->lines.first().why));
        QCOMPARE(contractTotal(), c->total);
    }

    // The meters' invoice read back from its PDF: the meter's readings and days, the units at each price (a band's
    // too), the standing charge, the tax and the total; the hire's invoice shows none of it. A charge kept in words
    // before its breakdown was kept whole shows those words.
    void invoicePrinted_data()
    {
        const DataRows<InvoiceRow> row;
        const QString read = u"Meter E-1: 10,412.5 kWh on 01/06/2026 to 10,498 kWh on 05/06/2026, 85.5 kWh used"_s;
        const QString standing = u"4 days at £0.50 a day, 01/06/2026 to 04/06/2026: £2.00"_s;
        row("the example",
            {{},
             false,
             {u"Electricity, berth P1 £29.36"_s, read, u"85.5 kWh at £0.32, 01/06/2026 to 04/06/2026: £27.36"_s,
              standing, u"Before tax: £29.36"_s, u"Tax: £5.87"_s, u"Total: £35.23"_s, u"This instalment: £35.23"_s}});
        // 21.375 kWh a day: the band's 50 fill the first two days and part of the third.
        row("the first 50 kWh at 20p", {{{units(50), pence(20)}},
                                        false,
                                        {read, u"50 kWh at £0.20, 01/06/2026 to 03/06/2026: £10.00"_s,
                                         u"35.5 kWh at £0.32, 03/06/2026 to 04/06/2026: £11.36"_s, standing,
                                         u"Before tax: £23.36"_s, u"Tax: £4.67"_s, u"Total: £28.03"_s}});
        row("kept in words", {{}, true, {u"By the meter £29.36"_s, u"85.5 kWh at 32p"_s, u"Total: £35.23"_s}});
    }
    void invoicePrinted()
    {
        const auto& [bands, inWords, shown] = fetchRow<InvoiceRow>();
        QVERIFY(MeterStore::saveTariffs(db(), {tariff(QDate(2020, 1, 1), 32, 50, bands)}));
        read(June1, 10412.5);
        read(June1.addDays(4), 10498);
        QVERIFY(ContractMeters::bill(db(), June1, June1.addDays(29), m_install->clock.current, u"desk"_s));
        if (inWords)
            QVERIFY(exec(u"UPDATE MeterCharge SET Breakdown = ?"_s,
                         {u"Electricity meter E-1, berth P1:\n85.5 kWh at 32p"_s}));
        const auto papers = ContractDocuments::load(db(), 1, June1.addDays(60));
        QVERIFY2(papers, qPrintable(papers.error()));
        QCOMPARE(papers->contract.plan.size(), 2);
        const QString root = m_install->root();
        const QString meters =
            printed(ContractDocuments::instalmentInvoice(*papers, papers->contract.plan.last()), root + u"/m.pdf"_s);
        for (const QString& line : shown + QStringList{u"Invoice No: 41"_s})
            QVERIFY2(meters.contains(line), qPrintable(line + u"\n--- not in ---\n"_s + meters));
        const QString hire =
            printed(ContractDocuments::instalmentInvoice(*papers, papers->contract.plan.first()), root + u"/h.pdf"_s);
        VERIFY_HAS(hire, u"This instalment: £120.00"_s);
        QVERIFY2(!hire.contains(u"Meter"_s) && !hire.contains(u"kWh"_s), qPrintable(hire));
    }

    // Month after month: each bill starts where the last ended, so no day is billed twice or left out.
    void periodsFollowOn()
    {
        read(June1, 1000);
        read(June1.addDays(20), 1100);
        read(June1.addDays(40), 1160);
        QVERIFY(ContractMeters::bill(db(), June1, June1.addDays(29), m_install->clock.current, u"d"_s));
        QVERIFY(ContractMeters::bill(db(), QDate(2026, 7, 1), QDate(2026, 7, 31), m_install->clock.current, u"d"_s));
        const auto kept = MeterStore::contractCharges(db(), 1);
        QCOMPARE(kept->size(), 2);
        QCOMPARE(kept->at(0).units + kept->at(1).units, units(160));
        QCOMPARE(kept->at(0).endDay, kept->at(1).firstDay);
        QCOMPARE(kept->at(0).amount + kept->at(1).amount, pence(160 * 32 + 40 * 50));
    }

    // Two desks billing one period at once: the periods are billed, and invoiced, once.
    void twoDesksBillOnce()
    {
        read(June1, 1000);
        read(June1.addDays(4), 1085.5);
        const QString address = m_install->databasePath();
        const QDateTime now = m_install->clock.current;
        std::atomic<bool> bOk = false;
        std::thread deskB([&] {
            if (auto other = Database::open(address, u"desk-b"_s, 5000))
                bOk = bool(ContractMeters::bill(*other, June1, June1.addDays(29), now, u"desk B"_s));
            Database::close(u"desk-b"_s);
        });
        const auto mine = ContractMeters::bill(db(), June1, June1.addDays(29), now, u"desk A"_s);
        deskB.join();
        QVERIFY2(mine, qPrintable(mine.error()));
        QVERIFY(bOk);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterCharge"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM ContractInstalment WHERE ContractID = 1"_s), 2);
        QCOMPARE(contractTotal(), pence(12000 + 2936) + pence(2936).ratioToPenny(2000, 10000));
    }

    // Bad input and what stays out of a bill: a period the wrong way round or too long, a day no tariff covers, a
    // cancelled contract; and an edit of the contract keeps the meters in its total.
    void refusalsAndEdits()
    {
        QVERIFY(!ContractMeters::dryRun(db(), June1, June1.addDays(-1)));
        QVERIFY(ContractMeters::dryRun(db(), June1, June1.addDays(400)).error().contains(u"at most 366 days"_s));
        read(June1, 1000);
        read(June1.addDays(4), 1085.5);
        QVERIFY(MeterStore::saveTariffs(db(), {tariff(June1.addDays(2), 32, 50)}));
        const auto unpriced = ContractMeters::dryRun(db(), June1, June1.addDays(29));
        QVERIFY2(unpriced->lines.first().why.contains(u"No electricity tariff"_s),
                 qPrintable(unpriced->lines.first().why));
        QVERIFY(unpriced->invoices.isEmpty());
        QVERIFY(MeterStore::saveTariffs(db(), {tariff(QDate(2020, 1, 1), 32, 50)}));
        QVERIFY(ContractMeters::bill(db(), June1, June1.addDays(29), m_install->clock.current, u"d"_s));
        const Money billed = pence(2936) + pence(2936).ratioToPenny(2000, 10000);
        const auto loaded = ContractStore::load(db(), 1);
        ContractRecord mine = *loaded;
        mine.notes = u"Shore power on the pontoon"_s;
        const auto saved = ContractEdit::save(db(), *loaded, mine);
        QVERIFY2(saved, qPrintable(saved.error()));
        QCOMPARE(contractTotal(), pence(12000) + billed);
        QVERIFY(ContractStore::cancel(db(), 1));
        read(June1.addDays(10), 1100);
        QVERIFY(ContractMeters::dryRun(db(), June1, June1.addDays(29))->lines.isEmpty());
    }

    // The window: a dry run lists, Bill asks naming the money and goes back on the safe answer, then bills.
    void windowDryRunThenBill()
    {
        read(June1, 10412.5);
        read(June1.addDays(4), 10498);
        ContractMetersDialog dialog(m_install->services);
        control<DateBox>(dialog, "dtpFrom")->setDate(June1);
        control<DateBox>(dialog, "dtpTo")->setDate(June1.addDays(29));
        QVERIFY(!control<QPushButton>(dialog, "cmdBill")->isEnabled());
        click(dialog, "cmdDryRun");
        QCOMPARE(control<QTableWidget>(dialog, "grdLines")->rowCount(), 1);
        QVERIFY2(control<QLabel>(dialog, "lblTotal")->text().contains(u"£35.23 with tax"_s),
                 qPrintable(control<QLabel>(dialog, "lblTotal")->text()));
        m_install->messages.chosen << 0 << 1;
        click(dialog, "cmdBill");
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterCharge"_s), 0);
        click(dialog, "cmdBill");
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM MeterCharge"_s), 1);
        QVERIFY2(said().contains(u"£35.23 with tax"_s), qPrintable(said()));
        QCOMPARE(m_install->messages.calls.last().answers.last(), u"&Bill £35.23"_s);
        QVERIFY(logText().contains(u"meters billed, invoice 41"_s));
        QVERIFY(!control<QPushButton>(dialog, "cmdBill")->isEnabled());
    }
};

ZEM_TEST(tst_ContractMeters)
#include "tst_ContractMeters.moc"
