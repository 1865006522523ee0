#pragma once

#include "core/ui/Document.h"

#include <QStringList>

class QWidget;

/// The texts of a shown window that do not fit their control: a label, button, check box or radio button
/// narrower than its text (a word-wrapped label: lower than its lines), a group box's title, a tab's text, a
/// table's heading wider than its column, a menu bar whose items run off its end. One line each:
/// "frmX: QPushButton cmdY \"Text\" needs 120 px, has 96".
namespace Clipping {

QStringList clippedTexts(const QWidget* window);

/// The texts of a printed document, laid out as the renderer lays it on an A4 PDF with its own fonts, that do not
/// fit: a word wider than its box (a field's label or value column, a row's cell, the page), which the renderer
/// would break inside the word, and a placeholder ("%1", "%n") left in what is printed. One line each:
/// "RECHNUNG: label \"Liegeplatzbestätigungsnummer:\" needs 171.2 pt, has 166.0". The boxes lie within the
/// page, so a text within its box is within the page.
QStringList clippedTexts(const Doc::Document& document);

/// Puts the compiled translation of code where the program reads it (from ZEM_QM_FOLDER, which the environment
/// variable of that name may replace); English needs none. False when it could not be copied.
bool placeTranslation(const QString& code);

} // namespace Clipping
