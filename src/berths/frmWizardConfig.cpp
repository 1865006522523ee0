#include "berths/frmWizardConfig.h"

#include "berths/BerthEntry.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/ui/ChildWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

frmWizardConfig::frmWizardConfig(Services& services, IWindowHost* host, QWidget* parent)
    : StepWizard(services, QStringLiteral("frmWizardConfig"),
                 {QStringLiteral("Configuration Wizard"), QStringLiteral("Enter Your Regional Information"),
                  QStringLiteral("Enter Your Room Information"), QStringLiteral("Finished")},
                 Settings::ConfigWelcome,
                 QStringLiteral("Usin this wizard you can configure your reservation information."), parent),
      m_host(host), m_changes(services.Db())
{
    auto* regional = new QVBoxLayout(Frame(Regional));
    regional->addWidget(Text(QStringLiteral("Enter your regional information"), Frame(Regional)));
    auto* postCodeRow = new QHBoxLayout;
    postCodeRow->addWidget(Text(QStringLiteral("Post Code / Zip Code:"), Frame(Regional)));
    m_cboPostCode = new QComboBox(Frame(Regional));
    m_cboPostCode->setObjectName(QStringLiteral("cboPostCode"));
    m_cboPostCode->addItems({QStringLiteral("Post Code"), QStringLiteral("Zip Code")});
    postCodeRow->addWidget(m_cboPostCode, 1);
    regional->addLayout(postCodeRow);
    regional->addStretch();

    auto* berths = new QVBoxLayout(Frame(Berths));
    berths->addWidget(Text(QStringLiteral("Enter your Berth information. For each berth / slip enter it") +
                               QChar(u'`') + QStringLiteral("s details and then click Add."),
                           Frame(Berths)));
    m_entry = new BerthEntry(services, m_changes, BerthListStyle::PlainName, Frame(Berths));
    berths->addWidget(m_entry, 1);

    auto* finished = new QVBoxLayout(Frame(Finished));
    finished->addWidget(Text(QStringLiteral("Click Finish to complete your configuration"), Frame(Finished)));
    finished->addStretch();

    const int postCode = Registry::GetRegistryNumber(Settings::WizardPostCode, -1);
    m_cboPostCode->setCurrentIndex(postCode == 0 || postCode == 1 ? postCode : -1);
    Start();

    m_loaded = m_entry->Load();
}

void frmWizardConfig::Display(Services& services, IWindowHost* host)
{
    frmWizardConfig wizard(services, host, host ? host->DialogParent() : nullptr);
    if (wizard.Loaded())
        wizard.exec();
}

bool frmWizardConfig::LeaveStep(int step)
{
    if (step != Regional || m_cboPostCode->currentIndex() >= 0)
        return true;
    m_services.messages.Show(QStringLiteral("Please select Post Code or Zip Code"), windowTitle(), MsgIcon::Exclamation,
                             MsgButtons::Ok);
    m_cboPostCode->setFocus();
    return false;
}

void frmWizardConfig::Finish()
{
    // The berths first: if they cannot be stored, nothing at all is written and the wizard stays open.
    QString error;
    if (!m_changes.Apply(&error)) {
        if (const QString conflict = m_changes.TakeConflict(); !conflict.isEmpty()) {
            m_services.messages.Show(conflict, windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
            m_entry->Requery();
            return;
        }
        m_entry->ShowDatabaseError(QStringLiteral("The berths could not be saved; nothing was changed. Press "
                                                  "Finish to try again or Cancel to drop the changes."),
                                   error);
        return;
    }
    StoreWelcomeFlag();
    Registry::SetRegistryValue(Settings::PostCode, QString::number(m_cboPostCode->currentIndex()));
    const QDateTime now = m_services.clock.Now();
    modEventLog::LogEvent(now, modEventLog::RegionalSettingsModified,
                          QStringLiteral("Code: ") + m_cboPostCode->currentText());
    m_changes.LogEvents(now);
    accept();
    if (m_host)
        m_host->RefreshActiveChild();
}
