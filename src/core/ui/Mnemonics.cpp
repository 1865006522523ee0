#include "core/ui/Mnemonics.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>

namespace Mnemonics {

QChar letterOf(const QString& caption)
{
    for (qsizetype at = caption.indexOf(u'&'); at >= 0 && at + 1 < caption.size(); at = caption.indexOf(u'&', at)) {
        const QChar next = caption.at(at + 1);
        if (next != u'&')
            return next.toUpper();
        at += 2;
    }
    return {};
}

namespace {

// The stack pages widget lies on below window; false when it, or a parent short of window, is hidden for a
// reason other than being a page not shown.
bool placeOf(const QWidget* widget, const QWidget* window, QList<std::pair<const QWidget*, int>>& pages)
{
    for (const QWidget* at = widget; at && at != window; at = at->parentWidget()) {
        const auto* stack = qobject_cast<const QStackedWidget*>(at->parentWidget());
        if (stack)
            pages.prepend({stack, stack->indexOf(const_cast<QWidget*>(at))});
        else if (at->isHidden())
            return false;
        if (at->isWindow())
            return false; // a dialog of its own is another window
    }
    return true;
}

void add(QList<Owner>& found, QWidget* widget, const QString& caption, const QWidget* window)
{
    const QChar letter = letterOf(caption);
    if (letter.isNull())
        return;
    Owner owner{letter, widget, caption, {}};
    if (placeOf(widget, window, owner.pages))
        found << owner;
}

} // namespace

QList<Owner> owners(const QWidget* window)
{
    QList<Owner> found;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(window));
    for (QWidget* widget : std::as_const(widgets)) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(found, button, button->text(), window);
        else if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            add(found, label, label->text(), window);
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(found, group, group->title(), window);
        else if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                add(found, tabs, tabs->tabText(tab), window);
    }
    return found;
}

bool answers(const QWidget* window, QChar letter)
{
    const QList<Owner> found = owners(window);
    return std::any_of(found.cbegin(), found.cend(), [letter](const Owner& owner) {
        return owner.letter == letter && owner.widget && owner.widget->isVisible() && owner.widget->isEnabled();
    });
}

bool together(const Owner& one, const Owner& other)
{
    for (const auto& [stack, page] : one.pages)
        for (const auto& [otherStack, otherPage] : other.pages)
            if (stack == otherStack && page != otherPage)
                return false;
    return true;
}

QStringList clashes(const QWidget* window)
{
    const QList<Owner> found = owners(window);
    QStringList lines;
    for (qsizetype one = 0; one < found.size(); ++one)
        for (qsizetype other = one + 1; other < found.size(); ++other)
            if (found[one].letter == found[other].letter && together(found[one], found[other]))
                lines << QStringLiteral("%1 and %2 both use %3")
                             .arg(found[one].caption, found[other].caption, QString(found[one].letter));
    return lines;
}

namespace {

// Alt with a letter or digit and nothing but Shift beside it; a null QChar for any other key.
QChar altLetter(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers others = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (others != Qt::AltModifier)
        return {};
    const int code = key.key();
    if ((code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9))
        return QChar(code);
    return {};
}

class AltLetterFilter final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        const QChar letter = altLetter(*static_cast<QKeyEvent*>(event));
        if (letter.isNull())
            return false;
        if (type == QEvent::ShortcutOverride) {
            giveWay(widget, letter);
            return false;
        }
#ifndef Q_OS_MACOS
        // No control took the letter. A text box would type it (and a clerk would save "o" in a phone number).
        if (widget->testAttribute(Qt::WA_InputMethodEnabled)) {
            QApplication::beep();
            return true;
        }
#endif
        return false;
    }

private:
    // The menu bar and a window inside the main window both hold Alt-letters for the same top-level window, and
    // Qt hands the key to the menu bar. When the window has a control for the letter, the menu bar stands aside
    // for this one key.
    static void giveWay(QWidget* focus, QChar letter)
    {
        QWidget* at = focus;
        while (at && !qobject_cast<QMdiSubWindow*>(at) && !at->isWindow())
            at = at->parentWidget();
        auto* sub = qobject_cast<QMdiSubWindow*>(at);
        if (!sub || !sub->widget())
            return;
        auto* frame = qobject_cast<QMainWindow*>(sub->window());
        auto* bar = frame ? qobject_cast<QMenuBar*>(frame->menuWidget()) : nullptr;
        if (!bar || !bar->isEnabled() || !answers(sub->widget(), letter))
            return;
        bar->setEnabled(false);
        QTimer::singleShot(0, bar, [bar] { bar->setEnabled(true); });
    }
};

} // namespace

void install(QApplication& app)
{
    static QPointer<AltLetterFilter> installed;
    if (installed)
        return;
    installed = new AltLetterFilter(&app);
    app.installEventFilter(installed);
}

} // namespace Mnemonics
