#include "people/frmViewOwners.h"

#include "core/Seams.h"
#include "core/modEventLog.h"
#include "core/modFunctions.h"
#include "people/frmAddOwner.h"

frmViewOwners::frmViewOwners(Services& services, QWidget* parent)
    : PeopleListWindow(services, PeopleLists::Owners(),
                       {QStringLiteral("frmViewOwners"), QStringLiteral("Owners"), QStringLiteral("grdOwners"),
                        QStringLiteral("cmdAddOwner"), QStringLiteral("Add Owner"), QStringLiteral("cmdEditOwner"),
                        QStringLiteral("View/Edit Owner"), QStringLiteral("cmdDeleteOwner"),
                        QStringLiteral("Delete Owner")},
                       parent)
{
}

frmViewOwners* frmViewOwners::Display(IWindowHost& host, Services& services)
{
    return ShowOnce<frmViewOwners>(host, services);
}

void frmViewOwners::OpenRecord(RecordMode mode, int id)
{
    frmAddOwner dialog(m_services, this);
    dialog.Display(mode, id);
}

bool frmViewOwners::DeleteRecord(int id, QString* error)
{
    return modFunctions::DeleteOwner(m_services.Db(), id, m_services.messages, error);
}

int frmViewOwners::DeletedEvent() const
{
    return modEventLog::OwnerDeleted;
}
