#include "berths/BerthRemoval.h"
#include "bookings/DependentBookings.h"
#include "common/TestSupport.h"
#include "core/SqlHelpers.h"
#include "people/CustomerListWindow.h"
#include "people/OwnerListWindow.h"

// The customer and owner lists: grid contents, add, edit and delete with the cursor and the event log.
class tst_PeopleLists : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, HouseName, ClubMember) VALUES "
                     u"(1, 'Smith', 'Rose Cottage', 1), (2, 'O''Neill', NULL, 0), (3, 'Ng', '7', 0)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(10, 2, '2026-12-01 09:00:00', '2026-12-03 14:00:00'), "
                     u"(11, 2, '2026-12-05 09:00:00', '2026-12-06 14:00:00'), "
                     u"(12, 3, '2026-12-05 09:00:00', '2026-12-06 14:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (12, 2)"_s));
    }

    /// The IDs of a table's rows, in order.
    QString ids(const QString& table) const { return m_install->joined(u"SELECT ID FROM %1 ORDER BY ID"_s.arg(table)); }
    static QString cell(const PeopleListWindow& list, int row, int column)
    {
        return list.model()->index(row, column).data().toString();
    }
    /// Adds text to the end of the name box of a dialog the list opened, and presses OK.
    static void appendToName(QDialog* dialog, const QString& text)
    {
        QTest::keyClick(control(*dialog, "txtName"), Qt::Key_End);
        typeKeys(control(*dialog, "txtName"), text);
        click(*dialog, "cmdOK");
    }

private slots:
    void deleteCustomerWithBookings()
    {
        CustomerListWindow list(m_install->services, DependentBookings::ofCustomer());
        // The model keeps Qt's rules through every requery and delete below.
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto* grid = control<QTableView>(list, "grdCustomer");
        QVERIFY(grid->isColumnHidden(0) && list.maximiseOnActivate());
        QCOMPARE(grid->model()->headerData(11, Qt::Horizontal).toString(), u"Club Member"_s);
        QCOMPARE(cell(list, 0, 11) + cell(list, 1, 11), u"YesNo"_s);

        m_install->messages.answers.enqueue(MsgResult::No); // declined: nothing changes, nothing is logged
        click(list, "cmdDeleteCustomer");
        QCOMPARE(list.model()->rowCount(), 3);

        grid->selectRow(1);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(list, "cmdDeleteCustomer");
        QCOMPARE(m_install->messages.calls.size(), 2);
        QCOMPARE(ids(u"Customer"_s), u"1,3"_s);
        QCOMPARE(ids(u"Booking"_s), u"12"_s); // through the cascade
        QCOMPARE(logText(), entry(*m_install, EventLog::CustomerDeleted, u"Name: O'Neill, HouseName: "_s));
        // The next row now stands where the deleted one stood; deleting the last row leaves the new last one,
        // deleting the only row leaves none.
        QCOMPARE(list.currentRow(), 1);
        QCOMPARE(cell(list, 1, 1), u"Ng"_s);
        for (int expected : {0, -1}) {
            m_install->messages.answers.enqueue(MsgResult::Yes);
            click(list, "cmdDeleteCustomer");
            QCOMPARE(list.currentRow(), expected);
            QCOMPARE(list.model()->rowCount(), expected + 1);
        }
        // The list is empty now: edit and delete do nothing (edit would wait on its dialog if it opened one).
        const QString log = logText();
        click(list, "cmdEditCustomer");
        click(list, "cmdDeleteCustomer");
        QCOMPARE(m_install->messages.calls.size(), 4);
        QCOMPARE(logText(), log);
    }

    void addAndEditRequery()
    {
        CustomerListWindow list(m_install->services, DependentBookings::ofCustomer());
        QAbstractItemModelTester tester(list.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        onNextModal([](QDialog* dialog) { dialog->reject(); });
        click(list, "cmdAddCustomer");
        QCOMPARE(list.model()->rowCount(), 3);
        onNextModal([](QDialog* dialog) { appendToName(dialog, u"Ω Wright"_s); });
        click(list, "cmdAddCustomer");
        QCOMPARE(cell(list, 3, 1), u"Ω Wright"_s);

        list.grid()->selectRow(2);
        onNextModal([](QDialog* dialog) { appendToName(dialog, u"-Ho"_s); });
        click(list, "cmdEditCustomer");
        QCOMPARE(cell(list, 2, 1), u"Ng-Ho"_s);
        QCOMPARE(list.currentRow(), 2);
    }

    void unreadableListSaysSo()
    {
        CustomerListWindow list(m_install->services, DependentBookings::ofCustomer());
        auto* line = control<QLabel>(list, "lblReadError");
        QVERIFY(line->isHidden());
        // Desk B holds the file locked: the list is empty and says why, not as if there were no customers.
        auto deskB = Database::open(m_install->databasePath(), u"desk-b"_s, 500);
        QVERIFY(deskB);
        if (TestMain::currentEngine() == TestMain::Engine::SQLite) {
            QVERIFY(Sql::exec(*deskB, u"PRAGMA locking_mode = EXCLUSIVE"_s) && Sql::exec(*deskB, u"BEGIN EXCLUSIVE"_s));
        } else {
            // As a restore does: the table is taken whole; this desk waits a moment, not the usual ten seconds.
            QVERIFY(exec(u"SET lock_timeout = '200ms'"_s));
            QVERIFY(deskB->transaction() && QSqlQuery(*deskB).exec(u"LOCK TABLE Customer IN ACCESS EXCLUSIVE MODE"_s));
        }
        list.requeryRst();
        QVERIFY(!line->isHidden());
        QVERIFY2(line->text().startsWith(u"The rows could not be read: "_s) && line->text().contains(u"lock"_s),
                 qPrintable(line->text()));
        QVERIFY(TestMain::currentEngine() == TestMain::Engine::SQLite ? Sql::exec(*deskB, u"COMMIT"_s)
                                                                      : deskB->commit());
        Database::close(u"desk-b"_s);
        list.requeryRst();
        QVERIFY(line->isHidden());
        QCOMPARE(list.model()->rowCount(), 3);
    }

    void ownerList()
    {
        QVERIFY(exec(u"INSERT INTO Owner (ID, Name, HouseName) VALUES (1, 'Hall', 'Mill')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, OwnerID) VALUES (1, 'A1', 1)"_s));
        TestHost host;
        OwnerListWindow* list = OwnerListWindow::display(host, m_install->services, BerthRemoval::ofOwner());
        QCOMPARE(OwnerListWindow::display(host, m_install->services, BerthRemoval::ofOwner()),
                 list); // one window, shown again
        QCOMPARE(host.shown.size(), 1);
        QVERIFY(control<QTableView>(*list, "grdOwners")->isColumnHidden(0));
        QCOMPARE(list->model()->headerData(7, Qt::Horizontal).toString(), u"Mobile No"_s);

        // Two owners in one opening of the dialog, then Cancel ends the series.
        onNextModal([](QDialog* dialog) {
            appendToName(dialog, u"Evans"_s);
            appendToName(dialog, u"Wood"_s);
        });
        click(*list, "cmdAddOwner");
        QCOMPARE(list->model()->rowCount(), 3);

        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(*list, "cmdDeleteOwner");
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Berth"_s), 0);
        QCOMPARE(list->model()->rowCount(), 2);
        QVERIFY(logText().endsWith(entry(*m_install, EventLog::OwnerDeleted, u"Name: Hall, HouseName: Mill"_s)));
    }
};

ZEM_TEST(tst_PeopleLists)
#include "tst_PeopleLists.moc"
