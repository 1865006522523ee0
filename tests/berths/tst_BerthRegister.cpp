#include "berths/BerthNotesDialog.h"
#include "berths/BerthRegister.h"
#include "berths/BerthSetupWizard.h"
#include "berths/BerthTableEditor.h"
#include "common/TestSupport.h"

// The berth windows driven through their controls: the register and the configuration wizard, which keep their
// changes pending until OK or Finish; the table editor on its own connection (navigation, money shown as money,
// saving on a move); the notes of several berths edited in one visit. The database, the settings and the event
// log are read afterwards.
class tst_BerthRegister : public InstallTest
{
    Q_OBJECT
    TestHost m_host;

    void seed() override
    {
        m_host.refreshes = 0;
        // A1 is booked by booking 10 alone and by booking 11 together with B1. A1's daily charge has more decimals
        // than a money box shows.
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Length, DailyHireCharge, Active, Notes) "
                     u"VALUES (1, 'A1', 1, 7.25, 123456, 1, 'old A'), (2, 'B1', 1, NULL, 125000, 1, "
                     u"'old B')"_s));
        QVERIFY(exec(u"INSERT INTO booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(10, 1, '2026-12-01 09:00:00', '2026-12-03 14:00:00'), "
                     u"(11, 1, '2026-12-03 14:00:00', '2026-12-05 14:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO bookingBerth (BookingID, BerthID) VALUES (10, 1), (11, 1), (11, 2)"_s));
    }

    QString storedNotes(int id) const { return m_install->text(u"SELECT Notes FROM Berth WHERE ID = ?"_s, {id}); }
    static QLineEdit* field(const QWidget& editor, int field) { return control(editor, u"txtFields%1"_s.arg(field)); }
    static void select(QWidget& window, const QString& text)
    {
        const auto items = control<QListWidget>(window, "lstBerth")->findItems(text, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        control<QListWidget>(window, "lstBerth")->setCurrentItem(items.first());
    }
    static QStringList listTexts(QWidget& window) { return itemTexts(*control<QListWidget>(window, "lstBerth")); }
    static void addBerth(QWidget& window, const QString& name, const QString& daily = {})
    {
        QTest::keyClicks(control(window, "txtName"), name);
        QTest::keyClicks(control(window, "txtDailyHireCharge"), daily);
        control<QComboBox>(window, "cboBerthType")->setCurrentIndex(1);
        click(window, "cmdAdd");
    }
    /// The register or the configuration wizard, shown and active.
    template <typename Window = BerthRegister> std::unique_ptr<Window> open()
    {
        auto window = std::make_unique<Window>(m_install->services, &m_host);
        if (!showActive(*window))
            qWarning("the window did not become active");
        return window;
    }

    using EditorRow = std::tuple<int, QString, QString>;
    using NotesRow = std::tuple<int, QString, bool>;
    using AddRow = std::tuple<bool, QStringList>;

private slots:
    void addTwoThenCancelChangesNothing_data()
    {
        const DataRows<AddRow> row;
        row("register",
            {false, {u"A1 (booked) - Active "_s, u"a2 - Active "_s, u"B1 (booked) - Active "_s, u"C1 - Active "_s}});
        row("wizard: plain names", {true, {u"A1"_s, u"a2"_s, u"B1"_s, u"C1"_s}});
    }
    void addTwoThenCancelChangesNothing()
    {
        const auto& [wizard, texts] = fetchRow<AddRow>();
        std::unique_ptr<QWidget> window = wizard ? std::unique_ptr<QWidget>(open<BerthSetupWizard>()) : open();
        if (wizard) {
            click(*window, "cmdNext");
            control<QComboBox>(*window, "cboPostCode")->setCurrentIndex(1);
            click(*window, "cmdNext");
        }
        addBerth(*window, u"C1"_s);
        addBerth(*window, u"a2"_s);
        QCOMPARE(listTexts(*window), texts);
        QVERIFY(control(*window, "txtName")->text().isEmpty());
        click(*window, "cmdCancel");
        QVERIFY(!window->isVisible());
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Berth"_s), 2);
        QCOMPARE(logText(), QString());
        QCOMPARE(Registry::getRegistryValue(Settings::PostCode, u"missing"_s), u"missing"_s);
        QCOMPARE(m_host.refreshes, 0);
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
        auto window = open();
        auto* edit = control(*window, QTest::currentDataTag());
        edit->setFocus();
        QTest::keyClicks(edit, u"ten"_s);
        QTest::keyClick(edit, Qt::Key_Return); // Enter moves on, which leaves the box
        QTRY_COMPARE(said(), title + u": Please enter a valid number to continue"_s);
        QVERIFY(edit->hasFocus());
        // Add refuses without a second message and writes nothing.
        addBerth(*window, u"C1"_s);
        QCOMPARE(listTexts(*window).size(), 2);
        QCOMPARE(edit->text(), u"ten"_s);
    }

    void removeBookedBerth_data()
    {
        const DataRows<bool> row;
        row("cancel", false);
        row("ok", true);
    }
    void removeBookedBerth()
    {
        const bool ok = fetchRow<bool>();
        auto window = open();
        select(*window, u"A1 (booked) - Active "_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(*window, "cmdRemove");
        QVERIFY(m_install->messages.calls[0].text.startsWith(u"Deleting this customer"_s));
        QCOMPARE(listTexts(*window), QStringList({u"B1 (booked) - Active "_s}));
        click(*window, ok ? "Command1" : "cmdCancel");
        QVERIFY(!window->isVisible());
        // OK deletes the berth, its berth rows and only the bookings left without a berth.
        QCOMPARE(m_install->joined(u"SELECT ID FROM Berth ORDER BY ID"_s), ok ? u"2"_s : u"1,2"_s);
        QCOMPARE(m_install->joined(u"SELECT ID FROM Booking ORDER BY ID"_s), ok ? u"11"_s : u"10,11"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingBerth"_s), ok ? 1 : 3);
        QCOMPARE(logText().contains(u"[Berth deleted]\r\nName: 'A1 (booked) - Active '\r\n"_s), ok);
        QCOMPARE(logText().isEmpty(), !ok);
    }

    void berthBookedAtAnotherDeskStaysWithItsBooking()
    {
        // Desk A removes C1, which had no bookings, and adds D1; desk B books C1; desk A presses OK.
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Active) VALUES (3, 'C1', 1, 1)"_s));
        auto window = open();
        select(*window, u"C1 - Active "_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(*window, "cmdRemove");
        addBerth(*window, u"D1"_s);
        QVERIFY(atAnotherDesk(*m_install, {u"INSERT INTO booking (ID, CustomerID) VALUES (12, 1)"_s,
                                           u"INSERT INTO BookingBerth VALUES (12, 3)"_s}));
        click(*window, "Command1");
        // Nothing was applied; the user is told which berth and how many bookings; the register stays open.
        QVERIFY(window->isVisible());
        QVERIFY2(m_install->messages.calls.last().text.startsWith(
                     u"Berth 'C1' has been booked at another desk since you removed it (1 new booking)."_s),
                 qPrintable(said()));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Berth"_s), 3);
        QVERIFY(listTexts(*window).contains(u"C1 (booked) - Active "_s) &&
                listTexts(*window).contains(u"D1 - Active "_s));
        // OK again keeps the booking and stores the other change.
        click(*window, "Command1");
        QVERIFY(!window->isVisible());
        QCOMPARE(m_install->joined(u"SELECT Name FROM Berth ORDER BY ID"_s), u"A1,B1,C1,D1"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingBerth WHERE BookingID = 12"_s), 1);
        VERIFY_HAS(logText(), u"[Berth added]\r\nName: 'D1'\r\n"_s);
        QVERIFY(!logText().contains(u"[Berth deleted]"_s));
    }

    // Two activations log two entries in order; a berth added is stored with its charge; OK refreshes once.
    void activationsAndAnAddThenOk()
    {
        auto window = open();
        auto* activate = control<QPushButton>(*window, "cmdActivate");
        click(*window, "cmdActivate"); // nothing selected: nothing happens
        select(*window, u"B1 (booked) - Active "_s);
        QCOMPARE(activate->text(), u"Inac&tivate"_s);
        click(*window, "cmdActivate");
        QCOMPARE(listTexts(*window).value(1), u"B1 (booked) - Inactive"_s);
        QCOMPARE(activate->text(), u"Inac&tivate"_s); // set again at the next selection only
        click(*window, "cmdActivate");
        QCOMPARE(listTexts(*window).value(1), u"B1 (booked) - Active "_s);
        addBerth(*window, u" C1 "_s, u"12.50"_s);
        click(*window, "Command1");
        QVERIFY(!window->isVisible());
        QCOMPARE(m_install->scalarInt(u"SELECT Active FROM Berth WHERE ID = 2"_s), 1);
        QCOMPARE(
            m_install->text(
                u"SELECT DailyHireCharge || '|' || Active || '|' || COALESCE(CAST(Length AS TEXT), 'null') || '|' || "
                u"COALESCE(CAST(OwnerID AS TEXT), 'null') FROM Berth WHERE Name = 'C1'"_s),
            u"125000|1|null|null"_s);
        const QString log = logText();
        VERIFY_HAS(log, u"[Berth added]\r\nName: 'C1'\r\n"_s);
        QCOMPARE(log.count(u"[Berth modified]"_s), 2);
        const qsizetype first = log.indexOf(u"Berth 'B1' inactivated"_s);
        QVERIFY(first > 0 && log.indexOf(u"Berth 'B1' activated"_s) > first);
        QCOMPARE(m_host.refreshes, 1);
    }

    void editorChangeSurvivesCancel()
    {
        auto window = open();
        addBerth(*window, u"C1"_s);
        onNextModal([](QDialog* editor) {
            type(*editor, "txtFields1", u"Renamed"_s);
            click(*editor, "cmdUpdate");
            click(*editor, "cmdClose");
            QVERIFY(!editor->isVisible());
        });
        click(*window, "Command2");
        // The register still lists the old name until it reads the table again.
        QVERIFY(listTexts(*window).contains(u"A1 (booked) - Active "_s));
        click(*window, "cmdCancel");
        QCOMPARE(m_install->joined(u"SELECT Name FROM Berth ORDER BY ID"_s), u"Renamed,B1"_s);
        QCOMPARE(logText(), QString());
    }

    void welcomeFlagOpensOnTheRegionalPage()
    {
        Registry::setRegistryValue(Settings::ConfigWelcome, u"1"_s);
        auto wizard = open<BerthSetupWizard>();
        QCOMPARE(wizard->currentStep(), int(BerthSetupWizard::Regional));
        QCOMPARE(wizard->windowTitle(), u"Enter Your Regional Information"_s);
        QVERIFY(!control<QCheckBox>(*wizard, "chkWelcome")->isChecked());
        // No post code choice stored: Next refuses to leave the page.
        QCOMPARE(control<QComboBox>(*wizard, "cboPostCode")->currentIndex(), -1);
        click(*wizard, "cmdNext");
        QCOMPARE(wizard->currentStep(), int(BerthSetupWizard::Regional));
        QCOMPARE(said(), u"Enter Your Regional Information: Please select Post Code or Zip Code"_s);
        // Back still leads to the welcome page, where Back is hidden.
        click(*wizard, "cmdBack");
        QCOMPARE(wizard->windowTitle(), u"Configuration Wizard"_s);
        QVERIFY(control<QPushButton>(*wizard, "cmdBack")->isHidden());
    }

    void finishStoresSettingsBerthsAndEvents()
    {
        Registry::setRegistryValue(Settings::PostCode, u"0"_s);
        auto wizard = open<BerthSetupWizard>();
        QVERIFY(control<QCheckBox>(*wizard, "chkWelcome")->isChecked());
        control<QCheckBox>(*wizard, "chkWelcome")->setChecked(false);
        click(*wizard, "cmdNext");
        click(*wizard, "cmdNext");
        addBerth(*wizard, u"C1"_s);
        select(*wizard, u"B1"_s);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(*wizard, "cmdRemove");
        click(*wizard, "cmdNext");
        QCOMPARE(control<QPushButton>(*wizard, "cmdNext")->text(), u"&Finish"_s);
        click(*wizard, "cmdNext");
        QVERIFY(!wizard->isVisible());

        QCOMPARE(Registry::getRegistryValue(Settings::ConfigWelcome), u"1"_s);
        QCOMPARE(Registry::getRegistryValue(Settings::PostCode), u"0"_s);
        QCOMPARE(m_install->joined(u"SELECT Name FROM Berth ORDER BY ID"_s), u"A1,C1"_s);
        const QString log = logText();
        const qsizetype code = log.indexOf(u"[Regional settings modified]\r\nCode: Post Code\r\n"_s);
        const qsizetype added = log.indexOf(u"[Berth added]\r\nName: 'C1'\r\n"_s);
        const qsizetype deleted = log.indexOf(u"[Berth deleted]\r\nName: 'B1'\r\n"_s);
        QVERIFY(code >= 0 && code < added && added < deleted);
        QCOMPARE(m_host.refreshes, 1);
    }

    void editorNavigationShowsAndSavesRows()
    {
        BerthTableEditor editor(m_install->services);
        QVERIFY(editor.connected() && showActive(editor));
        auto* caption = control<QLabel>(editor, "lblCaption");
        QCOMPARE(caption->text(), u"Record: 1"_s);
        QCOMPARE(field(editor, BerthTableEditor::FieldDaily)->text(), u"£12.35"_s);
        QCOMPARE(field(editor, BerthTableEditor::FieldLength)->text(), u"7.25"_s);

        click(editor, "cmdNext");
        QCOMPARE(caption->text(), u"Record: 2"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT DailyHireCharge FROM Berth WHERE ID = 1"_s), 123456);
        QCOMPARE(field(editor, BerthTableEditor::FieldDaily)->text(), u"£12.50"_s);
        QVERIFY(field(editor, BerthTableEditor::FieldLength)->text().isEmpty());

        // Changes are stored when the user moves on, through the editor's own connection.
        type(field(editor, BerthTableEditor::FieldDaily), u"13"_s);
        type(field(editor, BerthTableEditor::FieldWeekly), u"£80.5"_s);
        type(field(editor, BerthTableEditor::FieldMaxDraft), u"2.5"_s);
        control<QCheckBox>(editor, "chkFields1")->setChecked(false);
        QVERIFY(control<QCheckBox>(editor, "chkFields2")->isChecked()); // every berth takes multihulls at first
        control<QCheckBox>(editor, "chkFields2")->setChecked(false);
        click(editor, "cmdFirst");
        QCOMPARE(caption->text(), u"Record: 1"_s);
        QCOMPARE(m_install->text(u"SELECT DailyHireCharge || ' ' || WeeklyHireCharge || ' ' || Active || ' ' || "
                                 u"COALESCE(CAST(Length AS TEXT), 'null') || ' ' || MaxDraft || ' ' || "
                                 u"TakesMultihulls FROM Berth WHERE ID = 2"_s),
                 u"130000 805000 0 null 2.5 0"_s);

        // Emptying a money box stores nothing, not zero; "&Update" saves without moving.
        type(field(editor, BerthTableEditor::FieldDaily), QString());
        click(editor, "cmdUpdate");
        QVERIFY(m_install->value(u"SELECT DailyHireCharge FROM Berth WHERE ID = 1"_s).isNull());
        QCOMPARE(caption->text(), u"Record: 1"_s);
        QVERIFY(m_install->messages.calls.isEmpty());

        // A refused amount stops the move; Refresh drops it, and the move then goes through.
        auto* monthly = field(editor, BerthTableEditor::FieldMonthly);
        monthly->setFocus();
        QTest::keyClicks(monthly, u"lots"_s);
        click(editor, "cmdLast");
        QTRY_COMPARE(said(), u"Monthly Hire Charge: Please enter a valid number to continue"_s);
        QCOMPARE(caption->text(), u"Record: 1"_s);
        click(editor, "cmdRefresh");
        QVERIFY(monthly->text().isEmpty());
        click(editor, "cmdLast");
        QCOMPARE(caption->text(), u"Record: 2"_s);
        QCOMPARE(m_install->messages.calls.size(), 1);
    }

    // Another desk changed A1's daily charge and notes while this desk typed a daily charge: their notes are kept
    // unasked, the charge both changed is asked about. Yes (the default) keeps theirs, No writes the typed one,
    // Cancel keeps the typing, and the next Update writes it beside their notes.
    void editorChangedAtAnotherDesk_data()
    {
        const DataRows<EditorRow> row;
        row("keep theirs", {int(MsgResult::Yes), u"150000 their A"_s, u"£15.00"_s});
        row("keep mine", {int(MsgResult::No), u"200000 their A"_s, u"£20.00"_s});
        row("back to editing", {int(MsgResult::Cancel), u"150000 their A"_s, u"£20.00"_s});
    }
    void editorChangedAtAnotherDesk()
    {
        const auto& [answer, stored, shown] = fetchRow<EditorRow>();
        BerthTableEditor editor(m_install->services);
        editor.show();
        type(field(editor, BerthTableEditor::FieldDaily), u"20"_s);
        QVERIFY(exec(u"UPDATE Berth SET DailyHireCharge = 150000, Notes = 'their A' WHERE ID = 1"_s));
        m_install->messages.answers.enqueue(MsgResult(answer));
        click(editor, "cmdUpdate");
        VERIFY_HAS(said(), u"editing it:\n\nDailyHireCharge: theirs “£15.00”, yours “£20.00”\n\n"_s);
        const auto row = [this] {
            return m_install->text(u"SELECT DailyHireCharge || ' ' || Notes FROM Berth WHERE ID = 1"_s);
        };
        QCOMPARE(row(), stored);
        QCOMPARE(field(editor, BerthTableEditor::FieldDaily)->text(), shown);
        if (answer == int(MsgResult::Cancel)) {
            click(editor, "cmdUpdate");
            QCOMPARE(row(), u"200000 their A"_s);
        }
    }

    void notesOfTwoBerthsThenOk()
    {
        {
            // Cancel keeps the stored notes and logs nothing.
            BerthNotesDialog cancelled(m_install->services);
            cancelled.show();
            choose(cancelled, "cboName", u"B1"_s);
            type(cancelled, "txtNotes", u"new B"_s);
            click(cancelled, "cmdCancel");
            QCOMPARE(storedNotes(2), u"old B"_s);
            QCOMPARE(logText(), QString());
        }
        BerthNotesDialog window(m_install->services);
        window.show();
        auto* notes = control<QPlainTextEdit>(window, "txtNotes");
        QVERIFY(!notes->isEnabled()); // no berth chosen yet
        choose(window, "cboName", u"A1"_s);
        QCOMPARE(notes->toPlainText(), u"old A"_s);
        type(notes, u"new A"_s);
        choose(window, "cboName", u"B1"_s);
        type(window, "txtNotes", u"new B"_s);
        choose(window, "cboName", u"A1"_s);
        QCOMPARE(notes->toPlainText(), u"new A"_s); // kept while the window is open
        QCOMPARE(storedNotes(1), u"old A"_s);
        click(window, "cmdOK");
        QVERIFY(!window.isVisible());
        QCOMPARE(storedNotes(1) + storedNotes(2), u"new Anew B"_s);
        QCOMPARE(logText().count(u"[Berth modified]\r\nNotes modified\r\n"_s), 1);
        // OK logs even when nothing was changed.
        BerthNotesDialog untouched(m_install->services);
        untouched.show();
        click(untouched, "cmdOK");
        QCOMPARE(logText().count(u"[Berth modified]\r\nNotes modified\r\n"_s), 2);
    }

    // Another desk changed B1's notes while this desk edited A1's and B1's: only B1 is asked about. Yes keeps theirs
    // for B1 and saves A1; No saves both; Cancel saves nothing and goes back to the typing, and the next OK saves it.
    void notesChangedAtAnotherDesk_data()
    {
        // stored: A1's and B1's notes afterwards
        const DataRows<NotesRow> row;
        row("keep theirs", {int(MsgResult::Yes), u"new A|their B"_s, false});
        row("keep mine", {int(MsgResult::No), u"new A|new B"_s, false});
        row("back to editing", {int(MsgResult::Cancel), u"old A|their B"_s, true});
    }
    void notesChangedAtAnotherDesk()
    {
        const auto& [answer, stored, open] = fetchRow<NotesRow>();
        BerthNotesDialog window(m_install->services);
        window.show();
        choose(window, "cboName", u"A1"_s);
        type(window, "txtNotes", u"new A"_s);
        choose(window, "cboName", u"B1"_s);
        type(window, "txtNotes", u"new B"_s);
        QVERIFY(exec(u"UPDATE Berth SET Notes = 'their B' WHERE ID = 2"_s));
        m_install->messages.answers.enqueue(MsgResult(answer));
        click(window, "cmdOK");
        VERIFY_HAS(said(), u"editing it:\n\nB1: theirs “their B”, yours “new B”\n\n"_s);
        QCOMPARE(storedNotes(1) + u'|' + storedNotes(2), stored);
        QCOMPARE(window.isVisible(), open);
        if (open) {
            QCOMPARE(control<QPlainTextEdit>(window, "txtNotes")->toPlainText(), u"new B"_s);
            click(window, "cmdOK");
            QCOMPARE(storedNotes(1) + u'|' + storedNotes(2), u"new A|new B"_s);
        }
    }
};

ZEM_TEST(tst_BerthRegister)
#include "tst_BerthRegister.moc"
