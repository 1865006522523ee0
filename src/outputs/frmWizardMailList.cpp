#include "outputs/frmWizardMailList.h"

#include "core/Registry.h"
#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/ui/ChildWindow.h"
#include "outputs/MailingList.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString Title = QStringLiteral("Mailing list");
}

frmWizardMailList::frmWizardMailList(Services& services, QWidget* parent)
    : StepWizard(services, QStringLiteral("frmWizardMailList"),
                 {QStringLiteral("Email Mailing List Wizard"), QStringLiteral("Enter the Mailing List filename"),
                  QStringLiteral("Finished")},
                 Settings::MailListWelcome,
                 QStringLiteral("Using this wizard you can create a mailing list of your customers."), parent)
{
    auto* fileName = new QVBoxLayout(Frame(FileName));
    fileName->addWidget(
        Text(QStringLiteral("Enter the filename you would like to populate with your email list."), Frame(FileName)));
    fileName->addWidget(Text(QStringLiteral("Mailing list filename:"), Frame(FileName)));
    auto* row = new QHBoxLayout;
    m_txtFileName = new QLineEdit(Frame(FileName));
    m_txtFileName->setObjectName(QStringLiteral("txtFileName"));
    m_cmdBrowse = new QPushButton(QStringLiteral("B&rowse..."), Frame(FileName));
    m_cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    m_cmdBrowse->setAutoDefault(false);
    row->addWidget(m_txtFileName, 1);
    row->addWidget(m_cmdBrowse);
    fileName->addLayout(row);
    fileName->addStretch();
    connect(m_cmdBrowse, &QPushButton::clicked, this, &frmWizardMailList::Browse);

    auto* finished = new QVBoxLayout(Frame(Finished));
    finished->addWidget(Text(QStringLiteral("Click Finish to complete your configuration"), Frame(Finished)));
    finished->addStretch();
    Start();
}

void frmWizardMailList::Display(Services& services, IWindowHost* host)
{
    frmWizardMailList wizard(services, host ? host->DialogParent() : nullptr);
    wizard.exec();
}

bool frmWizardMailList::LeaveStep(int step)
{
    if (step != FileName || !m_txtFileName->text().trimmed().isEmpty())
        return true;
    m_services.messages.Show(QStringLiteral("Please enter a file name"), Title, MsgIcon::Exclamation, MsgButtons::Ok);
    m_txtFileName->setFocus();
    return false;
}

void frmWizardMailList::Browse()
{
    FileRequest request;
    request.title = QStringLiteral("Mailing list file");
    request.proposedName = QStringLiteral("maillist.txt");
    request.filter = QStringLiteral("All Files (*)");
    request.save = true;
    // A name already typed keeps its folder as the starting point.
    if (!m_txtFileName->text().trimmed().isEmpty())
        request.folder = QFileInfo(m_txtFileName->text()).absolutePath();
    const QString path = m_services.files.Choose(request);
    if (!path.isEmpty())
        m_txtFileName->setText(path);
}

void frmWizardMailList::Finish()
{
    StoreWelcomeFlag();
    QString error;
    const std::optional<QString> line = MailingList::AddressLine(m_services.Db(), &error);
    if (!line) {
        m_services.messages.Show(QStringLiteral("The customers' email addresses could not be read; no file was "
                                                "written.\n\n") +
                                     error,
                                 Title, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    const QString fileName = m_txtFileName->text();
    if (!MailingList::Write(fileName, *line, &error)) {
        m_services.messages.Show(QStringLiteral("Invalid filename"), Title, MsgIcon::Exclamation, MsgButtons::Ok);
        Browse();
        m_txtFileName->setFocus();
        return;
    }
    modEventLog::LogEvent(m_services.clock.Now(), modEventLog::MailingListGenerated,
                          QStringLiteral("Filename: ") + fileName);
    accept();
}
