#include "shell/CompanyMailPanel.h"

#include "core/EventLog.h"
#include "core/Seams.h"
#include "mail/MailSettings.h"
#include "mail/OutboxSender.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CompanyMailPanel::CompanyMailPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlMailServer"));
    auto box = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    m_txtHost = box("txtMailHost");
    m_txtHost->setPlaceholderText(tr("smtp.example.com; empty: no mail is sent from here"));
    m_txtPort = box("txtMailPort");
    m_txtPort->setMaxLength(5);
    m_cboSecurity = new QComboBox(this);
    m_cboSecurity->setObjectName(QStringLiteral("cboMailSecurity"));
    m_cboSecurity->addItems({tr("None (a server inside the office only)"), tr("STARTTLS (usually port 587)"),
                             tr("TLS (usually port 465)")});
    m_txtUser = box("txtMailUser");
    m_txtPassword = box("txtMailPassword");
    m_txtPassword->setEchoMode(QLineEdit::Password);
    m_txtSenderName = box("txtMailSenderName");
    m_txtSenderAddress = box("txtMailSenderAddress");
    m_txtCaFile = box("txtMailCaFile");
    m_txtCaFile->setPlaceholderText(tr("empty: the certificates this computer trusts"));
    m_chkAcceptCertificate = new QCheckBox(tr("&Accept the server's own certificate without a check"), this);
    m_chkAcceptCertificate->setObjectName(QStringLiteral("chkMailAcceptCertificate"));

    auto* form = new QFormLayout(this);
    form->addRow(tr("&Server:"), m_txtHost);
    form->addRow(tr("&Port:"), m_txtPort);
    form->addRow(tr("Se&curity:"), m_cboSecurity);
    form->addRow(tr("&User:"), m_txtUser);
    form->addRow(tr("Pass&word:"), m_txtPassword);
    form->addRow(tr("Sender &name:"), m_txtSenderName);
    form->addRow(tr("Sender a&ddress:"), m_txtSenderAddress);
    form->addRow(tr("CA certificate &file:"), m_txtCaFile);
    form->addRow(m_chkAcceptCertificate);
    load();
}

void CompanyMailPanel::load()
{
    const MailSettings::Account account = MailSettings::load();
    m_txtHost->setText(account.server.host);
    m_txtPort->setText(QString::number(account.server.port));
    m_cboSecurity->setCurrentIndex(static_cast<int>(account.server.security));
    m_txtUser->setText(account.server.user);
    m_txtPassword->clear();
    m_txtPassword->setPlaceholderText(account.server.user.isEmpty() ? QString() : tr("(unchanged unless typed here)"));
    m_txtSenderName->setText(account.senderName);
    m_txtSenderAddress->setText(account.senderAddress);
    m_txtCaFile->setText(account.server.caFile);
    m_chkAcceptCertificate->setChecked(account.server.acceptAnyCertificate);
}

Status CompanyMailPanel::save()
{
    MailSettings::Account account;
    account.server.host = m_txtHost->text().trimmed();
    bool ok = false;
    account.server.port = m_txtPort->text().trimmed().toInt(&ok);
    if (!ok)
        return refused(tr("The port must be a number from 1 to 65535."));
    account.server.security = static_cast<SmtpSender::Security>(m_cboSecurity->currentIndex());
    account.server.user = m_txtUser->text().trimmed();
    account.server.caFile = m_txtCaFile->text().trimmed();
    account.server.acceptAnyCertificate = m_chkAcceptCertificate->isChecked();
    account.senderName = m_txtSenderName->text().trimmed();
    account.senderAddress = m_txtSenderAddress->text().trimmed();
    if (account.server.host.isEmpty()) {
        // No server: "Email" opens the desktop's mail program as before.
        Registry::setRegistryValue(MailSettings::Host, QString());
    } else if (Status checked = MailSettings::save(account); !checked) {
        return checked;
    }
    if (!m_txtPassword->text().isEmpty())
        if (Status kept = MailSettings::setPassword(m_txtPassword->text()); !kept)
            return kept;
    if (OutboxSender* sender = OutboxSender::running())
        sender->reconfigure(OutboxSender::configured());
    m_txtPassword->clear();
    return Done{};
}

void CompanyMailPanel::display(Services& services, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmMailServer"));
    dialog.setWindowTitle(tr("E-mail Server"));
    auto* panel = new CompanyMailPanel(&dialog);
    auto* note = new QLabel(tr("Messages wait in the outbox and go in the background. The password is kept in this "
                               "computer's secret store, or else in a file only you can read; never in the database."),
                            &dialog);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, &dialog);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Save)->setText(tr("Sa&ve"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(panel);
    layout->addWidget(note);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const Status saved = panel->save();
        if (!saved) {
            services.messages.show(saved.error(), dialog.windowTitle(), MsgIcon::Exclamation);
            return;
        }
        services.events.log(EventLog::MailSettingsModified);
        dialog.accept();
    });
    dialog.exec();
}
