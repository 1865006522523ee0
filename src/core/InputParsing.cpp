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

bool isValid(const QString& text, Kind kind, const QLocale& locale)
{
    if (text.isEmpty())
        return true;
    switch (kind) {
    case Kind::Number:
        return readNumber(text, locale).has_value();
    case Kind::WholeNumber:
        return readWholeNumber(text, locale).has_value();
    case Kind::Money:
        return readMoney(text, locale).has_value();
    case Kind::Charge: {
        const auto amount = readMoney(text, locale);
        return amount && *amount <= ChargeCeiling && *amount >= Money() - ChargeCeiling;
    }
    case Kind::Count: {
        const auto count = readWholeNumber(text, locale);
        return count && *count >= -1 && *count <= MaxCount;
    }
    }
    return false;
}

} // namespace InputChecks
