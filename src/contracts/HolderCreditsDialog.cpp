#include "contracts/HolderCreditsDialog.h"

#include "bookings/HolderCredits.h"
#include "core/DateTimes.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "core/ui/SmallDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

HolderCreditsDialog::HolderCreditsDialog(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmHolderCredits"));
    setWindowTitle(tr("Credits earned by holders away"));
    const QDate today = m_services.clock.now().date();
    dtpFrom = new DateBox(this);
    dtpFrom->setObjectName(QStringLiteral("dtpFrom"));
    dtpFrom->setDate(QDate(today.year(), 1, 1));
    dtpTo = new DateBox(this);
    dtpTo->setObjectName(QStringLiteral("dtpTo"));
    dtpTo->setDate(today);
    auto* cmdShow = new QPushButton(tr("&Show"), this);
    cmdShow->setObjectName(QStringLiteral("cmdShow"));
    cmdShow->setDefault(true);
    grdCredits = new QTableWidget(0, 5, this);
    grdCredits->setObjectName(QStringLiteral("grdCredits"));
    grdCredits->setHorizontalHeaderLabels(
        {tr("Date"), tr("Contract"), tr("Holder"), tr("Visitor's booking"), tr("Credit")});
    grdCredits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCredits->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdCredits->horizontalHeader()->setStretchLastSection(true);
    lblTotal = new QLabel(this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(SmallDialog::line({{tr("&From:"), dtpFrom}, {tr("&To:"), dtpTo}}, cmdShow));
    layout->addWidget(grdCredits, 1);
    layout->addWidget(lblTotal);
    layout->addWidget(SmallDialog::foot(this, {{tr("&Close"), QStringLiteral("cmdClose")}}));
    connect(cmdShow, &QPushButton::clicked, this, &HolderCreditsDialog::read);
    resize(720, 420);
}

QPushButton* HolderCreditsDialog::opener(Services& services, QWidget* parent)
{
    return SmallDialog::opener(tr("C&redits..."), QStringLiteral("cmdCredits"), parent, [&services, parent] {
        HolderCreditsDialog dialog(services, parent);
        dialog.read();
        dialog.exec();
    });
}

void HolderCreditsDialog::read()
{
    if (!dtpFrom->commitTyped() || !dtpTo->commitTyped())
        return;
    const auto rows = HolderCredits::list(m_services.db(), dtpFrom->date(), dtpTo->date());
    if (!rows) {
        m_services.messages.show(rows.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    grdCredits->setRowCount(0);
    Money total;
    for (const HolderCredits::Row& r : *rows) {
        const int row = grdCredits->rowCount();
        grdCredits->insertRow(row);
        const QStringList cells{DateTimes::dateText(r.at.date()), QString::number(r.contractId), r.holder,
                                tr("%1 (%2)").arg(r.bookingId).arg(r.visitor), r.amount.formatGrouped()};
        for (int column = 0; column < cells.size(); ++column)
            grdCredits->setItem(row, column, new QTableWidgetItem(cells[column]));
        total += r.amount;
    }
    grdCredits->resizeColumnsToContents();
    lblTotal->setText(tr("%n credit(s), %1 in all", nullptr, int(rows->size())).arg(total.formatGrouped()));
}
