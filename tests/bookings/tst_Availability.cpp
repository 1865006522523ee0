#include "bookings/BerthAvailability.h"
#include "common/TestInstall.h"
#include "common/TestMain.h"
#include "core/modFunctions.h"

#include <QTest>

class tst_Availability : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestInstall> m_install;

    static QDateTime At(int day, int hour, int minute = 0)
    {
        return modFunctions::WallTime(QDate(2026, 6, day), QTime(hour, minute));
    }

    QStringList Free(const QDateTime& from, const QDateTime& to, int exclude = 0) const
    {
        const auto berths = BerthAvailability::FreeBerths(m_install->Db(), from, to, exclude);
        if (!berths)
            return {QStringLiteral("<error>")};
        QStringList names;
        for (const AvailableBerth& berth : *berths)
            names << berth.name;
        return names;
    }

private slots:
    void init()
    {
        m_install = std::make_unique<TestInstall>();
        // A1 booked 10.06 12:00 to 12.06 10:00 (booking 1); A2 free; A10 inactive; B2 in booking 2 with A1 later.
        QVERIFY(m_install->Exec(QStringLiteral(
            "INSERT INTO Berth (ID, Name, Length, Width, HasPower, DailyHireCharge, Active) VALUES "
            "(1, 'A1', 10, 3, 1, 125000, 1), (2, 'A2', 8, 3, 0, NULL, 1), (3, 'A10', 8, 3, 0, 1, 0), "
            "(4, 'B2', 12, 4, 1, 80000, 1)")));
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO Booking (ID, CustomerID, FromDate, ToDate) VALUES "
                                               "(1, 1, '2026-06-10 12:00:00', '2026-06-12 10:00:00'), "
                                               "(2, 1, '2026-06-20 09:00:00', '2026-06-25 14:00:00')")));
        QVERIFY(m_install->Exec(QStringLiteral("INSERT INTO BookingBerth (BookingID, BerthID) VALUES (1, 1), (2, 4), (2, 1)")));
    }
    void cleanup() { m_install.reset(); }

    void overlap_data()
    {
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");
        QTest::addColumn<int>("exclude");
        QTest::addColumn<QStringList>("free");
        const QStringList all{QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("B2")};
        QTest::newRow("starts when the booking ends") << At(12, 10) << At(14, 10) << 0 << all;
        QTest::newRow("ends when the booking starts") << At(8, 10) << At(10, 12) << 0 << all;
        QTest::newRow("inside the booking") << At(11, 0) << At(11, 23, 30) << 0
                                            << QStringList{QStringLiteral("A2"), QStringLiteral("B2")};
        QTest::newRow("one minute of overlap counts") << At(12, 9, 30) << At(13, 9) << 0
                                                      << QStringList{QStringLiteral("A2"), QStringLiteral("B2")};
        QTest::newRow("covering the whole booking") << At(1, 0) << At(30, 0) << 0 << QStringList{QStringLiteral("A2")};
        QTest::newRow("the booking being changed does not block itself")
            << At(21, 9) << At(22, 9) << 2 << all;
        QTest::newRow("a third booking still blocks when changing another") << At(11, 9) << At(21, 9) << 2
                                                                            << QStringList{QStringLiteral("A2"), QStringLiteral("B2")};
    }
    void overlap()
    {
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);
        QFETCH(int, exclude);
        QFETCH(QStringList, free);
        QCOMPARE(Free(from, to, exclude), free);
    }

    void columnsAndNullCharge()
    {
        const auto berths = BerthAvailability::FreeBerths(m_install->Db(), At(1, 9), At(2, 9), 0);
        QVERIFY(berths);
        QCOMPARE(berths->size(), 3);
        const AvailableBerth& a1 = berths->at(0);
        QCOMPARE(a1.id, 1);
        QCOMPARE(a1.length, 10.0);
        QVERIFY(a1.hasPower);
        QCOMPARE(a1.dailyHireCharge->Format(), QStringLiteral("£12.50"));
        QVERIFY(!berths->at(1).dailyHireCharge); // A2 has none
    }

    void movedBookingMovesItsIndexEntry()
    {
        // The period index follows an update of the dates, and a deleted booking frees its berths.
        QVERIFY(m_install->Exec(QStringLiteral("UPDATE Booking SET FromDate = '2026-06-01 09:00:00', "
                                               "ToDate = '2026-06-02 14:00:00' WHERE ID = 1")));
        QVERIFY(Free(At(11, 0), At(11, 12)).contains(QStringLiteral("A1")));
        QVERIFY(!Free(At(1, 12), At(1, 18)).contains(QStringLiteral("A1")));
        QVERIFY(m_install->Exec(QStringLiteral("DELETE FROM Booking WHERE ID = 2")));
        QCOMPARE(m_install->Value(QStringLiteral("SELECT COUNT(*) FROM BookingBerth WHERE BookingID = 2")).toInt(), 0);
        QVERIFY(Free(At(21, 0), At(22, 0)).contains(QStringLiteral("B2")));
    }
};

ZEM_TEST(tst_Availability)
#include "tst_Availability.moc"
