#pragma once

#include <QDateTime>
#include <QList>
#include <QWidget>

/// A non-modal window shown inside the main window's frame (lists, calendars, reports, the booking wizard).
/// The frame owns the sub-window around it; the window itself holds only its controls and wiring.
class ChildWindow : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    /// Runs each time the frame activates this window, and when a register or wizard that changed data asks the
    /// active window to refresh. Lists and calendars re-read the database here.
    virtual void activated() {}
    /// Runs before maintenance closes or replaces the database file: a window lets go of every query it holds
    /// open on it (a lazily-read list, for example). Activated runs afterwards to show the data as it is then.
    virtual void releaseData() {}
    /// Whether the frame maximises this window whenever it is activated.
    virtual bool maximiseOnActivate() const { return false; }

    /// Closes the window with its frame, as its own Close button does: a window holding something typed asks first
    /// in its closeEvent.
    void closeWithFrame();

protected:
    /// Esc that no control took (an open cell editor or pop-up list takes it first) closes the window.
    void keyPressEvent(QKeyEvent* event) override;
};

/// What a window may ask of the main window without including it.
class IWindowHost
{
public:
    virtual ~IWindowHost() = default;
    /// Shows a child window inside the frame (the frame takes ownership) and activates it.
    virtual void showChild(ChildWindow* window) = 0;
    /// The open child window with this objectName, or nothing: windows that exist once (the booking wizard)
    /// are reused through it.
    virtual ChildWindow* findWindow(const QString& objectName) = 0;
    /// Runs the activation handler of the active child window, so an open list or calendar shows a change.
    virtual void refreshActiveChild() = 0;
    /// The parent for modal dialogs.
    virtual QWidget* dialogParent() = 0;
    /// Before the database file is closed or replaced: every open child window lets go of its data.
    virtual void releaseChildData() {}
    /// After it was opened again: every open child window reads the database afresh.
    virtual void reloadChildData() {}
    /// After a booking holding these berths over [from, to) was cancelled, shortened or moved: the frame offers
    /// what came free to whoever waits for it.
    virtual void berthsReleased(const QList<int>& berthIds, const QDateTime& from, const QDateTime& to)
    {
        Q_UNUSED(berthIds);
        Q_UNUSED(from);
        Q_UNUSED(to);
    }
};
