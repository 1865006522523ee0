#include "people/frmViewCustomers.h"

#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"
#include "people/frmAddCustomer.h"

frmViewCustomers::frmViewCustomers(Services& services, QWidget* parent)
    : PeopleListWindow(services, PeopleLists::Customers(),
                       {QStringLiteral("frmViewCustomers"), QStringLiteral("Customers"), QStringLiteral("grdCustomer"),
                        QStringLiteral("cmdAddCustomer"), QStringLiteral("Add Customer"),
                        QStringLiteral("cmdEditCustomer"), QStringLiteral("View/Edit Customer"),
                        QStringLiteral("cmdDeleteCustomer"), QStringLiteral("Delete Customer")},
                       parent)
{
}

frmViewCustomers* frmViewCustomers::Display(IWindowHost& host, Services& services)
{
    return ShowOnce<frmViewCustomers>(host, services);
}

void frmViewCustomers::OpenRecord(RecordMode mode, int id)
{
    frmAddCustomer dialog(m_services, this);
    dialog.Display(mode, id);
}

bool frmViewCustomers::DeleteRecord(int id, QString* error)
{
    return modFunctions::DeleteCustomer(m_services.Db(), id, m_services.messages, error);
}

int frmViewCustomers::DeletedEvent() const
{
    return modEventLog::CustomerDeleted;
}
