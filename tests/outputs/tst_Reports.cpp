#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "core/ui/DocumentRenderer.h"
#include "outputs/OptionalDateEdit.h"
#include "outputs/ReportLayouts.h"
#include "outputs/frmReports.h"
#include "shell/MDIMain.h"

#include <QMdiArea>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

using ReportData::List;

// The report manager and its printed layouts, read back from PDF files with poppler's tools.
class tst_Reports : public InstallTest
{
    Q_OBJECT

    void Seed() override
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (ID, Name, HouseName, TelNo) VALUES "
                                u"(1, 'Smith', 'Rose Cottage', '01983 123456'), (2, 'Ng', NULL, NULL)"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO Berth (ID, Name) VALUES (1, 'A1'), (2, 'B7'), (3, 'C12')"_s));
    }

    /// count more bookings, one a day from 1 June 2026 for one night, each on berths C12 and A1; every other one for
    /// Ng.
    void AddBookings(int count, qint64 totalUnits = 12345000, qint64 paidUnits = 12345000)
    {
        for (int i = 0; i < count; ++i) {
            const int id = m_install->Int(u"SELECT count(*) FROM Booking"_s) + 1;
            const QDateTime from = modFunctions::WallTime(QDate(2026, 6, 1).addDays(id - 1), QTime(14, 0));
            QVERIFY(m_install->Exec(
                u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, CostOfHire, OtherCharges, VAT, "
                u"TotalPayable, AmountPayed) VALUES (?, ?, ?, ?, '2026-05-20 10:30:00', ?, 0, 0, ?, ?)"_s,
                {id, 2 - id % 2, modFunctions::DbDateTime(from), modFunctions::DbDateTime(from.addDays(1)), totalUnits,
                 totalUnits, paidUnits}));
            QVERIFY(m_install->Exec(u"INSERT INTO BookingBerth VALUES (?, 3), (?, 1)"_s, {id, id}));
        }
    }

    QString Pdf(const QString& name) const { return m_install->Root() + u'/' + name + u".pdf"_s; }

    /// The report manager as the main window opens it from View Reports; opened again, it is the same window.
    frmReports* Open()
    {
        m_main = std::make_unique<MDIMain>(m_install->services);
        if (!ShowActive(*m_main))
            return nullptr;
        m_main->Item(u"mnuBookingsReport"_s)->trigger();
        auto* window = qobject_cast<frmReports*>(m_main->FindChild(u"frmReports"_s));
        m_main->Item(u"mnuBookingsReport"_s)->trigger();
        return m_main->MdiArea()->subWindowList().size() == 1 ? window : nullptr;
    }
    void TearDown() override { m_main.reset(); }

    std::unique_ptr<MDIMain> m_main;

private slots:
    void threePageListReadsBack()
    {
        AddBookings(60);
        const QDateTime june1 = modFunctions::WallTime(QDate(2026, 6, 1), QTime(9, 15));
        const auto table =
            ReportData::Build(m_install->Db(), List::AllBookings, june1, june1.addDays(59), m_install->clock.now);
        QVERIFY(table && table->rows.size() == 60);
        // As many bookings as fill exactly three pages on this machine's fonts.
        ReportData::BookingList part{table->heading, {}};
        QPdfWriter probe(Pdf(u"probe"_s));
        probe.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        while (DocumentRenderer::Paginate(ReportLayouts::Layout(List::AllBookings, part), probe).size() < 4)
            part.rows << table->rows[part.rows.size()];
        part.rows.removeLast();
        QVERIFY(DocumentRenderer::WritePdf(ReportLayouts::Layout(List::AllBookings, part), Pdf(u"list"_s)));

        QCOMPARE(PdfReader::PageCount(Pdf(u"list"_s)), 3);
        QVERIFY(PdfReader::Run(u"pdfinfo"_s, {Pdf(u"list"_s)})->contains(u"Report of Booking"_s));
        const QStringList pages = PdfReader::Pages(Pdf(u"list"_s));
        QStringList labels;
        for (int p = 0; p < pages.size(); ++p) {
            const QStringList lines = PdfReader::Lines(pages[p]);
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
        AddBookings(2, 12345000, 5000000); // £1,234.50 payable, £500.00 paid
        const auto sales = ReportData::Build(m_install->Db(), List::PeriodSales, {}, {}, m_install->clock.now);
        QVERIFY(DocumentRenderer::WritePdf(ReportLayouts::Layout(List::PeriodSales, *sales), Pdf(u"sales"_s)));
        const QStringList lines = PdfReader::Lines(PdfReader::Pages(Pdf(u"sales"_s)).value(0));
        QCOMPARE(lines.value(0), u"Client: Date: Unit Hire Other VAT Total"_s);
        QVERIFY(lines.contains(u"Smith, Rose Cottage 01.06.2026 14:00 C12, A1 £1,234.50 £0.00 £0.00 £1,234.50"_s));
    }

    void balanceDueIsPrintedAtOnce()
    {
        AddBookings(2, 12345000, 5000000); // £1,234.50 payable, £500.00 paid
        AddBookings(1);                    // a paid-up booking is not listed
        frmReports* window = Open();
        QVERIFY(window);
        // Without a printer the report is offered as a PDF file.
        m_install->messages.answers << MsgResult::Yes;
        m_install->files.answers << Pdf(u"outstanding"_s);
        Click(*window, "cmdAvailableBerths");
        QCOMPARE(m_install->messages.calls.value(0).buttons, MsgButtons::YesNo);
        QVERIFY(QFile::exists(Pdf(u"outstanding"_s)));

        m_install->printer.defaultName = u"Office"_s;
        m_install->printer.paperPath = Pdf(u"paper"_s);
        Click(*window, "cmdAvailableBerths");
        QCOMPARE(m_install->printer.jobs, QStringList({u"Reservations With Balance Due"_s}));
        const QStringList paper = PdfReader::Lines(PdfReader::Pages(Pdf(u"paper"_s)).value(0));
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
        frmReports* window = Open();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), u"Report Manager"_s);
        QCOMPARE(Control<OptionalDateEdit>(*window, "dtpFrom")->Value(), m_install->clock.now);
        QCOMPARE(Control<OptionalDateEdit>(*window, "dtpTo")->Value(), m_install->clock.now);
        QVERIFY(!Control<OptionalDateEdit>(*window, "dtpFrom1")->Value());
        QCOMPARE(Control<QPushButton>(*window, "cmdAllBooking")->text(), u"List of all up comming bookings"_s);
        QVERIFY(Control<QLabel>(*window, "Label3")->text().contains(u"endevour"_s));

        // Nothing in the period: nothing to print, no preview.
        AddBookings(3);
        Click(*window, "cmdAllBooking");
        QCOMPARE(m_install->messages.Said(), u"Zem Harbour: Nothing to print!"_s);

        // The sales period left open at both ends takes every booking; its preview saves a PDF file.
        QString title;
        int pages = 0;
        m_install->files.answers << Pdf(u"saved"_s);
        OnNextModal([&](QDialog* dialog) {
            title = dialog->windowTitle();
            pages = dialog->findChild<QPrintPreviewWidget*>()->pageCount();
            dialog->findChild<QAction*>(u"actSaveAsPdf"_s)->trigger();
        });
        Click(*window, "Command4");
        QCOMPARE(title + u'|' + QString::number(pages), u"Period Sales|1"_s);
        QVERIFY(PdfReader::Pages(Pdf(u"saved"_s)).value(0).contains(u"Period Sales"_s));
        QCOMPARE(m_install->messages.calls.size(), 1);

        Click(*window, "cmdExit");
        QTRY_VERIFY(!m_main->FindChild(u"frmReports"_s));
    }
};

ZEM_TEST(tst_Reports)
#include "tst_Reports.moc"
