#include "contracts/RenewalsDialog.h"

#include "contracts/ContractDocuments.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/ChildWindow.h"
#include "core/ui/DateBox.h"
#include "core/ui/DocumentRenderer.h"
#include "mail/MailSettings.h"
#include "mail/OutboxSender.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    Renew,
    Contract,
    Holder,
    Boat,
    Berths,
    Ends,
    ThisTerm,
    NextTerm,
    Balance,
    NewPrice,
    Columns
};

template <typename Box> Box* named(Box* box, const char* name)
{
    box->setObjectName(QLatin1String(name));
    return box;
}

QTableWidgetItem* readOnly(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

RenewalsDialog::RenewalsDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmRenewals"));
    setWindowTitle(tr("Renew contracts"));
    setModal(true);
    dtpFrom = named(new DateBox(this), "dtpFrom");
    dtpTo = named(new DateBox(this), "dtpTo");
    const QDate today = services.clock.now().date();
    dtpFrom->setDate(today);
    dtpTo->setDate(today.addMonths(3));
    auto* cmdList = named(new QPushButton(tr("&List"), this), "cmdList");
    grdRenewals = named(new QTableWidget(0, Columns, this), "grdRenewals");
    grdRenewals->setHorizontalHeaderLabels({tr("Renew"), tr("Contract"), tr("Holder"), tr("Boat"), tr("Berths"),
                                            tr("Ends"), tr("This term"), tr("Next term"), tr("Balance"),
                                            tr("Renewal price")});
    grdRenewals->horizontalHeader()->setStretchLastSection(true);
    grdRenewals->setTabKeyNavigation(false);
    grdRenewals->setSelectionBehavior(QAbstractItemView::SelectRows);
    lblNote = named(new QLabel(this), "lblNote");
    lblNote->setWordWrap(true);
    auto* cmdAll = named(new QPushButton(tr("Select &all"), this), "cmdSelectAll");
    auto* cmdRenew = named(new QPushButton(tr("Re&new chosen"), this), "cmdRenewChosen");
    cmdSend = named(new QPushButton(tr("&Send renewal letters"), this), "cmdSendLetters");
    cmdPrint = named(new QPushButton(tr("&Print renewal letters"), this), "cmdPrintLetters");
    auto* cmdClose = named(new QPushButton(tr("&Close"), this), "cmdClose");
    for (QPushButton* b : {cmdList, cmdAll, cmdRenew, cmdSend, cmdPrint, cmdClose})
        b->setAutoDefault(false);
    cmdSend->setEnabled(false);
    cmdPrint->setEnabled(false);

    auto* period = new QHBoxLayout;
    auto* from = new QLabel(tr("Ending &from:"), this);
    from->setBuddy(dtpFrom);
    auto* to = new QLabel(tr("&to:"), this);
    to->setBuddy(dtpTo);
    for (QWidget* w : std::initializer_list<QWidget*>{from, dtpFrom, to, dtpTo, cmdList})
        period->addWidget(w);
    period->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdAll, cmdRenew, cmdSend, cmdPrint})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(period);
    layout->addWidget(grdRenewals, 1);
    layout->addWidget(lblNote);
    layout->addLayout(buttons);
    resize(1100, 600);

    connect(cmdList, &QPushButton::clicked, this, &RenewalsDialog::reload);
    connect(cmdAll, &QPushButton::clicked, this, [this] {
        for (int row = 0; row < grdRenewals->rowCount(); ++row)
            grdRenewals->item(row, Renew)->setCheckState(Qt::Checked);
    });
    connect(cmdRenew, &QPushButton::clicked, this, &RenewalsDialog::renew);
    connect(cmdSend, &QPushButton::clicked, this, &RenewalsDialog::sendLetters);
    connect(cmdPrint, &QPushButton::clicked, this, &RenewalsDialog::printLetters);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(grdRenewals, &QTableWidget::currentCellChanged, this,
            [this](int row) { lblNote->setText(row >= 0 && row < m_due.size() ? m_due[row].noRate : QString()); });
}

void RenewalsDialog::display(IWindowHost& host, Services& services)
{
    RenewalsDialog dialog(services, host.dialogParent());
    dialog.reload();
    dialog.exec();
}

void RenewalsDialog::tell(const Failure& failure)
{
    if (failure.kind == FailureKind::Database)
        MessageLog::logError(QStringLiteral("frmRenewals: %1").arg(failure.text));
    m_services.messages.show(failure.text, windowTitle(),
                             failure.kind == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
}

void RenewalsDialog::reload()
{
    if (!dtpFrom->commitTyped() || !dtpTo->commitTyped())
        return;
    if (dtpTo->date() < dtpFrom->date()) {
        m_services.messages.show(tr("The period ends before it starts."), windowTitle(), MsgIcon::Exclamation);
        dtpTo->setFocus();
        return;
    }
    const auto due = ContractRenewals::due(m_services.db(), dtpFrom->date(), dtpTo->date());
    if (!due) {
        tell(due.failure());
        return;
    }
    m_due = *due;
    grdRenewals->setRowCount(0);
    int unpriced = 0;
    for (const ContractRenewals::Due& d : std::as_const(m_due)) {
        const int row = grdRenewals->rowCount();
        grdRenewals->insertRow(row);
        auto* tick = readOnly(QString());
        tick->setFlags(tick->flags() | Qt::ItemIsUserCheckable);
        tick->setCheckState(Qt::Unchecked);
        grdRenewals->setItem(row, Renew, tick);
        grdRenewals->setItem(row, Contract, readOnly(QString::number(d.contractId)));
        grdRenewals->setItem(row, Holder, readOnly(d.holder.name));
        grdRenewals->setItem(row, Boat, readOnly(d.boat));
        grdRenewals->setItem(row, Berths, readOnly(d.berths.join(QStringLiteral(", "))));
        grdRenewals->setItem(row, Ends, readOnly(DateTimes::dateText(d.lastDay)));
        grdRenewals->setItem(row, ThisTerm, readOnly(d.hire.formatGrouped()));
        grdRenewals->setItem(row, NextTerm, readOnly(d.nextHire ? d.nextHire->formatGrouped() : tr("no rate")));
        grdRenewals->setItem(row, Balance, readOnly(d.balance.formatGrouped()));
        grdRenewals->setItem(row, NewPrice, new QTableWidgetItem(d.nextHire ? d.nextHire->format() : QString()));
        if (!d.nextHire)
            ++unpriced;
    }
    grdRenewals->resizeColumnsToContents();
    lblNote->setText(m_due.isEmpty() ? tr("No contract in force ends in this period unrenewed.")
                     : unpriced > 0  ? tr("%n contract(s) have no rate for next term: type their price.", "", unpriced)
                                     : QString());
}

// The ticked rows with the price typed for each; nothing (told, the cell in focus) when a price cannot be read.
std::optional<QList<ContractRenewals::Due>> RenewalsDialog::chosen()
{
    QList<ContractRenewals::Due> chosen;
    for (int row = 0; row < grdRenewals->rowCount() && row < m_due.size(); ++row) {
        if (grdRenewals->item(row, Renew)->checkState() != Qt::Checked)
            continue;
        ContractRenewals::Due d = m_due[row];
        const QString typed = grdRenewals->item(row, NewPrice)->text().trimmed();
        const std::optional<Money> price = Money::parse(typed);
        if (!price) {
            m_services.messages.show(
                typed.isEmpty() && !d.nextHire
                    ? d.noRate
                    : tr("Contract %1: type the renewal price as an amount, such as 1200.00.").arg(d.contractId),
                windowTitle(), MsgIcon::Exclamation);
            grdRenewals->setCurrentCell(row, NewPrice);
            grdRenewals->setFocus();
            return std::nullopt;
        }
        d.price = *price;
        chosen << d;
    }
    return chosen;
}

void RenewalsDialog::renew()
{
    const auto list = chosen();
    if (!list)
        return;
    if (list->isEmpty()) {
        m_services.messages.show(tr("Tick the contracts to renew first, or Select all."), windowTitle(),
                                 MsgIcon::Information);
        return;
    }
    Money before;
    for (const ContractRenewals::Due& d : *list)
        before += d.price;
    const QString question =
        tr("Renew %n contract(s) at %1 before tax in all?\n\nYes makes each renewal a new contract with its plan and "
           "keeps its renewal letter; nothing is renewed if one cannot be.\nNo goes back to the list.",
           "", int(list->size()))
            .arg(before.formatGrouped());
    if (m_services.messages.show(question, windowTitle(), MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto renewed = ContractRenewals::renew(m_services.db(), *list, m_services.clock.now());
    QApplication::restoreOverrideCursor();
    if (!renewed) {
        tell(renewed.failure());
        if (renewed.kind() == FailureKind::Conflict)
            reload();
        return;
    }
    m_renewed = *renewed;
    for (const ContractRenewals::Renewed& r : std::as_const(m_renewed))
        m_services.events.log(
            EventLog::ContractRenewed,
            tr("Contract %1 renewed as contract %2, %3").arg(r.from).arg(r.to).arg(r.total.formatGrouped()));
    const bool mail = MailSettings::isSetUp();
    cmdSend->setEnabled(mail);
    cmdPrint->setEnabled(true);
    m_services.messages.show(
        mail ? tr("%n contract(s) renewed. Send renewal letters queues their letters by e-mail.", "",
                  int(m_renewed.size()))
             : tr("%n contract(s) renewed. Print renewal letters prints their letters.", "", int(m_renewed.size())),
        windowTitle(), MsgIcon::Information);
    reload();
}

void RenewalsDialog::sendLetters()
{
    QList<int> ids;
    for (const ContractRenewals::Renewed& r : std::as_const(m_renewed))
        ids << r.to;
    const auto queued = ContractDocuments::queueRenewalLetters(m_services.db(), ids, m_services.clock.now());
    if (!queued) {
        tell(queued.failure());
        return;
    }
    m_services.events.log(EventLog::MailQueued, tr("%n renewal letter(s)", "", queued->queued));
    if (OutboxSender* sender = OutboxSender::running())
        sender->wake();
    QStringList left;
    for (const int id : queued->left)
        left << QString::number(id);
    m_services.messages.show(
        left.isEmpty() ? tr("%n renewal letter(s) queued.", "", queued->queued)
                       : tr("%n renewal letter(s) queued. These contracts' holders have no e-mail address, so "
                            "their letters are to be printed: %1.",
                            "", queued->queued)
                             .arg(left.join(QStringLiteral(", "))),
        windowTitle(), MsgIcon::Information);
    cmdSend->setEnabled(false);
}

void RenewalsDialog::printLetters()
{
    for (const ContractRenewals::Renewed& r : std::as_const(m_renewed)) {
        const auto papers = ContractDocuments::load(m_services.db(), r.to, m_services.clock.now().date());
        if (!papers) {
            tell(papers.failure());
            return;
        }
        if (!DocumentRenderer::printNow(ContractDocuments::renewalLetter(*papers), m_services,
                                        tr("Contract Renewal %1.pdf").arg(r.to)))
            return;
    }
}
