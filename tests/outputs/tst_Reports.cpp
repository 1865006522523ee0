#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "core/ui/DocumentRenderer.h"
#include "outputs/OptionalDateEdit.h"
#include "outputs/ReportLayouts.h"
#include "outputs/ReportManager.h"
#include "shell/MainWindow.h"

#include <QMdiArea>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

using BookingReports::List;

// The report manager and its printed layouts, read back from PDF files with poppler's tools.
class tst_Reports : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(m_install->exec(u"INSERT INTO Customer (ID, Name, HouseName, TelNo) VALUES "
                                u"(1, 'Smith', 'Rose Cottage', '01983 123456'), (2, 'Ng', NULL, NULL)"_s));
        QVERIFY(m_install->exec(u"INSERT INTO Berth (ID, Name) VALUES (1, 'A1'), (2, 'B7'), (3, 'C12')"_s));
    }

    /// count more bookings, one a day from 1 June 2026 for one night, each on berths C12 and A1; every other one for
    /// Ng.
    void addBookings(int count, qint64 totalUnits = 12345000, qint64 paidUnits = 12345000)
    {
        for (int i = 0; i < count; ++i) {
            const int id = m_install->scalarInt(u"SELECT count(*) FROM Booking"_s) + 1;
            const QDateTime from = DateTimes::wallTime(QDate(2026, 6, 1).addDays(id - 1), QTime(14, 0));
            QVERIFY(m_install->exec(
                u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, CostOfHire, OtherCharges, VAT, "
                u"TotalPayable, AmountPayed) VALUES (?, ?, ?, ?, '2026-05-20 10:30:00', ?, 0, 0, ?, ?)"_s,
                {id, 2 - id % 2, DateTimes::dbDateTime(from), DateTimes::dbDateTime(from.addDays(1)), totalUnits,
                 totalUnits, paidUnits}));
            QVERIFY(m_install->exec(u"INSERT INTO BookingBerth VALUES (?, 3), (?, 1)"_s, {id, id}));
        }
    }

    QString pdf(const QString& name) const { return m_install->root() + u'/' + name + u".pdf"_s; }

    /// The report manager as the main window opens it from View Reports; opened again, it is the same window.
    ReportManager* open()
    {
        m_main = std::make_unique<MainWindow>(m_install->services);
        if (!showActive(*m_main))
            return nullptr;
        m_main->menuItem(u"mnuBookingsReport"_s)->trigger();
        auto* window = qobject_cast<ReportManager*>(m_main->findWindow(u"frmReports"_s));
        m_main->menuItem(u"mnuBookingsReport"_s)->trigger();
        return m_main->mdiArea()->subWindowList().size() == 1 ? window : nullptr;
    }
    void tearDown() override { m_main.reset(); }

    std::unique_ptr<MainWindow> m_main;

private slots:
    void threePageListReadsBack()
    {
        addBookings(60);
        const QDateTime june1 = DateTimes::wallTime(QDate(2026, 6, 1), QTime(9, 15));
        const auto table = BookingReports::build(m_install->db(), List::AllBookings, june1, june1.addDays(59),
                                                 m_install->clock.current);
        QVERIFY(table && table->rows.size() == 60);
        // As many bookings as fill exactly three pages on this machine's fonts.
        BookingReports::BookingList part{table->heading, {}};
        QPdfWriter probe(pdf(u"probe"_s));
        probe.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        while (DocumentRenderer::paginate(ReportLayouts::layout(List::AllBookings, part), probe).size() < 4)
            part.rows << table->rows[part.rows.size()];
        part.rows.removeLast();
        QVERIFY(DocumentRenderer::writePdf(ReportLayouts::layout(List::AllBookings, part), pdf(u"list"_s)));

        QCOMPARE(PdfReader::pageCount(pdf(u"list"_s)), 3);
        QVERIFY(PdfReader::run(u"pdfinfo"_s, {pdf(u"list"_s)})->contains(u"Report of Booking"_s));
        const QStringList pages = PdfReader::pages(pdf(u"list"_s));
        QStringList labels;
        for (int p = 0; p < pages.size(); ++p) {
            const QStringList lines = PdfReader::lines(pages[p]);
            if (p == 0)
                QCOMPARE(lines.mid(0, 2),
                         QStringList({u"List of all up comming bookings"_s, u"From: 01.06.2026 to: 30.07.2026"_s}));
            QCOMPARE(lines.last(), u"List: %1 of 3"_s.arg(p + 1));
            for (const QString& line : lines)
                if (line.contains(u':') && !line.startsWith(u"List"_s) && !line.startsWith(u"From: 01.06.2026 to"_s))
                    labels << line;
        }
        // Every booking's block in order: the labels, the values, the berths joined, the customer with his house.
        QCOMPARE(labels.size(), part.rows.size() * 5);
        QCOMPARE(labels.mid(0, 5),
                 QStringList({u"Booking added: 20.05.2026 10:30"_s, u"From: 01.06.2026 14:00"_s,
                              u"To: 02.06.2026 14:00"_s, u"Customer: Smith, Rose Cottage"_s, u"Berth(s): C12, A1"_s}));
        QCOMPARE(labels.last(), u"Berth(s): C12, A1"_s);
        QCOMPARE(labels[8], u"Customer: Ng,"_s);
    }

    void salesAndBalanceDueShowGroupedPounds()
    {
        addBookings(2, 12345000, 5000000); // £1,234.50 payable, £500.00 paid
        const auto sales = BookingReports::build(m_install->db(), List::PeriodSales, {}, {}, m_install->clock.current);
        QVERIFY(DocumentRenderer::writePdf(ReportLayouts::layout(List::PeriodSales, *sales), pdf(u"sales"_s)));
        const QStringList lines = PdfReader::lines(PdfReader::pages(pdf(u"sales"_s)).value(0));
        QCOMPARE(lines.value(0), u"Client: Date: Unit Hire Other VAT Total"_s);
        QVERIFY(lines.contains(u"Smith, Rose Cottage 01.06.2026 14:00 C12, A1 £1,234.50 £0.00 £0.00 £1,234.50"_s));
    }

    void balanceDueIsPrintedAtOnce()
    {
        addBookings(2, 12345000, 5000000); // £1,234.50 payable, £500.00 paid
        addBookings(1);                    // a paid-up booking is not listed
        ReportManager* window = open();
        QVERIFY(window);
        // Without a printer the report is offered as a PDF file.
        m_install->messages.answers << MsgResult::Yes;
        m_install->files.answers << pdf(u"outstanding"_s);
        click(*window, "cmdAvailableBerths");
        QCOMPARE(m_install->messages.calls.value(0).buttons, MsgButtons::YesNo);
        QVERIFY(QFile::exists(pdf(u"outstanding"_s)));

        m_install->printer.defaultName = u"Office"_s;
        m_install->printer.paperPath = pdf(u"paper"_s);
        click(*window, "cmdAvailableBerths");
        QCOMPARE(m_install->printer.jobs, QStringList({u"Reservations With Balance Due"_s}));
        const QStringList paper = PdfReader::lines(PdfReader::pages(pdf(u"paper"_s)).value(0));
        QVERIFY(paper.contains(u"Reservations With Balance Due"_s));
        const auto starting = [&paper](const QString& start) {
            return std::count_if(paper.cbegin(), paper.cend(), [&](const QString& l) { return l.startsWith(start); });
        };
        QCOMPARE(starting(u"Smith "_s) + starting(u"Ng "_s), 2);
        QVERIFY(paper.filter(u" £1,234.50 £0.00 £0.00 £1,234.50 £500.00"_s).size() == 2);
        QCOMPARE(starting(u"01983 123456"_s), 1);
        QCOMPARE(m_install->messages.calls.size(), 1);
    }

    void windowListsAndPreviews()
    {
        ReportManager* window = open();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), u"Report Manager"_s);
        QCOMPARE(control<OptionalDateEdit>(*window, "dtpFrom")->value(), m_install->clock.current);
        QCOMPARE(control<OptionalDateEdit>(*window, "dtpTo")->value(), m_install->clock.current);
        QVERIFY(!control<OptionalDateEdit>(*window, "dtpFrom1")->value());
        QCOMPARE(control<QPushButton>(*window, "cmdAllBooking")->text(), u"List of all up comming bookings"_s);
        QVERIFY(control<QLabel>(*window, "Label3")->text().contains(u"endevour"_s));

        // Nothing in the period: nothing to print, no preview.
        addBookings(3);
        click(*window, "cmdAllBooking");
        QCOMPARE(m_install->messages.said(), u"Zem Harbour: Nothing to print!"_s);

        // The sales period left open at both ends takes every booking; its preview saves a PDF file.
        QString title;
        int pages = 0;
        m_install->files.answers << pdf(u"saved"_s);
        onNextModal([&](QDialog* dialog) {
            title = dialog->windowTitle();
            pages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
            dialog->findChild<QAction*>(u"actSaveAsPdf"_s)->trigger();
        });
        click(*window, "Command4");
        QCOMPARE(title + u'|' + QString::number(pages), u"Period Sales|1"_s);
        QVERIFY(PdfReader::pages(pdf(u"saved"_s)).value(0).contains(u"Period Sales"_s));
        QCOMPARE(m_install->messages.calls.size(), 1);

        click(*window, "cmdExit");
        QTRY_VERIFY(!m_main->findWindow(u"frmReports"_s));
    }
};

ZEM_TEST(tst_Reports)
#include "tst_Reports.moc"
