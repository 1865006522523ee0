#pragma once

#include <QDateEdit>

/// The date box of every window: the weekday and the date in the style Regional Settings chose, a calendar to pick from
/// (its button, F4 or Alt+Down), the arrows to step, and a date typed as a clerk types it ("11122026", "11/12/26",
/// "11.12.2026"; see DateTimes::readDate). Typing starts a new date wherever the cursor stands, also after a click into
/// the box; Enter, Tab or leaving the box takes it. Nothing typed is dropped without a word: a key that cannot be part
/// of a date, or a date that cannot be read or lies outside the box's range, shows what the box expects.
class DateBox : public QDateEdit
{
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);

    /// Whether typed text is waiting to be taken.
    bool isTyping() const { return m_typing; }
    /// What the box last said it expects; empty once a date has been taken.
    QString shownHint() const { return m_hint; }
    /// Drops down the calendar, as its button does.
    void showCalendar();
    /// Takes the typed date; false (the text kept, the hint shown) when it cannot be read or is out of range.
    /// True when nothing was being typed.
    bool commitTyped();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    /// Tab leaves the box, as from every other field, instead of stepping through day, month and year.
    bool focusNextPrevChild(bool next) override;

private:
    void type(const QString& text);
    void stopTyping();
    void leave();
    void showHint(const QString& hint);

    bool m_typing = false;
    QString m_typed;
    QString m_hint;
};
