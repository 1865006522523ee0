#include "rates/Pricing.h"

#include "core/DateTimes.h"

#include <QLocale>
#include <algorithm>

namespace Pricing {

namespace {

// Month and day as one number, so days of the year compare across years (29 February sits between 28 February and
// 1 March).
int dayOfYear(const QDate& date)
{
    return date.month() * 100 + date.day();
}

bool isWeekendNight(const QDate& night)
{
    return night.dayOfWeek() == Qt::Friday || night.dayOfWeek() == Qt::Saturday;
}

// The season that prices the night for this berth: the highest priority among those covering it that have a
// rate for the berth (the first listed of equal ones); none outside every such season.
const Season* seasonFor(const QList<Season>& seasons, const BerthRates& berth, const QDate& night)
{
    const Season* best = nullptr;
    for (const Season& season : seasons)
        if ((!best || season.priority > best->priority) && berth.bySeason.contains(season.id) && covers(season, night))
            best = &season;
    return best;
}

// The rate as its lines count it: a per-metre rate times the length, and every rate, rounded to the penny (a rate
// stored before amounts were whole pence may hold a fraction). Each line is then its count times a whole-pence rate,
// as the breakdown shows it, and the hire, their sum, is whole pence too.
Rate linesRate(const Rate& rate, int lengthCm)
{
    const auto each = [&rate, lengthCm](std::optional<Money> amount) -> std::optional<Money> {
        if (!amount)
            return std::nullopt;
        return rate.basis == Basis::PerMetre ? amount->ratioToPenny(lengthCm, 100) : amount->toPenny();
    };
    return {Basis::PerBerth, *each(rate.nightly), each(rate.weekendNight), each(rate.weekly), each(rate.monthly)};
}

// One unbroken run of nights in one season: months, weeks, then the last nights one by one.
void priceRun(const Rate& rate, const QString& berth, const QString& season, const QDate& first, qint64 nights,
              QList<Line>& lines)
{
    qint64 months = rate.monthly ? nights / 30 : 0;
    qint64 weeks = rate.weekly ? (nights - months * 30) / 7 : 0;
    qint64 singles = nights - months * 30 - weeks * 7;
    qint64 weekendNights = 0;
    if (rate.weekendNight)
        for (qint64 i = nights - singles; i < nights; ++i)
            weekendNights += isWeekendNight(first.addDays(i)) ? 1 : 0;
    const Money singlesCost =
        rate.nightly * (singles - weekendNights) + rate.weekendNight.value_or(Money()) * weekendNights;
    if (rate.weekly && singles > 0 && singlesCost > *rate.weekly) {
        ++weeks;
        singles = weekendNights = 0;
    }
    const Money restCost = singles > 0 ? singlesCost : Money();
    if (rate.monthly && (weeks > 0 || singles > 0) &&
        rate.weekly.value_or(Money()) * weeks + restCost > *rate.monthly) {
        ++months;
        weeks = singles = weekendNights = 0;
    }
    const auto add = [&](Unit unit, qint64 count, Money each) {
        if (count > 0)
            lines << Line{berth, season, unit, count, each, each * count};
    };
    add(Unit::Month, months, rate.monthly.value_or(Money()));
    add(Unit::Week, weeks, rate.weekly.value_or(Money()));
    add(Unit::Night, singles - weekendNights, rate.nightly);
    add(Unit::WeekendNight, weekendNights, rate.weekendNight.value_or(Money()));
}

// The first night two seasons share, if any.
std::optional<QDate> sharedNight(const Season& a, const Season& b)
{
    if (!a.yearly && !b.yearly) {
        const QDate from = std::max(a.firstNight, b.firstNight);
        return from <= std::min(a.lastNight, b.lastNight) ? std::optional(from) : std::nullopt;
    }
    // Every day of the year, 29 February too, comes within four years and a day of nights; two yearly seasons
    // are compared over a leap year.
    QDate from(2024, 1, 1);
    QDate to(2024, 12, 31);
    if (!a.yearly || !b.yearly) {
        const Season& once = a.yearly ? b : a;
        from = once.firstNight;
        to = std::min(once.lastNight, once.firstNight.addDays(4 * 365));
    }
    for (QDate night = from; night <= to; night = night.addDays(1))
        if (covers(a, night) && covers(b, night))
            return night;
    return std::nullopt;
}

} // namespace

bool covers(const Season& season, const QDate& night)
{
    if (!season.yearly)
        return night >= season.firstNight && night <= season.lastNight;
    const int first = dayOfYear(season.firstNight);
    const int last = dayOfYear(season.lastNight);
    const int day = dayOfYear(night);
    return first <= last ? day >= first && day <= last : day >= first || day <= last;
}

Price priceBerth(const QList<Season>& seasons, const BerthRates& berth, const QDate& firstNight, qint64 nights,
                 std::optional<int> boatLengthCm)
{
    Price price;
    const int length =
        std::max(boatLengthCm && *boatLengthCm > 0 ? *boatLengthCm : berth.lengthCm, berth.minimumLengthCm);
    qint64 start = 0;
    while (start < nights) {
        const Season* season = seasonFor(seasons, berth, firstNight.addDays(start));
        qint64 end = start + 1;
        while (end < nights && seasonFor(seasons, berth, firstNight.addDays(end)) == season)
            ++end;
        if (season)
            priceRun(linesRate(berth.bySeason.value(season->id), length), berth.berth, season->name,
                     firstNight.addDays(start), end - start, price.lines);
        else if (berth.daily)
            price.lines << Line{berth.berth,
                                {},
                                Unit::Night,
                                end - start,
                                berth.daily->toPenny(),
                                berth.daily->toPenny() * (end - start)};
        else if (!price.unpriced.contains(berth.berth))
            price.unpriced << berth.berth;
        start = end;
    }
    for (const Line& line : std::as_const(price.lines))
        price.total += line.amount;
    return price;
}

Price priceStay(const QList<Season>& seasons, const QList<BerthRates>& berths, const QDate& firstNight, qint64 nights,
                std::optional<int> boatLengthCm)
{
    Price price;
    for (const BerthRates& berth : berths) {
        const Price one = priceBerth(seasons, berth, firstNight, nights, boatLengthCm);
        price.total += one.total;
        price.lines << one.lines;
        price.unpriced << one.unpriced;
    }
    return price;
}

QString countText(const Line& line, const DocumentWords& words)
{
    const bool one = line.count == 1;
    const char* text = nullptr;
    switch (line.unit) {
    case Unit::Night:
        text = one ? QT_TRANSLATE_NOOP("Pricing", "%1 night") : QT_TRANSLATE_NOOP("Pricing", "%1 nights");
        break;
    case Unit::WeekendNight:
        text =
            one ? QT_TRANSLATE_NOOP("Pricing", "%1 weekend night") : QT_TRANSLATE_NOOP("Pricing", "%1 weekend nights");
        break;
    case Unit::Week:
        text = one ? QT_TRANSLATE_NOOP("Pricing", "%1 week") : QT_TRANSLATE_NOOP("Pricing", "%1 weeks");
        break;
    case Unit::Month:
        text = one ? QT_TRANSLATE_NOOP("Pricing", "%1 month") : QT_TRANSLATE_NOOP("Pricing", "%1 months");
        break;
    }
    return words.translate("Pricing", text).arg(line.count);
}

Status checkSeason(const Season& season)
{
    if (season.name.trimmed().isEmpty())
        return refused(QCoreApplication::translate("Pricing", "A season needs a name."));
    if (!season.firstNight.isValid() || !season.lastNight.isValid())
        return refused(QCoreApplication::translate("Pricing", "The season \"%1\" needs its first and last nights.")
                           .arg(season.name));
    if (season.lastNight < season.firstNight)
        return refused(
            QCoreApplication::translate("Pricing", "The season \"%1\" ends before it starts.").arg(season.name));
    if (season.yearly && season.lastNight >= season.firstNight.addYears(1))
        return refused(QCoreApplication::translate(
                           "Pricing", "The season \"%1\" comes every year, so it cannot be longer than a year.")
                           .arg(season.name));
    if (season.priority < 0 || season.priority > 999)
        return refused(
            QCoreApplication::translate("Pricing", "The priority of the season \"%1\" must be from 0 to 999.")
                .arg(season.name));
    return Done{};
}

Status checkRate(const Rate& rate)
{
    for (const std::optional<Money>& amount :
         {std::optional(rate.nightly), rate.weekendNight, rate.weekly, rate.monthly})
        if (amount && (*amount < Money() || *amount > RateCeiling))
            return refused(QCoreApplication::translate("Pricing", "A rate must be from %1 to %2.")
                               .arg(Money().formatGrouped(), RateCeiling.formatGrouped()));
    return Done{};
}

Status checkOverlaps(const QList<Season>& seasons)
{
    for (qsizetype i = 0; i < seasons.size(); ++i)
        for (qsizetype j = i + 1; j < seasons.size(); ++j)
            if (seasons[i].priority == seasons[j].priority)
                if (const std::optional<QDate> night = sharedNight(seasons[i], seasons[j]))
                    return refused(QCoreApplication::translate(
                                       "Pricing",
                                       "The seasons \"%1\" and \"%2\" have the same priority and share the night of "
                                       "%3: give one of them a higher priority.")
                                       .arg(seasons[i].name, seasons[j].name, DateTimes::dateText(*night)));
    return Done{};
}

TaxRate taxInForce(const QList<TaxRate>& rates, const QDate& arrival)
{
    const TaxRate* best = nullptr;
    for (const TaxRate& rate : rates)
        if (rate.from <= arrival && (!best || rate.from > best->from))
            best = &rate;
    return best ? *best : TaxRate{};
}

Status checkTaxRate(const TaxRate& rate)
{
    if (rate.name.trimmed().isEmpty())
        return refused(QCoreApplication::translate("Pricing", "A tax needs a name."));
    if (rate.hundredthsOfPercent < 0 || rate.hundredthsOfPercent > 10000)
        return refused(QCoreApplication::translate("Pricing", "A tax rate must be from 0 % to 100 %."));
    if (!rate.from.isValid())
        return refused(QCoreApplication::translate("Pricing", "A tax rate needs the date it takes effect."));
    return Done{};
}

std::optional<int> readTaxPercent(const QString& text)
{
    QString s = text.trimmed();
    const bool negative = s.startsWith(u'-');
    if (negative || s.startsWith(u'+'))
        s = s.mid(1).trimmed();
    if (s.endsWith(u'%'))
        s = s.chopped(1).trimmed();
    const QString localePoint = QLocale().decimalPoint();
    int whole = 0;
    int fraction = 0;
    int fractionDigits = -1; // -1 before the point
    bool seenDigit = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isDigit()) {
            seenDigit = true;
            if (fractionDigits < 0) {
                // Beyond 100 % the exact size does not matter; it only has to stay out of range.
                whole = std::min(whole * 10 + c.digitValue(), 100000);
            } else if (++fractionDigits <= 2) {
                fraction = fraction * 10 + c.digitValue();
            } else {
                return std::nullopt; // a rate is kept to hundredths of a percent
            }
        } else if (fractionDigits < 0 && (c == u'.' || QStringView(s).mid(i).startsWith(localePoint))) {
            fractionDigits = 0;
            if (c != u'.')
                i += localePoint.size() - 1;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    if (fractionDigits == 1)
        fraction *= 10;
    const int hundredths = whole * 100 + fraction;
    return negative ? -hundredths : hundredths;
}

QString taxPercentText(int hundredthsOfPercent)
{
    const int size = std::abs(hundredthsOfPercent);
    QString text = hundredthsOfPercent < 0 ? QStringLiteral("-") : QString();
    text += QString::number(size / 100);
    if (const int fraction = size % 100; fraction != 0) {
        text += u'.';
        text += QChar(u'0' + fraction / 10);
        if (fraction % 10 != 0)
            text += QChar(u'0' + fraction % 10);
    }
    return text;
}

QString taxDateText(const QDate& date)
{
    return DateTimes::dateText(date);
}

Result<QList<TaxRate>> readTaxRows(const QList<TaxRowText>& rows)
{
    const auto rowRefused = [](qsizetype row, const QString& why) {
        return refused(QCoreApplication::translate("Pricing", "Tax row %1: %2").arg(row + 1).arg(why));
    };
    QList<TaxRate> taxes;
    for (qsizetype row = 0; row < rows.size(); ++row) {
        const TaxRowText& typed = rows.at(row);
        const std::optional<int> rate = readTaxPercent(typed.percent);
        if (!rate)
            return rowRefused(row, QCoreApplication::translate(
                                       "Pricing", "type the rate as a percent with at most two decimals, as 17.5."));
        const QString fromText = typed.from.trimmed();
        const Result<QDate> from = DateTimes::readDate(fromText, QDate());
        if (!from)
            return rowRefused(row, from.error());
        const TaxRate tax{typed.name.trimmed(), *rate, *from};
        if (const Status checked = checkTaxRate(tax); !checked)
            return rowRefused(row, checked.error());
        for (qsizetype earlier = 0; earlier < taxes.size(); ++earlier)
            if (taxes.at(earlier).from == tax.from)
                return rowRefused(
                    row, QCoreApplication::translate("Pricing", "it takes effect on %1, as row %2 does: keep one.")
                             .arg(fromText)
                             .arg(earlier + 1));
        taxes << tax;
    }
    return taxes;
}

Charges charges(Money hire, Money other, int taxHundredthsOfPercent)
{
    const Money sum = hire + other;
    const Money tax = sum.ratioToPenny(taxHundredthsOfPercent, 10000);
    return {tax, sum + tax};
}

} // namespace Pricing
