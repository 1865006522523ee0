#include "contracts/AwayDialog.h"

#include "core/DateTimes.h"
#include "core/EventLog.h"
#include "core/Seams.h"
#include "core/ui/DateBox.h"
#include "core/ui/SmallDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

AwayDialog::AwayDialog(Services& services, int contractId, const QString& title, QWidget* parent)
    : QDialog(parent), m_services(services), m_contractId(contractId)
{
    setObjectName(QStringLiteral("frmContractAway"));
    setWindowTitle(tr("Away: %1").arg(title));
    setModal(true);
    grdAway = new QTableWidget(0, 4, this);
    grdAway->setObjectName(QStringLiteral("grdAway"));
    grdAway->setHorizontalHeaderLabels({tr("Away from"), tr("Back on"), tr("Nights"), tr("Note")});
    grdAway->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAway->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdAway->setSelectionMode(QAbstractItemView::SingleSelection);
    grdAway->horizontalHeader()->setStretchLastSection(true);
    dtpAway = new DateBox(this);
    dtpAway->setObjectName(QStringLiteral("dtpAway"));
    dtpBack = new DateBox(this);
    dtpBack->setObjectName(QStringLiteral("dtpBack"));
    txtNote = new QLineEdit(this);
    txtNote->setObjectName(QStringLiteral("txtNote"));
    txtNote->setMaxLength(AwayPeriods::MaxNoteLength);
    const QDate today = m_services.clock.now().date();
    dtpAway->setDate(today);
    dtpBack->setDate(today.addDays(7));
    auto* form = new QFormLayout;
    form->addRow(tr("Away &from:"), dtpAway);
    form->addRow(tr("&Back on:"), dtpBack);
    form->addRow(tr("N&ote:"), txtNote);
    auto* buttons = new QDialogButtonBox(this);
    const auto add = [&](const QString& caption, const char* name, QDialogButtonBox::ButtonRole role) {
        QPushButton* b = buttons->addButton(caption, role);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton* cmdAdd = add(tr("&Add"), "cmdAdd", QDialogButtonBox::ActionRole);
    QPushButton* cmdChange = add(tr("C&hange"), "cmdChange", QDialogButtonBox::ActionRole);
    QPushButton* cmdRemove = add(tr("&Remove"), "cmdRemove", QDialogButtonBox::ActionRole);
    add(tr("&Close"), "cmdClose", QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdAway, 1);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(grdAway, &QTableWidget::itemSelectionChanged, this, &AwayDialog::chosen);
    connect(cmdAdd, &QPushButton::clicked, this, [this] { save(false); });
    connect(cmdChange, &QPushButton::clicked, this, [this] { save(true); });
    connect(cmdRemove, &QPushButton::clicked, this, &AwayDialog::remove);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 380);
}

QPushButton* AwayDialog::opener(Services& services, std::function<std::optional<std::pair<int, QString>>()> chosen,
                                QWidget* parent)
{
    return SmallDialog::opener(tr("Awa&y..."), QStringLiteral("cmdAway"), parent, [&services, chosen, parent] {
        const auto contract = chosen();
        if (!contract)
            return;
        AwayDialog dialog(services, contract->first, contract->second, parent);
        if (const Status read = dialog.load(); !read)
            services.messages.show(read.error(), dialog.windowTitle(), MsgIcon::Exclamation);
        else
            dialog.exec();
    });
}

Status AwayDialog::load()
{
    const auto found = AwayPeriods::list(m_services.db(), m_contractId);
    if (!found)
        return found.failure();
    m_away = *found;
    grdAway->setRowCount(0);
    for (const AwayPeriods::Away& a : std::as_const(m_away)) {
        const int row = grdAway->rowCount();
        grdAway->insertRow(row);
        const QStringList cells{DateTimes::dateText(a.firstDay), DateTimes::dateText(a.returnDay),
                                QString::number(a.nights()), a.note};
        for (int column = 0; column < cells.size(); ++column)
            grdAway->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    grdAway->resizeColumnsToContents();
    return Done{};
}

void AwayDialog::chosen()
{
    const int row = grdAway->currentRow();
    if (row < 0 || row >= m_away.size())
        return;
    dtpAway->setDate(m_away[row].firstDay);
    dtpBack->setDate(m_away[row].returnDay);
    txtNote->setText(m_away[row].note);
}

void AwayDialog::save(bool change)
{
    if (!dtpAway->commitTyped() || !dtpBack->commitTyped())
        return;
    const int row = grdAway->currentRow();
    if (change && (row < 0 || row >= m_away.size())) {
        m_services.messages.show(tr("Choose the absence to change."), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    const AwayPeriods::Away away{change ? m_away[row].id : 0, m_contractId, dtpAway->date(), dtpBack->date(),
                                 txtNote->text()};
    const auto saved = AwayPeriods::save(m_services.db(), away, m_services.clock.now());
    if (!saved) {
        m_services.messages.show(saved.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    m_services.events.log(EventLog::AwayReported,
                          tr("Contract %1: away from %2, back on %3")
                              .arg(m_contractId)
                              .arg(DateTimes::dateText(away.firstDay), DateTimes::dateText(away.returnDay)));
    if (const Status read = load(); !read)
        m_services.messages.show(read.error(), windowTitle(), MsgIcon::Exclamation);
}

void AwayDialog::remove()
{
    const int row = grdAway->currentRow();
    if (row < 0 || row >= m_away.size()) {
        m_services.messages.show(tr("Choose the absence to remove."), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    const AwayPeriods::Away away = m_away[row];
    if (const Status removed = AwayPeriods::remove(m_services.db(), away.id); !removed) {
        m_services.messages.show(removed.error(), windowTitle(), MsgIcon::Exclamation);
        return;
    }
    m_services.events.log(EventLog::AwayRemoved,
                          tr("Contract %1: away from %2, back on %3, removed")
                              .arg(m_contractId)
                              .arg(DateTimes::dateText(away.firstDay), DateTimes::dateText(away.returnDay)));
    if (const Status read = load(); !read)
        m_services.messages.show(read.error(), windowTitle(), MsgIcon::Exclamation);
}
