#include "core/Money.h"

#include <cstdlib>
#include <limits>

namespace {
// a / b rounded half away from zero; b > 0.
qint64 divideRounded(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    const qint64 r = a % b;
    if (std::llabs(r) >= b - std::llabs(r))
        return a < 0 ? q - 1 : q + 1;
    return q;
}
} // namespace

std::optional<Money> Money::parse(const QString& text, const QLocale& locale)
{
    QString s = text.trimmed();
    if (s.isEmpty())
        return Money();
    bool negative = false;
    auto takeSign = [&] {
        if (s.startsWith(u'-') || s.startsWith(locale.negativeSign())) {
            negative = !negative;
            s = s.mid(1).trimmed();
        } else if (s.startsWith(u'+')) {
            s = s.mid(1).trimmed();
        }
    };
    takeSign();
    for (const QString& symbol : {QStringLiteral("£"), locale.currencySymbol()}) {
        if (!symbol.isEmpty() && s.startsWith(symbol)) {
            s = s.mid(symbol.size()).trimmed();
            break;
        }
    }
    takeSign();
    QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    // Amounts are shown as "£12.50" everywhere; where the locale writes "12,50", a lone point before one or two
    // final digits is still the decimal point, so a shown amount always reads back as itself.
    if (point != QStringLiteral(".") && !s.contains(point) && s.count(u'.') == 1) {
        const qsizetype dot = s.indexOf(u'.');
        const qsizetype decimals = s.size() - dot - 1;
        if (decimals >= 1 && decimals <= 2)
            point = QStringLiteral(".");
    }

    qint64 whole = 0;
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    int roundDigit = -1; // the fifth decimal, for rounding
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isDigit()) {
            const int d = c.digitValue();
            seenDigit = true;
            if (!seenPoint) {
                if (whole > (std::numeric_limits<qint64>::max() / Scale - 9) / 10)
                    return std::nullopt; // too large to hold
                whole = whole * 10 + d;
            } else if (fractionDigits < 4) {
                fraction = fraction * 10 + d;
                ++fractionDigits;
            } else if (roundDigit < 0) {
                roundDigit = d;
            }
        } else if (!seenPoint && QStringView(s).mid(i).startsWith(point)) {
            seenPoint = true;
            i += point.size() - 1;
        } else if (!seenPoint && !group.isEmpty() && QStringView(s).mid(i).startsWith(group) && seenDigit) {
            i += group.size() - 1;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    for (int i = fractionDigits; i < 4; ++i)
        fraction *= 10;
    qint64 units = whole * Scale + fraction;
    if (roundDigit >= 5)
        ++units;
    const Money amount(negative ? -units : units);
    if (!amount.withinCeiling())
        return std::nullopt;
    return amount;
}

Money Money::fromDb(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return Money();
    return Money(value.toLongLong());
}

QString Money::format() const
{
    const QString plain = plainText();
    return plain.startsWith(u'-') ? QStringLiteral("-£") + plain.mid(1) : QStringLiteral("£") + plain;
}

QString Money::formatGrouped() const
{
    QString text = format();
    const qsizetype firstDigit = text.indexOf(u'£') + 1;
    for (qsizetype at = text.indexOf(u'.') - 3; at > firstDigit; at -= 3)
        text.insert(at, u',');
    return text;
}

qint64 Money::roundedPence() const
{
    return divideRounded(m_units, 100);
}

QString Money::plainText() const
{
    const qint64 pence = roundedPence();
    const qint64 absPence = std::llabs(pence);
    // Built by hand rather than with arg(): exports write millions of amounts.
    QString text = pence < 0 ? QStringLiteral("-") : QString();
    text += QString::number(absPence / 100);
    const int cents = int(absPence % 100);
    text += u'.';
    text += QChar(u'0' + cents / 10);
    text += QChar(u'0' + cents % 10);
    return text;
}

Money Money::mulRatio(qint64 num, qint64 den) const
{
    if (den < 0) {
        // Negating the smallest value would not fit; one unit less makes no difference at that size.
        num = num == Min ? Max : -num;
        den = den == Min ? Max : -den;
    }
    if (den == 0)
        return Money(m_units == 0 ? 0 : m_units < 0 ? Min : Max);
    const qint64 product = multiplied(m_units, num);
    if (product != Max && product != Min)
        return Money(divideRounded(product, den));
    // The product does not fit: divide first; the remainder's share is below one unit of the ratio.
    const qint64 whole = multiplied(m_units / den, num);
    return Money(added(whole, divideRounded(multiplied(m_units % den, num), den)));
}
