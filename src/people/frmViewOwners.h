#pragma once

#include "people/PeopleListWindow.h"

class IWindowHost;

/// Every owner of berths in a grid, with add, view/edit and delete (a child window of the main frame).
class frmViewOwners final : public PeopleListWindow
{
    Q_OBJECT
public:
    explicit frmViewOwners(Services& services, QWidget* parent = nullptr);

    /// Opens the list in the host's frame, or brings the open one to the front (there is only ever one).
    static frmViewOwners* Display(IWindowHost& host, Services& services);

protected:
    void OpenRecord(RecordMode mode, int id) override;
    bool DeleteRecord(int id, QString* error) override;
    int DeletedEvent() const override;
};
