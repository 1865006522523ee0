#pragma once

#include "staff/StaffStore.h"

#include <QDialog>
#include <optional>

struct Services;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

/// One user: the first administrator at the first start, a new user, a user's details, or a new password or PIN;
/// or the password of a server's sign-in role.
/// What was typed stays in the boxes when a save is refused, with the reason said in the box.
class UserDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Purpose
    {
        FirstAdministrator, // name, sign-in name, password twice, PIN; the role is administrator
        Add,                // the same with a role
        Edit,               // name, sign-in name, role, active
        Password,           // a new password, twice
        Pin,                // a new PIN, twice
        SignInRole          // on a server, the password of the role desks may start with, twice (none: stopped)
    };

    /// The first administrator, signed in at once; false when the person cancelled (the program then ends).
    static bool addFirstAdministrator(Services& services, QWidget* parent);
    /// Runs the dialog for purpose on user (ignored for Add); true once saved.
    static bool run(Services& services, QWidget* parent, Purpose purpose, const StaffUser& user = {});

private:
    UserDialog(Services& services, Purpose purpose, const StaffUser& user, QWidget* parent);
    void save();
    Status saveNow();
    QLineEdit* addBox(const QString& name, const QString& caption, bool secret);

    Services& m_services;
    Purpose m_purpose;
    StaffUser m_loaded;
    class QFormLayout* m_form;
    QLineEdit* m_txtName = nullptr;
    QLineEdit* m_txtSignInName = nullptr;
    QComboBox* m_cboRole = nullptr;
    QCheckBox* m_chkActive = nullptr;
    QLineEdit* m_txtPassword = nullptr;
    QLineEdit* m_txtPasswordAgain = nullptr;
    QLineEdit* m_txtPin = nullptr;
    QLineEdit* m_txtPinAgain = nullptr;
    QLabel* m_lblError;
};
