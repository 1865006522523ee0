#include "shell/MainWindow.h"

#include "core/EventLog.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/WindowPlacement.h"
#include "shell/EditActions.h"
#include "shell/HelpPages.h"
#include "shell/ShellResources.h"
#include "waiting/WaitingListWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

// The Edit menu's items by index, as the edit handler numbers them.
enum EditIndex
{
    EditUndo = 0,
    EditCut = 2,
    EditCopy = 3,
    EditPaste = 4,
    EditClear = 6,
    EditSelectAll = 7
};

} // namespace

MainWindow::MainWindow(Services& services, QWidget* parent) : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(caption());
    setWindowIcon(QIcon(ShellResources::logo()));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(QColor(0x5f, 0x7f, 0x93));
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::onSubWindowActivated);

    buildMenus();
    buildToolbar();
    connectWindows();
    updateEditMenu();
    // The Edit items follow the focus, so their shortcuts never compete with a child window's own keys.
    connect(qApp, &QApplication::focusChanged, this, [this] { updateEditMenu(); });
    qApp->installEventFilter(this); // F1
    restoreLayout();
}

MainWindow::~MainWindow()
{
    // Closing the frame moves the focus and activation once more; nothing here may answer that any longer.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    m_mdiArea->disconnect(this);
}

QString MainWindow::caption()
{
    return tr("Zem Harbour and Campsite Reservation");
}

void MainWindow::endOfWorkday()
{
    if (m_services.messages.show(EventLog::deleteOldTracesQuestion(), EventLog::endOfWorkdayTitle(), MsgIcon::None,
                                 MsgButtons::YesNo) != MsgResult::Yes)
        return;
    const Result<int> deleted = EventLog::deleteOldTraces(m_services.clock.now());
    if (!deleted)
        m_services.messages.show(deleted.error(), EventLog::endOfWorkdayTitle(), MsgIcon::Critical, MsgButtons::Ok);
}

void MainWindow::showHelp(const QString& page)
{
    if (const Status opened = HelpPages::open(m_services.desktop, page); !opened)
        m_services.messages.show(opened.error(), caption(), MsgIcon::Exclamation, MsgButtons::Ok);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // F1 from anywhere, a dialog in front included: the page about the window in front.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            QWidget* front = QApplication::activeModalWidget();
            if (!front)
                front = QApplication::activeWindow();
            if (front == this) {
                QMdiSubWindow* sub = m_mdiArea->currentSubWindow();
                front = sub ? sub->widget() : nullptr;
            }
            showHelp(HelpPages::pageFor(front ? front->objectName() : QString()));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::showChild(ChildWindow* window)
{
    if (!window)
        return;
    // A window shown again is brought forward rather than wrapped twice.
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub || sub->mdiArea() != m_mdiArea) {
        // The size the window gave itself, taken before its frame fits it to the frame's own first size.
        const QSize first = window->testAttribute(Qt::WA_Resized) ? window->size() : QSize();
        sub = m_mdiArea->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        // A child that deletes itself takes its frame with it (queued: the frame may be what is deleting it).
        connect(window, &QObject::destroyed, sub, &QWidget::close, Qt::QueuedConnection);
        // Opens at the size it had when last closed, inside the frame whatever screen that was on.
        WindowPlacement::keepSize(sub, window, first);
    }
    if (sub->isMinimized())
        sub->showNormal();
    else
        sub->show();
    window->show();
    m_mdiArea->setActiveSubWindow(sub);
}

void MainWindow::berthsReleased(const QList<int>& berthIds, const QDateTime& from, const QDateTime& to)
{
    WaitingListWindow::offerReleased(*this, m_services, berthIds, from, to);
    // An open waiting list shows the entries as they are after whatever the offer led to.
    if (ChildWindow* list = findWindow(WaitingListWindow::WindowName))
        list->activated();
}

ChildWindow* MainWindow::findWindow(const QString& objectName)
{
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
        auto* child = qobject_cast<ChildWindow*>(sub->widget());
        // A closed window waits hidden for its deletion: it is not open any more.
        if (child && !sub->isHidden() && child->objectName() == objectName)
            return child;
    }
    return nullptr;
}

void MainWindow::onSubWindowActivated(QMdiSubWindow* window)
{
    updateEditMenu();
    // Returning from a modal dialog re-activates the same window: that is not a new activation.
    if (!window || window == m_lastActivated)
        return;
    m_lastActivated = window;
    auto* child = qobject_cast<ChildWindow*>(window->widget());
    if (!child)
        return;
    if (child->maximiseOnActivate() && !window->isMaximized())
        window->showMaximized();
    child->activated();
}

void MainWindow::refreshActiveChild()
{
    // The current window stays current while a dialog has the focus, which is when this is asked for.
    if (QMdiSubWindow* sub = m_mdiArea->currentSubWindow())
        if (auto* child = qobject_cast<ChildWindow*>(sub->widget()))
            child->activated();
}

QList<ChildWindow*> MainWindow::openChildren() const
{
    QList<ChildWindow*> children;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
        if (auto* child = qobject_cast<ChildWindow*>(sub->widget()))
            children << child;
    return children;
}

void MainWindow::releaseChildData()
{
    for (ChildWindow* child : openChildren())
        child->releaseData();
}

void MainWindow::reloadChildData()
{
    for (ChildWindow* child : openChildren())
        child->activated();
}

void MainWindow::updateEditMenu()
{
    m_editTarget.reset();
    QWidget* focus = nullptr;
    if (QMdiSubWindow* sub = m_mdiArea->currentSubWindow(); sub && sub->widget())
        focus = sub->widget()->focusWidget();
    if (EditActions::isTextBox(focus)) {
        m_editTarget = std::make_unique<EditActions>();
        m_editTarget->setTextBox(focus);
    }
    const EditActions* target = m_editTarget.get();
    m_editActions[EditUndo]->setEnabled(target && target->canUndo());
    m_editActions[EditCut]->setEnabled(target && target->canCut());
    m_editActions[EditCopy]->setEnabled(target && target->canCopy());
    m_editActions[EditPaste]->setEnabled(target && target->canPaste());
    m_editActions[EditClear]->setEnabled(target && target->canCut());
    m_editActions[EditSelectAll]->setEnabled(target != nullptr);
}

void MainWindow::runEditAction(int index)
{
    // A shortcut can arrive without the menu having opened: take the target afresh.
    updateEditMenu();
    if (!m_editTarget || !m_editActions[index]->isEnabled())
        return;
    switch (index) {
    case EditUndo:
        m_editTarget->undo();
        break;
    case EditCut:
        m_editTarget->cut();
        break;
    case EditCopy:
        m_editTarget->copy();
        break;
    case EditPaste:
        m_editTarget->paste();
        break;
    case EditClear:
        m_editTarget->deleteSelection();
        break;
    case EditSelectAll:
        m_editTarget->selectAll();
        break;
    default:
        break;
    }
    updateEditMenu();
}

void MainWindow::saveLayout() const
{
    Registry::setRegistryValue(Settings::MainWindowGeometry, QString::fromLatin1(saveGeometry().toBase64()));
    Registry::setRegistryValue(Settings::MainWindowState, QString::fromLatin1(saveState().toBase64()));
}

void MainWindow::restoreLayout()
{
    const QByteArray geometry =
        QByteArray::fromBase64(Registry::getRegistryValue(Settings::MainWindowGeometry).toLatin1());
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1024, 720);
    const QByteArray state = QByteArray::fromBase64(Registry::getRegistryValue(Settings::MainWindowState).toLatin1());
    if (!state.isEmpty())
        restoreState(state);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    // The reports window goes first; then the others. One that refuses to close keeps the frame open.
    if (ChildWindow* reports = findWindow(QStringLiteral("frmReports")))
        reports->parentWidget()->close();
    m_mdiArea->closeAllSubWindows();
    const auto open = m_mdiArea->subWindowList();
    if (std::any_of(open.begin(), open.end(), [](const QMdiSubWindow* sub) { return !sub->isHidden(); })) {
        event->ignore();
        return;
    }
    m_closed = true;
    saveLayout();
    m_services.events.log(EventLog::ApplicationClosed, QString(32, u'-'));
    event->accept();
}
