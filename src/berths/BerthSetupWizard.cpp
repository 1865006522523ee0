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

namespace {
// The choices of the post code list, by their stored index.
const char* const CodeNames[] = {QT_TRANSLATE_NOOP("BerthSetupWizard", "Post Code"),
                                 QT_TRANSLATE_NOOP("BerthSetupWizard", "Zip Code")};
} // namespace

BerthSetupWizard::BerthSetupWizard(Services& services, IWindowHost* host, QWidget* parent)
    : StepWizard(services, QStringLiteral("frmWizardConfig"),
                 {tr("Configuration Wizard"), tr("Enter Your Regional Information"), tr("Enter Your Room Information"),
                  tr("Finished")},
                 Settings::ConfigWelcome, tr("Usin this wizard you can configure your reservation information."),
                 parent),
      m_host(host), m_changes(services.db())
{
    auto* regional = new QVBoxLayout(frame(Regional));
    regional->addWidget(text(tr("Enter your regional information"), frame(Regional)));
    auto* postCodeRow = new QHBoxLayout;
    postCodeRow->addWidget(text(tr("Post Code / Zip Code:"), frame(Regional)));
    m_cboPostCode = new QComboBox(frame(Regional));
    m_cboPostCode->setObjectName(QStringLiteral("cboPostCode"));
    for (const char* code : CodeNames)
        m_cboPostCode->addItem(tr(code));
    postCodeRow->addWidget(m_cboPostCode, 1);
    regional->addLayout(postCodeRow);
    regional->addStretch();

    auto* berths = new QVBoxLayout(frame(Berths));
    berths->addWidget(
        text(tr("Enter your Berth information. For each berth / slip enter it`s details and then click Add."),
             frame(Berths)));
    m_entry = new BerthEntry(services, m_changes, BerthListStyle::PlainName, frame(Berths));
    berths->addWidget(m_entry, 1);

    auto* finished = new QVBoxLayout(frame(Finished));
    finished->addWidget(text(tr("Click Finish to complete your configuration"), frame(Finished)));
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
    m_services.messages.show(tr("Please select Post Code or Zip Code"), windowTitle(), MsgIcon::Exclamation,
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
        m_entry->showDatabaseError(tr("The berths could not be saved; nothing was changed. Press Finish to try "
                                      "again or Cancel to drop the changes."),
                                   applied.error());
        return;
    }
    storeWelcomeFlag();
    Registry::setRegistryValue(Settings::PostCode, QString::number(m_cboPostCode->currentIndex()));
    // The event log keeps the program's own words, whatever language the list shows.
    const int code = m_cboPostCode->currentIndex();
    m_services.events.log(EventLog::RegionalSettingsModified,
                          QStringLiteral("Code: ") + (code >= 0 && code < int(std::size(CodeNames))
                                                          ? QString::fromLatin1(CodeNames[code])
                                                          : QString()));
    m_changes.logEvents(m_services.events);
    accept();
    if (m_host)
        m_host->refreshActiveChild();
}
