#include "CsvReadBack.h"
#include "bookings/BookingSummaryWindow.h"
#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "outputs/FigureWindow.h"
#include "outputs/HarbourFigures.h"
#include "outputs/TodayWindow.h"
#include "shell/MainWindow.h"

#include <QChart>
#include <QChartView>

using HarbourFigures::Kind;
using Step = BookingFigures::Step;

Q_DECLARE_METATYPE(HarbourFigures::Kind)
Q_DECLARE_METATYPE(BookingFigures::Step)

namespace {
QStringList rowsOf(const HarbourFigures::Figure& figure)
{
    QStringList rows;
    for (const QStringList& row : figure.rows)
        rows << row.join(u'|');
    return rows;
}
/// The lines of a window's list, their cells joined by '|'.
QStringList linesOf(const QWidget& window, const char* name)
{
    const auto* list = control<QTreeWidget>(window, name);
    QStringList lines;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->topLevelItem(i)->text(c);
        lines << cells.join(u'|');
    }
    return lines;
}
} // namespace

// The harbour's figures as they are shown, printed and refused, and the Today window.
class tst_Figures : public InstallTest
{
    Q_OBJECT

    // Pontoons A1 and A2, swing mooring M1, and A3 (inactive). In July 2026: on A1 1-3 July (2 nights) and a day
    // visit on 2 July; on M1 2-4 July (2 nights); one cancelled stay in July; on A2 10-12 September.
    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann'), (2, 'Bob')"_s));
        QVERIFY(exec(u"INSERT INTO BerthType (ID, Type) VALUES (91, 'Pontoon'), (92, 'Swing mooring')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Active) VALUES (1, 'A1', 91, 1), "
                     u"(2, 'A2', 91, 1), (3, 'M1', 92, 1), (4, 'A3', 91, 0)"_s));
        const auto add = [this](int id, const char* from, const char* to, int berth, qint64 hire, int cancelled,
                                const char* created) {
            QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, CostOfHire, OtherCharges, "
                         u"VAT, TotalPayable, AmountPayed, Cancelled) VALUES (?, 1, ?, ?, ?, ?, 50000, ?, ?, 0, ?)"_s,
                         {id, QString::fromLatin1(from), QString::fromLatin1(to), QString::fromLatin1(created), hire,
                          hire / 5, hire + 50000 + hire / 5, cancelled}));
            if (berth)
                QVERIFY(exec(u"INSERT INTO BookingBerth VALUES (?, ?)"_s, {id, berth}));
        };
        add(1, "2026-07-01 14:00:00", "2026-07-03 10:00:00", 1, 1000000, 0, "2026-06-01 10:00:00");
        add(2, "2026-07-03 11:00:00", "2026-07-03 17:00:00", 1, 200000, 0, "2026-07-03 08:00:00");
        add(3, "2026-07-02 14:00:00", "2026-07-04 10:00:00", 3, 1500000, 0, "2026-06-22 10:00:00");
        add(4, "2026-07-05 14:00:00", "2026-07-09 10:00:00", 0, 9000000, 1, "2026-06-22 10:00:00");
        add(5, "2026-09-10 14:00:00", "2026-09-12 10:00:00", 2, 800000, 0, "2026-09-01 10:00:00");
    }

    Result<HarbourFigures::Figure> figure(Kind kind, const QDate& first, const QDate& last, Step step = Step::Month)
    {
        return HarbourFigures::build(m_install->db(), {kind, first, last, step});
    }

    std::unique_ptr<MainWindow> m_main;
    void tearDown() override { m_main.reset(); }
    using PeriodRow = std::tuple<Kind, QDate, QDate, Step, QString>;

private slots:
    void periodProblems_data()
    {
        const DataRows<PeriodRow> row;
        const QDate d(2026, 1, 1);
        row("one day", {Kind::Revenue, d, d, Step::Month, QString()});
        row("ends before it starts",
            {Kind::Occupancy, d, d.addDays(-1), Step::Day, u"The period ends before it starts."_s});
        row("no first day",
            {Kind::Stays, QDate(), d, Step::Month, u"Enter the first and the last day of the period."_s});
        row("fifty years less a day", {Kind::Revenue, d, d.addYears(50).addDays(-1), Step::Month, QString()});
        row("fifty years", {Kind::BusiestBerths, d, d.addYears(50), Step::Month,
                            u"A period of more than 50 years cannot be shown."_s});
        row("400 days by day", {Kind::Occupancy, d, d.addDays(399), Step::Day, QString()});
        row("401 days by day",
            {Kind::Occupancy, d, d.addDays(400), Step::Day,
             u"The chart would have 401 bars, more than 400: choose weeks or months for a period this long."_s});
        row("the step is occupancy's alone", {Kind::Revenue, d, d.addYears(5), Step::Day, QString()});
    }
    void periodProblems()
    {
        const auto& [kind, first, last, step, problem] = fetchRow<PeriodRow>();
        QCOMPARE(HarbourFigures::periodProblem({kind, first, last, step}), problem);
        const auto built = figure(kind, first, last, step);
        QCOMPARE(built.kind(), problem.isEmpty() ? FailureKind::None : FailureKind::Refused);
        QCOMPARE(built.error(), problem);
    }

    void figuresReadAsTheBookingsSay()
    {
        const QDate jul1(2026, 7, 1);
        // 1 July: A1; 2 July: A1 and M1; 3 July: M1 (the day visit sells no night). Three berths active now.
        const auto occupancy = figure(Kind::Occupancy, jul1, jul1.addDays(3), Step::Day);
        QVERIFY2(occupancy, qPrintable(occupancy.error()));
        QCOMPARE(occupancy->columns, QStringList({u"Period"_s, u"Nights sold"_s, u"Nights available"_s, u"All berths"_s,
                                                  u"Pontoon"_s, u"Swing mooring"_s}));
        QCOMPARE(rowsOf(*occupancy),
                 QStringList({u"Wed 01/07/2026|1|3|33.3%|50.0%|0.0%"_s, u"Thu 02/07/2026|2|3|66.7%|50.0%|100.0%"_s,
                              u"Fri 03/07/2026|1|3|33.3%|0.0%|100.0%"_s, u"Sat 04/07/2026|0|3|0.0%|0.0%|0.0%"_s}));
        QCOMPARE(occupancy->bars.first().values, QList<double>({100.0 / 3, 200.0 / 3, 100.0 / 3, 0}));
        QCOMPARE(occupancy->lines.size(), 2);
        QVERIFY(occupancy->emptyReason.isEmpty());

        // Money by month of arrival, the cancelled stay left out; the months between included at nothing.
        const auto revenue = figure(Kind::Revenue, jul1, QDate(2026, 9, 30));
        QVERIFY2(revenue, qPrintable(revenue.error()));
        QCOMPARE(
            rowsOf(*revenue),
            QStringList({u"Jul 2026|3|£270.00|£15.00|£54.00|£339.00"_s, u"Aug 2026|0|£0.00|£0.00|£0.00|£0.00"_s,
                         u"Sept 2026|1|£80.00|£5.00|£16.00|£101.00"_s, u"Total|4|£350.00|£20.00|£70.00|£440.00"_s}));
        QCOMPARE(revenue->bars.size(), 3);
        QVERIFY(revenue->stacked);

        // Stays: July 2 + 0 + 2 nights over 3 bookings; lead 30, 0 and 10 days.
        const auto stays = figure(Kind::Stays, jul1, QDate(2026, 9, 30));
        QVERIFY2(stays, qPrintable(stays.error()));
        QCOMPARE(rowsOf(*stays), QStringList({u"Jul 2026|3|1.3|13.3"_s, u"Aug 2026|0||"_s, u"Sept 2026|1|2.0|9.0"_s}));

        // The busiest berths over July to September (92 days), the inactive one too had it sold anything.
        const auto busiest = figure(Kind::BusiestBerths, jul1, QDate(2026, 9, 30));
        QVERIFY2(busiest, qPrintable(busiest.error()));
        QCOMPARE(rowsOf(*busiest),
                 QStringList({u"A1|Pontoon|2|2.2%"_s, u"A2|Pontoon|2|2.2%"_s, u"M1|Swing mooring|2|2.2%"_s}));
        QCOMPARE(busiest->categories, QStringList({u"M1"_s, u"A2"_s, u"A1"_s})); // drawn bottom up

        // Nothing there: an empty figure with its reason, never a division by nothing.
        const QDate winter(2027, 1, 1);
        QCOMPARE(figure(Kind::Revenue, winter, winter.addDays(30))->emptyReason,
                 u"No booking arrives in this period."_s);
        QCOMPARE(figure(Kind::BusiestBerths, winter, winter)->emptyReason, u"No night is sold in this period."_s);
        QVERIFY(exec(u"UPDATE Berth SET Active = 0"_s));
        const auto none = figure(Kind::Occupancy, jul1, jul1, Step::Day);
        QVERIFY(none->emptyReason.contains(u"(no berths)"_s));
        QCOMPARE(rowsOf(*none), QStringList({u"Wed 01/07/2026|0|0|no berths"_s}));
    }

    // From the report manager to the figure window, and from there to a PDF file with the chart and the table; then
    // the Today window.
    void figureAndTodayWindows()
    {
        m_main = std::make_unique<MainWindow>(m_install->services);
        QVERIFY(showActive(*m_main));
        m_main->menuItem(u"mnuBookingsReport"_s)->trigger();
        QWidget* reports = m_main->findWindow(u"frmReports"_s);
        QVERIFY(reports);
        choose(*reports, "cboFigure", u"Revenue by month"_s);
        QVERIFY(!control<QComboBox>(*reports, "cboStep")->isEnabled());
        control<QDateEdit>(*reports, "dtpFiguresFrom")->setDate(QDate(2026, 7, 1));
        control<QDateEdit>(*reports, "dtpFiguresTo")->setDate(QDate(2026, 6, 30));
        click(*reports, "cmdShowFigure");
        QCOMPARE(said(), u"Zem Harbour: The period ends before it starts."_s);
        QVERIFY(!m_main->findWindow(u"frmFigure"_s));

        control<QDateEdit>(*reports, "dtpFiguresTo")->setDate(QDate(2026, 9, 30));
        click(*reports, "cmdShowFigure");
        auto* window = qobject_cast<FigureWindow*>(m_main->findWindow(u"frmFigure"_s));
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), u"Revenue by month"_s);
        QCOMPARE(linesOf(*window, "lstFigures").value(0), u"Jul 2026|3|£270.00|£15.00|£54.00|£339.00"_s);
        QCOMPARE(control<QChartView>(*window, "chtFigure")->chart()->series().size(), 1); // one stacked series

        const QString path = m_install->root() + u"/revenue.pdf"_s;
        m_install->files.answers << path;
        click(*window, "cmdSavePdf");
        QCOMPARE(PdfReader::pageCount(path), 1);
        const QStringList lines = PdfReader::lines(PdfReader::pages(path).value(0));
        QCOMPARE(lines.value(0), u"Revenue by month"_s);
        QVERIFY(lines.contains(u"Month Bookings Hire Other charges Tax Total"_s));
        QVERIFY(lines.contains(u"Sept 2026 1 £80.00 £5.00 £16.00 £101.00"_s));
        QVERIFY(lines.contains(u"Total 4 £350.00 £20.00 £70.00 £440.00"_s));
        const auto images = PdfReader::run(u"pdfimages"_s, {u"-list"_s, path});
        QVERIFY(images && images->count(u'\n') >= 3); // a header of two lines, then the chart's picture

        // Its numbers as a file a spreadsheet reads as numbers: ISO dates, amounts with two decimals and a point.
        m_install->files.answers << m_install->root() + u"/revenue"_s;
        click(*window, "cmdExportCsv");
        QCOMPARE(m_install->files.calls.last().proposedName, u"Revenue by month"_s);
        const QList<QStringList> file = readCsvBack(m_install->root() + u"/revenue.csv"_s);
        QCOMPARE(file.size(), 4);
        QCOMPARE(file.value(0), QStringList({u"First"_s, u"Last"_s, u"Bookings"_s, u"Hire"_s, u"OtherCharges"_s,
                                             u"Tax"_s, u"Total"_s}));
        QCOMPARE(file.value(1), QStringList({u"2026-07-01"_s, u"2026-07-31"_s, u"3"_s, u"270.00"_s, u"15.00"_s,
                                             u"54.00"_s, u"339.00"_s}));
        QCOMPARE(file.value(3), QStringList({u"2026-09-01"_s, u"2026-09-30"_s, u"1"_s, u"80.00"_s, u"5.00"_s,
                                             u"16.00"_s, u"101.00"_s}));

        // Showing another figure reuses the window.
        choose(*reports, "cboFigure", u"Occupancy"_s);
        QVERIFY(control<QComboBox>(*reports, "cboStep")->isEnabled());
        click(*reports, "cmdShowFigure");
        QCOMPARE(window->windowTitle(), u"Occupancy"_s);
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 2);
        // A berth type the office named like a formula heads a column of the file as text.
        QVERIFY(exec(u"UPDATE BerthType SET Type = '=Swing' WHERE ID = 92"_s));
        control<QDateEdit>(*reports, "dtpFiguresFrom")->setDate(QDate(2026, 7, 15));
        click(*reports, "cmdShowFigure");
        m_install->files.answers << m_install->root() + u"/occupancy.csv"_s;
        click(*window, "cmdExportCsv");
        const QList<QStringList> occupancy = readCsvBack(m_install->root() + u"/occupancy.csv"_s);
        QCOMPARE(occupancy.value(0), QStringList({u"First"_s, u"Last"_s, u"NightsSold"_s, u"NightsAvailable"_s,
                                                  u"AllBerths"_s, u"'=Swing"_s, u"Pontoon"_s}));
        // July from the 15th: the month cut at the period's start, no night sold of 3 berths' 17.
        QCOMPARE(occupancy.value(1),
                 QStringList({u"2026-07-15"_s, u"2026-07-31"_s, u"0"_s, u"51"_s, u"0"_s, u"0"_s, u"0"_s}));

        // The Today window; today is 4 December 2026, 09:15.
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, TotalPayable, AmountPayed) "
                     u"VALUES (10, 2, '2026-12-04 14:00:00', '2026-12-06 10:00:00', 500000, 100000), "
                     u"(11, 1, '2026-12-01 14:00:00', '2026-12-04 10:00:00', 0, 0)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, TotalPayable, AmountPayed, BalanceBy, "
                     u"Created) VALUES (12, 1, '2026-12-07 14:00:00', '2026-12-08 10:00:00', 300000, 0, "
                     u"'2026-12-01 00:00:00', '2026-11-01 10:00:00')"_s));
        QVERIFY(exec(u"UPDATE Booking SET Created = '2026-11-01 10:00:00' WHERE ID = 10"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth VALUES (10, 3), (10, 2), (11, 1), (12, 1)"_s));
        m_main->menuItem(u"mnuBookingsToday"_s)->trigger();
        auto* today = qobject_cast<TodayWindow*>(m_main->findWindow(u"frmToday"_s));
        QVERIFY(today);
        QCOMPARE(linesOf(*today, "lstArrivals"), QStringList({u"14:00|Bob|M1, A2||£40.00"_s}));
        QCOMPARE(linesOf(*today, "lstDepartures"), QStringList({u"10:00|Ann|A1||£0.00"_s}));
        QCOMPARE(linesOf(*today, "lstInHarbour"), QStringList({u"Fri 04/12/2026 10:00|Ann|A1||£0.00"_s}));
        // Money owing says what falls due next; what is late (booking 12's agreed day) stands out.
        QCOMPARE(linesOf(*today, "lstOwing"),
                 QStringList({u"Fri 04/12/2026 14:00|Bob|M1, A2||£40.00|£40.00 due by 04/12/2026"_s,
                              u"Mon 07/12/2026 14:00|Ann|A1||£30.00|£30.00 overdue since 01/12/2026"_s}));
        const auto* owing = control<QTreeWidget>(*today, "lstOwing");
        QVERIFY(!owing->topLevelItem(0)->font(5).bold() && owing->topLevelItem(1)->font(5).bold());
        // Tonight two berths of three are taken, tomorrow night too, then none.
        QCOMPARE(control<QChartView>(*today, "chtOccupancy")->chart()->series().size(), 1);
        const auto fortnight = HarbourFigures::fortnight(m_install->db(), QDate(2026, 12, 4));
        QCOMPARE(fortnight->rows.mid(0, 3), QList<QStringList>({{u"Fri 4"_s, u"2"_s, u"66.7%"_s},
                                                                {u"Sat 5"_s, u"2"_s, u"66.7%"_s},
                                                                {u"Sun 6"_s, u"0"_s, u"0.0%"_s}}));

        // The confirmation of the line chosen in the list last used.
        auto* arrivals = control<QTreeWidget>(*today, "lstArrivals");
        arrivals->setFocus();
        QVERIFY(exec(u"UPDATE Booking SET Created = '2026-11-01 10:00:00' WHERE ID = 10"_s));
        const QString confirmationPath = m_install->root() + u"/confirmation.pdf"_s;
        m_install->files.answers << confirmationPath;
        control<QAction>(*today, "mnuConfirmationPdf")->trigger();
        const QStringList confirmation = PdfReader::lines(PdfReader::pages(confirmationPath).value(0));
        QVERIFY(confirmation.contains(u"BOOKING CONFIRMATION"_s));
        QVERIFY(confirmation.contains(u"Arrival: Fri 04/12/2026 14:00"_s));
        QVERIFY(confirmation.contains(u"Berth(s): A2, M1"_s));
        QVERIFY(confirmation.contains(u"Balance due: £40.00 by Fri 04/12/2026"_s));

        // Enter on a line opens its booking's summary; the lists are read again afterwards.
        arrivals->setFocus();
        int opened = 0;
        onNextModal([&](QDialog* dialog) {
            if (auto* summary = qobject_cast<BookingSummaryWindow*>(dialog))
                opened = summary->bookingId();
            QVERIFY(exec(u"UPDATE Booking SET FromDate = '2026-12-05 14:00:00' WHERE ID = 10"_s));
        });
        QTest::keyClick(arrivals, Qt::Key_Return);
        QCOMPARE(opened, 10);
        QCOMPARE(arrivals->topLevelItemCount(), 0);

        // Ann, checked in on the 1st, leaves at 09:15 before her 10:00: chosen in the harbour and checked out, she is
        // gone from it at once and her departure says when she left.
        QVERIFY(exec(u"UPDATE Booking SET Status = 1, ArrivedAt = '2026-12-01 15:00:00' WHERE ID = 11"_s));
        click(*today, "cmdRefresh");
        auto* inHarbour = control<QTreeWidget>(*today, "lstInHarbour");
        inHarbour->setCurrentItem(nullptr);
        inHarbour->setCurrentItem(inHarbour->topLevelItem(0));
        click(*today, "cmdDepart");
        QCOMPARE(linesOf(*today, "lstInHarbour"), QStringList());
        QCOMPARE(linesOf(*today, "lstDepartures"), QStringList({u"10:00, left 09:15|Ann|A1||£0.00"_s}));
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 11"_s), 2);

        // Whether it opens at start-up is kept as a setting.
        control<QCheckBox>(*today, "chkShowAtStartup")->click();
        QCOMPARE(Registry::getRegistryValue(Settings::ShowTodayAtStartup), u"1"_s);
    }
};

ZEM_TEST(tst_Figures)
#include "tst_Figures.moc"
