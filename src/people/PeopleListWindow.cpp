#include "people/PeopleListWindow.h"
#include "people/PeopleWidgets.h"

#include "core/EventLog.h"
#include "core/ListCursor.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/ReadErrorLine.h"
#include "core/ui/RecordGrid.h"
#include "core/ui/Twips.h"
#include "people/PeopleRecords.h"
#include "staff/ApprovalDialog.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

PeopleListWindow::PeopleListWindow(Services& services, const PeopleListDefinition& definition, const Controls& controls,
                                   QWidget* parent)
    : ChildWindow(parent), m_services(services), m_model(new PeopleListModel(definition, this))
{
    setObjectName(controls.window);
    setWindowTitle(controls.title);

    auto* fraMain = new QFrame(this);
    fraMain->setObjectName(QStringLiteral("fraMain"));
    auto* lblFormTitle = new QLabel(controls.title, fraMain);
    lblFormTitle->setObjectName(QStringLiteral("lblFormTitle"));
    QFont titleFont = lblFormTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblFormTitle->setFont(titleFont);
    auto* rule = new QFrame(fraMain);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    m_grid = recordGrid(controls.grid, m_model, fraMain);
    m_grid->setAlternatingRowColors(true);
    m_grid->verticalHeader()->setDefaultSectionSize(Twips::toPixelsY(300, this));
    m_grid->horizontalHeader()->setDefaultSectionSize(Twips::toPixelsX(1600, this));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnHidden(0, true);
    fitColumns(m_grid);

    auto* add = new QPushButton(controls.addCaption, fraMain);
    add->setObjectName(controls.add);
    auto* edit = new QPushButton(controls.editCaption, fraMain);
    edit->setObjectName(controls.edit);
    auto* remove = new QPushButton(controls.removeCaption, fraMain);
    remove->setObjectName(controls.remove);
    connect(add, &QPushButton::clicked, this, &PeopleListWindow::addClicked);
    connect(edit, &QPushButton::clicked, this, &PeopleListWindow::editClicked);
    connect(remove, &QPushButton::clicked, this, &PeopleListWindow::deleteClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    auto* frameLayout = new QVBoxLayout(fraMain);
    frameLayout->addWidget(lblFormTitle);
    frameLayout->addWidget(rule);
    m_readError = new ReadErrorLine(fraMain);
    frameLayout->addWidget(m_readError);
    frameLayout->addWidget(m_grid, 1);
    frameLayout->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fraMain);
    resize(Twips::toPixelsX(12000, this), Twips::toPixelsY(7000, this));

    requeryRst();
}

void PeopleListWindow::requeryRst()
{
    const int row = currentRow();
    const Status read = m_model->requery(m_services.db());
    if (!read)
        MessageLog::logError(QStringLiteral("%1.RequeryRst: %2").arg(objectName(), read.error()));
    m_readError->showError(read.error());
    m_grid->setColumnHidden(0, true);
    m_model->fetchUpTo(row);
    setCurrentRow(ListCursor::rowAfterDelete(qMax(row, 0), m_model->rowCount()));
}

void PeopleListWindow::releaseData()
{
    m_model->clear();
}

int PeopleListWindow::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void PeopleListWindow::setCurrentRow(int row)
{
    if (row < 0) {
        m_grid->setCurrentIndex({});
        return;
    }
    const QModelIndex index = m_model->index(row, 1);
    m_grid->setCurrentIndex(index);
    m_grid->selectRow(row);
    m_grid->scrollTo(index);
}

void PeopleListWindow::addClicked()
{
    openRecord(RecordMode::Add, 0);
    requeryRst();
}

void PeopleListWindow::editClicked()
{
    const int row = currentRow();
    if (row < 0)
        return;
    openRecord(RecordMode::Edit, m_model->idAt(row));
    requeryRst();
}

void PeopleListWindow::deleteClicked()
{
    const int row = currentRow();
    if (row < 0 || !Permission::askOrApprove(m_services, this, Action::DeleteRecords))
        return;
    const int id = m_model->idAt(row);
    const QString details = PeopleEvents::deletedDetails(m_model->valueAt(row, 1), m_model->valueAt(row, 2));
    const Status removed = PeopleWidgets::confirmAndRemove(m_services.messages, askRemove(id),
                                                           [&](int asked) { return remove(id, asked); });
    if (!removed) {
        if (removed.kind() != FailureKind::Cancelled && !removed.error().isEmpty())
            m_services.messages.show(tr("The record could not be deleted: %1").arg(removed.error()), windowTitle(),
                                     MsgIcon::Critical);
        return;
    }
    m_services.events.log(deletedEvent(), details);
    // The cursor stays on the deleted row's position: the next row, or the new last one.
    requeryRst();
}
