#include "shell/MDIMain.h"

#include "core/Seams.h"
#include "core/modEventLog.h"
#include "shell/frmViewEventLog.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>

MDIMain::MDIMain(Services& services, QWidget* parent) : QMainWindow(parent), m_services(services)
{
    setObjectName(QStringLiteral("MDIMain"));
    setWindowTitle(Caption());
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);
    BuildMenus();
    resize(1024, 720);
}

QString MDIMain::Caption() { return QStringLiteral("Zem Harbour and Campsite Reservation"); }

void MDIMain::BuildMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));

    QAction* dayEnd = mnuFile->addAction(QStringLiteral("End of &workday"));
    dayEnd->setObjectName(QStringLiteral("mnuFileDayEndTrace"));
    connect(dayEnd, &QAction::triggered, this,
            [this] { modEventLog::DeleteOldTraces(m_services.messages, m_services.clock.Now()); });

    QAction* traces = mnuFile->addAction(QStringLiteral("View &trace log"));
    traces->setObjectName(QStringLiteral("mnuFileTracesView"));
    connect(traces, &QAction::triggered, this, [this] { frmViewEventLog::Display(m_services, this); });

    mnuFile->addSeparator();
    QAction* exit = mnuFile->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void MDIMain::closeEvent(QCloseEvent* event)
{
    if (!m_closed) {
        m_closed = true;
        m_mdiArea->closeAllSubWindows();
        modEventLog::LogEvent(m_services.clock.Now(), modEventLog::ApplicationClosed, QString(32, u'-'));
    }
    event->accept();
}
