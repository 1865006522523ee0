#include "berths/DayList.h"
#include "berths/OccupancyModel.h"
#include "berths/frmCalendar.h"
#include "berths/frmCalendarPlus.h"
#include "bookings/PeriodIndex.h"
#include "bookings/frmBookingSummary.h"
#include "common/TestSupport.h"
#include "core/ui/Twips.h"
#include "shell/MDIMain.h"

#include <QAbstractItemModelTester>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>

using State = OccupancyModel::CellState;
using View = OccupancyModel::View;

// The two calendars: the occupancy grid's cells by view and slot, its one-slot scroll and its double-click rule;
// the day list's rows; and both windows opened from the main window, refreshed, and acting on a booking.
class tst_Calendars : public InstallTest
{
    Q_OBJECT

    static QDateTime At(int day, int h, int m = 0) { return modFunctions::WallTime(QDate(2026, 12, day), QTime(h, m)); }

    void Seed() override
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (ID, Name, HouseName) VALUES (1, 'Ann Smith', 'Rose Cottage'), "
                                u"(2, 'Bob Jones', '12')"_s));
        // Columns A1, A2, A3 (inactive), A4, and a second berth named A1 (inactive, but its column takes the
        // first A1's flag and shows the bookings of both).
        QVERIFY(m_install->Exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1), "
                                u"(3, 'A3', 0), (4, 'A4', 1), (5, 'A1', 0)"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                u"(1, 1, '2026-12-04 10:00:00', '2026-12-04 12:00:00'), "
                                u"(2, 2, '2026-12-04 08:00:00', '2026-12-05 09:00:00'), "
                                u"(3, 1, '2026-12-10 14:00:00', '2026-12-13 10:00:00'), "
                                u"(4, 2, '2026-12-06 09:00:00', '2026-12-07 00:00:00'), "
                                u"(5, 1, '2026-12-08 23:30:00', '2026-12-09 10:00:00'), "
                                u"(6, 2, '2026-12-04 09:00:00', '2026-12-04 11:00:00'), "
                                u"(7, 1, '2026-12-04 11:00:00', '2026-12-04 13:00:00')"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 3), (3, 1), "
                                u"(3, 2), (3, 4), (4, 2), (5, 4), (6, 4), (7, 4)"_s));
    }

    // A model over the seeded harbour: view, first day (08:00) and slot rows.
    std::unique_ptr<OccupancyModel> Grid(View view, int rows, const QDate& day = QDate(2026, 12, 4)) const
    {
        auto model = std::make_unique<OccupancyModel>();
        const QSqlDatabase db = m_install->Db();
        if (!model->SetStartDay(db, day) || !model->Refresh(db) || !model->SetView(db, view) ||
            !model->SetSlotRows(db, rows))
            return nullptr;
        return model;
    }
    static QString Labels(const OccupancyModel& model)
    {
        QStringList labels;
        for (int r = 0; r < model.rowCount(); ++r)
            labels << model.headerData(r, Qt::Vertical, Qt::DisplayRole).toString();
        return labels.join(u' ');
    }
    // A row's cells as "state:text" per column.
    static QStringList Cells(const OccupancyModel& model, int row)
    {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c)
            cells << u"%1:%2"_s.arg(int(model.State(row, c))).arg(model.Text(row, c));
        return cells;
    }
    static QString DayRows(const QDate& day, const QSqlDatabase& db)
    {
        QStringList rows;
        for (const DayBooking& b : DayList::Read(db, day).value_or(QList<DayBooking>()))
            rows << QStringList{b.name, b.berths, b.arrival, b.departure}.join(u'|');
        return rows.join(u';');
    }

    // The booking whose summary act opened (0: none), the summary closed at once.
    static int SummaryOpenedBy(const std::function<void()>& act)
    {
        int opened = 0;
        OnNextModal([&opened](QDialog* dialog) {
            if (auto* summary = qobject_cast<frmBookingSummary*>(dialog))
                opened = summary->BookingID();
        });
        act();
        QApplication::processEvents();
        return opened;
    }

private slots:
    void cells_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("cells"); // A1 A2 A3 A4 A1'
        const int half = int(View::HalfHourly);
        const int daily = int(View::Daily);
        QTest::newRow("08:00: the inactive A3's booking is yellow with its name")
            << half << 0 << u"1: 1: 0:Bob Jones 1: 1:"_s;
        QTest::newRow("10:00 to 11:30 are taken by 10:00-12:00")
            << half << 4 << u"0:Ann Smith 1: 0:Bob Jones 0:Bob Jones 0:Ann Smith"_s;
        QTest::newRow("11:30") << half << 7 << u"0:Ann Smith 1: 0:Bob Jones 0:Ann Smith 0:Ann Smith"_s;
        QTest::newRow("12:00 is free again; A4 shows the booking that starts at 11:00")
            << half << 8 << u"1: 1: 0:Bob Jones 0:Ann Smith 1:"_s;
        QTest::newRow("daily: a stay ending at 09:00 fills its day") << daily << 1 << u"1: 1: 0:Bob Jones 1: 1:"_s;
        QTest::newRow("daily: the empty inactive berth is inactive") << daily << 2 << u"1: 0:Bob Jones 2: 1: 1:"_s;
        QTest::newRow("daily: ending at midnight leaves the day free") << daily << 3 << u"1: 1: 2: 1: 1:"_s;
        QTest::newRow("daily: arriving at 23:30 takes the day") << daily << 4 << u"1: 1: 2: 0:Ann Smith 1:"_s;
    }
    void cells()
    {
        QFETCH(int, view);
        QFETCH(int, row);
        QFETCH(QString, cells);
        const auto model = Grid(View(view), 10);
        QVERIFY(model);
        QCOMPARE(Cells(*model, row).join(u' '), cells);
    }

    void rowsWrapAndLookComeFromTheLegend()
    {
        const auto model = Grid(View::HalfHourly, 26);
        QVERIFY(model);
        QVERIFY(Labels(*model).startsWith(u"08:00 08:30 09:00"_s));
        QVERIFY(Labels(*model).endsWith(u"19:00 19:30 08:00 08:30"_s));
        QCOMPARE(model->Slot(24), At(5, 8));
        const auto daily = Grid(View::Daily, 3);
        QVERIFY(daily);
        QCOMPARE(Labels(*daily), u"04.12.2026 05.12.2026 06.12.2026"_s);

        model->SetLook(State::Booked, Qt::blue);
        QCOMPARE(model->data(model->index(0, 2), Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::blue));
        QCOMPARE(model->data(model->index(0, 0), Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    }

    void scrollMovesRowsAndReadsOnlyTheNewSlot()
    {
        const auto model = Grid(View::HalfHourly, 10);
        QVERIFY(model);
        QAbstractItemModelTester tester(model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QSqlDatabase db = m_install->Db();
        int queries = model->Queries();
        QVERIFY(!model->Scroll(db, -1)); // row 1 is 08:00
        QCOMPARE(model->Queries(), queries);
        QCOMPARE(model->Start(), At(4, 8));
        for (int i = 0; i < 4; ++i)
            QVERIFY(model->Scroll(db, 1));
        QCOMPARE(model->Start(), At(4, 10));

        QList<QStringList> before;
        for (int r = 0; r < model->rowCount(); ++r)
            before << Cells(*model, r);
        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        QSignalSpy removed(model.get(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
        queries = model->Queries();
        QVERIFY(model->Scroll(db, -1));
        QCOMPARE(model->Queries(), queries + 1);
        QCOMPARE(model->LastQueryMinutes(),
                 std::make_pair(PeriodIndex::FloorMinute(At(4, 9, 30)), PeriodIndex::FloorMinute(At(4, 10))));
        QVERIFY(changed.isEmpty() && reset.isEmpty());
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.first().at(1).toInt(), 9);
        QCOMPARE(inserted.size(), 1);
        QCOMPARE(inserted.first().at(1).toInt(), 0);
        QCOMPARE(model->Start(), At(4, 9, 30));
        QCOMPARE(Cells(*model, 0).join(u' '), u"1: 1: 0:Bob Jones 0:Bob Jones 1:"_s);
        for (int r = 1; r < model->rowCount(); ++r)
            QCOMPARE(Cells(*model, r), before[r - 1]);

        // The later arrow stops when the last row would pass 19:30; daily arrows have no end.
        QVERIFY(model->SetSlotRows(db, 21)); // 09:30 to 19:30
        QVERIFY(!model->Scroll(db, 1));
        QVERIFY(model->SetView(db, View::Daily));
        QVERIFY(model->Scroll(db, -1));
        QCOMPARE(model->Start(), modFunctions::WallTime(QDate(2026, 12, 3)));
    }

    void doubleClickTouchesTheSlotEdges_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("booking"); // 0: nothing opens
        QTest::newRow("11:00 on A4 shows booking 7 but opens 6, which ends at 11:00") << 6 << 3 << 6;
        QTest::newRow("12:00 on A4") << 8 << 3 << 7;
        QTest::newRow("A1 is free at 12:00, though booking 1 ends then") << 8 << 0 << 0;
        QTest::newRow("the second A1 column opens the first A1's booking") << 4 << 4 << 1;
    }
    void doubleClickTouchesTheSlotEdges()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(int, booking);
        const auto model = Grid(View::HalfHourly, 10);
        QVERIFY(model);
        QCOMPARE(model->BookingToOpen(m_install->Db(), row, column).value_or(0), booking);
    }

    void dayList_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QString>("rows");
        QTest::newRow("arrival day of a three-berth stay")
            << QDate(2026, 12, 10) << u"Ann Smith|A1, A2, A4| 14:00|n/a"_s;
        QTest::newRow("a day between") << QDate(2026, 12, 11) << u"Ann Smith|A1, A2, A4|n/a|n/a"_s;
        QTest::newRow("departure day") << QDate(2026, 12, 13) << u"Ann Smith|A1, A2, A4|n/a| 10:00"_s;
        QTest::newRow("ends at midnight at the start of the day") << QDate(2026, 12, 7) << u"Bob Jones|A2|n/a| 00:00"_s;
        QTest::newRow("no bookings") << QDate(2026, 12, 14) << QString();
        QTest::newRow("several, by booking")
            << QDate(2026, 12, 4)
            << u"Ann Smith|A1| 10:00| 12:00;Bob Jones|A3| 08:00|n/a;Bob Jones|A4| 09:00| 11:00;"
               u"Ann Smith|A4| 11:00| 13:00"_s;
    }
    void dayList()
    {
        QFETCH(QDate, day);
        QFETCH(QString, rows);
        QCOMPARE(DayRows(day, m_install->Db()), rows);
    }

    void dayListModel()
    {
        DayListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.data(model.index(0, 0), Qt::DisplayRole).toString(), u"No reservations exist for this date"_s);
        QVERIFY(!model.Booking(0));
        model.SetBookings(DayList::Read(m_install->Db(), QDate(2026, 12, 4)).value_or(QList<DayBooking>()));
        QCOMPARE(model.rowCount(), 4);
        QCOMPARE(model.data(model.index(1, DayListModel::ColArrival), Qt::DisplayRole).toString(), u" 08:00"_s);
        QCOMPARE(model.Booking(1)->id, 2);
    }

    void advancedCalendarWindow()
    {
        MDIMain main(m_install->services);
        main.resize(1200, 800);
        main.show();
        main.Item(u"mnuBookingsCalendarAdvanced"_s)->trigger();
        auto* window = qobject_cast<frmCalendarPlus*>(main.FindChild(u"frmCalendarPlus"_s));
        QVERIFY(window);
        QVERIFY(main.MdiArea()->currentSubWindow()->isMaximized());
        // A grid exactly ten 400-twip rows high holds ten slot rows: today (4 December) from 08:00.
        auto* sub = main.MdiArea()->currentSubWindow();
        sub->showNormal();
        window->resize(window->width(), Twips::ToPixelsY(4000, window) + Twips::ToPixelsY(1020 + 840 + 540, window));
        QTRY_COMPARE(window->Model()->rowCount(), 10);
        QCOMPARE(Labels(*window->Model()), u"08:00 08:30 09:00 09:30 10:00 10:30 11:00 11:30 12:00 12:30"_s);
        Click(*window, "Option1_1");
        QCOMPARE(window->Model()->headerData(9, Qt::Vertical, Qt::DisplayRole).toString(), u"13.12.2026"_s);
        Click(*window, "Command2");
        QCOMPARE(Control<QDateEdit>(*window, "DTPicker1")->date(), QDate(2026, 12, 5));
        Control<QDateEdit>(*window, "DTPicker1")->setDate(QDate(2026, 12, 10));
        QCOMPARE(window->Model()->Start(), At(10, 8));

        // The legend box's colour is the grid's colour.
        auto* legend = Control<QLabel>(*window, "picBooked_0");
        QPalette palette = legend->palette();
        palette.setColor(QPalette::Window, Qt::magenta);
        legend->setPalette(palette);
        QCOMPARE(window->Model()->data(window->Model()->index(0, 0), Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(Qt::magenta));

        // A double-click on a booked cell opens the summary of the booking that touches the slot first.
        Click(*window, "Option1_0");
        Control<QDateEdit>(*window, "DTPicker1")->setDate(QDate(2026, 12, 4));
        auto* grid = Control<QTableView>(*window, "grdBooking");
        QCOMPARE(window->Model()->Text(6, 3), u"Ann Smith"_s);
        QCOMPARE(SummaryOpenedBy([&] { emit grid->doubleClicked(window->Model()->index(6, 3)); }), 6);
        QCOMPARE(window->Model()->Start(), At(4, 8));
        Control<QDateEdit>(*window, "DTPicker1")->setDate(QDate(2026, 12, 10));
        Click(*window, "Option1_1");

        // A booking made elsewhere shows when the register or a wizard asks the active child to refresh.
        QVERIFY(m_install->Exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                u"(8, 2, '2026-12-11 08:00:00', '2026-12-12 08:00:00')"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (8, 3)"_s));
        main.RefreshActiveChild();
        QCOMPARE(window->Model()->Start(), At(10, 8));
        QCOMPARE(window->Model()->Text(1, 2), u"Bob Jones"_s);
    }

    void simpleCalendarCancels()
    {
        MDIMain main(m_install->services);
        main.show();
        main.Item(u"mnuBookingsCalendar"_s)->trigger();
        auto* window = qobject_cast<frmCalendar*>(main.FindChild(u"frmCalendar"_s));
        QVERIFY(window);
        QCOMPARE(window->Model()->rowCount(), 4); // today, 4 December
        Control<QCalendarWidget>(*window, "mwDate")->setSelectedDate(QDate(2026, 12, 10));
        QCOMPARE(window->Model()->Booking(0)->id, 3);
        QCOMPARE(SummaryOpenedBy([&] { Click(*window, "cmdSummary"); }), 3);

        m_install->messages.answers.enqueue(MsgResult::No);
        Click(*window, "cmdCancel");
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Booking WHERE ID = 3"_s), 1);
        QCOMPARE(m_install->EventLogText(), QString());
        m_install->messages.answers.enqueue(MsgResult::Yes);
        Click(*window, "cmdCancel");
        QCOMPARE(m_install->Int(u"SELECT COUNT(*) FROM Booking WHERE ID = 3"_s), 0);
        QVERIFY(m_install->EventLogText().endsWith(
            Entry(*m_install, modEventLog::BookingCancelled,
                  u"From: 10.12.2026 14:00 to 13.12.2026 10:00, Customer: Ann Smith, Rose Cottage"_s)));
        QVERIFY(!window->Model()->Booking(0));
        // On an empty day the buttons do nothing.
        Click(*window, "cmdCancel");
        Click(*window, "cmdEdit");
        QCOMPARE(SummaryOpenedBy([&] { Click(*window, "cmdSummary"); }), 0);
        QCOMPARE(m_install->messages.calls.size(), 2);
        QVERIFY(!main.FindChild(u"frmBooking"_s));
    }
};

ZEM_TEST(tst_Calendars)
#include "tst_Calendars.moc"
