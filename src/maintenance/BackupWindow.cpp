#include "maintenance/BackupWindow.h"

#include "core/Seams.h"
#include "core/ui/Twips.h"
#include "core/ui/WindowPlacement.h"
#include "maintenance/ProgressBar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

BackupWindow::BackupWindow(IMessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_messages(messages),
      m_progressBar(new ProgressBar(this)), m_cancel(new QPushButton(tr("&Cancel"), this))
{
    setObjectName(QStringLiteral("frmBackup"));
    setWindowTitle(tr("Database backup..."));
    setWindowModality(Qt::ApplicationModal);
    m_progressBar->setObjectName(QStringLiteral("ctlProgressBar1"));
    m_cancel->setObjectName(QStringLiteral("btnPrekid"));
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelRequested = true; });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_progressBar);
    layout->addLayout(buttons);
    m_progressBar->setMinimumHeight(Twips::toPixelsY(375, this));
    resize(Twips::toPixelsX(5400, this), sizeHint().height());
}

void BackupWindow::startProgress()
{
    m_cancelRequested = false;
    m_stopped = false;
    // 0 to 100 always fits whatever limits were set before: nothing can be refused here.
    (void)m_progressBar->setMin(0);
    (void)m_progressBar->setMax(100);
    (void)m_progressBar->setValue(0);
    WindowPlacement::showPainted(this);
}

void BackupWindow::stopProgress()
{
    m_stopped = true;
    hide();
    // Gone from the screen before whatever follows the work keeps the thread busy.
    QCoreApplication::processEvents();
}

bool BackupWindow::progress(qint64 total, qint64 done)
{
    // Nothing to do is all done; a count past the total still shows a full bar.
    const double fraction = total <= 0 ? 1.0 : double(done) / double(total);
    // Clamped to the bar's 0 to 100, so never refused.
    (void)m_progressBar->setValue(fraction > 1 ? 100.0 : std::max(fraction, 0.0) * 100.0);
    const bool abort = checkAbort();
    QCoreApplication::processEvents();
    return abort;
}

bool BackupWindow::checkAbort()
{
    if (!m_cancelRequested)
        return false;
    if (m_messages.show(tr("Do you really want to cancel current operation"), tr("Confirm"), MsgIcon::Question,
                        MsgButtons::YesNo) == MsgResult::Yes)
        return true;
    m_cancelRequested = false;
    return false;
}

void BackupWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window while the work runs is a request to cancel, asked like the button's.
    if (!m_stopped) {
        m_cancelRequested = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
