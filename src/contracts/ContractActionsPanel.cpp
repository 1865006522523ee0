#include "contracts/ContractActionsPanel.h"

#include "bookings/HeldBerths.h"
#include "contracts/ContractDialog.h"
#include "contracts/ContractDocuments.h"
#include "contracts/ContractRenewals.h"
#include "contracts/RenewalsDialog.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "core/ui/DocumentRenderer.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>

namespace {
QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}
} // namespace

ContractActionsPanel::ContractActionsPanel(IWindowHost& host, Services& services, std::function<int()> current,
                                           std::function<void()> reload, QWidget* parent)
    : QWidget(parent), m_host(host), m_services(services), m_current(std::move(current)), m_reload(std::move(reload))
{
    setObjectName(QStringLiteral("pnlContractActions"));
    auto* cmdEdit = button(tr("E&dit..."), "cmdEdit", this);
    auto* cmdPrint = button(tr("Print contr&act..."), "cmdPrintContract", this);
    auto* cmdInvoice = button(tr("In&voice..."), "cmdPrintInvoice", this);
    auto* cmdRenew = button(tr("Rene&w contracts..."), "cmdRenew", this);
    auto* cmdLists = button(tr("Li&sts..."), "cmdLists", this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {cmdEdit, cmdPrint, cmdInvoice, cmdRenew, cmdLists})
        layout->addWidget(b);
    layout->addStretch();
    connect(cmdEdit, &QPushButton::clicked, this, &ContractActionsPanel::edit);
    connect(cmdPrint, &QPushButton::clicked, this, &ContractActionsPanel::printContract);
    connect(cmdInvoice, &QPushButton::clicked, this, &ContractActionsPanel::printInvoice);
    connect(cmdRenew, &QPushButton::clicked, this, [this] {
        RenewalsDialog::display(m_host, m_services);
        m_reload();
    });
    // The lists export through the outputs' CSV writer, so they open from the main window's menu item.
    connect(cmdLists, &QPushButton::clicked, this, [this] {
        if (auto* item = m_host.dialogParent()->findChild<QAction*>(QStringLiteral("mnuBookingsContractLists")))
            item->trigger();
    });
    QTimer::singleShot(0, this, [this] { offerLapsed(m_host, m_services); });
}

void ContractActionsPanel::offerLapsed(IWindowHost& host, Services& services)
{
    const auto lapsed = ContractRenewals::lapse(services.db(), services.clock.now().date());
    if (!lapsed) {
        MessageLog::logError(QStringLiteral("Contracts.Lapse: %1").arg(lapsed.error()));
        return;
    }
    for (const ContractRenewals::Lapsed& l : *lapsed) {
        services.events.log(
            EventLog::ContractLapsed,
            tr("Contract %1 ended on %2 unrenewed").arg(l.contractId).arg(DateTimes::dateText(l.lastDay)));
        // Free from the day after its last, for a year: whoever waits for the berth over that time is offered it.
        host.berthsReleased(l.berthIds, HeldBerths::heldTo(l.lastDay), HeldBerths::heldTo(l.lastDay.addYears(1)));
    }
}

void ContractActionsPanel::edit()
{
    const int id = m_current();
    if (id <= 0)
        return;
    ContractDialog dialog(m_services, m_host.dialogParent());
    if (const Status loaded = dialog.edit(id); !loaded) {
        m_services.messages.show(loaded.error(), tr("Contracts"),
                                 loaded.kind() == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
        return;
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto changed = ContractStore::load(m_services.db(), id))
        m_services.events.log(EventLog::ContractChanged, ContractStore::describe(*changed));
    m_reload();
}

void ContractActionsPanel::printContract()
{
    const int id = m_current();
    if (id <= 0)
        return;
    const auto papers = ContractDocuments::load(m_services.db(), id, m_services.clock.now().date());
    if (!papers) {
        m_services.messages.show(papers.error(), tr("Contracts"), MsgIcon::Exclamation);
        return;
    }
    DocumentRenderer::preview(ContractDocuments::contract(*papers), m_host.dialogParent(), &m_services,
                              tr("Contract %1.pdf").arg(id));
}

void ContractActionsPanel::printInvoice()
{
    const int id = m_current();
    if (id <= 0)
        return;
    const auto papers = ContractDocuments::load(m_services.db(), id, m_services.clock.now().date());
    if (!papers) {
        m_services.messages.show(papers.error(), tr("Contracts"), MsgIcon::Exclamation);
        return;
    }
    const QList<ContractPlan::Instalment>& plan = papers->contract.plan;
    const auto last = std::find_if(plan.crbegin(), plan.crend(),
                                   [](const ContractPlan::Instalment& i) { return i.invoiceNumber.has_value(); });
    if (last == plan.crend()) {
        m_services.messages.show(tr("No instalment of this contract has been invoiced yet: use Invoice next "
                                    "instalment first."),
                                 tr("Contracts"), MsgIcon::Information);
        return;
    }
    DocumentRenderer::preview(ContractDocuments::instalmentInvoice(*papers, *last), m_host.dialogParent(), &m_services,
                              tr("Invoice %1.pdf").arg(*last->invoiceNumber));
}
