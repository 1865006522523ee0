#include "bookings/frmBooking.h"
#include "common/TestInstall.h"
#include "shell/MDIMain.h"
#include "common/TestMain.h"
#include "core/Registry.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>
#include <QPointer>
#include <QAction>

// The wizard driven through its controls, as the office uses it.
class tst_BookingWizard : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<MDIMain> m_main;
    QPointer<frmBooking> m_wizard;

    template <typename T> T* Find(const QString& name) const
    {
        auto* child = m_wizard->findChild<T*>(name);
        if (!child)
            qFatal("no control %s", qPrintable(name));
        return child;
    }
    void Next() { QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdNext")), Qt::LeftButton); }

    void SetPeriod(const QDate& fromDate, const QTime& fromTime, const QDate& toDate, const QTime& toTime)
    {
        Find<QDateEdit>(QStringLiteral("dtpFromDate"))->setDate(fromDate);
        Find<QTimeEdit>(QStringLiteral("dtpFromTime"))->setTime(fromTime);
        Find<QDateEdit>(QStringLiteral("dtpToDate"))->setDate(toDate);
        Find<QTimeEdit>(QStringLiteral("dtpToTime"))->setTime(toTime);
    }

    // Clicks the grid row showing the berth called name.
    void ClickBerth(const QString& name)
    {
        auto* grid = Find<QTableView>(QStringLiteral("grdBerth"));
        for (int row = 0; row < grid->model()->rowCount(); ++row) {
            const QModelIndex index = grid->model()->index(row, 1);
            if (index.data().toString() == name) {
                grid->scrollTo(index);
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("berth %1 is not offered").arg(name)));
    }

    QStringList Offered() const
    {
        auto* grid = Find<QTableView>(QStringLiteral("grdBerth"));
        QStringList names;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            names << grid->model()->index(row, 1).data().toString();
        return names;
    }

    void SelectCustomer(const QString& name)
    {
        auto* combo = Find<QComboBox>(QStringLiteral("cboCustomer"));
        combo->setCurrentIndex(combo->findText(name));
    }

    // Dates 1.7 14:00 to 4.7 10:00, berths, the customer: up to the confirmation page.
    void WalkToConfirmation(const QStringList& berths)
    {
        SetPeriod(QDate(2026, 7, 1), QTime(14, 0), QDate(2026, 7, 4), QTime(10, 0));
        Next();
        QCOMPARE(m_wizard->Step(), 1);
        for (const QString& berth : berths)
            ClickBerth(berth);
        Next();
        QCOMPARE(m_wizard->Step(), 2);
        SelectCustomer(QStringLiteral("Ann O'Neill"));
        Next();
        QCOMPARE(m_wizard->Step(), 3);
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Customer (ID, Name, HouseName, Street, Town, PostCode, TelNo, EmailAddress) VALUES "
            "(1, 'Ann O''Neill', '4', 'Quay Street', 'Poole', 'BH15 1AA', '01202 123456', 'ann@example.co.uk')")));
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Berth (ID, Name, Length, Width, HasPower, DailyHireCharge, Active) VALUES "
            "(1, 'A1', 10, 3, 1, 125000, 1), (2, 'B2', 8, 3, 0, 80000, 1), (3, 'C3', 8, 3, 0, NULL, 1), "
            "(4, 'D4', 8, 3, 0, 10000, 0)")));
        // The wizard as the office opens it: Bookings, Add Booking.
        m_main = std::make_unique<MDIMain>(m_install->services);
        m_main->resize(1100, 800);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        OpenFromMenu();
    }
    void cleanup()
    {
        m_main.reset();
        m_install.reset();
    }

    void OpenFromMenu()
    {
        m_main->findChild<QAction*>(QStringLiteral("mnuBookingsAdd"))->trigger();
        m_wizard = qobject_cast<frmBooking*>(m_main->FindChild(QStringLiteral("frmBooking")));
        QVERIFY(m_wizard);
        QVERIFY(m_wizard->isVisible());
    }
    // Opens the one wizard again, as the calendar or the booking search do, to change a booking.
    void OpenToChange(int id)
    {
        m_wizard = frmBooking::Display(*m_main, m_install->services, 2, id);
        QCOMPARE(m_wizard->Mode(), 2);
    }

    void newBookingThenChangeItsBerths()
    {
        QCOMPARE(Find<QLineEdit>(QStringLiteral("txtBerthConfirmationNumber"))->text(), QStringLiteral("1"));
        QCOMPARE(Find<QTimeEdit>(QStringLiteral("dtpFromTime"))->time(), QTime(9, 0));
        SetPeriod(QDate(2026, 7, 1), QTime(14, 0), QDate(2026, 7, 4), QTime(10, 0));
        Next();
        QCOMPARE(Offered(), (QStringList{QStringLiteral("A1"), QStringLiteral("B2"), QStringLiteral("C3")}));
        ClickBerth(QStringLiteral("A1"));
        ClickBerth(QStringLiteral("C3"));
        ClickBerth(QStringLiteral("C3")); // twice: unmarked again
        ClickBerth(QStringLiteral("B2"));
        QCOMPARE(m_wizard->SelectedCount(), 2);
        Next();
        QCOMPARE(Find<QLineEdit>(QStringLiteral("txtCostOfHire"))->text(), QStringLiteral("£61.50"));

        // A customer added with New... is selected at once.
        QTimer::singleShot(0, this, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("txtName")), QStringLiteral("Bob Smith"));
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("txtHouseName")), QStringLiteral("Mill House"));
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdAddCustomer")), Qt::LeftButton);
        QCOMPARE(Find<QComboBox>(QStringLiteral("cboCustomer"))->currentText(), QStringLiteral("Bob Smith"));

        // Leaving other charges works out VAT and the total and moves on to the amount paid.
        auto* other = Find<QLineEdit>(QStringLiteral("txtOtherCharges"));
        QApplication::setActiveWindow(m_main.get()); // the closed dialog took the activation with it
        other->setFocus();
        QTest::keyClicks(other, QStringLiteral("8.50"));
        QTest::keyClick(other, Qt::Key_Tab);
        QCOMPARE(Find<QLineEdit>(QStringLiteral("txtVAT"))->text(), QStringLiteral("£12.25"));
        QCOMPARE(Find<QLineEdit>(QStringLiteral("txtTotalPayable"))->text(), QStringLiteral("£82.25"));
        QTRY_COMPARE(QApplication::focusWidget(), Find<QLineEdit>(QStringLiteral("txtAmountPayed")));
        Next();
        QCOMPARE(Find<QLabel>(QStringLiteral("lblDates"))->text(), QStringLiteral("01.07.2026 14:00 to 04.07.2026 10:00"));
        QCOMPARE(Find<QLabel>(QStringLiteral("lblName"))->text(), QStringLiteral("Bob Smith, Mill House"));
        QCOMPARE(Find<QPushButton>(QStringLiteral("cmdNext"))->text(), QStringLiteral("&Confirm"));
        Next();
        QTRY_VERIFY(!m_wizard); // saved and closed

        const int id = m_install->Value(QStringLiteral("SELECT ID FROM Booking")).toInt();
        QCOMPARE(m_install->Value(QStringLiteral("SELECT TotalPayable FROM Booking")).toLongLong(), 822500LL);
        QCOMPARE(m_install->Value(QStringLiteral("SELECT NoAdults || '/' || NoKids FROM Booking")).toString(), QStringLiteral("2/0"));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT group_concat(BerthID) FROM (SELECT BerthID FROM BookingBerth "
                                                 "WHERE BookingID = ? ORDER BY BerthID)"), {id}).toString(),
                 QStringLiteral("1,2"));
        QVERIFY(m_install->EventLogText().contains(
            QStringLiteral("[Booking added]\r\nFrom: 01.07.2026 14:00 to 04.07.2026 10:00\r\nCustomer:Bob Smith, Mill "
                           "House\r\nBerth(s): A1, B2\r\n")));

        // Changing it: its own berths are offered and marked; swap A1 for C3.
        OpenToChange(id);
        QCOMPARE(Find<QLineEdit>(QStringLiteral("txtOtherCharges"))->text(), QStringLiteral("8.50"));
        Next();
        QCOMPARE(m_wizard->SelectedCount(), 2);
        ClickBerth(QStringLiteral("A1"));
        ClickBerth(QStringLiteral("C3"));
        Next();
        QCOMPARE(Find<QLineEdit>(QStringLiteral("txtCostOfHire"))->text(), QStringLiteral("£24.00"));
        Next();
        Next();
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Booking")).toInt(), 1);
        QCOMPARE(m_install->Value(QStringLiteral("SELECT group_concat(BerthID) FROM (SELECT BerthID FROM BookingBerth "
                                                 "ORDER BY BerthID)")).toString(),
                 QStringLiteral("2,3"));
        QVERIFY(m_install->EventLogText().contains(QStringLiteral("[Booking modified]\r\nFrom: 01.07.2026 14:00 to "
                                                                  "04.07.2026 10:00\r\nCustomer:Bob Smith, Mill "
                                                                  "House\r\nBerth(s): B2, C3\r\n")));
    }

    void berthTakenBeforeConfirm()
    {
        WalkToConfirmation({QStringLiteral("A1"), QStringLiteral("B2")});
        // Another booking takes B2 meanwhile.
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                               "(50, 1, '2026-07-03 09:00:00', '2026-07-05 14:00:00')")));
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO BookingBerth VALUES (50, 2)")));
        Next();
        QCOMPARE(m_install->messages.calls.size(), 1);
        QVERIFY(m_install->messages.calls[0].text.startsWith(QStringLiteral("B2 has been booked")));
        QCOMPARE(m_wizard->Step(), 1);
        QVERIFY(m_wizard && m_wizard->isVisible());
        QCOMPARE(Offered(), (QStringList{QStringLiteral("A1"), QStringLiteral("C3")}));
        QCOMPARE(m_wizard->SelectedCount(), 1); // A1 still marked
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Booking")).toInt(), 1);
        QVERIFY(!m_install->EventLogText().contains(QStringLiteral("[Booking added]")));
    }

    void pageChecks_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("message");
        QTest::newRow("departure not after arrival")
            << 0 << "Departure date must be after the Arrival date. Please change the Departure date and try again.";
        QTest::newRow("short night") << 0 << "Booking interval is invalid";
        QTest::newRow("no unit") << 1 << "Please select one or more units";
        QTest::newRow("no customer") << 2 << "Please select customer";
    }
    void pageChecks()
    {
        QFETCH(int, page);
        QFETCH(QString, message);
        const QDate d(2026, 7, 1);
        if (message.startsWith(QStringLiteral("Departure")))
            SetPeriod(d, QTime(14, 0), d, QTime(14, 0));
        else if (message.startsWith(QStringLiteral("Booking interval")))
            SetPeriod(d, QTime(21, 10), d.addDays(1), QTime(6, 45));
        else
            SetPeriod(d, QTime(14, 0), d.addDays(2), QTime(10, 0));
        if (page >= 1)
            Next();
        if (page >= 2) {
            ClickBerth(QStringLiteral("A1"));
            Next();
        }
        QCOMPARE(m_wizard->Step(), page);
        Next();
        QCOMPARE(m_wizard->Step(), page);
        QCOMPARE(m_install->messages.calls.size(), 1);
        QCOMPARE(m_install->messages.calls[0].text, message);
        QCOMPARE(m_install->messages.calls[0].title, QStringLiteral("Booking"));
        QCOMPARE(m_install->messages.calls[0].icon, MsgIcon::Exclamation);
    }

    void invalidAmountStopsThePage()
    {
        SetPeriod(QDate(2026, 7, 1), QTime(14, 0), QDate(2026, 7, 2), QTime(10, 0));
        Next();
        ClickBerth(QStringLiteral("A1"));
        Next();
        SelectCustomer(QStringLiteral("Ann O'Neill"));
        Find<QLineEdit>(QStringLiteral("txtAmountPayed"))->setText(QStringLiteral("abc"));
        Next();
        QCOMPARE(m_wizard->Step(), 2);
        QCOMPARE(m_install->messages.calls.value(0).text, QStringLiteral("Please enter a valid number to continue"));
        QCOMPARE(m_install->messages.calls.value(0).title, QStringLiteral("Amount Payed"));
        QCOMPARE(Find<QLineEdit>(QStringLiteral("txtAmountPayed"))->text(), QStringLiteral("abc"));
    }

    void countsHiddenWhenNotRecorded()
    {
        Registry::SetRegistryValue(Settings::ShowAdultsAndKids, QStringLiteral("0"));
        OpenFromMenu(); // the same wizard, prepared again
        QVERIFY(!Find<QLineEdit>(QStringLiteral("txtNoAdults"))->isVisible());
        QCOMPARE(Find<QLineEdit>(QStringLiteral("txtNoKids"))->text(), QStringLiteral("-1"));
        WalkToConfirmation({QStringLiteral("A1")});
        QVERIFY(!Find<QLabel>(QStringLiteral("lblNoAdults"))->isVisible());
        QVERIFY(!Find<QLabel>(QStringLiteral("lblKids"))->isVisible());
        Next();
        QCOMPARE(m_install->Value(QStringLiteral("SELECT NoAdults || '/' || NoKids FROM Booking")).toString(),
                 QStringLiteral("-1/-1"));
    }

    void cancelChangedBooking()
    {
        WalkToConfirmation({QStringLiteral("A1")});
        Next();
        const int id = m_install->Value(QStringLiteral("SELECT ID FROM Booking")).toInt();
        for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
            OpenToChange(id);
            m_install->messages.answers.enqueue(answer);
            QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdCancel")), Qt::LeftButton);
            QTRY_VERIFY(!m_wizard);
        }
        QCOMPARE(m_install->messages.calls.size(), 2);
        QCOMPARE(m_install->messages.calls[0].text, QStringLiteral("Do you want to delete existing reservation?"));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM Booking")).toInt(), 0);
        QCOMPARE(m_install->EventLogText().count(QStringLiteral("[Booking cancelled]")), 1);
        QVERIFY(m_install->EventLogText().contains(QStringLiteral(
            "[Booking cancelled]\r\nFrom: 01.07.2026 14:00 to 04.07.2026 10:00\r\nCustomer: Ann O'Neill, 4\r\n")));
        // A new booking's cancel asks nothing.
        OpenFromMenu();
        QTest::mouseClick(Find<QPushButton>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        QCOMPARE(m_install->messages.calls.size(), 2);
    }
};

ZEM_TEST(tst_BookingWizard)
#include "tst_BookingWizard.moc"
