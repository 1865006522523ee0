#pragma once

#include <QChar>
#include <QList>
#include <QPointer>
#include <QString>

class QApplication;
class QWidget;

/// Alt and a letter as people expect it: inside a window its own letters act (a window inside the main window
/// takes its letter before the menu bar does), and a letter nothing answers never lands in a text box as typing.
namespace Mnemonics {

/// The letter after a single '&' of a caption, upper-cased; a null QChar when the caption has none ("&&" is an
/// ampersand, not a mnemonic).
QChar letterOf(const QString& caption);

/// A control that answers Alt and its letter: a button, a label with a buddy, a group box, a tab.
struct Owner
{
    QChar letter;
    QPointer<QWidget> widget;
    QString caption;
    /// The pages of stacked widgets (wizard pages, tabs) the control lies on, outermost first: controls on
    /// different pages of one stack are never seen together.
    QList<std::pair<const QWidget*, int>> pages;
};

/// The controls of window (window included) that answer a letter and are not hidden, disabled ones included;
/// controls on a stack's pages count for their page.
QList<Owner> owners(const QWidget* window);

/// Whether window has a shown and enabled control answering Alt and letter now.
bool answers(const QWidget* window, QChar letter);

/// Whether two controls can be on screen together (neither lies on a page the other's stack is not showing).
bool together(const Owner& one, const Owner& other);

/// "&Confirm and &Cancel both use C": the letters used twice in window, one line for each pair; empty when none.
QStringList clashes(const QWidget* window);

/// Installs, once, the application-wide filter that makes Alt and a letter behave as described above.
void install(QApplication& app);

} // namespace Mnemonics
