#include "contracts/ContractMetersDialog.h"

#include "core/Actor.h"
#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "core/ui/SmallDialog.h"
#include "meters/Meters.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ContractMetersDialog::ContractMetersDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmContractMeters"));
    setWindowTitle(tr("Bill contracts' meters"));
    const QDate month = m_services.clock.now().date().addMonths(-1);
    dtpFrom = new DateBox(this);
    dtpFrom->setObjectName(QStringLiteral("dtpFrom"));
    dtpFrom->setDate(QDate(month.year(), month.month(), 1));
    dtpTo = new DateBox(this);
    dtpTo->setObjectName(QStringLiteral("dtpTo"));
    dtpTo->setDate(QDate(month.year(), month.month(), month.daysInMonth()));
    auto* cmdDryRun = new QPushButton(tr("&Dry run"), this);
    cmdDryRun->setObjectName(QStringLiteral("cmdDryRun"));
    cmdDryRun->setDefault(true);
    grdLines = new QTableWidget(0, 9, this);
    grdLines->setObjectName(QStringLiteral("grdLines"));
    grdLines->setHorizontalHeaderLabels({tr("Contract"), tr("Holder"), tr("Berth"), tr("Meter"), tr("From"), tr("To"),
                                         tr("Use"), tr("Before tax"), tr("Note")});
    grdLines->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLines->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdLines->horizontalHeader()->setStretchLastSection(true);
    lblTotal = new QLabel(tr("Run the period dry first: nothing is billed until you choose Bill."), this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    lblTotal->setWordWrap(true);
    auto* buttons = SmallDialog::foot(this, {{tr("&Bill..."), QStringLiteral("cmdBill"), QDialogButtonBox::ActionRole},
                                             {tr("&Close"), QStringLiteral("cmdClose")}});
    cmdBill = buttons->findChild<QPushButton*>(QStringLiteral("cmdBill"));
    cmdBill->setEnabled(false);
    cmdBill->setAutoDefault(false);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(SmallDialog::line({{tr("&From:"), dtpFrom}, {tr("&To:"), dtpTo}}, cmdDryRun));
    layout->addWidget(grdLines, 1);
    layout->addWidget(lblTotal);
    layout->addWidget(buttons);
    connect(cmdDryRun, &QPushButton::clicked, this, &ContractMetersDialog::dryRun);
    connect(cmdBill, &QPushButton::clicked, this, &ContractMetersDialog::bill);
    // A changed period must be run dry again before it is billed.
    for (DateBox* box : {dtpFrom, dtpTo})
        connect(box, &QDateEdit::dateChanged, this, [this] {
            m_dry.reset();
            cmdBill->setEnabled(false);
        });
    resize(900, 480);
}

QPushButton* ContractMetersDialog::opener(Services& services, QWidget* parent)
{
    return SmallDialog::opener(tr("&Bill meters..."), QStringLiteral("cmdBillMeters"), parent,
                               [&services, parent] { ContractMetersDialog(services, parent).exec(); });
}

void ContractMetersDialog::dryRun()
{
    if (!dtpFrom->commitTyped() || !dtpTo->commitTyped())
        return;
    const auto run = ContractMeters::dryRun(m_services.db(), dtpFrom->date(), dtpTo->date());
    if (!run) {
        m_services.messages.show(run.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    m_dry = *run;
    fill(*run, false);
    cmdBill->setEnabled(!run->invoices.isEmpty());
}

void ContractMetersDialog::bill()
{
    if (!m_dry || m_dry->invoices.isEmpty())
        return;
    Money total;
    for (const ContractMeters::Invoice& i : m_dry->invoices)
        total += i.total;
    const int count = int(m_dry->invoices.size());
    const int answer = m_services.messages.choose(
        tr("Bill the meters of %n contract(s) from %1 to %2, %3 with tax? Each contract gets an invoice of its own.",
           nullptr, count)
            .arg(DateTimes::dateText(dtpFrom->date()), DateTimes::dateText(dtpTo->date()), total.formatGrouped()),
        windowTitle(), {tr("&Go back without billing"), tr("&Bill %1").arg(total.formatGrouped())});
    if (answer != 1)
        return;
    const auto run =
        ContractMeters::bill(m_services.db(), dtpFrom->date(), dtpTo->date(), m_services.clock.now(), Actor::label());
    if (!run) {
        m_services.messages.show(run.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    for (const ContractMeters::Invoice& i : run->invoices)
        m_services.events.log(EventLog::MeterChargePosted, QStringLiteral("Contract %1: meters billed, invoice %2, %3")
                                                               .arg(i.contractId)
                                                               .arg(i.invoiceNumber)
                                                               .arg(i.total.plainText()));
    m_dry.reset();
    cmdBill->setEnabled(false);
    fill(*run, true);
}

void ContractMetersDialog::fill(const ContractMeters::Run& run, bool billed)
{
    grdLines->setRowCount(0);
    for (const ContractMeters::Line& l : run.lines) {
        const int row = grdLines->rowCount();
        grdLines->insertRow(row);
        const bool priced = l.billable();
        const QStringList cells{
            QString::number(l.contractId),
            l.holder,
            l.berth,
            tr("%1 (%2)").arg(l.meter.serial, Meters::kindText(l.meter.kind)),
            l.firstDay.isValid() ? DateTimes::dateText(l.firstDay) : QString(),
            l.endDay.isValid() ? DateTimes::dateText(l.endDay) : QString(),
            l.firstDay.isValid() ? tr("%1 %2").arg(Meters::valueText(l.bill.units), l.meter.unit) : QString(),
            priced ? l.bill.total.formatGrouped() : QString(),
            priced ? Meters::billText(l.bill, l.meter.unit).replace(QLatin1Char('\n'), QStringLiteral("; ")) : l.why};
        for (int column = 0; column < cells.size(); ++column)
            grdLines->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    grdLines->resizeColumnsToContents();
    Money net;
    Money total;
    QStringList numbers;
    for (const ContractMeters::Invoice& i : run.invoices) {
        net += i.net;
        total += i.total;
        if (i.invoiceNumber)
            numbers << QString::number(i.invoiceNumber);
    }
    const int count = int(run.invoices.size());
    lblTotal->setText(billed ? tr("Billed: %n invoice(s) (%1), %2 before tax, %3 with tax.", nullptr, count)
                                   .arg(numbers.join(QStringLiteral(", ")), net.formatGrouped(), total.formatGrouped())
                             : tr("Dry run, nothing billed: %n invoice(s) would be issued, %1 before tax, %2 with tax.",
                                  nullptr, count)
                                   .arg(net.formatGrouped(), total.formatGrouped()));
}
