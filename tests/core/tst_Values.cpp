#include "common/InstallFixture.h"
#include "core/InputParsing.h"
#include "core/Lengths.h"
#include "core/Money.h"
#include "core/Texts.h"

#include <QMap>
#include <QRandomGenerator>
#include <numeric>

using namespace DateTimes;

// Money and date-time values: parsing, rounding, formatting and their database form; which box texts are valid.
class tst_Values : public QObject
{
    Q_OBJECT
    using RoundRow = std::tuple<QDateTime, bool, QDateTime>;
    using TypedDateRow = std::tuple<DateStyle, QString, QDate, QString>;
    using NamesRow = std::tuple<QString, QString, QString, QString>;
    using ParseRow = std::tuple<QString, QString, QString>;
    using FormatRow = std::tuple<QString, qlonglong, QString>;
    using LengthsRow = std::tuple<bool, QString, int, QString>;
    using ValidityRow = std::tuple<QString, InputChecks::Kind, QString, QString>;
    using RoundingRow = std::tuple<qlonglong, qlonglong, qlonglong, qlonglong>;

    using KeptOrderRow = std::tuple<QStringList, QString>;

    // The IDs in the order the kept list gives, and in the order the collator gives when it sorts the names afresh
    // (equal names keeping the order of their IDs); with language, the collator of that language instead.
    static std::pair<QString, QString> keptAndAfresh(Texts::KeptNaturalOrder& order, const QList<int>& ids,
                                                     const QStringList& names,
                                                     std::optional<QLocale::Language> language = std::nullopt)
    {
        const auto text = [&](const auto& positions) {
            QStringList order;
            for (const auto at : positions)
                order << QString::number(ids[at]);
            return order.join(u' ');
        };
        QCollator collator = Texts::naturalOrder();
        if (language)
            collator.setLocale(QLocale(*language));
        QList<qsizetype> afresh(ids.size());
        std::iota(afresh.begin(), afresh.end(), 0);
        std::stable_sort(afresh.begin(), afresh.end(),
                         [&](qsizetype a, qsizetype b) { return collator.compare(names[a], names[b]) < 0; });
        return {language ? QString() : text(order.sort(ids, names)), text(afresh)};
    }

private slots:
    void roundToHalfHour_data()
    {
        const DataRows<RoundRow> row;
        const QDate d(2004, 5, 10);
        auto at = [&](int h, int m, int s = 0) { return wallTime(d, QTime(h, m, s)); };
        row("on the hour stays, down", {at(14, 0), true, at(14, 0)});
        row("on the hour stays, up", {at(14, 0), false, at(14, 0)});
        row("on the half hour stays", {at(14, 30), false, at(14, 30)});
        row("20 down", {at(14, 20), true, at(14, 0)});
        row("20 up", {at(14, 20), false, at(14, 30)});
        row("31 down", {at(14, 31), true, at(14, 30)});
        row("45 up goes to next hour", {at(9, 45), false, at(10, 0)});
        row("seconds are dropped", {at(14, 0, 59), false, at(14, 0)});
        row("23:45 up is midnight next day", {at(23, 45), false, wallTime(QDate(2004, 5, 11))});
        row("23:59 up on new year's eve",
            {wallTime(QDate(2004, 12, 31), QTime(23, 59)), false, wallTime(QDate(2005, 1, 1))});
        row("23:45 down stays in the day", {at(23, 45), true, at(23, 30)});
        row("00:10 up", {at(0, 10), false, at(0, 30)});
    }
    void roundToHalfHour()
    {
        const auto& [when, downward, expected] = fetchRow<RoundRow>();
        QCOMPARE(DateTimes::roundToHalfHour(when, downward), expected);
        // sqlDate binds the same rounded value as database text.
        QCOMPARE(sqlDate(when, downward).toString(), expected.toString(u"yyyy-MM-dd HH:mm:ss"_s));
    }

    void typedDate_data()
    {
        // expected: invalid: refused, with a text that holds refusal
        const DataRows<TypedDateRow> row;
        const QDate eleventh(2026, 12, 11);
        const DateStyle uk = DateStyle::DayMonthYear, us = DateStyle::MonthDayYear, iso = DateStyle::YearMonthDay,
                        de = DateStyle::DayMonthYearDots;
        const QString notADate = u"is not a date"_s, otherStyle = u"is not written as dates are written here"_s;
        row("bare digits", {uk, u"11122026"_s, eleventh, {}});
        row("slashes, two-digit year", {uk, u"11/12/26"_s, eleventh, {}});
        row("dots", {uk, u"11.12.2026"_s, eleventh, {}});
        row("one-digit day and month", {uk, u"1/2/2027"_s, QDate(2027, 2, 1), {}});
        row("spaces and dashes", {uk, u" 11 - 12 - 2026 "_s, eleventh, {}});
        row("six digits", {uk, u"111226"_s, eleventh, {}});
        row("day and month take the year given", {uk, u"0103"_s, QDate(2026, 3, 1), {}});
        row("day and month with a separator", {uk, u"1/3"_s, QDate(2026, 3, 1), {}});
        row("the weekday a box shows is passed over", {uk, u"Fri 11/12/2026"_s, eleventh, {}});
        row("month first where the style has it", {us, u"12112026"_s, eleventh, {}});
        row("month first, separators", {us, u"12/11/26"_s, eleventh, {}});
        row("year first", {iso, u"20261211"_s, eleventh, {}});
        row("year first, separators", {iso, u"2026-12-11"_s, eleventh, {}});
        row("German dots", {de, u"11.12.26"_s, eleventh, {}});
        row("no 31st of November", {uk, u"31112026"_s, QDate(), u"There is no 31112026: November 2026 has 30 days."_s});
        row("no 31st of February", {us, u"02/31/2026"_s, QDate(), u"There is no 02/31/2026: February 2026 has 28"_s});
        row("29th of February in a leap year", {uk, u"29022028"_s, QDate(2028, 2, 29), {}});
        row("no 29th of February otherwise", {uk, u"29022027"_s, QDate(), u"February 2027 has 28 days"_s});
        row("month first under day first", {uk, u"12/31/2026"_s, QDate(), otherStyle});
        row("day first under month first", {us, u"31/12/2026"_s, QDate(), otherStyle});
        row("year first under day first", {uk, u"2026-12-11"_s, QDate(), otherStyle});
        row("day first under year first", {iso, u"11.12.2026"_s, QDate(), otherStyle});
        row("month 13", {uk, u"13132026"_s, QDate(), notADate});
        row("seven digits", {uk, u"1112202"_s, QDate(), notADate});
        row("three-digit year", {uk, u"11/12/202"_s, QDate(), notADate});
        row("three-digit day", {uk, u"011/12/2026"_s, QDate(), notADate});
        row("four parts", {uk, u"11/12/20/26"_s, QDate(), notADate});
        row("letters", {uk, u"11 Dec 2026"_s, QDate(), notADate});
        row("a sign", {uk, u"+11/12/2026"_s, QDate(), notADate});
        row("nothing", {uk, QString(), QDate(), notADate});
    }
    void typedDate()
    {
        const auto& [style, typed, expected, refusal] = fetchRow<TypedDateRow>();
        setDateStyle(style);
        const auto back = qScopeGuard([] { setDateStyle(DateStyle::DayMonthYear); });
        const Result<QDate> read = readDate(typed, QDate(2026, 6, 1));
        QCOMPARE(read.valueOr(QDate()), expected);
        QVERIFY2(read.error().contains(refusal), qPrintable(read.error()));
        // What is not read as a date says what is expected, in the style in use.
        if (refusal.startsWith(u"is not"_s))
            QVERIFY2(read.error().contains(dateShape()), qPrintable(read.error()));
    }

    // Day and month names speak the interface's language (a customer's paper its own), while the order, separators
    // and digits of a date stay the office's style; what a date box shows, weekday and all, reads back as its date.
    void namesInTheLanguage_data()
    {
        // the code, and Thursday, December and November in that language
        const DataRows<NamesRow> row;
        row("English", {u"en"_s, u"Thursday"_s, u"December"_s, u"November"_s});
        row("German", {u"de"_s, u"Donnerstag"_s, u"Dezember"_s, u"November"_s});
        row("Dutch", {u"nl"_s, u"donderdag"_s, u"december"_s, u"november"_s});
        row("French", {u"fr"_s, u"jeudi"_s, u"décembre"_s, u"novembre"_s});
        row("Italian", {u"it"_s, u"giovedì"_s, u"dicembre"_s, u"novembre"_s});
        row("Spanish", {u"es"_s, u"jueves"_s, u"diciembre"_s, u"noviembre"_s});
        row("a code that names no language: English", {u"xx"_s, u"Thursday"_s, u"December"_s, u"November"_s});
    }
    void namesInTheLanguage()
    {
        const auto& [code, thursday, december, november] = fetchRow<NamesRow>();
        const auto back = qScopeGuard([] {
            setNamesLanguage(u"en"_s);
            setDateStyle(DateStyle::DayMonthYear);
        });
        setNamesLanguage(code);
        const bool english = thursday == u"Thursday"_s;
        const QDate day(2026, 12, 10); // a Thursday
        QCOMPARE(namesLocale().dayName(4), thursday);
        QCOMPARE(namesLocale().toString(day, u"MMMM yyyy"_s), december + u" 2026"_s);
        const QList<std::pair<DateStyle, QString>> styles = {{DateStyle::DayMonthYear, u"10/12/2026"_s},
                                                             {DateStyle::MonthDayYear, u"12/10/2026"_s},
                                                             {DateStyle::DayMonthYearDots, u"10.12.2026"_s},
                                                             {DateStyle::YearMonthDay, u"2026-12-10"_s}};
        for (const auto& [style, digits] : styles) {
            setDateStyle(style);
            const QString shown = weekdayDateText(day);
            QVERIFY2(shown.startsWith(thursday.left(2), Qt::CaseInsensitive) && shown.endsWith(u' ' + digits),
                     qPrintable(shown));
            if (english)
                QCOMPARE(shown, u"Thu "_s + digits);
            // The calendar starts on Sunday only for English with the month first.
            QCOMPARE(namesLocale().firstDayOfWeek(),
                     english && style == DateStyle::MonthDayYear ? Qt::Sunday : Qt::Monday);
            // Typed back: as shown, the short name without its dot, the long name, or English.
            const QString shortName = shown.section(u' ', 0, 0);
            for (const QString& typed : {shown, shortName.chopped(shortName.endsWith(u'.') ? 1 : 0) + u' ' + digits,
                                         thursday + u", "_s + digits, u"thu "_s + digits})
                QCOMPARE(readDate(typed, day).valueOr(QDate()), day);
        }
        setDateStyle(DateStyle::DayMonthYear);
        QVERIFY(!readDate(thursday + u"x 10/12/2026"_s, day));
        const Result<QDate> noSuchDay = readDate(u"31/11/2026"_s, day);
        QVERIFY2(noSuchDay.error().contains(november + u" 2026"_s), qPrintable(noSuchDay.error()));
        // A customer's paper takes its own language's names whatever the interface speaks.
        setNamesLanguage(english ? u"de"_s : u"en"_s);
        QCOMPARE(namesLocale(code).dayName(4), thursday);
        QVERIFY(weekdayDateText(day, namesLocale(code)).startsWith(thursday.left(2), Qt::CaseInsensitive));
        QVERIFY(!weekdayDateText(day).startsWith(thursday.left(2), Qt::CaseInsensitive));
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

    // Amounts as typed: pounds and pence in the office's notation, at most two decimals, up to the box's limit
    // (here a ledger line's £10,000,000.00) however far past it, each fault with its own message.
    void parse_data()
    {
        // expected: the amount in units, or the message: "not" (the window's own), "decimals", "limit"
        const DataRows<ParseRow> row;
        const QString gb = u"en_GB"_s;
        row("empty box is zero", {u""_s, gb, u"0"_s});
        row("blanks are zero", {u"   "_s, gb, u"0"_s});
        row("pounds and pence", {u"61.50"_s, gb, u"615000"_s});
        row("one decimal", {u"1.1"_s, gb, u"11000"_s});
        row("leading pound sign", {u"£21.00"_s, gb, u"210000"_s});
        row("group separator", {u"£1,234.5"_s, gb, u"12345000"_s});
        row("negative", {u"-5"_s, gb, u"-50000"_s});
        row("negative before symbol", {u"-£5"_s, gb, u"-50000"_s});
        row("decimal comma", {u"12,50"_s, u"de_DE"_s, u"125000"_s});
        row("shown amount under a decimal comma", {u"£12.50"_s, u"de_DE"_s, u"125000"_s});
        row("points as thousands under a decimal comma", {u"1.250"_s, u"de_DE"_s, u"12500000"_s});
        row("text", {u"abc"_s, gb, u"not"_s});
        row("two points", {u"1.2.3"_s, gb, u"not"_s});
        row("symbol alone", {u"£"_s, gb, u"not"_s});
        row("trailing junk", {u"12p"_s, gb, u"not"_s});
        row("leading separator", {u",5"_s, gb, u"not"_s});
        row("ten decimals", {u"1.1234567890"_s, gb, u"decimals"_s});
        row("three decimals", {u"1.125"_s, gb, u"decimals"_s});
        row("three decimals under a decimal comma", {u"1,125"_s, u"de_DE"_s, u"decimals"_s});
        row("the limit itself", {u"10,000,000.00"_s, gb, u"100000000000"_s});
        row("a penny over the limit", {u"10,000,000.01"_s, gb, u"limit"_s});
        row("a penny below minus the limit", {u"-10000000.01"_s, gb, u"limit"_s});
        row("eleven nines, past the ceiling too", {u"99999999999"_s, gb, u"limit"_s});
        row("more digits than a number holds", {u"99999999999999999999999"_s, gb, u"limit"_s});
    }
    void parse()
    {
        const auto& [text, locale, expected] = fetchRow<ParseRow>();
        const Money limit = InputChecks::PaymentCeiling;
        const auto read = InputChecks::readAmount(text, limit, u"not"_s, QLocale(locale));
        const QString outcome = read                                            ? QString::number(read->units())
                                : read.error() == InputChecks::decimalsText()   ? u"decimals"_s
                                : read.error() == InputChecks::limitText(limit) ? u"limit"_s
                                                                                : read.error();
        QCOMPARE(outcome, expected);
        QCOMPARE(Money::parse(text, QLocale(locale)).has_value(),
                 read || (expected == u"limit" && Money::read(text, QLocale(locale)).misread == Money::Misread::None));
    }

    // Amounts as boxes show them (no grouping) and as printed documents do, with the symbol the regional settings
    // chose and the sign before it; both read back as the amount shown, and "£" is still read. A blank choice is the
    // pound again.
    void format_data()
    {
        // texts: as boxes show it | as printed documents show it
        const DataRows<FormatRow> row;
        const QString pound = u"£"_s;
        row("zero", {pound, 0, u"£0.00|£0.00"_s});
        row("pence", {pound, 17500, u"£1.75|£1.75"_s});
        row("half penny rounds up", {pound, 50, u"£0.01|£0.01"_s});
        row("below half rounds down", {pound, 49, u"£0.00|£0.00"_s});
        row("no thousands separator", {pound, 12345678900, u"£1234567.89|£1,234,567.89"_s});
        row("three digits stay alone", {pound, 9999900, u"£999.99|£999.99"_s});
        row("one thousand", {pound, 10000000, u"£1000.00|£1,000.00"_s});
        row("negative rounds away from zero", {pound, -50, u"-£0.01|-£0.01"_s});
        row("negative thousands", {pound, -123456780000, u"-£12345678.00|-£12,345,678.00"_s});
        row("euro", {u"€"_s, 12345678900, u"€1234567.89|€1,234,567.89"_s});
        row("letters", {u"kr"_s, 10000000, u"kr1000.00|kr1,000.00"_s});
        row("negative: sign before the symbol", {u"$"_s, -123456780000, u"-$12345678.00|-$12,345,678.00"_s});
        row("several letters, negative rounding", {u" CHF "_s, -50, u"-CHF0.01|-CHF0.01"_s});
        row("blank is the pound", {u"  "_s, 17500, u"£1.75|£1.75"_s});
    }
    void format()
    {
        const auto& [symbol, units, texts] = fetchRow<FormatRow>();
        const auto restore = qScopeGuard([] { Money::setCurrencySymbol(u"£"_s); });
        Money::setCurrencySymbol(u"¤"_s); // each choice replaces the one before
        Money::setCurrencySymbol(symbol);
        const Money amount = Money::fromUnits(units);
        QCOMPARE(amount.format() + u'|' + amount.formatGrouped(), texts);
        // A locale whose own symbol is none of these, so only the shown one can be what is read.
        const QLocale japan(u"ja_JP"_s);
        for (const QString& shown : {amount.format(), amount.formatGrouped()})
            QCOMPARE(Money::parse(shown, japan).value_or(Money::fromUnits(-1)),
                     Money::fromPence(amount.roundedPence()));
        QCOMPARE(Money::parse(u"-£2.50"_s, japan).value_or(Money()).units(), -25000LL);
        QVERIFY(!Money::parse(u"@2.50"_s, japan));
    }

    // Sizes typed and shown in either unit; a foot is 30.48 cm exactly.
    void lengths_data()
    {
        // cm: -1: refused
        const DataRows<LengthsRow> row;
        row("metres", {false, u"11.4"_s, 1140, u"11.40 m"_s});
        row("metres with a comma", {false, u" 9,05 "_s, 905, u"9.05 m"_s});
        row("whole metres", {false, u"12"_s, 1200, u"12.00 m"_s});
        row("200 m exactly", {false, u"200"_s, 20000, u"200.00 m"_s});
        row("over 200 m", {false, u"200.01"_s, -1, QString()});
        row("zero", {false, u"0"_s, -1, QString()});
        row("three decimals", {false, u"1.234"_s, -1, QString()});
        row("negative", {false, u"-3"_s, -1, QString()});
        row("two points", {false, u"1.2.3"_s, -1, QString()});
        row("letters", {false, u"12m"_s, -1, QString()});
        row("a lone point", {false, u"."_s, -1, QString()});
        QTest::newRow("40 ft") << LengthsRow(true, u"40"_s, 1219, u"40.0 ft"_s);     // 1219.2 cm
        QTest::newRow("37.4 ft") << LengthsRow(true, u"37.4"_s, 1140, u"37.4 ft"_s); // 1139.95 cm
        QTest::newRow("one foot") << LengthsRow(true, u"1"_s, 30, u"1.0 ft"_s);      // 30.48 cm, shown 0.98 → 1.0
        QTest::newRow("656 ft is under 200 m") << LengthsRow(true, u"656"_s, 19995, u"656.0 ft"_s);
        row("657 ft is over", {true, u"657"_s, -1, QString()});
    }
    void lengths()
    {
        const auto& [feet, typed, cm, shown] = fetchRow<LengthsRow>();
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
        const DataRows<ValidityRow> row;
        using K = InputChecks::Kind;
        const QString c = u"C"_s, gb = u"en_GB"_s;
        row("empty number", {u""_s, K::Number, c, u""_s});
        row("empty money", {u""_s, K::Money, c, u""_s});
        row("blanks number", {u"   "_s, K::Number, c, u"number"_s});
        row("blanks money", {u"  "_s, K::Money, c, u"number"_s});
        row("decimal", {u"12.5"_s, K::Number, c, u""_s});
        row("letters", {u"abc"_s, K::Number, c, u"number"_s});
        row("infinity", {u"inf"_s, K::Number, c, u"number"_s});
        row("pound sign is not a number", {u"£12"_s, K::Number, c, u"number"_s});
        row("German decimal comma", {u"12,5"_s, K::Number, u"de_DE"_s, u""_s});
        row("whole", {u"-1"_s, K::WholeNumber, c, u""_s});
        row("fraction is not whole", {u"2.5"_s, K::WholeNumber, c, u"number"_s});
        row("money as shown", {u"£250.50"_s, K::Money, c, u""_s});
        row("empty count", {u""_s, K::Count, gb, u""_s});
        row("zero count", {u"0"_s, K::Count, gb, u""_s});
        row("count not asked", {u"-1"_s, K::Count, gb, u""_s});
        row("largest count", {u"9999"_s, K::Count, gb, u""_s});
        row("count one over", {u"10000"_s, K::Count, gb, u"number"_s});
        row("eleven-digit count", {u"99999999999"_s, K::Count, gb, u"number"_s});
        row("count below not asked", {u"-2"_s, K::Count, gb, u"number"_s});
        row("fractional count", {u"2.5"_s, K::Count, gb, u"number"_s});
        row("largest charge", {u"249999999.99"_s, K::Charge, c, u""_s});
        row("charge a penny over", {u"250000000.00"_s, K::Charge, c, u"limit"_s});
        row("largest refund charge", {u"-£249,999,999.99"_s, K::Charge, gb, u""_s});
        row("money past a charge", {u"250000000.00"_s, K::Money, c, u""_s});
        row("money with three decimals", {u"2.505"_s, K::Money, c, u"decimals"_s});
        row("charge with ten decimals", {u"1.1234567890"_s, K::Charge, c, u"decimals"_s});
        row("money past the ceiling", {u"99999999999"_s, K::Money, gb, u"ceiling"_s});
        row("payment past its limit, however far", {u"99999999999"_s, K::Payment, gb, u"payment"_s});
        row("payment a penny past its limit", {u"10,000,000.01"_s, K::Payment, gb, u"payment"_s});
    }
    // What each box is told: the wizard's own words for what is not a number, the rule's for the rest.
    void validity()
    {
        const auto& [text, kind, locale, expected] = fetchRow<ValidityRow>();
        const QHash<QString, QString> messages{{u""_s, QString()},
                                               {u"number"_s, u"Please enter a valid number to continue"_s},
                                               {u"decimals"_s, InputChecks::decimalsText()},
                                               {u"limit"_s, InputChecks::limitText(InputChecks::ChargeCeiling)},
                                               {u"ceiling"_s, InputChecks::limitText(Money::ceiling())},
                                               {u"payment"_s, InputChecks::limitText(InputChecks::PaymentCeiling)}};
        QCOMPARE(InputChecks::refusal(text, kind, QLocale(locale)), messages.value(expected));
        QCOMPARE(InputChecks::isValid(text, kind, QLocale(locale)), expected.isEmpty());
    }

    // The one rounding rule: to the penny, half away from zero, a share rounded once; and a balance is settled
    // under half a penny either way.
    void rounding_data()
    {
        // units times num / den; pence: ratioToPenny's result
        const DataRows<RoundingRow> row;
        row("tax on £137.50 at 17.5 %", {1375000, 1750, 10000, 2406});
        row("half a penny rounds up", {500, 1000, 10000, 1});
        row("just under half a penny rounds down", {499, 1000, 10000, 0});
        row("negative half rounds away from zero", {-500, 1000, 10000, -1});
        row("rounded once, not to 0.0050 first", {4950, 1, 100, 0});
        row("a quarter of £161.57", {1615700, 1, 4, 4039});
        row("per metre: £2.35 times 11.37 m", {23500, 1137, 100, 2672});
    }
    void rounding()
    {
        const auto& [units, num, den, pence] = fetchRow<RoundingRow>();
        const Money share = Money::fromUnits(units).ratioToPenny(num, den);
        QCOMPARE(share.units(), pence * 100);
        QVERIFY(share.isWholePence());
        // toPenny is the same rule on an amount: it agrees with a ratio of one.
        QCOMPARE(Money::fromUnits(units).toPenny(), Money::fromUnits(units).ratioToPenny(1, 1));
    }

    void settled()
    {
        // A balance of the old ten-thousandths: £161.5625 paid with £200.00 less £38.44 refunded is settled; so is
        // anything under half a penny either way, and a half penny is owed (it shows as £0.01).
        const Money balance = Money::fromUnits(1615625) - (Money::fromPence(20000) - Money::fromPence(3844));
        QCOMPARE(balance.units(), 25);
        QVERIFY(balance.isSettled() && !balance.owes() && !balance.inCredit());
        for (const qint64 units : {0, 49, -49})
            QVERIFY(Money::fromUnits(units).isSettled());
        QVERIFY(Money::fromUnits(50).owes() && Money::fromUnits(50).format() == u"£0.01"_s);
        QVERIFY(Money::fromUnits(-50).inCredit() && !Money::fromUnits(-50).owes());
    }

    void checkedArithmetic()
    {
        // The ceiling itself is read; a penny past it is not an amount to hold.
        QCOMPARE(Money::parse(u"£999,999,999.99"_s, QLocale(u"en_GB"_s)), Money::fromPence(99999999999));
        QCOMPARE(Money::read(u"1000000000"_s).misread, Money::Misread::TooLarge);
        // The two largest charges the boxes take, with tax at its highest rate, come to a total that still saves.
        const Money largest = InputChecks::ChargeCeiling;
        const Money total = largest + largest + (largest + largest).mulRatio(10000, 10000);
        QVERIFY(total.withinCeiling() && !(total + Money::fromPence(4)).withinCeiling());
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
        // Each berth as "name#the place it came in", sorted by its name.
        QStringList berths;
        const QStringList names = {u"A10"_s, u"b2"_s,     u"a2"_s,         u"A1"_s, u"Pontoon 3"_s, u"a2"_s,
                                   u"A02"_s, u"Éclair"_s, u"pontoon 12"_s, u"A2"_s, u"Z"_s,         u"c 1"_s};
        for (int i = 0; i < 300; ++i)
            berths << names[i % names.size()] + (i % 3 ? QString() : QString::number(i % 7)) + u'#' +
                          QString::number(i);
        const auto name = [](const QString& berth) { return berth.section(u'#', 0, 0); };
        QStringList byCollator = berths;
        const QCollator collator = Texts::naturalOrder();
        std::stable_sort(byCollator.begin(), byCollator.end(),
                         [&](const QString& a, const QString& b) { return collator.compare(name(a), name(b)) < 0; });
        Texts::sortNaturally(berths, name);
        QCOMPARE(berths, byCollator);
        QCOMPARE(berths.first(), u"a2#2"_s); // 2 before 10
        QCOMPARE(name(berths.last()), u"Z"_s);
    }

    // A list kept in order between readings orders each reading exactly as the collator sorts it afresh (equal names
    // by ID), whatever changed since the last: a list is "ID:name ID:name ..."; the result, the IDs in order.
    void keptNaturalOrder_data()
    {
        const DataRows<KeptOrderRow> row;
        row("digits as numbers", {{u"1:A10 2:A2 3:A1 4:B1 5:A9"_s}, u"3 2 5 1 4"_s});
        row("case ignored, equal names by ID", {{u"1:a1 2:A1 3:A0 4:a0"_s}, u"3 4 1 2"_s});
        row("leading zeros", {{u"1:A02 2:A2 3:A002 4:A1 5:A010"_s}, u"4 1 2 3 5"_s});
        row("accents after the plain letter", {{u"1:Ecluse 2:Éclair 3:Eclair 4:eclair 5:Eb"_s}, u"5 3 4 2 1"_s});
        row("empty names first", {{u"1:B 2: 3:A 4:"_s}, u"2 4 3 1"_s});
        row("long digit runs", {{u"1:A100000000000000000000 2:A99999999999999999999 3:A9"_s}, u"3 2 1"_s});
        row("renamed to the front", {{u"1:A1 2:A2 3:A3"_s, u"1:A1 2:A2 3:A0"_s}, u"3 1 2"_s});
        row("renamed into a tie", {{u"1:A1 2:A2 3:A3"_s, u"1:A2 2:A2 3:A3"_s}, u"1 2 3"_s});
        row("renamed out of a tie", {{u"1:A2 2:a2 3:A3"_s, u"1:A4 2:a2 3:A3"_s}, u"2 3 1"_s});
        row("case changed", {{u"1:a1 2:A1"_s, u"1:A1 2:a1"_s}, u"1 2"_s});
        row("removed and added", {{u"1:A1 2:A2 3:A3"_s, u"1:A1 3:A3 4:A2 5:A10"_s}, u"1 4 3 5"_s});
        row("all new", {{u"1:B1 2:B2"_s, u"3:A2 4:A1"_s}, u"4 3"_s});
        row("emptied", {{u"1:A1 2:A2"_s, u""_s, u"2:A2 1:A1"_s}, u"1 2"_s});
    }
    void keptNaturalOrder()
    {
        const auto& [readings, expected] = fetchRow<KeptOrderRow>();
        Texts::KeptNaturalOrder order;
        QString last;
        for (const QString& reading : readings) {
            QList<int> ids;
            QStringList names;
            for (const QString& item : reading.split(u' ', Qt::SkipEmptyParts)) {
                ids << item.section(u':', 0, 0).toInt();
                names << item.section(u':', 1);
            }
            // Given in the order of their IDs, as the berths are read.
            QList<qsizetype> byId(ids.size());
            std::iota(byId.begin(), byId.end(), 0);
            std::sort(byId.begin(), byId.end(), [&](qsizetype a, qsizetype b) { return ids[a] < ids[b]; });
            QList<int> sortedIds;
            QStringList sortedNames;
            for (const qsizetype at : byId) {
                sortedIds << ids[at];
                sortedNames << names[at];
            }
            const auto [kept, afresh] = keptAndAfresh(order, sortedIds, sortedNames);
            QCOMPARE(kept, afresh);
            last = kept;
        }
        QCOMPARE(last, expected);
    }

    // Generated lists read again and again with a few berths renamed, removed or added each time, and the office's
    // language changed between readings: always the collator's order afresh.
    void keptNaturalOrderOverManyChanges()
    {
        const QStringList pieces = {u"A"_s, u"a"_s, u"B"_s, u"Pontoon "_s, u"pontoon "_s, u"Ö"_s, u"O"_s,
                                    u"Z"_s, u"É"_s, u"e"_s, u"C-"_s,       u""_s,         u"Å"_s, u"aa"_s};
        QRandomGenerator random(20261209);
        const auto someName = [&] {
            QString name = pieces[random.bounded(int(pieces.size()))];
            if (random.bounded(4))
                name += QString(random.bounded(3), u'0') + QString::number(random.bounded(1, 120));
            return name;
        };
        QMap<int, QString> berths;
        for (int id = 1; id <= 400; ++id)
            berths.insert(id, someName());
        int nextId = 401;
        Texts::KeptNaturalOrder order;
        const QLocale before;
        bool languageChanged = false;
        for (int round = 0; round < 12; ++round) {
            for (int change = random.bounded(20); change > 0; --change) {
                const int id = berths.keys().at(random.bounded(int(berths.size())));
                switch (random.bounded(3)) {
                case 0:
                    berths[id] = someName();
                    break;
                case 1:
                    berths.remove(id);
                    break;
                default:
                    berths.insert(nextId++, someName());
                    break;
                }
            }
            if (round % 4 == 3)
                QLocale::setDefault(round % 8 == 3 ? QLocale(QLocale::Swedish) : before);
            const auto [kept, afresh] = keptAndAfresh(order, berths.keys(), berths.values());
            QCOMPARE(kept, afresh);
            // In Swedish Ö and Å are letters of their own after Z: the language did reach the order.
            if (round == 3) {
                QVERIFY(kept != keptAndAfresh(order, berths.keys(), berths.values(), QLocale::English).second);
                languageChanged = true;
            }
        }
        QLocale::setDefault(before);
        QVERIFY(languageChanged);
    }
};

ZEM_TEST(tst_Values)
#include "tst_Values.moc"
