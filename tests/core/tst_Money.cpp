#include "common/TestMain.h"
#include "core/Money.h"

#include <QTest>

class tst_Money : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qlonglong>("units"); // -1 = refused
        QTest::newRow("empty box is zero") << "" << "en_GB" << 0LL;
        QTest::newRow("blanks are zero") << "   " << "en_GB" << 0LL;
        QTest::newRow("pounds and pence") << "61.50" << "en_GB" << 615000LL;
        QTest::newRow("leading pound sign") << "£21.00" << "en_GB" << 210000LL;
        QTest::newRow("group separator") << "£1,234.5" << "en_GB" << 12345000LL;
        QTest::newRow("four decimals kept") << "1.7525" << "en_GB" << 17525LL;
        QTest::newRow("fifth decimal rounds") << "0.00005" << "en_GB" << 1LL;
        QTest::newRow("negative") << "-5" << "en_GB" << -50000LL;
        QTest::newRow("negative before symbol") << "-£5" << "en_GB" << -50000LL;
        QTest::newRow("decimal comma") << "12,50" << "de_DE" << 125000LL;
        QTest::newRow("text refused") << "abc" << "en_GB" << -1LL;
        QTest::newRow("two points refused") << "1.2.3" << "en_GB" << -1LL;
        QTest::newRow("symbol alone refused") << "£" << "en_GB" << -1LL;
        QTest::newRow("trailing junk refused") << "12p" << "en_GB" << -1LL;
        QTest::newRow("leading separator refused") << ",5" << "en_GB" << -1LL;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(qlonglong, units);
        const auto money = Money::Parse(text, QLocale(locale));
        if (units == -1) {
            QVERIFY(!money);
        } else {
            QVERIFY(money);
            QCOMPARE(money->Units(), units);
        }
    }

    void format_data()
    {
        QTest::addColumn<qlonglong>("units");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0LL << "£0.00";
        QTest::newRow("pence") << 17500LL << "£1.75";
        QTest::newRow("half penny rounds up") << 50LL << "£0.01";
        QTest::newRow("below half rounds down") << 49LL << "£0.00";
        QTest::newRow("no thousands separator") << 12345678900LL << "£1234567.89";
        QTest::newRow("negative rounds away from zero") << -50LL << "-£0.01";
    }
    void format()
    {
        QFETCH(qlonglong, units);
        QFETCH(QString, text);
        QCOMPARE(Money::FromUnits(units).Format(), text);
    }

    void vat_data()
    {
        QTest::addColumn<qlonglong>("net");
        QTest::addColumn<qlonglong>("vat");
        QTest::newRow("£120.00 at 17.5%") << 1200000LL << 210000LL;
        QTest::newRow("£10.00 at 17.5%") << 100000LL << 17500LL;
        QTest::newRow("rounds half away") << 2LL << 0LL;   // 0.35 → 0
        QTest::newRow("rounds up") << 3LL << 1LL;          // 0.525 → 1
        QTest::newRow("negative") << -3LL << -1LL;
    }
    void vat()
    {
        QFETCH(qlonglong, net);
        QFETCH(qlonglong, vat);
        QCOMPARE(Money::FromUnits(net).MulRatio(175, 1000).Units(), vat);
    }

    void storage()
    {
        QCOMPARE(Money::FromDb(QVariant()).Units(), 0);
        QCOMPARE(Money::FromDb(Money::FromPence(6150).ToDb()), Money::FromPence(6150));
        QCOMPARE((Money::FromPence(100) * 3 + Money::FromPence(50)).Format(), QStringLiteral("£3.50"));
    }
};

ZEM_TEST(tst_Money)
#include "tst_Money.moc"
