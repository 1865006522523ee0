#include "outputs/WebBookWizard.h"

#include "core/EventLog.h"
#include "core/Registry.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "outputs/WebBookMenu.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
QString title()
{
    return QCoreApplication::translate("WebBookWizard", "Web Booking Configuration Wizard");
}
} // namespace

WebBookWizard::WebBookWizard(Services& services, QWidget* parent)
    : StepWizard(services, QStringLiteral("frmWizardWebBook"),
                 {title(), tr("Enter your email booking address"), tr("Choose your email provider"),
                  tr("Enter Your Room Information")},
                 Settings::WebBookWelcome,
                 tr("Usin this wizard you can configure your website to accept online bookings."), parent)
{
    auto* email = new QVBoxLayout(frame(Email));
    email->addWidget(
        text(tr("Enter the email address that should receive the bookings made from the website."), frame(Email)));
    auto* emailForm = new QFormLayout;
    m_txtWebBookingEmail = new QLineEdit(frame(Email));
    m_txtWebBookingEmail->setObjectName(QStringLiteral("txtWebBookingEmail"));
    emailForm->addRow(tr("Booking email address:"), m_txtWebBookingEmail);
    email->addLayout(emailForm);
    email->addStretch();

    auto* provider = new QVBoxLayout(frame(Provider));
    provider->addWidget(text(tr("Select the email provider to use to send your email confirmations. If you are not "
                                "sure, then leave the default setting."),
                             frame(Provider)));
    auto* providerForm = new QFormLayout;
    m_cboProvider = new QComboBox(frame(Provider));
    m_cboProvider->setObjectName(QStringLiteral("cboProvider"));
    m_cboProvider->addItems(WebBookSettings::providerNames());
    m_txtCustomProvider = new QLineEdit(frame(Provider));
    m_txtCustomProvider->setObjectName(QStringLiteral("txtCustomProvider"));
    providerForm->addRow(tr("Email provider:"), m_cboProvider);
    providerForm->addRow(tr("Custom provider:"), m_txtCustomProvider);
    provider->addLayout(providerForm);
    provider->addStretch();
    // The custom address is kept while the default provider is chosen, only not editable.
    connect(m_cboProvider, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_txtCustomProvider->setEnabled(index == WebBookSettings::CustomProvider); });

    auto* finished = new QVBoxLayout(frame(Finished));
    finished->addWidget(text(tr("Click Finish to complete your configuration"), frame(Finished)));
    finished->addStretch();

    const auto loaded = WebBookStore::load(services.db());
    m_loaded = loaded.ok();
    m_loadError = loaded.error();
    m_shown = loaded ? loaded->row : std::nullopt;
    const WebBookSettings shown = m_shown.value_or(WebBookSettings{});
    m_txtWebBookingEmail->setText(shown.email);
    m_cboProvider->setCurrentIndex(shown.providerIndex == WebBookSettings::CustomProvider ? 1 : 0);
    m_txtCustomProvider->setText(shown.customUrl);
    m_txtCustomProvider->setEnabled(m_cboProvider->currentIndex() == WebBookSettings::CustomProvider);
    start();
}

void WebBookWizard::display(Services& services, IWindowHost* host)
{
    WebBookWizard wizard(services, host ? host->dialogParent() : nullptr);
    if (!wizard.loaded()) {
        services.messages.show(tr("The web booking settings could not be read.\n\n%1").arg(wizard.loadError()), title(),
                               MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    wizard.exec();
}

WebBookSettings WebBookWizard::typedSettings() const
{
    WebBookSettings values;
    values.email = m_txtWebBookingEmail->text();
    values.providerIndex = m_cboProvider->currentIndex();
    values.customUrl = m_txtCustomProvider->text();
    return values;
}

void WebBookWizard::finish()
{
    storeWelcomeFlag();
    const WebBookSettings values = typedSettings();
    const Status saved = WebBookStore::save(m_services.db(), m_shown, values);
    if (!saved && saved.kind() == FailureKind::Conflict) {
        // What the user typed stays; a second Finish stores it over the other desk's values.
        if (const auto now = WebBookStore::load(m_services.db()))
            m_shown = now->row;
        m_services.messages.show(tr("The web booking settings were changed elsewhere while this wizard was open:"
                                    "\n\n%1\n\nNothing was saved. Click Finish again to store your entries "
                                    "instead, or Cancel to keep the stored ones.")
                                     .arg(saved.error()),
                                 title(), MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (!saved) {
        m_services.messages.show(
            tr("The web booking settings could not be saved; nothing was changed.\n\n%1").arg(saved.error()), title(),
            MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    m_services.events.log(EventLog::SettingsModified,
                          QStringLiteral("Web Booking Email: '%1', Web Booking Provider: %2, Web Booking Custom "
                                         "Provider: '%3'")
                              .arg(values.email, values.providerLogName(), values.customUrl));
    if (m_services.messages.show(tr("Would you like to create a booking web page now?"), title(), MsgIcon::Question,
                                 MsgButtons::YesNo) == MsgResult::Yes)
        WebBookMenu::createPage(m_services, values.actionUrl(), values.email);
    accept();
}
