#pragma once

class QRect;
class QSize;
class QString;
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

/// The size a window opens at: saved ("900x640") where it reads as a size, else wanted; never smaller than least
/// nor larger than room (room wins, so a size saved on a large screen still fits a small one).
QSize openingSize(const QString& saved, const QSize& wanted, const QSize& least, const QSize& room);
/// A size as openingSize reads it back.
QString sizeText(const QSize& size);
/// The top-left corner that keeps a frame of size at topLeft, or moved back just enough to lie inside room.
QPoint inside(const QPoint& topLeft, const QSize& size, const QSize& room);

/// Opens frame (a window of its own, or the frame around a window inside the main window) so that content has
/// the size last saved for its objectName, or first (when not given, the size content has now); inside the room the
/// frame has (the screen, or the main window's frame). Whenever frame closes, content's last size that was not
/// maximised is saved for the next time.
void keepSize(QWidget* frame, QWidget* content, const QSize& first);
void keepSize(QWidget* frame, QWidget* content);

} // namespace WindowPlacement
