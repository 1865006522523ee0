#include "meters/Meters.h"

#include "core/DateTimes.h"

#include <QCoreApplication>
#include <QMap>
#include <algorithm>

namespace Meters {
namespace {

bool allDigits(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

/// Adds units at price over day to the lines, joining the last line when it runs on at the same price.
void addUnits(QList<Line>& lines, bool standing, const QDate& day, qint64 units, Money price)
{
    if (units <= 0)
        return;
    if (!lines.isEmpty()) {
        Line& last = lines.last();
        if (last.standing == standing && last.price == price && (last.endDay == day || last.endDay == day.addDays(1))) {
            last.units += units;
            last.endDay = day.addDays(1);
            return;
        }
    }
    lines.append(Line{standing, day, day.addDays(1), units, price, Money()});
}

} // namespace

QString kindText(Kind kind, const DocumentWords& words)
{
    return kind == Kind::Water ? words.translate("Meters", "Water") : words.translate("Meters", "Electricity");
}

QString defaultUnit(Kind kind)
{
    return kind == Kind::Water ? QStringLiteral("m³") : QStringLiteral("kWh");
}

std::optional<Kind> kindOf(int stored)
{
    if (stored == static_cast<int>(Kind::Electricity) || stored == static_cast<int>(Kind::Water))
        return static_cast<Kind>(stored);
    return std::nullopt;
}

qint64 rolloverAt(int digits)
{
    qint64 at = PerUnit;
    for (int i = 0; i < std::clamp(digits, 1, MaxDigits); ++i)
        at *= 10;
    return at;
}

Status checkMeter(const Meter& meter)
{
    if (meter.serial.trimmed().isEmpty())
        return refused(QCoreApplication::translate("Meters", "Type the meter's serial number."));
    if (meter.serial.size() > 40)
        return refused(QCoreApplication::translate("Meters", "A serial number has at most 40 characters."));
    if (meter.unit.trimmed().isEmpty())
        return refused(QCoreApplication::translate("Meters", "Type the unit the meter counts in (kWh, m³)."));
    if (meter.digits < MinDigits || meter.digits > MaxDigits)
        return refused(QCoreApplication::translate("Meters", "A meter's counter has from %1 to %2 whole digits.")
                           .arg(MinDigits)
                           .arg(MaxDigits));
    if (!meter.fitted.isValid())
        return refused(QCoreApplication::translate("Meters", "Type the day the meter was fitted."));
    if (meter.removed.isValid() && meter.removed < meter.fitted)
        return refused(QCoreApplication::translate("Meters", "The meter cannot be removed before it was fitted."));
    return Done{};
}

Result<qint64> readValue(const QString& typed, int digits, const QLocale& locale)
{
    QString text = typed.trimmed();
    text.remove(u' ');
    if (text.isEmpty())
        return refused(QCoreApplication::translate("Meters", "Type the reading."));
    if (text.startsWith(u'-') || text.startsWith(locale.negativeSign()))
        return refused(
            QCoreApplication::translate("Meters", "A reading is never below zero: \"%1\".").arg(typed.trimmed()));
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    QString whole = text;
    QString fraction;
    qsizetype at = text.lastIndexOf(point);
    if (at < 0 && point != QStringLiteral(".")) {
        // A handheld's plain point: where the locale groups with a point, only when not followed by three digits.
        const qsizetype dot = text.lastIndexOf(u'.');
        if (dot >= 0 && (group != QStringLiteral(".") || text.size() - dot - 1 != 3))
            at = dot;
    }
    if (at >= 0) {
        whole = text.left(at);
        fraction = text.mid(at + point.size());
    }
    if (!group.isEmpty())
        whole.remove(group);
    if (point != QStringLiteral(",") && group != QStringLiteral(","))
        whole.remove(u',');
    if (whole.isEmpty() && !fraction.isEmpty())
        whole = QStringLiteral("0");
    if (whole.isEmpty() || !allDigits(whole) || !allDigits(fraction))
        return refused(
            QCoreApplication::translate("Meters", "\"%1\" is not a reading: type the digits the meter shows.")
                .arg(typed.trimmed()));
    if (fraction.size() > 3)
        return refused(QCoreApplication::translate("Meters", "A reading has at most three decimals: \"%1\".")
                           .arg(typed.trimmed()));
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.size() > digits)
        return refused(QCoreApplication::translate("Meters", "\"%1\" has more digits than the meter's %2.")
                           .arg(typed.trimmed())
                           .arg(digits));
    qint64 value = whole.toLongLong() * PerUnit;
    if (!fraction.isEmpty())
        value += fraction.leftJustified(3, u'0').toLongLong();
    return value;
}

QString valueText(qint64 value, const QLocale& locale)
{
    QString text = locale.toString(value / PerUnit);
    if (const qint64 rest = value % PerUnit; rest != 0) {
        QString decimals = QStringLiteral("%1").arg(rest, 3, 10, QLatin1Char('0'));
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        text += locale.decimalPoint() + decimals;
    }
    return text;
}

Result<Step> checkReading(const Meter& meter, const std::optional<Reading>& last, const QDateTime& at, qint64 value,
                          const QDateTime& now)
{
    if (!at.isValid())
        return refused(QCoreApplication::translate("Meters", "Type the day and time of the reading."));
    if (at > now)
        return refused(QCoreApplication::translate("Meters", "A reading cannot be dated in the future (%1).")
                           .arg(DateTimes::dateTimeText(at)));
    if (at.date() < meter.fitted)
        return refused(
            QCoreApplication::translate("Meters", "Meter %1 was fitted on %2: a reading cannot be dated before that.")
                .arg(meter.serial, DateTimes::dateText(meter.fitted)));
    if (meter.removed.isValid() && at.date() > meter.removed)
        return refused(
            QCoreApplication::translate("Meters", "Meter %1 was removed on %2: a reading cannot be dated after that.")
                .arg(meter.serial, DateTimes::dateText(meter.removed)));
    if (value < 0 || value >= rolloverAt(meter.digits))
        return refused(QCoreApplication::translate("Meters", "The reading has more digits than the meter's %1.")
                           .arg(meter.digits));
    if (!last)
        return Step::First;
    if (at < last->readAt)
        return refused(
            QCoreApplication::translate(
                "Meters", "The last reading of meter %1 was taken on %2: a new one cannot be dated before it.")
                .arg(meter.serial, DateTimes::dateTimeText(last->readAt)));
    return value < last->value ? Step::Backward : Step::Forward;
}

qint64 useBetween(qint64 from, qint64 to, bool rolledOver, int digits)
{
    if (rolledOver && to < from)
        return to + rolloverAt(digits) - from;
    return std::max<qint64>(0, to - from);
}

qint64 useOver(const QList<Reading>& readings, int digits)
{
    qint64 use = 0;
    for (qsizetype i = 1; i < readings.size(); ++i)
        use += useBetween(readings.at(i - 1).value, readings.at(i).value, readings.at(i).rolledOver, digits);
    return use;
}

bool unusual(qint64 use, double days, std::optional<double> usualPerDay)
{
    if (!usualPerDay || *usualPerDay <= 0)
        return false;
    return static_cast<double>(use) / std::max(days, 1.0) > 3 * *usualPerDay;
}

Result<QList<Band>> readBands(const QString& text, const QLocale& locale)
{
    QList<Band> bands;
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts)) {
        if (part.trimmed().isEmpty())
            continue;
        const QStringList halves = part.split(QStringLiteral(" at "));
        const auto upTo = halves.size() == 2 ? readValue(halves.at(0), MaxDigits, locale) : Result<qint64>(refused({}));
        const auto price = halves.size() == 2 ? Money::parse(halves.at(1).trimmed(), locale) : std::nullopt;
        if (!upTo || !price)
            return refused(
                QCoreApplication::translate(
                    "Meters", "\"%1\" is not a band: type the units, \"at\" and the price, as \"10 at 0.10\".")
                    .arg(part.trimmed()));
        bands << Band{*upTo, *price};
    }
    return bands;
}

QString bandsText(const QList<Band>& bands, const QLocale& locale)
{
    QStringList parts;
    for (const Band& b : bands)
        parts << QCoreApplication::translate("Meters", "%1 at %2").arg(valueText(b.upTo, locale), b.price.plainText());
    return parts.join(QStringLiteral("; "));
}

Status checkTariff(const Tariff& tariff)
{
    if (!tariff.from.isValid())
        return refused(QCoreApplication::translate("Meters", "Type the day the tariff takes effect."));
    const auto priced = [](Money price) { return price >= Money() && price <= PriceCeiling; };
    if (!priced(tariff.unitPrice) || !priced(tariff.standing))
        return refused(QCoreApplication::translate("Meters", "A price per unit or per day is from %1 to %2.")
                           .arg(Money().format(), PriceCeiling.format()));
    qint64 below = 0;
    for (qsizetype i = 0; i < tariff.bands.size(); ++i) {
        const Band& band = tariff.bands.at(i);
        if (!priced(band.price))
            return refused(QCoreApplication::translate("Meters", "Band %1: a price is from %2 to %3.")
                               .arg(i + 1)
                               .arg(Money().format(), PriceCeiling.format()));
        if (band.upTo <= below)
            return refused(QCoreApplication::translate(
                               "Meters", "Band %1 must end above %2 units: the bands run upwards in order.")
                               .arg(i + 1)
                               .arg(valueText(below)));
        below = band.upTo;
    }
    return Done{};
}

Status checkTariffs(const QList<Tariff>& tariffs)
{
    for (qsizetype i = 0; i < tariffs.size(); ++i) {
        if (const Status one = checkTariff(tariffs.at(i)); !one)
            return one;
        for (qsizetype j = 0; j < i; ++j)
            if (tariffs.at(j).kind == tariffs.at(i).kind && tariffs.at(j).from == tariffs.at(i).from)
                return refused(
                    QCoreApplication::translate("Meters", "Two %1 tariffs take effect on %2: keep one.")
                        .arg(kindText(tariffs.at(i).kind).toLower(), DateTimes::dateText(tariffs.at(i).from)));
    }
    return Done{};
}

std::optional<Tariff> tariffInForce(const QList<Tariff>& tariffs, Kind kind, const QDate& day)
{
    std::optional<Tariff> found;
    for (const Tariff& t : tariffs)
        if (t.kind == kind && t.from <= day && (!found || t.from > found->from))
            found = t;
    return found;
}

Bill price(const QList<Tariff>& tariffs, Kind kind, const QList<Period>& periods, const QDate& standingFrom,
           const QDate& standingEnd)
{
    // Each period's use spread evenly over its days, the remainder falling on its later days.
    QMap<QDate, qint64> byDay;
    for (const Period& p : periods) {
        const qint64 days = std::max<qint64>(1, p.firstDay.daysTo(p.endDay));
        for (qint64 i = 0; i < days; ++i)
            byDay[p.firstDay.addDays(i)] += p.use * (i + 1) / days - p.use * i / days;
    }
    Bill bill;
    const auto unpriced = [&bill](const QDate& day) {
        if (!bill.unpriced.contains(day))
            bill.unpriced.append(day);
    };
    qint64 counted = 0; // the bill's units so far, which fill the bands
    for (auto it = byDay.cbegin(); it != byDay.cend(); ++it) {
        bill.units += it.value();
        const auto tariff = tariffInForce(tariffs, kind, it.key());
        if (!tariff) {
            if (it.value() > 0)
                unpriced(it.key());
            continue;
        }
        qint64 left = it.value();
        for (const Band& band : tariff->bands) {
            const qint64 room = std::max<qint64>(0, band.upTo - counted);
            const qint64 take = std::min(room, left);
            addUnits(bill.lines, false, it.key(), take, band.price);
            counted += take;
            left -= take;
        }
        addUnits(bill.lines, false, it.key(), left, tariff->unitPrice);
        counted += left;
    }
    for (QDate day = standingFrom; day.isValid() && day < standingEnd; day = day.addDays(1)) {
        const auto tariff = tariffInForce(tariffs, kind, day);
        if (!tariff)
            unpriced(day);
        else if (tariff->standing > Money())
            addUnits(bill.lines, true, day, PerUnit, tariff->standing);
    }
    for (Line& line : bill.lines) {
        line.amount = line.price.ratioToPenny(line.units, PerUnit);
        bill.total += line.amount;
    }
    std::sort(bill.unpriced.begin(), bill.unpriced.end());
    return bill;
}

QString lineText(const Line& line, const QString& unit, const DocumentWords& words)
{
    const QString last = DateTimes::dateText(line.endDay.addDays(-1));
    const QString span = line.firstDay == line.endDay.addDays(-1)
                             ? DateTimes::dateText(line.firstDay)
                             : words.translate("Meters", "%1 to %2").arg(DateTimes::dateText(line.firstDay), last);
    if (line.standing) {
        const qint64 days = line.units / PerUnit;
        if (days == 1)
            return words.translate("Meters", "1 day at %1 a day, %2: %3")
                .arg(line.price.format(), span, line.amount.format());
        return words.translate("Meters", "%1 days at %2 a day, %3: %4")
            .arg(QString::number(days), line.price.format(), span, line.amount.format());
    }
    return words.translate("Meters", "%1 %2 at %3, %4: %5")
        .arg(valueText(line.units), unit, line.price.format(), span, line.amount.format());
}

QString billText(const Bill& bill, const QString& unit)
{
    QStringList lines;
    for (const Line& line : bill.lines)
        lines << lineText(line, unit);
    return lines.join(u'\n');
}

Read readOver(const QString& serial, const QList<Reading>& readings, int digits)
{
    Read read{serial, {}, 0, {}, 0, useOver(readings, digits)};
    if (!readings.isEmpty()) {
        read.fromAt = readings.first().readAt;
        read.fromValue = readings.first().value;
        read.toAt = readings.last().readAt;
        read.toValue = readings.last().value;
    }
    return read;
}

QString readText(const Read& read, const QString& unit, const DocumentWords& words)
{
    return words.translate("Meters", "Meter %1: %2 %3 on %4 to %5 %3 on %6, %7 %3 used")
        .arg(read.serial, valueText(read.fromValue), unit, DateTimes::dateText(read.fromAt.date()),
             valueText(read.toValue), DateTimes::dateText(read.toAt.date()), valueText(read.use));
}

} // namespace Meters
