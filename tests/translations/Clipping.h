#pragma once

#include <QStringList>

class QWidget;

/// The texts of a shown window that do not fit their control: a label, button, check box or radio button
/// narrower than its text (a word-wrapped label: lower than its lines), a group box's title, a tab's text, a
/// table's heading wider than its column, a menu bar whose items run off its end. One line each:
/// "frmX: QPushButton cmdY \"Text\" needs 120 px, has 96".
namespace Clipping {

QStringList clippedTexts(const QWidget* window);

} // namespace Clipping
