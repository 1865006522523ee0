#pragma once

#include "core/DocumentLanguage.h"
#include "core/Money.h"
#include "core/Result.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

/// Electricity and water by the meter, without a database or a window: what a meter and a reading are, the checks
/// of a new reading (rollover by the counter's digits, the day's use against the berth's usual), tariffs with their
/// effective dates and bands, and the pricing of a period's use with the tariff in force each day. Values and units
/// are thousandths of the meter's unit, so 10,412.5 kWh is 10412500.
namespace Meters {

/// Numbered as Meter.Kind and MeterTariff.Kind store them.
enum class Kind
{
    Electricity = 1,
    Water = 2
};
QString kindText(Kind kind, const DocumentWords& words = DocumentWords::interface());
/// The unit a new meter of the kind is given: "kWh", "m³".
QString defaultUnit(Kind kind);
std::optional<Kind> kindOf(int stored);

inline constexpr qint64 PerUnit = 1000; // thousandths in one unit
inline constexpr int MinDigits = 3;
inline constexpr int MaxDigits = 9;

struct Meter
{
    qint64 id = 0;
    QString serial;
    Kind kind = Kind::Electricity;
    QString unit;
    int digits = 6; // whole digits on the counter
    std::optional<int> berthId;
    QString berth; // the berth's name as read
    QDate fitted;
    QDate removed; // invalid while in service
    QString notes;
    bool inService(const QDate& day) const { return fitted <= day && (!removed.isValid() || day <= removed); }
};
/// Where the counter of a meter of digits turns back to zero, in thousandths.
qint64 rolloverAt(int digits);
/// A meter's own faults before it is saved: no serial, digits out of 3 to 9, no unit, removed before fitted.
Status checkMeter(const Meter& meter);

/// One reading as it stands: a correction in its first's place, the first's id kept.
struct Reading
{
    qint64 id = 0; // the first reading's id
    qint64 meterId = 0;
    QDateTime readAt;
    qint64 value = 0;
    bool rolledOver = false; // the counter passed zero since the reading before
    bool flagged = false;    // a day's use more than three times the berth's usual
    bool corrected = false;
    qint64 firstValue = 0; // what was read first, when corrected
    QString desk;
    QString note;
};

/// A value as typed or in a file: digits with up to three decimals, in the locale's notation or with a plain point,
/// group separators allowed. Refused, with the text to show, for a negative or non-numeric value and one with more
/// whole digits than the meter has.
Result<qint64> readValue(const QString& text, int digits, const QLocale& locale = QLocale());
/// The value as shown: "10,412.5" in the locale, up to three decimals, no trailing zeros.
QString valueText(qint64 value, const QLocale& locale = QLocale());

/// What a new reading is against the last one.
enum class Step
{
    Forward,  // at or above the last
    Backward, // below the last: rolled over or mistyped, the person says which
    First     // the meter's first reading
};
/// Refused when the reading is dated before the last, in the future, before the meter was fitted or after it was
/// removed; otherwise how it stands against the last.
Result<Step> checkReading(const Meter& meter, const std::optional<Reading>& last, const QDateTime& at, qint64 value,
                          const QDateTime& now);
/// The use from one reading's value to the next's: across zero when rolledOver.
qint64 useBetween(qint64 from, qint64 to, bool rolledOver, int digits);
/// The use over readings in order (the first opens, each later one adds its step).
qint64 useOver(const QList<Reading>& readings, int digits);

/// A day's use is pointed out when more than three times the usual (use per day, thousandths): nothing to compare
/// with when usual is 0 or unknown.
bool unusual(qint64 use, double days, std::optional<double> usualPerDay);

/// A price band: the first upTo units of a bill (counted together with the bands before it) at price.
struct Band
{
    qint64 upTo = 0;
    Money price;
    bool operator==(const Band&) const = default;
};
struct Tariff
{
    qint64 id = 0;
    Kind kind = Kind::Electricity;
    QDate from;
    Money unitPrice; // beyond the last band
    Money standing;  // per day
    QList<Band> bands;
    bool operator==(const Tariff&) const = default;
};
/// Bands as typed in one box: "10 at 0.10; 30 at 0.20" (up to units, at a price in pounds), empty for none.
Result<QList<Band>> readBands(const QString& text, const QLocale& locale = QLocale());
QString bandsText(const QList<Band>& bands, const QLocale& locale = QLocale());

/// The dearest price a tariff takes, per unit or per day: £1,000.00.
inline constexpr Money PriceCeiling = Money::fromPence(100000);
/// A tariff's faults: no date, a price below zero or above the ceiling, bands not rising or not above zero.
Status checkTariff(const Tariff& tariff);
/// Two tariffs of one kind from the same day.
Status checkTariffs(const QList<Tariff>& tariffs);
/// The tariff of kind in force on day: the latest from on or before it; nothing before the first.
std::optional<Tariff> tariffInForce(const QList<Tariff>& tariffs, Kind kind, const QDate& day);

/// What a meter counted between two readings: use over the days from firstDay up to endDay (endDay not counted; a
/// period read twice in a day counts on that day).
struct Period
{
    QDate firstDay;
    QDate endDay;
    qint64 use = 0;
};
/// One line of a bill: units at price over the days [firstDay, endDay), or (standing) days at the daily charge.
struct Line
{
    bool standing = false;
    QDate firstDay;
    QDate endDay;
    qint64 units = 0; // thousandths; for a standing line, the days times PerUnit
    Money price;
    Money amount; // rounded once to the penny
    bool operator==(const Line&) const = default;
};
struct Bill
{
    QList<Line> lines;
    qint64 units = 0;
    Money total;
    QList<QDate> unpriced; // days no tariff covers (counted at £0.00)
};
/// Prices periods of one kind: each period's use spread evenly over its days, each day's units priced by the tariff
/// in force that day, its bands filled from the bill's first unit on; and the standing charge for every day from
/// standingFrom up to standingEnd. A run of days under one tariff and price is one line.
Bill price(const QList<Tariff>& tariffs, Kind kind, const QList<Period>& periods, const QDate& standingFrom,
           const QDate& standingEnd);
/// "85.5 kWh at £0.32, 01/06/2026 to 05/06/2026", "4 days at £0.50": one line in words, dates in the office's style;
/// in the interface's words unless a customer's are given.
QString lineText(const Line& line, const QString& unit, const DocumentWords& words = DocumentWords::interface());
/// Every line of a bill in words, one a line.
QString billText(const Bill& bill, const QString& unit);

/// What one meter counted over a charge: the reading that opened it and the one that closed it.
struct Read
{
    QString serial;
    QDateTime fromAt;
    qint64 fromValue = 0;
    QDateTime toAt;
    qint64 toValue = 0;
    qint64 use = 0; // thousandths, across zero where the counter rolled over
    bool operator==(const Read&) const = default;
};
/// A meter's readings over a charge, in time order: the first opens it, the last closes it.
Read readOver(const QString& serial, const QList<Reading>& readings, int digits);
/// "Meter E-1: 10,412.5 kWh on 01/06/2026 to 10,498 kWh on 05/06/2026, 85.5 kWh used", in the words given.
QString readText(const Read& read, const QString& unit, const DocumentWords& words);

/// A charge as its invoice shows it: the kind and berth, each meter read (two where one was swapped during the
/// period) and the bill's lines.
struct Breakdown
{
    Kind kind = Kind::Electricity;
    QString unit;
    QString berth;
    QList<Read> reads;
    QList<Line> lines;
    bool operator==(const Breakdown&) const = default;
};

} // namespace Meters
