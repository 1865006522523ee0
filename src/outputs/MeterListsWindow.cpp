#include "outputs/MeterListsWindow.h"

#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "outputs/ContractListsWindow.h"
#include "outputs/MeterLists.h"

#include <QComboBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

MeterListsWindow::MeterListsWindow(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmMeterLists"));
    setWindowTitle(tr("Meter lists"));
    cboList = new QComboBox(this);
    cboList->setObjectName(QStringLiteral("cboList"));
    cboList->addItems({tr("Use by berth and month"), tr("Meters not read"), tr("Readings flagged")});
    cboKind = new QComboBox(this);
    cboKind->setObjectName(QStringLiteral("cboKind"));
    for (const Meters::Kind kind : {Meters::Kind::Electricity, Meters::Kind::Water})
        cboKind->addItem(Meters::kindText(kind), int(kind));
    const QDate today = services.clock.now().date();
    dtpFrom = new DateBox(this);
    dtpFrom->setObjectName(QStringLiteral("dtpFrom"));
    dtpFrom->setDate(QDate(today.year(), today.month(), 1).addYears(-1));
    dtpTo = new DateBox(this);
    dtpTo->setObjectName(QStringLiteral("dtpTo"));
    dtpTo->setDate(today);
    txtDays = new QSpinBox(this);
    txtDays->setObjectName(QStringLiteral("txtDays"));
    txtDays->setRange(1, 3650);
    txtDays->setValue(30);
    auto* cmdShow = new QPushButton(tr("&Show"), this);
    cmdShow->setObjectName(QStringLiteral("cmdShow"));
    cmdShow->setAutoDefault(false);
    auto* form = new QFormLayout;
    form->addRow(tr("&List:"), cboList);
    form->addRow(tr("&Kind (use):"), cboKind);
    form->addRow(tr("&From:"), dtpFrom);
    form->addRow(tr("&To:"), dtpTo);
    form->addRow(tr("Not read for more than (&days):"), txtDays);
    form->addRow(cmdShow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    grdList = ContractListsWindow::addOutputs(*this, *layout, m_services, m_list);
    resize(900, 600);
    connect(cboList, &QComboBox::currentIndexChanged, this, &MeterListsWindow::showList);
    connect(cmdShow, &QPushButton::clicked, this, &MeterListsWindow::showList);
}

void MeterListsWindow::display(Services& services, QWidget* parent)
{
    MeterListsWindow window(services, parent);
    window.showList();
    window.exec();
}

void MeterListsWindow::showList()
{
    if (!dtpFrom->commitTyped() || !dtpTo->commitTyped())
        return;
    const QSqlDatabase db = m_services.db();
    const int chosen = cboList->currentIndex();
    cboKind->setEnabled(chosen == 0);
    txtDays->setEnabled(chosen == 1);
    if (chosen != 1 && dtpTo->date() < dtpFrom->date()) {
        m_services.messages.show(tr("The period ends before it starts."), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    Result<ContractLists::List> list =
        chosen == 1 ? MeterLists::notRead(db, m_services.clock.now().date(), txtDays->value())
        : chosen == 2
            ? MeterLists::flagged(db, dtpFrom->date(), dtpTo->date())
            : MeterLists::useByBerth(db, Meters::Kind(cboKind->currentData().toInt()), dtpFrom->date(), dtpTo->date());
    if (!list) {
        if (list.kind() == FailureKind::Database)
            MessageLog::logError(QStringLiteral("frmMeterLists: %1").arg(list.error()));
        m_services.messages.show(list.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    m_list = *list;
    ContractListsWindow::fill(*grdList, m_list);
}
