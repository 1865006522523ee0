#include "bookings/BookingMove.h"
#include "common/TestSupport.h"

Q_DECLARE_METATYPE(FailureKind)

// Moving a booking as the chart does: other days, another berth, a longer or shorter stay; the agreed price kept or
// today's rates; and every refusal and conflict with nothing saved.
class tst_BookingMove : public InstallTest
{
    Q_OBJECT

    static QDateTime at(int day, int h) { return DateTimes::wallTime(QDate(2026, 12, day), QTime(h, 0)); }

    void seed() override
    {
        // £30 and £40 a night; A3 is not in use.
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, DailyHireCharge, Active) VALUES (1, 'A1', 300000, 1), "
                     u"(2, 'A2', 400000, 1), (3, 'A3', 300000, 0)"_s));
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann Smith')"_s));
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, CostOfHire, OtherCharges, VAT, TaxRate, "
                     u"TotalPayable, AmountPayed) VALUES "
                     u"(1, 1, '2026-12-10 14:00:00', '2026-12-12 10:00:00', 600000, 0, 105000, 1750, 705000, 0), "
                     u"(2, 1, '2026-12-13 14:00:00', '2026-12-15 10:00:00', 800000, 0, 140000, 1750, 940000, 0)"_s));
        QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 2)"_s));
    }

    QString stored(int id) const
    {
        return m_install->text(u"SELECT B.FromDate || ' ' || B.ToDate || ' ' || BB.BerthID || ' ' || B.TotalPayable "
                               u"FROM Booking B JOIN BookingBerth BB ON BB.BookingID = B.ID WHERE B.ID = ?"_s,
                               {id});
    }

    using MoveRow = std::tuple<int, int, int, bool, int, FailureKind, QString>;

private slots:
    void move_data()
    {
        // seenHoursOff: the bar showed another arrival: another desk moved it
        // expected: what is stored afterwards, or a piece of the refusal
        const DataRows<MoveRow> row;
        const auto ok = FailureKind::None;
        row("two days later, same price",
            {1, 2, 2, false, 0, ok, u"2026-12-12 14:00:00 2026-12-14 10:00:00 1 705000"_s});
        row("another berth at the agreed price",
            {2, 0, 0, false, 0, ok, u"2026-12-10 14:00:00 2026-12-12 10:00:00 2 705000"_s});
        row("another berth repriced", {2, 0, 0, true, 0, ok, u"2026-12-10 14:00:00 2026-12-12 10:00:00 2 940000"_s});
        row("a night longer repriced", {1, 0, 1, true, 0, ok, u"2026-12-10 14:00:00 2026-12-13 10:00:00 1 1057500"_s});
        row("a night shorter at the agreed price",
            {1, 1, 0, false, 0, ok, u"2026-12-11 14:00:00 2026-12-12 10:00:00 1 705000"_s});
        row("onto another booking", {2, 3, 3, false, 0, FailureKind::Conflict, u"A2"_s});
        row("onto a berth not in use", {3, 0, 0, false, 0, FailureKind::Refused, u"not in use"_s});
        row("onto a berth it holds", {1, 0, 0, false, 0, FailureKind::Refused, u"stays where it was"_s});
        row("departure before arrival", {1, 0, -3, false, 0, FailureKind::Refused, u"after the arrival"_s});
        row("before 2000", {1, -10000, -10000, false, 0, FailureKind::Refused, u"2000"_s});
        row("moved at another desk meanwhile", {2, 0, 0, false, 1, FailureKind::Conflict, u"another desk"_s});
    }
    void move()
    {
        const auto& [toBerth, arrival, departure, reprice, seenHoursOff, kind, expected] = fetchRow<MoveRow>();
        const QString before = stored(1);
        BookingMove::Request request{1,       1,        at(10, 14).addSecs(3600 * seenHoursOff), at(12, 10), toBerth,
                                     arrival, departure};
        const auto plan = BookingMove::plan(m_install->db(), request);
        auto saved = plan ? BookingMove::save(m_install->db(), *plan, reprice)
                          : Result<BookingStore::SavedBooking>(plan.failure());
        QCOMPARE(saved.kind(), kind);
        if (kind == FailureKind::None) {
            QCOMPARE(stored(1), expected);
            QCOMPARE(m_install->scalarInt(u"SELECT COUNT(*) FROM BookingBerth WHERE BookingID = 1"_s), 1);
        } else {
            QVERIFY2(saved.error().contains(expected), qPrintable(saved.error()));
            QCOMPARE(stored(1), before);
        }
    }

    // Undo puts the berth, the days and the agreed price back, and refuses when another desk changed the booking since.
    void undo()
    {
        const QString original = stored(1);
        for (const bool changedSince : {false, true}) {
            const auto plan = BookingMove::plan(m_install->db(), {1, 1, at(10, 14), at(12, 10), 2, -1, -1});
            QVERIFY2(plan, qPrintable(plan.error()));
            BookingRecord saved = BookingMove::moved(*plan, true);
            QVERIFY(BookingMove::save(m_install->db(), *plan, true));
            QCOMPARE(stored(1), u"2026-12-09 14:00:00 2026-12-11 10:00:00 2 940000"_s);
            if (changedSince)
                QVERIFY(exec(u"UPDATE Booking SET TotalPayable = 1400000 WHERE ID = 1"_s));
            const auto back = BookingMove::planUndo(m_install->db(), plan->before, saved);
            if (changedSince) {
                QCOMPARE(back.kind(), FailureKind::Conflict);
                break;
            }
            QVERIFY2(back, qPrintable(back.error()));
            QVERIFY(BookingMove::save(m_install->db(), *back, false));
            QCOMPARE(stored(1), original);
            QCOMPARE(m_install->text(u"SELECT CostOfHire || ' ' || VAT FROM Booking WHERE ID = 1"_s),
                     u"600000 105000"_s);
        }
    }

    void priceDiffersOnlyWhenTodaysRatesDo()
    {
        const auto same = BookingMove::plan(m_install->db(), {1, 1, at(10, 14), at(12, 10), 1, 7, 7});
        QVERIFY2(same, qPrintable(same.error()));
        QVERIFY(!same->priceDiffers());
        const auto dearer = BookingMove::plan(m_install->db(), {1, 1, at(10, 14), at(12, 10), 2, 0, 0});
        QVERIFY(dearer && dearer->priceDiffers());
        QCOMPARE(dearer->repricedTotal, Money::fromUnits(940000));
    }
};

ZEM_TEST(tst_BookingMove)
#include "tst_BookingMove.moc"
