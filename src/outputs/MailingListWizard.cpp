#include "outputs/MailingListWizard.h"

#include "core/EventLog.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "outputs/MailingList.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString title()
{
    return QCoreApplication::translate("MailingListWizard", "Mailing list");
}
} // namespace

MailingListWizard::MailingListWizard(Services& services, QWidget* parent)
    : StepWizard(services, QStringLiteral("frmWizardMailList"),
                 {tr("Email Mailing List Wizard"), tr("Enter the Mailing List filename"), tr("Finished")},
                 Settings::MailListWelcome, tr("Using this wizard you can create a mailing list of your customers."),
                 parent)
{
    auto* fileName = new QVBoxLayout(frame(FileName));
    fileName->addWidget(
        text(tr("Enter the filename you would like to populate with your email list."), frame(FileName)));
    fileName->addWidget(text(tr("Mailing list filename:"), frame(FileName)));
    auto* row = new QHBoxLayout;
    m_txtFileName = new QLineEdit(frame(FileName));
    m_txtFileName->setObjectName(QStringLiteral("txtFileName"));
    m_cmdBrowse = new QPushButton(tr("B&rowse..."), frame(FileName));
    m_cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    m_cmdBrowse->setAutoDefault(false);
    row->addWidget(m_txtFileName, 1);
    row->addWidget(m_cmdBrowse);
    fileName->addLayout(row);
    fileName->addStretch();
    connect(m_cmdBrowse, &QPushButton::clicked, this, &MailingListWizard::browse);

    auto* finished = new QVBoxLayout(frame(Finished));
    finished->addWidget(text(tr("Click Finish to complete your configuration"), frame(Finished)));
    finished->addStretch();
    start();
}

void MailingListWizard::display(Services& services, IWindowHost* host)
{
    MailingListWizard wizard(services, host ? host->dialogParent() : nullptr);
    wizard.exec();
}

bool MailingListWizard::leaveStep(int step)
{
    if (step != FileName || !m_txtFileName->text().trimmed().isEmpty())
        return true;
    m_services.messages.show(tr("Please enter a file name"), title(), MsgIcon::Exclamation, MsgButtons::Ok);
    m_txtFileName->setFocus();
    return false;
}

void MailingListWizard::browse()
{
    FileRequest request;
    request.title = tr("Mailing list file");
    request.proposedName = QStringLiteral("maillist.txt");
    request.filter = tr("All Files (*)");
    request.save = true;
    request.defaultSuffix = QStringLiteral("txt"); // before the dialog's question about replacing a file
    // A name already typed keeps its folder as the starting point.
    if (!m_txtFileName->text().trimmed().isEmpty())
        request.folder = QFileInfo(m_txtFileName->text()).absolutePath();
    const QString path = m_services.files.choose(request);
    if (!path.isEmpty())
        m_txtFileName->setText(path);
}

void MailingListWizard::finish()
{
    storeWelcomeFlag();
    const auto line = MailingList::addressLine(m_services.db());
    if (!line) {
        m_services.messages.show(
            tr("The customers' email addresses could not be read; no file was written.\n\n%1").arg(line.error()),
            title(), MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    const QString fileName = m_txtFileName->text();
    if (!MailingList::write(fileName, *line)) {
        m_services.messages.show(tr("Invalid filename"), title(), MsgIcon::Exclamation, MsgButtons::Ok);
        browse();
        m_txtFileName->setFocus();
        return;
    }
    m_services.events.log(EventLog::MailingListGenerated, QStringLiteral("Filename: ") + fileName);
    accept();
}
