#include "core/ui/ChildWindow.h"

#include <QKeyEvent>
#include <QMdiSubWindow>

void ChildWindow::closeWithFrame()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void ChildWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        closeWithFrame();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
