#pragma once

#include "core/Money.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <optional>

class IMessageBox;
class QLineEdit;

/// The one check for number and money boxes: a box left with text that is not a number is refused with
/// "Please enter a valid number to continue", titled after the box; the focus goes back to the box and the typed
/// text stays as it is. An empty box always passes (windows read it as empty or as 0); a box of blanks only does
/// not. Numbers are read in the user's notation (QLocale), money through Money::Parse.
namespace InputChecks {

enum class Kind
{
    Number,      // a decimal number (sizes)
    WholeNumber, // a whole number, sign allowed (counts, confirmation numbers)
    Money,       // an amount, "£" allowed in front, up to Money::Ceiling() either way
    Count,       // a number of people: 0 to MaxCount, or -1 for "not asked"
};

inline constexpr qint64 MaxCount = 9999;

/// "Please enter a valid number to continue".
QString InvalidNumberText();

/// Whether the text of a box of this kind passes.
bool IsValid(const QString& text, Kind kind, const QLocale& locale = QLocale());

/// The number in a box; nothing for an empty box or text that is not a finite number.
std::optional<double> ReadNumber(const QString& text, const QLocale& locale = QLocale());
/// The whole number in a box; nothing for an empty box or text that is not one.
std::optional<qint64> ReadWholeNumber(const QString& text, const QLocale& locale = QLocale());
/// The amount in a box; nothing for an empty box or text that is not an amount (read an empty box as 0 with
/// value_or where a window says so).
std::optional<Money> ReadMoney(const QString& text, const QLocale& locale = QLocale());

/// Checks box each time the focus leaves it for another control of the same window. A refusal is shown once the
/// focus has moved (so a click that left the box is not half-handled inside the focus change) and puts the focus
/// back. Moving to a control marked with SkipChecks (a Cancel button) or to another window is not checked.
void Watch(QLineEdit* box, Kind kind, const QString& title, IMessageBox& messages);

/// Marks a control that may take the focus from a watched box without a check (Cancel).
void SkipChecks(QWidget* control);

/// Runs the check of watched boxes now, in the given order (a button that acts on them calls this first): false
/// at the first box refused, with the focus in it. The message is not repeated for text it was just shown for.
bool CheckAll(const QList<QLineEdit*>& boxes);

} // namespace InputChecks
