#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QLocale>
#include <QString>
#include <optional>

/// Reading what was typed into number and money boxes, without a widget: numbers in the user's notation
/// (QLocale), money through Money::Parse. An empty box always passes a check (windows read it as empty or as 0);
/// a box of blanks only does not. The boxes themselves are watched by core/ui/InputChecks.h.
namespace InputChecks {

enum class Kind
{
    Number,      // a decimal number (sizes)
    WholeNumber, // a whole number, sign allowed (counts, confirmation numbers)
    Money,       // an amount, the shown symbol or "£" allowed in front, up to Money::Ceiling() either way
    Charge,      // a booking's hire or other charges: an amount up to ChargeCeiling either way
    Payment,     // money taken or given back: an amount up to PaymentCeiling either way
    Count,       // a number of people: 0 to MaxCount, or -1 for "not asked"
};

inline constexpr qint64 MaxCount = 9999;

/// The largest hire or other charges a box accepts, £249,999,999.99: the two together with tax at up to 100 % come
/// to a total within Money::ceiling(), so whatever the boxes accept adds up to a total that saves.
inline constexpr Money ChargeCeiling = Money::fromPence(Money::ceiling().units() / 100 / 4);

/// The most one payment, refund or correction may carry: £10,000,000.00.
inline constexpr Money PaymentCeiling = Money::fromPence(1000000000);

/// "Please enter a valid number to continue".
QString invalidNumberText();
/// What an amount with more than pence is told.
QString decimalsText();
/// What an amount beyond a box's limit is told, the same for every box with that limit.
QString limitText(Money limit);

/// Why the text of a box of this kind does not pass (invalidNumberText, decimalsText or the kind's limitText);
/// empty when it passes.
QString refusal(const QString& text, Kind kind, const QLocale& locale = QLocale());
/// Whether the text of a box of this kind passes.
bool isValid(const QString& text, Kind kind, const QLocale& locale = QLocale());

/// The one reading of an amount typed into a window's box whose limit is limit either way: the amount (0 for an
/// empty box), or Refused with the text to show: notAnAmount for text that is no amount, decimalsText() for more
/// than two decimals, limitText(limit) past the limit, however far.
Result<Money> readAmount(const QString& text, Money limit, const QString& notAnAmount,
                         const QLocale& locale = QLocale());

/// The number in a box; nothing for an empty box or text that is not a finite number.
std::optional<double> readNumber(const QString& text, const QLocale& locale = QLocale());
/// The whole number in a box; nothing for an empty box or text that is not one.
std::optional<qint64> readWholeNumber(const QString& text, const QLocale& locale = QLocale());
/// The amount in a box; nothing for an empty box or text that is not an amount of pence within the ceiling (read an
/// empty box as 0 with value_or where a window says so).
std::optional<Money> readMoney(const QString& text, const QLocale& locale = QLocale());

} // namespace InputChecks
