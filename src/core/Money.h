#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>
#include <compare>
#include <limits>
#include <optional>

/// An exact amount of money in ten-thousandths of a pound, the precision the old currency type had and the stored
/// columns keep. Stored as a whole number, shown as "£##0.00" (or with the symbol the regional settings chose).
/// Never a double.
///
/// What is priced or typed is whole pence: the one rounding rule is toPenny() (half away from zero), and a tax or
/// another share is worked out with ratioToPenny, rounded once. Bookings saved before that keep their agreed totals
/// to the ten-thousandth; a balance under half a penny either way counts as settled (isSettled()).
class Money final
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 tenThousandths) { return Money(tenThousandths); }
    static constexpr Money fromPence(qint64 pence) { return Money(multiplied(pence, 100)); }

    /// The largest amount a box accepts, either way of zero: £999,999,999.99. Sums beyond it are not refused by
    /// the arithmetic (which never wraps) but by the checks that read or save amounts.
    static constexpr Money ceiling() { return Money(99999999999 * 100); }
    constexpr bool withinCeiling() const { return m_units >= -ceiling().m_units && m_units <= ceiling().m_units; }

    /// The symbol every shown amount starts with, one for the whole program: "£" until the regional settings
    /// choose another (at start-up and when their window saves). Safe to read and set from any thread.
    static QString currencySymbol();
    /// Shows amounts with symbol from now on; blanks only or nothing put "£" back.
    static void setCurrencySymbol(const QString& symbol);

    /// What reading a typed amount found wrong, if anything.
    enum class Misread
    {
        None,
        NotAnAmount,
        TooManyDecimals, // more than pence
        TooLarge         // beyond the ceiling either way
    };
    struct Reading; // the amount read, or what was misread
    /// Reads a user's entry: optional shown symbol, "£" or the locale's symbol, sign, group separators and up to two
    /// decimals in the locale's notation. An empty box is 0.
    static Reading read(const QString& text, const QLocale& locale = QLocale());
    /// read's amount; nothing when it was misread.
    static std::optional<Money> parse(const QString& text, const QLocale& locale = QLocale());
    /// Reads a stored value; NULL counts as 0.
    static Money fromDb(const QVariant& value);

    constexpr qint64 units() const { return m_units; }
    QVariant toDb() const { return QVariant::fromValue<qlonglong>(m_units); }
    /// "£##0.00" with the shown symbol, rounded half away from zero to the penny; negative amounts as "-£5.00".
    QString format() const;
    /// "£#,##0.00" as printed documents show amounts: the display pattern with thousands grouped by commas.
    QString formatGrouped() const;
    /// The amount as a plain number with two decimals for files ("12.50").
    QString plainText() const;
    /// The whole pence plainText shows: rounded half away from zero.
    qint64 roundedPence() const;

    /// This amount times num / den, rounded half away from zero to a ten-thousandth.
    Money mulRatio(qint64 num, qint64 den) const;

    /// The one rounding rule: to the penny, half away from zero.
    Money toPenny() const { return fromPence(roundedPence()); }
    /// This amount times num / den rounded once, by the same rule, to the penny (a tax, a deposit's share, a rate per
    /// metre times a length): never rounded to a ten-thousandth first.
    Money ratioToPenny(qint64 num, qint64 den) const;
    constexpr bool isWholePence() const { return m_units % 100 == 0; }

    /// Half a penny: the least a balance owes, or holds in credit, to count as open.
    static constexpr Money halfPenny() { return Money(Scale / 200); }
    /// Whether this balance (total less paid) is settled: under half a penny either way, so a booking saved with a
    /// total to the ten-thousandth and paid in pence shows as paid. owes() and inCredit() are the two other cases.
    constexpr bool isSettled() const { return !owes() && !inCredit(); }
    constexpr bool owes() const { return m_units >= halfPenny().m_units; }
    constexpr bool inCredit() const { return m_units <= -halfPenny().m_units; }

    // The arithmetic is checked: a result that does not fit stops at the largest (or smallest) value instead of
    // wrapping round to an amount of the other sign.
    constexpr Money operator+(Money other) const { return Money(added(m_units, other.m_units)); }
    constexpr Money operator-(Money other) const
    {
        return Money(other.m_units == Min ? added(added(m_units, Max), 1) : added(m_units, -other.m_units));
    }
    constexpr Money operator*(qint64 factor) const { return Money(multiplied(m_units, factor)); }
    constexpr Money& operator+=(Money other) { return *this = *this + other; }
    constexpr Money& operator-=(Money other) { return *this = *this - other; }
    constexpr auto operator<=>(const Money&) const = default;

private:
    static constexpr qint64 Max = std::numeric_limits<qint64>::max();
    static constexpr qint64 Min = std::numeric_limits<qint64>::min();
    static constexpr qint64 added(qint64 a, qint64 b)
    {
        if (b > 0 && a > Max - b)
            return Max;
        if (b < 0 && a < Min - b)
            return Min;
        return a + b;
    }
    static constexpr qint64 multiplied(qint64 a, qint64 b)
    {
        if (a == 0 || b == 0)
            return 0;
        const bool negative = (a < 0) != (b < 0);
        const quint64 ua = a < 0 ? quint64(0) - quint64(a) : quint64(a);
        const quint64 ub = b < 0 ? quint64(0) - quint64(b) : quint64(b);
        const quint64 limit = negative ? quint64(Max) + 1 : quint64(Max);
        if (ua > limit / ub)
            return negative ? Min : Max;
        const quint64 product = ua * ub;
        return negative ? qint64(quint64(0) - product) : qint64(product);
    }

    constexpr explicit Money(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};

struct Money::Reading
{
    Money amount;
    Misread misread = Misread::None;
};
