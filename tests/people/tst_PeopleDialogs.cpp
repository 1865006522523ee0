#include "PeopleTestSupport.h"
#include "common/TestMain.h"
#include "people/frmAddCustomer.h"
#include "people/frmAddOwner.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

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
        auto* edit = Find(window, box);
        edit->clear();
        PeopleTest::TypeText(edit, text);
    }
    static void Click(QWidget* window, const char* button) { Find<QPushButton>(window, button)->click(); }

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
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.ID(), m_install->Value(QStringLiteral("SELECT MAX(ID) FROM Customer")).toInt());
        QCOMPARE(m_install
                     ->Value(QStringLiteral("SELECT Name || '|' || HouseName || '|' || Town || '|' || Notes || "
                                            "'|' || ClubMember || '|' || Street FROM Customer WHERE ID = ?"),
                             {dialog.ID()})
                     .toString(),
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
        QVERIFY(Find(&dialog, "txtHouseName")->text().isEmpty());
        auto* club = Find<QCheckBox>(&dialog, "chkClubMember");
        QVERIFY(club->isChecked());
        club->click();
        Type(&dialog, "txtTown", QStringLiteral("Bristol"));
        Click(&dialog, "cmdOK");

        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.ID(), 4);
        QCOMPARE(m_install
                     ->Value(QStringLiteral("SELECT Name || '|' || Town || '|' || ClubMember || '|' || "
                                            "HouseName || '|' || Notes FROM Customer WHERE ID = 4"))
                     .toString(),
                 QStringLiteral("O'Neill|Bristol|0||"));
        QCOMPARE(m_install->EventLogText(), PeopleTest::Entry(*m_install, modEventLog::CustomerModified,
                                                              QStringLiteral("Name: 'O'Neill' HouseName: ''")));
    }

    void cancelGivesIdZero_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape") << true;
    }
    void cancelGivesIdZero()
    {
        QFETCH(bool, escape);
        frmAddCustomer dialog(m_install->services);
        PeopleTest::OnNextModal([escape](QDialog* shown) {
            Type(shown, "txtName", QStringLiteral("Nobody"));
            if (escape)
                QTest::keyClick(Find(shown, "txtName"), Qt::Key_Escape);
            else
                Click(shown, "cmdCancel");
        });
        QCOMPARE(dialog.Display(RecordMode::Add, 0), 0);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Customer")).toInt(), 0);
        QCOMPARE(m_install->EventLogText(), QString());
    }

    void displayReturnsTheNewId()
    {
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Customer (ID, Name) VALUES (41, 'Old')")));
        frmAddCustomer dialog(m_install->services);
        PeopleTest::OnNextModal([](QDialog* shown) {
            Type(shown, "txtName", QStringLiteral("New"));
            Click(shown, "cmdOK");
        });
        QCOMPARE(dialog.Display(RecordMode::Add, 0), 42);
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
        QCOMPARE(dialog.ID(), 0);
        QVERIFY(m_install->messages.calls.isEmpty());
        QCOMPARE(m_install->EventLogText(), QString());
        QVERIFY(m_install->Exec(QStringLiteral("PRAGMA query_only = 0")));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Customer")).toInt(), 0);
    }

    void limitsAndEnter()
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

        // A longer name stored by another program is shown whole, so saving cannot cut it.
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Customer (ID, Name) VALUES (5, ?)"), {QString(150, u'x')}));
        dialog.Prepare(RecordMode::Edit, 5);
        QCOMPARE(Find(&dialog, "txtName")->text().size(), 150);
    }

    void emailThroughTheDesktop()
    {
        frmAddCustomer dialog(m_install->services);
        dialog.Prepare(RecordMode::Add, 0);
        dialog.show();
        Type(&dialog, "txtEmail", QStringLiteral("o'neill@example.org"));
        auto* label = Find<QLabel>(&dialog, "lblSendEmail");
        QCOMPARE(label->text(), QStringLiteral("Email"));
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(m_install->desktop.opened, QList<QUrl>{QUrl(QStringLiteral("mailto:o'neill@example.org"))});
        QVERIFY(m_install->messages.calls.isEmpty());

        m_install->desktop.accept = false;
        frmAddOwner owner(m_install->services);
        owner.Prepare(RecordMode::Add, 0);
        owner.show();
        QTest::mouseClick(Find<QLabel>(&owner, "lblSendEmail"), Qt::LeftButton);
        QCOMPARE(m_install->desktop.opened.last(), QUrl(QStringLiteral("mailto:")));
        QCOMPARE(m_install->messages.calls.size(), 1);
    }

    void ownerAddStaysOpenAndEmpty()
    {
        frmAddOwner dialog(m_install->services);
        dialog.Prepare(RecordMode::Add, 0);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add Owner"));
        Type(&dialog, "txtName", QStringLiteral("D'Arcy"));
        Type(&dialog, "txtHouseName", QStringLiteral("Mariners"));
        Type(&dialog, "txtEmail", QStringLiteral("d@example.org"));
        Click(&dialog, "cmdOK");
        QVERIFY(dialog.isVisible());
        for (const char* box : {"txtName", "txtHouseName", "txtEmail"})
            QVERIFY2(Find(&dialog, box)->text().isEmpty(), box);
        Type(&dialog, "txtName", QStringLiteral("Żak"));
        Click(&dialog, "cmdOK");
        QVERIFY(dialog.isVisible());
        QCOMPARE(m_install->Value(QStringLiteral("SELECT group_concat(Name, '|') FROM Owner")).toString(),
                 QStringLiteral("D'Arcy|Żak"));
        QCOMPARE(m_install->EventLogText(), PeopleTest::Entry(*m_install, modEventLog::OwnerAdded,
                                                              QStringLiteral("Name: 'D'Arcy' HouseName: 'Mariners'")) +
                                                PeopleTest::Entry(*m_install, modEventLog::OwnerAdded,
                                                                  QStringLiteral("Name: 'Żak' HouseName: ''")));
        Click(&dialog, "cmdCancel");
        QVERIFY(!dialog.isVisible());
    }

    void ownerEdit()
    {
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Owner (ID, Name, HouseName) VALUES (3, 'Ng', 'Flat 2')")));
        frmAddOwner dialog(m_install->services);
        dialog.Prepare(RecordMode::Edit, 3);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Owner"));
        QCOMPARE(Find(&dialog, "txtHouseName")->text(), QStringLiteral("Flat 2"));
        QVERIFY(Find(&dialog, "txtEmail")->text().isEmpty());
        Type(&dialog, "txtName", QStringLiteral("Ng's"));
        Click(&dialog, "cmdOK");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(m_install->Value(QStringLiteral("SELECT Name || '|' || EmailAddress FROM Owner WHERE ID = 3")),
                 QVariant(QStringLiteral("Ng's|")));
        QCOMPARE(m_install->EventLogText(), PeopleTest::Entry(*m_install, modEventLog::OwnerModified,
                                                              QStringLiteral("Name: 'Ng's' HouseName: 'Flat 2'")));
    }
};

ZEM_TEST(tst_PeopleDialogs)
#include "tst_PeopleDialogs.moc"
