#include "outputs/frmWizardWebBook.h"

#include "core/Registry.h"
#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/ui/ChildWindow.h"
#include "outputs/WebBookPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
const QString Title = QStringLiteral("Web Booking Configuration Wizard");
}

frmWizardWebBook::frmWizardWebBook(Services& services, QWidget* parent)
    : StepWizard(services, QStringLiteral("frmWizardWebBook"),
                 {Title, QStringLiteral("Enter your email booking address"),
                  QStringLiteral("Choose your email provider"), QStringLiteral("Enter Your Room Information")},
                 Settings::WebBookWelcome,
                 QStringLiteral("Usin this wizard you can configure your website to accept online bookings."), parent)
{
    auto* email = new QVBoxLayout(Frame(Email));
    email->addWidget(
        Text(QStringLiteral("Enter the email address that should receive the bookings made from the website."),
             Frame(Email)));
    auto* emailForm = new QFormLayout;
    m_txtWebBookingEmail = new QLineEdit(Frame(Email));
    m_txtWebBookingEmail->setObjectName(QStringLiteral("txtWebBookingEmail"));
    emailForm->addRow(QStringLiteral("Booking email address:"), m_txtWebBookingEmail);
    email->addLayout(emailForm);
    email->addStretch();

    auto* provider = new QVBoxLayout(Frame(Provider));
    provider->addWidget(Text(QStringLiteral("Select the email provider to use to send your email confirmations. If "
                                            "you are not sure, then leave the default setting."),
                             Frame(Provider)));
    auto* providerForm = new QFormLayout;
    m_cboProvider = new QComboBox(Frame(Provider));
    m_cboProvider->setObjectName(QStringLiteral("cboProvider"));
    m_cboProvider->addItems(WebBookSettings::ProviderNames());
    m_txtCustomProvider = new QLineEdit(Frame(Provider));
    m_txtCustomProvider->setObjectName(QStringLiteral("txtCustomProvider"));
    providerForm->addRow(QStringLiteral("Email provider:"), m_cboProvider);
    providerForm->addRow(QStringLiteral("Custom provider:"), m_txtCustomProvider);
    provider->addLayout(providerForm);
    provider->addStretch();
    // The custom address is kept while the default provider is chosen, only not editable.
    connect(m_cboProvider, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_txtCustomProvider->setEnabled(index == WebBookSettings::CustomProvider); });

    auto* finished = new QVBoxLayout(Frame(Finished));
    finished->addWidget(Text(QStringLiteral("Click Finish to complete your configuration"), Frame(Finished)));
    finished->addStretch();

    const WebBookStore::Loaded loaded = WebBookStore::Load(services.Db());
    m_loaded = loaded.ok;
    m_loadError = loaded.error;
    m_shown = loaded.row;
    const WebBookSettings shown = m_shown.value_or(WebBookSettings{});
    m_txtWebBookingEmail->setText(shown.email);
    m_cboProvider->setCurrentIndex(shown.providerIndex == WebBookSettings::CustomProvider ? 1 : 0);
    m_txtCustomProvider->setText(shown.customUrl);
    m_txtCustomProvider->setEnabled(m_cboProvider->currentIndex() == WebBookSettings::CustomProvider);
    Start();
}

void frmWizardWebBook::Display(Services& services, IWindowHost* host)
{
    frmWizardWebBook wizard(services, host ? host->DialogParent() : nullptr);
    if (!wizard.Loaded()) {
        services.messages.Show(QStringLiteral("The web booking settings could not be read.\n\n") + wizard.LoadError(),
                               Title, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    wizard.exec();
}

WebBookSettings frmWizardWebBook::Values() const
{
    WebBookSettings values;
    values.email = m_txtWebBookingEmail->text();
    values.providerIndex = m_cboProvider->currentIndex();
    values.customUrl = m_txtCustomProvider->text();
    return values;
}

void frmWizardWebBook::Finish()
{
    StoreWelcomeFlag();
    const WebBookSettings values = Values();
    const WebBookStore::Saved saved = WebBookStore::Save(m_services.Db(), m_shown, values);
    if (saved.outcome == WebBookStore::Saved::ChangedMeanwhile) {
        // What the user typed stays; a second Finish stores it over the other desk's values.
        m_shown = saved.now;
        m_services.messages.Show(QStringLiteral("The web booking settings were changed elsewhere while this wizard "
                                                "was open:\n\n%1\n\nNothing was saved. Click Finish again to store "
                                                "your entries instead, or Cancel to keep the stored ones.")
                                     .arg(saved.text),
                                 Title, MsgIcon::Exclamation, MsgButtons::Ok);
        return;
    }
    if (saved.outcome == WebBookStore::Saved::Failed) {
        m_services.messages.Show(QStringLiteral("The web booking settings could not be saved; nothing was changed."
                                                "\n\n") +
                                     saved.text,
                                 Title, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    modEventLog::LogEvent(m_services.clock.Now(), modEventLog::SettingsModified,
                          QStringLiteral("Web Booking Email: '%1', Web Booking Provider: %2, Web Booking Custom "
                                         "Provider: '%3'")
                              .arg(values.email, m_cboProvider->currentText(), values.customUrl));
    if (m_services.messages.Show(QStringLiteral("Would you like to create a booking web page now?"), Title,
                                 MsgIcon::Question, MsgButtons::YesNo) == MsgResult::Yes)
        WebBookPage::Generate(m_services, values.ActionUrl(), values.email);
    accept();
}
