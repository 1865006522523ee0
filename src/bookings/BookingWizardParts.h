#pragma once

#include "core/Money.h"

#include <QString>

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// What the booking wizard and its pages share. As with a form made in Qt Designer, a page's controls are its public
// members, named as their objectName; each page reads, checks and works out what it shows.
namespace BookingWizardParts {
/// The title of the wizard and of every message it and its pages show: "Booking".
QString title();
/// A plain-text caption.
QLabel* caption(const QString& text, QWidget* parent);
/// A plain-text label with its object name.
QLabel* named(QLabel* label, const QString& name);
/// A caption shown half as large again, in bold: the wizard's heading.
void enlarge(QLabel* label);
/// A button with its object name.
QPushButton* button(const QString& text, const QString& name, QWidget* parent);
/// The steps listed down a box titled title, into labels ("lblStep_0" on).
QWidget* progressBox(const QString& title, const QStringList& steps, QList<QLabel*>& labels, QWidget* parent);
/// The step shown in bold, the others plain.
void markStep(const QList<QLabel*>& labels, int step);
/// A line box with its object name.
QLineEdit* box(const QString& name, QWidget* parent);
/// The amount in a box; 0 for an empty box or text that is not an amount (the box's own check says so).
Money amount(const QLineEdit* box);
/// An amount re-shown in the display pattern; an empty box stays empty, text that is not an amount stays as typed.
void showAmount(QLineEdit* box);
} // namespace BookingWizardParts
