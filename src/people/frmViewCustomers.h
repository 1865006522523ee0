#pragma once

#include "people/PeopleListWindow.h"

class IWindowHost;

/// Every customer in a grid, with add, view/edit and delete (a child window of the main frame).
class frmViewCustomers final : public PeopleListWindow
{
    Q_OBJECT
public:
    explicit frmViewCustomers(Services& services, QWidget* parent = nullptr);

    /// Opens the list in the host's frame, or brings the open one to the front (there is only ever one).
    static frmViewCustomers* Display(IWindowHost& host, Services& services);

protected:
    void OpenRecord(RecordMode mode, int id) override;
    bool DeleteRecord(int id, QString* error) override;
    int DeletedEvent() const override;
};
