#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizard.h"
#include "bookings/FindBookingWindow.h"
#include "bookings/QuickSearch.h"
#include "bookings/QuickSearchWidgets.h"
#include "common/TestSupport.h"
#include "core/SearchText.h"
#include "shell/MainWindow.h"

#include <QDateTimeEdit>

// The booking search: the full list, the range rules with their half-hour rounding, and opening the wizard.
class tst_FindBooking : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<FindBookingWindow> m_window;

    static QDateTime at(int day, int h, int m) { return DateTimes::wallTime(QDate(2004, 6, day), QTime(h, m)); }

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann'), (2, 'Bob')"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(1, 1, '2004-06-05 10:00:00', '2004-06-07 10:00:00'), "
                     u"(2, 1, '2004-06-05 10:30:00', '2004-06-08 12:00:00'), "
                     u"(3, 2, '2004-06-05 09:30:00', '2004-06-06 10:00:00'), "
                     u"(4, 2, '2004-06-01 10:00:00', '2004-06-10 10:00:00'), "
                     u"(5, 99, '2004-06-05 11:00:00', '2004-06-06 11:00:00'), "
                     u"(6, NULL, '2004-06-05 11:00:00', '2004-06-06 11:00:00')"_s));
        m_window = std::make_unique<FindBookingWindow>(m_install->services);
        QVERIFY(m_window->load());
    }
    void tearDown() override { m_window.reset(); }

    QString listed() const
    {
        QStringList ids; // the seeded IDs have one digit each, so they sort as texts
        for (int row = 0; row < m_window->model()->rowCount(); ++row)
            ids << QString::number(m_window->model()->bookingId(row));
        ids.sort();
        return ids.join(u',');
    }
    QString matches() const { return control<QLabel>(*m_window, "lblTotalMatches")->text(); }

    void search(const std::optional<QDateTime>& arriving, const std::optional<QDateTime>& departing)
    {
        control<QCheckBox>(*m_window, "chkArriving")->setChecked(arriving.has_value());
        control<QCheckBox>(*m_window, "chkDeparting")->setChecked(departing.has_value());
        if (arriving)
            control<QDateTimeEdit>(*m_window, "dtpArriving")->setDateTime(*arriving);
        if (departing)
            control<QDateTimeEdit>(*m_window, "dtpDeparting")->setDateTime(*departing);
        click(*m_window, "cmdStart");
    }

    // Two customers with boats and bookings in berths Q7 and R8, around today (4 December 2026), beside the seed.
    void seedQuickSearch()
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (10, 'Zoë Kowalski'), (11, 'Seán O''Brien')"_s));
        QVERIFY(SearchText::rewriteCustomers(m_install->db()));
        QVERIFY(exec(u"INSERT INTO Boat (ID, CustomerID, Name) VALUES (20, 10, 'Sea_Spray'), (21, 11, 'Bob''s Dream'), "
                     u"(22, 11, 'Sea Spray 2')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (30, 'Q7', 1), (31, 'R8', 1)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, BoatID, BerthConfirmationNumber, FromDate, ToDate) VALUES "
                     u"(100, 10, 20, 4711, '2026-12-10 14:00:00', '2026-12-12 10:00:00'), "
                     u"(101, 11, 21, 4712, '2026-11-01 14:00:00', '2026-11-05 10:00:00'), "
                     u"(102, 11, 22, 4713, '2027-01-02 14:00:00', '2027-01-04 10:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (100, 30), (101, 30), (102, 31)"_s));
    }

    using QuickRow = std::tuple<QString, QString>;
    using Bound = std::optional<QDateTime>;
    using SearchRow = std::tuple<Bound, Bound, QString>;

private slots:
    // The quick search: what each kind of text finds, and the characters LIKE would read as wildcards.
    void quickSearch_data()
    {
        const QString zoe = u"No. 4711 · 10/12/2026 to 12/12/2026 · Zoë Kowalski · Q7 · Sea_Spray"_s;
        const QString past = u"No. 4712 · 01/11/2026 to 05/11/2026 · Seán O'Brien · Q7 · Bob's Dream"_s;
        const QString sean = u"Customer: Seán O'Brien|    No. 4713 · 02/01/2027 to 04/01/2027 · Seán O'Brien · R8 · "
                             u"Sea Spray 2|    "_s +
                             past;
        const DataRows<QuickRow> row;
        row("part of a surname", {u"kowal"_s, u"Customer: Zoë Kowalski|    "_s + zoe});
        row("accented name typed without", {u"zoe"_s, u"Customer: Zoë Kowalski|    "_s + zoe});
        row("a quote in a name", {u"o'bri"_s, sean});
        row("confirmation number", {u"4712"_s, past});
        row("no such number", {u"9999"_s, QString()});
        row("berth: from today on", {u"q7"_s, zoe});
        row("boat name", {u"dream"_s, past});
        row("a quote in a boat name", {u"b's"_s, past});
        row("underscore is literal", {u"a_s"_s, zoe});
        row("percent is literal", {u"a%s"_s, QString()});
        row("percent alone", {u"%"_s, QString()});
        row("underscore alone", {u"_"_s, QString()});
        row("a quote alone", {u"'"_s, QString()});
        row("blank", {u"   "_s, QString()});
    }
    void quickSearch()
    {
        const auto& [typed, expected] = fetchRow<QuickRow>();
        seedQuickSearch();
        const auto found = QuickSearch::find(m_install->db(), typed, m_install->clock.current.date());
        QVERIFY2(found, qPrintable(found.error()));
        QStringList lines;
        for (const QuickSearch::Hit& hit : *found)
            lines << hit.text;
        QCOMPARE(lines.join(u'|'), expected);
    }

    // Ctrl+K reaches the toolbar's box from anywhere; Enter opens the line found: a booking's summary.
    void quickSearchFromTheToolbar()
    {
        seedQuickSearch();
        MainWindow main(m_install->services);
        QVERIFY(showActive(main));
        QTest::keyClick(&main, Qt::Key_K, Qt::ControlModifier);
        auto* box = control<QuickSearchBox>(main, "txtQuickSearch");
        QTRY_VERIFY(box->hasFocus());
        typeKeys(box, u"sea"_s);
        // The two boats' bookings, latest first, then Seán (by his name) with his.
        QCOMPARE(box->hits().size(), 5);
        QCOMPARE(control<QListWidget>(main, "lstQuickSearch")->count(), 5);
        int shown = 0;
        onNextModal([&shown](QDialog* dialog) {
            shown = qobject_cast<BookingSummaryWindow*>(dialog)->bookingId();
            dialog->reject();
        });
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(shown, 100);
        QVERIFY(box->text().isEmpty());
    }

    // The name box narrows the list as it is typed, with the count.
    void nameBoxNarrows()
    {
        seedQuickSearch();
        m_window->load();
        control<QCheckBox>(*m_window, "chkArriving")->setChecked(false);
        control<QCheckBox>(*m_window, "chkDeparting")->setChecked(false);
        typeKeys(control(*m_window, "txtName"), u"o'bri"_s);
        QCOMPARE(listed(), u"101,102"_s);
        QCOMPARE(matches(), u"2"_s);
    }

    void opensWithEveryBookingThatHasACustomer()
    {
        QAbstractItemModelTester tester(m_window->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(m_window->windowTitle(), u"Find Booking"_s);
        QCOMPARE(listed(), u"1,2,3,4"_s);
        QCOMPARE(matches(), QString());
        QCOMPARE(control<QDateTimeEdit>(*m_window, "dtpArriving")->dateTime(), m_install->clock.current);
        QCOMPARE(control<QDateTimeEdit>(*m_window, "dtpDeparting")->dateTime(), m_install->clock.current);
        auto* grid = control<QTableView>(*m_window, "grdBooking");
        const QAbstractItemModel* model = grid->model();
        QStringList headers;
        for (int c = 0; c < model->columnCount(); ++c)
            if (!grid->isColumnHidden(c))
                headers << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{u"Name"_s, u"Arriving on"_s, u"Depating on"_s, u"Balance"_s}));
        const int row = [&] {
            for (int r = 0; r < model->rowCount(); ++r)
                if (m_window->model()->bookingId(r) == 4)
                    return r;
            return -1;
        }();
        QCOMPARE(model->index(row, 0).data().toString(), u"Bob"_s);
        QCOMPARE(model->index(row, 1).data().toString(), u"01/06/2004"_s); // the regional short date
        QCOMPARE(model->index(row, 2).data().toString(), u"10/06/2004"_s);
        // Enter moves on from the arrival picker; it does not close the window.
        QVERIFY(showActive(*m_window));
        control<QDateTimeEdit>(*m_window, "dtpArriving")->setFocus();
        QCOMPARE(enterVisits(1), QStringList{u"chkDeparting"_s});
        QVERIFY(m_window->isVisible());
    }

    void rowsAreFetchedAsTheGridNeedsThem()
    {
        QVERIFY(exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                     u"INSERT INTO Booking (CustomerID, FromDate, ToDate) SELECT 1, '2005-01-01 10:00:00', "
                     u"'2005-01-02 10:00:00' FROM n"_s));
        QVERIFY(m_window->load());
        FindBookingModel* model = m_window->model();
        // A file hands the rows over in batches; a server's client library has the whole result at once.
        if (TestMain::currentEngine() == TestMain::Engine::SQLite) {
            QVERIFY(model->rowCount() < 1000);
            QVERIFY(model->canFetchMore());
        }
        while (model->canFetchMore())
            model->fetchMore();
        QCOMPARE(model->rowCount(), 1004);
    }

    void search_data()
    {
        const DataRows<SearchRow> row;
        row("arriving 10:00 finds 10:00 and 10:30, not 09:30", {Bound(at(5, 10, 0)), Bound(), u"1,2"_s});
        row("arriving 10:20 rounds down to 10:00", {Bound(at(5, 10, 20)), Bound(), u"1,2"_s});
        row("arriving 10:31 rounds down to 10:30", {Bound(at(5, 10, 31)), Bound(), u"2"_s});
        row("leaving exactly at the bound", {Bound(), Bound(at(7, 10, 0)), u"1,3"_s});
        row("departing 10:29 rounds down to 10:00", {Bound(), Bound(at(7, 10, 29)), u"1,3"_s});
        row("departing 09:59 rounds down to 09:30", {Bound(), Bound(at(7, 9, 59)), u"3"_s});
        row("01.06-10.06 is not within 02.06-08.06", {Bound(at(2, 0, 0)), Bound(at(8, 23, 0)), u"1,2,3"_s});
        row("nothing in range", {Bound(at(9, 0, 0)), Bound(at(9, 12, 0)), QString()});
    }
    void search()
    {
        const auto& [arriving, departing, found] = fetchRow<SearchRow>();
        search(arriving, departing);
        QCOMPARE(listed(), found);
        const QString count = QString::number(found.isEmpty() ? 0 : found.count(u',') + 1);
        QCOMPARE(matches(), count);
        QVERIFY(m_install->messages.calls.isEmpty());
        // Both pickers off: the full list again, the count left as it was.
        search(std::nullopt, std::nullopt);
        QCOMPARE(listed() + u'=' + matches(), u"1,2,3,4="_s + count);
    }

    void viewEditOpensTheWizardOnTheCurrentRow_data()
    {
        const DataRows<bool> row;
        row("a booking found", false);
        row("an empty result", true);
    }
    void viewEditOpensTheWizardOnTheCurrentRow()
    {
        const bool empty = fetchRow<bool>();
        MainWindow main(m_install->services);
        QVERIFY(showActive(main));
        onNextModal([&](QDialog* dialog) {
            auto* window = qobject_cast<FindBookingWindow*>(dialog);
            QVERIFY(window);
            control<QCheckBox>(*window, "chkDeparting")->setChecked(false);
            control<QDateTimeEdit>(*window, "dtpArriving")->setDateTime(empty ? at(20, 0, 0) : at(5, 10, 30));
            click(*window, "cmdStart");
            click(*window, "cmdEditBooking");
        });
        control<QAction>(main, "mnuBookingsFind")->trigger();
        auto* wizard = qobject_cast<BookingWizard*>(main.findWindow(u"frmBooking"_s));
        QCOMPARE(wizard != nullptr, !empty);
        if (!empty) {
            QCOMPARE(wizard->mode(), RecordMode::Edit);
            QCOMPARE(wizard->bookingId(), 2);
        }
        QVERIFY(!QApplication::activeModalWidget());
    }
};

ZEM_TEST(tst_FindBooking)
#include "tst_FindBooking.moc"
