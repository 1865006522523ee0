#include "requests/RequestMailboxPanel.h"

#include "core/Seams.h"
#include "requests/RequestDesk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

RequestMailboxPanel::RequestMailboxPanel(Services& services, QWidget* parent) : QWidget(parent), m_services(services)
{
    const RequestSettings::Config config = RequestSettings::load();
    const SmtpSender::Server& server = config.account.server;
    m_txtHost = new QLineEdit(server.host, this);
    m_txtHost->setObjectName(QStringLiteral("txtMailboxHost"));
    m_txtHost->setPlaceholderText(tr("empty: no requests are read"));
    m_spnPort = new QSpinBox(this);
    m_spnPort->setObjectName(QStringLiteral("spnMailboxPort"));
    m_spnPort->setRange(1, 65535);
    m_spnPort->setValue(server.port);
    m_cboSecurity = new QComboBox(this);
    m_cboSecurity->setObjectName(QStringLiteral("cboMailboxSecurity"));
    m_cboSecurity->addItems({tr("None (inside the office only)"), tr("STARTTLS"), tr("TLS (imaps)")});
    m_cboSecurity->setCurrentIndex(static_cast<int>(server.security));
    m_txtUser = new QLineEdit(server.user, this);
    m_txtUser->setObjectName(QStringLiteral("txtMailboxUser"));
    m_txtUser->setMaxLength(200);
    m_txtPassword = new QLineEdit(server.password, this);
    m_txtPassword->setObjectName(QStringLiteral("txtMailboxPassword"));
    m_txtPassword->setEchoMode(QLineEdit::Password);
    m_txtFolder = new QLineEdit(config.account.folder, this);
    m_txtFolder->setObjectName(QStringLiteral("txtMailboxFolder"));
    m_txtFolder->setMaxLength(100);
    m_chkAnyCertificate = new QCheckBox(tr("Take the server's own &certificate unchecked"), this);
    m_chkAnyCertificate->setObjectName(QStringLiteral("chkMailboxAnyCertificate"));
    m_chkAnyCertificate->setChecked(server.acceptAnyCertificate);
    m_spnMinutes = new QSpinBox(this);
    m_spnMinutes->setObjectName(QStringLiteral("spnMailboxMinutes"));
    m_spnMinutes->setRange(1, RequestSettings::MaxReadMinutes);
    m_spnMinutes->setValue(config.readMinutes);
    m_spnHoldHours = new QSpinBox(this);
    m_spnHoldHours->setObjectName(QStringLiteral("spnHoldHours"));
    m_spnHoldHours->setRange(1, RequestSettings::MaxHoldHours);
    m_spnHoldHours->setValue(config.holdHours);
    auto* cmdSave = new QPushButton(tr("&Save"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSaveMailbox"));
    connect(cmdSave, &QPushButton::clicked, this, &RequestMailboxPanel::save);

    auto* form = new QFormLayout(this);
    form->addRow(tr("Mail ser&ver:"), m_txtHost);
    form->addRow(tr("&Port:"), m_spnPort);
    form->addRow(tr("Securit&y:"), m_cboSecurity);
    form->addRow(tr("&User:"), m_txtUser);
    form->addRow(tr("Pass&word:"), m_txtPassword);
    form->addRow(tr("&Folder:"), m_txtFolder);
    form->addRow(QString(), m_chkAnyCertificate);
    form->addRow(tr("Read every (&minutes):"), m_spnMinutes);
    form->addRow(tr("A hold las&ts (hours):"), m_spnHoldHours);
    form->addRow(QString(), cmdSave);
}

bool RequestMailboxPanel::save()
{
    RequestSettings::Config config;
    SmtpSender::Server& server = config.account.server;
    server.host = m_txtHost->text().trimmed();
    server.port = m_spnPort->value();
    server.security = static_cast<SmtpSender::Security>(m_cboSecurity->currentIndex());
    server.user = m_txtUser->text().trimmed();
    server.password = m_txtPassword->text();
    server.acceptAnyCertificate = m_chkAnyCertificate->isChecked();
    config.account.folder =
        m_txtFolder->text().trimmed().isEmpty() ? QStringLiteral("INBOX") : m_txtFolder->text().trimmed();
    config.readMinutes = m_spnMinutes->value();
    config.holdHours = m_spnHoldHours->value();
    if (Status saved = RequestSettings::save(config); !saved) {
        m_services.messages.show(tr("The mailbox settings were not saved.\n%1").arg(saved.error()), tr("Requests"),
                                 MsgIcon::Exclamation, MsgButtons::Ok);
        return false;
    }
    if (RequestDesk* desk = RequestDesk::running())
        desk->reconfigure(RequestDesk::configured());
    return true;
}
