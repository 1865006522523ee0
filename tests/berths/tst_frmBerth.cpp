#include "GuiSupport.h"
#include "berths/frmBerth.h"
#include "berths/frmEditBerths.h"
#include "common/TestInstall.h"
#include "common/TestMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// The berth register driven through its controls; the database and the event log are read afterwards.
class tst_frmBerth : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;
    CountingHost m_host;

    int Count(const QString& sql) const { return m_install->Value(sql).toInt(); }
    static void Select(QWidget& window, const QString& text)
    {
        auto* list = Control<QListWidget>(window, "lstBerth");
        const auto items = list->findItems(text, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list->setCurrentItem(items.first());
    }
    static QStringList ListTexts(QWidget& window)
    {
        QStringList texts;
        auto* list = Control<QListWidget>(window, "lstBerth");
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }
    static void AddBerth(QWidget& window, const QString& name, const QString& daily = {})
    {
        QTest::keyClicks(Control<QLineEdit>(window, "txtName"), name);
        QTest::keyClicks(Control<QLineEdit>(window, "txtDailyHireCharge"), daily);
        Control<QComboBox>(window, "cboBerthType")->setCurrentIndex(1);
        Click(window, "cmdAdd");
    }
    std::unique_ptr<frmBerth> Open()
    {
        auto window = std::make_unique<frmBerth>(m_install->services, &m_host);
        if (!ShowActive(*window))
            qWarning("the register did not become active");
        return window;
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        m_host.refreshes = 0;
        // A1 is booked by booking 10 alone and by booking 11 together with B1.
        QVERIFY(
            m_install->Exec(QStringLiteral("INSERT INTO Berth (ID, Name, TypeID) VALUES (1, 'A1', 1), (2, 'B1', 1)")));
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                               "(10, 1, '2026-12-01 09:00:00', '2026-12-03 14:00:00'), "
                                               "(11, 1, '2026-12-01 09:00:00', '2026-12-03 14:00:00')")));
        QVERIFY(m_install->Exec(
            QStringLiteral("INSERT INTO BookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (11, 2)")));
    }
    void cleanup() { m_install.reset(); }

    void addTwoThenCancelChangesNothing()
    {
        auto window = Open();
        QCOMPARE(window->windowTitle(), QStringLiteral("Configure Berths "));
        AddBerth(*window, QStringLiteral("C1"));
        AddBerth(*window, QStringLiteral("C2"));
        QCOMPARE(ListTexts(*window), QStringList({u"A1 (booked) - Active "_s, u"B1 (booked) - Active "_s,
                                                  u"C1 - Active "_s, u"C2 - Active "_s}));
        QVERIFY(Control<QLineEdit>(*window, "txtName")->text().isEmpty());
        Click(*window, "cmdCancel");
        QVERIFY(!window->isVisible());
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth")), 2);
        QCOMPARE(m_install->EventLogText(), QString());
        QCOMPARE(m_host.refreshes, 0);
    }

    void addThenOkStoresTheBerth()
    {
        auto window = Open();
        AddBerth(*window, QStringLiteral(" C1 "), QStringLiteral("12.50"));
        Click(*window, "Command1");
        QVERIFY(!window->isVisible());
        QCOMPARE(Count(QStringLiteral("SELECT DailyHireCharge FROM Berth WHERE Name = 'C1'")), 125000);
        QVERIFY(m_install->Value(QStringLiteral("SELECT Length FROM Berth WHERE Name = 'C1'")).isNull());
        QVERIFY(m_install->Value(QStringLiteral("SELECT OwnerID FROM Berth WHERE Name = 'C1'")).isNull());
        QCOMPARE(Count(QStringLiteral("SELECT Active FROM Berth WHERE Name = 'C1'")), 1);
        QVERIFY(m_install->EventLogText().contains(QStringLiteral("[Berth added]\r\nName: 'C1'\r\n")));
        QCOMPARE(m_host.refreshes, 1);
    }

    void numberBoxesAreCheckedOnLeaving_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("title");
        QTest::newRow("length") << "txtLength"
                                << "Berth length";
        QTest::newRow("width") << "txtWidth"
                               << "Berth width";
        QTest::newRow("daily") << "txtDailyHireCharge"
                               << "Daily Hire Charge";
        QTest::newRow("weekly") << "txtWeeklyHireCharge"
                                << "Weekly Hire Charge";
        QTest::newRow("monthly") << "txtMonthlyHireCharge"
                                 << "Monthly Hire Charge";
    }
    void numberBoxesAreCheckedOnLeaving()
    {
        QFETCH(QString, box);
        QFETCH(QString, title);
        auto window = Open();
        auto* edit = window->findChild<QLineEdit*>(box);
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("ten"));
        QTest::keyClick(edit, Qt::Key_Return); // Enter moves on, which leaves the box
        QTRY_COMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].title, title);
        QVERIFY(edit->hasFocus());
        // Add refuses without a second message and writes nothing.
        AddBerth(*window, QStringLiteral("C1"));
        QCOMPARE(ListTexts(*window).size(), 2);
        QCOMPARE(edit->text(), QStringLiteral("ten"));
    }

    void removeBookedBerth_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::newRow("cancel") << false;
        QTest::newRow("ok") << true;
    }
    void removeBookedBerth()
    {
        QFETCH(bool, ok);
        auto window = Open();
        Select(*window, QStringLiteral("A1 (booked) - Active "));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(*window, "cmdRemove");
        QVERIFY(m_install->messages.calls[0].text.startsWith(QStringLiteral("Deleting this customer")));
        QCOMPARE(ListTexts(*window), QStringList({u"B1 (booked) - Active "_s}));
        Click(*window, ok ? "Command1" : "cmdCancel");
        QVERIFY(!window->isVisible());
        if (!ok) {
            QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth")), 2);
            QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking")), 2);
            QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth")), 3);
            QCOMPARE(m_install->EventLogText(), QString());
            return;
        }
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth WHERE ID = 1")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM BookingBerth WHERE BerthID = 1")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking WHERE ID = 10")), 0);
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Booking WHERE ID = 11")), 1);
        QVERIFY(
            m_install->EventLogText().contains(QStringLiteral("[Berth deleted]\r\nName: 'A1 (booked) - Active '\r\n")));
    }

    void twoActivationsLogTwoEntriesInOrder()
    {
        auto window = Open();
        auto* activate = Control<QPushButton>(*window, "cmdActivate");
        Click(*window, "cmdActivate"); // nothing selected: nothing happens
        Select(*window, QStringLiteral("B1 (booked) - Active "));
        QCOMPARE(activate->text(), QStringLiteral("Inac&tivate"));
        Click(*window, "cmdActivate");
        QCOMPARE(ListTexts(*window).value(1), QStringLiteral("B1 (booked) - Inactive"));
        QCOMPARE(activate->text(), QStringLiteral("Inac&tivate")); // set again at the next selection only
        Click(*window, "cmdActivate");
        QCOMPARE(ListTexts(*window).value(1), QStringLiteral("B1 (booked) - Active "));
        Click(*window, "Command1");
        QCOMPARE(Count(QStringLiteral("SELECT Active FROM Berth WHERE ID = 2")), 1);
        const QString log = m_install->EventLogText();
        QCOMPARE(log.count(QStringLiteral("[Berth modified]")), 2);
        const qsizetype first = log.indexOf(QStringLiteral("Berth 'B1' inactivated"));
        QVERIFY(first > 0);
        QVERIFY(log.indexOf(QStringLiteral("Berth 'B1' activated")) > first);
    }

    void editorChangeSurvivesCancel()
    {
        auto window = Open();
        AddBerth(*window, QStringLiteral("C1"));
        bool edited = false;
        QTimer::singleShot(0, this, [&edited] {
            auto* editor = qobject_cast<frmEditBerths*>(QApplication::activeModalWidget());
            if (!editor)
                return;
            auto* name = editor->findChild<QLineEdit*>(QStringLiteral("txtFields1"));
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("Renamed"));
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("cmdUpdate")), Qt::LeftButton);
            QTest::mouseClick(editor->findChild<QPushButton*>(QStringLiteral("cmdClose")), Qt::LeftButton);
            edited = !editor->isVisible();
        });
        Click(*window, "Command2");
        QVERIFY(edited);
        // The register still lists the old name until it reads the table again.
        QVERIFY(ListTexts(*window).contains(QStringLiteral("A1 (booked) - Active ")));
        Click(*window, "cmdCancel");
        QCOMPARE(m_install->Value(QStringLiteral("SELECT Name FROM Berth WHERE ID = 1")).toString(),
                 QStringLiteral("Renamed"));
        QCOMPARE(Count(QStringLiteral("SELECT COUNT(*) FROM Berth")), 2);
        QCOMPARE(m_install->EventLogText(), QString());
    }
};

ZEM_TEST(tst_frmBerth)
#include "tst_frmBerth.moc"
