#include "berths/AdvancedCalendarWindow.h"
#include "berths/CalendarWindow.h"
#include "berths/DayList.h"
#include "berths/OccupancyModel.h"
#include "bookings/BookingSummaryWindow.h"
#include "bookings/PeriodIndex.h"
#include "common/TestSupport.h"
#include "core/ui/Twips.h"
#include "shell/MainWindow.h"

#include <QHeaderView>
#include <QToolButton>

using State = OccupancyModel::CellState;
using View = OccupancyModel::View;

// The two calendars: the occupancy grid's cells by view and slot, its one-slot scroll and its double-click rule;
// the day list's rows; and both windows opened from the main window, refreshed, and acting on a booking.
class tst_Calendars : public InstallTest
{
    Q_OBJECT

    static QDateTime at(int day, int h, int m = 0) { return DateTimes::wallTime(QDate(2026, 12, day), QTime(h, m)); }

    void seed() override
    {
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name, HouseName) VALUES (1, 'Ann Smith', 'Rose Cottage'), "
                     u"(2, 'Bob Jones', '12')"_s));
        // Columns A1, A2, A3 (inactive), A4, and a second berth named A1 (inactive, but its column takes the
        // first A1's flag and shows the bookings of both).
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1), "
                     u"(3, 'A3', 0), (4, 'A4', 1), (5, 'A1', 0)"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(1, 1, '2026-12-04 10:00:00', '2026-12-04 12:00:00'), "
                     u"(2, 2, '2026-12-04 08:00:00', '2026-12-05 09:00:00'), "
                     u"(3, 1, '2026-12-10 14:00:00', '2026-12-13 10:00:00'), "
                     u"(4, 2, '2026-12-06 09:00:00', '2026-12-07 00:00:00'), "
                     u"(5, 1, '2026-12-08 23:30:00', '2026-12-09 10:00:00'), "
                     u"(6, 2, '2026-12-04 09:00:00', '2026-12-04 11:00:00'), "
                     u"(7, 1, '2026-12-04 11:00:00', '2026-12-04 13:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 3), (3, 4), "
                     u"(3, 1), (3, 2), (4, 2), (5, 4), (6, 4), (7, 4)"_s));
        QVERIFY(exec(u"INSERT INTO BerthBlock (BerthID, FromDate, ToDate, Reason) VALUES "
                     u"(2, '2026-12-08 00:00:00', '2026-12-09 00:00:00', 'Works')"_s));
    }

    // A model over the seeded harbour: view, first day (08:00) and slot rows.
    std::unique_ptr<OccupancyModel> grid(View view, int rows, const QDate& day = QDate(2026, 12, 4)) const
    {
        auto model = std::make_unique<OccupancyModel>();
        const QSqlDatabase db = m_install->db();
        if (!model->setStartDay(db, day) || !model->refresh(db) || !model->setView(db, view) ||
            !model->setSlotRows(db, rows))
            return nullptr;
        return model;
    }
    static QString labels(const OccupancyModel& model)
    {
        QStringList labels;
        for (int r = 0; r < model.rowCount(); ++r)
            labels << model.headerData(r, Qt::Vertical, Qt::DisplayRole).toString();
        return labels.join(u' ');
    }
    // A row's cells as "state:text" per column.
    static QStringList cellTexts(const OccupancyModel& model, int row)
    {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c)
            cells << u"%1:%2"_s.arg(int(model.state(row, c))).arg(model.text(row, c));
        return cells;
    }
    // The booking whose summary act opened (0: none), the summary closed at once.
    static int summaryOpenedBy(const std::function<void()>& act)
    {
        int opened = 0;
        onNextModal([&opened](QDialog* dialog) {
            if (auto* summary = qobject_cast<BookingSummaryWindow*>(dialog))
                opened = summary->bookingId();
        });
        act();
        QApplication::processEvents();
        return opened;
    }

    using CellsRow = std::tuple<int, int, QString>;
    using ClickRow = std::tuple<int, int, int>;
    using DayListRow = std::tuple<QDate, QString>;
    using NamesRow = std::tuple<QList<int>>;

private slots:
    void cells_data()
    {
        // cells: A1 A2 A3 A4 A1'
        const DataRows<CellsRow> row;
        const int half = int(View::HalfHourly);
        const int daily = int(View::Daily);
        row("08:00: the inactive A3's booking is yellow with its name", {half, 0, u"1: 1: 0:Bob Jones 1: 1:"_s});
        row("10:00 to 11:30 are taken by 10:00-12:00",
            {half, 4, u"0:Ann Smith 1: 0:Bob Jones 0:Bob Jones 0:Ann Smith"_s});
        row("11:30", {half, 7, u"0:Ann Smith 1: 0:Bob Jones 0:Ann Smith 0:Ann Smith"_s});
        row("12:00 is free again; A4 shows the booking that starts at 11:00",
            {half, 8, u"1: 1: 0:Bob Jones 0:Ann Smith 1:"_s});
        row("daily: a stay ending at 09:00 fills its day", {daily, 1, u"1: 1: 0:Bob Jones 1: 1:"_s});
        row("daily: the empty inactive berth is inactive", {daily, 2, u"1: 0:Bob Jones 2: 1: 1:"_s});
        row("daily: ending at midnight leaves the day free", {daily, 3, u"1: 1: 2: 1: 1:"_s});
        row("daily: arriving at 23:30 takes the day; A2 blocked shows as inactive",
            {daily, 4, u"1: 2: 2: 0:Ann Smith 1:"_s});
    }
    void cells()
    {
        const auto& [view, row, cells] = fetchRow<CellsRow>();
        const auto model = grid(View(view), 10);
        QVERIFY(model);
        QCOMPARE(cellTexts(*model, row).join(u' '), cells);
    }

    // Names are read for many cells at once: whichever cell is painted first, every booked cell of a wide harbour
    // shows its own booking's name, one gone meanwhile shows none, and a read that fails is tried again.
    void namesOfAWideHarbour_data()
    {
        // the columns asked first, then every column from the left
        const DataRows<NamesRow> row;
        row("from the left", {{0}});
        row("from the middle, then the left", {{40, 5}});
        row("from the last column", {{74}});
        row("right to left", {{74, 60, 45, 30, 15, 0}});
    }
    void namesOfAWideHarbour()
    {
        const auto& [firstAsked] = fetchRow<NamesRow>();
        // 70 more berths (columns 5 to 74), each with its own guest from 10:00 to 12:00 on the 20th.
        for (int i = 100; i < 170; ++i)
            QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (?, ?)"_s, {i, u"Guest %1"_s.arg(i)}) &&
                    exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (?, ?, 1)"_s, {i, u"P%1"_s.arg(i)}) &&
                    exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (?, ?, '2026-12-20 "
                         u"10:00:00', '2026-12-20 12:00:00')"_s,
                         {i, 269 - i}) &&
                    exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)"_s, {i, i}));
        const auto model = grid(View::HalfHourly, 6, QDate(2026, 12, 20));
        QVERIFY(model && model->columnCount() == 75);
        QVERIFY(atAnotherDesk(*m_install, {u"DELETE FROM Booking WHERE ID = 150"_s}));
        const auto expected = [](int column, int row) {
            const int booking = column + 95;
            return row < 4 || column < 5 || booking == 150 ? QString() : u"Guest %1"_s.arg(269 - booking);
        };
        for (const int column : firstAsked)
            QCOMPARE(model->text(5, column), expected(column, 5));
        QStringList wrong;
        for (int c = 0; c < model->columnCount(); ++c)
            for (int r = 0; r < model->rowCount(); ++r)
                if (model->text(r, c) != expected(c, r))
                    wrong << u"%1,%2: %3"_s.arg(r).arg(c).arg(model->text(r, c));
        QCOMPARE(wrong.join(u"; "), QString());

        // A read that fails shows no name, and the next paint asks again.
        QVERIFY(model->setStartDay(m_install->db(), QDate(2026, 12, 20)));
        QVERIFY(exec(u"ALTER TABLE Customer RENAME TO CustomerGone"_s));
        QCOMPARE(model->text(5, 10), QString());
        QVERIFY(exec(u"ALTER TABLE CustomerGone RENAME TO Customer"_s));
        QCOMPARE(model->text(5, 10), expected(10, 5));
    }

    void rowsWrapAndLookComeFromTheLegend()
    {
        const auto model = grid(View::HalfHourly, 26);
        QVERIFY(model && labels(*model).startsWith(u"04/12/2026 08:30 09:00"_s));
        QVERIFY(labels(*model).endsWith(u"19:00 19:30 05/12/2026 08:30"_s));
        QCOMPARE(model->slot(24), at(5, 8));
        const auto daily = grid(View::Daily, 3);
        QVERIFY(daily);
        QCOMPARE(labels(*daily), u"04/12/2026 05/12/2026 06/12/2026"_s);

        // The first slot of each day carries its date. A booked cell's tip: the whole name over the booking's own
        // period, not the slot's; a free cell has none.
        QCOMPARE(model->data(model->index(4, 0), Qt::ToolTipRole).toString() + u'|' +
                     daily->data(daily->index(1, 2), Qt::ToolTipRole).toString(),
                 u"Ann Smith\n04/12/2026 10:00 to 04/12/2026 12:00|Bob Jones\n04/12/2026 08:00 to 05/12/2026 09:00"_s);
        QVERIFY(model->data(model->index(0, 0), Qt::ToolTipRole).isNull());

        model->setLook(State::Booked, Qt::blue);
        QCOMPARE(model->data(model->index(0, 2), Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::blue));
        QCOMPARE(model->data(model->index(0, 0), Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    }

    void scrollMovesRowsAndReadsOnlyTheNewSlot()
    {
        const auto model = grid(View::HalfHourly, 10);
        QVERIFY(model);
        QAbstractItemModelTester tester(model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QSqlDatabase db = m_install->db();
        int queries = model->queries();
        QVERIFY(!model->scroll(db, -1)); // row 1 is 08:00
        QCOMPARE(model->queries(), queries);
        QCOMPARE(model->start(), at(4, 8));
        for (int i = 0; i < 4; ++i)
            QVERIFY(model->scroll(db, 1));
        QCOMPARE(model->start(), at(4, 10));

        QList<QStringList> before;
        for (int r = 0; r < model->rowCount(); ++r)
            before << cellTexts(*model, r);
        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        QSignalSpy removed(model.get(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
        queries = model->queries();
        QVERIFY(model->scroll(db, -1));
        QCOMPARE(model->queries(), queries + 1);
        QCOMPARE(model->lastQueryMinutes(),
                 std::make_pair(PeriodIndex::floorMinute(at(4, 9, 30)), PeriodIndex::floorMinute(at(4, 10))));
        QVERIFY(changed.isEmpty() && reset.isEmpty());
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.first().at(1).toInt(), 9);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted.first().at(1).toInt(), 0);
        QCOMPARE(model->start(), at(4, 9, 30));
        QCOMPARE(cellTexts(*model, 0).join(u' '), u"1: 1: 0:Bob Jones 0:Bob Jones 1:"_s);
        for (int r = 1; r < model->rowCount(); ++r)
            QCOMPARE(cellTexts(*model, r), before[r - 1]);

        // The later arrow stops when the last row would pass 19:30; daily arrows have no end.
        QVERIFY(model->setSlotRows(db, 21)); // 09:30 to 19:30
        QVERIFY(!model->scroll(db, 1) && model->setView(db, View::Daily));
        QVERIFY(model->scroll(db, -1));
        QCOMPARE(model->start(), DateTimes::wallTime(QDate(2026, 12, 3)));
    }

    void doubleClickTouchesTheSlotEdges_data()
    {
        // booking: 0: nothing opens
        const DataRows<ClickRow> row;
        row("11:00 on A4 shows booking 7 but opens 6, which ends at 11:00", {6, 3, 6});
        row("12:00 on A4", {8, 3, 7});
        row("A1 is free at 12:00, though booking 1 ends then", {8, 0, 0});
        row("the second A1 column opens the first A1's booking", {4, 4, 1});
    }
    void doubleClickTouchesTheSlotEdges()
    {
        const auto& [row, column, booking] = fetchRow<ClickRow>();
        const auto model = grid(View::HalfHourly, 10);
        QVERIFY(model);
        const auto opened = model->bookingToOpen(m_install->db(), row, column);
        QVERIFY(opened);
        QCOMPARE(opened->value_or(0), booking);
    }

    void dayList_data()
    {
        const DataRows<DayListRow> row;
        row("arrival day, the berths as saved", {QDate(2026, 12, 10), u"Ann Smith|A4, A1, A2| 14:00|n/a"_s});
        row("a day between", {QDate(2026, 12, 11), u"Ann Smith|A4, A1, A2|n/a|n/a"_s});
        row("departure day", {QDate(2026, 12, 13), u"Ann Smith|A4, A1, A2|n/a| 10:00"_s});
        row("ends at midnight at the start of the day", {QDate(2026, 12, 7), u"Bob Jones|A2|n/a| 00:00"_s});
        row("no bookings", {QDate(2026, 12, 14), QString()});
        row("several, by booking",
            {QDate(2026, 12, 4), u"Ann Smith|A1| 10:00| 12:00;Bob Jones|A3| 08:00|n/a;Bob Jones|A4| 09:00| 11:00;"
                                 u"Ann Smith|A4| 11:00| 13:00"_s});
    }
    void dayList()
    {
        const auto& [day, rows] = fetchRow<DayListRow>();
        DayListModel model;
        QVERIFY(model.load(m_install->db(), day));
        QStringList read;
        for (int r = 0; model.booking(r); ++r)
            read << QStringList{model.booking(r)->name, model.booking(r)->berths, model.booking(r)->arrival,
                                model.booking(r)->departure}
                        .join(u'|');
        QCOMPARE(read.join(u';'), rows);
    }

    // A long day is read a block at a time: every booking once and in order, also one another desk adds between
    // two blocks with an ID between theirs, and not one it deletes meanwhile. A block that cannot be read says
    // so and ends the list.
    void longDayIsReadInBlocks()
    {
        // Odd IDs from 1001, so that even ones fall between any two; the first block ends at boundary.
        const int boundary = 1001 + 2 * (DayListModel::BlockRows - 1), last = boundary + 100;
        QStringList values;
        for (int id = 1001; id <= last; id += 2)
            values << u"(%1, 1, '2026-12-20 09:00:00', '2026-12-21 14:00:00')"_s.arg(id);
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "_s + values.join(u',')));
        DayListModel model;
        QVERIFY(model.load(m_install->db(), QDate(2026, 12, 20)));
        QCOMPARE(model.rowCount(), DayListModel::BlockRows);
        QVERIFY(atAnotherDesk(*m_install, {u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES (%1, 1, "
                                           u"'2026-12-20 10:00:00', '2026-12-20 12:00:00')"_s.arg(boundary + 1),
                                           u"DELETE FROM Booking WHERE ID IN (%1, %2)"_s.arg(boundary + 4).arg(last)}));
        QVERIFY(model.canFetchMore());
        model.fetchMore();
        QVERIFY(!model.canFetchMore());
        QList<int> ids;
        for (int r = 0; model.booking(r); ++r)
            ids << model.booking(r)->id;
        QCOMPARE(ids.size(), DayListModel::BlockRows + 49);
        QVERIFY(std::is_sorted(ids.cbegin(), ids.cend()) && std::adjacent_find(ids.cbegin(), ids.cend()) == ids.cend());
        QVERIFY(ids.contains(boundary + 1) && !ids.contains(boundary + 4) && !ids.contains(last) &&
                ids.contains(last - 2));

        if (OtherDesk desk(*m_install); desk) // closed again before the next block is read
            QVERIFY(model.load(*desk, QDate(2026, 12, 20)));
        QSignalSpy failed(&model, &DayListModel::readFailed);
        model.fetchMore();
        QCOMPARE(failed.size(), 1);
        QVERIFY(!model.canFetchMore() && model.rowCount() == DayListModel::BlockRows);
    }

    void advancedCalendarWindow()
    {
        MainWindow main(m_install->services);
        main.resize(1200, 800);
        main.show();
        main.menuItem(u"mnuBookingsCalendarAdvanced"_s)->trigger();
        auto* window = qobject_cast<AdvancedCalendarWindow*>(main.findWindow(u"frmCalendarPlus"_s));
        QVERIFY(window && main.mdiArea()->currentSubWindow()->isMaximized());
        // Only the rows the grid shows whole are filled, below the berth names and above the scroll bar; from
        // today (4 December) at 08:00.
        auto* sub = main.mdiArea()->currentSubWindow();
        sub->showNormal();
        auto* grid = control<QTableView>(*window, "grdBooking");
        for (const int rows : {14, 7, 13}) {
            window->resize(window->width(), Twips::toPixelsY(400 * rows + 1020 + 840 + 540, window));
            const int filled = window->model()->rowCount();
            const int unused = grid->viewport()->height() - grid->rowViewportPosition(filled - 1) - grid->rowHeight(0);
            QVERIFY2(unused >= 0 && unused < grid->rowHeight(0), qPrintable(QString::number(unused)));
        }
        QVERIFY(labels(*window->model()).startsWith(u"04/12/2026 08:30 09:00 09:30 10:00 10:30 11:00 11:30 12:00"_s));
        click(*window, "Option1_1");
        QCOMPARE(window->model()->headerData(9, Qt::Vertical, Qt::DisplayRole).toString(), u"13/12/2026"_s);
        click(*window, "Command2");
        QCOMPARE(control<QDateEdit>(*window, "DTPicker1")->date(), QDate(2026, 12, 5));
        control<QDateEdit>(*window, "DTPicker1")->setDate(QDate(2026, 12, 10));
        QCOMPARE(window->model()->start(), at(10, 8));

        // The legend box's colour is the grid's colour.
        auto* legend = control<QLabel>(*window, "picBooked_0");
        QPalette palette = legend->palette();
        palette.setColor(QPalette::Window, Qt::magenta);
        legend->setPalette(palette);
        QCOMPARE(window->model()->data(window->model()->index(0, 0), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(Qt::magenta));

        // A double-click on a booked cell opens the summary of the booking that touches the slot first.
        click(*window, "Option1_0");
        control<QDateEdit>(*window, "DTPicker1")->setDate(QDate(2026, 12, 4));
        QCOMPARE(window->model()->text(6, 3), u"Ann Smith"_s);
        QCOMPARE(summaryOpenedBy([&] { emit grid->doubleClicked(window->model()->index(6, 3)); }), 6);
        QCOMPARE(window->model()->start(), at(4, 8));
        control<QDateEdit>(*window, "DTPicker1")->setDate(QDate(2026, 12, 10));
        click(*window, "Option1_1");

        // A booking made elsewhere shows when the register or a wizard asks the active child to refresh.
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                     u"(8, 2, '2026-12-11 08:00:00', '2026-12-12 08:00:00')"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (8, 3)"_s));
        main.refreshActiveChild();
        QCOMPARE(window->model()->start(), at(10, 8));
        QCOMPARE(window->model()->text(1, 2), u"Bob Jones"_s);
    }

    // A slot's scroll moves what is painted and paints only the row that came in (and the empty space below the
    // rows), each way; the rows show what the model says.
    void scrollPaintsOnlyTheRowThatCameIn()
    {
        MainWindow main(m_install->services);
        main.resize(1200, 813); // the rows leave a strip empty below them
        QVERIFY(showActive(main));
        main.menuItem(u"mnuBookingsCalendarAdvanced"_s)->trigger();
        auto* window = qobject_cast<AdvancedCalendarWindow*>(main.findWindow(u"frmCalendarPlus"_s));
        auto* grid = control<QTableView>(*window, "grdBooking");
        QRegion painted;
        const auto recorder = std::make_unique<PaintRecorder>(grid->viewport(), painted);
        for (const char* button : {"Command2", "Command1"}) {
            QTest::qWait(50);
            painted = {};
            click(*window, button);
            QTRY_VERIFY(!painted.isEmpty());
            const int last = window->model()->rowCount() - 1;
            const int below = grid->rowViewportPosition(last) + grid->rowHeight(last);
            const int fresh = grid->rowViewportPosition(QByteArray(button) == "Command1" ? 0 : last);
            QVERIFY(below < grid->viewport()->height());
            QCOMPARE(painted, QRegion(0, fresh, grid->viewport()->width(), grid->rowHeight(0)) +
                                  QRegion(0, below, grid->viewport()->width(), grid->viewport()->height() - below));
        }
        QCOMPARE(window->model()->start(), at(4, 8));
    }

    void simpleCalendarCancels()
    {
        MainWindow main(m_install->services);
        main.show();
        main.menuItem(u"mnuBookingsCalendar"_s)->trigger();
        auto* window = qobject_cast<CalendarWindow*>(main.findWindow(u"frmCalendar"_s));
        QVERIFY(window);
        QAbstractItemModelTester tester(window->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(window->model()->rowCount(), 4); // today, 4 December
        QCOMPARE(window->model()->index(1, DayListModel::ColArrival).data().toString(), u" 08:00"_s);
        QCOMPARE(window->model()->booking(1)->id, 2);
        // The columns fill the grid's width, none narrower than its heading.
        auto* grid = control<QTableView>(*window, "grdBooking");
        QHeaderView* header = grid->horizontalHeader();
        QTRY_COMPARE(header->length(), grid->viewport()->width());
        for (int c = 0; c < DayListModel::ColumnCount; ++c)
            QVERIFY2(header->sectionSize(c) >= header->sectionSizeHint(c), qPrintable(QString::number(c)));
        control<QCalendarWidget>(*window, "mwDate")->setSelectedDate(QDate(2026, 12, 10));
        QCOMPARE(window->model()->booking(0)->id, 3);
        QCOMPARE(summaryOpenedBy([&] { click(*window, "cmdSummary"); }), 3);

        m_install->messages.answers.enqueue(MsgResult::No);
        click(*window, "cmdCancel");
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = 3"_s), 1);
        QCOMPARE(logText(), QString());
        m_install->messages.answers.enqueue(MsgResult::Yes);
        click(*window, "cmdCancel");
        QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking WHERE ID = 3"_s), 0);
        QVERIFY(logText().endsWith(
            entry(*m_install, EventLog::BookingCancelled,
                  u"From: 10.12.2026 14:00 to 13.12.2026 10:00, Customer: Ann Smith, Rose Cottage"_s)));
        QVERIFY(!window->model()->booking(0));
        QCOMPARE(window->model()->index(0, 0).data().toString(), u"No reservations exist for this date"_s);
        QCOMPARE(grid->columnSpan(0, 0), int(DayListModel::ColumnCount)); // its text is not cut at the name column
        // On an empty day the buttons do nothing.
        click(*window, "cmdCancel");
        click(*window, "cmdEdit");
        QCOMPARE(summaryOpenedBy([&] { click(*window, "cmdSummary"); }), 0);
        QCOMPARE(m_install->messages.calls.size(), 2);
        QVERIFY(!main.findWindow(u"frmBooking"_s));
        control<QCalendarWidget>(*window, "mwDate")->setSelectedDate(QDate(2026, 12, 4));
        QCOMPARE(grid->columnSpan(0, 0), 1);
    }
};

ZEM_TEST(tst_Calendars)
#include "tst_Calendars.moc"
