#include "bookings/BookingDocuments.h"
#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizard.h"
#include "bookings/DocumentsMenu.h"
#include "bookings/Ledger.h"
#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "core/ui/DocumentRenderer.h"
#include "shell/MainWindow.h"

// The booking summary, its InvTemp row, cancelling and editing from it, and its two printed documents read back
// from PDF files.
class tst_BookingSummary : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(
            u"UPDATE Company SET CompanyID = 7, \"Company Name\" = 'Poole Quay Marina', Street = '1 Quay Street', Area "
            u"= 'Old Town', "
            u"Town = 'Poole', County = 'Dorset', Postcode = 'BH15 1HJ', \"Telephone No\" = '01202 000111', "
            u"\"VAT No\" = 'GB 123 4567 89', \"Receipt Footer\" = 'Thank you for mooring with us', "
            u"TermsandConditions = 'Berths are let by the night.'"_s));
        QVERIFY(exec(
            u"INSERT INTO Customer (ID, Name, HouseName, Street, Area, Town, PostCode, TelNo, MobileNo, EmailAddress, "
            u"Notes, ClubMember, MembershipNo) VALUES (1, 'Ann O''Neill', 'Gull House', 'Quay Street', 'Hamworthy', "
            u"'Poole', 'BH15 1AA', '01202 123456', '07700 900123', 'ann@example.co.uk', 'Prefers the east pontoon', "
            u"1, 'M-77'), (2, 'Bob Hale', '9', 'High St', 'Centre', 'Wareham', 'BH20 4AA', '', '', '', '', 0, '')"_s));
        // Booking 1: Ann, 2 adults, 1 child; booking 2: Bob, counts not recorded.
        QVERIFY(exec(
            u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, BookedBy, Notes, NoAdults, NoKids, CostOfHire, "
            u"OtherCharges, VAT, TotalPayable, AmountPayed, BerthConfirmationNumber, GuestConfirmationNumber) VALUES "
            u"(1, 1, '2026-06-05 14:30:00', '2026-06-07 10:00:00', 'Sue', 'Arrives late', 2, 1, 12345000, 500000, "
            u"2248750, 15093750, 10000000, 41, 'G-9'), "
            u"(2, 2, '2026-07-01 09:00:00', '2026-07-02 14:00:00', 'Tom', 'Bob''s notes', -1, -1, 500000, 0, "
            u"87500, 587500, 0, 42, 'G-10')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1)"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 1)"_s));
        // Booking 1 brings Ann's boat.
        QVERIFY(exec(u"INSERT INTO Boat (ID, CustomerID, Name, Kind, LengthCm) VALUES (3, 1, 'Kittiwake', 0, 750)"_s));
        QVERIFY(exec(u"UPDATE Booking SET BoatID = 3 WHERE ID = 1"_s));
        // Booking 1's hire as it was agreed: a night on the daily charge and a regatta week.
        QVERIFY(exec(u"INSERT INTO BookingCharge (BookingID, Line, Berth, Season, Unit, Quantity, Rate, Amount) VALUES "
                     u"(1, 2, 'A1', 'Regatta', 2, 1, 8895000, 8895000), (1, 1, 'A1', NULL, 0, 1, 3450000, 3450000)"_s));
    }

    std::unique_ptr<BookingSummaryWindow> m_summary;
    void tearDown() override { m_summary.reset(); }

    std::unique_ptr<BookingSummaryWindow> openSummary(int id)
    {
        auto window = std::make_unique<BookingSummaryWindow>(m_install->services);
        return window->prepare(id) ? std::move(window) : nullptr;
    }
    // Prepares the summary the case then drives.
    bool show(int id) { return bool(m_summary = openSummary(id)); }

    /// The lines of every page of a PDF, blanks squeezed.
    static QList<QStringList> pdfPages(const QString& path)
    {
        QList<QStringList> pages;
        for (const QString& page : PdfReader::pages(path))
            pages << PdfReader::lines(page);
        return pages;
    }

    /// The company heading both documents start with.
    static QStringList heading()
    {
        return texts(u"Poole Quay Marina|1 Quay Street|Old Town|Poole|Dorset|BH15 1HJ|Telephone No: 01202 000111"_s);
    }
    static QStringList texts(const QString& joined) { return joined.split(u'|'); }

    /// The first expected text missing from the lines in this order, followed by the lines; empty when all stand.
    static QString missing(const QStringList& lines, const QStringList& expected)
    {
        const QString all = lines.join(u'\n');
        qsizetype at = 0;
        for (const QString& text : expected) {
            const qsizetype found = all.indexOf(text, at);
            if (found < 0)
                return text + u"\n--- in:\n"_s + all;
            at = found + text.size();
        }
        return {};
    }

    using CountsRow = std::tuple<int, int, QString>;

private slots:
    // The booking shown, and the InvTemp row that holds the last booking shown.
    void showsTheBookingAndKeepsItInInvTemp()
    {
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM InvTemp"_s), 0);
        QVERIFY(show(1));
        QCOMPARE(m_summary->windowTitle(), u"Reservation summary"_s);
        QCOMPARE(::texts(*m_summary, {"lblDates", "lblName", "lblAddress", "lblPhone"}),
                 u"05/06/2026 14:30 to 07/06/2026 10:00|Ann O'Neill, Gull House|Quay Street, Hamworthy, Poole, "
                 u"BH15 1AA|01202 123456"_s);
        QCOMPARE(::texts(*m_summary, {"Text1", "Text2", "Text3", "Text4", "Text5"}),
                 u"£1234.50|£50.00|£224.88|£1509.38|£1000.00"_s);
        QCOMPARE(::texts(*m_summary, {"lblBoat", "lblBerths", "lblCharges", "txtNotes", "txtCnotes"}),
                 u"Boat: Kittiwake, 7.50 m|Berth(s): A1|A1, daily charge: 1 night at £345.00 = £345.00\nA1, Regatta: "
                 u"1 week at £889.50 = £889.50|Arrives late|Prefers the east pontoon"_s);

        QTest::mouseClick(control<QLabel>(*m_summary, "Label38"), Qt::LeftButton);
        QCOMPARE(m_install->desktop.opened, QList<QUrl>{QUrl(u"mailto:ann@example.co.uk"_s)});

        // Booking 2 shown next takes the one row.
        QVERIFY(openSummary(2));
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM InvTemp"_s), 1);
        QCOMPARE(m_install->text(u"SELECT ID || '|' || CompanyID || '|' || CustomerID || '|' || FromDate || '|' || "
                                 u"BookedBy || '|' || TotalPayable || '|' || GuestConfirmationNumber || '|' || Notes "
                                 u"FROM InvTemp"_s),
                 u"2|7|2|2026-07-01 09:00:00|Tom|587500|G-10|Bob's notes"_s); // the company's own ID, not the default
        // A booking that does not exist is not shown and leaves the row as it was; nor one whose customer is gone.
        QVERIFY(!openSummary(99));
        QVERIFY(exec(u"DELETE FROM Customer WHERE ID = 1"_s));
        QVERIFY(!openSummary(1));
        QCOMPARE(m_install->text(u"SELECT CAST(COUNT(*) AS TEXT) || ':' || CAST(max(ID) AS TEXT) FROM InvTemp"_s),
                 u"1:2"_s);
        QVERIFY2(m_install->messages.calls.isEmpty(), qPrintable(said()));
    }

    void countsLine_data()
    {
        // shown: which of lblNoAdults, lblAdults, lblNoKids, lblKids show, as 0/1
        const DataRows<CountsRow> row;
        row("both recorded", {2, 0, u"1111"_s});
        row("adults not recorded", {-1, 3, u"0101"_s});
        row("kids not recorded", {2, -1, u"1010"_s});
    }
    void countsLine()
    {
        const auto& [adults, kids, shown] = fetchRow<CountsRow>();
        QVERIFY(exec(u"UPDATE Booking SET NoAdults = ?, NoKids = ? WHERE ID = 1"_s, {adults, kids}));
        QVERIFY(show(1));
        QString seen;
        for (const char* name : {"lblNoAdults", "lblAdults", "lblNoKids", "lblKids"})
            seen += control<QLabel>(*m_summary, name)->isHidden() ? u'0' : u'1';
        QCOMPARE(seen, shown);
    }

    void cancelFromTheSummary()
    {
        QVERIFY(show(1));
        const QString entry =
            ::entry(*m_install, 13, u"From: 05.06.2026 14:30 to 07.06.2026 10:00, Customer:Ann O'Neill, Gull House"_s);
        for (const bool yes : {false, true}) {
            m_install->messages.answers << (yes ? MsgResult::Yes : MsgResult::No);
            click(*m_summary, "Command2");
            QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = 1"_s), yes ? 0 : 1);
            QCOMPARE(logText().contains(entry), yes);
            QCOMPARE(control<QPushButton>(*m_summary, "Command1")->isEnabled(), !yes);
        }
        const QString asked = u"Cancel booking: Do you want to delete existing reservation?"_s;
        QCOMPARE(said(), asked + u'\n' + asked);
    }

    // Bob's booking, 1 to 2 July 2026, £58.75 owed: asked about a day early, checked in on the day, checked out
    // after the balance is taken, and the departure undone.
    void arriveAndDepartFromTheSummary()
    {
        m_install->clock.current = DateTimes::wallTime(QDate(2026, 6, 30), QTime(16, 0));
        QVERIFY(show(2));
        auto* arrive = control<QPushButton>(*m_summary, "cmdArrive");
        QVERIFY(!control<QPushButton>(*m_summary, "cmdDepart")->isEnabled());
        m_install->messages.answers << MsgResult::No;
        click(*m_summary, "cmdArrive");
        VERIFY_HAS(said(), u"Bob Hale is booked to arrive on "_s);
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 2"_s), 0);

        m_install->clock.current = DateTimes::wallTime(QDate(2026, 7, 1), QTime(10, 5));
        click(*m_summary, "cmdArrive");
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 2"_s), 1);
        const QString desk = Ledger::deskName();
        QCOMPARE(control<QLabel>(*m_summary, "lblStay")->text(),
                 u"Guest: Arrived "_s + m_install->clock.current.toString(DateTimes::dateTimeFormat()) + u" at "_s +
                     desk);
        VERIFY_HAS(logText(), u"[Guest arrived]\r\nBooking 2, Bob Hale, 01.07.2026 09:00 to 02.07.2026 14:00, "
                              u"arrived 01.07.2026 10:05 at "_s +
                                  desk + u"\r\n"_s);
        QVERIFY(!arrive->isEnabled());

        // Depart: the balance first. Cancel goes back; Yes takes the payment, then the guest leaves.
        m_install->clock.current = DateTimes::wallTime(QDate(2026, 7, 2), QTime(10, 30));
        m_install->messages.answers << MsgResult::Cancel << MsgResult::Yes;
        click(*m_summary, "cmdDepart");
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 2"_s), 1);
        onNextModal([](QDialog* dialog) {
            type(*dialog, "txtAmount", u"58.75"_s);
            click(*dialog, "cmdOK");
        });
        click(*m_summary, "cmdDepart");
        VERIFY_HAS(said(), u"Bob Hale still owes £58.75 (paid £0.00 of £58.75)."_s);
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 2"_s), 2);
        QCOMPARE(control<QLabel>(*m_summary, "lblBalance")->text(), u"Paid £58.75 of £58.75: balance due £0.00"_s);
        VERIFY_HAS(logText(), u"[Payment recorded]"_s);
        VERIFY_HAS(logText(), u"[Guest departed]\r\nBooking 2, Bob Hale, 01.07.2026 09:00 to 02.07.2026 14:00, "
                              u"departed 02.07.2026 10:30 at "_s);

        m_install->messages.answers << MsgResult::Yes;
        click(*m_summary, "cmdUndoStay");
        VERIFY_HAS(said(), u"Bob Hale is departed. Put the stay back to arrived?"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 2"_s), 1);
        VERIFY_HAS(logText(), u"[Guest's stay put back]\r\nBooking 2, Bob Hale"_s);
        QVERIFY(control<QPushButton>(*m_summary, "cmdDepart")->isEnabled());
    }

    void editOpensTheWizardOnTheSameBooking()
    {
        MainWindow main(m_install->services);
        QVERIFY(showActive(main));
        QPointer<QDialog> seen;
        onNextModal([&](QDialog* dialog) {
            seen = dialog;
            QCOMPARE(dialog->objectName(), u"frmBookingSummary"_s);
            click(*dialog, "Command1");
        });
        BookingSummaryWindow::display(main, m_install->services, 2);
        QVERIFY(!seen); // closed and gone before the wizard comes up
        auto* wizard = qobject_cast<BookingWizard*>(main.findWindow(u"frmBooking"_s));
        QVERIFY(wizard);
        QCOMPARE(wizard->mode(), RecordMode::Edit);
        QCOMPARE(wizard->bookingId(), 2);
        QCOMPARE(control<QLineEdit>(*wizard, "txtBookedBy")->text(), u"Tom"_s);

        // Close and a booking that does not exist open nothing more.
        onNextModal([](QDialog* dialog) { click(*dialog, "Command3"); });
        BookingSummaryWindow::display(main, m_install->services, 1);
        QCOMPARE(qobject_cast<BookingWizard*>(main.findWindow(u"frmBooking"_s))->bookingId(), 2);
        BookingSummaryWindow::display(main, m_install->services, 99);
        QCOMPARE(qobject_cast<BookingWizard*>(main.findWindow(u"frmBooking"_s))->bookingId(), 2);
    }

    // A payment and a refund from the summary, each refused once as a clerk might mistype it; the invoice they
    // print on, numbered once; and the booking cancelled with its money kept as credit.
    void ledgerFromTheSummary()
    {
        QVERIFY(exec(u"UPDATE Company SET LastInvoiceNumber = 500"_s));
        QVERIFY(show(2));
        QCOMPARE(control<QLabel>(*m_summary, "lblBalance")->text(), u"Paid £0.00 of £58.75: balance due £58.75"_s);
        QVERIFY(!control<QPushButton>(*m_summary, "cmdRefund")->isEnabled());
        const auto pay = [&](const char* button, const QString& first, const QString& second) {
            onNextModal([=](QDialog* dialog) {
                type(*dialog, "txtAmount", first);
                click(*dialog, "cmdOK");
                QVERIFY(dialog->isVisible()); // refused: the typing stays for a correction
                type(*dialog, "txtAmount", second);
                type(*dialog, "txtReference", u"slip 12"_s);
                click(*dialog, "cmdOK");
            });
            click(*m_summary, button);
        };
        // Eleven nines are told the payment's limit, as £10,000,000.01 is (a zero is the ledger's to refuse).
        pay("cmdRecordPayment", u"99999999999"_s, u"20"_s);
        pay("cmdRefund", u"30"_s, u"5"_s);
        QCOMPARE(said(), u"Record Payment: An amount cannot be more than £10,000,000.00.\n"
                         u"Refund: A refund cannot be more than what was paid (£20.00)."_s);
        auto* list = m_summary->findChild<QTreeWidget*>(u"lstPayments"_s);
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(1)->text(3), u"-£5.00"_s);
        QCOMPARE(control<QLabel>(*m_summary, "lblBalance")->text(), u"Paid £15.00 of £58.75: balance due £43.75"_s);
        QCOMPARE(control<QLineEdit>(*m_summary, "Text5")->text(), u"£15.00"_s);

        m_install->printer.defaultName = u"Office"_s;
        click(*m_summary, "Command4");
        click(*m_summary, "Command4"); // reissued: the same number
        QCOMPARE(missing(pdfPages(m_install->printer.paperPath).value(0),
                         texts(u"Invoice Number: 501|Amount Payed: £15.00|Payment|£20.00|slip 12|Refund|-£5.00|"
                               u"Balance Due: £43.75"_s)),
                 QString());
        QCOMPARE(logText().count(u"[Invoice issued]\r\nInvoice 501 for booking 2"_s), 1);
        QCOMPARE(logText().count(u"[Payment recorded]"_s), 1);
        QCOMPARE(logText().count(u"[Refund recorded]"_s), 1);
        // A refund on the invoice: the desk is told its credit note, and the log has it.
        m_install->messages.calls.clear();
        onNextModal([](QDialog* dialog) {
            type(*dialog, "txtAmount", u"5"_s);
            click(*dialog, "cmdOK");
        });
        click(*m_summary, "cmdRefund");
        QCOMPARE(said(), u"Refund: Credit note 1 of £5.00 against invoice 501 for booking 2 was issued. It prints from "
                         u"the booking's summary, under Credit Notes."_s);
        VERIFY_HAS(logText(),
                   u"[Credit note issued]\r\nCredit note 1 of £5.00 against invoice 501 for booking 2\r\n"_s);

        onNextModal([](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), u"frmCancelPaid"_s);
            control<QRadioButton>(*dialog, "optKeepAsCredit")->setChecked(true);
            click(*dialog, "cmdOK");
        });
        click(*m_summary, "Command2");
        QCOMPARE(m_install->scalarInt(u"SELECT Cancelled FROM Booking WHERE ID = 2"_s), 1);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingBerth WHERE BookingID = 2"_s), 0);
        VERIFY_HAS(logText(), u"Customer:Bob Hale, 9, Paid: £10.00 kept as the customer's credit"_s);
        QCOMPARE(control<QLabel>(*m_summary, "lblBalance")->text(), u"Cancelled: paid £0.00"_s);
        QVERIFY(control<QLabel>(*m_summary, "lblDue")->text().contains(u"The customer holds £10.00 of credit."_s));
        for (const char* button : {"Command1", "Command2", "cmdRecordPayment", "cmdRefund"})
            QVERIFY2(!control<QPushButton>(*m_summary, button)->isEnabled(), button);
        m_install->messages.calls.clear();
        control<QAction>(*m_summary, "mnuConfirmationPrint")->trigger();
        QCOMPARE(said(), u"Booking Confirmation: The booking has been cancelled: it cannot be confirmed."_s);
    }

    void reservationFormAsPdfAndReceiptPrinted()
    {
        QVERIFY(show(1));
        const QString path = m_install->root() + u"/form.pdf"_s;
        m_install->messages.answers << MsgResult::Yes;
        m_install->files.answers << path;
        click(*m_summary, "Command5");
        QVERIFY(m_install->messages.calls.value(0).text.startsWith(u"No printer is installed."_s));
        QCOMPARE(m_install->files.calls.value(0).proposedName, u"Reservation Form 1.pdf"_s);
        const QList<QStringList> pages = pdfPages(path);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(
            missing(pages[0],
                    heading() + texts(u"Reservation Form|Reservation Number: 1|From Date: 05/06/2026 14:30|"
                                      u"To Date: 07/06/2026 10:00|Berth(s): A1|Name: Ann O'Neill|HouseName: Gull House|"
                                      u"Street: Quay Street|Area: Hamworthy|Town: Poole|Postcode: BH15 1AA|"
                                      u"TelNo: 01202 123456|MobileNo: 07700 900123|EmailAddress: ann@example.co.uk|"
                                      u"Boat: Kittiwake, 7.50 m|Client Notes: Prefers the east pontoon|ClubMember: "
                                      u"Yes|MembershipNo: M-77|"
                                      u"Reservation Notes: Arrives late|Reservation Terms and Conditions:|"
                                      u"Berths are let by the night."_s)),
            QString());
        // 36 and 19 underscores.
        QCOMPARE(pages[0].last(), u"Signature: ____________________________________ Date: ___________________"_s);
        // The same through "Save as PDF...", with no question asked.
        m_install->files.answers << m_install->root() + u"/receipt.pdf"_s;
        control<QAction>(*m_summary, "mnuPdfReceipt")->trigger();
        QCOMPARE(m_install->messages.calls.size(), 1);
        QVERIFY(pdfPages(m_install->root() + u"/receipt.pdf"_s).value(0).contains(u"INVOICE"_s));

        // On the default printer, the receipt prints every field in order.
        // Shown at another desk meanwhile, paid as much: this desk still prints booking 1.
        QVERIFY(exec(u"UPDATE Booking SET AmountPayed = 10000000 WHERE ID = 2"_s) && openSummary(2));
        m_install->printer.defaultName = u"Office"_s;
        click(*m_summary, "Command4");
        QCOMPARE(m_install->printer.jobs, QStringList{u"INVOICE"_s});
        const QList<QStringList> printed = pdfPages(m_install->printer.paperPath);
        QCOMPARE(printed.size(), 1);
        QCOMPARE(
            missing(printed[0],
                    heading() +
                        texts(u"VAT No: GB 123 4567 89|INVOICE|Invoice Number: 1|Booking Date: 05/06/2026 14:30|"
                              u"Departure Date: 07/06/2026 10:00|Berth(s): A1|"
                              u"Booked By: Sue|Ann O'Neill|Gull House|Quay Street|Hamworthy|Poole|BH15 1AA|"
                              u"Boat: Kittiwake, 7.50 m|"
                              u"Booking charges,|Cost Of Hire: £1,234.50|A1, daily charge: 1 night at £345.00|£345.00|"
                              u"A1, Regatta: 1 week at £889.50|£889.50|Other Charges: £50.00|VAT: £224.88|"
                              u"Total Payable: £1,509.38|Amount Payed: £1,000.00|Berth Confirmation Number: 41|"
                              u"Guest Confirmation Number: G-9|Notes: Arrives late|"
                              u"Thank you for mooring with us"_s)),
            QString());
    }

    // The booking confirmation printed from the summary, and another booking's saved as PDF, while the database
    // refuses every change: the price by season, the deposit and balance with their days (the company's terms, or
    // what was agreed for the booking), the terms; no invoice number. Then a refund after the invoice: its credit
    // note printed from the summary.
    void confirmationAndCreditNote()
    {
        QVERIFY(exec(u"UPDATE Company SET DepositKind = 1, DepositAmount = 2000000, BalanceDueDays = 14"_s));
        QVERIFY(exec(u"UPDATE Booking SET Created = '2026-05-01 10:00:00'"_s));
        QVERIFY(exec(u"UPDATE Booking SET DepositDue = 100000, DepositBy = '2026-06-10 00:00:00', BalanceBy = "
                     u"'2026-06-20 00:00:00' WHERE ID = 2"_s));
        QVERIFY(show(1));
        QVERIFY(!control<QPushButton>(*m_summary, "cmdCreditNotes")->isEnabled());
        m_install->printer.defaultName = u"Office"_s;
        const QString path = m_install->root() + u"/confirmation.pdf"_s;
        m_install->files.answers << path;
        QVERIFY(m_install->refuseChanges(true));
        control<QAction>(*m_summary, "mnuConfirmationPrint")->trigger();
        const bool saved = DocumentsMenu::confirmation(m_install->services, 2, DocumentsMenu::Outlet::Pdf, nullptr);
        QVERIFY(m_install->refuseChanges(false));
        QVERIFY(saved);
        QCOMPARE(said(), QString());
        QCOMPARE(m_install->printer.jobs, QStringList{u"BOOKING CONFIRMATION"_s});
        const QList<QStringList> printed = pdfPages(m_install->printer.paperPath);
        QCOMPARE(printed.size(), 1);
        QCOMPARE(missing(printed[0],
                         heading() + texts(u"VAT No: GB 123 4567 89|BOOKING CONFIRMATION|Ann O'Neill|Gull House|"
                                           u"Quay Street|Hamworthy|Poole|BH15 1AA|Booking Number: 1|"
                                           u"Confirmation Number: 41|Arrival: Fri 05/06/2026 14:30|"
                                           u"Departure: Sun 07/06/2026 10:00|Berth(s): A1|Boat: Kittiwake, 7.50 m|"
                                           u"Price|Cost Of Hire: £1,234.50|A1, daily charge: 1 night at £345.00|"
                                           u"£345.00|A1, Regatta: 1 week at £889.50|£889.50|Other Charges: £50.00|"
                                           u"VAT: £224.88|Total Payable: £1,509.38|Paid to date: £1,000.00|"
                                           u"Deposit due: £0.00 deposit of £200.00 paid|"
                                           u"Balance due: £509.38 by Fri 22/05/2026|Notes: Arrives late|"
                                           u"Terms and Conditions:|Berths are let by the night.|"
                                           u"Thank you for mooring with us"_s)),
                 QString());
        QVERIFY(!printed[0].join(u'\n').contains(u"Invoice"_s, Qt::CaseInsensitive));
        QCOMPARE(missing(pdfPages(path).value(0),
                         texts(u"BOOKING CONFIRMATION|Bob Hale|Booking Number: 2|Arrival: Wed 01/07/2026 09:00|"
                               u"Total Payable: £58.75|Paid to date: £0.00|Deposit due: £10.00 by Wed 10/06/2026|"
                               u"Balance due: £48.75 by Sat 20/06/2026"_s)),
                 QString());
        QCOMPARE(m_install->scalarInt(u"SELECT LastInvoiceNumber FROM Company"_s), 0);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE InvoiceNumber IS NOT NULL"_s), 0);

        const qint64 invoice = *Ledger::issueInvoice(m_install->db(), 1);
        QVERIFY(Ledger::record(m_install->db(), 1, {Ledger::Kind::Refund, {}, Money::fromPence(12550), {}, {}},
                               m_install->clock.current, u"desk"_s));
        QVERIFY(show(1));
        control<QAction>(*m_summary, "mnuCreditNote1Print")->trigger();
        QCOMPARE(m_install->printer.jobs.last(), u"CREDIT NOTE 1"_s);
        QCOMPARE(missing(pdfPages(m_install->printer.paperPath).value(0),
                         heading() + texts(u"CREDIT NOTE|Credit Note Number: 1|Date: Fri 04/12/2026|"
                                           u"Against Invoice Number: %1|Ann O'Neill|Gull House|Booking Number: 1|"
                                           u"Confirmation Number: 41|"
                                           u"Period: Fri 05/06/2026 14:30 to Sun 07/06/2026 10:00|Berth(s): A1|"
                                           u"Amount Credited: £125.50|Thank you for mooring with us"_s.arg(invoice))),
                 QString());
        // The invoice lists it, and what it asks after it.
        click(*m_summary, "Command4");
        QCOMPARE(missing(pdfPages(m_install->printer.paperPath).value(0),
                         texts(u"INVOICE|Invoice Number: %1|Total Payable: £1,509.38|Amount Payed: £874.50|"
                               u"Credit notes,|Credit note 1 04/12/2026|-£125.50|"
                               u"Net after credit notes: £1,383.88"_s.arg(invoice))),
                 QString());
        // The summary says what booking 2 agreed: its own deposit and days, all of it late by now.
        QVERIFY(show(2));
        QCOMPARE(control<QLabel>(*m_summary, "lblDue")->text(),
                 u"Deposit £10.00 due by 10/06/2026; £58.75 still owed, all due by 20/06/2026; £58.75 overdue"_s);
    }

    void longNotesRunOntoASecondPage()
    {
        QStringList notes;
        for (int i = 1; i <= 50; ++i)
            notes << u"Note %1: the tender waits at the slipway."_s.arg(i);
        QVERIFY(exec(u"UPDATE Booking SET Notes = ? WHERE ID = 1"_s, {notes.join(u'\n')}));
        QVERIFY(openSummary(1));
        const auto data = BookingDocuments::load(m_install->db());
        QVERIFY(data);
        const QString path = m_install->root() + u"/form.pdf"_s;
        QVERIFY(DocumentRenderer::writePdf(BookingDocuments::reservationForm(*data), path));
        const QList<QStringList> pages = pdfPages(path);
        QCOMPARE(pages.size(), 2);
        QString all;
        for (const QStringList& page : pages) {
            QCOMPARE(page.last(), BookingDocuments::signatureLine(data->words));
            all += page.join(u'\n') + u'\n';
        }
        // Every note once, in order; the customer's block whole on one page.
        QCOMPARE(missing(all.split(u'\n'), notes), QString());
        for (const QString& note : notes)
            QCOMPARE(all.count(note), 1);
        QCOMPARE(missing(pages[0], {u"Name: Ann O'Neill"_s, u"EmailAddress: ann@example.co.uk"_s}), QString());
        QVERIFY(pages[1].join(u'\n').contains(u"Reservation Terms and Conditions:"_s));
    }
};

ZEM_TEST(tst_BookingSummary)
#include "tst_BookingSummary.moc"
