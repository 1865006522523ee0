#pragma once

#include <QDialogButtonBox>
#include <QList>
#include <QString>
#include <functional>

class QDialog;
class QFormLayout;
class QHBoxLayout;
class QPushButton;
class QWidget;

/// What the program's small dialogs share: the button a window opens one with, labelled controls (each label with an
/// Alt letter that takes the keyboard to its control), and the buttons at the foot. Captions come translated from
/// the dialog that uses them.
namespace SmallDialog {

/// A labelled control: the label's '&' letter moves to the control.
struct Row
{
    QString label;
    QWidget* control = nullptr;
};

/// A button at a dialog's foot; the reject role's closes the dialog.
struct Button
{
    QString caption;
    QString objectName;
    QDialogButtonBox::ButtonRole role = QDialogButtonBox::RejectRole;
};

/// A window's button that runs open at each click (a dialog made and shown there). It never takes Enter from the
/// window it sits in.
QPushButton* opener(const QString& caption, const QString& objectName, QWidget* parent, std::function<void()> open);

/// The layout of dialog: note (wrapped) on top when there is one, then rows one under the other.
QFormLayout* form(QDialog* dialog, const QString& note, const QList<Row>& rows);

/// Rows side by side on one line (a period's two dates), then trailing (the button that acts on them), then space.
QHBoxLayout* line(const QList<Row>& rows, QWidget* trailing);

/// The buttons at dialog's foot, made in the order given.
QDialogButtonBox* foot(QDialog* dialog, const QList<Button>& buttons);

} // namespace SmallDialog
