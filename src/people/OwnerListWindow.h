#pragma once

#include "people/PeopleListWindow.h"

class IWindowHost;

/// Every owner of berths in a grid, with add, view/edit and delete (a child window of the main frame).
class OwnerListWindow final : public PeopleListWindow
{
    Q_OBJECT
public:
    /// The window's object name, by which the host finds the one open list.
    static inline const QString WindowName = QStringLiteral("frmViewOwners");
    explicit OwnerListWindow(Services& services, QWidget* parent = nullptr);

    /// Opens the list in the host's frame, or brings the open one to the front (there is only ever one).
    static OwnerListWindow* display(IWindowHost& host, Services& services);

protected:
    void openRecord(RecordMode mode, int id) override;
    bool deleteRecord(int id, QString* error) override;
    int deletedEvent() const override;
};
