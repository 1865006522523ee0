#include "contracts/HolderShareDialog.h"

#include "bookings/HolderCredits.h"
#include "core/EventLog.h"
#include "core/Seams.h"
#include "core/ui/SmallDialog.h"

#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

HolderShareDialog::HolderShareDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmHolderShare"));
    setWindowTitle(tr("Holders' share"));
    setModal(true);
    spnShare = new QSpinBox(this);
    spnShare->setObjectName(QStringLiteral("spnShare"));
    spnShare->setRange(0, HolderCredits::MostShare);
    spnShare->setSuffix(QStringLiteral(" %"));
    const auto share = HolderCredits::share(services.db());
    spnShare->setValue(share ? *share : HolderCredits::DefaultShare);
    QFormLayout* form =
        SmallDialog::form(this, tr("A holder away is credited this share of the hire a visitor pays for the berth."),
                          {{tr("&Share of the visitor's hire:"), spnShare}});
    auto* buttons = SmallDialog::foot(this, {{tr("&Save"), QStringLiteral("cmdSave"), QDialogButtonBox::AcceptRole},
                                             {tr("&Cancel"), QStringLiteral("cmdCancel")}});
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &HolderShareDialog::save);
    if (!share)
        m_services.messages.show(share.error(), windowTitle(), MsgIcon::Exclamation);
}

QPushButton* HolderShareDialog::opener(Services& services, QWidget* parent)
{
    return SmallDialog::opener(tr("&Holders' share..."), QStringLiteral("cmdHolderShare"), parent,
                               [&services, parent] { HolderShareDialog(services, parent).exec(); });
}

void HolderShareDialog::save()
{
    if (const Status saved = HolderCredits::setShare(m_services.db(), spnShare->value()); !saved) {
        m_services.messages.show(saved.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    m_services.events.log(EventLog::HolderShareModified, tr("%1 % of a visitor's hire").arg(spnShare->value()));
    accept();
}
