#include "people/frmFindCustomer.h"

#include "core/ListCursor.h"
#include "core/Seams.h"
#include "core/modFunctions.h"
#include "core/modLog.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/ReadErrorLine.h"
#include "core/ui/RecordGrid.h"
#include "core/ui/Twips.h"
#include "people/PeopleRecords.h"
#include "people/PeopleWidgets.h"
#include "people/frmAddCustomer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
// Once results are shown the window keeps at least this size (twips), so the grid stays usable.
constexpr int MinimumWidthTwips = 9000;
constexpr int MinimumHeightTwips = 7500;

} // namespace

frmFindCustomer::frmFindCustomer(Services& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_model(new CustomerSearchModel(this))
{
    setObjectName(QStringLiteral("frmFindCustomer"));
    setWindowTitle(QStringLiteral("Find Customer"));
    setModal(true);

    // Two columns of five boxes: the left column first, so the tab order runs down it and then down the right.
    auto* fields = new QGridLayout;
    auto* form = new QWidget(this);
    form->setLayout(fields);
    for (int f = 0; f < CustomerCriteria::FieldCount; ++f) {
        // The search boxes are the customer dialog's, in the same order (CustomerCriteria::Field).
        const auto& box = PeopleFields::Customer[f];
        m_boxes[f] = PeopleWidgets::AddTextBox(fields, f % 5, QString::fromUtf16(box.box),
                                               QString::fromUtf16(box.caption), box.maxLength, f < 5 ? 0 : 2);
    }
    m_chkClubMember = new QCheckBox(QStringLiteral("Club Member"), form);
    m_chkClubMember->setObjectName(QStringLiteral("chkClubMember"));
    m_chkClubMember->setTristate(true);
    m_chkClubMember->setCheckState(Qt::PartiallyChecked);
    fields->addWidget(m_chkClubMember, 5, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto* cmdStart = new QPushButton(QStringLiteral("&Start Search"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    auto* cmdColse = new QPushButton(QStringLiteral("&Close"), this);
    cmdColse->setObjectName(QStringLiteral("cmdColse"));
    auto* cmdAddCustomer = new QPushButton(QStringLiteral("Add Customer"), this);
    cmdAddCustomer->setObjectName(QStringLiteral("cmdAddCustomer"));
    auto* cmdEditCustomer = new QPushButton(QStringLiteral("View/Edit Customer"), this);
    cmdEditCustomer->setObjectName(QStringLiteral("cmdEditCustomer"));
    auto* cmdDeleteCustomer = new QPushButton(QStringLiteral("Delete Customer"), this);
    cmdDeleteCustomer->setObjectName(QStringLiteral("cmdDeleteCustomer"));
    connect(cmdStart, &QPushButton::clicked, this, &frmFindCustomer::StartSearch);
    connect(cmdColse, &QPushButton::clicked, this, &QDialog::reject); // Escape does the same
    connect(cmdAddCustomer, &QPushButton::clicked, this, &frmFindCustomer::AddCustomer);
    connect(cmdEditCustomer, &QPushButton::clicked, this, &frmFindCustomer::EditCustomer);
    connect(cmdDeleteCustomer, &QPushButton::clicked, this, &frmFindCustomer::DeleteCustomer);

    m_grdCustomer = RecordGrid(QStringLiteral("grdCustomer"), m_model, this);
    m_grdCustomer->verticalHeader()->setDefaultSectionSize(Twips::ToPixelsY(300, this));
    m_grdCustomer->horizontalHeader()->setDefaultSectionSize(Twips::ToPixelsX(1500, this));
    m_grdCustomer->horizontalHeader()->setStretchLastSection(true);
    m_grdCustomer->setColumnHidden(CustomerSearchModel::ColId, true);

    auto* lblMatches = new QLabel(QStringLiteral("Total customer matches:"), this);
    lblMatches->setObjectName(QStringLiteral("lblMatches"));
    m_lblTotalMatches = new QLabel(this);
    m_lblTotalMatches->setObjectName(QStringLiteral("lblTotalMatches"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmdAddCustomer);
    buttons->addWidget(cmdEditCustomer);
    buttons->addWidget(cmdDeleteCustomer);
    buttons->addStretch(1);
    buttons->addWidget(cmdColse);
    auto* count = new QHBoxLayout;
    count->addWidget(lblMatches);
    count->addWidget(m_lblTotalMatches);
    count->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addLayout(buttons);
    m_readError = new ReadErrorLine(this);
    layout->addWidget(m_readError);
    layout->addWidget(m_grdCustomer, 1);
    layout->addLayout(count);
    resize(Twips::ToPixelsX(MinimumWidthTwips, this), Twips::ToPixelsY(6000, this));

    FocusNextControl::Install(this);
}

void frmFindCustomer::Display(Services& services, QWidget* parent)
{
    frmFindCustomer window(services, parent);
    window.Load();
    window.exec();
}

bool frmFindCustomer::Load()
{
    QString error;
    const bool ok = m_model->Load(m_services.Db(), &error);
    if (!ok)
        modLog::LogMessage(3, QStringLiteral("%s.Form_Load: %s"), {objectName(), error});
    m_readError->ShowError(ok ? QString() : error);
    m_searched = false;
    SetCurrentRow(m_model->rowCount() > 0 ? 0 : -1);
    return ok;
}

CustomerCriteria frmFindCustomer::Criteria() const
{
    CustomerCriteria criteria;
    for (int f = 0; f < CustomerCriteria::FieldCount; ++f)
        criteria.texts[f] = m_boxes[f]->text();
    switch (m_chkClubMember->checkState()) {
    case Qt::Checked:
        criteria.club = CustomerCriteria::Club::Ticked;
        break;
    case Qt::Unchecked:
        criteria.club = CustomerCriteria::Club::Clear;
        break;
    case Qt::PartiallyChecked:
        criteria.club = CustomerCriteria::Club::Undecided;
        break;
    }
    return criteria;
}

void frmFindCustomer::StartSearch()
{
    // Every search starts again from all loaded customers.
    if (!m_model->Apply(Criteria())) {
        // Nothing asked for: every customer is shown and the count keeps its text.
        SetCurrentRow(m_model->rowCount() > 0 ? 0 : -1);
        return;
    }
    m_lblTotalMatches->setText(QString::number(m_model->rowCount()));
    SetCurrentRow(m_model->rowCount() > 0 ? 0 : -1);
    if (!m_searched) {
        m_searched = true;
        setMinimumSize(Twips::ToPixelsX(MinimumWidthTwips, this), Twips::ToPixelsY(MinimumHeightTwips, this));
        if (width() < minimumWidth() || height() < minimumHeight())
            resize(qMax(width(), minimumWidth()), qMax(height(), minimumHeight()));
    }
}

int frmFindCustomer::CurrentRow() const
{
    const QModelIndex current = m_grdCustomer->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void frmFindCustomer::SetCurrentRow(int row)
{
    if (row < 0) {
        m_grdCustomer->setCurrentIndex({});
        return;
    }
    m_grdCustomer->setCurrentIndex(m_model->index(row, CustomerSearchModel::ColName));
    m_grdCustomer->selectRow(row);
}

void frmFindCustomer::AddCustomer()
{
    // The loaded set is not refreshed: a new customer shows when the search is opened again.
    frmAddCustomer dialog(m_services, this);
    dialog.Display(RecordMode::Add, 0);
}

void frmFindCustomer::EditCustomer()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    frmAddCustomer dialog(m_services, this);
    dialog.Display(RecordMode::Edit, m_model->IdAt(row));
}

void frmFindCustomer::DeleteCustomer()
{
    const int row = CurrentRow();
    if (row < 0)
        return;
    QString error;
    if (!modFunctions::DeleteCustomer(m_services.Db(), m_model->IdAt(row), m_services.messages, &error)) {
        if (!error.isEmpty())
            m_services.messages.Show(QStringLiteral("The customer could not be deleted: ") + error, windowTitle(),
                                     MsgIcon::Critical);
        return;
    }
    m_model->Remove(row);
    if (m_searched)
        m_lblTotalMatches->setText(QString::number(m_model->rowCount()));
    SetCurrentRow(ListCursor::RowAfterDelete(row, m_model->rowCount()));
}
