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
    /// berths: what goes with a owner (the berths folder counts and removes them).
    OwnerListWindow(Services& services, Removal::Dependents berths, QWidget* parent = nullptr);

    /// Opens the list in the host's frame, or brings the open one to the front (there is only ever one).
    static OwnerListWindow* display(IWindowHost& host, Services& services, const Removal::Dependents& berths);

protected:
    void openRecord(RecordMode mode, int id) override;
    Result<Removal::Question> askRemove(int id) const override;
    Status remove(int id, int asked) override;
    int deletedEvent() const override;

private:
    Removal::Dependents m_berths;
};
