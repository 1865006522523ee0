#pragma once

class QRect;
class QSize;
class QPoint;
class QWidget;

/// Where the program's own top-level windows open: over the window they belong to, never at a corner of the
/// screen.
namespace WindowPlacement {

/// The window a question or a file dialog belongs to: the modal window in front, else the active window, else the
/// program's main window (a question asked just after a progress window closed finds no window active).
QWidget* owner();

/// The top-left corner of a frame of size that centres it over owner, moved inside screen where it would stick
/// out.
QPoint centredOver(const QRect& owner, const QSize& size, const QRect& screen);

/// Places a top-level window that is about to be shown centred over its parent's window; one without a parent
/// stays where it is.
void centreOverParent(QWidget* window);

/// Shows a window that long work on this thread follows at once (a progress window): centred over its parent the
/// first time, and painted before this returns, since the work leaves the screen no time to paint it later.
void showPainted(QWidget* window);

} // namespace WindowPlacement
