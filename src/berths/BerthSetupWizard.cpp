#include "berths/BerthSetupWizard.h"

#include "berths/BerthEntry.h"
#include "core/EventLog.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

BerthSetupWizard::BerthSetupWizard(Services& services, IWindowHost* host, QWidget* parent)
    : StepWizard(services, QStringLiteral("frmWizardConfig"),
                 {QStringLiteral("Configuration Wizard"), QStringLiteral("Enter Your Regional Information"),
                  QStringLiteral("Enter Your Room Information"), QStringLiteral("Finished")},
                 Settings::ConfigWelcome,
                 QStringLiteral("Usin this wizard you can configure your reservation information."), parent),
      m_host(host), m_changes(services.db())
{
    auto* regional = new QVBoxLayout(frame(Regional));
    regional->addWidget(text(QStringLiteral("Enter your regional information"), frame(Regional)));
    auto* postCodeRow = new QHBoxLayout;
    postCodeRow->addWidget(text(QStringLiteral("Post Code / Zip Code:"), frame(Regional)));
    m_cboPostCode = new QComboBox(frame(Regional));
    m_cboPostCode->setObjectName(QStringLiteral("cboPostCode"));
    m_cboPostCode->addItems({QStringLiteral("Post Code"), QStringLiteral("Zip Code")});
    postCodeRow->addWidget(m_cboPostCode, 1);
    regional->addLayout(postCodeRow);
    regional->addStretch();

    auto* berths = new QVBoxLayout(frame(Berths));
    berths->addWidget(text(QStringLiteral("Enter your Berth information. For each berth / slip enter it") +
                               QChar(u'`') + QStringLiteral("s details and then click Add."),
                           frame(Berths)));
    m_entry = new BerthEntry(services, m_changes, BerthListStyle::PlainName, frame(Berths));
    berths->addWidget(m_entry, 1);

    auto* finished = new QVBoxLayout(frame(Finished));
    finished->addWidget(text(QStringLiteral("Click Finish to complete your configuration"), frame(Finished)));
    finished->addStretch();

    // Without a stored choice the wizard proposes none: the user picks one.
    const int postCode = Registry::isStored(Settings::PostCode) ? Registry::getRegistryNumber(Settings::PostCode) : -1;
    m_cboPostCode->setCurrentIndex(postCode == 0 || postCode == 1 ? postCode : -1);
    start();

    m_loaded = m_entry->load();
}

void BerthSetupWizard::display(Services& services, IWindowHost* host)
{
    BerthSetupWizard wizard(services, host, host ? host->dialogParent() : nullptr);
    if (wizard.loaded())
        wizard.exec();
}

bool BerthSetupWizard::leaveStep(int step)
{
    if (step != Regional || m_cboPostCode->currentIndex() >= 0)
        return true;
    m_services.messages.show(QStringLiteral("Please select Post Code or Zip Code"), windowTitle(), MsgIcon::Exclamation,
                             MsgButtons::Ok);
    m_cboPostCode->setFocus();
    return false;
}

void BerthSetupWizard::finish()
{
    // The berths first: if they cannot be stored, nothing at all is written and the wizard stays open.
    const Status applied = m_changes.apply();
    if (!applied) {
        if (applied.kind() == FailureKind::Conflict) {
            m_services.messages.show(applied.error(), windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
            m_entry->requery();
            return;
        }
        m_entry->showDatabaseError(QStringLiteral("The berths could not be saved; nothing was changed. Press "
                                                  "Finish to try again or Cancel to drop the changes."),
                                   applied.error());
        return;
    }
    storeWelcomeFlag();
    Registry::setRegistryValue(Settings::PostCode, QString::number(m_cboPostCode->currentIndex()));
    m_services.events.log(EventLog::RegionalSettingsModified, QStringLiteral("Code: ") + m_cboPostCode->currentText());
    m_changes.logEvents(m_services.events);
    accept();
    if (m_host)
        m_host->refreshActiveChild();
}
