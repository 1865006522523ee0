#include "people/OwnerListWindow.h"

#include "core/EventLog.h"
#include "core/Seams.h"
#include "people/OwnerDialog.h"

OwnerListWindow::OwnerListWindow(Services& services, Removal::Dependents berths, QWidget* parent)
    : PeopleListWindow(services, PeopleLists::owners(),
                       {WindowName, tr("Owners"), QStringLiteral("grdOwners"), QStringLiteral("cmdAddOwner"),
                        tr("&Add Owner"), QStringLiteral("cmdEditOwner"), tr("View/&Edit Owner"),
                        QStringLiteral("cmdDeleteOwner"), tr("&Delete Owner")},
                       parent),
      m_berths(std::move(berths))
{
}

OwnerListWindow* OwnerListWindow::display(IWindowHost& host, Services& services, const Removal::Dependents& berths)
{
    return showOnce<OwnerListWindow>(host, services, berths);
}

void OwnerListWindow::openRecord(RecordMode mode, int id)
{
    OwnerDialog dialog(m_services, this);
    dialog.display(mode, id);
}

Result<Removal::Question> OwnerListWindow::askRemove(int id) const
{
    return OwnerStore::askRemove(m_services.db(), id, m_berths);
}

Status OwnerListWindow::remove(int id, int asked)
{
    return OwnerStore::remove(m_services.db(), id, asked, m_berths);
}

int OwnerListWindow::deletedEvent() const
{
    return EventLog::OwnerDeleted;
}
