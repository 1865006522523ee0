#pragma once

#include "core/DocumentLanguage.h"
#include "core/Money.h"
#include "core/Result.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

/// A stay priced night by night from the office's seasons, and the tax on it. No database and no window: the rate
/// table's store and the booking wizard hand in what they read.
namespace Pricing {

/// A named run of nights, once or every year. The highest priority covering a night prices it.
struct Season
{
    qint64 id = 0;
    QString name;
    QDate firstNight;
    QDate lastNight;
    bool yearly = false;
    int priority = 0;
    bool operator==(const Season&) const = default;
};

/// Whether the season covers the night. A yearly season repeats its days of the year (running over New Year when
/// its last night falls earlier in the year than its first), so its 29 February is a night of leap years only.
bool covers(const Season& season, const QDate& night);

enum class Basis
{
    PerBerth,
    PerMetre // the rates are per metre of length
};

/// The dearest rate a box may hold: £1,000,000.00.
inline constexpr Money RateCeiling = Money::fromPence(100000000);

struct Rate
{
    Basis basis = Basis::PerBerth;
    Money nightly;
    std::optional<Money> weekendNight; // Friday and Saturday nights
    std::optional<Money> weekly;
    std::optional<Money> monthly; // 30 nights
    bool operator==(const Rate&) const = default;
};

/// What prices one berth: its daily charge for nights outside every season (none: those nights have no price),
/// the rate of each season that has one for it (its own, else its type's), by season id, and the lengths a
/// per-metre rate reads, in centimetres.
struct BerthRates
{
    QString berth;
    std::optional<Money> daily;
    QHash<qint64, Rate> bySeason;
    int lengthCm = 0;
    int minimumLengthCm = 0;
};

enum class Unit
{
    Night,
    WeekendNight,
    Week,
    Month
};

/// One line of a breakdown: count units at rate (per berth, a per-metre rate already times the length). The rate is
/// rounded to the penny before it is counted, so every line, and the hire, is whole pence.
struct Line
{
    QString berth;
    QString season; // empty: the berth's daily charge, outside every season
    Unit unit = Unit::Night;
    qint64 count = 0;
    Money rate;
    Money amount;
    bool operator==(const Line&) const = default;
};

struct Price
{
    Money total;
    QList<Line> lines;
    QStringList unpriced; // berths with a night that nothing prices (counted at £0.00)
};

/// The stay of nights nights from firstNight for one berth. A per-metre rate counts the boat's length where the
/// booking has a boat, else the berth's, and never less than the type's minimum. In each unbroken run of nights
/// in one season come whole months at the monthly rate, then whole weeks at the weekly rate, then single nights
/// (the run's last); what the single nights come to never exceeds one more week, nor the weeks and nights one
/// more month, where those rates exist.
Price priceBerth(const QList<Season>& seasons, const BerthRates& berth, const QDate& firstNight, qint64 nights,
                 std::optional<int> boatLengthCm = std::nullopt);
/// Every berth of a booking, their lines one after another.
Price priceStay(const QList<Season>& seasons, const QList<BerthRates>& berths, const QDate& firstNight, qint64 nights,
                std::optional<int> boatLengthCm = std::nullopt);

/// "2 nights", "1 week": a line's count and unit as the breakdown shows them.
QString countText(const Line& line, const DocumentWords& words = DocumentWords::interface());

/// Refusals of a rate table before it is saved: a season ending before it starts, a yearly season longer than a
/// year, a rate below zero or above £1,000,000, two seasons of one priority that share a night (named both).
Status checkSeason(const Season& season);
Status checkRate(const Rate& rate);
Status checkOverlaps(const QList<Season>& seasons);

/// A tax and the arrival date from which it is charged; rates in hundredths of a percent (1750 is 17.5 %).
struct TaxRate
{
    QString name;
    int hundredthsOfPercent = 0;
    QDate from;
    bool operator==(const TaxRate&) const = default;
};
inline constexpr int DeliveredTax = 1750;
/// The rate in force on the arrival date: the latest that starts on or before it; none before the first, 0.
TaxRate taxInForce(const QList<TaxRate>& rates, const QDate& arrival);
Status checkTaxRate(const TaxRate& rate);

/// A tax rate typed as a percent with at most two decimals ("17.5", "20", "0", "-1") in hundredths of a percent,
/// read digit by digit; nothing for text that is not one. A value out of range is read for checkTaxRate to refuse.
std::optional<int> readTaxPercent(const QString& text);
/// The rate as it is typed: 1750 "17.5", 2000 "20", 5 "0.05".
QString taxPercentText(int hundredthsOfPercent);

/// The date a tax takes effect as it is typed: "04/01/2011".
QString taxDateText(const QDate& date);

/// A tax as a table of taxes holds it, every cell as typed; the date as taxDateText writes it.
struct TaxRowText
{
    QString name;
    QString percent;
    QString from;
};
/// The table's rows as taxes; Refused, naming the row (counted from 1), for the first that has no name, a rate
/// that is not a percent from 0 to 100 with at most two decimals, or no date, or takes effect on the date of an
/// earlier row.
Result<QList<TaxRate>> readTaxRows(const QList<TaxRowText>& rows);

struct Charges
{
    Money tax;
    Money total;
};
/// Tax on hire and other charges together, rounded to the penny half away from zero (Money::ratioToPenny), and the
/// total payable: always hire + other + tax exactly, so whole pence where hire and other charges are.
Charges charges(Money hire, Money other, int taxHundredthsOfPercent);

} // namespace Pricing
