#include "people/CustomerListWindow.h"
#include "core/Dialect.h"

#include "core/EventLog.h"
#include "core/Seams.h"
#include "people/CustomerDialog.h"

CustomerListWindow::CustomerListWindow(Services& services, Removal::Dependents bookings, QWidget* parent)
    : PeopleListWindow(services, PeopleLists::customers(Dialect::of(services.db())),
                       {WindowName, tr("Customers"), QStringLiteral("grdCustomer"), QStringLiteral("cmdAddCustomer"),
                        tr("&Add Customer"), QStringLiteral("cmdEditCustomer"), tr("View/&Edit Customer"),
                        QStringLiteral("cmdDeleteCustomer"), tr("&Delete Customer")},
                       parent),
      m_bookings(std::move(bookings))
{
}

CustomerListWindow* CustomerListWindow::display(IWindowHost& host, Services& services,
                                                const Removal::Dependents& bookings)
{
    return showOnce<CustomerListWindow>(host, services, bookings);
}

void CustomerListWindow::openRecord(RecordMode mode, int id)
{
    CustomerDialog dialog(m_services, this);
    dialog.display(mode, id);
}

Result<Removal::Question> CustomerListWindow::askRemove(int id) const
{
    return CustomerStore::askRemove(m_services.db(), id, m_bookings);
}

Status CustomerListWindow::remove(int id, int asked)
{
    return CustomerStore::remove(m_services.db(), id, asked, m_bookings);
}

int CustomerListWindow::deletedEvent() const
{
    return EventLog::CustomerDeleted;
}
