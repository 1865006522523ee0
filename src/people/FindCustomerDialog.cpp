#include "people/FindCustomerDialog.h"

#include "core/ListCursor.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "core/ui/FocusNextControl.h"
#include "core/ui/ReadErrorLine.h"
#include "core/ui/RecordGrid.h"
#include "core/ui/Twips.h"
#include "people/CustomerDialog.h"
#include "people/PeopleRecords.h"
#include "people/PeopleWidgets.h"
#include "staff/ApprovalDialog.h"

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

FindCustomerDialog::FindCustomerDialog(Services& services, Removal::Dependents bookings, QWidget* parent)
    : QDialog(parent), m_services(services), m_bookings(std::move(bookings)), m_model(new CustomerSearchModel(this))
{
    setObjectName(QStringLiteral("frmFindCustomer"));
    setWindowTitle(tr("Find Customer"));
    setModal(true);

    // The any-part box comes first: a clerk who knows only a piece of the name starts typing at once.
    m_txtAnyPart = new QLineEdit(this);
    m_txtAnyPart->setObjectName(QStringLiteral("txtAnyPart"));
    m_txtAnyPart->setMaxLength(100);
    m_txtAnyPart->setPlaceholderText(tr("any part of the name, house name, town, post code, phone or e-mail"));
    m_txtAnyPart->setClearButtonEnabled(true);
    auto* lblAnyPart = new QLabel(tr("&Any part:"), this);
    lblAnyPart->setBuddy(m_txtAnyPart);
    // The any-part box searches as the person types; the other boxes wait for Start Search.
    connect(m_txtAnyPart, &QLineEdit::textChanged, this, &FindCustomerDialog::startSearch);
    auto* anyPart = new QHBoxLayout;
    anyPart->addWidget(lblAnyPart);
    anyPart->addWidget(m_txtAnyPart, 1);

    // Two columns of five boxes: the left column first, so the tab order runs down it and then down the right.
    auto* fields = new QGridLayout;
    auto* form = new QWidget(this);
    form->setLayout(fields);
    for (int f = 0; f < CustomerCriteria::FieldCount; ++f) {
        // The search boxes are the customer dialog's, in the same order (CustomerCriteria::Field).
        const auto& box = PeopleFields::Customer[f];
        m_boxes[f] = PeopleWidgets::addTextBox(fields, f % 5, QString::fromUtf16(box.box), box.captionText(),
                                               box.maxLength, f < 5 ? 0 : 2);
    }
    m_chkClubMember = new QCheckBox(tr("Club Member"), form);
    m_chkClubMember->setObjectName(QStringLiteral("chkClubMember"));
    m_chkClubMember->setTristate(true);
    m_chkClubMember->setCheckState(Qt::PartiallyChecked);
    fields->addWidget(m_chkClubMember, 5, 3);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    auto* cmdStart = new QPushButton(tr("&Start Search"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    auto* cmdColse = new QPushButton(tr("&Close"), this);
    cmdColse->setObjectName(QStringLiteral("cmdColse"));
    auto* cmdAddCustomer = new QPushButton(tr("Add Customer"), this);
    cmdAddCustomer->setObjectName(QStringLiteral("cmdAddCustomer"));
    auto* cmdEditCustomer = new QPushButton(tr("View/Edit Customer"), this);
    cmdEditCustomer->setObjectName(QStringLiteral("cmdEditCustomer"));
    auto* cmdDeleteCustomer = new QPushButton(tr("Delete Customer"), this);
    cmdDeleteCustomer->setObjectName(QStringLiteral("cmdDeleteCustomer"));
    connect(cmdStart, &QPushButton::clicked, this, &FindCustomerDialog::startSearch);
    connect(cmdColse, &QPushButton::clicked, this, &QDialog::reject); // Escape does the same
    connect(cmdAddCustomer, &QPushButton::clicked, this, &FindCustomerDialog::addCustomer);
    connect(cmdEditCustomer, &QPushButton::clicked, this, &FindCustomerDialog::editCustomer);
    connect(cmdDeleteCustomer, &QPushButton::clicked, this, &FindCustomerDialog::deleteCustomer);

    m_grdCustomer = recordGrid(QStringLiteral("grdCustomer"), m_model, this);
    m_grdCustomer->verticalHeader()->setDefaultSectionSize(Twips::toPixelsY(300, this));
    m_grdCustomer->horizontalHeader()->setDefaultSectionSize(Twips::toPixelsX(1500, this));
    fitColumns(m_grdCustomer);
    m_grdCustomer->horizontalHeader()->setStretchLastSection(true);
    m_grdCustomer->setColumnHidden(CustomerSearchModel::ColId, true);

    auto* lblMatches = new QLabel(tr("Total customer matches:"), this);
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
    layout->addLayout(anyPart);
    layout->addWidget(form);
    layout->addLayout(buttons);
    m_readError = new ReadErrorLine(this);
    layout->addWidget(m_readError);
    layout->addWidget(m_grdCustomer, 1);
    layout->addLayout(count);
    resize(Twips::toPixelsX(MinimumWidthTwips, this), Twips::toPixelsY(6000, this));

    FocusNextControl::install(this);
}

void FindCustomerDialog::display(Services& services, const Removal::Dependents& bookings, QWidget* parent,
                                 const QString& anyPart)
{
    FindCustomerDialog window(services, bookings, parent);
    window.load();
    window.m_txtAnyPart->setText(anyPart.trimmed());
    window.m_txtAnyPart->setFocus();
    window.exec();
}

bool FindCustomerDialog::load()
{
    const Status read = m_model->load(m_services.db());
    if (!read)
        MessageLog::logError(QStringLiteral("%1.Form_Load: %2").arg(objectName(), read.error()));
    m_readError->showError(read.error());
    m_loaded = read.ok();
    m_searched = false;
    setCurrentRow(m_model->rowCount() > 0 ? 0 : -1);
    return read.ok();
}

CustomerCriteria FindCustomerDialog::criteria() const
{
    CustomerCriteria criteria;
    for (int f = 0; f < CustomerCriteria::FieldCount; ++f)
        criteria.texts[f] = m_boxes[f]->text();
    criteria.anyPart = m_txtAnyPart->text();
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

void FindCustomerDialog::startSearch()
{
    const CustomerCriteria asked = criteria();
    std::vector<int> anyPartIds;
    if (!asked.anyPart.trimmed().isEmpty()) {
        auto found = customersWithAnyPart(m_services.db(), asked.anyPart);
        if (!found) {
            MessageLog::logError(QStringLiteral("%1.startSearch: %2").arg(objectName(), found.error()));
            m_readError->showError(found.error());
            return;
        }
        anyPartIds = std::move(*found);
    }
    if (m_loaded)
        m_readError->clearError(); // a failed search's reason goes; a failed load's stays
    // Every search starts again from all loaded customers.
    if (!m_model->apply(asked, anyPartIds)) {
        // Nothing asked for: every customer is shown and the count keeps its text.
        setCurrentRow(m_model->rowCount() > 0 ? 0 : -1);
        return;
    }
    m_lblTotalMatches->setText(QString::number(m_model->rowCount()));
    setCurrentRow(m_model->rowCount() > 0 ? 0 : -1);
    if (!m_searched) {
        m_searched = true;
        setMinimumSize(Twips::toPixelsX(MinimumWidthTwips, this), Twips::toPixelsY(MinimumHeightTwips, this));
        if (width() < minimumWidth() || height() < minimumHeight())
            resize(qMax(width(), minimumWidth()), qMax(height(), minimumHeight()));
    }
}

int FindCustomerDialog::currentRow() const
{
    const QModelIndex current = m_grdCustomer->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FindCustomerDialog::setCurrentRow(int row)
{
    if (row < 0) {
        m_grdCustomer->setCurrentIndex({});
        return;
    }
    m_grdCustomer->setCurrentIndex(m_model->index(row, CustomerSearchModel::ColName));
    m_grdCustomer->selectRow(row);
}

void FindCustomerDialog::addCustomer()
{
    // The loaded set is not refreshed: a new customer shows when the search is opened again.
    CustomerDialog dialog(m_services, this);
    dialog.display(RecordMode::Add, 0);
}

void FindCustomerDialog::editCustomer()
{
    const int row = currentRow();
    if (row < 0)
        return;
    CustomerDialog dialog(m_services, this);
    dialog.display(RecordMode::Edit, m_model->idAt(row));
}

void FindCustomerDialog::deleteCustomer()
{
    const int row = currentRow();
    if (row < 0 || !Permission::askOrApprove(m_services, this, Action::DeleteRecords))
        return;
    const int id = m_model->idAt(row);
    const Status removed = PeopleWidgets::confirmAndRemove(
        m_services.messages, CustomerStore::askRemove(m_services.db(), id, m_bookings),
        [&](int asked) { return CustomerStore::remove(m_services.db(), id, asked, m_bookings); });
    if (!removed) {
        if (removed.kind() != FailureKind::Cancelled && !removed.error().isEmpty())
            m_services.messages.show(tr("The customer could not be deleted: %1").arg(removed.error()), windowTitle(),
                                     MsgIcon::Critical);
        return;
    }
    m_model->remove(row);
    if (m_searched)
        m_lblTotalMatches->setText(QString::number(m_model->rowCount()));
    setCurrentRow(ListCursor::rowAfterDelete(row, m_model->rowCount()));
}
