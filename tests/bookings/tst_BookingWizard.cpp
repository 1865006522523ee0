#include "bookings/BerthGridModel.h"
#include "bookings/BookingWizard.h"
#include "bookings/DependentBookings.h"
#include "bookings/DocumentsMenu.h"
#include "bookings/Ledger.h"
#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "core/Dialect.h"
#include "core/SearchText.h"
#include "people/NamePicker.h"
#include "people/PeopleRecords.h"
#include "shell/MainWindow.h"

// The wizard driven through its controls, as the office uses it: opened from the main window's menu.
class tst_BookingWizard : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<MainWindow> m_main;
    QPointer<BookingWizard> m_wizard;

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, HouseName) VALUES (1, 'Ann O''Neill', '4')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Length, Width, HasPower, DailyHireCharge, Active) "
                     u"VALUES (1, 'A1', 10, 3, 1, 125000, 1), (2, 'B2', 8, 3, 0, 80000, 1), "
                     u"(3, 'C3', 8, 3, 0, NULL, 1), (4, 'D4', 8, 3, 0, 10000, 0)"_s));
        m_main = std::make_unique<MainWindow>(m_install->services);
        m_main->resize(1100, 800);
        QVERIFY(showActive(*m_main));
        openFromMenu();
    }
    void tearDown() override { m_main.reset(); }

    // Bookings, Add Booking: the one wizard, prepared again.
    void openFromMenu()
    {
        control<QAction>(*m_main, "mnuBookingsAdd")->trigger();
        m_wizard = qobject_cast<BookingWizard*>(m_main->findWindow(u"frmBooking"_s));
        QVERIFY(m_wizard && m_wizard->isVisible());
    }
    // Opens the one wizard again, as the calendar or the booking search do, to change a booking.
    void openToChange(int id)
    {
        m_wizard = BookingWizard::display(*m_main, m_install->services, RecordMode::Edit, id);
        QVERIFY(m_wizard->mode() == RecordMode::Edit);
    }

    template <typename T = QLineEdit> T* find(const char* name) const { return control<T>(*m_wizard, name); }
    QString text(const char* name) const { return find(name)->text(); }
    void next(int times = 1)
    {
        while (times-- > 0)
            click(*m_wizard, "cmdNext");
    }
    // Presses Next until the wizard saves and closes.
    void finish(int times = 1)
    {
        next(times);
        QTRY_VERIFY(!m_wizard);
    }

    void setPeriod(const QDate& fromDate, const QTime& fromTime, const QDate& toDate, const QTime& toTime)
    {
        find<QDateEdit>("dtpFromDate")->setDate(fromDate);
        find<QTimeEdit>("dtpFromTime")->setTime(fromTime);
        find<QDateEdit>("dtpToDate")->setDate(toDate);
        find<QTimeEdit>("dtpToTime")->setTime(toTime);
    }

    // Dates 1.7 14:00 to 4.7 10:00, then on to the berths.
    void toBerthPage()
    {
        setPeriod(QDate(2026, 7, 1), QTime(14, 0), QDate(2026, 7, 4), QTime(10, 0));
        next();
    }

    // Clicks the grid row showing the berth called name.
    void clickBerth(const QString& name)
    {
        auto* grid = find<QTableView>("grdBerth");
        const int row = offered().indexOf(name);
        QVERIFY2(row >= 0, qPrintable(u"berth %1 is not offered"_s.arg(name)));
        const QModelIndex index = grid->model()->index(row, 1);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }

    QStringList offered() const { return columnTexts(*find<QTableView>("grdBerth")->model(), 1); }

    // The usual dates, berths, the customer: up to the confirmation page.
    void walkToConfirmation(const QStringList& berths)
    {
        toBerthPage();
        for (const QString& berth : berths)
            clickBerth(berth);
        next();
        choose(*m_wizard, "cboCustomer", u"Ann O'Neill"_s);
        next();
        QCOMPARE(m_wizard->step(), 3);
    }

    QString berthRows() const
    {
        return m_install->text(u"SELECT %1 FROM (SELECT BerthID FROM BookingBerth ORDER BY 1) B"_s.arg(
            Dialect::of(m_install->db()).joinTexts(u"BerthID"_s, u","_s, u"BerthID"_s)));
    }

    using CheckRow = std::tuple<int, QTime, QDateTime, QString, QString, QString>;
    // terms: the company's deposit rule; deposit, deposit by, balance by: what the charges page proposes
    using ProposalRow = std::tuple<QString, QString, QDate, QDate>;
    // box: the deposit box typed into or a date box set; typed: the text or the ISO date; message: what is said
    using DepositRow = std::tuple<QString, QString, QString>;

    // From today (4.12.2026), A1 from 1.3.2027 for three nights: £37.50 hire, £6.56 tax, £44.06 in all.
    void toChargesPage()
    {
        setPeriod(QDate(2027, 3, 1), QTime(14, 0), QDate(2027, 3, 4), QTime(10, 0));
        next();
        clickBerth(u"A1"_s);
        next();
        QCOMPARE(m_wizard->step(), 2);
        QCOMPARE(text("txtTotalPayable"), u"£44.06"_s);
    }
    QString moneyDue() const
    {
        return texts(*m_wizard, {"txtDeposit"}) + u' ' + find<QDateEdit>("dtpDepositBy")->date().toString(Qt::ISODate) +
               u' ' + find<QDateEdit>("dtpBalanceBy")->date().toString(Qt::ISODate);
    }
    QString storedDue() const
    {
        return m_install->text(u"SELECT COALESCE(CAST(DepositDue AS TEXT), '-') || ' ' || COALESCE(DepositBy, '-') || "
                               u"' ' || COALESCE(BalanceBy, '-') FROM Booking"_s);
    }

private slots:
    void newBookingThenChangeItsBerths()
    {
        QCOMPARE(text("txtBerthConfirmationNumber"), u"1"_s);
        QCOMPARE(find<QTimeEdit>("dtpFromTime")->time(), QTime(9, 0));
        toBerthPage();
        QCOMPARE(offered(), (QStringList{u"A1"_s, u"B2"_s, u"C3"_s}));
        for (const QString& berth : {u"A1"_s, u"C3"_s, u"C3"_s, u"B2"_s}) // C3 twice: unmarked again
            clickBerth(berth);
        QCOMPARE(m_wizard->selectedCount(), 2);
        // Space marks and unmarks the current berth as a click does.
        auto* grid = find<QTableView>("grdBerth");
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(m_wizard->selectedCount(), 1);
        QTest::keyClick(grid, Qt::Key_Space);
        QCOMPARE(m_wizard->selectedCount(), 2);
        next();
        QCOMPARE(text("txtCostOfHire"), u"£61.50"_s);

        // A customer added with New... is selected at once.
        onNextModal([](QDialog* dialog) {
            type(*dialog, "txtName", u"Bob Smith"_s);
            type(*dialog, "txtHouseName", u"Mill House"_s);
            click(*dialog, "cmdOK");
        });
        click(*m_wizard, "cmdAddCustomer");
        QCOMPARE(find<QComboBox>("cboCustomer")->currentText(), u"Bob Smith"_s);

        // Leaving other charges works out VAT and the total and moves on to the amount paid.
        auto* other = find("txtOtherCharges");
        QApplication::setActiveWindow(m_main.get()); // the closed dialog took the activation with it
        other->setFocus();
        QTest::keyClicks(other, u"8.50"_s);
        QTest::keyClick(other, Qt::Key_Tab);
        QCOMPARE(texts(*m_wizard, {"txtVAT", "txtTotalPayable"}), u"£12.25|£82.25"_s);
        QTRY_COMPARE(QApplication::focusWidget(), find("txtAmountPayed"));
        next();
        QCOMPARE(texts(*m_wizard, {"lblDates", "lblName", "lblBerths", "cmdNext"}),
                 u"01/07/2026 14:00 to 04/07/2026 10:00|Bob Smith, Mill House|Berth(s): A1, B2|&Confirm"_s);
        finish();

        const int id = m_install->scalarInt(u"SELECT ID FROM Booking"_s);
        QCOMPARE(m_install->text(u"SELECT TotalPayable || ' ' || NoAdults || '/' || NoKids FROM Booking"_s),
                 u"822500 2/0"_s);
        QCOMPARE(berthRows(), u"1,2"_s);
        VERIFY_HAS(logText(), u"[Booking added]\r\nFrom: 01.07.2026 14:00 to 04.07.2026 "
                              u"10:00\r\nCustomer:Bob Smith, Mill House\r\nBerth(s): A1, B2\r\n"_s);

        // Changing it: its own berths are offered and marked; swap A1 for C3 and reprice.
        openToChange(id);
        QCOMPARE(text("txtOtherCharges"), u"8.50"_s);
        next();
        QCOMPARE(m_wizard->selectedCount(), 2);
        clickBerth(u"A1"_s);
        clickBerth(u"C3"_s);
        m_install->messages.chosen.enqueue(1); // reprice
        next();
        QCOMPARE(texts(*m_wizard, {"txtCostOfHire", "lblChargesNotice"}),
                 u"£24.00|No rate prices C3: counted at £0.00."_s);
        next(2);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 1);
        QCOMPARE(berthRows(), u"2,3"_s);
        VERIFY_HAS(logText(), u"[Booking modified]\r\nFrom: 01.07.2026 14:00 to 04.07.2026 "
                              u"10:00\r\nCustomer:Bob Smith, Mill House\r\nBerth(s): B2, C3\r\n"_s);
    }

    void berthTakenBeforeConfirm()
    {
        walkToConfirmation({u"A1"_s, u"B2"_s});
        // Another booking takes B2 meanwhile.
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(50, 1, '2026-07-03 09:00:00', '2026-07-05 14:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (50, 2)"_s));
        next();
        QCOMPARE(m_install->messages.calls.size(), 1);
        QVERIFY(m_install->messages.calls[0].text.startsWith(u"B2 has been booked"_s));
        QCOMPARE(m_wizard->step(), 1);
        QVERIFY(m_wizard && m_wizard->isVisible());
        QCOMPARE(offered(), (QStringList{u"A1"_s, u"C3"_s}));
        QCOMPARE(m_wizard->selectedCount(), 1); // A1 still marked
        // Nothing of the refused booking was written.
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 1);
        QCOMPARE(berthRows(), u"2"_s);
        QVERIFY(!logText().contains(u"[Booking added]"_s));
    }

    void customerDeletedAtAnotherDesk()
    {
        OtherDesk deskB(*m_install);
        QVERIFY(deskB);
        walkToConfirmation({u"A1"_s});
        QVERIFY(CustomerStore::remove(*deskB, 1, 1, DependentBookings::ofCustomer()));
        next();
        QCOMPARE(m_wizard->step(), 2);
        QVERIFY(said().startsWith(u"Booking: The customer Ann O'Neill has been deleted"_s));
        QCOMPARE(find<QComboBox>("cboCustomer")->count(), 0); // the list is read afresh
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 0);
    }

    void proposedNumberTakenAtAnotherDesk()
    {
        // Desk B saves a booking with the same proposed number (1) first.
        QVERIFY(atAnotherDesk(*m_install, {u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, "
                                           u"BerthConfirmationNumber) VALUES (60, 1, '2026-09-01 09:00:00', "
                                           u"'2026-09-02 14:00:00', 1)"_s}));
        walkToConfirmation({u"A1"_s});
        // Told, then offered the saved booking's summary: Yes shows it.
        m_install->messages.answers << MsgResult::Ok << MsgResult::Yes;
        QString shown;
        onNextModal([&shown](QDialog* dialog) {
            shown = dialog->objectName() + u' ' + control<QLabel>(*dialog, "lblDates")->text();
            dialog->reject();
        });
        finish();
        QCOMPARE(m_install->scalarInt(u"SELECT BerthConfirmationNumber FROM Booking WHERE ID <> 60"_s), 2);
        QCOMPARE(said(), u"Booking: Confirmation number 1 was given to a booking made at another "
                         u"desk meanwhile. This booking has been saved with number 2.\n"
                         u"Booking: The booking has been saved with confirmation number 2. Show "
                         u"its summary?"_s);
        QTRY_COMPARE(shown, u"frmBookingSummary 01/07/2026 14:00 to 04/07/2026 10:00"_s);
    }

    void changedAtAnotherDeskIsNotOverwritten()
    {
        walkToConfirmation({u"A1"_s});
        next();
        const int id = m_install->scalarInt(u"SELECT ID FROM Booking"_s);
        openToChange(id);
        // Desk B changes the notes and records a payment while desk A changes the same booking: the notes stop
        // A's save, named, the payment alone would not (it is a line of its own).
        OtherDesk deskB(*m_install);
        QVERIFY(deskB && Sql::exec(*deskB, u"UPDATE Booking SET Notes = 'desk B' WHERE ID = ?"_s, {id}));
        QVERIFY(Ledger::record(*deskB, id, {Ledger::Kind::Payment, 1, Money::fromPence(1000), {}, {}},
                               m_install->clock.current, u"b@desk"_s));
        next(4);
        QVERIFY(m_install->messages.calls.last().text.startsWith(
            u"This booking has been changed or cancelled at another desk since you opened it (changed: notes)."_s));
        QVERIFY(m_wizard && m_wizard->isVisible());
        QCOMPARE(m_install->text(u"SELECT Notes || ' ' || AmountPayed FROM Booking WHERE ID = ?"_s, {id}),
                 u"desk B 100000"_s);
        QVERIFY(!logText().contains(u"[Booking modified]"_s));
        // Nor is it cancelled over the other desk's change: nothing deleted, nothing logged.
        // Money was taken on it, so the question is what becomes of the money.
        onNextModal([](QDialog* dialog) { dialog->accept(); });
        click(*m_wizard, "cmdCancel");
        QVERIFY(m_install->messages.calls.last().text.endsWith(u"Nothing was cancelled: close it and open it again to "
                                                               u"see the changes."_s));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = ?"_s, {id}), 1);
        QVERIFY(m_wizard && !logText().contains(u"[Booking cancelled]"_s));
    }

    void datesCardAndGrid()
    {
        // Enter moves through the date and time boxes.
        find<QDateEdit>("dtpFromDate")->setFocus();
        QCOMPARE(enterVisits(4), (QStringList{u"dtpFromTime"_s, u"dtpToDate"_s, u"dtpToTime"_s, u"txtBookedBy"_s}));
        // No box asks for the card's security code, and a number an older release kept whole is shown masked.
        QVERIFY(!m_wizard->findChild<QLineEdit*>(u"txtCreditCardCV2No"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, CreditCardNo, CreditCardCV2No) "
                     u"VALUES (70, 1, '2026-08-01 09:00:00', '2026-08-02 14:00:00', '4111111111111234', "
                     u"'123')"_s));
        openToChange(70);
        QCOMPARE(text("txtCreditCardNo"), u"************1234"_s);
        openFromMenu();
        // The date boxes take 2000 to 2199 only; a year such as 6054 cannot be entered.
        auto* from = find<QDateEdit>("dtpFromDate");
        QCOMPARE(from->minimumDate(), QDate(2000, 1, 1));
        from->setDate(QDate(6054, 1, 1));
        QCOMPARE(from->date(), QDate(2199, 12, 31));
        QCOMPARE(find<QDateEdit>("dtpToDate")->maximumDate(), QDate(2199, 12, 31));
        // A berth without a recorded length or width shows empty cells, not "0".
        QVERIFY(exec(u"UPDATE Berth SET Length = NULL, Width = NULL WHERE ID = 3"_s));
        toBerthPage();
        const auto* model = find<QTableView>("grdBerth")->model(); // A1, B2, C3
        QCOMPARE(columnTexts(*model, 2) + columnTexts(*model, 3),
                 (QStringList{u"10"_s, u"8"_s, QString(), u"3"_s, u"3"_s, QString()}));
        QVERIFY(find<QLabel>("lblReadError")->isHidden());
        // A berth list that cannot be read says so above the empty grid.
        click(*m_wizard, "cmdBack");
        QVERIFY(exec(u"ALTER TABLE BerthListVersion RENAME TO BerthListGone"_s));
        next();
        QVERIFY(offered().isEmpty());
        QVERIFY(find<QLabel>("lblReadError")->text().startsWith(u"The rows could not be read: "_s));
    }

    // The office does not record adults and kids; A1 at £12.50 for three days; the other charges box is never visited.
    void chargesWorkedOutWhenOtherChargesSkippedCountsNotRecorded()
    {
        Registry::setRegistryValue(Settings::ShowAdultsAndKids, u"0"_s);
        openFromMenu();
        QVERIFY(find("txtNoAdults")->isHidden()); // hidden, not merely on a page not shown yet
        QCOMPARE(text("txtNoKids"), u"-1"_s);
        toBerthPage();
        clickBerth(u"A1"_s);
        next();
        find("txtAmountPayed")->setText(u"20"_s);
        choose(*m_wizard, "cboCustomer", u"Ann O'Neill"_s);
        next();
        QVERIFY(!find<QLabel>("lblNoAdults")->isVisible() && !find<QLabel>("lblKids")->isVisible());
        QCOMPARE(texts(*m_wizard, {"txtVAT", "txtTotalPayable", "txtAmountPayed"}), u"£6.56|£44.06|£20.00"_s);
        // VAT typed by hand is kept, and the total follows it.
        click(*m_wizard, "cmdBack");
        find("txtVAT")->setFocus();
        type(find("txtVAT"), u"5"_s);
        QCOMPARE(text("txtTotalPayable"), u"£42.50"_s);
        next(2);
        QCOMPARE(m_install->text(u"SELECT CostOfHire || '/' || VAT || '/' || TotalPayable || '/' || NoAdults || '/' || "
                                 u"NoKids FROM Booking"_s),
                 u"375000/50000/425000/-1/-1"_s);
    }

    // Low season £20 a night to 30 June, high £30 from 1 July, VAT 20 % from 1 June: the hire night by night,
    // explained; a hire typed by hand kept until the berths change; a saved booking keeps its agreed price.
    void seasonsPriceTheHireAndAgreedPricesStay()
    {
        QVERIFY(exec(u"INSERT INTO Season (ID, Name, FirstNight, LastNight, Yearly, Priority) VALUES "
                     u"(1, 'Low', '2026-01-01', '2026-06-30', 0, 1), (2, 'High', '2026-07-01', "
                     u"'2026-12-31', 0, 1)"_s));
        QVERIFY(exec(u"INSERT INTO Rate (ID, SeasonID, BerthID, PerMetre, Nightly) VALUES "
                     u"(1, 1, 1, 0, 200000), (2, 2, 1, 0, 300000)"_s));
        QVERIFY(exec(u"INSERT INTO Tax (ID, Name, Rate, FromDate) VALUES (2, 'VAT', 2000, '2026-06-01')"_s));
        auto lines = [this] { return itemTexts(*find<QListWidget>("lstCharges")).join(u'|'); };
        auto charges = [this] { return texts(*m_wizard, {"txtCostOfHire", "txtVAT", "txtTotalPayable"}); };
        setPeriod(QDate(2026, 6, 29), QTime(14, 0), QDate(2026, 7, 4), QTime(10, 0));
        next();
        clickBerth(u"A1"_s);
        next();
        QCOMPARE(charges(), u"£130.00|£26.00|£156.00"_s);
        QCOMPARE(lines(), u"A1, Low: 2 nights at £20.00 = £40.00|A1, High: 3 nights at £30.00 = £90.00"_s);
        // Typed by hand: tax and total follow at once, and the hire stays while period and berths do.
        type(find("txtCostOfHire"), u"120"_s);
        QCOMPARE(charges(), u"120|£24.00|£144.00"_s);
        click(*m_wizard, "cmdBack");
        next();
        QCOMPARE(charges(), u"£120.00|£24.00|£144.00"_s);
        click(*m_wizard, "cmdBack");
        clickBerth(u"B2"_s);
        next();
        QCOMPARE(charges(), u"£170.00|£34.00|£204.00"_s); // B2's £8 daily charge for five days
        QCOMPARE(find<QLabel>("lblChargesNotice")->text(),
                 u"The period or the berths changed, so the hire has been worked out again."_s);
        click(*m_wizard, "cmdBack");
        clickBerth(u"B2"_s);
        next();
        choose(*m_wizard, "cboCustomer", u"Ann O'Neill"_s);
        finish(2);
        const int id = m_install->scalarInt(u"SELECT ID FROM Booking"_s);
        QCOMPARE(m_install->text(u"SELECT CostOfHire || '/' || TaxRate || '/' || VAT || '/' || TotalPayable "
                                 u"FROM Booking"_s),
                 u"1300000/2000/260000/1560000"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT SUM(Amount) FROM BookingCharge WHERE BookingID = ?"_s, {id}), 1300000);

        // Dearer high season since: opening the booking shows what was agreed; a longer stay asks.
        QVERIFY(exec(u"UPDATE Rate SET Nightly = 400000 WHERE ID = 2"_s));
        openToChange(id);
        QCOMPARE(lines(), u"A1, Low: 2 nights at £20.00 = £40.00|A1, High: 3 nights at £30.00 = £90.00"_s);
        find<QDateEdit>("dtpToDate")->setDate(QDate(2026, 7, 5));
        next();
        m_install->messages.chosen.enqueue(-1);
        next();
        QCOMPARE(m_wizard->step(), 1);
        VERIFY_HAS(said(), u"Agreed price: hire £130.00, total payable £156.00.\nWith "
                           u"today's rates: hire £200.00, total payable £240.00."_s);
        QCOMPARE(m_install->messages.calls.last().answers, QStringList({u"&Keep £156.00"_s, u"&Reprice to £240.00"_s}));
        m_install->messages.chosen.enqueue(0); // keep
        next();
        QCOMPARE(charges(), u"£130.00|£26.00|£156.00"_s);
        finish(2);
        QCOMPARE(m_install->scalarInt(u"SELECT TotalPayable FROM Booking"_s), 1560000);
        openToChange(id);
        find<QDateEdit>("dtpToDate")->setDate(QDate(2026, 7, 6));
        next();
        m_install->messages.chosen.enqueue(1); // reprice
        next();
        QCOMPARE(charges(), u"£240.00|£48.00|£288.00"_s);
        finish(2);
        QCOMPARE(m_install->scalarInt(u"SELECT TotalPayable FROM Booking"_s), 2880000);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingCharge WHERE BookingID = ?"_s, {id}), 2);
    }

    // A 9 m boat: the berths that fit it listed first (the only ones, by default), one too short booked only when
    // the person says so and logged, priced per metre of the boat, its insurance pointed out, its ID saved.
    void boatPicksFittingBerths()
    {
        QVERIFY(exec(u"INSERT INTO Boat (ID, CustomerID, Name, Kind, LengthCm, BeamCm, InsuranceExpiry) "
                     u"VALUES (5, 1, 'Seaspray', 0, 900, 280, '2026-07-02')"_s));
        QVERIFY(exec(u"INSERT INTO Season (ID, Name, FirstNight, LastNight, Yearly, Priority) VALUES "
                     u"(1, 'Summer', '2026-07-01', '2026-07-31', 0, 1)"_s));
        QVERIFY(exec(u"INSERT INTO Rate (ID, SeasonID, BerthID, PerMetre, Nightly) VALUES "
                     u"(1, 1, 2, 1, 20000)"_s));
        openFromMenu(); // the boat list is read when the wizard is prepared
        toBerthPage();
        auto* boats = find<QComboBox>("cboBoat");
        QCOMPARE(boats->itemText(1), u"Seaspray, 9.00 m (Ann O'Neill)"_s);
        boats->setCurrentIndex(1);
        QVERIFY(find<QCheckBox>("chkOnlyFit")->isChecked());
        QCOMPARE(offered(), QStringList{u"A1"_s});
        find<QCheckBox>("chkOnlyFit")->setChecked(false);
        QCOMPARE(offered(), (QStringList{u"A1"_s, u"B2"_s, u"C3"_s}));
        QCOMPARE(columnTexts(*find<QTableView>("grdBerth")->model(), BerthGridModel::ColFits),
                 (QStringList{u"Yes"_s, u"No: length"_s, u"No: length"_s}));
        clickBerth(u"B2"_s);
        m_install->messages.answers.enqueue(MsgResult::No);
        next();
        QCOMPARE(m_wizard->step(), 1);
        QCOMPARE(said(), u"Booking: Seaspray, 9.00 m does not fit B2 (length). Book it there all the same?"_s);
        // Filtering again keeps the marked berth listed.
        find<QCheckBox>("chkOnlyFit")->setChecked(true);
        QCOMPARE(offered(), (QStringList{u"A1"_s, u"B2"_s}));
        m_install->messages.answers.enqueue(MsgResult::Yes);
        next();
        QCOMPARE(m_wizard->step(), 2);
        QCOMPARE(find<QComboBox>("cboCustomer")->currentText(), u"Ann O'Neill"_s); // the boat's owner
        QCOMPARE(text("txtCostOfHire"), u"£54.00"_s); // 3 nights at £2 a metre of the boat's 9 m
        next();
        QCOMPARE(texts(*m_wizard, {"lblBoat", "lblInsuranceWarning"}),
                 u"Boat: Seaspray, 9.00 m|The insurance of Seaspray runs out on 02/07/2026, before the departure."_s);
        finish();
        QCOMPARE(m_install->scalarInt(u"SELECT BoatID FROM Booking"_s), 5);
        VERIFY_HAS(
            logText(),
            u"[Boat booked into a berth too small]\r\nBoat: Seaspray, 9.00 m\r\nDoes not fit: B2 (length)\r\n"_s);
    }

    // A new caller: the boat given on the berths page, before any customer, lists only the berths it fits; the
    // customer picker narrows as a name is typed and chooses nothing until a line is picked; the boat is saved for
    // that customer with the booking.
    void newCallersBoatAndCustomerPicker()
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (2, 'Helen Clarke'), (3, 'Helen Mirren')"_s));
        QVERIFY(SearchText::rewriteCustomers(m_install->db()));
        openFromMenu();
        toBerthPage();
        onNextModal([](QDialog* dialog) {
            type(*dialog, "txtBoatName", u"Kittiwake"_s);
            type(*dialog, "txtLength", u"9"_s);
            type(*dialog, "txtBeam", u"2.8"_s);
            click(*dialog, "cmdOK");
        });
        click(*m_wizard, "cmdNewBoat");
        QCOMPARE(find<QComboBox>("cboBoat")->currentText(), u"Kittiwake, 9.00 m (new)"_s);
        QVERIFY(find<QCheckBox>("chkOnlyFit")->isChecked());
        QCOMPARE(offered(), QStringList{u"A1"_s});
        clickBerth(u"A1"_s);
        next();
        auto* customers = find<NamePicker>("cboCustomer");
        QCOMPARE(customers->currentIndex(), -1); // a new boat names no customer
        next();
        QCOMPARE(said(), u"Booking: Please select customer"_s);
        QApplication::setActiveWindow(m_main.get());
        customers->setFocus();
        typeKeys(customers->lineEdit(), u"Helen M"_s);
        QCOMPARE(customers->shownTexts(), QStringList{u"Helen Mirren"_s});
        QCOMPARE(customers->currentIndex(), -1); // typed, not chosen
        QCOMPARE(customers->currentText(), u"Helen M"_s);
        // Down and Enter in the list under the box choose its line.
        QWidget* list = QApplication::activePopupWidget();
        QVERIFY(list);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(customers->currentData().toInt(), 3);
        // Typing over a chosen name lets it go.
        typeKeys(customers->lineEdit(), u"x"_s);
        QCOMPARE(customers->currentIndex(), -1);
        choose(*m_wizard, "cboCustomer", u"Helen Mirren"_s);
        next();
        QCOMPARE(texts(*m_wizard, {"lblBoat"}), u"Boat: Kittiwake, 9.00 m"_s);
        finish();
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking INNER JOIN Boat ON Boat.ID = Booking.BoatID "
                                      u"WHERE Boat.CustomerID = 3 AND Boat.Name = 'Kittiwake' AND "
                                      u"Boat.LengthCm = 900 AND Boat.BeamCm = 280"_s),
                 1);
    }

    void halfMadeBookingIsNotThrownAway()
    {
        // Untouched, the wizard is simply prepared again and closes without a question.
        openFromMenu();
        QVERIFY(m_install->messages.calls.isEmpty());
        type(*m_wizard, "txtBookedBy", u"Sue"_s);
        // Add reservation (Ctrl+B) again brings the same wizard forward with the typed work in it.
        openFromMenu();
        QCOMPARE(text("txtBookedBy"), u"Sue"_s);
        QVERIFY(m_install->messages.calls.isEmpty());
        // Closing the program asks; No keeps the program and the booking open.
        m_install->messages.answers.enqueue(MsgResult::No);
        QVERIFY(!m_main->close() && m_wizard && m_main->isVisible());
        QCOMPARE(said(), u"Booking: The booking has not been saved. Close the wizard and lose it?"_s);
        QCOMPARE(m_install->messages.calls[0].buttons, MsgButtons::YesNo);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(m_main->close() && logText().contains(u"[Application closed]"_s));
    }

    // Each page's check keeps the wizard on its page with one message; a box that is no number keeps its text.
    void pageChecks_data()
    {
        // fromTime: on 1.7
        // box: typed into on the charges page, the customer chosen
        const DataRows<CheckRow> row;
        const QTime two(14, 0);
        const QDateTime third = DateTimes::wallTime(QDate(2026, 7, 3), QTime(10, 0));
        const auto number = [&](const char* tag, const QString& box, const QString& typed, const QString& title) {
            row(tag, {2, two, third, box, typed, title + u": Please enter a valid number to continue"_s});
        };
        const auto dates = [&](const char* tag, const QTime& from, const QDateTime& to, const QString& message) {
            row(tag, {0, from, to, {}, {}, u"Booking: "_s + message});
        };
        dates("departure not after arrival", two, DateTimes::wallTime(QDate(2026, 7, 1), two),
              u"Departure date must be after the Arrival date. Please change the Departure date and try again."_s);
        dates("short night", QTime(21, 10), DateTimes::wallTime(QDate(2026, 7, 2), QTime(6, 45)),
              u"Booking interval is invalid"_s);
        row("no unit", {1, two, third, {}, {}, u"Booking: Please select one or more units"_s});
        row("no customer", {2, two, third, {}, {}, u"Booking: Please select customer"_s});
        number("letters paid", u"txtAmountPayed"_s, u"abc"_s, u"Amount Payed"_s);
        // An amount past the limit, however far, and one with more than pence are told their rule.
        const QString limit = u": An amount cannot be more than £249,999,999.99."_s;
        row("six trillion other charges",
            {2, two, third, u"txtOtherCharges"_s, u"6000000000000"_s, u"Other Charges"_s + limit});
        row("hire past the largest charge",
            {2, two, third, u"txtCostOfHire"_s, u"250000000"_s, u"Cost of Hire"_s + limit});
        row("paid to ten decimals", {2, two, third, u"txtAmountPayed"_s, u"1.1234567890"_s,
                                     u"Amount Payed: Amounts are in pounds and pence: type at most two decimals, for "
                                     u"example £1.12."_s});
        number("eleven-digit adults", u"txtNoAdults"_s, u"99999999999"_s, u"No Adults"_s);
        number("ten thousand kids", u"txtNoKids"_s, u"10000"_s, u"No Kids"_s);
    }
    void pageChecks()
    {
        const auto& [page, fromTime, to, box, typed, message] = fetchRow<CheckRow>();
        setPeriod(QDate(2026, 7, 1), fromTime, to.date(), to.time());
        if (page >= 1)
            next();
        if (page >= 2) {
            clickBerth(u"A1"_s);
            next();
        }
        if (!box.isEmpty()) {
            choose(*m_wizard, "cboCustomer", u"Ann O'Neill"_s);
            control(*m_wizard, box)->setText(typed);
        }
        QCOMPARE(m_wizard->step(), page);
        next();
        QCOMPARE(m_wizard->step(), page);
        QCOMPARE(said(), message);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Exclamation);
        if (!box.isEmpty())
            QCOMPARE(control(*m_wizard, box)->text(), typed);
    }

    // With a mail server set up, "Send confirmation" queues the saved booking's confirmation with its PDF.
    void sendConfirmationQueuesIt()
    {
        walkToConfirmation({u"A1"_s});
        QVERIFY(!control<QCheckBox>(*m_wizard, "chkSendConfirmation")->isEnabled());
        Registry::setRegistryValue(u"Mail Server"_s, u"mail.harbour.test"_s);
        QVERIFY(exec(u"UPDATE Customer SET EmailAddress = 'ann@example.test' WHERE ID = 1"_s));
        click(*m_wizard, "cmdBack");
        next();
        control<QCheckBox>(*m_wizard, "chkSendConfirmation")->setChecked(true);
        next();
        QTRY_VERIFY(!m_wizard);
        const int id = m_install->scalarInt(u"SELECT ID FROM Booking"_s);
        QCOMPARE(m_install->text(u"SELECT ToAddress || ' ' || Kind || ' ' || AttachmentName FROM Outbox WHERE "
                                 u"BookingID = ?"_s,
                                 {id}),
                 u"ann@example.test confirmation Booking Confirmation %1.pdf"_s.arg(id));
    }

    void cancelChangedBooking()
    {
        walkToConfirmation({u"A1"_s});
        // Saved with its confirmation asked for: the confirmation comes up in the print preview.
        control<QCheckBox>(*m_wizard, "chkShowConfirmation")->setChecked(true);
        QString previewed;
        onNextModal([&previewed](QDialog* dialog) { previewed = dialog->windowTitle(); });
        next();
        QCOMPARE(previewed, u"BOOKING CONFIRMATION"_s);
        const int id = m_install->scalarInt(u"SELECT ID FROM Booking"_s);
        for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
            openToChange(id);
            m_install->messages.answers.enqueue(answer);
            click(*m_wizard, "cmdCancel");
            QTRY_VERIFY(!m_wizard);
            QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), answer == MsgResult::No ? 1 : 0);
        }
        QCOMPARE(said(), u"Booking: The booking has been saved with confirmation number 1. Show its "
                         u"summary?\nBooking: Do you want to delete existing reservation?\n"
                         u"Booking: Do you want to delete existing reservation?"_s);
        QCOMPARE(berthRows(), QString());
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingCharge"_s), 0); // its lines went with it
        QCOMPARE(logText().count(u"[Booking cancelled]"_s), 1);
        VERIFY_HAS(logText(), u"[Booking cancelled]\r\nFrom: 01.07.2026 14:00 to 04.07.2026 "
                              u"10:00\r\nCustomer: Ann O'Neill, 4\r\n"_s);
        // Close leaves a changed booking as it is, asking first only when something was typed.
        openFromMenu();
        walkToConfirmation({u"A1"_s});
        next();
        const int kept = m_install->scalarInt(u"SELECT ID FROM Booking"_s);
        openToChange(kept);
        QVERIFY(find<QPushButton>("cmdClose")->isVisible());
        type(*m_wizard, "txtBookedBy", u"Sue"_s);
        m_install->messages.answers.enqueue(MsgResult::No);
        click(*m_wizard, "cmdClose");
        QVERIFY(m_wizard && m_wizard->isVisible());
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(*m_wizard, "cmdClose");
        QTRY_VERIFY(!m_wizard);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = ?"_s, {kept}), 1);
        QCOMPARE(m_install->messages.calls.size(), 6);
        // A new booking's cancel asks nothing, and it has no Close; its paid box takes typing.
        openFromMenu();
        QVERIFY(!find<QPushButton>("cmdClose")->isVisible());
        QVERIFY(!find("txtAmountPayed")->isReadOnly() && find<QPushButton>("cmdRecordPayment")->isHidden());
        click(*m_wizard, "cmdCancel");
        QCOMPARE(m_install->messages.calls.size(), 6);
        // A changed booking's payments go on its ledger: the box shows their sum and Record Payment adds one.
        openToChange(kept);
        QVERIFY(find("txtAmountPayed")->isReadOnly() && !find<QPushButton>("cmdRecordPayment")->isHidden());
        onNextModal([](QDialog* dialog) {
            type(*dialog, "txtAmount", u"12.50"_s);
            click(*dialog, "cmdOK");
        });
        click(*m_wizard, "cmdRecordPayment");
        QCOMPARE(text("txtAmountPayed"), u"12.50"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Payment WHERE BookingID = ?"_s, {kept}), 1);
    }

    // The company's deposit rule proposes the deposit and its days beside the total; left as proposed, nothing is
    // stored for the booking, which then follows the terms.
    void depositProposedFromTerms_data()
    {
        const DataRows<ProposalRow> row;
        const QDate today(2026, 12, 4);
        const QDate arrival(2027, 3, 1);
        row("no deposit rule", {u"DepositKind = 0"_s, u"£0.00"_s, today, arrival});
        row("fixed, balance two weeks before", {u"DepositKind = 1, DepositAmount = 100000, BalanceDueDays = 14"_s,
                                                u"£10.00"_s, today, QDate(2027, 2, 15)});
        row("fixed above the total", {u"DepositKind = 1, DepositAmount = 1000000"_s, u"£44.06"_s, today, arrival});
        row("a quarter, rounded once to the penny",
            {u"DepositKind = 2, DepositPercent = 2500, DepositMinimum = 50000"_s, u"£11.02"_s, today, arrival});
        row("a tenth under its minimum",
            {u"DepositKind = 2, DepositPercent = 1000, DepositMinimum = 200000"_s, u"£20.00"_s, today, arrival});
        row("booked inside the balance window: all at once",
            {u"DepositKind = 1, DepositAmount = 100000, BalanceDueDays = 120"_s, u"£44.06"_s, today, today});
    }
    void depositProposedFromTerms()
    {
        const auto& [terms, deposit, depositBy, balanceBy] = fetchRow<ProposalRow>();
        QVERIFY(exec(u"UPDATE Company SET "_s + terms));
        openFromMenu();
        toChargesPage();
        QCOMPARE(moneyDue(),
                 u"%1 %2 %3"_s.arg(deposit, depositBy.toString(Qt::ISODate), balanceBy.toString(Qt::ISODate)));
        choose(*m_wizard, "cboCustomer", u"Ann O'Neill"_s);
        finish(2);
        QCOMPARE(storedDue(), u"- - -"_s);
    }

    // A deposit typed for this booking stays as the total changes, unless the total falls below it; it and a
    // balance day moved are stored, shown on the confirmation page and document, and shown again when the booking
    // is opened; another desk's change to them is named.
    void agreedDepositKeptSavedAndLoaded()
    {
        QVERIFY(exec(u"UPDATE Company SET DepositKind = 2, DepositPercent = 2500, BalanceDueDays = 14"_s));
        openFromMenu();
        toChargesPage();
        QCOMPARE(moneyDue(), u"£11.02 2026-12-04 2027-02-15"_s);
        type(find("txtOtherCharges"), u"100"_s);
        QCOMPARE(moneyDue(), u"£40.39 2026-12-04 2027-02-15"_s); // a quarter of £161.56
        type(find("txtDeposit"), u"30"_s);
        type(find("txtOtherCharges"), u"200"_s);
        QCOMPARE(text("txtDeposit"), u"30"_s);
        QVERIFY(find<QLabel>("lblDepositNotice")->isHidden());
        type(find("txtOtherCharges"), u"-20"_s); // £20.56 in all
        QCOMPARE(text("txtDeposit"), u"£20.56"_s);
        QCOMPARE(find<QLabel>("lblDepositNotice")->text(),
                 u"The deposit typed was more than the total payable, so it is now £20.56."_s);
        type(find("txtOtherCharges"), u"0"_s);
        type(find("txtDeposit"), u"30"_s);
        find<QDateEdit>("dtpBalanceBy")->setDate(QDate(2027, 2, 20));
        choose(*m_wizard, "cboCustomer", u"Ann O'Neill"_s);
        next();
        QCOMPARE(texts(*m_wizard, {"lblMoneyDue"}),
                 u"Deposit £30.00 due by Fri 04/12/2026, balance £14.06 due by Sat 20/02/2027"_s);
        finish();
        QCOMPARE(storedDue(), u"300000 - 2027-02-20 00:00:00"_s);
        const int id = m_install->scalarInt(u"SELECT ID FROM Booking"_s);
        // The document counts from the day the server stamped; this desk's clock stands at 4.12.2026.
        QVERIFY(exec(u"UPDATE Booking SET Created = '2026-12-04 10:00:00'"_s));
        const QString path = m_install->root() + u"/confirmation.pdf"_s;
        m_install->files.answers << path;
        QVERIFY(DocumentsMenu::confirmation(m_install->services, id, DocumentsMenu::Outlet::Pdf, nullptr));
        const QString document = PdfReader::lines(PdfReader::pages(path).value(0)).join(u'|');
        VERIFY_HAS(document, u"Deposit due: £30.00 by Fri 04/12/2026|Balance due: £14.06 by Sat 20/02/2027"_s);

        openToChange(id);
        QCOMPARE(moneyDue(), u"£30.00 2026-12-04 2027-02-20"_s);
        OtherDesk deskB(*m_install);
        QVERIFY(deskB && Sql::exec(*deskB, u"UPDATE Booking SET DepositDue = 250000 WHERE ID = ?"_s, {id}));
        next(4);
        QVERIFY(said().contains(u"(changed: deposit)"_s));
        QCOMPARE(storedDue(), u"250000 - 2027-02-20 00:00:00"_s);
    }

    // What the deposit boxes cannot take is refused on Next, with the focus in the box and nothing saved.
    void depositChecks_data()
    {
        const DataRows<DepositRow> row;
        row("pence and more", {u"txtDeposit"_s, u"12.345"_s,
                               u"Deposit: Amounts are in pounds and pence: type at most two decimals, for example "
                               u"£1.12."_s});
        row("above the total",
            {u"txtDeposit"_s, u"44.07"_s, u"Deposit: The deposit cannot be more than the total payable, £44.06."_s});
        row("negative", {u"txtDeposit"_s, u"-5"_s, u"Deposit: A deposit cannot be less than £0.00."_s});
        row("due before the booking was made",
            {u"dtpDepositBy"_s, u"2026-12-03"_s,
             u"Deposit: The deposit cannot fall due before the day the booking was made, 04/12/2026."_s});
        row("due after the balance", {u"dtpDepositBy"_s, u"2027-03-01"_s,
                                      u"Deposit: The deposit cannot fall due after the balance, 15/02/2027."_s});
        row("balance after the arrival", {u"dtpBalanceBy"_s, u"2027-03-02"_s,
                                          u"Deposit: The balance cannot fall due after the arrival, 01/03/2027."_s});
    }
    void depositChecks()
    {
        const auto& [box, typed, message] = fetchRow<DepositRow>();
        QVERIFY(exec(u"UPDATE Company SET DepositKind = 1, DepositAmount = 100000, BalanceDueDays = 14"_s));
        openFromMenu();
        toChargesPage();
        choose(*m_wizard, "cboCustomer", u"Ann O'Neill"_s);
        if (auto* date = m_wizard->findChild<QDateEdit*>(box))
            date->setDate(QDate::fromString(typed, Qt::ISODate));
        else
            type(*m_wizard, box, typed);
        next();
        QCOMPARE(m_wizard->step(), 2);
        QCOMPARE(said(), message);
        QCOMPARE(QApplication::focusWidget()->objectName(), box);
        next(); // still refused: nothing reaches the confirmation, nothing is saved
        QCOMPARE(m_wizard->step(), 2);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s), 0);
    }

    // A booking saved before whole pence keeps its total to the ten-thousandth when changed without repricing;
    // once a charge changes, the total is whole pence again.
    void unchangedFractionalTotalKept()
    {
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, CostOfHire, OtherCharges, VAT, "
                     u"TotalPayable) VALUES (70, 1, '2027-03-01 14:00:00', '2027-03-04 10:00:00', 1375000, 0, 240625, "
                     u"1615625)"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (70, 1)"_s));
        const auto amounts = [this] {
            return m_install->text(u"SELECT CostOfHire || '/' || VAT || '/' || TotalPayable FROM Booking"_s);
        };
        openToChange(70);
        type(*m_wizard, "txtBookedBy", u"Sue"_s);
        finish(4);
        QCOMPARE(amounts(), u"1375000/240625/1615625"_s);
        openToChange(70);
        next(2);
        type(find("txtOtherCharges"), u"1"_s);
        finish(2);
        QCOMPARE(amounts(), u"1375000/242400/1627400"_s); // 17.5 % of £138.50 to the penny
    }
};

ZEM_TEST(tst_BookingWizard)
#include "tst_BookingWizard.moc"
