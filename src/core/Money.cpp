#include "core/Money.h"

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <algorithm>
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
QString defaultSymbol()
{
    return QStringLiteral("£");
}

struct ShownSymbol
{
    QMutex mutex;
    QString symbol = defaultSymbol();
};
ShownSymbol& shownSymbol()
{
    static ShownSymbol shown;
    return shown;
}
} // namespace

QString Money::currencySymbol()
{
    ShownSymbol& shown = shownSymbol();
    const QMutexLocker lock(&shown.mutex);
    return shown.symbol;
}

void Money::setCurrencySymbol(const QString& symbol)
{
    const QString trimmed = symbol.trimmed();
    ShownSymbol& shown = shownSymbol();
    const QMutexLocker lock(&shown.mutex);
    shown.symbol = trimmed.isEmpty() ? defaultSymbol() : trimmed;
}

Money::Reading Money::read(const QString& text, const QLocale& locale)
{
    QString s = text.trimmed();
    if (s.isEmpty())
        return {};
    const Reading notAnAmount{{}, Misread::NotAnAmount};
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
    // The longest first, so "kr." is not read as "kr" and a stray point.
    QStringList symbols{currencySymbol(), defaultSymbol(), locale.currencySymbol()};
    std::stable_sort(symbols.begin(), symbols.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& symbol : std::as_const(symbols)) {
        if (!symbol.isEmpty() && s.startsWith(symbol)) {
            s = s.mid(symbol.size()).trimmed();
            break;
        }
    }
    takeSign();
    QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    // Amounts are shown in the locale's notation; where the locale writes "12,50", a lone point before one or two
    // final digits is still the decimal point, so "12.50" typed as in files is read as meant.
    if (point != QStringLiteral(".") && !s.contains(point) && s.count(u'.') == 1) {
        const qsizetype dot = s.indexOf(u'.');
        const qsizetype decimals = s.size() - dot - 1;
        if (decimals >= 1 && decimals <= 2)
            point = QStringLiteral(".");
    }

    qint64 whole = 0;
    qint64 pence = 0;
    int fractionDigits = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    bool tooLarge = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c.isDigit()) {
            const int d = c.digitValue();
            seenDigit = true;
            if (!seenPoint) {
                if (whole > ceiling().m_units / Scale)
                    tooLarge = true; // read on: text after the digits may still make it no amount at all
                else
                    whole = whole * 10 + d;
            } else {
                if (fractionDigits < 2)
                    pence = pence * 10 + d;
                ++fractionDigits;
            }
        } else if (!seenPoint && QStringView(s).mid(i).startsWith(point)) {
            seenPoint = true;
            i += point.size() - 1;
        } else if (!seenPoint && !group.isEmpty() && QStringView(s).mid(i).startsWith(group) && seenDigit) {
            i += group.size() - 1;
        } else {
            return notAnAmount;
        }
    }
    if (!seenDigit)
        return notAnAmount;
    if (fractionDigits > 2)
        return {{}, Misread::TooManyDecimals};
    for (int i = fractionDigits; i < 2; ++i)
        pence *= 10;
    const qint64 units = whole * Scale + pence * 100;
    const Money amount(negative ? -units : units);
    if (tooLarge || !amount.withinCeiling())
        return {{}, Misread::TooLarge};
    return {amount, Misread::None};
}

std::optional<Money> Money::parse(const QString& text, const QLocale& locale)
{
    const Reading reading = read(text, locale);
    if (reading.misread != Misread::None)
        return std::nullopt;
    return reading.amount;
}

Money Money::fromDb(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return Money();
    return Money(value.toLongLong());
}

QString Money::format() const
{
    // The locale's decimal mark ("12,50" where the office writes it so); files keep plainText's point.
    QString plain = plainText();
    plain.replace(u'.', QLocale().decimalPoint());
    const QString symbol = currencySymbol();
    return plain.startsWith(u'-') ? u'-' + symbol + plain.mid(1) : symbol + plain;
}

QString Money::formatGrouped() const
{
    QString digits = plainText();
    const bool negative = digits.startsWith(u'-');
    if (negative)
        digits.remove(0, 1);
    const QLocale locale;
    const qsizetype point = digits.indexOf(u'.');
    digits.replace(point, 1, locale.decimalPoint());
    for (qsizetype at = point - 3; at > 0; at -= 3)
        digits.insert(at, locale.groupSeparator());
    const QString symbol = currencySymbol();
    return negative ? u'-' + symbol + digits : symbol + digits;
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

Money Money::ratioToPenny(qint64 num, qint64 den) const
{
    // In pence, rounded once: a ten-thousandth rounded first could tip a share just under half a penny over it.
    if (den > 0 && den <= Max / 100)
        return fromPence(mulRatio(num, den * 100).m_units);
    return mulRatio(num, den).toPenny();
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
