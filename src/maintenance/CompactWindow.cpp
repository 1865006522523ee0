#include "maintenance/CompactWindow.h"

#include "core/ui/Twips.h"
#include "core/ui/WindowPlacement.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QString inProgress()
{
    return QCoreApplication::translate("CompactWindow", "Operation in progress");
}
} // namespace

CompactWindow::CompactWindow(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_lblInfo(new QLabel(this)),
      m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("frmCompact"));
    setWindowTitle(tr("Compacting & repairing database ..."));
    setWindowModality(Qt::ApplicationModal);
    m_lblInfo->setObjectName(QStringLiteral("lblInfo"));
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this, &CompactWindow::tick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblInfo);
    resize(Twips::toPixelsX(4500, this), Twips::toPixelsY(900, this));
}

CompactWindow::~CompactWindow()
{
    if (m_busyCursor)
        QApplication::restoreOverrideCursor();
}

void CompactWindow::execute()
{
    m_dots = 1;
    m_timer->start(500);
    if (!m_busyCursor)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    m_busyCursor = true;
    m_lblInfo->setText(inProgress());
    WindowPlacement::showPainted(this);
}

void CompactWindow::tick()
{
    m_timer->setInterval(100);
    m_lblInfo->setText(inProgress() + QString(m_dots, u'.'));
    m_dots = m_dots % 3 + 1;
}

void CompactWindow::closeWindow()
{
    m_timer->stop();
    hide();
    if (m_busyCursor)
        QApplication::restoreOverrideCursor();
    m_busyCursor = false;
    QApplication::processEvents();
}
