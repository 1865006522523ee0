#include "people/OwnerListWindow.h"

#include "core/EventLog.h"
#include "core/Seams.h"
#include "core/modFunctions.h"
#include "people/OwnerDialog.h"

OwnerListWindow::OwnerListWindow(Services& services, QWidget* parent)
    : PeopleListWindow(services, PeopleLists::owners(),
                       {WindowName, QStringLiteral("Owners"), QStringLiteral("grdOwners"),
                        QStringLiteral("cmdAddOwner"), QStringLiteral("Add Owner"), QStringLiteral("cmdEditOwner"),
                        QStringLiteral("View/Edit Owner"), QStringLiteral("cmdDeleteOwner"),
                        QStringLiteral("Delete Owner")},
                       parent)
{
}

OwnerListWindow* OwnerListWindow::display(IWindowHost& host, Services& services)
{
    return showOnce<OwnerListWindow>(host, services);
}

void OwnerListWindow::openRecord(RecordMode mode, int id)
{
    OwnerDialog dialog(m_services, this);
    dialog.display(mode, id);
}

bool OwnerListWindow::deleteRecord(int id, QString* error)
{
    return modFunctions::deleteOwner(m_services.db(), id, m_services.messages, error);
}

int OwnerListWindow::deletedEvent() const
{
    return EventLog::OwnerDeleted;
}
