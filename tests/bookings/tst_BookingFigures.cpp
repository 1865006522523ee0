#include "bookings/BookingFigures.h"
#include "bookings/DataGenerator.h"
#include "common/TestSupport.h"

#include <map>
#include <numeric>

using BookingFigures::Span;
using BookingFigures::Step;

Q_DECLARE_METATYPE(BookingFigures::Step)

// The figures the Today window and the report manager draw: the lists of today, and nights, money and stays over
// a period, checked against a count made here from the booking rows themselves.
class tst_BookingFigures : public InstallTest
{
    Q_OBJECT

    void addBooking(int id, const QString& from, const QString& to, const QList<int>& berths, qint64 payable = 0,
                    qint64 paid = 0, int cancelled = 0, const QVariant& boat = {})
    {
        QVERIFY(exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, TotalPayable, AmountPayed, "
                     u"Cancelled, BoatID) VALUES (?, 1, ?, ?, ?, ?, ?, ?)"_s,
                     {id, from, to, payable, paid, cancelled, boat}));
        for (int berth : berths)
            QVERIFY(exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (?, ?)"_s, {id, berth}));
    }

    // Per berth type, the nights sold on active berths in [first, last], counted day by day from the rows.
    std::map<int, qint64> countedNights(const QDate& first, const QDate& last,
                                        std::map<int, qint64>* perBerth = nullptr)
    {
        std::map<int, qint64> byType;
        QSqlQuery q(m_install->db());
        q.exec(u"SELECT B.FromDate, B.ToDate, BE.ID, coalesce(BE.TypeID, 0), BE.Active FROM Booking B "
               u"JOIN BookingBerth BB ON BB.BookingID = B.ID JOIN Berth BE ON BE.ID = BB.BerthID"_s);
        while (q.next()) {
            const QDate from = DateTimes::readDateTime(q.value(0)).date();
            const QDate to = DateTimes::readDateTime(q.value(1)).date();
            for (QDate d = std::max(from, first); d < to && d <= last; d = d.addDays(1)) {
                if (q.value(4).toInt() != 0)
                    ++byType[q.value(3).toInt()];
                if (perBerth)
                    ++(*perBerth)[q.value(2).toInt()];
            }
        }
        return byType;
    }

    using StepsRow = std::tuple<QDate, QDate, Step, QString>;
    using NightsRow = std::tuple<QString, QString, int, qint64>;

private slots:
    void steps_data()
    {
        const DataRows<StepsRow> row;
        row("days", {QDate(2026, 2, 27), QDate(2026, 3, 1), Step::Day, u"27.02-27.02 28.02-28.02 01.03-01.03"_s});
        // The first and last weeks are cut at the period; a week runs Monday to Sunday.
        row("weeks", {QDate(2026, 12, 2), QDate(2026, 12, 15), Step::Week, u"02.12-06.12 07.12-13.12 14.12-15.12"_s});
        row("months, over February and a year's end", {QDate(2027, 12, 15), QDate(2028, 3, 1), Step::Month,
                                                       u"15.12-31.12 01.01-31.01 01.02-29.02 01.03-01.03"_s});
        row("one day", {QDate(2026, 5, 5), QDate(2026, 5, 5), Step::Month, u"05.05-05.05"_s});
        row("ends before it starts", {QDate(2026, 5, 5), QDate(2026, 5, 4), Step::Day, QString()});
    }
    void steps()
    {
        const auto& [first, last, step, spans] = fetchRow<StepsRow>();
        QStringList seen;
        for (const Span& span : BookingFigures::steps(first, last, step))
            seen << span.first.toString(u"dd.MM"_s) + u'-' + span.last.toString(u"dd.MM"_s);
        QCOMPARE(seen.join(u' '), spans);
    }

    // Stays at the edges of a night and of the period, on berths of two types, one inactive.
    void nightsAtTheEdges_data()
    {
        // nights: in July 2026
        const DataRows<NightsRow> row;
        const QDate jul1(2026, 7, 1);
        row("a day visit", {dbText(jul1.addDays(3), 9), dbText(jul1.addDays(3), 17), 1, 0});
        row("one night", {dbText(jul1.addDays(3), 14), dbText(jul1.addDays(4), 10), 1, 1});
        row("to midnight", {dbText(jul1.addDays(3), 14), dbText(jul1.addDays(4), 0), 1, 1});
        row("from midnight", {dbText(jul1.addDays(3), 0), dbText(jul1.addDays(4), 10), 1, 1});
        row("over the period's start", {dbText(jul1.addDays(-5), 14), dbText(jul1.addDays(2), 10), 1, 2});
        row("over its end", {dbText(QDate(2026, 7, 30), 14), dbText(QDate(2026, 8, 3), 10), 1, 2});
        row("outside it", {dbText(QDate(2026, 8, 1), 14), dbText(QDate(2026, 8, 3), 10), 1, 0});
        row("the other type", {dbText(jul1, 14), dbText(jul1.addDays(7), 10), 2, 7});
        row("an inactive berth", {dbText(jul1, 14), dbText(jul1.addDays(7), 10), 3, 0});
    }
    void nightsAtTheEdges()
    {
        const auto& [from, to, berth, nights] = fetchRow<NightsRow>();
        QVERIFY(exec(u"INSERT INTO BerthType (ID, Type) VALUES (91, 'Pontoon'), (92, 'Swing mooring')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, TypeID, Active) VALUES (1, 'A1', 91, 1), "
                     u"(2, 'M1', 92, 1), (3, 'A2', 91, 0)"_s));
        addBooking(1, from, to, {berth});
        const auto sold = BookingFigures::nightsSold(m_install->db(), {{QDate(2026, 7, 1), QDate(2026, 7, 31)}});
        QVERIFY2(sold, qPrintable(sold.error()));
        QCOMPARE(sold->size(), 1);
        QCOMPARE(std::accumulate(sold->first().cbegin(), sold->first().cend(), qint64(0)), nights); // no other type
        QCOMPARE(sold->first().value(berth == 2 ? 92 : 91), nights);
    }

    // Minutes before 2000 are negative; a night there is still a night.
    void nightsBefore2000()
    {
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1)"_s));
        addBooking(1, dbText(QDate(1999, 12, 30), 14), dbText(QDate(2000, 1, 2), 10), {1});
        const auto sold = BookingFigures::nightsSold(
            m_install->db(), BookingFigures::steps(QDate(1999, 12, 1), QDate(2000, 1, 31), Step::Month));
        QVERIFY2(sold, qPrintable(sold.error()));
        QCOMPARE(sold->size(), 2);
        QCOMPARE(sold->at(0).value(0), qint64(2)); // 30 and 31 December, on a berth without a type
        QCOMPARE(sold->at(1).value(0), qint64(1));
    }

    // A generated harbour: every figure equals the count made from the rows.
    void figuresAgreeWithACountOfTheRows()
    {
        QVERIFY(DataGenerator::generate(m_install->db(), DataGenerator::busyHarbour(30, 900, QDate(2026, 1, 1))));
        QVERIFY(exec(u"UPDATE Berth SET Active = 0 WHERE ID IN (3, 7)"_s));
        QVERIFY(exec(u"UPDATE Booking SET Cancelled = 1 WHERE ID % 37 = 0"_s));
        QVERIFY(exec(u"UPDATE Booking SET Created = NULL WHERE ID % 11 = 0"_s));
        // The totals kept per month follow every change: stays cut to nothing or to their last day, berth rows
        // taken away, prices changed, bookings deleted.
        QVERIFY(exec(u"UPDATE Booking SET ToDate = FromDate WHERE ID % 13 = 0"_s));
        QVERIFY(exec(u"UPDATE Booking SET FromDate = substr(ToDate, 1, 10) || ' 00:00:00' WHERE ID % 17 = 0"_s));
        QVERIFY(exec(u"DELETE FROM BookingBerth WHERE BookingID % 19 = 0"_s));
        QVERIFY(exec(u"UPDATE Booking SET CostOfHire = CostOfHire + 12345, VAT = NULL WHERE ID % 7 = 0"_s));
        const int before = m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s);
        QVERIFY(exec(u"DELETE FROM Booking WHERE ID % 23 = 0 AND ID NOT IN (SELECT BookingID FROM Payment)"_s));
        QVERIFY(m_install->scalarInt(u"SELECT COUNT(*) FROM Booking"_s) < before);
        const QDate first(2026, 2, 10);
        const QDate last(2026, 9, 20);

        for (Step step : {Step::Day, Step::Week, Step::Month}) {
            const QList<Span> spans = BookingFigures::steps(first, last, step);
            const auto sold = BookingFigures::nightsSold(m_install->db(), spans);
            QVERIFY2(sold, qPrintable(sold.error()));
            for (int i = 0; i < spans.size(); ++i) {
                const std::map<int, qint64> counted = countedNights(spans[i].first, spans[i].last);
                for (const auto& [type, nights] : counted)
                    QCOMPARE(sold->at(i).value(type), nights);
                for (auto it = sold->at(i).cbegin(); it != sold->at(i).cend(); ++it) // no type the rows lack
                    QCOMPARE(it.value(), counted.count(it.key()) ? counted.at(it.key()) : 0);
            }
        }

        std::map<int, qint64> perBerth;
        countedNights(first, last, &perBerth);
        const auto busiest = BookingFigures::busiestBerths(m_install->db(), first, last, 5);
        QVERIFY2(busiest, qPrintable(busiest.error()));
        QCOMPARE(busiest->size(), 5);
        for (int i = 0; i < busiest->size(); ++i) {
            QCOMPARE(busiest->at(i).nights, perBerth[busiest->at(i).berthId]);
            for (const auto& [berth, nights] : perBerth) // nobody left out has more
                if (nights > busiest->at(i).nights)
                    QVERIFY(std::any_of(busiest->begin(), busiest->begin() + i,
                                        [b = berth](const auto& x) { return x.berthId == b; }));
        }

        // Money and stays by month of arrival, cancelled bookings left out; a stay's nights are its dates' difference.
        std::map<QString, std::tuple<int, qint64, qint64, qint64, int, qint64, qint64>> months;
        QSqlQuery q(m_install->db());
        q.exec(u"SELECT FromDate, ToDate, Created, CostOfHire, OtherCharges, VAT FROM Booking WHERE Cancelled = 0"_s);
        while (q.next()) {
            const QDateTime from = DateTimes::readDateTime(q.value(0));
            if (from.date() < first || from.date() > last)
                continue;
            auto& [count, hire, other, vat, withLead, lead, nights] = months[from.toString(u"yyyy-MM"_s)];
            ++count;
            nights += from.date().daysTo(DateTimes::readDateTime(q.value(1)).date());
            hire += q.value(3).toLongLong();
            other += q.value(4).toLongLong();
            vat += q.value(5).toLongLong();
            if (!q.value(2).isNull()) {
                ++withLead;
                lead += std::max<qint64>(0, DateTimes::readDateTime(q.value(2)).date().daysTo(from.date()));
            }
        }
        const auto revenue = BookingFigures::revenueByMonth(m_install->db(), first, last);
        const auto stays = BookingFigures::staysByMonth(m_install->db(), first, last);
        QVERIFY2(revenue && stays, qPrintable(revenue.error() + stays.error()));
        QCOMPARE(revenue->size(), 8); // February to September
        QCOMPARE(stays->size(), 8);
        for (int i = 0; i < revenue->size(); ++i) {
            const auto& [count, hire, other, vat, withLead, lead, nights] =
                months[revenue->at(i).month.toString(u"yyyy-MM"_s)];
            QVERIFY(count > 0);
            QCOMPARE(revenue->at(i).bookings, count);
            QCOMPARE(revenue->at(i).hire, Money::fromUnits(hire));
            QCOMPARE(revenue->at(i).otherCharges, Money::fromUnits(other));
            QCOMPARE(revenue->at(i).tax, Money::fromUnits(vat));
            QCOMPARE(stays->at(i).withLead, withLead);
            QCOMPARE(stays->at(i).leadDays, lead);
            QCOMPARE(stays->at(i).nights, nights);
        }
    }

    // Today is 4 December 2026, 09:15.
    void todaysLists()
    {
        const QDate today = m_install->clock.current.date();
        QVERIFY(exec(u"INSERT INTO Customer (ID, Name) VALUES (1, 'Ann')"_s));
        QVERIFY(exec(u"INSERT INTO Berth (ID, Name, Active) VALUES (1, 'A1', 1), (2, 'A2', 1)"_s));
        QVERIFY(exec(u"INSERT INTO Boat (ID, CustomerID, Name) VALUES (1, 1, 'Sea Breeze')"_s));
        addBooking(1, dbText(today, 14), dbText(today.addDays(2), 10), {2, 1}, 300'0000, 100'0000, 0, 1);
        addBooking(2, dbText(today.addDays(-3), 14), dbText(today, 10), {1});           // leaves later today
        addBooking(3, dbText(today.addDays(-3), 14), dbText(today, 8), {2});            // left earlier today
        addBooking(4, dbText(today.addDays(-1), 14), dbText(today.addDays(3), 10), {}); // in, without a berth
        addBooking(5, dbText(today.addDays(5), 14), dbText(today.addDays(6), 10), {1}, 50'0000);
        addBooking(6, dbText(today.addDays(8), 14), dbText(today.addDays(9), 10), {1}, 50'0000); // owing, but later
        addBooking(7, dbText(today, 15), dbText(today.addDays(1), 10), {}, 50'0000, 0, 1);       // cancelled
        addBooking(8, dbText(today.addDays(1), 0), dbText(today.addDays(2), 10), {});            // arrives at midnight
        addBooking(9, dbText(today.addDays(2), 14), dbText(today.addDays(3), 10), {2}, 80'0000, 90'0000); // in credit

        const auto lists = BookingFigures::today(m_install->db(), m_install->clock.current);
        QVERIFY2(lists, qPrintable(lists.error()));
        QCOMPARE(idsOf(lists->arrivals), QList<int>({1}));
        QCOMPARE(idsOf(lists->departures), QList<int>({3, 2}));
        QCOMPARE(idsOf(lists->inHarbour), QList<int>({2, 4}));
        QCOMPARE(idsOf(lists->owingSoon), QList<int>({1, 5}));
        const BookingFigures::Line& arrival = lists->arrivals.first();
        QCOMPARE(arrival.customer + u'|' + arrival.berths.join(u',') + u'|' + arrival.boat, u"Ann|A2,A1|Sea Breeze"_s);
        QCOMPARE(arrival.balance, Money::fromUnits(200'0000));
        QCOMPARE(arrival.fromDate, DateTimes::wallTime(today, QTime(14, 0)));
    }
};

ZEM_TEST(tst_BookingFigures)
#include "tst_BookingFigures.moc"
