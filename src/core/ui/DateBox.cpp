#include "core/ui/DateBox.h"

#include "core/DateTimes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolTip>

namespace {
// The longest date text worth reading: "11 / 12 / 2026".
constexpr int MostTypedCharacters = 14;

bool isDatePart(QChar c)
{
    return c.isDigit() || c == u'/' || c == u'.' || c == u'-' || c == u' ';
}

// The typed text's length from its first digit: a weekday the box showed ("ven. " in French) is not typing.
qsizetype datePartLength(const QString& typed)
{
    qsizetype first = 0;
    while (first < typed.size() && !typed.at(first).isDigit())
        ++first;
    return typed.size() - first;
}
} // namespace

DateBox::DateBox(QWidget* parent) : QDateEdit(parent)
{
    // The weekday in front, and its name in the program's language whatever the machine's.
    setLocale(DateTimes::namesLocale());
    setDisplayFormat(DateTimes::weekdayDateFormat());
    setCalendarPopup(true);
    setToolTip(DateTimes::typedDateHint());
}

void DateBox::showCalendar()
{
    // The calendar opens from its button's press; pressing it here keeps the box's own placing and wiring.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = true;
    option.subControls = QStyle::SC_All;
    const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    QMouseEvent press(QEvent::MouseButtonPress, arrow.center(), mapToGlobal(arrow.center()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QDateEdit::mousePressEvent(&press);
}

void DateBox::type(const QString& text)
{
    m_typing = true;
    m_typed = text;
    // The text goes straight to the line: the box's own sections would refuse a date still being typed.
    const QSignalBlocker blocker(lineEdit());
    lineEdit()->setText(m_typed);
    lineEdit()->setCursorPosition(static_cast<int>(m_typed.size()));
}

void DateBox::stopTyping()
{
    m_typing = false;
    m_typed.clear();
    const QSignalBlocker blocker(lineEdit());
    lineEdit()->setText(textFromDateTime(dateTime()));
}

bool DateBox::commitTyped()
{
    if (!m_typing)
        return true;
    const Result<QDate> typed = DateTimes::readDate(m_typed, date());
    if (!typed) {
        showHint(typed.error());
        return false;
    }
    if (*typed < minimumDate() || *typed > maximumDate()) {
        showHint(tr("The date must lie between %1 and %2.")
                     .arg(DateTimes::dateText(minimumDate()), DateTimes::dateText(maximumDate())));
        return false;
    }
    m_hint.clear();
    QToolTip::hideText();
    setDate(*typed);
    stopTyping(); // the same date as before changes nothing, and the typed text still has to go
    return true;
}

void DateBox::showHint(const QString& hint)
{
    m_hint = hint;
    QToolTip::showText(mapToGlobal(QPoint(0, height())), hint, this);
}

void DateBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_F4 || (key == Qt::Key_Down && modifiers == Qt::AltModifier)) {
        if (commitTyped())
            showCalendar();
        event->accept();
        return;
    }
    if (isReadOnly()) {
        QDateEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    const bool plain = !(modifiers & ~Qt::ShiftModifier);
    if (plain && text.size() == 1 && text.at(0).isPrint()) {
        if (!isDatePart(text.at(0)))
            showHint(DateTimes::typedDateHint());
        else if (m_typing && datePartLength(m_typed) >= MostTypedCharacters)
            showHint(DateTimes::typedDateHint());
        else
            type((m_typing ? m_typed : QString()) + text);
        event->accept();
        return;
    }
    switch (key) {
    case Qt::Key_Backspace:
        // Starts from what the box shows, so a slip in the last digit is mended as in any text box.
        type((m_typing ? m_typed : lineEdit()->text())
                 .chopped(qMin<qsizetype>(1, (m_typing ? m_typed : lineEdit()->text()).size())));
        event->accept();
        return;
    case Qt::Key_Delete:
        type(QString());
        event->accept();
        return;
    case Qt::Key_Escape:
        if (m_typing) {
            stopTyping();
            m_hint.clear();
            QToolTip::hideText();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!commitTyped()) {
            event->accept();
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        // Moving inside a date being typed: it is read whole, so the cursor stays at its end.
        if (m_typing) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    QDateEdit::keyPressEvent(event);
}

void DateBox::leave()
{
    // Leaving the box takes what was typed; what cannot be taken gives way to the date before it, with the reason.
    if (m_typing && !commitTyped())
        stopTyping();
}

void DateBox::focusOutEvent(QFocusEvent* event)
{
    leave();
    QDateEdit::focusOutEvent(event);
}

bool DateBox::focusNextPrevChild(bool next)
{
    leave();
    return QWidget::focusNextPrevChild(next);
}
