#include "core/InputParsing.h"

#include <QCoreApplication>
#include <cmath>

namespace InputChecks {
namespace {
QString trimmed(const QString& text)
{
    return text.trimmed();
}
} // namespace

QString invalidNumberText()
{
    return QCoreApplication::translate("InputChecks", "Please enter a valid number to continue");
}

QString decimalsText()
{
    return QCoreApplication::translate("InputChecks", "Amounts are in pounds and pence: type at most two decimals, "
                                                      "for example %1.")
        .arg(Money::fromPence(112).format());
}

QString limitText(Money limit)
{
    return QCoreApplication::translate("InputChecks", "An amount cannot be more than %1.").arg(limit.formatGrouped());
}

Result<Money> readAmount(const QString& text, Money limit, const QString& notAnAmount, const QLocale& locale)
{
    const Money::Reading reading = Money::read(text, locale);
    switch (reading.misread) {
    case Money::Misread::NotAnAmount:
        return refused(notAnAmount);
    case Money::Misread::TooManyDecimals:
        return refused(decimalsText());
    case Money::Misread::TooLarge:
        return refused(limitText(limit));
    case Money::Misread::None:
        break;
    }
    if (reading.amount > limit || reading.amount < Money() - limit)
        return refused(limitText(limit));
    return reading.amount;
}

std::optional<double> readNumber(const QString& text, const QLocale& locale)
{
    const QString s = trimmed(text);
    if (s.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(s, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> readWholeNumber(const QString& text, const QLocale& locale)
{
    const QString s = trimmed(text);
    if (s.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 value = locale.toLongLong(s, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<Money> readMoney(const QString& text, const QLocale& locale)
{
    if (trimmed(text).isEmpty())
        return std::nullopt; // Money::Parse would read blanks as 0
    return Money::parse(text, locale);
}

QString refusal(const QString& text, Kind kind, const QLocale& locale)
{
    if (text.isEmpty())
        return {};
    bool valid = false;
    switch (kind) {
    case Kind::Number:
        valid = readNumber(text, locale).has_value();
        break;
    case Kind::WholeNumber:
        valid = readWholeNumber(text, locale).has_value();
        break;
    case Kind::Money:
    case Kind::Charge:
    case Kind::Payment:
        if (trimmed(text).isEmpty())
            break; // blanks only: Money::read would take them for 0
        return readAmount(text,
                          kind == Kind::Charge    ? ChargeCeiling
                          : kind == Kind::Payment ? PaymentCeiling
                                                  : Money::ceiling(),
                          invalidNumberText(), locale)
            .error();
    case Kind::Count: {
        const auto count = readWholeNumber(text, locale);
        valid = count && *count >= -1 && *count <= MaxCount;
        break;
    }
    }
    return valid ? QString() : invalidNumberText();
}

bool isValid(const QString& text, Kind kind, const QLocale& locale)
{
    return refusal(text, kind, locale).isEmpty();
}

} // namespace InputChecks
