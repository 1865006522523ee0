#include "shell/DocumentLanguageDialog.h"

#include "core/DocumentLanguage.h"
#include "core/EventLog.h"
#include "core/Languages.h"
#include "core/Seams.h"
#include "core/ui/SmallDialog.h"

#include <QComboBox>
#include <QFormLayout>
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
    QFormLayout* form = SmallDialog::form(this,
                                          tr("Confirmations, invoices, reminders and e-mails go out in this language "
                                             "to customers who have none of their own."),
                                          {{tr("&Language:"), cboLanguage}});
    auto* buttons = SmallDialog::foot(this, {{tr("&Save"), QStringLiteral("cmdSave"), QDialogButtonBox::AcceptRole},
                                             {tr("&Cancel"), QStringLiteral("cmdCancel")}});
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &DocumentLanguageDialog::save);
    if (!office)
        m_services.messages.show(office.error(), windowTitle(), MsgIcon::Exclamation);
}

QPushButton* DocumentLanguageDialog::opener(Services& services, QWidget* parent)
{
    return SmallDialog::opener(tr("Document lan&guage..."), QStringLiteral("cmdDocumentLanguage"), parent,
                               [&services, parent] { DocumentLanguageDialog(services, parent).exec(); });
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
