#include "bookings/frmBooking.h"
#include "common/TestSupport.h"
#include "core/Dialect.h"
#include "core/SqlHelpers.h"
#include "shell/MDIMain.h"

#include <QDateEdit>
#include <QTimeEdit>

// The wizard driven through its controls, as the office uses it: opened from the main window's menu.
class tst_BookingWizard : public InstallTest
{
    Q_OBJECT
    std::unique_ptr<MDIMain> m_main;
    QPointer<frmBooking> m_wizard;

    void Seed() override
    {
        QVERIFY(m_install->Exec(
            u"INSERT INTO Customer (ID, Name, HouseName, Street, Town, PostCode, TelNo, EmailAddress) VALUES "
            u"(1, 'Ann O''Neill', '4', 'Quay Street', 'Poole', 'BH15 1AA', '01202 123456', 'ann@example.co.uk')"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO Berth (ID, Name, Length, Width, HasPower, DailyHireCharge, Active) "
                                u"VALUES (1, 'A1', 10, 3, 1, 125000, 1), (2, 'B2', 8, 3, 0, 80000, 1), "
                                u"(3, 'C3', 8, 3, 0, NULL, 1), (4, 'D4', 8, 3, 0, 10000, 0)"_s));
        m_main = std::make_unique<MDIMain>(m_install->services);
        m_main->resize(1100, 800);
        QVERIFY(ShowActive(*m_main));
        OpenFromMenu();
    }
    void TearDown() override { m_main.reset(); }

    // Bookings, Add Booking: the one wizard, prepared again.
    void OpenFromMenu()
    {
        Control<QAction>(*m_main, "mnuBookingsAdd")->trigger();
        m_wizard = qobject_cast<frmBooking*>(m_main->FindChild(u"frmBooking"_s));
        QVERIFY(m_wizard && m_wizard->isVisible());
    }
    // Opens the one wizard again, as the calendar or the booking search do, to change a booking.
    void OpenToChange(int id)
    {
        m_wizard = frmBooking::Display(*m_main, m_install->services, RecordMode::Edit, id);
        QVERIFY(m_wizard->Mode() == RecordMode::Edit);
    }

    template <typename T = QLineEdit> T* Find(const char* name) const { return Control<T>(*m_wizard, name); }
    QString Text(const char* name) const { return Find(name)->text(); }
    void Next() { Click(*m_wizard, "cmdNext"); }

    void SetPeriod(const QDate& fromDate, const QTime& fromTime, const QDate& toDate, const QTime& toTime)
    {
        Find<QDateEdit>("dtpFromDate")->setDate(fromDate);
        Find<QTimeEdit>("dtpFromTime")->setTime(fromTime);
        Find<QDateEdit>("dtpToDate")->setDate(toDate);
        Find<QTimeEdit>("dtpToTime")->setTime(toTime);
    }

    // Clicks the grid row showing the berth called name.
    void ClickBerth(const QString& name)
    {
        auto* grid = Find<QTableView>("grdBerth");
        const int row = Offered().indexOf(name);
        QVERIFY2(row >= 0, qPrintable(u"berth %1 is not offered"_s.arg(name)));
        const QModelIndex index = grid->model()->index(row, 1);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }

    QStringList Offered() const
    {
        auto* grid = Find<QTableView>("grdBerth");
        QStringList names;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            names << grid->model()->index(row, 1).data().toString();
        return names;
    }

    // Dates 1.7 14:00 to 4.7 10:00, berths, the customer: up to the confirmation page.
    void WalkToConfirmation(const QStringList& berths)
    {
        SetPeriod(QDate(2026, 7, 1), QTime(14, 0), QDate(2026, 7, 4), QTime(10, 0));
        Next();
        for (const QString& berth : berths)
            ClickBerth(berth);
        Next();
        auto* customers = Find<QComboBox>("cboCustomer");
        customers->setCurrentIndex(customers->findText(u"Ann O'Neill"_s));
        Next();
        QCOMPARE(m_wizard->Step(), 3);
    }

    QString BerthRows() const
    {
        return m_install->Text(u"SELECT %1 FROM (SELECT BerthID FROM BookingBerth ORDER BY 1) B"_s.arg(
            Dialect::Of(m_install->Db()).JoinTexts(u"BerthID"_s, u","_s, u"BerthID"_s)));
    }

private slots:
    void newBookingThenChangeItsBerths()
    {
        QCOMPARE(Text("txtBerthConfirmationNumber"), u"1"_s);
        QCOMPARE(Find<QTimeEdit>("dtpFromTime")->time(), QTime(9, 0));
        SetPeriod(QDate(2026, 7, 1), QTime(14, 0), QDate(2026, 7, 4), QTime(10, 0));
        Next();
        QCOMPARE(Offered(), (QStringList{u"A1"_s, u"B2"_s, u"C3"_s}));
        for (const QString& berth : {u"A1"_s, u"C3"_s, u"C3"_s, u"B2"_s}) // C3 twice: unmarked again
            ClickBerth(berth);
        QCOMPARE(m_wizard->SelectedCount(), 2);
        Next();
        QCOMPARE(Text("txtCostOfHire"), u"£61.50"_s);

        // A customer added with New... is selected at once.
        OnNextModal([](QDialog* dialog) {
            Type(*dialog, "txtName", u"Bob Smith"_s);
            Type(*dialog, "txtHouseName", u"Mill House"_s);
            Click(*dialog, "cmdOK");
        });
        Click(*m_wizard, "cmdAddCustomer");
        QCOMPARE(Find<QComboBox>("cboCustomer")->currentText(), u"Bob Smith"_s);

        // Leaving other charges works out VAT and the total and moves on to the amount paid.
        auto* other = Find("txtOtherCharges");
        QApplication::setActiveWindow(m_main.get()); // the closed dialog took the activation with it
        other->setFocus();
        QTest::keyClicks(other, u"8.50"_s);
        QTest::keyClick(other, Qt::Key_Tab);
        QCOMPARE(Text("txtVAT") + u' ' + Text("txtTotalPayable"), u"£12.25 £82.25"_s);
        QTRY_COMPARE(QApplication::focusWidget(), Find("txtAmountPayed"));
        Next();
        QCOMPARE(Find<QLabel>("lblDates")->text(), u"01.07.2026 14:00 to 04.07.2026 10:00"_s);
        QCOMPARE(Find<QLabel>("lblName")->text(), u"Bob Smith, Mill House"_s);
        QCOMPARE(Find<QPushButton>("cmdNext")->text(), u"&Confirm"_s);
        Next();
        QTRY_VERIFY(!m_wizard); // saved and closed

        const int id = m_install->Int(u"SELECT ID FROM Booking"_s);
        QCOMPARE(m_install->Text(u"SELECT TotalPayable || ' ' || NoAdults || '/' || NoKids FROM Booking"_s),
                 u"822500 2/0"_s);
        QCOMPARE(BerthRows(), u"1,2"_s);
        QVERIFY(
            m_install->EventLogText().contains(u"[Booking added]\r\nFrom: 01.07.2026 14:00 to 04.07.2026 "
                                               u"10:00\r\nCustomer:Bob Smith, Mill House\r\nBerth(s): A1, B2\r\n"_s));

        // Changing it: its own berths are offered and marked; swap A1 for C3.
        OpenToChange(id);
        QCOMPARE(Text("txtOtherCharges"), u"8.50"_s);
        Next();
        QCOMPARE(m_wizard->SelectedCount(), 2);
        ClickBerth(u"A1"_s);
        ClickBerth(u"C3"_s);
        Next();
        QCOMPARE(Text("txtCostOfHire"), u"£24.00"_s);
        Next();
        Next();
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Booking"_s), 1);
        QCOMPARE(BerthRows(), u"2,3"_s);
        QVERIFY(
            m_install->EventLogText().contains(u"[Booking modified]\r\nFrom: 01.07.2026 14:00 to 04.07.2026 "
                                               u"10:00\r\nCustomer:Bob Smith, Mill House\r\nBerth(s): B2, C3\r\n"_s));
    }

    void berthTakenBeforeConfirm()
    {
        WalkToConfirmation({u"A1"_s, u"B2"_s});
        // Another booking takes B2 meanwhile.
        QVERIFY(m_install->Exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                u"(50, 1, '2026-07-03 09:00:00', '2026-07-05 14:00:00')"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (50, 2)"_s));
        Next();
        QCOMPARE(m_install->messages.calls.size(), 1);
        QVERIFY(m_install->messages.calls[0].text.startsWith(u"B2 has been booked"_s));
        QCOMPARE(m_wizard->Step(), 1);
        QVERIFY(m_wizard && m_wizard->isVisible());
        QCOMPARE(Offered(), (QStringList{u"A1"_s, u"C3"_s}));
        QCOMPARE(m_wizard->SelectedCount(), 1); // A1 still marked
        // Nothing of the refused booking was written.
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Booking"_s), 1);
        QCOMPARE(BerthRows(), u"2"_s);
        QVERIFY(!m_install->EventLogText().contains(u"[Booking added]"_s));
    }

    void customerDeletedAtAnotherDesk()
    {
        const auto deskB = Database::Open(m_install->DatabasePath(), u"desk-b"_s, 2000);
        QVERIFY(deskB);
        WalkToConfirmation({u"A1"_s});
        QVERIFY(modFunctions::DeleteCustomerRows(*deskB, 1));
        Next();
        QCOMPARE(m_wizard->Step(), 2);
        QVERIFY(m_install->messages.Said().startsWith(u"Booking: The customer Ann O'Neill has been deleted"_s));
        QCOMPARE(Find<QComboBox>("cboCustomer")->count(), 0); // the list is read afresh
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Booking"_s), 0);
        Database::Close(u"desk-b"_s);
    }

    void proposedNumberTakenAtAnotherDesk()
    {
        QCOMPARE(Text("txtBerthConfirmationNumber"), u"1"_s);
        // Desk B saves a booking with the same proposed number first.
        const auto deskB = Database::Open(m_install->DatabasePath(), u"desk-b"_s, 2000);
        QVERIFY(deskB && Sql::Exec(*deskB, u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, "
                                           u"BerthConfirmationNumber) VALUES (60, 1, '2026-09-01 09:00:00', "
                                           u"'2026-09-02 14:00:00', 1)"_s));
        Database::Close(u"desk-b"_s);
        WalkToConfirmation({u"A1"_s});
        Next();
        QTRY_VERIFY(!m_wizard);
        QCOMPARE(m_install->Int(u"SELECT BerthConfirmationNumber FROM Booking WHERE ID <> 60"_s), 2);
        QCOMPARE(m_install->messages.Said(), u"Booking: Confirmation number 1 was given to a booking made at another "
                                             u"desk meanwhile. This booking has been saved with number 2."_s);
    }

    void changedAtAnotherDeskIsNotOverwritten()
    {
        WalkToConfirmation({u"A1"_s});
        Next();
        const int id = m_install->Int(u"SELECT ID FROM Booking"_s);
        OpenToChange(id);
        // Desk B records a payment while desk A changes the same booking.
        const auto deskB = Database::Open(m_install->DatabasePath(), u"desk-b"_s, 2000);
        QVERIFY(deskB && Sql::Exec(*deskB, u"UPDATE Booking SET AmountPayed = 100000 WHERE ID = ?"_s, {id}));
        Database::Close(u"desk-b"_s);
        Next();
        Next();
        Next();
        Next();
        QVERIFY(m_install->messages.Said().startsWith(
            u"Booking: This booking has been changed or cancelled at another desk"_s));
        QVERIFY(m_wizard && m_wizard->isVisible());
        QCOMPARE(m_install->Int(u"SELECT AmountPayed FROM Booking WHERE ID = ?"_s, {id}), 100000);
        QVERIFY(!m_install->EventLogText().contains(u"[Booking modified]"_s));
    }

    void datesCardAndGrid()
    {
        // No box asks for the card's security code, and a number an older release kept whole is shown masked.
        QVERIFY(!m_wizard->findChild<QLineEdit*>(u"txtCreditCardCV2No"_s));
        QVERIFY(
            m_install->Exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, CreditCardNo, CreditCardCV2No) "
                            u"VALUES (70, 1, '2026-08-01 09:00:00', '2026-08-02 14:00:00', '4111111111111234', "
                            u"'123')"_s));
        OpenToChange(70);
        QCOMPARE(Text("txtCreditCardNo"), u"************1234"_s);
        OpenFromMenu();
        // The date boxes take 2000 to 2199 only; a year such as 6054 cannot be entered.
        auto* from = Find<QDateEdit>("dtpFromDate");
        QCOMPARE(from->minimumDate(), QDate(2000, 1, 1));
        from->setDate(QDate(6054, 1, 1));
        QCOMPARE(from->date(), QDate(2199, 12, 31));
        QCOMPARE(Find<QDateEdit>("dtpToDate")->maximumDate(), QDate(2199, 12, 31));
        // A berth without a recorded length or width shows empty cells, not "0".
        QVERIFY(m_install->Exec(u"UPDATE Berth SET Length = NULL, Width = NULL WHERE ID = 3"_s));
        SetPeriod(QDate(2026, 7, 1), QTime(14, 0), QDate(2026, 7, 4), QTime(10, 0));
        Next();
        const auto* model = Find<QTableView>("grdBerth")->model();
        const int c3 = Offered().indexOf(u"C3"_s);
        QCOMPARE(model->index(c3, 2).data().toString() + u'|' + model->index(c3, 3).data().toString(), u"|"_s);
        QCOMPARE(model->index(Offered().indexOf(u"A1"_s), 2).data().toString(), u"10"_s);
        QVERIFY(Find<QLabel>("lblReadError")->isHidden());
        // A berth list that cannot be read says so above the empty grid.
        Click(*m_wizard, "cmdBack");
        QVERIFY(m_install->Exec(u"ALTER TABLE Berth RENAME TO BerthGone"_s));
        Next();
        QVERIFY(Offered().isEmpty());
        QVERIFY(Find<QLabel>("lblReadError")->text().startsWith(u"The rows could not be read: "_s));
        QVERIFY(m_install->Exec(u"ALTER TABLE BerthGone RENAME TO Berth"_s));
    }

    void chargesWorkedOutWhenOtherChargesSkipped()
    {
        // A1 at £12.50 for three days; the other charges box is never visited.
        SetPeriod(QDate(2026, 7, 1), QTime(14, 0), QDate(2026, 7, 4), QTime(10, 0));
        Next();
        ClickBerth(u"A1"_s);
        Next();
        Find("txtAmountPayed")->setText(u"20"_s);
        auto* customers = Find<QComboBox>("cboCustomer");
        customers->setCurrentIndex(customers->findText(u"Ann O'Neill"_s));
        Next();
        QCOMPARE(Text("txtVAT") + u' ' + Text("txtTotalPayable") + u' ' + Text("txtAmountPayed"),
                 u"£6.56 £44.06 £20.00"_s);
        // VAT typed by hand is kept.
        Click(*m_wizard, "cmdBack");
        Find("txtVAT")->setFocus();
        Type(Find("txtVAT"), u"5"_s);
        Next();
        Next();
        QCOMPARE(m_install->Text(u"SELECT CostOfHire || '/' || VAT || '/' || TotalPayable FROM Booking"_s),
                 u"375000/50000/440600"_s);
    }

    void enterMovesThroughTheDateBoxes()
    {
        Find<QDateEdit>("dtpFromDate")->setFocus();
        QStringList visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QWidget* focus = QApplication::focusWidget();
            visited << (focus->objectName().isEmpty() ? focus->parentWidget()->objectName() : focus->objectName());
        }
        QCOMPARE(visited, (QStringList{u"dtpFromTime"_s, u"dtpToDate"_s, u"dtpToTime"_s, u"txtBookedBy"_s}));
    }

    void halfMadeBookingIsNotThrownAway()
    {
        // Untouched, the wizard is simply prepared again and closes without a question.
        OpenFromMenu();
        QVERIFY(m_install->messages.calls.isEmpty());
        Type(*m_wizard, "txtBookedBy", u"Sue"_s);
        // Add Reservation (Ctrl+B) again brings the same wizard forward with the typed work in it.
        OpenFromMenu();
        QCOMPARE(Text("txtBookedBy"), u"Sue"_s);
        QVERIFY(m_install->messages.calls.isEmpty());
        // Closing the program asks; No keeps the program and the booking open.
        m_install->messages.answers.enqueue(MsgResult::No);
        QVERIFY(!m_main->close());
        QVERIFY(m_wizard && m_main->isVisible());
        QCOMPARE(m_install->messages.Said(),
                 u"Booking: The booking has not been saved. Close the wizard and lose it?"_s);
        QCOMPARE(m_install->messages.calls[0].buttons, MsgButtons::YesNo);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QVERIFY(m_main->close());
        QVERIFY(m_install->EventLogText().contains(u"[Application closed]"_s));
    }

    void pageChecks_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QTime>("fromTime"); // on 1.7
        QTest::addColumn<QDateTime>("to");
        QTest::addColumn<QString>("message");
        const QDateTime third = modFunctions::WallTime(QDate(2026, 7, 3), QTime(10, 0));
        QTest::newRow("departure not after arrival")
            << 0 << QTime(14, 0) << modFunctions::WallTime(QDate(2026, 7, 1), QTime(14, 0))
            << u"Departure date must be after the Arrival date. Please change the Departure date and try again."_s;
        QTest::newRow("short night") << 0 << QTime(21, 10) << modFunctions::WallTime(QDate(2026, 7, 2), QTime(6, 45))
                                     << u"Booking interval is invalid"_s;
        QTest::newRow("no unit") << 1 << QTime(14, 0) << third << u"Please select one or more units"_s;
        QTest::newRow("no customer") << 2 << QTime(14, 0) << third << u"Please select customer"_s;
    }
    void pageChecks()
    {
        QFETCH(int, page);
        QFETCH(QTime, fromTime);
        QFETCH(QDateTime, to);
        QFETCH(QString, message);
        SetPeriod(QDate(2026, 7, 1), fromTime, to.date(), to.time());
        if (page >= 1)
            Next();
        if (page >= 2) {
            ClickBerth(u"A1"_s);
            Next();
        }
        QCOMPARE(m_wizard->Step(), page);
        Next();
        QCOMPARE(m_wizard->Step(), page);
        QCOMPARE(m_install->messages.Said(), u"Booking: "_s + message);
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Exclamation);
    }

    void badNumbersAreRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("letters paid") << u"txtAmountPayed"_s << u"abc"_s << u"Amount Payed"_s;
        QTest::newRow("six trillion other charges") << u"txtOtherCharges"_s << u"6000000000000"_s << u"Other Charges"_s;
        QTest::newRow("eleven-digit adults") << u"txtNoAdults"_s << u"99999999999"_s << u"No Adults"_s;
        QTest::newRow("ten thousand kids") << u"txtNoKids"_s << u"10000"_s << u"No Kids"_s;
    }
    void badNumbersAreRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, title);
        WalkToConfirmation({u"A1"_s});
        Click(*m_wizard, "cmdBack");
        Control(*m_wizard, box)->setText(text);
        Next();
        QCOMPARE(m_wizard->Step(), 2);
        QCOMPARE(m_install->messages.Said(), title + u": Please enter a valid number to continue"_s);
        QCOMPARE(Control(*m_wizard, box)->text(), text);
    }

    void countsHiddenWhenNotRecorded()
    {
        Registry::SetRegistryValue(Settings::ShowAdultsAndKids, u"0"_s);
        OpenFromMenu();
        QVERIFY(!Find("txtNoAdults")->isVisible());
        QCOMPARE(Text("txtNoKids"), u"-1"_s);
        WalkToConfirmation({u"A1"_s});
        QVERIFY(!Find<QLabel>("lblNoAdults")->isVisible() && !Find<QLabel>("lblKids")->isVisible());
        Next();
        QCOMPARE(m_install->Text(u"SELECT NoAdults || '/' || NoKids FROM Booking"_s), u"-1/-1"_s);
    }

    void cancelChangedBooking()
    {
        WalkToConfirmation({u"A1"_s});
        Next();
        const int id = m_install->Int(u"SELECT ID FROM Booking"_s);
        for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
            OpenToChange(id);
            m_install->messages.answers.enqueue(answer);
            Click(*m_wizard, "cmdCancel");
            QTRY_VERIFY(!m_wizard);
            QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Booking"_s), answer == MsgResult::No ? 1 : 0);
        }
        QCOMPARE(m_install->messages.Said(), u"Booking: Do you want to delete existing reservation?\n"
                                             u"Booking: Do you want to delete existing reservation?"_s);
        QCOMPARE(BerthRows(), QString());
        QCOMPARE(m_install->EventLogText().count(u"[Booking cancelled]"_s), 1);
        QVERIFY(m_install->EventLogText().contains(u"[Booking cancelled]\r\nFrom: 01.07.2026 14:00 to 04.07.2026 "
                                                   u"10:00\r\nCustomer: Ann O'Neill, 4\r\n"_s));
        // A new booking's cancel asks nothing.
        OpenFromMenu();
        Click(*m_wizard, "cmdCancel");
        QCOMPARE(m_install->messages.calls.size(), 2);
    }
};

ZEM_TEST(tst_BookingWizard)
#include "tst_BookingWizard.moc"
