#include "common/TestSupport.h"
#include "outputs/ReportData.h"

using ReportData::List;

// The booking lists' rows: which bookings each list takes, in which order, and how a row reads.
class tst_ReportData : public InstallTest
{
    Q_OBJECT

    void Seed() override
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Customer (ID, Name, HouseName) VALUES (1, 'Smith', 'Rose Cottage'), "
                                u"(2, 'Ng', NULL)"_s));
        QVERIFY(m_install->Exec(u"INSERT INTO Berth (ID, Name) VALUES (1, 'A1'), (2, 'B7'), (3, 'C12')"_s));
    }

    void AddBooking(int id, const QString& from, const QString& to, const QString& created = u"2026-11-01 10:00:00"_s)
    {
        QVERIFY(m_install->Exec(u"INSERT INTO Booking (ID, CustomerID, FromDate, ToDate, Created, CostOfHire, "
                                u"OtherCharges, VAT, TotalPayable, AmountPayed) "
                                u"VALUES (?, 1, ?, ?, ?, 1000000, 52500, 184188, 1236688, 1236688)"_s,
                                {id, from, to, created}));
    }

    static std::optional<QDateTime> At(const QString& text)
    {
        if (text.isEmpty())
            return std::nullopt;
        return modFunctions::ReadDateTime(text);
    }

    QStringList Listed(List list, const QString& from, const QString& to)
    {
        const auto built = ReportData::Build(m_install->Db(), list, At(from), At(to), m_install->clock.now);
        QStringList froms;
        for (const auto& row : built.value().rows)
            froms << row.from;
        return froms;
    }

private slots:
    void period_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("arrival");
        QTest::addColumn<QString>("departure");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("heading");
        const QString june1 = u"2026-06-01 09:15:00"_s, june3 = u"2026-06-03 09:15:00"_s;
        const QString both = u"From: 01.06.2026 to: 03.06.2026"_s;
        QTest::newRow("both, overlapping the start")
            << june1 << june3 << u"2026-05-30 14:00:00"_s << u"2026-06-02 10:00:00"_s << true << both;
        QTest::newRow("both, arriving on To")
            << june1 << june3 << u"2026-06-03 14:00:00"_s << u"2026-06-06 10:00:00"_s << true << both;
        QTest::newRow("both, before") << june1 << june3 << u"2026-05-25 14:00:00"_s << u"2026-05-28 10:00:00"_s << false
                                      << both;
        QTest::newRow("both, after") << june1 << june3 << u"2026-06-05 14:00:00"_s << u"2026-06-07 10:00:00"_s << false
                                     << both;
        // The times are rounded down to the half hour: From 09:15 counts from 09:00, To from the next day 09:00.
        QTest::newRow("both, leaving at From rounded down")
            << june1 << june3 << u"2026-05-30 14:00:00"_s << u"2026-06-01 09:00:00"_s << true << both;
        QTest::newRow("both, leaving before it")
            << june1 << june3 << u"2026-05-30 14:00:00"_s << u"2026-06-01 08:30:00"_s << false << both;
        QTest::newRow("both, arriving the day after To")
            << june1 << june3 << u"2026-06-04 09:00:00"_s << u"2026-06-05 10:00:00"_s << true << both;
        QTest::newRow("both, arriving later that day")
            << june1 << june3 << u"2026-06-04 09:30:00"_s << u"2026-06-05 10:00:00"_s << false << both;
        const QString fromOnly = u"From: 01.06.2026"_s;
        QTest::newRow("From only, long after")
            << june1 << QString() << u"2030-01-01 09:00:00"_s << u"2030-01-02 09:00:00"_s << true << fromOnly;
        QTest::newRow("From only, still there")
            << june1 << QString() << u"2026-05-20 09:00:00"_s << u"2026-06-02 09:00:00"_s << true << fromOnly;
        QTest::newRow("From only, gone") << june1 << QString() << u"2026-05-20 09:00:00"_s << u"2026-05-31 09:00:00"_s
                                         << false << fromOnly;
        const QString toOnly = u"To: 03.06.2026"_s;
        QTest::newRow("To only, across To")
            << QString() << june3 << u"2026-06-02 09:00:00"_s << u"2026-06-10 09:00:00"_s << true << toOnly;
        QTest::newRow("To only, long before")
            << QString() << june3 << u"2020-06-02 09:00:00"_s << u"2020-06-10 09:00:00"_s << true << toOnly;
        QTest::newRow("To only, arriving the next morning")
            << QString() << june3 << u"2026-06-04 09:00:00"_s << u"2026-06-10 09:00:00"_s << true << toOnly;
        QTest::newRow("To only, after") << QString() << june3 << u"2026-06-05 09:00:00"_s << u"2026-06-10 09:00:00"_s
                                        << false << toOnly;
        QTest::newRow("neither") << QString() << QString() << u"1999-06-05 09:00:00"_s << u"1999-06-10 09:00:00"_s
                                 << true << QString();
    }
    void period()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, arrival);
        QFETCH(QString, departure);
        QFETCH(bool, listed);
        QFETCH(QString, heading);
        AddBooking(1, arrival, departure);
        QVERIFY(m_install->Exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1)"_s));
        for (List list : {List::AllBookings, List::PeriodSales}) {
            const auto built = ReportData::Build(m_install->Db(), list, At(from), At(to), m_install->clock.now);
            QVERIFY(built);
            QCOMPARE(built->rows.size(), listed ? 1 : 0);
            QCOMPARE(built->heading, heading);
        }
    }

    void rows()
    {
        AddBooking(1, u"2026-07-10 14:00:00"_s, u"2026-07-12 10:00:00"_s, u"2026-06-30 16:45:12"_s);
        AddBooking(2, u"2026-07-01 09:30:00"_s, u"2026-07-03 10:00:00"_s);
        AddBooking(3, u"2026-07-05 09:00:00"_s, u"2026-07-06 10:00:00"_s);
        QVERIFY(m_install->Exec(u"UPDATE Booking SET CustomerID = 2, Created = NULL WHERE ID = 3"_s));
        // Booked in the order C12, A1, B7; booking 2 has no berth at all.
        QVERIFY(m_install->Exec(u"INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 3), (3, 2), (1, 1), "
                                u"(1, 2)"_s));
        const auto built = ReportData::Build(m_install->Db(), List::PeriodSales, {}, {}, m_install->clock.now);
        QVERIFY(built);
        QCOMPARE(built->rows.size(), 3);
        const ReportData::ListRow& first = built->rows[0];
        QCOMPARE(first.from + u'|' + first.to + u'|' + first.berths + u'|' + first.customer,
                 u"01.07.2026 09:30|03.07.2026 10:00||Smith, Rose Cottage"_s);
        QCOMPARE(built->rows[1].customer, u"Ng, "_s);
        QCOMPARE(built->rows[1].created, QString());
        const ReportData::ListRow& last = built->rows[2];
        QCOMPARE(last.created + u'|' + last.berths, u"30.06.2026 16:45|C12, A1, B7"_s);
        QCOMPARE(last.costOfHire.Units() + last.otherCharges.Units() + last.vat.Units(), last.totalPayable.Units());
        QCOMPARE(last.totalPayable.Format(), u"£123.67"_s);
    }

    void today_data()
    {
        // The clock stands at 2026-12-04 09:15:02, so "today" runs from 09:00 to 09:00 tomorrow.
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("stamp");
        QTest::addColumn<bool>("listed");
        for (auto [list, name] : {std::pair{List::TakenToday, "taken"}, std::pair{List::CheckOutsToday, "leaving"}}) {
            const int l = int(list);
            QTest::addRow("%s at the half hour", name) << l << u"2026-12-04 09:00:00"_s << true;
            QTest::addRow("%s a second before", name) << l << u"2026-12-04 08:59:59"_s << false;
            QTest::addRow("%s tomorrow early", name) << l << u"2026-12-05 08:59:59"_s << true;
            QTest::addRow("%s tomorrow at the hour", name) << l << u"2026-12-05 09:00:00"_s << false;
        }
    }
    void today()
    {
        QFETCH(int, list);
        QFETCH(QString, stamp);
        QFETCH(bool, listed);
        const bool taken = List(list) == List::TakenToday;
        // The other column of each booking lies outside the window, so only the one under test decides.
        AddBooking(1, u"2026-11-01 09:00:00"_s, taken ? u"2026-11-20 10:00:00"_s : stamp,
                   taken ? stamp : u"2026-10-01 10:00:00"_s);
        const auto built = ReportData::Build(m_install->Db(), List(list), {}, {}, m_install->clock.now);
        QVERIFY(built);
        QCOMPARE(built->rows.size(), listed ? 1 : 0);
        QCOMPARE(built->heading, u"04.12.2026"_s);
    }

    void balanceDue()
    {
        AddBooking(1, u"2026-07-10 14:00:00"_s, u"2026-07-12 10:00:00"_s);
        AddBooking(2, u"2026-07-01 14:00:00"_s, u"2026-07-02 10:00:00"_s);
        AddBooking(3, u"2026-06-01 14:00:00"_s, u"2026-06-02 10:00:00"_s);
        QVERIFY(m_install->Exec(u"UPDATE Booking SET AmountPayed = TotalPayable - 1 WHERE ID IN (1, 2)"_s));
        QVERIFY(m_install->Exec(u"UPDATE Customer SET TelNo = '01234 5678' WHERE ID = 1"_s));
        const auto rows = ReportData::BalanceDue(m_install->Db());
        QVERIFY(rows);
        QCOMPARE(rows->size(), 2); // the paid-up booking 3 is not there
        QCOMPARE(ReportData::ListDateTime(rows->at(0).fromDate), u"01.07.2026 14:00"_s);
        QCOMPARE(rows->at(1).name + u'|' + rows->at(1).telNo, u"Smith|01234 5678"_s);
        QCOMPARE((rows->at(1).totalPayable - rows->at(1).amountPayed).Units(), 1);
    }
};

ZEM_TEST(tst_ReportData)
#include "tst_ReportData.moc"
