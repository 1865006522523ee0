#include "bookings/BookingWizard.h"
#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "shell/MainWindow.h"
#include "waiting/WaitingList.h"

// The waiting list driven through its controls from Customers › Waiting List, and the offer of freed berths.
class tst_WaitingListWindow : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<MainWindow> m_main;
    const QDate m_january{2027, 1, 1};

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann'), (2, 'Bob')"_s));
        QVERIFY(exec(u"INSERT INTO Boat (ID, CustomerID, Name, Kind, LengthCm) VALUES "
                     u"(1, 1, 'Swallow', 0, 1000)"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Length, TypeID, Active) VALUES (1, 'A1', 12, 2, 1)"_s));
        m_main = std::make_unique<MainWindow>(m_install->services);
        m_main->resize(1100, 800);
        QVERIFY(showActive(*m_main));
    }
    void tearDown() override { m_main.reset(); }

    // Bob waits for a slip from 10 January, any length of stay, a minute after Ann's entry.
    void addBob()
    {
        const WaitingEntry bob{0, 2, {}, m_january.addDays(9), {}, 1, {}, {}, {}, WaitingStatus::Waiting, {}};
        QVERIFY(WaitingList::add(m_install->db(), bob, m_install->clock.now().addSecs(60)));
    }
    static QStringList rows(const QTableView& grid, int column) { return columnTexts(*grid.model(), column); }

private slots:
    void entriesThroughTheWindow()
    {
        control<QAction>(*m_main, "mnuCustomersWaitingList")->trigger();
        ChildWindow* list = m_main->findWindow(u"frmWaitingList"_s);
        QVERIFY(list && list->isVisible());
        auto* grid = control<QTableView>(*list, "grdWaiting");

        // A period already begun is refused with the dialog left as typed; then Ann waits for a pontoon berth.
        onNextModal([this](QDialog* dialog) {
            choose(*dialog, "cboCustomer", u"Ann"_s);
            choose(*dialog, "cboBoat", u"Swallow, 10.00 m"_s);
            choose(*dialog, "cboBerthType", u"Pontoon berth"_s);
            control<QDateEdit>(*dialog, "dtpFrom")->setDate(QDate(2026, 12, 1));
            type(*dialog, "txtMinLength", u"11.5"_s);
            click(*dialog, "cmdOK");
            QVERIFY(dialog->isVisible());
            QCOMPARE(m_install->messages.calls.last().text,
                     u"The period wanted has started already: a waiting entry is for nights to come."_s);
            QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM WaitingEntry"_s), 0);
            control<QDateEdit>(*dialog, "dtpFrom")->setDate(m_january);
            control<QDateEdit>(*dialog, "dtpTo")->setDate(m_january.addDays(7));
            click(*dialog, "cmdOK");
            QVERIFY(!dialog->isVisible());
        });
        click(*list, "cmdAdd");
        const auto saved = WaitingList::lines(m_install->db());
        QCOMPARE(saved->size(), 1);
        WaitingEntry expected{
            saved->at(0).entry.id,  1, 1, m_january, m_january.addDays(7), 2, 1150, {}, m_install->clock.now(),
            WaitingStatus::Waiting, {}};
        QCOMPARE(saved->at(0).entry, expected);
        addBob();
        list->activated();
        QCOMPARE(rows(*grid, 1), (QStringList{u"Ann"_s, u"Bob"_s}));
        QCOMPARE(grid->model()->index(0, 6).data().toString(), u"11.50 m"_s);
        QCOMPARE(rows(*grid, 4).last(), u"any length"_s);

        choose(*list, "cboBerthType", u"Slip"_s);
        QCOMPARE(rows(*grid, 1), QStringList{u"Bob"_s});
        choose(*list, "cboBerthType", u"All types"_s);

        // Withdrawing Ann moves Bob up; the waiting filter leaves Ann out.
        grid->selectRow(0);
        click(*list, "cmdWithdraw");
        QCOMPARE(rows(*grid, 0), (QStringList{QString(), u"1"_s}));
        QCOMPARE(rows(*grid, 7), (QStringList{u"Withdrawn"_s, u"Waiting"_s}));
        choose(*list, "cboStatus", u"Waiting"_s);
        QCOMPARE(rows(*grid, 1), QStringList{u"Bob"_s});
        choose(*list, "cboStatus", u"All"_s);

        const QString pdf = m_install->root() + u"/waiting.pdf"_s;
        m_install->files.answers << pdf;
        click(*list, "cmdPrint");
        const QString printed = PdfReader::pages(pdf).join(u'\n');
        for (const QString& text : {u"Waiting List"_s, u"Ann"_s, u"Withdrawn"_s, u"any length"_s,
                                    u"Printed "_s + m_install->clock.now().toString(u"dd/MM/yyyy HH:mm"_s)})
            QVERIFY2(printed.contains(text), qPrintable(text + u" is not in:\n"_s + printed));

        // Book... starts the wizard on the berths page, Bob chosen, from his first night.
        grid->selectRow(1);
        click(*list, "cmdBook");
        auto* wizard = qobject_cast<BookingWizard*>(m_main->findWindow(u"frmBooking"_s));
        QVERIFY(wizard);
        QCOMPARE(wizard->step(), 1);
        QCOMPARE(wizard->fromDate().date(), m_january.addDays(9));
        QCOMPARE(control<QComboBox>(*wizard, "cboCustomer")->currentText(), u"Bob"_s);
    }

    // A1 came free over the first week of January: Ann's entry fits it, Bob's slip does not; nothing in March.
    void freedBerthsOffered()
    {
        const WaitingEntry ann{
            0, 1, 1, m_january.addDays(2), m_january.addDays(5), {}, {}, {}, {}, WaitingStatus::Waiting, {}};
        QVERIFY(WaitingList::add(m_install->db(), ann, m_install->clock.now()));
        addBob();
        const QDateTime from = DateTimes::wallTime(m_january, QTime(14, 0));
        bool asked = false;
        onNextModal([&](QDialog* dialog) {
            asked = true;
            QCOMPARE(dialog->windowTitle(), u"Berths came free"_s);
            auto* grid = control<QTableView>(*dialog, "grdOffers");
            QCOMPARE(grid->model()->rowCount(), 1);
            QCOMPARE(rows(*grid, 1).first() + u' ' + rows(*grid, 2).first() + u' ' + rows(*grid, 4).first(),
                     u"Ann Swallow A1"_s);
            click(*dialog, "cmdBook");
        });
        m_main->berthsReleased({1}, from, from.addDays(7));
        QVERIFY(asked);
        auto* wizard = qobject_cast<BookingWizard*>(m_main->findWindow(u"frmBooking"_s));
        QVERIFY(wizard);
        QCOMPARE(wizard->selectedCount(), 1);
        QCOMPARE(control<QComboBox>(*wizard, "cboCustomer")->currentText(), u"Ann"_s);

        asked = false;
        onNextModal([&](QDialog*) { asked = true; });
        m_main->berthsReleased({1}, from.addMonths(2), from.addMonths(2).addDays(7));
        QTest::qWait(10);
        QVERIFY(!asked);
    }
};

ZEM_TEST(tst_WaitingListWindow)
#include "tst_WaitingListWindow.moc"
