#pragma once

#include <functional>

class QDialog;
class QLabel;
class QLayout;
class QLineEdit;
class QString;
class QWidget;

/// What the sign-in, user and lock dialogs share: the box a secret is typed into, the line that says why it was
/// refused, and the dialog's frame.
namespace StaffWidgets {

/// A box whose typing is not shown, taking one character more than a password may have, so a pasted text that is
/// too long is refused with a message rather than cut.
QLineEdit* secretBox(const QString& name, QWidget* parent);
/// The line that says why the last try was refused ("lblError"), empty until then.
QLabel* errorLine(QWidget* parent);
/// Lays out prompt, fields and error above OK (runs ok, the default) and Cancel (rejects).
void finish(QDialog* dialog, QLabel* prompt, QLayout* fields, QLabel* error, const std::function<void()>& ok);

} // namespace StaffWidgets
