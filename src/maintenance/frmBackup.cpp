#include "maintenance/frmBackup.h"

#include "core/Seams.h"
#include "core/ui/Twips.h"
#include "maintenance/ctlProgressBar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

frmBackup::frmBackup(IMessageBox& messages, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_messages(messages),
      m_progressBar(new ctlProgressBar(this)), m_cancel(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setObjectName(QStringLiteral("frmBackup"));
    setWindowTitle(QStringLiteral("Database backup..."));
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
    m_progressBar->setMinimumHeight(Twips::ToPixelsY(375, this));
    resize(Twips::ToPixelsX(5400, this), sizeHint().height());
}

void frmBackup::StartProgress()
{
    m_cancelRequested = false;
    m_stopped = false;
    m_progressBar->SetMin(0);
    m_progressBar->SetMax(100);
    m_progressBar->SetValue(0);
    show();
    QCoreApplication::processEvents();
}

void frmBackup::StopProgress()
{
    m_stopped = true;
    hide();
}

bool frmBackup::Progress(qint64 total, qint64 done)
{
    // Nothing to do is all done; a count past the total still shows a full bar.
    const double fraction = total <= 0 ? 1.0 : double(done) / double(total);
    m_progressBar->SetValue(fraction > 1 ? 100.0 : std::max(fraction, 0.0) * 100.0);
    const bool abort = CheckAbort();
    QCoreApplication::processEvents();
    return abort;
}

bool frmBackup::CheckAbort()
{
    if (!m_cancelRequested)
        return false;
    if (m_messages.Show(QStringLiteral("Do you really want to cancel current operation"), QStringLiteral("Confirm"),
                        MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes)
        return true;
    m_cancelRequested = false;
    return false;
}

void frmBackup::closeEvent(QCloseEvent* event)
{
    // Closing the window while the work runs is a request to cancel, asked like the button's.
    if (!m_stopped) {
        m_cancelRequested = true;
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}
