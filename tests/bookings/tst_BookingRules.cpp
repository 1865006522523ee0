#include "bookings/BookingRules.h"
#include "common/TestMain.h"
#include "core/modFunctions.h"

#include <QTest>

using namespace BookingRules;

class tst_BookingRules : public QObject
{
    Q_OBJECT
private slots:
    void interval_data()
    {
        QTest::addColumn<QDate>("fromDate");
        QTest::addColumn<QTime>("fromTime");
        QTest::addColumn<QDate>("toDate");
        QTest::addColumn<QTime>("toTime");
        QTest::addColumn<int>("check");
        QTest::addColumn<QTime>("arrival");   // after rounding down
        QTest::addColumn<QTime>("departure"); // after rounding up
        const QDate d(2004, 6, 5);
        const int ok = int(IntervalCheck::Ok), bad = int(IntervalCheck::DepartureNotAfterArrival),
                  shortNight = int(IntervalCheck::ShortNight);
        QTest::newRow("21:10 to 06:45 next day is a short night")
            << d << QTime(21, 10) << d.addDays(1) << QTime(6, 45) << shortNight << QTime(21, 0) << QTime(7, 0);
        QTest::newRow("21:00 to 08:00 next day is fine")
            << d << QTime(21, 0) << d.addDays(1) << QTime(8, 0) << ok << QTime(21, 0) << QTime(8, 0);
        QTest::newRow("19:59 rounds to 19:30, fine")
            << d << QTime(19, 59) << d.addDays(1) << QTime(7, 0) << ok << QTime(19, 30) << QTime(7, 0);
        QTest::newRow("two nights is fine")
            << d << QTime(21, 0) << d.addDays(2) << QTime(7, 0) << ok << QTime(21, 0) << QTime(7, 0);
        QTest::newRow("same day 10:00 to 10:20 rounds up to 10:30")
            << d << QTime(10, 0) << d << QTime(10, 20) << ok << QTime(10, 0) << QTime(10, 30);
        QTest::newRow("rounding runs before the comparison")
            << d << QTime(10, 10) << d << QTime(10, 5) << ok << QTime(10, 0) << QTime(10, 30);
        QTest::newRow("departure equal to arrival") << d << QTime(10, 0) << d << QTime(10, 0) << bad << QTime(10, 0)
                                                    << QTime(10, 0);
        QTest::newRow("departure before arrival") << d << QTime(14, 0) << d.addDays(-1) << QTime(14, 0) << bad
                                                  << QTime(14, 0) << QTime(14, 0);
        QTest::newRow("23:45 departure is midnight next day, a short night")
            << d << QTime(22, 0) << d << QTime(23, 45) << shortNight << QTime(22, 0) << QTime(0, 0);
        QTest::newRow("23:45 departure from a morning arrival")
            << d << QTime(9, 0) << d << QTime(23, 45) << ok << QTime(9, 0) << QTime(0, 0);
    }
    void interval()
    {
        QFETCH(QDate, fromDate);
        QFETCH(QTime, fromTime);
        QFETCH(QDate, toDate);
        QFETCH(QTime, toTime);
        QFETCH(int, check);
        QFETCH(QTime, arrival);
        QFETCH(QTime, departure);
        const QDateTime from = ArrivalFrom(fromDate, fromTime);
        const QDateTime to = DepartureFrom(toDate, toTime);
        QCOMPARE(from.time(), arrival);
        QCOMPARE(to.time(), departure);
        QCOMPARE(int(CheckInterval(from, to)), check);
    }

    void hireAndCharges_data()
    {
        QTest::addColumn<QList<qlonglong>>("dailyPence"); // -1: no daily charge
        QTest::addColumn<QDateTime>("from");
        QTest::addColumn<QDateTime>("to");
        QTest::addColumn<QString>("otherText");
        QTest::addColumn<QString>("hire");
        QTest::addColumn<QString>("vat");
        QTest::addColumn<QString>("total");
        auto at = [](int day, int h) { return modFunctions::WallTime(QDate(2004, 6, day), QTime(h, 0)); };
        QTest::newRow("two berths, three days") << QList<qlonglong>{1250, 800} << at(1, 14) << at(4, 10) << ""
                                                << "£61.50" << "£10.76" << "£72.26";
        QTest::newRow("no daily charge adds nothing") << QList<qlonglong>{-1} << at(1, 14) << at(4, 10) << ""
                                                      << "£0.00" << "£0.00" << "£0.00";
        QTest::newRow("same day is no day") << QList<qlonglong>{5000} << at(1, 9) << at(1, 17) << "" << "£0.00"
                                            << "£0.00" << "£0.00";
        QTest::newRow("overnight is one day") << QList<qlonglong>{10000} << at(1, 14) << at(2, 9) << "£20.00"
                                              << "£100.00" << "£21.00" << "£141.00";
        QTest::newRow("other charges empty") << QList<qlonglong>{1000} << at(1, 14) << at(2, 9) << "" << "£10.00"
                                             << "£1.75" << "£11.75";
    }
    void hireAndCharges()
    {
        QFETCH(QList<qlonglong>, dailyPence);
        QFETCH(QDateTime, from);
        QFETCH(QDateTime, to);
        QFETCH(QString, otherText);
        QFETCH(QString, hire);
        QFETCH(QString, vat);
        QFETCH(QString, total);
        QList<AvailableBerth> marked;
        for (qlonglong pence : dailyPence) {
            AvailableBerth berth;
            if (pence >= 0)
                berth.dailyHireCharge = Money::FromPence(pence);
            marked.append(berth);
        }
        const Money hireTotal = HireTotal(marked, DaysOfHire(from, to));
        QCOMPARE(hireTotal.Format(), hire);
        const auto other = Money::Parse(otherText, QLocale(QLocale::English, QLocale::UnitedKingdom));
        QVERIFY(other);
        const Charges charges = Recalculate(hireTotal, *other);
        QCOMPARE(charges.vat.Format(), vat);
        QCOMPARE(charges.total.Format(), total);
    }

    void texts()
    {
        const QDateTime from = modFunctions::WallTime(QDate(2004, 6, 5), QTime(14, 30));
        const QDateTime to = modFunctions::WallTime(QDate(2004, 6, 7), QTime(10, 0));
        QCOMPARE(PeriodText(from, to), QStringLiteral("05.06.2004 14:30 to 07.06.2004 10:00"));
        QCOMPARE(SavedDetails(PeriodText(from, to), QStringLiteral("Ann Smith, 4"), {QStringLiteral("A1"), QStringLiteral("B2")}),
                 QStringLiteral("From: 05.06.2004 14:30 to 07.06.2004 10:00\r\nCustomer:Ann Smith, 4\r\nBerth(s): A1, B2"));
        QCOMPARE(CancelledDetails(from, to, QStringLiteral("Ann Smith, 4")),
                 QStringLiteral("From: 05.06.2004 14:30 to 07.06.2004 10:00\r\nCustomer: Ann Smith, 4"));
    }
};

ZEM_TEST(tst_BookingRules)
#include "tst_BookingRules.moc"
