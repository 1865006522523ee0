#include "contracts/ContractsWindow.h"

#include "bookings/BookingStore.h"
#include "bookings/HeldBerths.h"
#include "contracts/AwayDialog.h"
#include "contracts/ContractActionsPanel.h"
#include "contracts/ContractDialog.h"
#include "contracts/ContractMetersDialog.h"
#include "contracts/HolderCreditsDialog.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/ReadErrorLine.h"
#include "core/ui/RecordGrid.h"
#include "rates/TermsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// A payment, refund or correction on a contract: kind, amount, method and reference.
class ContractPaymentDialog final : public QDialog
{
    Q_DECLARE_TR_FUNCTIONS(ContractPaymentDialog)
public:
    ContractPaymentDialog(Services& services, const ContractStore::Row& row, QWidget* parent)
        : QDialog(parent), m_services(services)
    {
        setObjectName(QStringLiteral("frmContractPayment"));
        setWindowTitle(tr("Contract %1: %2").arg(row.id).arg(row.holder));
        setModal(true);
        m_kind = new QComboBox(this);
        m_kind->setObjectName(QStringLiteral("cboKind"));
        m_kind->addItem(tr("Payment"), int(Ledger::Kind::Payment));
        m_kind->addItem(tr("Refund"), int(Ledger::Kind::Refund));
        m_kind->addItem(tr("Correction"), int(Ledger::Kind::Correction));
        m_amount = new QLineEdit(row.balance().owes() ? row.balance().format() : QString(), this);
        m_amount->setObjectName(QStringLiteral("txtAmount"));
        m_method = new QComboBox(this);
        m_method->setObjectName(QStringLiteral("cboMethod"));
        if (const auto methods = BookingStore::paymentMethodChoices(services.db()))
            for (const Sql::LookupItem& m : *methods)
                m_method->addItem(m.text, m.id);
        m_reference = new QLineEdit(this);
        m_reference->setObjectName(QStringLiteral("txtReference"));
        auto* form = new QFormLayout(this);
        form->addRow(tr("&Kind:"), m_kind);
        form->addRow(tr("&Amount:"), m_amount);
        form->addRow(tr("&Method:"), m_method);
        form->addRow(tr("&Reference:"), m_reference);
        auto* buttons = new QDialogButtonBox(this);
        buttons->addButton(tr("Recor&d"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("cmdRecord"));
        buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cmdCancel"));
        form->addRow(buttons);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    }
    std::optional<Ledger::Entry> entry() const
    {
        const std::optional<Money> amount = Money::parse(m_amount->text());
        if (!amount) {
            m_services.messages.show(tr("Type the amount, such as 300.00."), windowTitle(), MsgIcon::Exclamation);
            return std::nullopt;
        }
        Ledger::Entry e;
        e.kind = static_cast<Ledger::Kind>(m_kind->currentData().toInt());
        e.amount = *amount;
        if (m_method->currentIndex() >= 0)
            e.methodId = m_method->currentData().toInt();
        e.reference = m_reference->text().trimmed();
        return e;
    }

private:
    Services& m_services;
    QComboBox* m_kind;
    QLineEdit* m_amount;
    QComboBox* m_method;
    QLineEdit* m_reference;
};

} // namespace

ContractsWindow::ContractsWindow(IWindowHost& host, Services& services, QWidget* parent)
    : ChildWindow(parent), m_host(host), m_services(services)
{
    setObjectName(WindowName);
    setWindowTitle(tr("Contracts"));
    m_chkCancelled = new QCheckBox(tr("Show ca&ncelled contracts"), this);
    m_chkCancelled->setObjectName(QStringLiteral("chkCancelled"));
    m_model = new QStandardItemModel(this);
    m_grid = recordGrid(QStringLiteral("grdContracts"), m_model, this);
    m_lblPlan = new QLabel(this);
    m_lblPlan->setObjectName(QStringLiteral("lblPlan"));
    m_lblPlan->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_readError = new ReadErrorLine(this);
    auto* cmdNew = button(tr("N&ew contract..."), "cmdNew", this);
    auto* cmdPay = button(tr("&Payment..."), "cmdPay", this);
    auto* cmdIssue = button(tr("&Invoice next instalment"), "cmdIssue", this);
    auto* cmdCancel = button(tr("Cance&l contract..."), "cmdCancelContract", this);
    auto* cmdTerms = button(tr("&Terms and prices..."), "cmdTerms", this);
    auto* cmdClose = button(tr("&Close"), "cmdClose", this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdNew, cmdPay, cmdIssue, cmdCancel, cmdTerms})
        buttons->addWidget(b);
    buttons->addWidget(AwayDialog::opener(
        m_services,
        [this] { return current() ? std::optional(std::pair(current()->id, current()->holder)) : std::nullopt; },
        this));
    buttons->addWidget(HolderCreditsDialog::opener(m_services, this));
    buttons->addWidget(ContractMetersDialog::opener(m_services, this));
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chkCancelled);
    layout->addWidget(m_readError);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_lblPlan);
    layout->addLayout(buttons);
    layout->addWidget(new ContractActionsPanel(
        m_host, m_services, [this] { return current() ? current()->id : 0; }, [this] { reload(); }, this));
    connect(m_chkCancelled, &QCheckBox::toggled, this, &ContractsWindow::reload);
    connect(cmdNew, &QPushButton::clicked, this, &ContractsWindow::add);
    connect(cmdPay, &QPushButton::clicked, this, &ContractsWindow::pay);
    connect(cmdIssue, &QPushButton::clicked, this, &ContractsWindow::issueNext);
    connect(cmdCancel, &QPushButton::clicked, this, &ContractsWindow::cancelContract);
    connect(cmdTerms, &QPushButton::clicked, this, [this] {
        TermsDialog dialog(m_services, m_host.dialogParent());
        if (const Status loaded = dialog.load(); !loaded)
            tell(loaded.failure());
        else
            dialog.exec();
    });
    connect(cmdClose, &QPushButton::clicked, this, &ChildWindow::closeWithFrame);
    connect(m_grid, &QTableView::activated, this, &ContractsWindow::pay);
    reload();
}

ContractsWindow* ContractsWindow::display(IWindowHost& host, Services& services)
{
    auto* window = qobject_cast<ContractsWindow*>(host.findWindow(WindowName));
    if (window)
        window->reload();
    else
        window = new ContractsWindow(host, services);
    host.showChild(window);
    return window;
}

void ContractsWindow::reload()
{
    const QSqlDatabase db = m_services.db();
    // What fell due since the list was last read is invoiced first, so the list shows it.
    if (const auto issued = ContractStore::issueDue(db, m_services.clock.now().date(), m_services.clock.now())) {
        for (const ContractStore::Issued& i : *issued)
            m_services.events.log(EventLog::ContractInvoiceIssued, tr("Contract %1, instalment %2 of %3: invoice %4")
                                                                       .arg(i.contractId)
                                                                       .arg(i.number)
                                                                       .arg(i.amount.formatGrouped())
                                                                       .arg(i.invoiceNumber));
    } else {
        MessageLog::logError(QStringLiteral("frmContracts.IssueDue: %1").arg(issued.error()));
    }
    const int keep = current() ? current()->id : 0;
    const auto rows = ContractStore::list(db, m_chkCancelled->isChecked());
    m_model->clear();
    m_model->setHorizontalHeaderLabels(
        {tr("Berth type"), tr("Holder"), tr("Berth"), tr("Term"), tr("From"), tr("To"), tr("Price"), tr("Balance")});
    m_rows = rows ? *rows : QList<ContractStore::Row>();
    m_readError->showError(rows ? QString() : rows.error());
    for (const ContractStore::Row& r : std::as_const(m_rows)) {
        QList<QStandardItem*> items;
        for (const QString& text : {r.berthType, r.cancelled ? tr("%1 (cancelled)").arg(r.holder) : r.holder, r.berths,
                                    r.term, DateTimes::dateText(r.firstDay), DateTimes::dateText(r.lastDay),
                                    r.total.formatGrouped(), r.balance().formatGrouped()})
            items << new QStandardItem(text);
        m_model->appendRow(items);
    }
    fitColumns(m_grid);
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &ContractsWindow::showPlan,
            Qt::UniqueConnection);
    int row = 0;
    for (int i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].id == keep)
            row = i;
    if (!m_rows.isEmpty())
        m_grid->selectRow(row);
    showPlan();
}

const ContractStore::Row* ContractsWindow::current() const
{
    const int row = m_grid->currentIndex().isValid() ? m_grid->currentIndex().row() : -1;
    return row >= 0 && row < m_rows.size() ? &m_rows[row] : nullptr;
}

void ContractsWindow::showPlan()
{
    const ContractStore::Row* row = current();
    if (!row) {
        m_lblPlan->setText(tr("No contract chosen."));
        return;
    }
    const auto loaded = ContractStore::load(m_services.db(), row->id);
    if (!loaded) {
        m_lblPlan->setText(loaded.error());
        return;
    }
    QStringList lines{tr("Contract %1 of %2, boat %3: %4 before tax, tax %5, paid %6")
                          .arg(loaded->id)
                          .arg(loaded->customer, loaded->boat.isEmpty() ? tr("none") : loaded->boat,
                               loaded->hire.formatGrouped(), loaded->tax.formatGrouped(),
                               loaded->paid.formatGrouped())};
    for (const ContractPlan::Instalment& i : loaded->plan)
        lines << (i.invoiceNumber
                      ? tr("%1. due %2: %3, invoice %4")
                            .arg(i.number)
                            .arg(DateTimes::dateText(i.due), i.amount.formatGrouped())
                            .arg(*i.invoiceNumber)
                      : tr("%1. due %2: %3").arg(i.number).arg(DateTimes::dateText(i.due), i.amount.formatGrouped()));
    m_lblPlan->setText(lines.join(u'\n'));
}

void ContractsWindow::tell(const Failure& failure)
{
    if (failure.kind == FailureKind::Database)
        MessageLog::logError(QStringLiteral("frmContracts: %1").arg(failure.text));
    m_services.messages.show(failure.text, windowTitle(),
                             failure.kind == FailureKind::Database ? MsgIcon::Critical : MsgIcon::Exclamation);
    reload();
}

void ContractsWindow::add()
{
    ContractDialog dialog(m_services, m_host.dialogParent());
    if (const Status loaded = dialog.load(); !loaded) {
        tell(loaded.failure());
        return;
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto made = ContractStore::load(m_services.db(), dialog.savedId()))
        m_services.events.log(EventLog::ContractMade, ContractStore::describe(*made));
    reload();
}

void ContractsWindow::pay()
{
    const ContractStore::Row* row = current();
    if (!row)
        return;
    const ContractStore::Row chosen = *row;
    ContractPaymentDialog dialog(m_services, chosen, m_host.dialogParent());
    while (dialog.exec() == QDialog::Accepted) {
        const auto entry = dialog.entry();
        if (!entry)
            continue;
        const auto paid = ContractStore::pay(m_services.db(), chosen.id, *entry, m_services.clock.now());
        if (!paid) {
            m_services.messages.show(paid.error(), dialog.windowTitle(), MsgIcon::Exclamation);
            continue;
        }
        m_services.events.log(
            EventLog::ContractPaymentRecorded,
            tr("Contract %1: %2 %3, paid now %4")
                .arg(chosen.id)
                .arg(Ledger::kindText(entry->kind), entry->amount.formatGrouped(), paid->formatGrouped()));
        break;
    }
    reload();
}

void ContractsWindow::issueNext()
{
    const ContractStore::Row* row = current();
    if (!row)
        return;
    const auto loaded = ContractStore::load(m_services.db(), row->id);
    if (!loaded) {
        tell(loaded.failure());
        return;
    }
    const auto next = std::find_if(loaded->plan.cbegin(), loaded->plan.cend(),
                                   [](const ContractPlan::Instalment& i) { return !i.invoiceNumber; });
    if (next == loaded->plan.cend()) {
        m_services.messages.show(tr("Every instalment of this contract has its invoice."), windowTitle(),
                                 MsgIcon::Information);
        return;
    }
    const auto issued = ContractStore::issue(m_services.db(), loaded->id, next->number, m_services.clock.now());
    if (!issued) {
        tell(issued.failure());
        return;
    }
    m_services.events.log(EventLog::ContractInvoiceIssued, tr("Contract %1, instalment %2 of %3: invoice %4")
                                                               .arg(issued->contractId)
                                                               .arg(issued->number)
                                                               .arg(issued->amount.formatGrouped())
                                                               .arg(issued->invoiceNumber));
    reload();
}

void ContractsWindow::cancelContract()
{
    const ContractStore::Row* row = current();
    if (!row)
        return;
    const auto loaded = ContractStore::load(m_services.db(), row->id);
    if (!loaded) {
        tell(loaded.failure());
        return;
    }
    const QString question =
        tr("Cancel contract %1 of %2?\n\nYes frees %3 from %4 to %5; the %6 paid stays on the contract's ledger, "
           "to be refunded with Payment if it is due back.\nNo keeps the contract.")
            .arg(loaded->id)
            .arg(loaded->customer, loaded->berths.join(QStringLiteral(", ")), DateTimes::dateText(loaded->firstDay),
                 DateTimes::dateText(loaded->lastDay), loaded->paid.formatGrouped());
    if (m_services.messages.show(question, windowTitle(), MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes)
        return;
    if (const Status done = ContractStore::cancel(m_services.db(), loaded->id); !done) {
        tell(done.failure());
        return;
    }
    m_services.events.log(EventLog::ContractCancelled, ContractStore::describe(*loaded));
    reload();
    // What came free is offered to whoever waits for it.
    m_host.berthsReleased(loaded->berthIds, HeldBerths::heldFrom(loaded->firstDay),
                          HeldBerths::heldTo(loaded->lastDay));
}
