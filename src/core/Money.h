#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>
#include <compare>
#include <optional>

/// An exact amount of money in ten-thousandths of a pound, the precision the old currency type had.
/// Stored as a whole number, shown as "£##0.00". Never a double.
class Money final
{
public:
    static constexpr qint64 Scale = 10000;

    constexpr Money() = default;
    static constexpr Money FromUnits(qint64 tenThousandths) { return Money(tenThousandths); }
    static constexpr Money FromPence(qint64 pence) { return Money(pence * 100); }

    /// Reads a user's entry: optional "£" (or the locale's symbol), sign, group separators and up to four
    /// decimals in the locale's notation. An empty box is 0; anything else that is not an amount is nothing.
    static std::optional<Money> Parse(const QString& text, const QLocale& locale = QLocale());
    /// Reads a stored value; NULL counts as 0.
    static Money FromDb(const QVariant& value);

    constexpr qint64 Units() const { return m_units; }
    QVariant ToDb() const { return QVariant::fromValue<qlonglong>(m_units); }
    /// "£##0.00", rounded half away from zero to the penny; negative amounts as "-£5.00".
    QString Format() const;
    /// "£#,##0.00" as printed documents show amounts: the display pattern with thousands grouped by commas.
    QString FormatGrouped() const;
    /// The amount as a plain number with two decimals for files ("12.50").
    QString PlainText() const;

    /// This amount times num / den, rounded half away from zero to a ten-thousandth (VAT, shares).
    Money MulRatio(qint64 num, qint64 den) const;

    constexpr Money operator+(Money other) const { return Money(m_units + other.m_units); }
    constexpr Money operator-(Money other) const { return Money(m_units - other.m_units); }
    constexpr Money operator*(qint64 factor) const { return Money(m_units * factor); }
    constexpr Money& operator+=(Money other)
    {
        m_units += other.m_units;
        return *this;
    }
    constexpr Money& operator-=(Money other)
    {
        m_units -= other.m_units;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}
    qint64 m_units = 0;
};
