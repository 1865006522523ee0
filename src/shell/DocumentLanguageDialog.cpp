#include "shell/DocumentLanguageDialog.h"

#include "core/DocumentLanguage.h"
#include "core/EventLog.h"
#include "core/Languages.h"
#include "core/Seams.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

DocumentLanguageDialog::DocumentLanguageDialog(Services& services, QWidget* parent)
    : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmDocumentLanguage"));
    setWindowTitle(tr("Document language"));
    setModal(true);
    cboLanguage = new QComboBox(this);
    cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    for (const Languages::Language& language : Languages::all())
        cboLanguage->addItem(DocumentLanguage::caption(language.code), language.code);
    const auto office = DocumentLanguage::office(services.db());
    cboLanguage->setCurrentIndex(std::max(0, cboLanguage->findData(office.valueOr(QStringLiteral("en")))));
    auto* note = new QLabel(tr("Confirmations, invoices, reminders and e-mails go out in this language to customers "
                               "who have none of their own."),
                            this);
    note->setWordWrap(true);
    auto* form = new QFormLayout(this);
    form->addRow(note);
    form->addRow(tr("&Language:"), cboLanguage);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&Save"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("cmdSave"));
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cmdCancel"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &DocumentLanguageDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!office)
        m_services.messages.show(office.error(), windowTitle(), MsgIcon::Exclamation);
}

QPushButton* DocumentLanguageDialog::opener(Services& services, QWidget* parent)
{
    auto* b = new QPushButton(tr("Document lan&guage..."), parent);
    b->setObjectName(QStringLiteral("cmdDocumentLanguage"));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, parent, [&services, parent] {
        DocumentLanguageDialog dialog(services, parent);
        dialog.exec();
    });
    return b;
}

void DocumentLanguageDialog::save()
{
    const QString code = cboLanguage->currentData().toString();
    if (const Status saved = DocumentLanguage::setOffice(m_services.db(), code); !saved) {
        m_services.messages.show(saved.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    m_services.events.log(EventLog::ConfigurationModified, tr("Document language: %1").arg(code));
    accept();
}
