#include "common/TestSupport.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "people/frmViewCustomers.h"
#include "people/frmViewOwners.h"

#include <QAbstractItemModelTester>

// The customer and owner lists: grid contents, add, edit and delete with the cursor and the event log.
class tst_PeopleLists : public InstallTest
{
    Q_OBJECT

    void Seed() override
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (ID, Name, HouseName, ClubMember) VALUES "
                                u"(1, 'Smith', 'Rose Cottage', 1), (2, 'O''Neill', NULL, 0), (3, 'Ng', '7', 0)"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                u"(10, 2, '2026-12-01 09:00:00', '2026-12-03 14:00:00'), "
                                u"(11, 2, '2026-12-05 09:00:00', '2026-12-06 14:00:00'), "
                                u"(12, 3, '2026-12-05 09:00:00', '2026-12-06 14:00:00')"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (12, 2)"_s));
    }

    /// The IDs of a table's rows, in order.
    QString Ids(const QString& table) const
    {
        return m_install->Text(u"SELECT %1 FROM (SELECT ID FROM %2) t"_s.arg(
            Dialect::Of(m_install->Db()).JoinTexts(u"ID"_s, u","_s, u"ID"_s), table));
    }
    static QString Cell(const PeopleListWindow& list, int row, int column)
    {
        return list.Model()->index(row, column).data().toString();
    }
    /// Adds text to the end of the name box of a dialog the list opened, and presses OK.
    static void AppendToName(QDialog* dialog, const QString& text)
    {
        QTest::keyClick(Control(*dialog, "txtName"), Qt::Key_End);
        TypeKeys(Control(*dialog, "txtName"), text);
        Click(*dialog, "cmdOK");
    }

private slots:
    void deleteCustomerWithBookings()
    {
        frmViewCustomers list(m_install->services);
        // The model keeps Qt's rules through every requery and delete below.
        QAbstractItemModelTester tester(list.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        auto* grid = Control<QTableView>(list, "grdCustomer");
        QVERIFY(grid->isColumnHidden(0) && list.MaximiseOnActivate());
        QCOMPARE(grid->model()->headerData(11, Qt::Horizontal).toString(), u"Club Member"_s);
        QCOMPARE(Cell(list, 0, 11) + Cell(list, 1, 11), u"YesNo"_s);

        m_install->messages.answers.enqueue(MsgResult::No); // declined: nothing changes, nothing is logged
        Click(list, "cmdDeleteCustomer");
        QCOMPARE(list.Model()->rowCount(), 3);

        grid->selectRow(1);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(list, "cmdDeleteCustomer");
        QCOMPARE(m_install->messages.calls.size(), 2);
        QCOMPARE(Ids(u"Customer"_s), u"1,3"_s);
        QCOMPARE(Ids(u"Booking"_s), u"12"_s); // through the cascade
        QCOMPARE(m_install->EventLogText(),
                 Entry(*m_install, modEventLog::CustomerDeleted, u"Name: O'Neill, HouseName: "_s));
        // The next row now stands where the deleted one stood; deleting the last row leaves the new last one,
        // deleting the only row leaves none.
        QCOMPARE(list.CurrentRow(), 1);
        QCOMPARE(Cell(list, 1, 1), u"Ng"_s);
        for (int expected : {0, -1}) {
            m_install->messages.answers.enqueue(MsgResult::Yes);
            Click(list, "cmdDeleteCustomer");
            QCOMPARE(list.CurrentRow(), expected);
            QCOMPARE(list.Model()->rowCount(), expected + 1);
        }
        // The list is empty now: edit and delete do nothing (edit would wait on its dialog if it opened one).
        const QString log = m_install->EventLogText();
        Click(list, "cmdEditCustomer");
        Click(list, "cmdDeleteCustomer");
        QCOMPARE(m_install->messages.calls.size(), 4);
        QCOMPARE(m_install->EventLogText(), log);
    }

    void addAndEditRequery()
    {
        frmViewCustomers list(m_install->services);
        QAbstractItemModelTester tester(list.Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        OnNextModal([](QDialog* dialog) { dialog->reject(); });
        Click(list, "cmdAddCustomer");
        QCOMPARE(list.Model()->rowCount(), 3);
        OnNextModal([](QDialog* dialog) { AppendToName(dialog, u"Ω Wright"_s); });
        Click(list, "cmdAddCustomer");
        QCOMPARE(Cell(list, 3, 1), u"Ω Wright"_s);

        list.Grid()->selectRow(2);
        OnNextModal([](QDialog* dialog) { AppendToName(dialog, u"-Ho"_s); });
        Click(list, "cmdEditCustomer");
        QCOMPARE(Cell(list, 2, 1), u"Ng-Ho"_s);
        QCOMPARE(list.CurrentRow(), 2);
    }

    void unreadableListSaysSo()
    {
        frmViewCustomers list(m_install->services);
        auto* line = Control<QLabel>(list, "lblReadError");
        QVERIFY(line->isHidden());
        // Desk B holds the file locked: the list is empty and says why, not as if there were no customers.
        auto deskB = Database::Open(m_install->DatabasePath(), u"desk-b"_s, 500);
        QVERIFY(deskB);
        if (TestMain::CurrentEngine() == TestMain::Engine::SQLite) {
            QVERIFY(Sql::Exec(*deskB, u"PRAGMA locking_mode = EXCLUSIVE"_s) && Sql::Exec(*deskB, u"BEGIN EXCLUSIVE"_s));
        } else {
            // As a restore does: the table is taken whole; this desk waits a moment, not the usual ten seconds.
            QVERIFY(m_install->Exec(u"SET lock_timeout = '200ms'"_s));
            QVERIFY(deskB->transaction() && QSqlQuery(*deskB).exec(u"LOCK TABLE Customer IN ACCESS EXCLUSIVE MODE"_s));
        }
        list.RequeryRst();
        QVERIFY(!line->isHidden());
        QVERIFY2(line->text().startsWith(u"The rows could not be read: "_s) && line->text().contains(u"lock"_s),
                 qPrintable(line->text()));
        QVERIFY(TestMain::CurrentEngine() == TestMain::Engine::SQLite ? Sql::Exec(*deskB, u"COMMIT"_s)
                                                                      : deskB->commit());
        Database::Close(u"desk-b"_s);
        list.RequeryRst();
        QVERIFY(line->isHidden());
        QCOMPARE(list.Model()->rowCount(), 3);
    }

    void ownerList()
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Owner (ID, Name, HouseName) VALUES (1, 'Hall', 'Mill')"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO Berth (ID, Name, OwnerID) VALUES (1, 'A1', 1)"_s));
        TestHost host;
        frmViewOwners* list = frmViewOwners::Display(host, m_install->services);
        QCOMPARE(frmViewOwners::Display(host, m_install->services), list); // one window, shown again
        QCOMPARE(host.shown.size(), 1);
        QVERIFY(Control<QTableView>(*list, "grdOwners")->isColumnHidden(0));
        QCOMPARE(list->Model()->headerData(7, Qt::Horizontal).toString(), u"Mobile No"_s);

        // Two owners in one opening of the dialog, then Cancel ends the series.
        OnNextModal([](QDialog* dialog) {
            AppendToName(dialog, u"Evans"_s);
            AppendToName(dialog, u"Wood"_s);
        });
        Click(*list, "cmdAddOwner");
        QCOMPARE(list->Model()->rowCount(), 3);

        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(*list, "cmdDeleteOwner");
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Berth"_s), 0);
        QCOMPARE(list->Model()->rowCount(), 2);
        QVERIFY(m_install->EventLogText().endsWith(
            Entry(*m_install, modEventLog::OwnerDeleted, u"Name: Hall, HouseName: Mill"_s)));
    }
};

ZEM_TEST(tst_PeopleLists)
#include "tst_PeopleLists.moc"
