#pragma once

#include <QString>
#include <functional>

struct Services;
class QGridLayout;
class QDialog;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

/// Small pieces the record dialogs and the search share.
namespace PeopleWidgets {

/// A one-line box named name that takes at most maxLength characters (0: no limit), with its caption on the
/// left in the given row of layout.
QLineEdit* AddTextBox(QGridLayout* layout, int row, const QString& name, const QString& caption, int maxLength,
                      int column = 0);

/// Puts a stored text into a box without cutting it: a value longer than the box's limit (written by another
/// program) widens the limit to its length, so saving never loses what is there.
void SetText(QLineEdit* box, const QString& text, int maxLength);

/// The record dialogs' multi-line notes box txtNotes, with its caption, in the given row of layout.
QPlainTextEdit* AddNotesBox(QGridLayout* layout, int row, QWidget* form);

/// The clickable "Email" (lblSendEmail) beside the e-mail box in the given row: it starts a message to the address.
void AddEmailLink(QGridLayout* layout, int row, QWidget* form, Services& services, QLineEdit* email);

/// Puts the record dialog's fields above its OK (runs save) and "&Cancel" (and Escape: rejects) buttons, and
/// makes Enter move from field to field.
void FinishRecordDialog(QDialog* dialog, QWidget* form, const std::function<void()>& save);

} // namespace PeopleWidgets
