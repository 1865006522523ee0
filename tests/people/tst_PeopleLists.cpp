#include "PeopleTestSupport.h"
#include "common/TestMain.h"
#include "people/frmViewCustomers.h"
#include "people/frmViewOwners.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {
// The main window's part the lists use: it shows windows and finds the open one by name.
class FakeHost final : public IWindowHost
{
public:
    void ShowChild(ChildWindow* window) override { shown << window; }
    ChildWindow* FindChild(const QString& name) override
    {
        for (ChildWindow* window : shown) {
            if (window->objectName() == name)
                return window;
        }
        return nullptr;
    }
    void RefreshActiveChild() override {}
    QWidget* DialogParent() override { return nullptr; }
    QList<ChildWindow*> shown;
};

void TypeName(QDialog* dialog, const QString& text)
{
    auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("txtName"));
    QTest::keyClick(box, Qt::Key_End);
    PeopleTest::TypeText(box, text);
}
void Click(QWidget* window, const char* button)
{
    window->findChild<QPushButton*>(QString::fromLatin1(button))->click();
}
} // namespace

// The customer and owner lists: grid contents, add, edit and delete with the cursor and the event log.
class tst_PeopleLists : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    static QString Cell(const PeopleListWindow& list, int row, int column)
    {
        return list.Model()->index(row, column).data().toString();
    }
    QString Value(const QString& sql) const { return m_install->Value(sql).toString(); }

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

    void deleteCustomerWithBookings()
    {
        frmViewCustomers list(m_install->services);
        auto* grid = list.findChild<QTableView*>(QStringLiteral("grdCustomer"));
        QVERIFY(grid && grid->isColumnHidden(0) && list.MaximiseOnActivate());
        QCOMPARE(grid->model()->headerData(11, Qt::Horizontal).toString(), QStringLiteral("Club Member"));
        QCOMPARE(Cell(list, 0, 11) + Cell(list, 1, 11), QStringLiteral("YesNo"));

        m_install->messages.answers.enqueue(MsgResult::No); // declined: nothing changes, nothing is logged
        Click(&list, "cmdDeleteCustomer");
        QCOMPARE(list.Model()->rowCount(), 3);

        grid->selectRow(1);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(&list, "cmdDeleteCustomer");
        QCOMPARE(m_install->messages.calls.size(), 2);
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(ID) FROM Customer")), QStringLiteral("1,3"));
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(ID) FROM Booking")), QStringLiteral("12"));
        QCOMPARE(Value(QStringLiteral("SELECT group_concat(BookingID) FROM BookingBerth")), QStringLiteral("12"));
        QCOMPARE(m_install->EventLogText(), PeopleTest::Entry(*m_install, modEventLog::CustomerDeleted,
                                                              QStringLiteral("Name: O'Neill, HouseName: ")));
        // The next row now stands where the deleted one stood; deleting the last row leaves the new last one.
        QCOMPARE(list.CurrentRow(), 1);
        QCOMPARE(Cell(list, 1, 1), QStringLiteral("Ng"));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(&list, "cmdDeleteCustomer");
        QCOMPARE(list.CurrentRow(), 0);
        QCOMPARE(list.Model()->rowCount(), 1);
    }

    void emptyListDoesNothing()
    {
        QVERIFY(m_install->Exec(QStringLiteral("DELETE FROM Customer")));
        frmViewCustomers list(m_install->services);
        QCOMPARE(list.CurrentRow(), -1);
        Click(&list, "cmdEditCustomer"); // would wait on the dialog if it opened one
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
            TypeName(dialog, QStringLiteral("Ω Wright"));
            Click(dialog, "cmdOK");
        });
        Click(&list, "cmdAddCustomer");
        QCOMPARE(Cell(list, 3, 1), QStringLiteral("Ω Wright"));

        list.Grid()->selectRow(2);
        PeopleTest::OnNextModal([](QDialog* dialog) {
            TypeName(dialog, QStringLiteral("-Ho"));
            Click(dialog, "cmdOK");
        });
        Click(&list, "cmdEditCustomer");
        QCOMPARE(Cell(list, 2, 1), QStringLiteral("Ng-Ho"));
        QCOMPARE(list.CurrentRow(), 2);
    }

    void ownerList()
    {
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Owner (ID, Name, HouseName) VALUES (1, 'Hall', 'Mill')")));
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Berth (ID, Name, OwnerID) VALUES (1, 'A1', 1)")));
        FakeHost host;
        frmViewOwners* list = frmViewOwners::Display(host, m_install->services);
        QCOMPARE(frmViewOwners::Display(host, m_install->services), list); // one window, shown again
        std::unique_ptr<frmViewOwners> owned(list);
        QVERIFY(list->findChild<QTableView*>(QStringLiteral("grdOwners"))->isColumnHidden(0));
        QCOMPARE(list->Model()->headerData(7, Qt::Horizontal).toString(), QStringLiteral("Mobile No"));

        // Two owners in one opening of the dialog, then Cancel ends the series.
        PeopleTest::OnNextModal([](QDialog* dialog) {
            for (const QString& name : {QStringLiteral("Evans"), QStringLiteral("Wood")}) {
                TypeName(dialog, name);
                Click(dialog, "cmdOK");
            }
        });
        Click(list, "cmdAddOwner");
        QCOMPARE(list->Model()->rowCount(), 3);

        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(list, "cmdDeleteOwner");
        QCOMPARE(Value(QStringLiteral("SELECT COUNT(*) FROM Berth")), QStringLiteral("0"));
        QCOMPARE(list->Model()->rowCount(), 2);
        QVERIFY(m_install->EventLogText().endsWith(
            PeopleTest::Entry(*m_install, modEventLog::OwnerDeleted, QStringLiteral("Name: Hall, HouseName: Mill"))));
    }
};

ZEM_TEST(tst_PeopleLists)
#include "tst_PeopleLists.moc"
