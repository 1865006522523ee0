#include "PeopleTestSupport.h"
#include "common/TestMain.h"
#include "people/frmAddCustomer.h"
#include "people/frmAddOwner.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

// The customer and owner dialogs driven through their controls, checked against the database and the event log.
class tst_PeopleDialogs : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    template <typename T = QLineEdit> static T* Find(QWidget* window, const char* name)
    {
        auto* control = window->findChild<T*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    static void Type(QWidget* window, const char* box, const QString& text)
    {
        Find(window, box)->clear();
        PeopleTest::TypeText(Find(window, box), text);
    }
    static void Click(QWidget* window, const char* button) { Find<QPushButton>(window, button)->click(); }
    QString Row(const QString& sql) const { return m_install->Value(sql).toString(); }

private slots:
    void init() { m_install = std::make_unique<TestInstall>(); }
    void cleanup() { m_install.reset(); }

    void addCustomer()
    {
        frmAddCustomer dialog(m_install->services);
        dialog.Prepare(RecordMode::Add, 0);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add customer"));
        Type(&dialog, "txtName", QStringLiteral("O'Neill"));
        Type(&dialog, "txtHouseName", QStringLiteral("Rose \"Cottage\""));
        Type(&dialog, "txtTown", QStringLiteral("Łódź"));
        auto* notes = Find<QPlainTextEdit>(&dialog, "txtNotes");
        PeopleTest::TypeText(notes, QStringLiteral("Moorings 100%"));
        QTest::keyClick(notes, Qt::Key_Return); // a new line in the notes, not the next field
        PeopleTest::TypeText(notes, QStringLiteral("_second_"));
        Find<QCheckBox>(&dialog, "chkClubMember")->click();
        Click(&dialog, "cmdOK");

        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.ID(), m_install->Value(QStringLiteral("SELECT MAX(ID) FROM Customer")).toInt());
        QCOMPARE(Row(QStringLiteral("SELECT Name || '|' || HouseName || '|' || Town || '|' || Notes || '|' || "
                                    "ClubMember || '|' || Street FROM Customer")),
                 QStringLiteral("O'Neill|Rose \"Cottage\"|Łódź|Moorings 100%\n_second_|1|"));
        QCOMPARE(m_install->EventLogText(),
                 PeopleTest::Entry(*m_install, modEventLog::CustomerAdded,
                                   QStringLiteral("Name: 'O'Neill' HouseName: 'Rose \"Cottage\"'")));
        // The next add starts empty.
        dialog.Prepare(RecordMode::Add, 0);
        QVERIFY(Find(&dialog, "txtName")->text().isEmpty());
        QVERIFY(!Find<QCheckBox>(&dialog, "chkClubMember")->isChecked());
        QCOMPARE(dialog.ID(), 0);
    }

    void editCustomerKeepsTheApostrophe()
    {
        QVERIFY(m_install->Exec(
            QStringLiteral("INSERT INTO Customer (ID, Name, Town, ClubMember) VALUES (4, 'O''Neill', 'Poole', -1)")));
        frmAddCustomer dialog(m_install->services);
        dialog.Prepare(RecordMode::Edit, 4);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Customer"));
        QCOMPARE(Find(&dialog, "txtName")->text(), QStringLiteral("O'Neill"));
        auto* club = Find<QCheckBox>(&dialog, "chkClubMember");
        QVERIFY(club->isChecked());
        club->click();
        Type(&dialog, "txtTown", QStringLiteral("Bristol"));
        Click(&dialog, "cmdOK");

        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.ID(), 4);
        // Null columns come back as empty texts, never Null.
        QCOMPARE(Row(QStringLiteral("SELECT Name || '|' || Town || '|' || ClubMember || '|' || HouseName || '|' || "
                                    "Notes FROM Customer WHERE ID = 4")),
                 QStringLiteral("O'Neill|Bristol|0||"));
        QCOMPARE(m_install->EventLogText(), PeopleTest::Entry(*m_install, modEventLog::CustomerModified,
                                                              QStringLiteral("Name: 'O'Neill' HouseName: ''")));
    }

    void displayReturnsTheId_data()
    {
        QTest::addColumn<QString>("button"); // "Escape" presses the key
        QTest::addColumn<int>("id");
        QTest::newRow("OK") << "cmdOK" << 42;
        QTest::newRow("Cancel") << "cmdCancel" << 0;
        QTest::newRow("Escape") << "Escape" << 0;
    }
    void displayReturnsTheId()
    {
        QFETCH(QString, button);
        QFETCH(int, id);
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Customer (ID, Name) VALUES (41, 'Old')")));
        frmAddCustomer dialog(m_install->services);
        PeopleTest::OnNextModal([button](QDialog* shown) {
            Type(shown, "txtName", QStringLiteral("New"));
            if (button == QLatin1String("Escape"))
                QTest::keyClick(Find(shown, "txtName"), Qt::Key_Escape);
            else
                Click(shown, qPrintable(button));
        });
        QCOMPARE(dialog.Display(RecordMode::Add, 0), id);
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Customer")).toInt(), id ? 2 : 1);
        QCOMPARE(m_install->EventLogText().isEmpty(), id == 0);
    }

    void okWithoutNameOrFailingSaveStaysOpen()
    {
        frmAddCustomer dialog(m_install->services);
        dialog.Prepare(RecordMode::Add, 0);
        dialog.show();
        Type(&dialog, "txtTown", QStringLiteral("Poole"));
        Click(&dialog, "cmdOK");
        QVERIFY(dialog.isVisible());

        QVERIFY(m_install->Exec(QStringLiteral("PRAGMA query_only = 1")));
        Type(&dialog, "txtName", QStringLiteral("Smith"));
        Click(&dialog, "cmdOK");
        QVERIFY(dialog.isVisible());
        QCOMPARE(Find(&dialog, "txtName")->text(), QStringLiteral("Smith"));
        QVERIFY(m_install->messages.calls.isEmpty());
        QCOMPARE(m_install->EventLogText(), QString());
    }

    void limitsEnterAndEmail()
    {
        frmAddCustomer dialog(m_install->services);
        dialog.Prepare(RecordMode::Add, 0);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Type(&dialog, "txtName", QString(120, u'n'));
        Type(&dialog, "txtMembershipNo", QString(60, u'm'));
        Type(&dialog, "txtPostCode", QString(150, u'p'));
        QCOMPARE(Find(&dialog, "txtName")->text().size(), 100);
        QCOMPARE(Find(&dialog, "txtMembershipNo")->text().size(), 50);
        QCOMPARE(Find(&dialog, "txtPostCode")->text().size(), 150);

        Find(&dialog, "txtName")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Find(&dialog, "txtHouseName"));

        Type(&dialog, "txtEmail", QStringLiteral("o'neill@example.org"));
        QTest::mouseClick(Find<QLabel>(&dialog, "lblSendEmail"), Qt::LeftButton);
        QCOMPARE(m_install->desktop.opened, QList<QUrl>{QUrl(QStringLiteral("mailto:o'neill@example.org"))});
        m_install->desktop.accept = false; // no mail program: the user is told
        QTest::mouseClick(Find<QLabel>(&dialog, "lblSendEmail"), Qt::LeftButton);
        QCOMPARE(m_install->messages.calls.size(), 1);

        // A longer name stored by another program is shown whole, so saving cannot cut it.
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Customer (ID, Name) VALUES (5, ?)"), {QString(150, u'x')}));
        dialog.Prepare(RecordMode::Edit, 5);
        QCOMPARE(Find(&dialog, "txtName")->text().size(), 150);
    }

    void ownerAddStaysOpenAndEmpty()
    {
        frmAddOwner dialog(m_install->services);
        dialog.Prepare(RecordMode::Add, 0);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Owner"));
        Type(&dialog, "txtName", QStringLiteral("D'Arcy"));
        Type(&dialog, "txtHouseName", QStringLiteral("Mariners"));
        Click(&dialog, "cmdOK");
        QVERIFY(dialog.isVisible());
        QVERIFY(Find(&dialog, "txtName")->text().isEmpty() && Find(&dialog, "txtHouseName")->text().isEmpty());
        Type(&dialog, "txtName", QStringLiteral("Żak"));
        Click(&dialog, "cmdOK");
        QVERIFY(dialog.isVisible());
        QCOMPARE(Row(QStringLiteral("SELECT group_concat(Name || HouseName, '|') FROM Owner")),
                 QStringLiteral("D'ArcyMariners|Żak"));
        QCOMPARE(m_install->EventLogText(), PeopleTest::Entry(*m_install, modEventLog::OwnerAdded,
                                                              QStringLiteral("Name: 'D'Arcy' HouseName: 'Mariners'")) +
                                                PeopleTest::Entry(*m_install, modEventLog::OwnerAdded,
                                                                  QStringLiteral("Name: 'Żak' HouseName: ''")));
    }

    void ownerEdit()
    {
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Owner (ID, Name, HouseName) VALUES (3, 'Ng', 'Flat 2')")));
        frmAddOwner dialog(m_install->services);
        dialog.Prepare(RecordMode::Edit, 3);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Owner"));
        QCOMPARE(Find(&dialog, "txtHouseName")->text(), QStringLiteral("Flat 2"));
        Type(&dialog, "txtName", QStringLiteral("Ng's"));
        Click(&dialog, "cmdOK");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(Row(QStringLiteral("SELECT Name || '|' || EmailAddress FROM Owner WHERE ID = 3")),
                 QStringLiteral("Ng's|"));
        QCOMPARE(m_install->EventLogText(), PeopleTest::Entry(*m_install, modEventLog::OwnerModified,
                                                              QStringLiteral("Name: 'Ng's' HouseName: 'Flat 2'")));
    }
};

ZEM_TEST(tst_PeopleDialogs)
#include "tst_PeopleDialogs.moc"
