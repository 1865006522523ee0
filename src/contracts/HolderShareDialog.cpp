#include "contracts/HolderShareDialog.h"

#include "bookings/HolderCredits.h"
#include "core/EventLog.h"
#include "core/Seams.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
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
    auto* note = new QLabel(tr("A holder away is credited this share of the hire a visitor pays for the berth."), this);
    note->setWordWrap(true);
    auto* form = new QFormLayout(this);
    form->addRow(note);
    form->addRow(tr("&Share of the visitor's hire:"), spnShare);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("&Save"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("cmdSave"));
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cmdCancel"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &HolderShareDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!share)
        m_services.messages.show(share.error(), windowTitle(), MsgIcon::Exclamation);
}

QPushButton* HolderShareDialog::opener(Services& services, QWidget* parent)
{
    auto* b = new QPushButton(tr("&Holders' share..."), parent);
    b->setObjectName(QStringLiteral("cmdHolderShare"));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, parent, [&services, parent] {
        HolderShareDialog dialog(services, parent);
        dialog.exec();
    });
    return b;
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
