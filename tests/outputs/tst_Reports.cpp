#include "CsvReadBack.h"
#include "bookings/BookingReports.h"
#include "bookings/Ledger.h"
#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "core/ui/DocumentRenderer.h"
#include "outputs/OptionalDateEdit.h"
#include "outputs/ReportLayouts.h"
#include "outputs/ReportManager.h"
#include "shell/MainWindow.h"

#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

using BookingReports::List;

// The booking lists' rows (which bookings each list takes, in which order, how a row reads), and the report manager
// and its printed layouts, read back from PDF files with poppler's tools.
class tst_Reports : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, HouseName, TelNo) VALUES "
                     u"(1, 'Smith', 'Rose Cottage', '01983 123456'), (2, 'Ng', NULL, NULL)"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name) VALUES (1, 'A1'), (2, 'B7'), (3, 'C12')"_s));
    }

    /// count more bookings, one a day from 1 June 2026 for one night, each on berths C12 and A1; every other one for
    /// Ng.
    void addBookings(int count, qint64 totalUnits = 12345000, qint64 paidUnits = 12345000)
    {
        for (int i = 0; i < count; ++i) {
            const int id = m_install->scalarInt(u"SELECT count(*) FROM Booking"_s) + 1;
            const QDateTime from = DateTimes::wallTime(QDate(2026, 6, 1).addDays(id - 1), QTime(14, 0));
            QVERIFY(
                exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, CostOfHire, OtherCharges, VAT, "
                     u"TotalPayable, AmountPayed) VALUES (?, ?, ?, ?, '2026-05-20 10:30:00', ?, 0, 0, ?, ?)"_s,
                     {id, 2 - id % 2, DateTimes::dbDateTime(from), DateTimes::dbDateTime(from.addDays(1)), totalUnits,
                      totalUnits, paidUnits}));
            QVERIFY(exec(u"INSERT INTO BookingBerth VALUES (?, 3), (?, 1)"_s, {id, id}));
        }
    }

    /// A booking of £123.67 in all; stay is "arrival|departure" as stored.
    void addBooking(int id, const QString& stay, const QString& created = u"2026-11-01 10:00:00"_s)
    {
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, CostOfHire, OtherCharges, VAT, "
                     u"TotalPayable) VALUES (?, 1, ?, ?, ?, 1000000, 52500, 184188, 1236688)"_s,
                     {id, stay.section(u'|', 0, 0), stay.section(u'|', 1, 1), created}));
    }

    Result<BookingReports::BookingList> build(List list, const QString& from = {}, const QString& to = {})
    {
        const auto at = [](const QString& text) {
            return text.isEmpty() ? std::nullopt : std::optional(DateTimes::readDateTime(text));
        };
        return BookingReports::build(m_install->db(), list, at(from), at(to), m_install->clock.current);
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

    using PeriodRow = std::tuple<QString, QString, QString, bool>;
    using TodayRow = std::tuple<int, QString, bool>;
    using CashUpRow = std::tuple<QDate, QDate, bool>;

    /// A ledger line as the cash-up test records it.
    struct CashLine
    {
        QDateTime at;
        Ledger::Kind kind;
        std::optional<int> method;
        qint64 pence; // as typed: a correction with its sign
        QString desk;
    };

private slots:
    void period_data()
    {
        const DataRows<PeriodRow> row;
        // The pickers' times (09:15) round down to 09:00; the period runs to the day after To at that time.
        const QString june1 = u"2026-06-01 09:15:00"_s, june3 = u"2026-06-03 09:15:00"_s, none;
        row("both: overlapping the start", {june1, june3, u"2026-05-30 14:00:00|2026-06-02 10:00:00"_s, true});
        row("both: arriving on To", {june1, june3, u"2026-06-03 14:00:00|2026-06-06 10:00:00"_s, true});
        row("both: before", {june1, june3, u"2026-05-25 14:00:00|2026-05-28 10:00:00"_s, false});
        row("both: after", {june1, june3, u"2026-06-05 14:00:00|2026-06-07 10:00:00"_s, false});
        row("both: leaving at From rounded down", {june1, june3, u"2026-05-30 14:00:00|2026-06-01 09:00:00"_s, true});
        row("both: leaving before it", {june1, june3, u"2026-05-30 14:00:00|2026-06-01 08:30:00"_s, false});
        row("both: arriving the day after To", {june1, june3, u"2026-06-04 09:00:00|2026-06-05 10:00:00"_s, true});
        row("both: arriving later that day", {june1, june3, u"2026-06-04 09:30:00|2026-06-05 10:00:00"_s, false});
        row("From only: long after", {june1, none, u"2030-01-01 09:00:00|2030-01-02 09:00:00"_s, true});
        row("From only: still there", {june1, none, u"2026-05-20 09:00:00|2026-06-02 09:00:00"_s, true});
        row("From only: gone", {june1, none, u"2026-05-20 09:00:00|2026-05-31 09:00:00"_s, false});
        row("To only: across To", {none, june3, u"2026-06-02 09:00:00|2026-06-10 09:00:00"_s, true});
        row("To only: long before", {none, june3, u"2020-06-02 09:00:00|2020-06-10 09:00:00"_s, true});
        row("To only: arriving the next morning", {none, june3, u"2026-06-04 09:00:00|2026-06-10 09:00:00"_s, true});
        row("To only: after", {none, june3, u"2026-06-05 09:00:00|2026-06-10 09:00:00"_s, false});
        row("neither", {none, none, u"1999-06-05 09:00:00|1999-06-10 09:00:00"_s, true});
    }
    void period()
    {
        const auto& [from, to, stay, listed] = fetchRow<PeriodRow>();
        addBooking(1, stay);
        const QString headings[] = {QString(), u"To: 03/06/2026"_s, u"From: 01/06/2026"_s,
                                    u"From: 01/06/2026 to: 03/06/2026"_s};
        for (List list : {List::AllBookings, List::PeriodSales}) {
            const auto built = build(list, from, to);
            QVERIFY(built);
            QCOMPARE(built->rows.size(), listed ? 1 : 0);
            QCOMPARE(built->heading, headings[(from.isEmpty() ? 0 : 2) + (to.isEmpty() ? 0 : 1)]);
        }
    }

    void rows()
    {
        addBooking(1, u"2026-07-10 14:00:00|2026-07-12 10:00:00"_s, u"2026-06-30 16:45:12"_s);
        addBooking(2, u"2026-07-01 09:30:00|2026-07-03 10:00:00"_s);
        addBooking(3, u"2026-07-05 09:00:00|2026-07-06 10:00:00"_s);
        addBooking(4, u"|2026-07-02 10:00:00"_s);
        QVERIFY(exec(u"UPDATE Booking SET CustomerID = 2, Created = NULL WHERE ID = 3"_s));
        QVERIFY(exec(u"UPDATE Booking SET FromDate = NULL WHERE ID = 4"_s));
        // Booked in the order C12, A1, B7; booking 2 has no berth at all.
        QVERIFY(exec(u"INSERT INTO BookingBerth VALUES (1, 3), (3, 2), (1, 1), (1, 2)"_s));
        const auto built = build(List::PeriodSales);
        QVERIFY(built && built->rows.size() == 4);
        // A booking without an arrival comes first on either engine.
        QCOMPARE(built->rows[0].from + u'|' + built->rows[0].to, u"|02/07/2026 10:00"_s);
        const BookingReports::ListRow& first = built->rows[1];
        QCOMPARE(first.from + u'|' + first.to + u'|' + first.berths + u'|' + first.customer,
                 u"01/07/2026 09:30|03/07/2026 10:00||Smith, Rose Cottage"_s);
        QCOMPARE(built->rows[2].customer + u'|' + built->rows[2].created, u"Ng, |"_s);
        const BookingReports::ListRow& last = built->rows[3];
        QCOMPARE(last.created + u'|' + last.berths, u"30/06/2026 16:45|C12, A1, B7"_s);
        QCOMPARE(QList<qint64>(
                     {last.costOfHire.units(), last.otherCharges.units(), last.vat.units(), last.totalPayable.units()}),
                 QList<qint64>({1000000, 52500, 184188, 1236688}));
    }

    void today_data()
    {
        // The clock stands at 2026-12-04 09:15:02: today is the calendar day; the check-outs left run from 09:00.
        const DataRows<TodayRow> row;
        const std::pair<List, const char*> lists[] = {{List::TakenToday, "taken"},
                                                      {List::CheckOutsToday, "left"},
                                                      {List::ArrivalsToday, "arriving"},
                                                      {List::DeparturesToday, "leaving"}};
        for (auto [list, name] : lists) {
            const bool left = list == List::CheckOutsToday;
            QTest::addRow("%s at midnight", name) << TodayRow(int(list), u"2026-12-04 00:00:00"_s, !left);
            QTest::addRow("%s yesterday late", name) << TodayRow(int(list), u"2026-12-03 23:59:59"_s, false);
            QTest::addRow("%s at the half hour", name) << TodayRow(int(list), u"2026-12-04 09:00:00"_s, true);
            QTest::addRow("%s a second before", name) << TodayRow(int(list), u"2026-12-04 08:59:59"_s, !left);
            QTest::addRow("%s late tonight", name) << TodayRow(int(list), u"2026-12-04 23:59:59"_s, true);
            QTest::addRow("%s tomorrow at midnight", name) << TodayRow(int(list), u"2026-12-05 00:00:00"_s, false);
        }
    }
    void today()
    {
        const auto& [list, stamp, listed] = fetchRow<TodayRow>();
        // The other column of the booking lies outside the window, so only the one under test decides.
        if (List(list) == List::TakenToday)
            addBooking(1, u"2026-11-01 09:00:00|2026-11-20 10:00:00"_s, stamp);
        else if (List(list) == List::ArrivalsToday)
            addBooking(1, stamp + u"|2026-12-20 10:00:00"_s, u"2026-10-01 10:00:00"_s);
        else
            addBooking(1, u"2026-11-01 09:00:00|"_s + stamp, u"2026-10-01 10:00:00"_s);
        const auto built = build(List(list));
        QVERIFY(built);
        QCOMPARE(built->rows.size(), listed ? 1 : 0);
        QCOMPARE(built->heading, u"04/12/2026"_s);
    }

    void threePageListReadsBack()
    {
        addBookings(60);
        const auto table = build(List::AllBookings, u"2026-06-01 09:15:00"_s, u"2026-07-30 09:15:00"_s);
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
                         QStringList({u"List of all up comming bookings"_s, u"From: 01/06/2026 to: 30/07/2026"_s}));
            QCOMPARE(lines.last(), u"List: %1 of 3"_s.arg(p + 1));
            for (const QString& line : lines)
                if (line.contains(u':') && !line.startsWith(u"List"_s) && !line.startsWith(u"From: 01/06/2026 to"_s))
                    labels << line;
        }
        // Every booking's block in order: the labels, the values, the berths joined, the customer with his house.
        QCOMPARE(labels.size(), part.rows.size() * 5);
        QCOMPARE(labels.mid(0, 5),
                 QStringList({u"Booking added: 20/05/2026 10:30"_s, u"From: 01/06/2026 14:00"_s,
                              u"To: 02/06/2026 14:00"_s, u"Customer: Smith, Rose Cottage"_s, u"Berth(s): C12, A1"_s}));
        QCOMPARE(labels.last(), u"Berth(s): C12, A1"_s);
        QCOMPARE(labels[8], u"Customer: Ng,"_s);
    }

    void salesAndBalanceDueShowGroupedPounds()
    {
        addBookings(2, 12345000, 5000000); // £1,234.50 payable, £500.00 paid
        addBookings(1);                    // a paid-up booking is not listed as due
        QVERIFY(DocumentRenderer::writePdf(ReportLayouts::layout(List::PeriodSales, *build(List::PeriodSales)),
                                           pdf(u"sales"_s)));
        const QStringList lines = PdfReader::lines(PdfReader::pages(pdf(u"sales"_s)).value(0));
        // The column headings stand under the title (its period is empty here).
        QCOMPARE(lines.mid(0, 2), QStringList({u"Period Sales"_s, u"Client: Date: Unit Hire Other VAT Total"_s}));
        QVERIFY(lines.contains(u"Smith, Rose Cottage 01/06/2026 14:00 C12, A1 £1,234.50 £0.00 £0.00 £1,234.50"_s));

        // The balance due is printed at once; without a printer it is offered as a PDF file.
        ReportManager* window = open();
        QVERIFY(window);
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
        QCOMPARE(paper.filter(QRegularExpression(u"^(Smith|Ng) "_s)).size(), 2);
        QCOMPARE(paper.filter(u" £1,234.50 £0.00 £0.00 £1,234.50 £500.00"_s).size(), 2);
        QCOMPARE(paper.filter(QRegularExpression(u"^01983 123456"_s)).size(), 1);
        QCOMPARE(m_install->messages.calls.size(), 1);
    }

    // Payments due, grouped by when the money falls due, and the accountant's export of the lines of a period.
    void paymentsDueAndTheirExport()
    {
        ReportManager* window = open();
        QVERIFY(window);
        click(*window, "cmdPaymentsDue");
        QCOMPARE(said(), u"Zem Harbour: No booking has money owing."_s);
        // Arriving (and so owing everything) before today, within the week, later; cancelled and paid ones not.
        QVERIFY(exec(
            u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, TotalPayable, AmountPayed, Cancelled, "
            u"BerthConfirmationNumber) VALUES "
            u"(1, 1, '2026-12-01 14:00:00', '2026-12-09 10:00:00', '2026-11-01 10:00:00', 100000, 0, 0, 71), "
            u"(2, 2, '2026-12-08 14:00:00', '2026-12-09 10:00:00', '2026-11-01 10:00:00', 300000, 100000, 0, 72), "
            u"(3, 1, '2027-01-20 14:00:00', '2027-01-22 10:00:00', '2026-11-01 10:00:00', 300000, 0, 0, 73), "
            u"(4, 1, '2026-12-02 14:00:00', '2026-12-03 10:00:00', '2026-11-01 10:00:00', 500000, 0, 1, 74), "
            u"(5, 2, '2026-12-02 14:00:00', '2026-12-03 10:00:00', '2026-11-01 10:00:00', 500000, 500000, 0, 75)"_s));
        m_install->files.answers << pdf(u"due"_s);
        onNextModal([](QDialog* dialog) { dialog->findChild<QAction*>(u"actSaveAsPdf"_s)->trigger(); });
        click(*window, "cmdPaymentsDue");
        const QStringList lines = PdfReader::lines(PdfReader::pages(pdf(u"due"_s)).value(0));
        const QString due = lines.filter(QRegularExpression(u"Overdue|within 7|later|£"_s)).join(u'\n') + u'\n';
        QCOMPARE(due, u"Overdue\n"
                      u"Smith 71 01/12/2026 14:00 01/12/2026 £10.00 £0.00 £10.00 £10.00\n"
                      u"Total overdue £10.00 £10.00\n"
                      u"Due within 7 days\n"
                      u"Ng 72 08/12/2026 14:00 08/12/2026 £30.00 £10.00 £20.00 £0.00\n"
                      u"Total due within 7 days £20.00 £0.00\n"
                      u"Due later\n"
                      u"Smith 73 20/01/2027 14:00 20/01/2027 £30.00 £0.00 £30.00 £0.00\n"
                      u"Total due later £30.00 £0.00\n"_s);

        // The lines of the period, one a row; a reference that would run as a formula stays text.
        for (const auto& [day, reference] :
             {std::pair{3, u"=HYPERLINK(1)"_s}, std::pair{4, u"T-77"_s}, std::pair{5, u"next day"_s}})
            QVERIFY(Ledger::record(m_install->db(), 3,
                                   {Ledger::Kind::Deposit, 2, Money::fromPence(1250), reference, {}},
                                   DateTimes::wallTime(QDate(2026, 12, day), QTime(9, 30)), u"sue@desk"_s));
        control<OptionalDateEdit>(*window, "dtpTakingsFrom")->setValue(DateTimes::wallTime(QDate(2026, 12, 3)));
        m_install->files.answers << m_install->root() + u"/payments"_s;
        click(*window, "cmdExportPayments");
        // Every field is quoted; the quotes aside, the rows read as the ledger holds them, dates and amounts as a
        // spreadsheet reads them whatever its language.
        const QByteArray csv = readAll(m_install->root() + u"/payments.csv"_s);
        const QStringList rows = QString::fromUtf8(csv).remove(QChar(0xfeff)).remove(u'"').split(u"\r\n"_s);
        QCOMPARE(rows.mid(0, 3),
                 QStringList({u"PaidAt,Booking,ConfirmationNumber,Customer,Kind,Method,Amount,Reference,Desk,Note"_s,
                              u"2026-12-03 09:30:00,3,73,Smith,Deposit,Cheque,12.50,'=HYPERLINK(1),sue@desk,"_s,
                              u"2026-12-04 09:30:00,3,73,Smith,Deposit,Cheque,12.50,T-77,sue@desk,"_s}));
        QCOMPARE(rows.size(), 4); // the day after is left out; the file ends with a line break
    }

    void cashUpEqualsTheLedger_data()
    {
        const DataRows<CashUpRow> row;
        // From the menu: today, 4 December.
        row("today", {QDate(2026, 12, 4), QDate(2026, 12, 4), true});
        row("one day, from its first second to its last", {QDate(2026, 12, 3), QDate(2026, 12, 3), false});
        row("three days", {QDate(2026, 12, 2), QDate(2026, 12, 4), false});
        row("nothing recorded", {QDate(2026, 11, 1), QDate(2026, 11, 30), false});
    }
    // The cash-up of a period, read back from its PDF and from its CSV, against the sums of the lines recorded:
    // each method (one line without), each desk and overall; payments, deposits, refunds and corrections of both
    // signs; lines on the edges of the days.
    void cashUpEqualsTheLedger()
    {
        const auto& [first, last, fromMenu] = fetchRow<CashUpRow>();
        addBookings(1, 10000000, 0);
        const auto at = [](int day, int h, int m, int sec = 0) {
            return DateTimes::wallTime(QDate(2026, 12, day), QTime(h, m, sec));
        };
        using K = Ledger::Kind;
        const QList<CashLine> recorded = {
            {at(2, 23, 59, 59), K::Payment, 1, 10000, u"ann@front"_s},
            {at(3, 0, 0), K::Deposit, 2, 5000, u"bob@office"_s},
            {at(3, 10, 0), K::Payment, 3, 20000, u"ann@front"_s},
            {at(3, 11, 0), K::Refund, 1, 3000, u"ann@front"_s},
            {at(3, 12, 0), K::Correction, std::nullopt, -1, u"bob@office"_s},
            {at(3, 23, 59, 59), K::Payment, 1, 5, u"bob@office"_s},
            {at(4, 0, 0), K::Correction, 2, 500, u"ann@front"_s},
            {at(4, 9, 0), K::Refund, 3, 1234, u"bob@office"_s},
            {at(5, 0, 0), K::Payment, 1, 99900, u"ann@front"_s},
        };
        for (const CashLine& line : recorded)
            QVERIFY(Ledger::record(m_install->db(), 1, {line.kind, line.method, Money::fromPence(line.pence), {}, {}},
                                   line.at, line.desk));

        // What each group must show, summed here from the lines: lines, received, refunded, corrected, total.
        struct Sums
        {
            int lines = 0;
            qint64 pence[4] = {};
        };
        const QStringList methodNames = {u"No method"_s, u"Cash"_s, u"Cheque"_s, u"Debit card"_s};
        QMap<QString, Sums> methods, desks;
        Sums overall;
        for (const CashLine& line : recorded) {
            if (line.at.date() < first || line.at.date() > last)
                continue;
            const int column = line.kind == K::Refund ? 1 : line.kind == K::Correction ? 2 : 0;
            const qint64 amount = line.kind == K::Refund ? -line.pence : line.pence;
            for (Sums* sums : {&methods[methodNames[line.method.value_or(0)]], &desks[line.desk], &overall}) {
                ++sums->lines;
                sums->pence[column] += amount;
                sums->pence[3] += amount;
            }
        }
        const auto printed = [](const QString& name, const Sums& sums) {
            QStringList cells{name, QString::number(sums.lines)};
            for (const int column : {0, 1, 2})
                cells << Money::fromPence(sums.pence[column]).formatGrouped();
            return (cells << Money::fromPence(0).formatGrouped() << Money::fromPence(sums.pence[3]).formatGrouped())
                .join(u' ');
        };
        const auto filed = [&](const QString& group, const QString& name, const Sums& sums) {
            QStringList cells{group, name, first.toString(Qt::ISODate), last.toString(Qt::ISODate),
                              QString::number(sums.lines)};
            for (const qint64 pence : {sums.pence[0], sums.pence[1], sums.pence[2], qint64(0), sums.pence[3]})
                cells << QString::asprintf("%s%lld.%02lld", pence < 0 ? "-" : "", std::abs(pence) / 100,
                                           std::abs(pence) % 100);
            return cells;
        };
        QStringList paper;
        QList<QStringList> file{{u"Group"_s, u"Name"_s, u"First"_s, u"Last"_s, u"Lines"_s, u"Received"_s, u"Refunded"_s,
                                 u"Corrections"_s, u"Credit"_s, u"Total"_s}};
        // Methods by name with the lines without one last; then the desks.
        for (const QString& name : methodNames.mid(1) + methodNames.mid(0, 1))
            if (methods.contains(name)) {
                paper << printed(name, methods[name]);
                file << filed(u"Method"_s, name, methods[name]);
            }
        paper << printed(u"Total"_s, overall);
        for (auto it = desks.cbegin(); it != desks.cend(); ++it) {
            paper << printed(it.key(), it.value());
            file << filed(u"Desk"_s, it.key(), it.value());
        }
        paper << printed(u"Total"_s, overall);
        file << filed(u"Total"_s, u"Total"_s, overall);
        // The sum the ledger itself holds for the period.
        QCOMPARE(
            overall.pence[3] * 100,
            m_install->scalarInt(u"SELECT COALESCE(SUM(Amount), 0) FROM Payment WHERE PaidAt >= ? AND PaidAt < ?"_s,
                                 {DateTimes::dbDateTime(DateTimes::wallTime(first)),
                                  DateTimes::dbDateTime(DateTimes::wallTime(last.addDays(1)))}));

        ReportManager* window = open();
        QVERIFY(window);
        m_install->files.answers << pdf(u"cashup"_s);
        onNextModal([](QDialog* dialog) { dialog->findChild<QAction*>(u"actSaveAsPdf"_s)->trigger(); });
        if (fromMenu) {
            m_main->menuItem(u"mnuBookingsCashUp"_s)->trigger();
        } else {
            control<OptionalDateEdit>(*window, "dtpTakingsFrom")->setValue(DateTimes::wallTime(first));
            control<OptionalDateEdit>(*window, "dtpTakingsTo")->setValue(DateTimes::wallTime(last));
            click(*window, "cmdCashUp");
        }
        const QStringList lines = PdfReader::lines(PdfReader::pages(pdf(u"cashup"_s)).value(0));
        QCOMPARE(lines.filter(u"£"_s), paper);
        QCOMPARE(lines.value(0), u"Cash-up "_s + first.toString(DateTimes::dateFormat()) +
                                     (first == last ? QString() : u" to "_s + last.toString(DateTimes::dateFormat())));

        m_install->files.answers << m_install->root() + u"/cashup"_s;
        click(*window, "cmdExportCashUp");
        QCOMPARE(readCsvBack(m_install->root() + u"/cashup.csv"_s), file);
        QVERIFY(m_install->messages.calls.isEmpty());
    }

    void windowListsAndPreviews()
    {
        ReportManager* window = open();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), u"Report Manager"_s);
        QCOMPARE(control<OptionalDateEdit>(*window, "dtpFrom")->value(), m_install->clock.current);
        QCOMPARE(control<OptionalDateEdit>(*window, "dtpTo")->value(), m_install->clock.current);
        QVERIFY(!control<OptionalDateEdit>(*window, "dtpFrom1")->value());
        // The takings (the cash-up and the payments' export) propose today.
        const QDateTime today = DateTimes::dateOnly(m_install->clock.current);
        QCOMPARE(control<OptionalDateEdit>(*window, "dtpTakingsFrom")->value(), today);
        QCOMPARE(control<OptionalDateEdit>(*window, "dtpTakingsTo")->value(), today);
        QCOMPARE(control<QPushButton>(*window, "cmdAllBooking")->text(), u"&List of all up comming bookings"_s);
        QVERIFY(control<QLabel>(*window, "Label3")->text().contains(u"endevour"_s));

        // Nothing in the period: nothing to print, no preview.
        addBookings(3);
        click(*window, "cmdAllBooking");
        QCOMPARE(said(), u"Zem Harbour: Nothing to print!"_s);

        // The sales period left open at both ends takes every booking; its preview saves a PDF file.
        QString preview;
        m_install->files.answers << pdf(u"saved"_s);
        onNextModal([&](QDialog* dialog) {
            preview =
                dialog->windowTitle() + u'|' + QString::number(dialog->findChild<QPrintPreviewWidget*>()->pageCount());
            dialog->findChild<QAction*>(u"actSaveAsPdf"_s)->trigger();
        });
        click(*window, "Command4");
        QCOMPARE(preview, u"Period Sales|1"_s);
        QVERIFY(PdfReader::pages(pdf(u"saved"_s)).value(0).contains(u"Period Sales"_s));
        QCOMPARE(m_install->messages.calls.size(), 1);

        click(*window, "cmdExit");
        QTRY_VERIFY(!m_main->findWindow(u"frmReports"_s));
    }
};

ZEM_TEST(tst_Reports)
#include "tst_Reports.moc"
