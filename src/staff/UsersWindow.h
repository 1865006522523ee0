#pragma once

#include "staff/StaffStore.h"

#include <QDialog>

struct Services;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

/// Configure › Users: the administrator adds, edits, deactivates and removes users, gives new passwords and PINs,
/// and says in the table beside them what each role may do. The idle time before the program locks is set here.
class UsersWindow final : public QDialog
{
    Q_OBJECT
public:
    UsersWindow(Services& services, QWidget* parent);

    /// Opens the window once the one acting now may manage users (or a manager approved it).
    static void display(Services& services, QWidget* parent);

private:
    void loadUsers();
    void loadPermissions();
    std::optional<StaffUser> selected() const;
    void addUser();
    void editUser();
    void newSecret(bool password);
    void removeUser();
    void permissionChanged(QTableWidgetItem* item);
    void tell(const QString& text);

    Services& m_services;
    QList<StaffUser> m_users;
    QTableWidget* m_grdUsers;
    QTableWidget* m_grdPermissions;
    QSpinBox* m_spnIdleMinutes;
    bool m_loading = false;
};
