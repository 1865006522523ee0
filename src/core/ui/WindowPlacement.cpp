#include "core/ui/WindowPlacement.h"

#include "core/Registry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRect>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace WindowPlacement {

namespace {

/// Keeps the size of one window: places it as it is first shown, follows its size while it is neither maximised
/// nor minimised, and saves that size as it closes.
class SizeKeeper final : public QObject
{
public:
    SizeKeeper(QWidget* frame, QWidget* content, const QSize& first)
        : QObject(frame), m_frame(frame), m_content(content), m_first(first)
    {
        frame->installEventFilter(this);
        if (content != frame)
            content->installEventFilter(this);
        if (frame->isVisible())
            open();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            if (watched == m_frame && !m_opened)
                open();
            break;
        case QEvent::Resize:
            if (m_opened && !(m_frame->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
                m_last = m_content->size();
            break;
        case QEvent::Hide:
            if (watched == m_frame && m_opened && m_last.isValid() && m_last != m_opening)
                Registry::setRegistryValue(Settings::windowSize(m_content->objectName()), sizeText(m_last));
            break;
        default:
            break;
        }
        return false;
    }

private:
    void open()
    {
        m_opened = true;
        // What the frame adds around the content: a title bar and borders inside the main window, nothing here.
        const QSize border = m_frame->size() - m_content->size();
        QSize room;
        if (auto* sub = qobject_cast<QMdiSubWindow*>(m_frame); sub && sub->mdiArea())
            room = sub->mdiArea()->viewport()->size();
        else if (const QScreen* screen = m_frame->screen())
            // A title bar and borders the window system adds are not known before the first show.
            room = screen->availableGeometry().size() - QSize(16, 48);
        const QString saved = Registry::getRegistryValue(Settings::windowSize(m_content->objectName()));
        const QSize wanted = m_first.isValid()                          ? m_first
                             : m_content->testAttribute(Qt::WA_Resized) ? m_content->size()
                                                                        : m_content->sizeHint();
        const QSize least = m_content->minimumSizeHint().expandedTo(m_content->minimumSize());
        m_opening = openingSize(saved, wanted, least, room.isValid() ? room - border : room);
        m_last = m_opening;
        // A window opened maximised keeps the frame's whole room; its own size waits for it to be restored.
        if (m_frame->windowState() & Qt::WindowMaximized)
            return;
        m_frame->resize(m_opening + border);
        if (!m_frame->isWindow())
            m_frame->move(inside(m_frame->pos(), m_frame->size(), room));
    }

    QWidget* m_frame;
    QWidget* m_content;
    QSize m_first;
    QSize m_opening;
    QSize m_last;
    bool m_opened = false;
};

} // namespace

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

QSize openingSize(const QString& saved, const QSize& wanted, const QSize& least, const QSize& room)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,5})\\s*x\\s*(\\d{1,5})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(saved);
    QSize size = match.hasMatch() ? QSize(match.captured(1).toInt(), match.captured(2).toInt()) : wanted;
    size = size.expandedTo(least);
    return room.isValid() && !room.isEmpty() ? size.boundedTo(room) : size;
}

QString sizeText(const QSize& size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

QPoint inside(const QPoint& topLeft, const QSize& size, const QSize& room)
{
    return {std::max(0, std::min(topLeft.x(), room.width() - size.width())),
            std::max(0, std::min(topLeft.y(), room.height() - size.height()))};
}

void keepSize(QWidget* frame, QWidget* content)
{
    keepSize(frame, content, QSize());
}

void keepSize(QWidget* frame, QWidget* content, const QSize& first)
{
    static const char* const kept = "sizeKept";
    if (!frame || !content || content->objectName().isEmpty() || frame->property(kept).toBool())
        return;
    frame->setProperty(kept, true);
    new SizeKeeper(frame, content, first);
}

} // namespace WindowPlacement
