#include "contracts/ContractTermsPanel.h"

#include "contracts/ContractDocuments.h"
#include "core/Seams.h"
#include "core/ui/ChangedMeanwhile.h"
#include "core/ui/SmallDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ContractTermsPanel::ContractTermsPanel(Services& services, QWidget* parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("pnlContractTerms"));
    m_txtTerms = new QPlainTextEdit(this);
    m_txtTerms->setObjectName(QStringLiteral("txtContractTerms"));
    m_txtTerms->setTabChangesFocus(true);
    auto* label = new QLabel(tr("Contract &terms, printed on every contract above the signatures:"), this);
    label->setBuddy(m_txtTerms);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_txtTerms, 1);
}

Status ContractTermsPanel::load()
{
    const auto stored = ContractDocuments::terms(m_services.db());
    if (!stored)
        return stored.failure();
    m_loaded = *stored;
    m_txtTerms->setPlainText(m_loaded);
    return Done{};
}

bool ContractTermsPanel::save()
{
    const QString mine = m_txtTerms->toPlainText();
    std::optional<FieldChanges::Merge<QString>> merge;
    const Status saved = ContractDocuments::saveTerms(m_services.db(), m_loaded, mine, &merge);
    if (saved) {
        m_loaded = merge ? merge->merged() : mine;
        m_txtTerms->setPlainText(m_loaded);
        return true;
    }
    if (merge && !merge->conflicts().isEmpty()) {
        const Meanwhile choice =
            askAboutChanges(m_services.messages, tr("Contract terms"), tr("contract terms"), merge->conflicts());
        m_loaded = merge->theirs();
        m_txtTerms->setPlainText(merge->chosen(choice == Meanwhile::KeepTheirs));
        return choice != Meanwhile::GoBack && save();
    }
    m_services.messages.show(saved.error(), tr("Contract terms"),
                             saved.kind() == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
    return false;
}

void ContractTermsPanel::display(Services& services, QWidget* parent)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmContractTerms"));
    dialog.setWindowTitle(tr("Contract terms"));
    auto* panel = new ContractTermsPanel(services, &dialog);
    if (const Status loaded = panel->load(); !loaded) {
        services.messages.show(loaded.error(), dialog.windowTitle(), MsgIcon::Critical);
        return;
    }
    auto* buttons = SmallDialog::foot(&dialog, {{tr("&Save"), QStringLiteral("cmdSave"), QDialogButtonBox::AcceptRole},
                                                {tr("&Cancel"), QStringLiteral("cmdCancel")}});
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(panel, 1);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        if (panel->save())
            dialog.accept();
    });
    dialog.resize(640, 420);
    dialog.exec();
}

QPushButton* ContractTermsPanel::button(Services& services, QWidget* parent)
{
    return SmallDialog::opener(tr("C&ontract terms..."), QStringLiteral("cmdContractTerms"), parent,
                               [&services, parent] { display(services, parent); });
}
