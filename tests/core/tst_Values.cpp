#include "common/InstallFixture.h"
#include "core/InputParsing.h"
#include "core/Lengths.h"
#include "core/ListCursor.h"
#include "core/Money.h"
#include "core/Texts.h"

using namespace DateTimes;

// Money and date-time values: parsing, rounding, formatting and their database form; which box texts are valid.
class tst_Values : public QObject
{
    Q_OBJECT
private slots:
    void roundToHalfHour_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<bool>("downward");
        QTest::addColumn<QDateTime>("expected");
        const QDate d(2004, 5, 10);
        auto at = [&](int h, int m, int s = 0) { return wallTime(d, QTime(h, m, s)); };
        QTest::newRow("on the hour stays, down") << at(14, 0) << true << at(14, 0);
        QTest::newRow("on the hour stays, up") << at(14, 0) << false << at(14, 0);
        QTest::newRow("on the half hour stays") << at(14, 30) << false << at(14, 30);
        QTest::newRow("20 down") << at(14, 20) << true << at(14, 0);
        QTest::newRow("20 up") << at(14, 20) << false << at(14, 30);
        QTest::newRow("31 down") << at(14, 31) << true << at(14, 30);
        QTest::newRow("45 up goes to next hour")
            << wallTime(QDate(2005, 1, 3), QTime(9, 45)) << false << wallTime(QDate(2005, 1, 3), QTime(10, 0));
        QTest::newRow("seconds are dropped") << at(14, 0, 59) << false << at(14, 0);
        QTest::newRow("23:45 up is midnight next day") << at(23, 45) << false << wallTime(QDate(2004, 5, 11));
        QTest::newRow("23:59 up on new year's eve")
            << wallTime(QDate(2004, 12, 31), QTime(23, 59)) << false << wallTime(QDate(2005, 1, 1));
        QTest::newRow("23:45 down stays in the day") << at(23, 45) << true << at(23, 30);
        QTest::newRow("00:10 up") << at(0, 10) << false << at(0, 30);
    }
    void roundToHalfHour()
    {
        QFETCH(QDateTime, when);
        QFETCH(bool, downward);
        QFETCH(QDateTime, expected);
        QCOMPARE(DateTimes::roundToHalfHour(when, downward), expected);
        // sqlDate binds the same rounded value as database text.
        QCOMPARE(sqlDate(when, downward).toString(), expected.toString(u"yyyy-MM-dd HH:mm:ss"_s));
    }

    void typedDate_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected"); // invalid: not read
        const QDate eleventh(2026, 12, 11);
        const QString uk = u"en_GB"_s, us = u"en_US"_s, iso = u"sv_SE"_s, de = u"de_DE"_s;
        QTest::newRow("bare digits") << uk << u"11122026"_s << eleventh;
        QTest::newRow("slashes, two-digit year") << uk << u"11/12/26"_s << eleventh;
        QTest::newRow("dots") << uk << u"11.12.2026"_s << eleventh;
        QTest::newRow("one-digit day and month") << uk << u"1/2/2027"_s << QDate(2027, 2, 1);
        QTest::newRow("spaces and dashes") << uk << u" 11 - 12 - 2026 "_s << eleventh;
        QTest::newRow("six digits") << uk << u"111226"_s << eleventh;
        QTest::newRow("day and month take the year given") << uk << u"0103"_s << QDate(2026, 3, 1);
        QTest::newRow("day and month with a separator") << uk << u"1/3"_s << QDate(2026, 3, 1);
        QTest::newRow("month first where the region has it") << us << u"12112026"_s << eleventh;
        QTest::newRow("month first, separators") << us << u"12/11/26"_s << eleventh;
        QTest::newRow("year first") << iso << u"20261211"_s << eleventh;
        QTest::newRow("year first, separators") << iso << u"2026-12-11"_s << eleventh;
        QTest::newRow("German dots") << de << u"11.12.26"_s << eleventh;
        QTest::newRow("no 31st of November") << uk << u"31112026"_s << QDate();
        QTest::newRow("29th of February in a leap year") << uk << u"29022028"_s << QDate(2028, 2, 29);
        QTest::newRow("no 29th of February otherwise") << uk << u"29022027"_s << QDate();
        QTest::newRow("month 13") << uk << u"01132026"_s << QDate();
        QTest::newRow("seven digits") << uk << u"1112202"_s << QDate();
        QTest::newRow("three-digit year") << uk << u"11/12/202"_s << QDate();
        QTest::newRow("three-digit day") << uk << u"011/12/2026"_s << QDate();
        QTest::newRow("four parts") << uk << u"11/12/20/26"_s << QDate();
        QTest::newRow("letters") << uk << u"11 Dec 2026"_s << QDate();
        QTest::newRow("a sign") << uk << u"+11/12/2026"_s << QDate();
        QTest::newRow("nothing") << uk << QString() << QDate();
    }
    void typedDate()
    {
        QFETCH(QString, locale);
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        QLocale::setDefault(QLocale(locale));
        const auto back = qScopeGuard([] { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); });
        QCOMPARE(readTypedDate(typed, QDate(2026, 6, 1)).value_or(QDate()), expected);
    }

    void rowAfterDelete()
    {
        // The cursor after a delete: the same position, else the new last row, else none.
        QCOMPARE(QList<int>({ListCursor::rowAfterDelete(2, 5), ListCursor::rowAfterDelete(5, 5),
                             ListCursor::rowAfterDelete(0, 0)}),
                 QList<int>({2, 4, -1}));
    }

    void dbTextRoundTrip()
    {
        const QDateTime when = wallTime(QDate(2026, 3, 29), QTime(1, 30));
        QCOMPARE(dbDateTime(when).toString(), u"2026-03-29 01:30:00"_s);
        QCOMPARE(readDateTime(dbDateTime(when)), when);
        // Wall-clock arithmetic ignores daylight saving: 30 minutes are always 30 minutes.
        QCOMPARE(when.addSecs(30 * 60).time(), QTime(2, 0));
        QVERIFY(dbDateTime(QDateTime()).isNull());
        QCOMPARE(readDateTime(u" 2026-12-31 23:59:59"_s), wallTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
        // Stored text that is not a real date-time reads as none; the shorter forms still read.
        for (const QVariant& bad : {QVariant(), QVariant(u"not a date"_s), QVariant(u"2026-02-30 10:00:00"_s),
                                    QVariant(u"2026-1x-01 10:00:00"_s), QVariant(u"2026-06-01 24:00:00"_s),
                                    QVariant(u"2026-06-01T10:00:00"_s)})
            QVERIFY2(!readDateTime(bad).isValid(), qPrintable(bad.toString()));
        QCOMPARE(readDateTime(u"2199-12-31 23:59:59"_s), wallTime(QDate(2199, 12, 31), QTime(23, 59, 59)));
        QCOMPARE(readDateTime(u"2026-06-01 10:30"_s), wallTime(QDate(2026, 6, 1), QTime(10, 30)));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qlonglong>("units"); // -1 = refused
        const QString gb = u"en_GB"_s;
        QTest::newRow("empty box is zero") << "" << gb << 0LL;
        QTest::newRow("blanks are zero") << "   " << gb << 0LL;
        QTest::newRow("pounds and pence") << "61.50" << gb << 615000LL;
        QTest::newRow("leading pound sign") << "£21.00" << gb << 210000LL;
        QTest::newRow("group separator") << "£1,234.5" << gb << 12345000LL;
        QTest::newRow("four decimals kept") << "1.7525" << gb << 17525LL;
        QTest::newRow("fifth decimal rounds") << "0.00005" << gb << 1LL;
        QTest::newRow("negative") << "-5" << gb << -50000LL;
        QTest::newRow("negative before symbol") << "-£5" << gb << -50000LL;
        QTest::newRow("decimal comma") << "12,50" << u"de_DE"_s << 125000LL;
        QTest::newRow("shown amount under a decimal comma") << "£12.50" << u"de_DE"_s << 125000LL;
        QTest::newRow("points as thousands under a decimal comma") << "1.250" << u"de_DE"_s << 12500000LL;
        QTest::newRow("text refused") << "abc" << gb << -1LL;
        QTest::newRow("two points refused") << "1.2.3" << gb << -1LL;
        QTest::newRow("symbol alone refused") << "£" << gb << -1LL;
        QTest::newRow("trailing junk refused") << "12p" << gb << -1LL;
        QTest::newRow("leading separator refused") << ",5" << gb << -1LL;
        QTest::newRow("the ceiling itself") << "£999,999,999.99" << gb << 9999999999900LL;
        QTest::newRow("a penny over the ceiling refused") << "1000000000" << gb << -1LL;
        QTest::newRow("six trillion refused") << "6000000000000" << gb << -1LL;
        QTest::newRow("below minus the ceiling refused") << "-1000000000" << gb << -1LL;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, locale);
        QFETCH(qlonglong, units);
        QCOMPARE(Money::parse(text, QLocale(locale)).value_or(Money::fromUnits(-1)).units(), units);
    }

    // Amounts as boxes show them (no grouping) and as printed documents do, with the symbol the regional settings
    // chose and the sign before it; both read back as the amount shown, and "£" is still read. A blank choice is the
    // pound again.
    void format_data()
    {
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<qlonglong>("units");
        QTest::addColumn<QString>("texts"); // as boxes show it | as printed documents show it
        const QString pound = u"£"_s;
        QTest::newRow("zero") << pound << 0LL << "£0.00|£0.00";
        QTest::newRow("pence") << pound << 17500LL << "£1.75|£1.75";
        QTest::newRow("half penny rounds up") << pound << 50LL << "£0.01|£0.01";
        QTest::newRow("below half rounds down") << pound << 49LL << "£0.00|£0.00";
        QTest::newRow("no thousands separator") << pound << 12345678900LL << "£1234567.89|£1,234,567.89";
        QTest::newRow("three digits stay alone") << pound << 9999900LL << "£999.99|£999.99";
        QTest::newRow("one thousand") << pound << 10000000LL << "£1000.00|£1,000.00";
        QTest::newRow("negative rounds away from zero") << pound << -50LL << "-£0.01|-£0.01";
        QTest::newRow("negative thousands") << pound << -123456780000LL << "-£12345678.00|-£12,345,678.00";
        QTest::newRow("euro") << u"€"_s << 12345678900LL << u"€1234567.89|€1,234,567.89"_s;
        QTest::newRow("letters") << u"kr"_s << 10000000LL << u"kr1000.00|kr1,000.00"_s;
        QTest::newRow("negative: sign before the symbol")
            << u"$"_s << -123456780000LL << u"-$12345678.00|-$12,345,678.00"_s;
        QTest::newRow("several letters, negative rounding") << u" CHF "_s << -50LL << u"-CHF0.01|-CHF0.01"_s;
        QTest::newRow("blank is the pound") << u"  "_s << 17500LL << u"£1.75|£1.75"_s;
    }
    void format()
    {
        QFETCH(QString, symbol);
        QFETCH(qlonglong, units);
        QFETCH(QString, texts);
        const auto restore = qScopeGuard([] { Money::setCurrencySymbol(u"£"_s); });
        Money::setCurrencySymbol(u"¤"_s); // each choice replaces the one before
        Money::setCurrencySymbol(symbol);
        const Money amount = Money::fromUnits(units);
        QCOMPARE(amount.format() + u'|' + amount.formatGrouped(), texts);
        // A locale whose own symbol is none of these, so only the shown one can be what is read.
        const QLocale japan(u"ja_JP"_s);
        for (const QString& shown : {amount.format(), amount.formatGrouped()}) {
            const auto read = Money::parse(shown, japan);
            QVERIFY2(read, qPrintable(shown));
            QCOMPARE(read->units(), Money::fromPence(amount.roundedPence()).units());
        }
        QCOMPARE(Money::parse(u"-£2.50"_s, japan).value_or(Money()).units(), -25000LL);
        QVERIFY(!Money::parse(u"@2.50"_s, japan));
    }

    // Sizes typed and shown in either unit; a foot is 30.48 cm exactly.
    void lengths_data()
    {
        QTest::addColumn<bool>("feet");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("cm"); // -1: refused
        QTest::addColumn<QString>("shown");
        QTest::newRow("metres") << false << u"11.4"_s << 1140 << u"11.40 m"_s;
        QTest::newRow("metres with a comma") << false << u" 9,05 "_s << 905 << u"9.05 m"_s;
        QTest::newRow("whole metres") << false << u"12"_s << 1200 << u"12.00 m"_s;
        QTest::newRow("200 m exactly") << false << u"200"_s << 20000 << u"200.00 m"_s;
        QTest::newRow("over 200 m") << false << u"200.01"_s << -1 << QString();
        QTest::newRow("zero") << false << u"0"_s << -1 << QString();
        QTest::newRow("three decimals") << false << u"1.234"_s << -1 << QString();
        QTest::newRow("negative") << false << u"-3"_s << -1 << QString();
        QTest::newRow("two points") << false << u"1.2.3"_s << -1 << QString();
        QTest::newRow("letters") << false << u"12m"_s << -1 << QString();
        QTest::newRow("a lone point") << false << u"."_s << -1 << QString();
        QTest::newRow("40 ft") << true << u"40"_s << 1219 << u"40.0 ft"_s;     // 1219.2 cm
        QTest::newRow("37.4 ft") << true << u"37.4"_s << 1140 << u"37.4 ft"_s; // 1139.95 cm
        QTest::newRow("one foot") << true << u"1"_s << 30 << u"1.0 ft"_s;      // 30.48 cm, shown 0.98 → 1.0
        QTest::newRow("656 ft is under 200 m") << true << u"656"_s << 19995 << u"656.0 ft"_s;
        QTest::newRow("657 ft is over") << true << u"657"_s << -1 << QString();
    }
    void lengths()
    {
        QFETCH(bool, feet);
        QFETCH(QString, typed);
        QFETCH(int, cm);
        QFETCH(QString, shown);
        const Lengths::Unit unit = feet ? Lengths::Unit::Feet : Lengths::Unit::Metres;
        const auto read = Lengths::parse(typed, 20000, unit);
        QCOMPARE(read.value_or(-1), cm);
        if (read)
            QCOMPARE(Lengths::text(*read, unit), shown);
    }

    // Shown as the office's locale writes numbers, and read back as shown.
    void localeNotation()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        Money::setCurrencySymbol(u"€"_s);
        const Money amount = Money::fromPence(-123450);
        const QString shown = amount.format() + u' ' + amount.formatGrouped();
        const auto back = Money::parse(amount.formatGrouped());
        const auto typed = Money::parse(u"12.50"_s);
        Money::setCurrencySymbol(u"£"_s);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QCOMPARE(shown, u"-€1234,50 -€1.234,50"_s);
        QCOMPARE(back, amount);
        QCOMPARE(typed, Money::fromPence(1250));
        QCOMPARE(amount.plainText(), u"-1234.50"_s); // files keep the point
    }

    void validity_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("valid");
        const int number = int(InputChecks::Kind::Number);
        const int whole = int(InputChecks::Kind::WholeNumber);
        const int money = int(InputChecks::Kind::Money);
        const int count = int(InputChecks::Kind::Count);
        const QString c = u"C"_s;
        const QString gb = u"en_GB"_s;
        QTest::newRow("empty number") << "" << number << c << true;
        QTest::newRow("empty money") << "" << money << c << true;
        QTest::newRow("blanks number") << "   " << number << c << false;
        QTest::newRow("blanks money") << "  " << money << c << false;
        QTest::newRow("decimal") << "12.5" << number << c << true;
        QTest::newRow("letters") << "abc" << number << c << false;
        QTest::newRow("infinity") << "inf" << number << c << false;
        QTest::newRow("pound sign is not a number") << "£12" << number << c << false;
        QTest::newRow("German decimal comma") << "12,5" << number << u"de_DE"_s << true;
        QTest::newRow("whole") << "-1" << whole << c << true;
        QTest::newRow("fraction is not whole") << "2.5" << whole << c << false;
        QTest::newRow("money as shown") << "£250.50" << money << c << true;
        QTest::newRow("empty count") << "" << count << gb << true;
        QTest::newRow("zero count") << "0" << count << gb << true;
        QTest::newRow("count not asked") << "-1" << count << gb << true;
        QTest::newRow("largest count") << "9999" << count << gb << true;
        QTest::newRow("count one over") << "10000" << count << gb << false;
        QTest::newRow("eleven-digit count") << "99999999999" << count << gb << false;
        QTest::newRow("count below not asked") << "-2" << count << gb << false;
        QTest::newRow("fractional count") << "2.5" << count << gb << false;
        const int charge = int(InputChecks::Kind::Charge);
        QTest::newRow("largest charge") << "249999999.99" << charge << c << true;
        QTest::newRow("charge a penny over") << "250000000.00" << charge << c << false;
        QTest::newRow("largest refund charge") << "-£249,999,999.99" << charge << gb << true;
        QTest::newRow("money past a charge") << "250000000.00" << money << c << true;
    }
    // The two largest charges the boxes take, with tax at its highest rate, come to a total that still saves.
    void chargesAddUpWithinTheCeiling()
    {
        const Money largest = InputChecks::ChargeCeiling;
        const Money total = largest + largest + (largest + largest).mulRatio(10000, 10000);
        QVERIFY(total.withinCeiling());
        QVERIFY(!(total + Money::fromPence(4)).withinCeiling());
    }
    void validity()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, locale);
        QFETCH(bool, valid);
        QCOMPARE(InputChecks::isValid(text, InputChecks::Kind(kind), QLocale(locale)), valid);
    }

    void vat_data()
    {
        QTest::addColumn<qlonglong>("net");
        QTest::addColumn<qlonglong>("vat");
        QTest::newRow("£120.00 at 17.5%") << 1200000LL << 210000LL;
        QTest::newRow("£10.00 at 17.5%") << 100000LL << 17500LL;
        QTest::newRow("rounds half away") << 2LL << 0LL; // 0.35 → 0
        QTest::newRow("rounds up") << 3LL << 1LL;        // 0.525 → 1
        QTest::newRow("negative") << -3LL << -1LL;
    }
    void vat()
    {
        QFETCH(qlonglong, net);
        QFETCH(qlonglong, vat);
        QCOMPARE(Money::fromUnits(net).mulRatio(175, 1000).units(), vat);
    }

    void checkedArithmetic()
    {
        // A result that does not fit stays at the far end with its sign: it never wraps to the other sign.
        const Money huge = Money::fromUnits(std::numeric_limits<qint64>::max() / 2 + 1);
        QVERIFY(huge + huge > Money() && Money() - huge - huge - huge < Money());
        QVERIFY(huge * 3 > Money() && huge * -3 < Money());
        QCOMPARE(Money::ceiling().mulRatio(175, 1000).units(), 1749999999983LL);
        QVERIFY(huge.mulRatio(175, 1000) > Money() && huge.mulRatio(-175, 1000) < Money());
        // The sum of hire and charges past the ceiling is not within it, so its VAT and total are refused.
        QVERIFY(!(Money::ceiling() + Money::fromPence(1)).withinCeiling());
        QVERIFY((-Money::ceiling().units() == (Money() - Money::ceiling()).units()));
        // The database form: Null is nothing, and an amount comes back as it went.
        QCOMPARE(Money::fromDb(QVariant()).units(), 0);
        QCOMPARE(Money::fromDb(Money::fromPence(6150).toDb()), Money::fromPence(6150));
        QCOMPARE((Money::fromPence(100) * 3 + Money::fromPence(50)).format(), u"£3.50"_s);
    }

    // Long lists sort by collation keys made once: the order is the collator's, and equal names keep theirs.
    void naturalOrderOfLongLists()
    {
        struct Named
        {
            QString name;
            int came;
        };
        QList<Named> berths;
        const QStringList names = {u"A10"_s, u"b2"_s,     u"a2"_s,         u"A1"_s, u"Pontoon 3"_s, u"a2"_s,
                                   u"A02"_s, u"Éclair"_s, u"pontoon 12"_s, u"A2"_s, u"Z"_s,         u"c 1"_s};
        for (int i = 0; i < 300; ++i)
            berths.append({names[i % names.size()] + (i % 3 ? QString() : QString::number(i % 7)), i});
        QList<Named> byCollator = berths;
        const QCollator collator = Texts::naturalOrder();
        std::stable_sort(byCollator.begin(), byCollator.end(),
                         [&](const Named& a, const Named& b) { return collator.compare(a.name, b.name) < 0; });
        Texts::sortNaturally(berths, [](const Named& berth) { return berth.name; });
        const auto order = [](const QList<Named>& list) {
            QStringList out;
            for (const Named& berth : list)
                out << berth.name + u'#' + QString::number(berth.came);
            return out;
        };
        QCOMPARE(order(berths), order(byCollator));
        QCOMPARE(berths.first().name + u'#' + QString::number(berths.first().came), u"a2#2"_s); // 2 before 10
        QCOMPARE(berths.last().name, u"Z"_s);
    }
};

ZEM_TEST(tst_Values)
#include "tst_Values.moc"
