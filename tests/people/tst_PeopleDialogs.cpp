#include "common/TestSupport.h"
#include "core/Dialect.h"
#include "people/PeopleListModel.h"
#include "people/PeopleRecords.h"
#include "people/frmAddCustomer.h"
#include "people/frmAddOwner.h"

#include <QSqlDriver>

// Customer and owner records: saved and read without a window, and the dialogs driven through their controls,
// checked against the database and the event log.
class tst_PeopleDialogs : public InstallTest
{
    Q_OBJECT

    template <typename Dialog> std::unique_ptr<Dialog> Open(RecordMode mode, int id = 0)
    {
        auto dialog = std::make_unique<Dialog>(m_install->services);
        dialog->Prepare(mode, id);
        dialog->show();
        return dialog;
    }
    QString Entry(int code, const QString& details) const { return ::Entry(*m_install, code, details); }

    static CustomerRecord AllFields(const QString& t, bool club)
    {
        return {t + u'1', t + u'2', t + u'3', t + u'4',         t + u'5', t + u'6',
                t + u'7', t + u'8', t + u'9', t + u"\nnotes"_s, club,     t + u'0'};
    }
    static QStringList Texts(const CustomerRecord& r)
    {
        return {r.name,  r.houseName, r.street,       r.area,  r.town,         r.postCode,
                r.telNo, r.mobileNo,  r.emailAddress, r.notes, r.membershipNo, QString::number(r.clubMember)};
    }

private slots:
    void addCustomer()
    {
        auto dialog = Open<frmAddCustomer>(RecordMode::Add);
        QCOMPARE(dialog->windowTitle(), u"Add customer"_s);
        Type(*dialog, "txtName", u"O'Neill"_s);
        Type(*dialog, "txtHouseName", u"Rose \"Cottage\""_s);
        Type(*dialog, "txtTown", u"Łódź"_s);
        auto* notes = Control<QPlainTextEdit>(*dialog, "txtNotes");
        TypeKeys(notes, u"Moorings 100%"_s);
        QTest::keyClick(notes, Qt::Key_Return); // a new line in the notes, not the next field
        TypeKeys(notes, u"_second_"_s);
        Control<QCheckBox>(*dialog, "chkClubMember")->click();
        Click(*dialog, "cmdOK");

        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->ID(), m_install->Int(u"SELECT MAX(ID) FROM Customer"_s));
        QCOMPARE(m_install->Text(u"SELECT Name || '|' || HouseName || '|' || Town || '|' || Notes || '|' || "
                                 u"ClubMember || '|' || Street FROM Customer"_s),
                 u"O'Neill|Rose \"Cottage\"|Łódź|Moorings 100%\n_second_|1|"_s);
        QCOMPARE(m_install->EventLogText(),
                 Entry(modEventLog::CustomerAdded, u"Name: 'O'Neill' HouseName: 'Rose \"Cottage\"'"_s));
        // The next add starts empty.
        dialog->Prepare(RecordMode::Add, 0);
        QVERIFY(Control(*dialog, "txtName")->text().isEmpty());
        QVERIFY(!Control<QCheckBox>(*dialog, "chkClubMember")->isChecked());
        QCOMPARE(dialog->ID(), 0);
    }

    void editCustomerKeepsTheApostrophe()
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (ID, Name, Town, ClubMember) VALUES (4, 'O''Neill', 'Poole', "
                                u"-1)"_s));
        auto dialog = Open<frmAddCustomer>(RecordMode::Edit, 4);
        QCOMPARE(dialog->windowTitle(), u"Edit Customer"_s);
        QCOMPARE(Control(*dialog, "txtName")->text(), u"O'Neill"_s);
        auto* club = Control<QCheckBox>(*dialog, "chkClubMember");
        QVERIFY(club->isChecked());
        club->click();
        Type(*dialog, "txtTown", u"Bristol"_s);
        Click(*dialog, "cmdOK");

        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->ID(), 4);
        // Null columns come back as empty texts, never Null.
        QCOMPARE(m_install->Text(u"SELECT Name || '|' || Town || '|' || ClubMember || '|' || HouseName || '|' || "
                                 u"Notes FROM Customer WHERE ID = 4"_s),
                 u"O'Neill|Bristol|0||"_s);
        QCOMPARE(m_install->EventLogText(), Entry(modEventLog::CustomerModified, u"Name: 'O'Neill' HouseName: ''"_s));
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
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (ID, Name) VALUES (41, 'Old')"_s));
        frmAddCustomer dialog(m_install->services);
        OnNextModal([button](QDialog* shown) {
            Type(*shown, "txtName", u"New"_s);
            if (button == u"Escape")
                QTest::keyClick(Control(*shown, "txtName"), Qt::Key_Escape);
            else
                Click(*shown, button);
        });
        QCOMPARE(dialog.Display(RecordMode::Add, 0), id);
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Customer"_s), id ? 2 : 1);
        QCOMPARE(m_install->EventLogText().isEmpty(), id == 0);
    }

    void okWithoutNameOrFailingSaveStaysOpen()
    {
        auto dialog = Open<frmAddCustomer>(RecordMode::Add);
        Type(*dialog, "txtTown", u"Poole"_s);
        Click(*dialog, "cmdOK");
        QVERIFY(dialog->isVisible());

        QVERIFY(m_install->RefuseChanges(true));
        Type(*dialog, "txtName", u"Smith"_s);
        Click(*dialog, "cmdOK");
        QVERIFY(dialog->isVisible());
        QCOMPARE(Control(*dialog, "txtName")->text(), u"Smith"_s);
        QVERIFY(m_install->messages.calls.isEmpty());
        QCOMPARE(m_install->EventLogText(), QString());
    }

    void limitsEnterAndEmail()
    {
        auto dialog = Open<frmAddCustomer>(RecordMode::Add);
        QVERIFY(ShowActive(*dialog));
        Type(*dialog, "txtName", QString(120, u'n'));
        Type(*dialog, "txtMembershipNo", QString(60, u'm'));
        Type(*dialog, "txtPostCode", QString(150, u'p'));
        QCOMPARE(Control(*dialog, "txtName")->text() + Control(*dialog, "txtMembershipNo")->text() +
                     Control(*dialog, "txtPostCode")->text(),
                 QString(100, u'n') + QString(50, u'm') + QString(150, u'p'));

        Control(*dialog, "txtName")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), Control(*dialog, "txtHouseName"));

        Type(*dialog, "txtEmail", u"o'neill@example.org"_s);
        QTest::mouseClick(Control<QLabel>(*dialog, "lblSendEmail"), Qt::LeftButton);
        QCOMPARE(m_install->desktop.opened, QList<QUrl>{QUrl(u"mailto:o'neill@example.org"_s)});
        m_install->desktop.accept = false; // no mail program: the user is told
        QTest::mouseClick(Control<QLabel>(*dialog, "lblSendEmail"), Qt::LeftButton);
        QCOMPARE(m_install->messages.calls.size(), 1);

        // A longer name stored by another program is shown whole, so saving cannot cut it.
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (ID, Name) VALUES (5, ?)"_s, {QString(150, u'x')}));
        dialog->Prepare(RecordMode::Edit, 5);
        QCOMPARE(Control(*dialog, "txtName")->text().size(), 150);
    }

    void ownerAddStaysOpenAndEmptyThenEdit()
    {
        auto dialog = Open<frmAddOwner>(RecordMode::Add);
        QCOMPARE(dialog->windowTitle(), u"Add Owner"_s);
        Type(*dialog, "txtName", u"D'Arcy"_s);
        Type(*dialog, "txtHouseName", u"Mariners"_s);
        Click(*dialog, "cmdOK");
        QVERIFY(dialog->isVisible());
        QVERIFY(Control(*dialog, "txtName")->text().isEmpty() && Control(*dialog, "txtHouseName")->text().isEmpty());
        Type(*dialog, "txtName", u"Żak"_s);
        Click(*dialog, "cmdOK");
        QVERIFY(dialog->isVisible());
        QCOMPARE(m_install->Text(u"SELECT %1 FROM Owner"_s.arg(
                     Dialect::Of(m_install->Db()).JoinTexts(u"Name || HouseName"_s, u"|"_s, u"ID"_s))),
                 u"D'ArcyMariners|Żak"_s);

        const int id = m_install->Int(u"SELECT ID FROM Owner WHERE Name = 'D''Arcy'"_s);
        dialog->Prepare(RecordMode::Edit, id);
        QCOMPARE(dialog->windowTitle(), u"Edit Owner"_s);
        QCOMPARE(Control(*dialog, "txtHouseName")->text(), u"Mariners"_s);
        Type(*dialog, "txtName", u"D'Arcy's"_s);
        Click(*dialog, "cmdOK");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_install->Text(u"SELECT Name || '|' || EmailAddress FROM Owner WHERE ID = ?"_s, {id}),
                 u"D'Arcy's|"_s);
        QCOMPARE(m_install->EventLogText(),
                 Entry(modEventLog::OwnerAdded, u"Name: 'D'Arcy' HouseName: 'Mariners'"_s) +
                     Entry(modEventLog::OwnerAdded, u"Name: 'Żak' HouseName: ''"_s) +
                     Entry(modEventLog::OwnerModified, u"Name: 'D'Arcy's' HouseName: 'Mariners'"_s));
    }

    void textsAreKeptExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophe") << u"O'Neill"_s;
        QTest::newRow("quotes") << u"\"The Anchor\" ''x''"_s;
        QTest::newRow("wildcards") << u"100% _under_ \\back"_s;
        QTest::newRow("line breaks") << u"one\ntwo\r\nthree"_s;
        QTest::newRow("non-Latin") << u"Łukasz Żółć Ελένη 東京"_s;
        QTest::newRow("statement text") << u"x'); DELETE FROM Customer; --"_s;
    }
    void textsAreKeptExactly()
    {
        QFETCH(QString, text);
        const QSqlDatabase db = m_install->Db();
        const auto id = CustomerStore::Add(db, AllFields(text, true));
        QVERIFY(id);
        QCOMPARE(*id, m_install->Int(u"SELECT MAX(ID) FROM Customer"_s));
        QCOMPARE(Texts(CustomerStore::Load(db, *id).value()), Texts(AllFields(text, true)));
        QVERIFY(CustomerStore::Modify(db, *id, AllFields(text + text, false)));
        QCOMPARE(Texts(CustomerStore::Load(db, *id).value()), Texts(AllFields(text + text, false)));
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Customer"_s), 1);

        const OwnerRecord owner{text, text, {}, {}, text, {}, {}, {}, text};
        const auto ownerId = OwnerStore::Add(db, owner);
        QVERIFY(ownerId);
        const auto loaded = OwnerStore::Load(db, *ownerId).value();
        QCOMPARE(QStringList({loaded.name, loaded.houseName, loaded.street, loaded.town, loaded.notes}),
                 QStringList({text, text, QString(), text, text}));
    }

    void failuresChangeNothing()
    {
        QString error;
        QVERIFY(!CustomerStore::Modify(m_install->Db(), 99, AllFields(u"x"_s, false), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!OwnerStore::Load(m_install->Db(), 99));
        QVERIFY(m_install->RefuseChanges(true));
        QVERIFY(!OwnerStore::Add(m_install->Db(), OwnerRecord{u"x"_s, {}, {}, {}, {}, {}, {}, {}, {}}));
        QVERIFY(m_install->RefuseChanges(false));
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Owner"_s), 0);
    }

    void listModelReadsInBlocks()
    {
        QVERIFY(m_install->Exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                                u"INSERT INTO Customer (Name, ClubMember) SELECT 'C' || i, i % 2 FROM n"_s));
        PeopleListModel model(PeopleLists::Customers());
        QVERIFY(model.Requery(m_install->Db()));
        // A server hands over the whole result at once; from a file the rows come a block at a time.
        if (!m_install->Db().driver()->hasFeature(QSqlDriver::QuerySize))
            QVERIFY(model.rowCount() < 1000);
        QVERIFY(model.FetchUpTo(999));
        QCOMPARE(model.data(model.index(999, 1)).toString(), u"C1000"_s);
        QCOMPARE(model.data(model.index(998, 11)).toString(), u"Yes"_s);
        QCOMPARE(model.IdAt(998), 999);
        QVERIFY(!model.FetchUpTo(1000));
    }
};

ZEM_TEST(tst_PeopleDialogs)
#include "tst_PeopleDialogs.moc"
