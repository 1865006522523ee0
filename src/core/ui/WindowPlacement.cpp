#include "core/ui/WindowPlacement.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace WindowPlacement {

QWidget* owner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto main = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget* w) {
        return w->isVisible() && qobject_cast<const QMainWindow*>(w) != nullptr;
    });
    return main != windows.cend() ? *main : nullptr;
}

QPoint centredOver(const QRect& owner, const QSize& size, const QRect& screen)
{
    QPoint topLeft(owner.x() + (owner.width() - size.width()) / 2, owner.y() + (owner.height() - size.height()) / 2);
    if (screen.isValid()) {
        // Right and bottom edges first, so a window larger than the screen keeps its title bar in view.
        topLeft.setX(std::max(screen.left(), std::min(topLeft.x(), screen.right() + 1 - size.width())));
        topLeft.setY(std::max(screen.top(), std::min(topLeft.y(), screen.bottom() + 1 - size.height())));
    }
    return topLeft;
}

void centreOverParent(QWidget* window)
{
    const QWidget* parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!parent || !window->isWindow())
        return;
    const QRect over = parent->frameGeometry();
    // The window's own frame is not known before it is first shown; the parent's is the best guess of it.
    const QSize frame = window->size() + (over.size() - parent->geometry().size());
    const QScreen* screen = parent->screen();
    window->move(centredOver(over, frame, screen ? screen->availableGeometry() : QRect()));
}

void showPainted(QWidget* window)
{
    if (!window->isVisible()) {
        centreOverParent(window);
        window->show();
    }
    // The window system maps the window some moments after show(); until then nothing can be painted on it.
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    window->repaint();
    QCoreApplication::processEvents();
}

} // namespace WindowPlacement
