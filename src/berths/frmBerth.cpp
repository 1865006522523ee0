#include "berths/frmBerth.h"

#include "berths/BerthEntry.h"
#include "berths/frmEditBerths.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/InputChecks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmBerth::frmBerth(Services& services, IWindowHost* host, QWidget* parent)
    : QDialog(parent), m_services(services), m_host(host), m_changes(services.Db())
{
    setObjectName(QStringLiteral("frmBerth"));
    setWindowTitle(QStringLiteral("Configure Berths "));

    m_lblStep = new QLabel(QStringLiteral("Configure the berths that should be available for booking"), this);
    m_lblStep->setObjectName(QStringLiteral("lblStep"));
    m_entry = new BerthEntry(services, m_changes, BerthListStyle::Register, this);

    const auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    m_cmdActivate = button(QStringLiteral("Ac&tivate"), QStringLiteral("cmdActivate"));
    m_Command2 = button(QStringLiteral("&Edit Berths"), QStringLiteral("Command2"));
    m_Command1 = button(QStringLiteral("&OK"), QStringLiteral("Command1"));
    m_cmdCancel = button(QStringLiteral("Cancel"), QStringLiteral("cmdCancel"));
    InputChecks::SkipChecks(m_cmdCancel);

    m_entry->ButtonRow()->insertWidget(2, m_cmdActivate);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_Command2);
    bottom->addStretch();
    bottom->addWidget(m_Command1);
    bottom->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblStep);
    layout->addWidget(m_entry, 1);
    layout->addLayout(bottom);

    connect(m_entry, &BerthEntry::SelectionChanged, this, &frmBerth::Selected);
    connect(m_cmdActivate, &QPushButton::clicked, this, &frmBerth::Activate);
    connect(m_Command2, &QPushButton::clicked, this, &frmBerth::EditBerths);
    connect(m_Command1, &QPushButton::clicked, this, &frmBerth::Ok);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FocusNextControl::Install(this);

    m_loaded = m_entry->Load();
}

void frmBerth::Display(Services& services, IWindowHost* host)
{
    frmBerth window(services, host, host ? host->DialogParent() : nullptr);
    if (window.Loaded())
        window.exec();
}

void frmBerth::Selected()
{
    const std::optional<int> id = m_entry->SelectedId();
    if (!id)
        return;
    if (const auto row = m_changes.Find(*id))
        m_cmdActivate->setText(row->active ? QStringLiteral("Inac&tivate") : QStringLiteral("Ac&tivate"));
}

void frmBerth::Activate()
{
    const std::optional<int> id = m_entry->SelectedId();
    if (!id || !m_changes.ToggleActive(*id))
        return;
    // The caption follows the next selection, not this change.
    m_entry->Requery();
}

void frmBerth::EditBerths()
{
    frmEditBerths editor(m_services, this);
    if (editor.Connected())
        editor.exec();
}

void frmBerth::Ok()
{
    QString error;
    if (!m_changes.Apply(&error)) {
        if (const QString conflict = m_changes.TakeConflict(); !conflict.isEmpty()) {
            m_services.messages.Show(conflict, windowTitle(), MsgIcon::Exclamation, MsgButtons::Ok);
            m_entry->Requery();
            return;
        }
        m_entry->ShowDatabaseError(QStringLiteral("The changes to the berths could not be saved; nothing was "
                                                  "changed. Press OK to try again or Cancel to drop the changes."),
                                   error);
        return;
    }
    m_changes.LogEvents(m_services.clock.Now());
    accept();
    if (m_host)
        m_host->RefreshActiveChild();
}
