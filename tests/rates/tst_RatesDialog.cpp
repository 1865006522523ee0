#include "common/TestSupport.h"
#include "rates/RatesDialog.h"

// The rate table as the office edits it: the first season takes over the register's weekly and monthly charges
// when asked, cells that cannot be read keep the window open with nothing saved or lost, and another desk's save
// is never overwritten.
class tst_RatesDialog : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<RatesDialog> m_dialog;

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Length, TypeID, DailyHireCharge, WeeklyHireCharge) "
                     u"VALUES (1, 'A1', 12, 2, 450000, 2500000), (2, 'B2', 6, 1, 300000, NULL)"_s));
        open();
    }
    void tearDown() override { m_dialog.reset(); }
    void open()
    {
        m_dialog = std::make_unique<RatesDialog>(m_install->services);
        QVERIFY(showActive(*m_dialog));
    }
    // A season typed into the last row added.
    void addSeason(const QString& name, const QString& first, const QString& last, const QString& priority = u"1"_s)
    {
        click(*m_dialog, "cmdAddSeason");
        const int row = m_dialog->grdSeasons->rowCount() - 1;
        m_dialog->grdSeasons->item(row, 0)->setText(name);
        m_dialog->grdSeasons->item(row, 1)->setText(first);
        m_dialog->grdSeasons->item(row, 2)->setText(last);
        m_dialog->grdSeasons->item(row, 4)->setText(priority);
    }
    QString said()
    {
        const QString text = m_install->messages.said();
        m_install->messages.calls.clear();
        return text;
    }

private slots:
    void firstSeasonTakesOverTheRegisterChargesAndSaves()
    {
        m_install->messages.answers.enqueue(MsgResult::Yes);
        addSeason(u"Summer"_s, u"01/07/2026"_s, u"30/09/2026"_s);
        VERIFY_HAS(said(), u"weekly or monthly charges for 1 berth(s)"_s);
        QTableWidget* rates = m_dialog->grdRates;
        QCOMPARE(rates->rowCount(), 10); // the nine berth types, then A1's own
        QCOMPARE(rowText(*rates, 9), u"Berth A1||£45.00||£250.00|"_s);
        rates->item(1, 2)->setText(u"2.50"_s); // pontoon berths, per metre
        rates->item(1, 1)->setCheckState(Qt::Checked);
        m_dialog->grdTypes->item(1, 1)->setText(u"8"_s);
        click(*m_dialog, "cmdOK");
        QCOMPARE(said(), QString());
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));

        const auto saved = RateStore::load(m_install->db());
        QVERIFY(saved);
        QCOMPARE(saved->seasons,
                 (QList<Pricing::Season>{{1, u"Summer"_s, QDate(2026, 7, 1), QDate(2026, 9, 30), false, 1}}));
        QCOMPARE(saved->rates.size(), 2);
        QCOMPARE(saved->rates[0], (RateRow{1, 2, {}, {Pricing::Basis::PerMetre, Money::fromPence(250), {}, {}, {}}}));
        QCOMPARE(saved->rates[1].berthId, std::optional(1));
        QCOMPARE(saved->rates[1].rate.weekly, std::optional(Money::fromPence(25000)));
        QCOMPARE(saved->minimumLengthCm, (QMap<int, int>{{2, 800}}));
    }

    void unreadableCellsKeepTheWindowOpen()
    {
        addSeason(u"Summer"_s, u"31/02/2026"_s, u"30/09/2026"_s);
        VERIFY_HAS(said(), u"berth register"_s); // answered No
        m_dialog->grdRates->item(0, 2)->setText(u"thirty"_s);
        click(*m_dialog, "cmdOK");
        m_dialog->grdRates->item(0, 2)->setText(u"99999999999"_s);
        click(*m_dialog, "cmdOK");
        QCOMPARE(said(), u"Rates: \"thirty\" is not an amount.\nRates: An amount cannot be more than £1,000,000.00."_s);
        m_dialog->grdRates->item(0, 2)->setText(u"30"_s);
        m_dialog->grdRates->item(0, 4)->setText(u"150"_s);
        addSeason(u"Autumn"_s, u"01/10/2026"_s, u"31/10/2026"_s);
        m_dialog->grdSeasons->setCurrentCell(0, 0); // the first season's rates were kept when the second was added
        QCOMPARE(rowText(*m_dialog->grdRates, 0), u"Slip||£30.00||£150.00|"_s);
        click(*m_dialog, "cmdOK");
        QCOMPARE(said(), u"Rates: There is no 31/02/2026: February 2026 has 28 days."_s);
        m_dialog->grdSeasons->item(0, 1)->setText(u"01/07/2026"_s);
        m_dialog->grdSeasons->item(1, 1)->setText(u"30/09/2026"_s); // shares 30 September at the same priority
        click(*m_dialog, "cmdOK");
        VERIFY_HAS(said(), u"\"Summer\" and \"Autumn\" have the same priority and share the night of 30/09/2026"_s);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Season"_s), 0);
        // Closing with changes asks; No keeps the window.
        m_install->messages.answers.enqueue(MsgResult::No);
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QCOMPARE(said(), u"Rates: Close without saving the changes to the rates?"_s);
        QVERIFY(m_dialog->isVisible());
    }

    // A season another desk saved meanwhile is kept beside the one added here, unasked.
    void savedAtAnotherDeskIsKept()
    {
        QVERIFY(RateStore::save(m_install->db(), {},
                                {{{-1, u"Theirs"_s, QDate(2026, 1, 1), QDate(2026, 1, 31), false, 1}}, {}, {}}));
        addSeason(u"Mine"_s, u"01/07/2026"_s, u"31/07/2026"_s);
        click(*m_dialog, "cmdOK");
        QVERIFY(!said().contains(u"Another desk"_s));
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_install->joined(u"SELECT Name FROM Season ORDER BY FirstNight"_s), u"Theirs,Mine"_s);
    }
};

ZEM_TEST(tst_RatesDialog)
#include "tst_RatesDialog.moc"
