#pragma once

#include "core/InputParsing.h"

#include <QList>

class IMessageBox;
class QLineEdit;

/// The one check for number and money boxes: a box left with text that is not a number is refused with
/// "Please enter a valid number to continue" (an amount with more than pence or past the box's limit with that
/// rule's own message), titled after the box; the focus goes back to the box and the typed
/// text stays as it is. What passes is decided by core/InputParsing.h.
namespace InputChecks {

/// Checks box each time the focus leaves it for another control of the same window. A refusal is shown once the
/// focus has moved (so a click that left the box is not half-handled inside the focus change) and puts the focus
/// back. Moving to a control marked with skipChecks (a Cancel button) or to another window is not checked.
void watch(QLineEdit* box, Kind kind, const QString& title, IMessageBox& messages);

/// Marks a control that may take the focus from a watched box without a check (Cancel).
void skipChecks(QWidget* control);

/// Runs the check of watched boxes now, in the given order (a button that acts on them calls this first): false
/// at the first box refused, with the focus in it. The message is not repeated for text it was just shown for.
bool checkAll(const QList<QLineEdit*>& boxes);

} // namespace InputChecks
