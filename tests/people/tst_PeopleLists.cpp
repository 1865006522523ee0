#include "PeopleTestSupport.h"
#include "common/TestMain.h"
#include "people/frmViewCustomers.h"
#include "people/frmViewOwners.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {
// The main window's part that the lists use: a frame that takes child windows.
class FrameHost final : public IWindowHost
{
public:
    void ShowChild(ChildWindow* window) override
    {
        ++shown;
        if (!window->parentWidget())
            area.addSubWindow(window);
        window->show();
    }
    ChildWindow* FindChild(const QString& objectName) override { return area.findChild<ChildWindow*>(objectName); }
    void RefreshActiveChild() override {}
    QWidget* DialogParent() override { return &area; }

    QMdiArea area;
    int shown = 0;
};
} // namespace

// The customer and owner lists: grid contents, add, edit and delete with the cursor and the event log.
class tst_PeopleLists : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    static QString Cell(const QTableView* grid, int row, int column)
    {
        return grid->model()->index(row, column).data().toString();
    }
    static void Click(QWidget* window, const char* button)
    {
        window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    }
    int Count(const QString& sql) const { return m_install->Value(sql).toInt(); }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Customer (ID, Name, HouseName, ClubMember) VALUES (1, 'Smith', 'Rose Cottage', 1), "
            "(2, 'O''Neill', NULL, 0), (3, 'Ng', '7', 0)")));
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (10, 2, '2026-12-01 09:00:00', "
            "'2026-12-03 14:00:00'), (11, 2, '2026-12-05 09:00:00', '2026-12-06 14:00:00'), "
            "(12, 3, '2026-12-05 09:00:00', '2026-12-06 14:00:00')")));
        QVERIFY(m_install->Exec(
            QStringLiteral("INSERT INTO BookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (11, 2), (12, 1)")));
    }
    void cleanup() { m_install.reset(); }

    void customerGrid()
    {
        frmViewCustomers list(m_install->services);
        auto* grid = list.findChild<QTableView*>(QStringLiteral("grdCustomer"));
        QVERIFY(grid);
        QVERIFY(list.MaximiseOnActivate());
        QVERIFY(grid->isColumnHidden(0));
        QCOMPARE(grid->model()->rowCount(), 3);
        QCOMPARE(grid->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("Club Member"));
        QCOMPARE(Cell(grid, 0, 11), QStringLiteral("Yes"));
        QCOMPARE(Cell(grid, 1, 11), QStringLiteral("No"));
        QCOMPARE(Cell(grid, 1, 1), QStringLiteral("O'Neill"));
        QCOMPARE(list.CurrentRow(), 0);
    }

    void deleteCustomerWithBookings()
    {
        frmViewCustomers list(m_install->services);
        list.Grid()->selectRow(1);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(&list, "cmdDeleteCustomer");

        QCOMPARE(m_install->messages.calls.size(), 1);
        QVERIFY(m_install->messages.calls[0].text.startsWith(QStringLiteral("Deleting this customer")));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Customer WHERE ID = 2")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT group_concat(ID) FROM Booking")), 12);
        QCOMPARE(Count(QStringLiteral("SELECT group_concat(BookingID) FROM BookingBerth")), 12);
        QCOMPARE(m_install->EventLogText(), PeopleTest::Entry(*m_install, modEventLog::CustomerDeleted,
                                                              QStringLiteral("Name: O'Neill, HouseName: ")));
        // The cursor moves to the next row, which now stands where the deleted one stood.
        QCOMPARE(list.Model()->rowCount(), 2);
        QCOMPARE(list.CurrentRow(), 1);
        QCOMPARE(Cell(list.Grid(), 1, 1), QStringLiteral("Ng"));

        // Deleting the last row leaves the cursor on the new last row.
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(&list, "cmdDeleteCustomer");
        QCOMPARE(list.CurrentRow(), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth")), 0);
    }

    void declinedDeleteChangesNothing()
    {
        frmViewCustomers list(m_install->services);
        m_install->messages.answers.enqueue(MsgResult::No);
        Click(&list, "cmdDeleteCustomer");
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Customer")), 3);
        QCOMPARE(list.Model()->rowCount(), 3);
        QCOMPARE(m_install->EventLogText(), QString());
    }

    void emptyListDoesNothing()
    {
        QVERIFY(m_install->Exec(QStringLiteral("DELETE FROM Customer")));
        frmViewCustomers list(m_install->services);
        QCOMPARE(list.CurrentRow(), -1);
        Click(&list, "cmdEditCustomer"); // would hang on the dialog if it opened one
        Click(&list, "cmdDeleteCustomer");
        QVERIFY(m_install->messages.calls.isEmpty());
        QCOMPARE(m_install->EventLogText(), QString());
    }

    void addAndEditRequery()
    {
        frmViewCustomers list(m_install->services);
        PeopleTest::OnNextModal([](QDialog* dialog) { dialog->reject(); });
        Click(&list, "cmdAddCustomer");
        QCOMPARE(list.Model()->rowCount(), 3);

        PeopleTest::OnNextModal([](QDialog* dialog) {
            PeopleTest::TypeText(dialog->findChild<QLineEdit*>(QStringLiteral("txtName")), QStringLiteral("Ω Wright"));
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        Click(&list, "cmdAddCustomer");
        QCOMPARE(list.Model()->rowCount(), 4);
        QCOMPARE(Cell(list.Grid(), 3, 1), QStringLiteral("Ω Wright"));

        list.Grid()->selectRow(2);
        PeopleTest::OnNextModal([](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Edit Customer"));
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("txtName"));
            QTest::keyClick(name, Qt::Key_End);
            PeopleTest::TypeText(name, QStringLiteral("-Ho"));
            dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        Click(&list, "cmdEditCustomer");
        QCOMPARE(Cell(list.Grid(), 2, 1), QStringLiteral("Ng-Ho"));
        QCOMPARE(list.CurrentRow(), 2);
    }

    void ownerList()
    {
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Owner (ID, Name, HouseName) VALUES (1, 'Hall', 'Mill')")));
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Berth (ID, Name, OwnerID) VALUES (1, 'A1', 1)")));
        frmViewOwners list(m_install->services);
        auto* grid = list.findChild<QTableView*>(QStringLiteral("grdOwners"));
        QVERIFY(grid && grid->isColumnHidden(0));
        QCOMPARE(grid->model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("Mobile No"));

        // Two owners in one opening of the dialog, then Cancel ends the series.
        PeopleTest::OnNextModal([](QDialog* dialog) {
            for (const QString& name : {QStringLiteral("Evans"), QStringLiteral("Wood")}) {
                PeopleTest::TypeText(dialog->findChild<QLineEdit*>(QStringLiteral("txtName")), name);
                dialog->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            }
            dialog->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        });
        Click(&list, "cmdAddOwner");
        QCOMPARE(list.Model()->rowCount(), 3);

        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(&list, "cmdDeleteOwner");
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth")), 0);
        QCOMPARE(list.Model()->rowCount(), 2);
        QVERIFY(m_install->EventLogText().endsWith(
            PeopleTest::Entry(*m_install, modEventLog::OwnerDeleted, QStringLiteral("Name: Hall, HouseName: Mill"))));
        QCOMPARE(m_install->EventLogText().count(QStringLiteral("[Owner")), 3);
    }

    void oneWindowInTheFrame()
    {
        FrameHost host;
        auto* first = frmViewCustomers::Display(host, m_install->services);
        auto* second = frmViewCustomers::Display(host, m_install->services);
        QCOMPARE(first, second);
        QCOMPARE(host.shown, 2);
        auto* owners = frmViewOwners::Display(host, m_install->services);
        QCOMPARE(host.area.subWindowList().size(), 2);
        QVERIFY(owners->Model()->rowCount() == 0);
    }
};

ZEM_TEST(tst_PeopleLists)
#include "tst_PeopleLists.moc"
