#include "outputs/ContractListsWindow.h"

#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "core/ui/DocumentRenderer.h"
#include "outputs/CsvExport.h"
#include "outputs/ExportMenu.h"
#include "staff/ApprovalDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
template <typename Box> Box* named(Box* box, const char* name)
{
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

CsvExport::Table ContractListsWindow::tableOf(const ContractLists::List& list)
{
    CsvExport::Table table;
    table.columns = list.columns;
    for (const ContractLists::Value kind : list.kinds)
        table.kinds << (kind == ContractLists::Value::Money ? CsvExport::ValueKind::Money
                        : kind == ContractLists::Value::Day ? CsvExport::ValueKind::DateTime
                                                            : CsvExport::ValueKind::Plain);
    table.rows = list.rows;
    return table;
}

ContractListsWindow::ContractListsWindow(Services& services, QWidget* parent) : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmContractLists"));
    setWindowTitle(tr("Contract lists"));
    cboList = named(new QComboBox(this), "cboList");
    cboList->addItems({tr("Contracts by berth type"), tr("Renewals due"), tr("Instalments due and overdue")});
    dtpFrom = named(new DateBox(this), "dtpFrom");
    dtpTo = named(new DateBox(this), "dtpTo");
    const QDate today = services.clock.now().date();
    dtpFrom->setDate(today);
    dtpTo->setDate(today.addMonths(1));
    auto* cmdShow = named(new QPushButton(tr("&Show"), this), "cmdShow");
    cmdShow->setAutoDefault(false);
    auto* form = new QFormLayout;
    form->addRow(tr("&List:"), cboList);
    form->addRow(tr("&From:"), dtpFrom);
    form->addRow(tr("&To (renewals and instalments):"), dtpTo);
    form->addRow(cmdShow);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    // Every one of these lists names the holders.
    grdList = addOutputs(*this, *layout, m_services, m_list,
                         [this] { return Permission::askOrApprove(m_services, this, Action::PersonalExports); });
    resize(1000, 600);
    connect(cboList, &QComboBox::currentIndexChanged, this, &ContractListsWindow::showList);
    connect(cmdShow, &QPushButton::clicked, this, &ContractListsWindow::showList);
}

QTableWidget* ContractListsWindow::addOutputs(QDialog& window, QVBoxLayout& layout, Services& services,
                                              const ContractLists::List& list, const std::function<bool()>& mayExport)
{
    auto* grid = named(new QTableWidget(&window), "grdList");
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setTabKeyNavigation(false);
    auto* cmdPrint = named(new QPushButton(tr("&Print..."), &window), "cmdPrint");
    auto* cmdExport = named(new QPushButton(tr("&Export CSV..."), &window), "cmdExport");
    auto* cmdClose = named(new QPushButton(tr("&Close"), &window), "cmdClose");
    for (QPushButton* b : {cmdPrint, cmdExport, cmdClose})
        b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdExport);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    layout.addWidget(grid, 1);
    layout.addLayout(buttons);
    connect(cmdPrint, &QPushButton::clicked, &window, [&window, &services, &list] {
        DocumentRenderer::preview(ContractLists::printed(list), &window, &services,
                                  list.fileName + QStringLiteral(".pdf"));
    });
    connect(cmdExport, &QPushButton::clicked, &window, [&window, &services, &list, mayExport] {
        if (!mayExport || mayExport())
            ExportMenu::exportTable(services, tableOf(list), list.fileName, window.windowTitle());
    });
    connect(cmdClose, &QPushButton::clicked, &window, &QDialog::accept);
    return grid;
}

void ContractListsWindow::display(Services& services, QWidget* parent)
{
    ContractListsWindow window(services, parent);
    window.showList();
    window.exec();
}

void ContractListsWindow::showList()
{
    if (!dtpFrom->commitTyped() || !dtpTo->commitTyped())
        return;
    const QSqlDatabase db = m_services.db();
    const QDate today = m_services.clock.now().date();
    Result<ContractLists::List> list = ContractLists::byBerthType(db);
    if (cboList->currentIndex() == 1)
        list = ContractLists::renewalsDue(db, dtpFrom->date(), dtpTo->date());
    else if (cboList->currentIndex() == 2)
        list = ContractLists::instalmentsDue(db, today, dtpTo->date());
    if (!list) {
        if (list.kind() == FailureKind::Database)
            MessageLog::logError(QStringLiteral("frmContractLists: %1").arg(list.error()));
        m_services.messages.show(list.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    m_list = *list;
    fill(*grdList, m_list);
}

void ContractListsWindow::fill(QTableWidget& grid, const ContractLists::List& list)
{
    grid.clear();
    grid.setColumnCount(int(list.columns.size()));
    grid.setHorizontalHeaderLabels(list.columns);
    grid.setRowCount(int(list.rows.size()));
    for (int row = 0; row < int(list.rows.size()); ++row)
        for (int column = 0; column < int(list.columns.size()); ++column) {
            auto* item = new QTableWidgetItem(ContractLists::shown(list.rows[row].value(column), list.kinds[column]));
            if (list.kinds[column] == ContractLists::Value::Money)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid.setItem(row, column, item);
        }
    grid.resizeColumnsToContents();
}
