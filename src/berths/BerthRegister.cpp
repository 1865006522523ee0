#include "berths/BerthRegister.h"

#include "berths/BerthEntry.h"
#include "berths/BerthTableEditor.h"
#include "berths/BlockBerthDialog.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/InputChecks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

BerthRegister::BerthRegister(Services& services, IWindowHost* host, QWidget* parent)
    : QDialog(parent), m_services(services), m_host(host), m_changes(services.db())
{
    setObjectName(QStringLiteral("frmBerth"));
    setWindowTitle(tr("Configure Berths "));

    m_lblStep = new QLabel(tr("Configure the berths that should be available for booking"), this);
    m_lblStep->setObjectName(QStringLiteral("lblStep"));
    m_entry = new BerthEntry(services, m_changes, BerthListStyle::Register, this);

    const auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    m_cmdActivate = button(tr("Ac&tivate"), QStringLiteral("cmdActivate"));
    m_cmdBlockBerth = button(tr("&Block Berth..."), QStringLiteral("cmdBlockBerth"));
    m_Command2 = button(tr("&Edit Berths"), QStringLiteral("Command2"));
    m_Command1 = button(tr("&OK"), QStringLiteral("Command1"));
    m_cmdCancel = button(tr("Cancel"), QStringLiteral("cmdCancel"));
    InputChecks::skipChecks(m_cmdCancel);

    m_entry->buttonRow()->insertWidget(2, m_cmdActivate);
    m_entry->buttonRow()->insertWidget(3, m_cmdBlockBerth);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_Command2);
    bottom->addStretch();
    bottom->addWidget(m_Command1);
    bottom->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblStep);
    layout->addWidget(m_entry, 1);
    layout->addLayout(bottom);

    connect(m_entry, &BerthEntry::selectionChanged, this, &BerthRegister::selected);
    connect(m_cmdActivate, &QPushButton::clicked, this, &BerthRegister::activate);
    connect(m_Command2, &QPushButton::clicked, this, &BerthRegister::editBerths);
    connect(m_cmdBlockBerth, &QPushButton::clicked, this, [this] {
        // A block is saved at once, for a berth already stored; the register's own changes wait for OK.
        BerthBlocks::Block block;
        block.berthId = m_entry->selectedId().value_or(0);
        BlockBerthDialog::edit(m_services, block, this);
    });
    connect(m_Command1, &QPushButton::clicked, this, &BerthRegister::ok);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FocusNextControl::install(this);

    m_loaded = m_entry->load();
}

void BerthRegister::display(Services& services, IWindowHost* host)
{
    BerthRegister window(services, host, host ? host->dialogParent() : nullptr);
    if (window.loaded())
        window.exec();
}

void BerthRegister::selected()
{
    const std::optional<int> id = m_entry->selectedId();
    if (!id)
        return;
    if (const auto row = m_changes.find(*id))
        m_cmdActivate->setText(row->active ? tr("Inac&tivate") : tr("Ac&tivate"));
}

void BerthRegister::activate()
{
    const std::optional<int> id = m_entry->selectedId();
    if (!id || !m_changes.toggleActive(*id))
        return;
    // The caption follows the next selection, not this change.
    m_entry->requery();
}

void BerthRegister::editBerths()
{
    BerthTableEditor editor(m_services, this);
    if (editor.connected())
        editor.exec();
}

void BerthRegister::ok()
{
    const Status applied = m_changes.apply();
    if (!applied) {
        if (applied.kind() == FailureKind::Conflict) {
            m_services.messages.show(applied.error(), windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
            m_entry->requery();
            return;
        }
        m_entry->showDatabaseError(tr("The changes to the berths could not be saved; nothing was changed. Press OK "
                                      "to try again or Cancel to drop the changes."),
                                   applied.error());
        return;
    }
    m_changes.logEvents(m_services.events);
    accept();
    if (m_host)
        m_host->refreshActiveChild();
}
