#include "core/InputParsing.h"

#include <cmath>

namespace InputChecks {
namespace {
QString Trimmed(const QString& text)
{
    return text.trimmed();
}
} // namespace

QString InvalidNumberText()
{
    return QStringLiteral("Please enter a valid number to continue");
}

std::optional<double> ReadNumber(const QString& text, const QLocale& locale)
{
    const QString s = Trimmed(text);
    if (s.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = locale.toDouble(s, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> ReadWholeNumber(const QString& text, const QLocale& locale)
{
    const QString s = Trimmed(text);
    if (s.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 value = locale.toLongLong(s, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<Money> ReadMoney(const QString& text, const QLocale& locale)
{
    if (Trimmed(text).isEmpty())
        return std::nullopt; // Money::Parse would read blanks as 0
    return Money::Parse(text, locale);
}

bool IsValid(const QString& text, Kind kind, const QLocale& locale)
{
    if (text.isEmpty())
        return true;
    switch (kind) {
    case Kind::Number:
        return ReadNumber(text, locale).has_value();
    case Kind::WholeNumber:
        return ReadWholeNumber(text, locale).has_value();
    case Kind::Money:
        return ReadMoney(text, locale).has_value();
    case Kind::Count: {
        const auto count = ReadWholeNumber(text, locale);
        return count && *count >= -1 && *count <= MaxCount;
    }
    }
    return false;
}

} // namespace InputChecks
