#include "people/CustomerListWindow.h"

#include "core/EventLog.h"
#include "core/Seams.h"
#include "core/modFunctions.h"
#include "people/CustomerDialog.h"

CustomerListWindow::CustomerListWindow(Services& services, QWidget* parent)
    : PeopleListWindow(services, PeopleLists::customers(),
                       {WindowName, QStringLiteral("Customers"), QStringLiteral("grdCustomer"),
                        QStringLiteral("cmdAddCustomer"), QStringLiteral("Add Customer"),
                        QStringLiteral("cmdEditCustomer"), QStringLiteral("View/Edit Customer"),
                        QStringLiteral("cmdDeleteCustomer"), QStringLiteral("Delete Customer")},
                       parent)
{
}

CustomerListWindow* CustomerListWindow::display(IWindowHost& host, Services& services)
{
    return showOnce<CustomerListWindow>(host, services);
}

void CustomerListWindow::openRecord(RecordMode mode, int id)
{
    CustomerDialog dialog(m_services, this);
    dialog.display(mode, id);
}

bool CustomerListWindow::deleteRecord(int id, QString* error)
{
    return modFunctions::deleteCustomer(m_services.db(), id, m_services.messages, error);
}

int CustomerListWindow::deletedEvent() const
{
    return EventLog::CustomerDeleted;
}
