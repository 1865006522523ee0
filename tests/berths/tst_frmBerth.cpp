#include "berths/frmBerth.h"
#include "berths/frmBerthNotes.h"
#include "berths/frmEditBerths.h"
#include "berths/frmWizardConfig.h"
#include "common/TestSupport.h"
#include "core/SqlHelpers.h"

#include <QSqlQuery>

// The berth windows driven through their controls: the register and the configuration wizard, which keep their
// changes pending until OK or Finish; the table editor on its own connection (navigation, money shown as money,
// saving on a move); the notes of several berths edited in one visit. The database, the settings and the event
// log are read afterwards.
class tst_frmBerth : public InstallTest
{
    Q_OBJECT
    TestHost m_host;

    void Seed() override
    {
        m_host.refreshes = 0;
        // A1 is booked by booking 10 alone and by booking 11 together with B1. A1's daily charge has more decimals
        // than a money box shows.
        QVERIFY(m_install->Exec(u"INSERT INTO Berth (ID, Name, TypeID, Length, DailyHireCharge, Active, Notes) "
                                u"VALUES (1, 'A1', 1, 7.25, 123456, 1, 'old A'), (2, 'B1', 1, NULL, 125000, 1, "
                                u"'old B')"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                u"(10, 1, '2026-12-01 09:00:00', '2026-12-03 14:00:00'), "
                                u"(11, 1, '2026-12-03 14:00:00', '2026-12-05 14:00:00')"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (11, 2)"_s));
    }

    /// The first column of every row, joined by commas.
    QString Joined(const QString& sql) const
    {
        QSqlQuery q(m_install->Db());
        QStringList texts;
        if (q.exec(sql))
            while (q.next())
                texts << q.value(0).toString();
        return texts.join(u',');
    }
    int Count(const QString& sql) const { return m_install->Int(sql); }
    QString Notes(int id) const { return m_install->Text(u"SELECT Notes FROM Berth WHERE ID = ?"_s, {id}); }
    static QLineEdit* Field(const QWidget& editor, int field) { return Control(editor, u"txtFields%1"_s.arg(field)); }
    static void ChooseAndType(frmBerthNotes& window, const QString& name, const QString& notes = {})
    {
        auto* combo = Control<QComboBox>(window, "cboName");
        combo->setCurrentIndex(combo->findText(name));
        if (!notes.isEmpty())
            Type(window, "txtNotes", notes);
    }
    static void Select(QWidget& window, const QString& text)
    {
        const auto items = Control<QListWidget>(window, "lstBerth")->findItems(text, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        Control<QListWidget>(window, "lstBerth")->setCurrentItem(items.first());
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
        QTest::keyClicks(Control(window, "txtName"), name);
        QTest::keyClicks(Control(window, "txtDailyHireCharge"), daily);
        Control<QComboBox>(window, "cboBerthType")->setCurrentIndex(1);
        Click(window, "cmdAdd");
    }
    /// The register or the configuration wizard, shown and active.
    template <typename Window = frmBerth> std::unique_ptr<Window> Open()
    {
        auto window = std::make_unique<Window>(m_install->services, &m_host);
        if (!ShowActive(*window))
            qWarning("the window did not become active");
        return window;
    }

private slots:
    void addTwoThenCancelChangesNothing_data()
    {
        QTest::addColumn<bool>("wizard");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("register") << false
                                  << QStringList{u"A1 (booked) - Active "_s, u"a2 - Active "_s,
                                                 u"B1 (booked) - Active "_s, u"C1 - Active "_s};
        QTest::newRow("wizard: plain names") << true << QStringList{u"A1"_s, u"a2"_s, u"B1"_s, u"C1"_s};
    }
    void addTwoThenCancelChangesNothing()
    {
        QFETCH(bool, wizard);
        QFETCH(QStringList, texts);
        std::unique_ptr<QWidget> window = wizard ? std::unique_ptr<QWidget>(Open<frmWizardConfig>()) : Open();
        if (wizard) {
            Click(*window, "cmdNext");
            Control<QComboBox>(*window, "cboPostCode")->setCurrentIndex(1);
            Click(*window, "cmdNext");
        }
        AddBerth(*window, u"C1"_s);
        AddBerth(*window, u"a2"_s);
        QCOMPARE(ListTexts(*window), texts);
        QVERIFY(Control(*window, "txtName")->text().isEmpty());
        Click(*window, "cmdCancel");
        QVERIFY(!window->isVisible());
        QCOMPARE(Count(u"SELECT COUNT(*) FROM Berth"_s), 2);
        QCOMPARE(m_install->EventLogText(), QString());
        QCOMPARE(Registry::GetRegistryValue(Settings::PostCode, u"missing"_s), u"missing"_s);
        QCOMPARE(m_host.refreshes, 0);
    }

    void addThenOkStoresTheBerth()
    {
        auto window = Open();
        AddBerth(*window, u" C1 "_s, u"12.50"_s);
        Click(*window, "Command1");
        QVERIFY(!window->isVisible());
        QCOMPARE(
            m_install->Text(
                u"SELECT DailyHireCharge || '|' || Active || '|' || COALESCE(CAST(Length AS TEXT), 'null') || '|' || "
                u"COALESCE(CAST(OwnerID AS TEXT), 'null') FROM Berth WHERE Name = 'C1'"_s),
            u"125000|1|null|null"_s);
        QVERIFY(m_install->EventLogText().contains(u"[Berth added]\r\nName: 'C1'\r\n"_s));
        QCOMPARE(m_host.refreshes, 1);
    }

    void numberBoxesAreCheckedOnLeaving_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("txtLength") << "Berth length";
        QTest::newRow("txtWidth") << "Berth width";
        QTest::newRow("txtDailyHireCharge") << "Daily Hire Charge";
        QTest::newRow("txtWeeklyHireCharge") << "Weekly Hire Charge";
        QTest::newRow("txtMonthlyHireCharge") << "Monthly Hire Charge";
    }
    void numberBoxesAreCheckedOnLeaving()
    {
        QFETCH(QString, title);
        auto window = Open();
        auto* edit = Control(*window, QTest::currentDataTag());
        edit->setFocus();
        QTest::keyClicks(edit, u"ten"_s);
        QTest::keyClick(edit, Qt::Key_Return); // Enter moves on, which leaves the box
        QTRY_COMPARE(m_install->messages.Said(), title + u": Please enter a valid number to continue"_s);
        QVERIFY(edit->hasFocus());
        // Add refuses without a second message and writes nothing.
        AddBerth(*window, u"C1"_s);
        QCOMPARE(ListTexts(*window).size(), 2);
        QCOMPARE(edit->text(), u"ten"_s);
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
        Select(*window, u"A1 (booked) - Active "_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(*window, "cmdRemove");
        QVERIFY(m_install->messages.calls[0].text.startsWith(u"Deleting this customer"_s));
        QCOMPARE(ListTexts(*window), QStringList({u"B1 (booked) - Active "_s}));
        Click(*window, ok ? "Command1" : "cmdCancel");
        QVERIFY(!window->isVisible());
        // OK deletes the berth, its berth rows and only the bookings left without a berth.
        QCOMPARE(Joined(u"SELECT ID FROM Berth ORDER BY ID"_s), ok ? u"2"_s : u"1,2"_s);
        QCOMPARE(Joined(u"SELECT ID FROM Booking ORDER BY ID"_s), ok ? u"11"_s : u"10,11"_s);
        QCOMPARE(Count(u"SELECT COUNT(*) FROM BookingBerth"_s), ok ? 1 : 3);
        QCOMPARE(m_install->EventLogText().contains(u"[Berth deleted]\r\nName: 'A1 (booked) - Active '\r\n"_s), ok);
        QCOMPARE(m_install->EventLogText().isEmpty(), !ok);
    }

    void berthBookedAtAnotherDeskStaysWithItsBooking()
    {
        // Desk A removes C1, which had no bookings, and adds D1; desk B books C1; desk A presses OK.
        QVERIFY(m_install->Exec(u"INSERT INTO Berth (ID, Name, TypeID, Active) VALUES (3, 'C1', 1, 1)"_s));
        auto window = Open();
        Select(*window, u"C1 - Active "_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(*window, "cmdRemove");
        AddBerth(*window, u"D1"_s);
        {
            const auto deskB = Database::Open(m_install->DatabasePath(), u"desk-b"_s, 2000);
            QVERIFY(deskB && Sql::Exec(*deskB, u"INSERT INTO Booking (ID, CustomerID) VALUES (12, 1)"_s) &&
                    Sql::Exec(*deskB, u"INSERT INTO BookingBerth VALUES (12, 3)"_s));
        }
        Database::Close(u"desk-b"_s);
        Click(*window, "Command1");
        // Nothing was applied; the user is told which berth and how many bookings; the register stays open.
        QVERIFY(window->isVisible());
        QVERIFY2(m_install->messages.calls.last().text.startsWith(
                     u"Berth 'C1' has been booked at another desk since you removed it (1 new booking)."_s),
                 qPrintable(m_install->messages.Said()));
        QCOMPARE(Count(u"SELECT COUNT(*) FROM Berth"_s), 3);
        QVERIFY(ListTexts(*window).contains(u"C1 (booked) - Active "_s) &&
                ListTexts(*window).contains(u"D1 - Active "_s));
        // OK again keeps the booking and stores the other change.
        Click(*window, "Command1");
        QVERIFY(!window->isVisible());
        QCOMPARE(Joined(u"SELECT Name FROM Berth ORDER BY ID"_s), u"A1,B1,C1,D1"_s);
        QCOMPARE(Count(u"SELECT COUNT(*) FROM BookingBerth WHERE BookingID = 12"_s), 1);
        QVERIFY(!m_install->EventLogText().contains(u"[Berth deleted]"_s));
    }

    void twoActivationsLogTwoEntriesInOrder()
    {
        auto window = Open();
        auto* activate = Control<QPushButton>(*window, "cmdActivate");
        Click(*window, "cmdActivate"); // nothing selected: nothing happens
        Select(*window, u"B1 (booked) - Active "_s);
        QCOMPARE(activate->text(), u"Inac&tivate"_s);
        Click(*window, "cmdActivate");
        QCOMPARE(ListTexts(*window).value(1), u"B1 (booked) - Inactive"_s);
        QCOMPARE(activate->text(), u"Inac&tivate"_s); // set again at the next selection only
        Click(*window, "cmdActivate");
        QCOMPARE(ListTexts(*window).value(1), u"B1 (booked) - Active "_s);
        Click(*window, "Command1");
        QCOMPARE(Count(u"SELECT Active FROM Berth WHERE ID = 2"_s), 1);
        const QString log = m_install->EventLogText();
        QCOMPARE(log.count(u"[Berth modified]"_s), 2);
        const qsizetype first = log.indexOf(u"Berth 'B1' inactivated"_s);
        QVERIFY(first > 0);
        QVERIFY(log.indexOf(u"Berth 'B1' activated"_s) > first);
    }

    void editorChangeSurvivesCancel()
    {
        auto window = Open();
        AddBerth(*window, u"C1"_s);
        bool edited = false;
        QTimer::singleShot(0, this, [&edited] {
            auto* editor = qobject_cast<frmEditBerths*>(QApplication::activeModalWidget());
            if (!editor)
                return;
            Type(*editor, "txtFields1", u"Renamed"_s);
            Click(*editor, "cmdUpdate");
            Click(*editor, "cmdClose");
            edited = !editor->isVisible();
        });
        Click(*window, "Command2");
        QVERIFY(edited);
        // The register still lists the old name until it reads the table again.
        QVERIFY(ListTexts(*window).contains(u"A1 (booked) - Active "_s));
        Click(*window, "cmdCancel");
        QCOMPARE(Joined(u"SELECT Name FROM Berth ORDER BY ID"_s), u"Renamed,B1"_s);
        QCOMPARE(m_install->EventLogText(), QString());
    }

    void welcomeFlagOpensOnTheRegionalPage()
    {
        Registry::SetRegistryValue(Settings::ConfigWelcome, u"1"_s);
        auto wizard = Open<frmWizardConfig>();
        QCOMPARE(wizard->CurrentStep(), int(frmWizardConfig::Regional));
        QCOMPARE(wizard->windowTitle(), u"Enter Your Regional Information"_s);
        QVERIFY(!Control<QCheckBox>(*wizard, "chkWelcome")->isChecked());
        // No post code choice stored: Next refuses to leave the page.
        QCOMPARE(Control<QComboBox>(*wizard, "cboPostCode")->currentIndex(), -1);
        Click(*wizard, "cmdNext");
        QCOMPARE(wizard->CurrentStep(), int(frmWizardConfig::Regional));
        QCOMPARE(m_install->messages.Said(), u"Enter Your Regional Information: Please select Post Code or Zip Code"_s);
        // Back still leads to the welcome page, where Back is hidden.
        Click(*wizard, "cmdBack");
        QCOMPARE(wizard->windowTitle(), u"Configuration Wizard"_s);
        QVERIFY(Control<QPushButton>(*wizard, "cmdBack")->isHidden());
    }

    void finishStoresSettingsBerthsAndEvents()
    {
        Registry::SetRegistryValue(Settings::PostCode, u"0"_s);
        auto wizard = Open<frmWizardConfig>();
        QVERIFY(Control<QCheckBox>(*wizard, "chkWelcome")->isChecked());
        Control<QCheckBox>(*wizard, "chkWelcome")->setChecked(false);
        Click(*wizard, "cmdNext");
        Click(*wizard, "cmdNext");
        AddBerth(*wizard, u"C1"_s);
        Select(*wizard, u"B1"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(*wizard, "cmdRemove");
        Click(*wizard, "cmdNext");
        QCOMPARE(Control<QPushButton>(*wizard, "cmdNext")->text(), u"&Finish"_s);
        Click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());

        QCOMPARE(Registry::GetRegistryValue(Settings::ConfigWelcome), u"1"_s);
        QCOMPARE(Registry::GetRegistryValue(Settings::PostCode), u"0"_s);
        QCOMPARE(Joined(u"SELECT Name FROM Berth ORDER BY ID"_s), u"A1,C1"_s);
        const QString log = m_install->EventLogText();
        const qsizetype code = log.indexOf(u"[Regional settings modified]\r\nCode: Post Code\r\n"_s);
        const qsizetype added = log.indexOf(u"[Berth added]\r\nName: 'C1'\r\n"_s);
        const qsizetype deleted = log.indexOf(u"[Berth deleted]\r\nName: 'B1'\r\n"_s);
        QVERIFY(code >= 0 && code < added && added < deleted);
        QCOMPARE(m_host.refreshes, 1);
    }

    void editorNavigationShowsAndSavesRows()
    {
        frmEditBerths editor(m_install->services);
        QVERIFY(editor.Connected());
        editor.show();
        auto* caption = Control<QLabel>(editor, "lblCaption");
        QCOMPARE(caption->text(), u"Record: 1"_s);
        QCOMPARE(Field(editor, frmEditBerths::FieldDaily)->text(), u"£12.35"_s);
        QCOMPARE(Field(editor, frmEditBerths::FieldLength)->text(), u"7.25"_s);

        Click(editor, "cmdNext");
        QCOMPARE(caption->text(), u"Record: 2"_s);
        QCOMPARE(Count(u"SELECT DailyHireCharge FROM Berth WHERE ID = 1"_s), 123456);
        QCOMPARE(Field(editor, frmEditBerths::FieldDaily)->text(), u"£12.50"_s);
        QVERIFY(Field(editor, frmEditBerths::FieldLength)->text().isEmpty());

        // Changes are stored when the user moves on, through the editor's own connection.
        Type(Field(editor, frmEditBerths::FieldDaily), u"13"_s);
        Type(Field(editor, frmEditBerths::FieldWeekly), u"£80.5"_s);
        Control<QCheckBox>(editor, "chkFields1")->setChecked(false);
        Click(editor, "cmdFirst");
        QCOMPARE(caption->text(), u"Record: 1"_s);
        QCOMPARE(m_install->Text(u"SELECT DailyHireCharge || ' ' || WeeklyHireCharge || ' ' || Active || ' ' || "
                                 u"COALESCE(CAST(Length AS TEXT), 'null') FROM Berth WHERE ID = 2"_s),
                 u"130000 805000 0 null"_s);

        // Emptying a money box stores nothing, not zero; "&Update" saves without moving.
        Type(Field(editor, frmEditBerths::FieldDaily), QString());
        Click(editor, "cmdUpdate");
        QVERIFY(m_install->Value(u"SELECT DailyHireCharge FROM Berth WHERE ID = 1"_s).isNull());
        QCOMPARE(caption->text(), u"Record: 1"_s);
        QVERIFY(m_install->messages.calls.isEmpty());
    }

    void editorRefusedAmountStopsTheMoveAndRefreshDropsIt()
    {
        frmEditBerths editor(m_install->services);
        QVERIFY(ShowActive(editor));
        auto* monthly = Field(editor, frmEditBerths::FieldMonthly);
        monthly->setFocus();
        QTest::keyClicks(monthly, u"lots"_s);
        Click(editor, "cmdLast");
        QTRY_COMPARE(m_install->messages.Said(), u"Monthly Hire Charge: Please enter a valid number to continue"_s);
        QCOMPARE(Control<QLabel>(editor, "lblCaption")->text(), u"Record: 1"_s);

        Click(editor, "cmdRefresh");
        QVERIFY(monthly->text().isEmpty());
        Click(editor, "cmdLast");
        QCOMPARE(Control<QLabel>(editor, "lblCaption")->text(), u"Record: 2"_s);
        QCOMPARE(m_install->messages.calls.size(), 1);
    }

    void notesOfTwoBerthsThenOk()
    {
        frmBerthNotes window(m_install->services);
        window.show();
        auto* notes = Control<QPlainTextEdit>(window, "txtNotes");
        QVERIFY(!notes->isEnabled()); // no berth chosen yet
        ChooseAndType(window, u"A1"_s);
        QCOMPARE(notes->toPlainText(), u"old A"_s);
        Type(notes, u"new A"_s);
        ChooseAndType(window, u"B1"_s, u"new B"_s);
        ChooseAndType(window, u"A1"_s);
        QCOMPARE(notes->toPlainText(), u"new A"_s); // kept while the window is open
        QCOMPARE(Notes(1), u"old A"_s);
        Click(window, "cmdOK");
        QVERIFY(!window.isVisible());
        QCOMPARE(Notes(1) + Notes(2), u"new Anew B"_s);
        QCOMPARE(m_install->EventLogText().count(u"[Berth modified]\r\nNotes modified\r\n"_s), 1);
    }

    void notesCancelKeepsTheStoredOnesAndOkAlwaysLogs()
    {
        {
            frmBerthNotes window(m_install->services);
            window.show();
            ChooseAndType(window, u"B1"_s, u"new B"_s);
            Click(window, "cmdCancel");
            QCOMPARE(Notes(2), u"old B"_s);
            QCOMPARE(m_install->EventLogText(), QString());
        }
        frmBerthNotes window(m_install->services);
        window.show();
        Click(window, "cmdOK");
        QVERIFY(m_install->EventLogText().contains(u"Notes modified"_s));
    }
};

ZEM_TEST(tst_frmBerth)
#include "tst_frmBerth.moc"
