#include "berths/BookingChart.h"
#include "berths/BookingChartMarks.h"
#include "berths/BookingChartPrint.h"
#include "berths/BookingChartText.h"
#include "berths/BookingChartView.h"
#include "berths/BookingChartWindow.h"
#include "bookings/BookingSummaryWindow.h"
#include "bookings/BookingWizard.h"
#include "bookings/PeriodIndex.h"
#include "common/PdfReader.h"
#include "common/TestSupport.h"
#include "core/ui/DocumentRenderer.h"
#include "shell/MainWindow.h"

#include <QPainter>

// The booking chart: where a stay's bar stands at half-day precision, the rows grouped by berth type, the bars of
// the rows asked for with their paid state, the nights counted along the foot, and the window driven by the keys.
class tst_BookingChart : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(exec(u"DELETE FROM BerthType"_s));
        QVERIFY(exec(u"INSERT INTO BerthType (ID, Type) VALUES (1, 'Pontoon'), (2, 'Mooring')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Length, Active) VALUES (1, 'P2', 1, 10.5, 1), "
                     u"(2, 'P10', 1, NULL, 1), (3, 'M1', 2, 8, 0), (4, 'X1', NULL, NULL, 1)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Smith'), (2, 'Bob Jones')"_s));
        QVERIFY(exec(u"INSERT INTO Boat (ID, CustomerID, Name) VALUES (1, 1, 'Sea Otter')"_s));
        QVERIFY(
            exec(u"INSERT INTO Booking (ID, CustomerID, BoatID, FromDate, ToDate, TotalPayable, AmountPayed) VALUES "
                 u"(1, 1, 1, '2026-12-04 14:00:00', '2026-12-06 10:00:00', 10000, 10000), "
                 u"(2, 2, NULL, '2026-12-06 15:00:00', '2026-12-08 09:00:00', 20000, 5000), "
                 u"(3, 1, NULL, '2026-12-03 12:00:00', '2026-12-05 00:00:00', 1000, 0), "
                 u"(4, 2, NULL, '2026-12-04 08:00:00', '2026-12-05 18:00:00', 0, 0), "
                 u"(6, 2, NULL, '2026-12-06 10:00:00', '2026-12-09 10:00:00', 3000, 0)"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 1), (3, 2), "
                     u"(3, 4), (4, 3), (6, 2)"_s));
    }

    static QString rowNames(const BookingChart& chart)
    {
        QStringList names;
        for (const BookingChart::Row& row : chart.rows())
            names << (row.heading ? u"[%1]"_s.arg(row.name) : row.name);
        return names.join(u' ');
    }
    static QString barTexts(const std::vector<BookingChart::Bar>& bars)
    {
        QStringList texts;
        for (const BookingChart::Bar& bar : bars)
            texts << u"%1@%2:%3-%4:%5:%6"_s.arg(bar.bookingId)
                         .arg(bar.row)
                         .arg(bar.start)
                         .arg(bar.end)
                         .arg(int(bar.paid))
                         .arg(bar.label);
        return texts.join(u' ');
    }

    // The bar of a booking (of a block: negative) in the view, on row (on any: -1); an empty bar when there is none.
    static BookingChart::Bar barOf(const BookingChartView& view, int booking, int row = -1)
    {
        for (const BookingChart::Bar& bar : view.bars())
            if (bar.bookingId == booking && (row < 0 || bar.row == row))
                return bar;
        return {};
    }
    static void drag(QWidget* port, QPoint from, QPoint to)
    {
        QTest::mousePress(port, Qt::LeftButton, {}, from);
        QTest::mouseMove(port, to);
        QTest::mouseRelease(port, Qt::LeftButton, {}, to);
    }

    using SpanRow = std::tuple<QDateTime, QDateTime, double, double>;

private slots:
    void span_data()
    {
        const DataRows<SpanRow> row;
        const auto at = [](int day, int h, int m = 0) {
            return DateTimes::wallTime(QDate(2026, 12, day), QTime(h, m));
        };
        row("afternoon to morning", {at(4, 14), at(6, 10), 0.5, 2.5});
        row("morning to evening", {at(4, 9), at(5, 18), 0.0, 2.0});
        row("noon starts the afternoon", {at(4, 12), at(5, 12), 0.5, 1.5});
        row("noon ends the morning", {at(4, 11, 59), at(5, 12), 0.0, 1.5});
        row("a minute after noon takes the day", {at(4, 8), at(5, 12, 1), 0.0, 2.0});
        row("to midnight ends the day before", {at(4, 8), at(6, 0), 0.0, 2.0});
        row("a short visit keeps half a day", {at(4, 10), at(4, 11), 0.0, 0.5});
        row("an afternoon visit", {at(4, 13), at(4, 14), 0.5, 1.0});
        row("from before the window", {at(2, 14), at(4, 10), -1.5, 0.5});
    }
    void span()
    {
        const auto& [from, to, start, end] = fetchRow<SpanRow>();
        const qint64 window = PeriodIndex::floorMinute(DateTimes::wallTime(QDate(2026, 12, 4)));
        const auto [s, e] = BookingChart::span(PeriodIndex::floorMinute(from), PeriodIndex::ceilMinute(to), window);
        QCOMPARE(s, start);
        QCOMPARE(e, end);
    }

    void rowsBarsAndNights()
    {
        BookingChart chart;
        QVERIFY(chart.loadBerths(m_install->db()));
        QCOMPARE(rowNames(chart), u"[Mooring] M1 [Pontoon] P2 P10 [No berth type] X1"_s);
        QCOMPARE(chart.rows()[3].length, std::optional<double>(10.5));
        QVERIFY(chart.read(m_install->db(), QDate(2026, 12, 4), 14));
        QCOMPARE(chart.activeBerths(), 3);
        // Nights end at midnight: a stay ending at midnight sells none; the inactive M1 is not counted.
        QList<int> nights;
        for (int d = 0; d < 6; ++d)
            nights << chart.takenOn(d);
        QCOMPARE(nights, (QList<int>{1, 1, 2, 2, 1, 0}));
        // Only the rows asked for: P2 (a changeover, paid and part paid) and P10 (unpaid).
        const auto bars = chart.bars(m_install->db(), 3, 4);
        QVERIFY2(bars, qPrintable(bars.error()));
        QCOMPARE(barTexts(*bars), u"1@3:0.5-2.5:2:Ann Smith · Sea Otter 2@3:2.5-4.5:1:Bob Jones "
                                  u"3@4:-0.5-1:0:Ann Smith 6@4:2-5.5:0:Bob Jones"_s);
        QVERIFY2(bars->front().tip.contains(u"04/12/2026 14:00"_s), qPrintable(bars->front().tip));
        // A booking of two berths has a bar on each.
        QCOMPARE(barTexts(*chart.bars(m_install->db(), 6, 6)), u"3@6:-0.5-1:0:Ann Smith"_s);

        // A window moved by a few days reads only the days that came into view, and shows what a fresh read shows.
        for (const QDate& first : {QDate(2026, 12, 6), QDate(2026, 12, 2), QDate(2026, 12, 3)}) {
            BookingChart fresh;
            QVERIFY(fresh.loadBerths(m_install->db()) && fresh.read(m_install->db(), first, 14));
            QVERIFY(chart.read(m_install->db(), first, 14));
            for (int d = 0; d < 14; ++d)
                QCOMPARE(chart.takenOn(d), fresh.takenOn(d));
            QCOMPARE(barTexts(*chart.bars(m_install->db(), 0, 6)), barTexts(*fresh.bars(m_install->db(), 0, 6)));
        }

        // One berth type: its berths only, and the count of its active berths.
        QVERIFY(chart.loadBerths(m_install->db(), 1) && chart.read(m_install->db(), QDate(2026, 12, 4), 14));
        QCOMPARE(rowNames(chart), u"[Pontoon] P2 P10"_s);
        QCOMPARE(chart.activeBerths(), 2);
        QCOMPARE(chart.takenOn(2), 2);
    }

    // Ctrl+Up/Down take a booking to the next berth it fits for its days: taken and unused berths and the berths
    // the booking already holds are passed over; none that way gives -1.
    void freeRowFor_data()
    {
        const DataRows<std::tuple<int, int, int, int>> row; // booking, its row, direction, the row it goes to
        row("down past a taken berth", {2, 3, 1, 6});
        row("down to the next berth, past a heading", {6, 4, 1, 6});
        row("up past an unused berth: none", {2, 3, -1, -1});
        row("down past taken berths: none", {1, 3, 1, -1});
        row("up past its own berth and a taken one: none", {3, 6, -1, -1});
    }
    void freeRowFor()
    {
        const auto& [booking, fromRow, direction, toRow] = fetchRow<std::tuple<int, int, int, int>>();
        BookingChart chart;
        QVERIFY(chart.loadBerths(m_install->db()) && chart.read(m_install->db(), QDate(2026, 12, 2), 14));
        const auto bars = chart.bars(m_install->db(), 0, 6);
        QVERIFY2(bars, qPrintable(bars.error()));
        const auto bar = std::find_if(bars->cbegin(), bars->cend(), [&](const BookingChart::Bar& b) {
            return b.bookingId == booking && b.row == fromRow;
        });
        QVERIFY(bar != bars->cend());
        QCOMPARE(chart.freeRowFor(*bar, direction), toRow);
    }

    // "Print..." shows the chart in the preview and Ctrl+P prints it: landscape, every berth by name (the rows
    // scrolled out of view too), each stay's label on its bar right of the name, in a type a clerk can read.
    void printedChart()
    {
        MainWindow main(m_install->services);
        main.resize(1200, 400);
        main.show();
        auto* window = BookingChartWindow::display(main, m_install->services);
        m_install->printer.defaultName = u"Office"_s;
        onNextModal([](QDialog* dialog) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_P, Qt::ControlModifier);
        });
        click(*window, "cmdChartPrint");
        QCOMPARE(m_install->printer.jobs, QStringList{u"Booking Chart"_s});
        const QString paper = m_install->printer.paperPath;
        const QString page = PdfReader::lines(PdfReader::pages(paper).value(0)).join(u'\n');
        for (const QString& shown : {u"Booking Chart 04/12/2026 to 02/01/2027"_s, u"Pontoon"_s, u"P10"_s, u"X1"_s,
                                     u"Bob Jones"_s, u"Page 1 of 1"_s})
            VERIFY_HAS(page, shown);
        const QString info = PdfReader::run(u"pdfinfo"_s, {paper}).value_or(QString());
        const auto size = QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+)"_s).match(info);
        QVERIFY2(size.hasMatch() && size.captured(1).toDouble() > size.captured(2).toDouble(), qPrintable(info));
        const auto berth = PdfReader::wordBox(paper, u"P2"_s);
        const auto guest = PdfReader::wordBox(paper, u"Smith"_s);
        QVERIFY(berth && guest);
        QVERIFY(guest->left() > berth->right() && guest->height() >= 6);

        // Ninety days print in three parts of thirty, one under the other, each under its own dates.
        BookingChart chart;
        QVERIFY(chart.loadBerths(m_install->db()) && chart.read(m_install->db(), QDate(2026, 12, 4), 90));
        const auto bars = chart.bars(m_install->db(), 0, int(chart.rows().size()) - 1);
        QVERIFY(bars);
        const QString path = m_install->root() + u"/chart.pdf"_s;
        QVERIFY(DocumentRenderer::writePdf(BookingChartPrint::document(chart, *bars, u"Chart"_s), path));
        const QString all = PdfReader::pages(path).join(u'\n');
        for (const QString& part :
             {u"04/12/2026 to 02/01/2027"_s, u"03/01/2027 to 01/02/2027"_s, u"02/02/2027 to 03/03/2027"_s})
            VERIFY_HAS(all, part);
    }

    void windowFromTheKeyboard()
    {
        MainWindow main(m_install->services);
        main.resize(1200, 800);
        main.show();
        main.menuItem(u"mnuBookingsChart"_s)->trigger();
        auto* window = qobject_cast<BookingChartWindow*>(main.findWindow(u"frmBookingChart"_s));
        QVERIFY(window);
        auto* view = window->view();
        QCOMPARE(control<QDateEdit>(*window, "dtpChartDate")->date(), QDate(2026, 12, 4));
        QCOMPARE(window->chart().days(), 30);
        view->setFocus();
        // From the first berth (headings are stepped over) down to P2, and a day on: the bar of booking 1.
        QCOMPARE(view->selectedRow(), 1);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->selectedRow(), 3);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->selectedBooking(), 1);
        int opened = 0;
        onNextModal([&opened](QDialog* dialog) {
            if (auto* summary = qobject_cast<BookingSummaryWindow*>(dialog))
                opened = summary->bookingId();
        });
        QTest::keyClick(view, Qt::Key_Return);
        QApplication::processEvents();
        QCOMPARE(opened, 1);
        // Ctrl+Right runs into booking 2 on the same berth: refused before any question, nothing saved.
        QTest::keyClick(view, Qt::Key_Right, Qt::ControlModifier);
        VERIFY_HAS(said(), u"P2 is taken by Bob Jones"_s);
        QCOMPARE(m_install->text(u"SELECT FromDate || ' ' || ToDate FROM Booking WHERE ID = 1"_s),
                 u"2026-12-04 14:00:00 2026-12-06 10:00:00"_s);
        // Ctrl+Down: P10 and X1 are both taken on these days; nothing moves and the selection stays on the booking.
        QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
        VERIFY_HAS(said(), u"No berth below this one is free for these days."_s);
        QCOMPARE(view->selectedBooking(), 1);
        // Shift+Left ends the stay a day sooner: the agreed price kept, saved and logged, the selection on the bar.
        m_install->messages.chosen.enqueue(0); // keep
        QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(m_install->text(u"SELECT ToDate || ' ' || TotalPayable FROM Booking WHERE ID = 1"_s),
                 u"2026-12-05 10:00:00 10000"_s);
        VERIFY_HAS(logText(), u"Ann Smith"_s);
        QCOMPARE(view->selectedBooking(), 1);
        // Left past the first day moves the days under the selection.
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_Left);
        QCOMPARE(control<QDateEdit>(*window, "dtpChartDate")->date(), QDate(2026, 12, 3));
        QCOMPARE(window->chart().first(), QDate(2026, 12, 3));
        // The chart follows a change made elsewhere when it comes to the front again.
        QVERIFY(exec(u"DELETE FROM BookingBerth WHERE BookingID = 1"_s));
        main.refreshActiveChild();
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->selectedBooking(), 0);
    }

    // Ann's bar: checked in with Ctrl+I, out with Ctrl+L (the money owed left owing), and the departure undone from
    // the Guest menu; the bar says where she stands after each step.
    void guestFromTheChart()
    {
        QVERIFY(exec(u"UPDATE Booking SET AmountPayed = 4000 WHERE ID = 1"_s));
        MainWindow main(m_install->services);
        main.resize(1200, 800);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        main.menuItem(u"mnuBookingsChart"_s)->trigger();
        auto* window = qobject_cast<BookingChartWindow*>(main.findWindow(u"frmBookingChart"_s));
        QVERIFY(window);
        auto* view = window->view();
        view->setFocus();
        QTest::keyClick(view, Qt::Key_End);
        QTest::keyClick(view, Qt::Key_I, Qt::ControlModifier); // on an empty day of the first berth
        VERIFY_HAS(said(), u"Choose a booking's bar first"_s);
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->selectedBooking(), 1);
        QTest::keyClick(view, Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 1"_s), 1);
        QCOMPARE(view->selectedBar()->stay, CheckIn::Stay::Arrived);
        m_install->messages.answers << MsgResult::No;
        QTest::keyClick(view, Qt::Key_L, Qt::ControlModifier);
        VERIFY_HAS(said(), u"Ann Smith still owes"_s);
        QCOMPARE(m_install->scalarInt(u"SELECT Status FROM Booking WHERE ID = 1"_s), 2);
        QCOMPARE(view->selectedBar()->stay, CheckIn::Stay::Departed);
        m_install->messages.answers << MsgResult::Yes;
        control<QAction>(*window, "mnuChartUndoStay")->trigger();
        QCOMPARE(view->selectedBar()->stay, CheckIn::Stay::Arrived);
        QCOMPARE(logText().count(u"[Guest arrived]\r\nBooking 1, Ann Smith"_s), 1);
        QCOMPARE(logText().count(u"[Guest departed]"_s), 1);
        QCOMPARE(logText().count(u"[Guest's stay put back]"_s), 1);
    }

    // Real drags with the mouse: a move, a move of a booking of two berths, Ctrl+Z, an end dragged, a drop onto a
    // taken berth and outside the chart, days dragged across for a new stay, and Delete.
    // Where a dragged bar would land: outlined green where it fits, red where it does not, with the reason on a label
    // under the last outline.
    void dragTarget_data()
    {
        QTest::addColumn<QString>("clash");
        QTest::addColumn<QColor>("edge");
        QTest::newRow("fits") << QString() << QColor(0x2e, 0x7d, 0x32);
        QTest::newRow("in the way") << u"P10 is taken by Ann Smith"_s << QColor(0xc6, 0x28, 0x28);
    }
    void dragTarget()
    {
        QFETCH(QString, clash);
        QFETCH(QColor, edge);
        QImage image(400, 120, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            BookingChartMarks::paintTarget(p, {QRect(10, 10, 100, 20), QRect(10, 40, 100, 20)}, clash,
                                           QBrush(Qt::yellow));
        }
        int edges = 0;
        int labelTop = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel == edge)
                    ++edges;
                if (pixel == QColor(Qt::yellow) && labelTop < 0)
                    labelTop = y;
            }
        QVERIFY2(edges > 200, qPrintable(QString::number(edges)));
        QCOMPARE(labelTop >= 0, !clash.isEmpty());
        if (labelTop >= 0)
            QVERIFY2(labelTop > 60, qPrintable(QString::number(labelTop)));
    }

    // The chart's texts are laid out once in a font: a new font lays them out afresh, so no name is cut to the old
    // font's width.
    void textsFollowTheFont()
    {
        const QString name = u"Visitors' pontoon, berth 12"_s;
        QFont small = QApplication::font();
        small.setPixelSize(10);
        QFont large = small;
        large.setPixelSize(24);
        BookingChartText text;
        text.setFont(small);
        const double narrow = text.width(name);
        QCOMPARE(text.elided(name, 90), QFontMetrics(small).elidedText(name, Qt::ElideRight, 90));
        text.setFont(large);
        QVERIFY(text.width(name) > narrow);
        QCOMPARE(text.elided(name, 90), QFontMetrics(large).elidedText(name, Qt::ElideRight, 90));
    }

    void dragging()
    {
        MainWindow main(m_install->services);
        main.resize(1200, 800);
        main.show();
        auto* window = BookingChartWindow::display(main, m_install->services);
        auto* view = window->view();
        QWidget* port = view->viewport();
        const auto rectOf = [view](int booking, int row) { return view->barRect(barOf(*view, booking, row)); };
        const auto stored = [this](int id) {
            return m_install->text(
                u"SELECT B.FromDate || ' ' || B.ToDate || ' ' || B.TotalPayable || ' ' || "
                u"(SELECT MIN(BerthID) || ',' || MAX(BerthID) FROM BookingBerth WHERE BookingID = B.ID) "
                u"FROM Booking B WHERE B.ID = ?"_s,
                {id});
        };
        const int day = view->cellRect(3, 1).width();
        QCOMPARE(barOf(*view, 1, 3).bookingId, 1);
        const QPoint middle = rectOf(1, 3).center();

        // Onto P10, where Ann Smith's booking 3 still is: refused with what is in the way.
        drag(port, middle, middle + QPoint(0, view->cellRect(4, 0).top() - view->cellRect(3, 0).top()));
        VERIFY_HAS(said(), u"P10 is taken by Ann Smith"_s);
        QCOMPARE(stored(1), u"2026-12-04 14:00:00 2026-12-06 10:00:00 10000 1,1"_s);
        // Ten days on, keeping the agreed price; then Ctrl+Z puts it back.
        m_install->messages.chosen.enqueue(0); // keep
        drag(port, middle, middle + QPoint(10 * day, 0));
        VERIFY_HAS(said(), u"Keep the agreed price?"_s);
        QCOMPARE(m_install->messages.calls.last().answers.value(0), u"&Keep £1.00"_s);
        VERIFY_HAS(m_install->messages.calls.last().answers.value(1), u"&Reprice to £"_s);
        QCOMPARE(stored(1), u"2026-12-14 14:00:00 2026-12-16 10:00:00 10000 1,1"_s);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(stored(1), u"2026-12-04 14:00:00 2026-12-06 10:00:00 10000 1,1"_s);
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier); // nothing more to undo
        QCOMPARE(stored(1), u"2026-12-04 14:00:00 2026-12-06 10:00:00 10000 1,1"_s);
        // The departure end of booking 2 two days later: only the departure moves.
        m_install->messages.chosen.enqueue(0); // keep
        const QRect two = rectOf(2, 3);
        drag(port, QPoint(two.right() - 1, two.center().y()), QPoint(two.right() - 1 + 2 * day, two.center().y()));
        QCOMPARE(stored(2), u"2026-12-06 15:00:00 2026-12-10 09:00:00 20000 1,1"_s);
        // Booking 3 holds P10 and X1: dragged by its X1 bar a day on, both berths move.
        m_install->messages.chosen.enqueue(0); // keep
        const QRect three = rectOf(3, 6);
        drag(port, QPoint(three.right() - 12, three.center().y()),
             QPoint(three.right() - 12 + day, three.center().y()));
        QCOMPARE(stored(3), u"2026-12-04 12:00:00 2026-12-06 00:00:00 1000 2,4"_s);
        // Out of the chart: told, nothing moved.
        drag(port, rectOf(1, 3).center(), QPoint(2, 2));
        VERIFY_HAS(said(), u"not moved"_s);
        QCOMPARE(stored(1), u"2026-12-04 14:00:00 2026-12-06 10:00:00 10000 1,1"_s);

        // Across free days of X1: the wizard, filled with X1 from the 14th to the 17th.
        drag(port, view->cellRect(6, 10).center(), view->cellRect(6, 13).center());
        auto* wizard = qobject_cast<BookingWizard*>(main.findWindow(u"frmBooking"_s));
        QVERIFY(wizard);
        QCOMPARE(wizard->fromDate().date(), QDate(2026, 12, 14));
        QCOMPARE(wizard->toDate().date(), QDate(2026, 12, 17));
        QCOMPARE(wizard->selectedCount(), 1);
        wizard->close();

        // Delete on booking 6 asks, and cancels it.
        main.showChild(window);
        view->setFocus();
        QTest::mouseClick(port, Qt::LeftButton, {}, rectOf(6, 4).center());
        QCOMPARE(view->selectedBooking(), 6);
        m_install->messages.answers.enqueue(MsgResult::Yes);
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = 6"_s), 0);
        VERIFY_HAS(logText(), u"Bob Jones"_s);
    }

    // Blocks: hatched bars with their reason, a booking under one marked to be moved, drops onto one refused, and
    // a block dragged to other days like a booking.
    void blocks()
    {
        // Block 2 was confirmed over booking 6 (a server checks that when the block's row commits).
        QVERIFY(exec(u"INSERT INTO BlockedBooking (BlockID, BookingID) VALUES (2, 6)"_s));
        QVERIFY(exec(u"INSERT INTO BerthBlock (ID, BerthID, FromDate, ToDate, Reason) VALUES "
                     u"(1, 4, '2026-12-10 00:00:00', '2026-12-13 00:00:00', 'Crane'), "
                     u"(2, 2, '2026-12-08 00:00:00', '2026-12-09 00:00:00', 'Survey')"_s));
        MainWindow main(m_install->services);
        main.resize(1200, 800);
        main.show();
        auto* window = BookingChartWindow::display(main, m_install->services);
        auto* view = window->view();
        const BookingChart::Bar crane = barOf(*view, -1);
        QVERIFY(crane.blocked());
        QCOMPARE(crane.row, 6);
        QCOMPARE(crane.label, u"Crane"_s);
        QVERIFY(barOf(*view, 6).toMove && !barOf(*view, 3).toMove);
        // Blocks sell no nights: the 8th only booking 6 under its block, the 10th nothing but the crane.
        QCOMPARE(window->chart().first(), QDate(2026, 12, 4));
        QCOMPARE(window->chart().takenOn(4), 1);
        QCOMPARE(window->chart().takenOn(6), 0);
        // Booking 1 moved onto X1 over the crane's days: refused by name; booking 6 may move under its own block.
        QCOMPARE(window->chart().clashOfMove(barOf(*view, 1), 6, 6, 6), u"X1 is blocked: Crane."_s);
        QCOMPARE(window->chart().clashOfMove(barOf(*view, 6), 4, 0, -1), QString());
        // The crane's block dragged three days on: saved, the chart shows it there.
        const QRect rect = view->barRect(crane);
        const int day = view->cellRect(6, 1).width();
        drag(view->viewport(), rect.center(), rect.center() + QPoint(3 * day, 0));
        QCOMPARE(m_install->text(u"SELECT FromDate || ' ' || ToDate FROM BerthBlock WHERE ID = 1"_s),
                 u"2026-12-13 00:00:00 2026-12-16 00:00:00"_s);
        QCOMPARE(barOf(*view, -1).start, crane.start + 3);
        VERIFY_HAS(logText(), u"X1 blocked from 13/12/2026"_s);
    }
};

ZEM_TEST(tst_BookingChart)
#include "tst_BookingChart.moc"
