#include "bookings/BookingReports.h"
#include "common/TestSupport.h"

using BookingReports::List;

// The booking lists' rows: which bookings each list takes, in which order, and how a row reads.
class tst_BookingReports : public InstallTest
{
    Q_OBJECT

    void seed() override
    {
        QVERIFY(m_install->exec(u"INSERT INTO Customer (ID, Name, HouseName) VALUES (1, 'Smith', 'Rose Cottage'), "
                                u"(2, 'Ng', NULL)"_s));
        QVERIFY(m_install->exec(u"INSERT INTO Berth (ID, Name) VALUES (1, 'A1'), (2, 'B7'), (3, 'C12')"_s));
    }

    /// A booking of £123.67 in all; stay is "arrival|departure" as stored.
    void addBooking(int id, const QString& stay, const QString& created = u"2026-11-01 10:00:00"_s)
    {
        QVERIFY(m_install->exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, CostOfHire, "
                                u"OtherCharges, VAT, TotalPayable) VALUES (?, 1, ?, ?, ?, 1000000, 52500, 184188, "
                                u"1236688)"_s,
                                {id, stay.section(u'|', 0, 0), stay.section(u'|', 1, 1), created}));
    }

    Result<BookingReports::BookingList> build(List list, const QString& from = {}, const QString& to = {})
    {
        const auto at = [](const QString& text) {
            return text.isEmpty() ? std::nullopt : std::optional(DateTimes::readDateTime(text));
        };
        return BookingReports::build(m_install->db(), list, at(from), at(to), m_install->clock.current);
    }

private slots:
    void period_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("stay");
        QTest::addColumn<bool>("listed");
        // The pickers' times (09:15) round down to 09:00; the period runs to the day after To at that time.
        const QString june1 = u"2026-06-01 09:15:00"_s, june3 = u"2026-06-03 09:15:00"_s, none;
        const auto row = [](const char* name, const QString& from, const QString& to, const char* stay, bool in) {
            QTest::newRow(name) << from << to << QString::fromLatin1(stay) << in;
        };
        row("both: overlapping the start", june1, june3, "2026-05-30 14:00:00|2026-06-02 10:00:00", true);
        row("both: arriving on To", june1, june3, "2026-06-03 14:00:00|2026-06-06 10:00:00", true);
        row("both: before", june1, june3, "2026-05-25 14:00:00|2026-05-28 10:00:00", false);
        row("both: after", june1, june3, "2026-06-05 14:00:00|2026-06-07 10:00:00", false);
        row("both: leaving at From rounded down", june1, june3, "2026-05-30 14:00:00|2026-06-01 09:00:00", true);
        row("both: leaving before it", june1, june3, "2026-05-30 14:00:00|2026-06-01 08:30:00", false);
        row("both: arriving the day after To", june1, june3, "2026-06-04 09:00:00|2026-06-05 10:00:00", true);
        row("both: arriving later that day", june1, june3, "2026-06-04 09:30:00|2026-06-05 10:00:00", false);
        row("From only: long after", june1, none, "2030-01-01 09:00:00|2030-01-02 09:00:00", true);
        row("From only: still there", june1, none, "2026-05-20 09:00:00|2026-06-02 09:00:00", true);
        row("From only: gone", june1, none, "2026-05-20 09:00:00|2026-05-31 09:00:00", false);
        row("To only: across To", none, june3, "2026-06-02 09:00:00|2026-06-10 09:00:00", true);
        row("To only: long before", none, june3, "2020-06-02 09:00:00|2020-06-10 09:00:00", true);
        row("To only: arriving the next morning", none, june3, "2026-06-04 09:00:00|2026-06-10 09:00:00", true);
        row("To only: after", none, june3, "2026-06-05 09:00:00|2026-06-10 09:00:00", false);
        row("neither", none, none, "1999-06-05 09:00:00|1999-06-10 09:00:00", true);
    }
    void period()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, stay);
        QFETCH(bool, listed);
        addBooking(1, stay);
        const QString headings[] = {QString(), u"To: 03.06.2026"_s, u"From: 01.06.2026"_s,
                                    u"From: 01.06.2026 to: 03.06.2026"_s};
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
        QVERIFY(m_install->exec(u"UPDATE Booking SET CustomerID = 2, Created = NULL WHERE ID = 3"_s));
        QVERIFY(m_install->exec(u"UPDATE Booking SET FromDate = NULL WHERE ID = 4"_s));
        // Booked in the order C12, A1, B7; booking 2 has no berth at all.
        QVERIFY(m_install->exec(u"INSERT INTO BookingBerth VALUES (1, 3), (3, 2), (1, 1), (1, 2)"_s));
        const auto built = build(List::PeriodSales);
        QVERIFY(built && built->rows.size() == 4);
        // A booking without an arrival comes first on either engine.
        QCOMPARE(built->rows[0].from + u'|' + built->rows[0].to, u"|02.07.2026 10:00"_s);
        const BookingReports::ListRow& first = built->rows[1];
        QCOMPARE(first.from + u'|' + first.to + u'|' + first.berths + u'|' + first.customer,
                 u"01.07.2026 09:30|03.07.2026 10:00||Smith, Rose Cottage"_s);
        QCOMPARE(built->rows[2].customer + u'|' + built->rows[2].created, u"Ng, |"_s);
        const BookingReports::ListRow& last = built->rows[3];
        QCOMPARE(last.created + u'|' + last.berths, u"30.06.2026 16:45|C12, A1, B7"_s);
        QCOMPARE(last.costOfHire.units() + last.otherCharges.units() + last.vat.units(), last.totalPayable.units());
    }

    void today_data()
    {
        // The clock stands at 2026-12-04 09:15:02, so "today" runs from 09:00 to 09:00 tomorrow.
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("stamp");
        QTest::addColumn<bool>("listed");
        for (auto [list, name] : {std::pair{List::TakenToday, "taken"}, std::pair{List::CheckOutsToday, "leaving"}}) {
            QTest::addRow("%s at the half hour", name) << int(list) << u"2026-12-04 09:00:00"_s << true;
            QTest::addRow("%s a second before", name) << int(list) << u"2026-12-04 08:59:59"_s << false;
            QTest::addRow("%s tomorrow early", name) << int(list) << u"2026-12-05 08:59:59"_s << true;
            QTest::addRow("%s tomorrow at the hour", name) << int(list) << u"2026-12-05 09:00:00"_s << false;
        }
    }
    void today()
    {
        QFETCH(int, list);
        QFETCH(QString, stamp);
        QFETCH(bool, listed);
        // The other column of the booking lies outside the window, so only the one under test decides.
        if (List(list) == List::TakenToday)
            addBooking(1, u"2026-11-01 09:00:00|2026-11-20 10:00:00"_s, stamp);
        else
            addBooking(1, u"2026-11-01 09:00:00|"_s + stamp, u"2026-10-01 10:00:00"_s);
        const auto built = build(List(list));
        QVERIFY(built);
        QCOMPARE(built->rows.size(), listed ? 1 : 0);
        QCOMPARE(built->heading, u"04.12.2026"_s);
    }
};

ZEM_TEST(tst_BookingReports)
#include "tst_BookingReports.moc"
