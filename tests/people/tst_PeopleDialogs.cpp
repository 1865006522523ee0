#include "common/TestSupport.h"
#include "core/Dialect.h"
#include "people/CustomerDialog.h"
#include "people/OwnerDialog.h"
#include "people/PeopleListModel.h"
#include "people/PeopleRecords.h"

#include <QSqlDriver>

Q_DECLARE_METATYPE(MsgResult)

// Customer and owner records: saved and read without a window, and the dialogs driven through their controls,
// checked against the database and the event log.
class tst_PeopleDialogs : public InstallTest
{
    Q_OBJECT

    template <typename Dialog> std::unique_ptr<Dialog> open(RecordMode mode, int id = 0)
    {
        auto dialog = std::make_unique<Dialog>(m_install->services);
        dialog->prepare(mode, id);
        dialog->show();
        return dialog;
    }
    QString entry(int code, const QString& details) const { return ::entry(*m_install, code, details); }

    static CustomerRecord allFields(const QString& t, bool club)
    {
        return {t + u'1', t + u'2', t + u'3',         t + u'4', t + u'5', t + u'6', t + u'7',
                t + u'8', t + u'9', t + u"\nnotes"_s, club,     t + u'0', {}};
    }
    static QStringList texts(const CustomerRecord& r)
    {
        return {r.name,  r.houseName, r.street,       r.area,  r.town,         r.postCode,
                r.telNo, r.mobileNo,  r.emailAddress, r.notes, r.membershipNo, QString::number(r.clubMember)};
    }

    using MeanwhileRow = std::tuple<QString, MsgResult, QString, QString>;
    using DisplayRow = std::tuple<QString, int>;

private slots:
    void addThenEditCustomer()
    {
        auto dialog = open<CustomerDialog>(RecordMode::Add);
        QCOMPARE(dialog->windowTitle(), u"Add customer"_s);
        type(*dialog, "txtName", u"O'Neill"_s);
        type(*dialog, "txtHouseName", u"Rose \"Cottage\""_s);
        type(*dialog, "txtTown", u"Łódź"_s);
        auto* notes = control<QPlainTextEdit>(*dialog, "txtNotes");
        typeKeys(notes, u"Moorings 100%"_s);
        QTest::keyClick(notes, Qt::Key_Return); // a new line in the notes, not the next field
        typeKeys(notes, u"_second_"_s);
        control<QCheckBox>(*dialog, "chkClubMember")->click();
        QVERIFY(clickCloses(*dialog, "cmdOK"));
        QCOMPARE(dialog->id(), m_install->scalarInt(u"SELECT MAX(ID) FROM Customer"_s));
        QCOMPARE(m_install->text(u"SELECT Name || '|' || HouseName || '|' || Town || '|' || Notes || '|' || "
                                 u"ClubMember || '|' || Street FROM Customer"_s),
                 u"O'Neill|Rose \"Cottage\"|Łódź|Moorings 100%\n_second_|1|"_s);
        QCOMPARE(logText(), entry(EventLog::CustomerAdded, u"Name: 'O'Neill' HouseName: 'Rose \"Cottage\"'"_s));
        // Esc over something typed asks first (No keeps it open with the typing); untouched, it just closes.
        dialog->prepare(RecordMode::Add, 0);
        QVERIFY(showActive(*dialog));
        type(*dialog, "txtName", u"Half typed"_s);
        m_install->messages.answers.enqueue(MsgResult::No);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(said(), u"Add customer: What you typed has not been saved. Close and lose it?"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        dialog->prepare(RecordMode::Add, 0);
        QVERIFY(showActive(*dialog));
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_install->messages.calls.size(), 2);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 1);
        // The next add starts empty.
        dialog->prepare(RecordMode::Add, 0);
        QVERIFY(control(*dialog, "txtName")->text().isEmpty());
        QVERIFY(!control<QCheckBox>(*dialog, "chkClubMember")->isChecked());
        QCOMPARE(dialog->id(), 0);

        // Editing keeps the apostrophe; Null columns come back as empty texts.
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, Town, ClubMember) VALUES (4, 'O''Neill', 'Poole', -1)"_s));
        dialog->prepare(RecordMode::Edit, 4);
        dialog->show();
        QCOMPARE(dialog->windowTitle(), u"Edit Customer"_s);
        QCOMPARE(control(*dialog, "txtName")->text(), u"O'Neill"_s);
        auto* club = control<QCheckBox>(*dialog, "chkClubMember");
        QVERIFY(club->isChecked());
        club->click();
        type(*dialog, "txtTown", u"Bristol"_s);
        QVERIFY(clickCloses(*dialog, "cmdOK"));
        QCOMPARE(dialog->id(), 4);
        QCOMPARE(m_install->text(u"SELECT Name || '|' || Town || '|' || ClubMember || '|' || HouseName || '|' || "
                                 u"Notes FROM Customer WHERE ID = 4"_s),
                 u"O'Neill|Bristol|0||"_s);
        QVERIFY(logText().endsWith(entry(EventLog::CustomerModified, u"Name: 'O'Neill' HouseName: ''"_s)));
    }

    // Desk A edits a customer while desk B saves: what only B changed is kept and what only A changed is saved,
    // unasked; only a field both changed differently is asked about, with theirs and A's own typing. Yes (the
    // default) keeps theirs there, No saves A's, Cancel goes back to the boxes with B's other change shown. An owner
    // deleted meanwhile is said so, with the typing kept.
    void anotherDeskMeanwhile_data()
    {
        // theirTown: the town desk B saves, beside its phone
        // stored: town, phone and mobile afterwards; boxes: the town and phone boxes afterwards
        const DataRows<MeanwhileRow> row;
        row("different fields: both kept, unasked", {u"York"_s, MsgResult::Ok, u"Hull|0123|07"_s, QString()});
        row("both changed the town: keep theirs", {u"Leeds"_s, MsgResult::Yes, u"Leeds|0123|07"_s, QString()});
        row("both changed the town: keep mine", {u"Leeds"_s, MsgResult::No, u"Hull|0123|07"_s, QString()});
        row("both changed the town: back to editing",
            {u"Leeds"_s, MsgResult::Cancel, u"Leeds|0123|"_s, u"Hull|0123"_s});
    }
    void anotherDeskMeanwhile()
    {
        const auto& [theirTown, answer, stored, boxes] = fetchRow<MeanwhileRow>();
        const QString now = u"SELECT Town || '|' || TelNo || '|' || MobileNo FROM Customer WHERE ID = 4"_s;
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, Town, TelNo, MobileNo) VALUES (4, 'Ann', 'York', '', '')"_s));
        auto dialog = open<CustomerDialog>(RecordMode::Edit, 4);
        type(*dialog, "txtTown", u"Hull"_s);
        type(*dialog, "txtMobileNo", u"07"_s);
        QVERIFY(exec(u"UPDATE Customer SET TelNo = '0123', Town = '"_s + theirTown + u"' WHERE ID = 4"_s));
        if (answer != MsgResult::Ok)
            m_install->messages.answers.enqueue(answer);
        click(*dialog, "cmdOK");
        if (answer == MsgResult::Ok)
            QVERIFY(!said().contains(u"Another desk"_s));
        else
            VERIFY_HAS(said(), u"this customer while you were editing it:\n\nTown: theirs “Leeds”, yours “Hull”\n\n"
                               u"Yes keeps theirs, No saves yours over theirs"_s);
        QCOMPARE(m_install->text(now), stored);
        QCOMPARE(dialog->isVisible(), !boxes.isEmpty());
        if (!boxes.isEmpty()) {
            QCOMPARE(control(*dialog, "txtTown")->text() + u'|' + control(*dialog, "txtTelNo")->text(), boxes);
            // Merged with what the other desk stored: OK now saves the typing beside their phone, unasked.
            click(*dialog, "cmdOK");
            QCOMPARE(m_install->text(now), u"Hull|0123|07"_s);
        }

        QVERIFY(exec(u"INSERT INTO Owner (ID, Name) VALUES (5, 'Bo')"_s));
        auto owner = open<OwnerDialog>(RecordMode::Edit, 5);
        type(*owner, "txtTown", u"Poole"_s);
        QVERIFY(exec(u"DELETE FROM Owner WHERE ID = 5"_s));
        click(*owner, "cmdOK");
        VERIFY_HAS(said(), u"deleted at another desk"_s);
        QVERIFY(owner->isVisible());
        QCOMPARE(control(*owner, "txtTown")->text(), u"Poole"_s);
    }

    void displayReturnsTheId_data()
    {
        // button: "Escape" presses the key
        const DataRows<DisplayRow> row;
        row("OK", {u"cmdOK"_s, 42});
        row("Cancel", {u"cmdCancel"_s, 0});
        row("Escape", {u"Escape"_s, 0});
    }
    void displayReturnsTheId()
    {
        const auto& [button, id] = fetchRow<DisplayRow>();
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (41, 'Old')"_s));
        CustomerDialog dialog(m_install->services);
        m_install->messages.answers.enqueue(MsgResult::Yes); // Cancel and Esc ask before the typed name goes
        onNextModal([button](QDialog* shown) {
            type(*shown, "txtName", u"New"_s);
            if (button == u"Escape")
                QTest::keyClick(control(*shown, "txtName"), Qt::Key_Escape);
            else
                click(*shown, button);
        });
        QCOMPARE(dialog.display(RecordMode::Add, 0), id);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), id ? 2 : 1);
        QCOMPARE(logText().isEmpty(), id == 0);
        QCOMPARE(m_install->messages.calls.size(), id ? 0 : 1);
    }

    void limitsEnterAndEmail()
    {
        auto dialog = open<CustomerDialog>(RecordMode::Add);
        QVERIFY(showActive(*dialog));
        type(*dialog, "txtName", QString(120, u'n'));
        type(*dialog, "txtMembershipNo", QString(60, u'm'));
        type(*dialog, "txtPostCode", QString(150, u'p'));
        QCOMPARE(control(*dialog, "txtName")->text() + control(*dialog, "txtMembershipNo")->text() +
                     control(*dialog, "txtPostCode")->text(),
                 QString(100, u'n') + QString(50, u'm') + QString(150, u'p'));

        control(*dialog, "txtName")->setFocus();
        QCOMPARE(enterVisits(1), QStringList{u"txtHouseName"_s});
        QStringList tabOrder;
        for (QWidget* w = dialog->findChild<QWidget*>(u"txtNotes"_s); tabOrder.size() < 8; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(dialog.get()) && w->objectName() != u"txtNotes"_s)
                tabOrder << w->objectName();
        QCOMPARE(tabOrder, (QStringList{u"chkClubMember"_s, u"cboLanguage"_s, u"lstBoats"_s, u"cmdAddBoat"_s,
                                        u"cmdEditBoat"_s, u"cmdRemoveBoat"_s, u"cmdOK"_s, u"cmdCancel"_s}));

        type(*dialog, "txtEmail", u"o'neill@example.org"_s);
        QTest::mouseClick(control<QLabel>(*dialog, "lblSendEmail"), Qt::LeftButton);
        QCOMPARE(m_install->desktop.opened, QList<QUrl>{QUrl(u"mailto:o'neill@example.org"_s)});
        m_install->desktop.accept = false; // no mail program: the user is told
        QTest::mouseClick(control<QLabel>(*dialog, "lblSendEmail"), Qt::LeftButton);
        QCOMPARE(m_install->messages.calls.size(), 1);

        // A longer name stored by another program is shown whole, so saving cannot cut it.
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (5, ?)"_s, {QString(150, u'x')}));
        dialog->prepare(RecordMode::Edit, 5);
        QCOMPARE(control(*dialog, "txtName")->text().size(), 150);

        // OK without a name, or with a save that fails, stays open with the typing and says nothing more.
        dialog->prepare(RecordMode::Add, 0);
        type(*dialog, "txtTown", u"Poole"_s);
        QVERIFY(!clickCloses(*dialog, "cmdOK"));
        QVERIFY(m_install->refuseChanges(true));
        type(*dialog, "txtName", u"Smith"_s);
        QVERIFY(!clickCloses(*dialog, "cmdOK"));
        QCOMPARE(control(*dialog, "txtName")->text(), u"Smith"_s);
        QCOMPARE(m_install->messages.calls.size(), 1); // the mail program's, above
        QCOMPARE(logText(), QString());
    }

    void ownerAddStaysOpenAndEmptyThenEdit()
    {
        auto dialog = open<OwnerDialog>(RecordMode::Add);
        QCOMPARE(dialog->windowTitle(), u"Add Owner"_s);
        type(*dialog, "txtName", u"D'Arcy"_s);
        type(*dialog, "txtHouseName", u"Mariners"_s);
        QVERIFY(!clickCloses(*dialog, "cmdOK"));
        QVERIFY(control(*dialog, "txtName")->text().isEmpty() && control(*dialog, "txtHouseName")->text().isEmpty());
        type(*dialog, "txtName", u"Żak"_s);
        QVERIFY(!clickCloses(*dialog, "cmdOK"));
        QCOMPARE(m_install->joined(u"SELECT Name || HouseName FROM Owner ORDER BY ID"_s), u"D'ArcyMariners,Żak"_s);

        const int id = m_install->scalarInt(u"SELECT ID FROM Owner WHERE Name = 'D''Arcy'"_s);
        dialog->prepare(RecordMode::Edit, id);
        QCOMPARE(dialog->windowTitle(), u"Edit Owner"_s);
        QCOMPARE(control(*dialog, "txtHouseName")->text(), u"Mariners"_s);
        type(*dialog, "txtName", u"D'Arcy's"_s);
        QVERIFY(clickCloses(*dialog, "cmdOK"));
        QCOMPARE(m_install->text(u"SELECT Name || '|' || EmailAddress FROM Owner WHERE ID = ?"_s, {id}),
                 u"D'Arcy's|"_s);
        QCOMPARE(logText(), entry(EventLog::OwnerAdded, u"Name: 'D'Arcy' HouseName: 'Mariners'"_s) +
                                entry(EventLog::OwnerAdded, u"Name: 'Żak' HouseName: ''"_s) +
                                entry(EventLog::OwnerModified, u"Name: 'D'Arcy's' HouseName: 'Mariners'"_s));
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
        const QSqlDatabase db = m_install->db();
        const auto id = CustomerStore::add(db, allFields(text, true));
        QVERIFY(id);
        QCOMPARE(texts(CustomerStore::load(db, *id).value()), texts(allFields(text, true)));
        QVERIFY(CustomerStore::modify(db, *id, CustomerStore::load(db, *id).value(), allFields(text + text, false)));
        QCOMPARE(texts(CustomerStore::load(db, *id).value()), texts(allFields(text + text, false)));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Customer"_s), 1);

        const OwnerRecord owner{text, text, {}, {}, text, {}, {}, {}, text};
        const auto ownerId = OwnerStore::add(db, owner);
        QVERIFY(ownerId);
        const auto loaded = OwnerStore::load(db, *ownerId).value();
        QCOMPARE(QStringList({loaded.name, loaded.houseName, loaded.street, loaded.town, loaded.notes}),
                 QStringList({text, text, QString(), text, text}));
    }

    // The store as two desks call it, each from what it loaded: B's phone and A's town both survive; a town both
    // changed differently is a Conflict naming it, with nothing written.
    void storeMergesTwoDesks()
    {
        const QSqlDatabase db = m_install->db();
        CustomerRecord ann;
        ann.name = u"Ann"_s;
        ann.town = u"York"_s;
        const auto id = CustomerStore::add(db, ann);
        QVERIFY(id);
        const CustomerRecord seen = CustomerStore::load(db, *id).value();
        CustomerRecord deskB = seen;
        deskB.telNo = u"0123"_s;
        CustomerRecord deskA = seen;
        deskA.town = u"Hull"_s;
        QVERIFY(CustomerStore::modify(db, *id, seen, deskB));
        std::optional<FieldChanges::Merge<CustomerRecord>> merge;
        QVERIFY(CustomerStore::modify(db, *id, seen, deskA, &merge));
        QCOMPARE(m_install->text(u"SELECT Town || '|' || TelNo FROM Customer"_s), u"Hull|0123"_s);
        QVERIFY(merge && merge->conflicts().isEmpty() && merge->merged().telNo == u"0123"_s);
        deskB.town = u"Leeds"_s;
        QCOMPARE(CustomerStore::modify(db, *id, seen, deskB, &merge).kind(), FailureKind::Conflict);
        QCOMPARE(merge->conflicts(), (QList<FieldChange>{{u"Town:"_s, u"Hull"_s, u"Leeds"_s}}));
        QCOMPARE(m_install->text(u"SELECT Town || '|' || TelNo FROM Customer"_s), u"Hull|0123"_s);
    }

    void failuresChangeNothing()
    {
        // A row deleted at another desk is a conflict, a refused write a database failure.
        QCOMPARE(CustomerStore::modify(m_install->db(), 99, {}, allFields(u"x"_s, false)).kind(),
                 FailureKind::Conflict);
        QCOMPARE(OwnerStore::load(m_install->db(), 99).kind(), FailureKind::Conflict);
        QVERIFY(m_install->refuseChanges(true));
        QCOMPARE(OwnerStore::add(m_install->db(), OwnerRecord{u"x"_s, {}, {}, {}, {}, {}, {}, {}, {}}).kind(),
                 FailureKind::Database);
        QVERIFY(m_install->refuseChanges(false));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Owner"_s), 0);
    }

    void listModelReadsInBlocks()
    {
        QVERIFY(exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                     u"INSERT INTO Customer (Name, ClubMember) SELECT 'C' || i, i % 2 FROM n"_s));
        PeopleListModel model(PeopleLists::customers(Dialect::of(m_install->db())));
        QVERIFY(model.requery(m_install->db()));
        // A server hands over the whole result at once; from a file the rows come a block at a time.
        if (!m_install->db().driver()->hasFeature(QSqlDriver::QuerySize))
            QVERIFY(model.rowCount() < 1000);
        QVERIFY(model.fetchUpTo(999));
        QCOMPARE(model.data(model.index(999, 1)).toString(), u"C1000"_s);
        QCOMPARE(model.data(model.index(998, 11)).toString(), u"Yes"_s);
        QCOMPARE(model.idAt(998), 999);
        QVERIFY(!model.fetchUpTo(1000));
        // The boats column: a customer's boats by name, nothing for one without.
        QVERIFY(exec(u"INSERT INTO Boat (CustomerID, Name) VALUES (999, 'Zephyr'), (999, 'Avocet')"_s));
        QVERIFY(model.requery(m_install->db()) && model.fetchUpTo(999));
        QCOMPARE(model.data(model.index(998, 13)).toString() + u'|' + model.data(model.index(997, 13)).toString(),
                 u"Avocet, Zephyr|"_s);
    }
};

ZEM_TEST(tst_PeopleDialogs)
#include "tst_PeopleDialogs.moc"
