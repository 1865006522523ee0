#include "bookings/BookingCustomerPanel.h"

#include "bookings/BookingStore.h"
#include "bookings/BookingWizardParts.h"
#include "core/MessageLog.h"
#include "core/Seams.h"
#include "people/CustomerDialog.h"
#include "people/NamePicker.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

BookingCustomerPanel::BookingCustomerPanel(Services& services, QWidget* page) : QObject(page), m_services(services)
{
    cboCustomer = new NamePicker(services, page);
    cboCustomer->setObjectName(QStringLiteral("cboCustomer"));
    cboCustomer->setMinimumContentsLength(24);
    cmdAddCustomer = new QPushButton(tr("Ne&w..."), page); // Alt+N is the wizard's Next
    cmdAddCustomer->setObjectName(QStringLiteral("cmdAddCustomer"));
    connect(cmdAddCustomer, &QPushButton::clicked, this, &BookingCustomerPanel::add);
}

void BookingCustomerPanel::placeIn(QGridLayout* grid, int row)
{
    grid->addWidget(BookingWizardParts::caption(tr("Select customer:"), cboCustomer->parentWidget()), row, 0);
    grid->addWidget(cboCustomer, row, 1, 1, 2);
    grid->addWidget(cmdAddCustomer, row, 3);
}

void BookingCustomerPanel::load()
{
    const auto customers = BookingStore::customerChoices(m_services.db());
    if (!customers)
        MessageLog::logError(QStringLiteral("frmBooking.LoadCustomers: %1").arg(customers.error()));
    QList<PickerChoices::Choice> fixed;
    if (m_new)
        fixed.append({BookingRecord::NewCustomerId, tr("%1 (new)").arg(m_new->name)});
    cboCustomer->setChoices(PickerChoices::customers(customers.valueOr({})), fixed);
}

void BookingCustomerPanel::offerNew(const std::optional<CustomerRecord>& caller)
{
    m_new = caller;
    load();
    if (m_new)
        select(BookingRecord::NewCustomerId);
}

std::optional<CustomerRecord> BookingCustomerPanel::chosenNew() const
{
    return chosenId() == BookingRecord::NewCustomerId ? m_new : std::nullopt;
}

void BookingCustomerPanel::select(int id)
{
    cboCustomer->setCurrentIndex(cboCustomer->findData(id));
}

int BookingCustomerPanel::chosenId() const
{
    return cboCustomer->currentIndex() < 0 ? 0 : cboCustomer->currentData().toInt();
}

bool BookingCustomerPanel::check(const std::optional<BoatRecord>& boat)
{
    if (cboCustomer->currentIndex() < 0) {
        m_services.messages.show(tr("Please select customer"), BookingWizardParts::title(), MsgIcon::Exclamation,
                                 MsgButtons::Ok);
        cboCustomer->setFocus();
        return false;
    }
    if (boat && boat->id > 0 && boat->customerId != chosenId()) {
        m_services.messages.show(tr("%1 is not a boat of %2. Choose its owner as the customer, or no boat on the "
                                    "berths page.")
                                     .arg(boat->name, cboCustomer->currentText()),
                                 BookingWizardParts::title(), MsgIcon::Exclamation, MsgButtons::Ok);
        cboCustomer->setFocus();
        return false;
    }
    return true;
}

void BookingCustomerPanel::add()
{
    CustomerDialog dialog(m_services, cboCustomer->window());
    const int id = dialog.display(RecordMode::Add, 0);
    if (id == 0)
        return;
    load();
    select(id);
}
