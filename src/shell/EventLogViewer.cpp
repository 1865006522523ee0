#include "shell/EventLogViewer.h"

#include "core/EventLog.h"
#include "core/Registry.h"
#include "core/Seams.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

EventLogViewer::EventLogViewer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmViewEventLog"));
    setWindowTitle(tr("View Event Log File"));
    m_txtEvent = new QPlainTextEdit(this);
    m_txtEvent->setObjectName(QStringLiteral("txtEvent"));
    m_txtEvent->setReadOnly(true);
    m_txtEvent->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_txtEvent->setFont(QFont(QStringLiteral("monospace")));
    m_lblTruncated = new QLabel(this);
    m_lblTruncated->setObjectName(QStringLiteral("lblTruncated"));
    m_lblTruncated->hide();
    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_lblTruncated, 1);
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_txtEvent, 1);
    layout->addLayout(buttons);
    resize(720, 480);
}

bool EventLogViewer::load(const QString& path)
{
    const auto trace = EventLog::readTraceFile(path);
    if (!trace)
        return false;
    m_txtEvent->setPlainText(trace->text);
    m_lblTruncated->setVisible(trace->truncated);
    m_lblTruncated->setText(tr("The file is too large to show whole: only its beginning is shown."));
    return true;
}

void EventLogViewer::display(Services& services, QWidget* parent)
{
    FileRequest request;
    request.title = tr("Open Trace Log File");
    request.folder = Settings::tracesFolder();
    request.filter = tr("All Files (*);;Log Files (*.log *.Log)");
    request.selectedFilter = tr("Log Files (*.log *.Log)");
    const QString path = services.files.choose(request);
    if (path.isEmpty())
        return;
    EventLogViewer viewer(parent);
    if (viewer.load(path))
        viewer.exec();
}
