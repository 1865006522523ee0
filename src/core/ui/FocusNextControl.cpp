#include "core/ui/FocusNextControl.h"

#include "core/ui/DateBox.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QWidget>

FocusNextControl::FocusNextControl(QWidget* window) : QObject(window), m_window(window) {}

void FocusNextControl::install(QWidget* window)
{
    auto* filter = new FocusNextControl(window);
    // Filters on the application see the key before the focused control (like a form's key preview); the
    // filter acts only for controls inside its own window.
    qApp->installEventFilter(filter);
}

bool FocusNextControl::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
        return false;
    auto* focus = QApplication::focusWidget();
    if (!focus || focus != watched || !m_window->isAncestorOf(focus))
        return false;
    // Multi-line boxes keep Enter for new lines, push buttons for pressing them; check boxes move on like fields.
    if (qobject_cast<QPlainTextEdit*>(focus) || qobject_cast<QTextEdit*>(focus) || qobject_cast<QPushButton*>(focus) ||
        qobject_cast<QToolButton*>(focus))
        return false;
    // Date, time, spin and editable combo boxes give the key to their own inner line edit: the box is the
    // control that moves on, and its inner line edit is no next control.
    QWidget* control = focus;
    if (QWidget* parent = focus->parentWidget();
        parent && (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent)))
        control = parent;
    // A date being typed that cannot be read keeps the focus; the box says what it expects.
    if (auto* date = qobject_cast<DateBox*>(control); date && !date->commitTyped())
        return true;
    // Walk the tab chain to the next control that takes the focus, wrapping round inside the window.
    QWidget* next = control->nextInFocusChain();
    while (next && next != control) {
        if (!control->isAncestorOf(next) && m_window->isAncestorOf(next) && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus))
            break;
        next = next->nextInFocusChain();
    }
    if (next && next != control)
        next->setFocus(Qt::TabFocusReason);
    return true;
}
