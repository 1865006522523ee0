#include "common/TestMain.h"
#include "core/modFunctions.h"

#include <QTest>

using namespace modFunctions;

class tst_DateRules : public QObject
{
    Q_OBJECT
private slots:
    void roundToHalfHour_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<bool>("downward");
        QTest::addColumn<QDateTime>("expected");
        const QDate d(2004, 5, 10);
        auto at = [&](int h, int m, int s = 0) { return WallTime(d, QTime(h, m, s)); };
        QTest::newRow("on the hour stays, down") << at(14, 0) << true << at(14, 0);
        QTest::newRow("on the hour stays, up") << at(14, 0) << false << at(14, 0);
        QTest::newRow("on the half hour stays") << at(14, 30) << false << at(14, 30);
        QTest::newRow("20 down") << at(14, 20) << true << at(14, 0);
        QTest::newRow("20 up") << at(14, 20) << false << at(14, 30);
        QTest::newRow("31 down") << at(14, 31) << true << at(14, 30);
        QTest::newRow("45 up goes to next hour") << WallTime(QDate(2005, 1, 3), QTime(9, 45)) << false
                                                 << WallTime(QDate(2005, 1, 3), QTime(10, 0));
        QTest::newRow("seconds are dropped") << at(14, 0, 59) << false << at(14, 0);
        QTest::newRow("23:45 up is midnight next day") << at(23, 45) << false << WallTime(QDate(2004, 5, 11));
        QTest::newRow("23:59 up on new year's eve")
            << WallTime(QDate(2004, 12, 31), QTime(23, 59)) << false << WallTime(QDate(2005, 1, 1));
        QTest::newRow("23:45 down stays in the day") << at(23, 45) << true << at(23, 30);
        QTest::newRow("00:10 up") << at(0, 10) << false << at(0, 30);
    }
    void roundToHalfHour()
    {
        QFETCH(QDateTime, when);
        QFETCH(bool, downward);
        QFETCH(QDateTime, expected);
        QCOMPARE(RoundToHalfHour(when, downward), expected);
        // SqlDate binds the same rounded value as database text.
        QCOMPARE(SqlDate(when, downward).toString(), expected.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    }

    void dbTextRoundTrip()
    {
        const QDateTime when = WallTime(QDate(2026, 3, 29), QTime(1, 30));
        QCOMPARE(DbDateTime(when).toString(), QStringLiteral("2026-03-29 01:30:00"));
        QCOMPARE(ReadDateTime(DbDateTime(when)), when);
        // Wall-clock arithmetic ignores daylight saving: 30 minutes are always 30 minutes.
        QCOMPARE(when.addSecs(30 * 60).time(), QTime(2, 0));
        QVERIFY(DbDateTime(QDateTime()).isNull());
        QVERIFY(!ReadDateTime(QStringLiteral("not a date")).isValid());
        QVERIFY(!ReadDateTime(QVariant()).isValid());
    }

    void parseDateByFormat_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QDateTime>("expected"); // invalid = nothing
        QTest::newRow("day folder") << "04122026" << "ddMMyyyy" << WallTime(QDate(2026, 12, 4));
        QTest::newRow("with time") << "2004/05/10 14:30" << "yyyy/MM/dd hh:mm" << WallTime(QDate(2004, 5, 10), QTime(14, 30));
        QTest::newRow("impossible date") << "31022026" << "ddMMyyyy" << QDateTime();
        QTest::newRow("letters") << "0412abcd" << "ddMMyyyy" << QDateTime();
        QTest::newRow("too short") << "041220" << "ddMMyyyy" << QDateTime();
        QTest::newRow("signs are not digits") << "+4122026" << "ddMMyyyy" << QDateTime();
    }
    void parseDateByFormat()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(QDateTime, expected);
        const auto parsed = ParseDateByFormat(text, pattern);
        QCOMPARE(parsed.has_value(), expected.isValid());
        if (parsed)
            QCOMPARE(*parsed, expected);
    }

    void rowAfterDelete_data()
    {
        QTest::addColumn<int>("deleted");
        QTest::addColumn<int>("countAfter");
        QTest::addColumn<int>("expected");
        QTest::newRow("middle row: stays on the same position") << 2 << 5 << 2;
        QTest::newRow("last row: moves back one") << 5 << 5 << 4;
        QTest::newRow("only row: empty list") << 0 << 0 << -1;
    }
    void rowAfterDelete()
    {
        QFETCH(int, deleted);
        QFETCH(int, countAfter);
        QFETCH(int, expected);
        QCOMPARE(RowAfterDelete(deleted, countAfter), expected);
    }
};

ZEM_TEST(tst_DateRules)
#include "tst_DateRules.moc"
