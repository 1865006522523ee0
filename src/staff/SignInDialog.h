#pragma once

#include "staff/Roles.h"
#include "staff/StaffStore.h"

#include <QDialog>
#include <optional>

struct Services;
class QLabel;
class QLineEdit;

/// The small box that asks for a sign-in name and a secret: at the start (the password), for a switch of user (the
/// PIN; on a server the password, which the server checks as the desk reconnects as the user's login) and for a
/// manager's approval on the spot (the PIN or the password). A refusal is said in the box, the secret is cleared and
/// the name kept, so the person tries again or cancels.
class SignInDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Purpose
    {
        Start,
        Switch,
        Approve
    };

    /// Signs someone in (Start or Switch): the user, now the one acting at this desk; nothing when cancelled.
    static std::optional<StaffUser> signIn(const Services& services, QWidget* parent, Purpose purpose);
    /// Asks a manager or administrator to approve action for the one acting now; true once approved (recorded).
    static bool approve(const Services& services, QWidget* parent, Action action);

private:
    SignInDialog(const Services& services, Purpose purpose, Action action, QWidget* parent);
    void tryToSignIn();
    bool onServer() const;

    const Services& m_services;
    Purpose m_purpose;
    Action m_action;
    QLineEdit* m_txtSignInName;
    QLineEdit* m_txtSecret;
    QLabel* m_lblError;
    std::optional<StaffUser> m_user;
};
