#include "common/InstallFixture.h"
#include "rates/Pricing.h"

using namespace Pricing;

Q_DECLARE_METATYPE(Pricing::Season)

// A stay priced night by night from the seasons; the refusals of a rate table; the tax in force and the charges.
class tst_Pricing : public QObject
{
    Q_OBJECT

    // Low and High share a priority and meet at midsummer; the regatta week outranks High; Winter comes every year
    // over New Year; a leap day outranks Winter.
    static QList<Season> seasons()
    {
        return {{1, u"Low"_s, QDate(2026, 1, 1), QDate(2026, 6, 30), false, 1},
                {2, u"High"_s, QDate(2026, 7, 1), QDate(2026, 9, 30), false, 1},
                {3, u"Regatta"_s, QDate(2026, 8, 1), QDate(2026, 8, 7), false, 5},
                {4, u"Winter"_s, QDate(2026, 11, 1), QDate(2027, 3, 31), true, 1},
                {5, u"Leap day"_s, QDate(2024, 2, 29), QDate(2024, 2, 29), true, 9}};
    }

    // "2:n3000,w18000|4:p,n250": season 2 at £30.00 a night and £180.00 a week; season 4 at £2.50 a metre a night.
    // n nightly, e weekend night, w weekly, m monthly (pence), p per metre.
    static QHash<qint64, Rate> rates(const QString& text)
    {
        QHash<qint64, Rate> result;
        for (const QString& entry : text.split(u'|', Qt::SkipEmptyParts)) {
            Rate rate;
            for (const QString& part : entry.section(u':', 1).split(u',')) {
                const Money amount = Money::fromPence(part.mid(1).toLongLong());
                if (part == u"p")
                    rate.basis = Basis::PerMetre;
                else if (part.startsWith(u'n'))
                    rate.nightly = amount;
                else
                    (part.startsWith(u'e')   ? rate.weekendNight
                     : part.startsWith(u'w') ? rate.weekly
                                             : rate.monthly) = amount;
            }
            result.insert(entry.section(u':', 0, 0).toLongLong(), rate);
        }
        return result;
    }

    static QString outcome(const Status& status)
    {
        return status ? u"accepted"_s : status.kind() == FailureKind::Refused ? u"refused"_s : status.error();
    }

    static QString breakdown(const Price& price)
    {
        QStringList lines;
        for (const Line& line : price.lines)
            lines << u"%1:%2@%3=%4"_s.arg(line.season, countText(line), line.rate.format(), line.amount.format());
        return lines.join(u'|');
    }

    using PriceRow = std::tuple<QString, qint64, QDate, qint64, int, QString>;
    using OverlapsRow = std::tuple<Season, Season, QString>;
    using RefusalsRow = std::tuple<QString, QString>;

private slots:
    void priceBerth_data()
    {
        // boatCm: 0: no boat
        // expected: the total is the sum of these lines
        const DataRows<PriceRow> row;

        const QDate july1(2026, 7, 1);
        row("nothing set up: the daily charge for each night",
            {u""_s, 4500, july1, 3, 0, u":3 nights@£45.00=£135.00"_s});
        row("low season to 30 June, high from 1 July", {u"1:n2000|2:n3000"_s, 4500, QDate(2026, 6, 29), 5, 0,
                                                        u"Low:2 nights@£20.00=£40.00|High:3 nights@£30.00=£90.00"_s});
        row("a week across a season change is two runs",
            {u"1:n2000,w12000|2:n3000,w18000"_s, 0, QDate(2026, 6, 24), 10, 0,
             u"Low:1 week@£120.00=£120.00|High:3 nights@£30.00=£90.00"_s});
        row("a month, then a week, then nights",
            {u"2:n3000,w18000,m60000"_s, 0, july1, 40, 0,
             u"High:1 month@£600.00=£600.00|High:1 week@£180.00=£180.00|High:3 nights@£30.00=£90.00"_s});
        row("six nights cost no more than a week",
            {u"2:n3000,w15000"_s, 0, july1, 6, 0, u"High:1 week@£150.00=£150.00"_s});
        row("six nights at the price of six nights when a week costs as much",
            {u"2:n3000,w18000"_s, 0, july1, 6, 0, u"High:6 nights@£30.00=£180.00"_s});
        row("weeks and nights cost no more than a month",
            {u"2:n3000,w18000,m50000"_s, 0, july1, 29, 0, u"High:1 month@£500.00=£500.00"_s});
        row("Friday and Saturday at the weekend rate",
            {u"2:n3000,e4000"_s, 0, QDate(2026, 7, 2), 3, 0,
             u"High:1 night@£30.00=£30.00|High:2 weekend nights@£40.00=£80.00"_s});
        row("a higher priority outranks", {u"2:n3000|3:n5000"_s, 0, QDate(2026, 7, 30), 4, 0,
                                           u"High:2 nights@£30.00=£60.00|Regatta:2 nights@£50.00=£100.00"_s});
        row("of equal priorities (refused at saving) the first listed",
            {u"1:n2000|4:n1000"_s, 0, QDate(2026, 3, 31), 1, 0, u"Low:1 night@£20.00=£20.00"_s});
        row("a season with no rate for the berth passes it to the next",
            {u"2:n3000"_s, 0, QDate(2026, 7, 30), 4, 0, u"High:4 nights@£30.00=£120.00"_s});
        row("after the last season the daily charge",
            {u"2:n3000"_s, 4500, QDate(2026, 9, 29), 4, 0, u"High:2 nights@£30.00=£60.00|:2 nights@£45.00=£90.00"_s});
        row("a yearly season over New Year in a later year",
            {u"4:n1000"_s, 4500, QDate(2027, 12, 30), 4, 0, u"Winter:4 nights@£10.00=£40.00"_s});
        row("29 February in a leap year",
            {u"4:n1000|5:n9900"_s, 0, QDate(2028, 2, 28), 3, 0,
             u"Winter:1 night@£10.00=£10.00|Leap day:1 night@£99.00=£99.00|Winter:1 night@£10.00=£10.00"_s});
        row("no 29 February in other years",
            {u"4:n1000|5:n9900"_s, 0, QDate(2027, 2, 28), 2, 0, u"Winter:2 nights@£10.00=£20.00"_s});
        row("per metre: the berth's length without a boat",
            {u"2:p,n250"_s, 0, july1, 3, 0, u"High:3 nights@£30.00=£90.00"_s});
        row("per metre: the boat's length",
            {u"2:p,n250,w10000"_s, 0, july1, 3, 1410, u"High:3 nights@£35.25=£105.75"_s});
        row("per metre: the rate times the length rounded to the penny before it is counted",
            {u"2:p,n235"_s, 0, july1, 3, 1137, u"High:3 nights@£26.72=£80.16"_s});
        row("per metre: a boat shorter than the minimum",
            {u"2:p,n250"_s, 0, july1, 3, 600, u"High:3 nights@£20.00=£60.00"_s});
        row("no nights", {u"2:n3000"_s, 4500, july1, 0, 0, u""_s});
    }
    void priceBerth()
    {
        const auto& [rateText, dailyPence, firstNight, nights, boatCm, expected] = fetchRow<PriceRow>();
        const BerthRates berth{u"A1"_s, Money::fromPence(dailyPence), rates(rateText), 1200, 800};
        const Price price =
            Pricing::priceBerth(seasons(), berth, firstNight, nights, boatCm ? std::optional(boatCm) : std::nullopt);
        QCOMPARE(breakdown(price), expected);
        for (const Line& line : price.lines)
            QVERIFY(line.rate.isWholePence() && line.amount == line.rate * line.count);
        QCOMPARE(price.total, std::accumulate(price.lines.cbegin(), price.lines.cend(), Money(),
                                              [](Money sum, const Line& line) { return sum + line.amount; }));
        QVERIFY(price.unpriced.isEmpty());
    }

    // A berth nothing prices counts £0.00 and is named; the stay adds its berths' lines in order; then its tax.
    void stayNamesTheBerthsNothingPricesAndTaxes()
    {
        const BerthRates a1{u"A1"_s, Money::fromPence(4500), rates(u"2:n3000"_s), 1200, 0};
        const BerthRates b2{u"B2"_s, std::nullopt, rates(u"2:n2000"_s), 900, 0};
        const Price price = priceStay(seasons(), {a1, b2}, QDate(2026, 9, 30), 3);
        QCOMPARE(breakdown(price), u"High:1 night@£30.00=£30.00|:2 nights@£45.00=£90.00|High:1 night@£20.00=£20.00"_s);
        QCOMPARE(price.total.format(), u"£140.00"_s);
        QCOMPARE(price.unpriced, QStringList{u"B2"_s});

        // The rate in force on the arrival date prices the whole stay; tax is on hire and other charges together.
        const QList<TaxRate> taxes{{u"VAT"_s, 2000, QDate(2027, 1, 4)}, {u"VAT"_s, DeliveredTax, QDate(2000, 1, 1)}};
        QCOMPARE(taxInForce(taxes, QDate(2027, 1, 3)).hundredthsOfPercent, DeliveredTax);
        QCOMPARE(taxInForce(taxes, QDate(2027, 1, 4)).hundredthsOfPercent, 2000);
        QCOMPARE(taxInForce(taxes, QDate(1999, 12, 31)).hundredthsOfPercent, 0);
        // The tax is rounded to the penny, and the total is exactly the parts: £24.0625 on £137.50 is £24.06.
        for (const auto& [hire, other, expected] :
             {std::tuple{11000, 1500, u"2188 14688"_s}, std::tuple{13750, 0, u"2406 16156"_s},
              std::tuple{-13750, 0, u"-2406 -16156"_s}}) {
            const Charges c = charges(Money::fromPence(hire), Money::fromPence(other), DeliveredTax);
            QCOMPARE(u"%1 %2"_s.arg(c.tax.units() / 100).arg(c.total.units() / 100), expected);
            QVERIFY(c.tax.isWholePence() && c.total == Money::fromPence(hire + other) + c.tax);
        }
        // A berth's daily charge stored to the ten-thousandth before amounts were pence is counted in pence.
        const BerthRates old{u"C3"_s, Money::fromUnits(123456), {}, 0, 0};
        QCOMPARE(breakdown(Pricing::priceBerth(seasons(), old, QDate(2026, 9, 30), 2)), u":2 nights@£12.35=£24.70"_s);
    }

    void overlaps_data()
    {
        // shared: empty: accepted
        const DataRows<OverlapsRow> row;
        const Season low{1, u"Low"_s, QDate(2026, 1, 1), QDate(2026, 6, 30), false, 1};
        const Season winter{4, u"Winter"_s, QDate(2026, 11, 1), QDate(2027, 3, 31), true, 1};
        const Season leapDay{5, u"Leap day"_s, QDate(2024, 2, 29), QDate(2024, 2, 29), true, 1};
        auto with = [](Season s, QDate first, QDate last, bool yearly = false, int priority = 1) {
            return Season{s.id, s.name, first, last, yearly, priority};
        };
        row("once and once sharing nights", {low, with(low, QDate(2026, 6, 1), QDate(2026, 7, 31)), u"01/06/2026"_s});
        row("once and once, one ends as the other starts",
            {low, with(low, QDate(2026, 7, 1), QDate(2026, 7, 31)), u""_s});
        row("another priority may share", {low, with(low, QDate(2026, 6, 1), QDate(2026, 7, 31), false, 2), u""_s});
        row("yearly over New Year and a later once season",
            {winter, with(low, QDate(2030, 1, 10), QDate(2030, 1, 20)), u"10/01/2030"_s});
        row("yearly and yearly on 29 February", {winter, leapDay, u"29/02/2024"_s});
        row("yearly summer and yearly winter", {winter, with(low, QDate(2026, 6, 1), QDate(2026, 8, 31), true), u""_s});
        row("a long once season meets 29 February in its third year",
            {with(low, QDate(2025, 3, 1), QDate(2030, 12, 31)), leapDay, u"29/02/2028"_s});
    }
    void overlaps()
    {
        const auto& [a, b, shared] = fetchRow<OverlapsRow>();
        const Status status = checkOverlaps({a, b});
        QCOMPARE(outcome(status), shared.isEmpty() ? u"accepted"_s : u"refused"_s);
        for (const QString& named : {u"\"%1\" and \"%2\""_s.arg(a.name, b.name), shared})
            QVERIFY2(status || status.error().contains(named), qPrintable(status.error()));
    }

    void refusals_data()
    {
        const DataRows<RefusalsRow> row;
        const QDate d(2026, 5, 1);
        const auto rate = [](qint64 pence) { return Rate{Basis::PerBerth, Money::fromPence(pence), {}, {}, {}}; };
        row("season", {outcome(checkSeason({1, u"S"_s, d, d, false, 0})), u"accepted"_s});
        row("season without a name", {outcome(checkSeason({1, u" "_s, d, d, false, 0})), u"refused"_s});
        row("season ending before it starts",
            {outcome(checkSeason({1, u"S"_s, d, d.addDays(-1), false, 0})), u"refused"_s});
        row("yearly season of a year",
            {outcome(checkSeason({1, u"S"_s, d, d.addYears(1).addDays(-1), true, 0})), u"accepted"_s});
        row("yearly season longer than a year",
            {outcome(checkSeason({1, u"S"_s, d, d.addYears(1), true, 0})), u"refused"_s});
        row("priority out of range", {outcome(checkSeason({1, u"S"_s, d, d, false, 1000})), u"refused"_s});
        row("rate of £0.00", {outcome(checkRate(rate(0))), u"accepted"_s});
        row("rate of £1,000,000.00", {outcome(checkRate(rate(100000000))), u"accepted"_s});
        row("rate above £1,000,000", {outcome(checkRate(rate(100000001))), u"refused"_s});
        row("negative rate", {outcome(checkRate(rate(-1))), u"refused"_s});
        row("negative weekly rate",
            {outcome(checkRate({Basis::PerBerth, Money(), {}, Money::fromPence(-100), {}})), u"refused"_s});
        row("tax of 100 %", {outcome(checkTaxRate({u"VAT"_s, 10000, d})), u"accepted"_s});
        row("tax above 100 %", {outcome(checkTaxRate({u"VAT"_s, 10001, d})), u"refused"_s});
        row("negative tax", {outcome(checkTaxRate({u"VAT"_s, -1, d})), u"refused"_s});
        row("tax without a date", {outcome(checkTaxRate({u"VAT"_s, 1750, QDate()})), u"refused"_s});
    }
    void refusals()
    {
        const auto& [outcome, expected] = fetchRow<RefusalsRow>();
        QCOMPARE(outcome, expected);
    }
};

ZEM_TEST(tst_Pricing)
#include "tst_Pricing.moc"
