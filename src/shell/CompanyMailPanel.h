#pragma once

#include "core/Result.h"

#include <QWidget>

struct Services;
class QCheckBox;
class QComboBox;
class QLineEdit;

/// The office's mail server and sender, beside the company's details: server, port, security, user, password,
/// sender name and address, and how the server's certificate is checked.
class CompanyMailPanel final : public QWidget
{
    Q_OBJECT
public:
    explicit CompanyMailPanel(QWidget* parent);
    /// The panel in a dialog of its own, from the company window's "E-mail server..." button.
    static void display(Services& services, QWidget* parent);

    /// Fills the boxes from the settings (the password box stays empty: a password typed replaces the kept one).
    void load();
    /// Checks and stores what the boxes hold; Refused with the reason (nothing stored) when they do not add up.
    Status save();

private:
    QLineEdit* m_txtHost;
    QLineEdit* m_txtPort;
    QComboBox* m_cboSecurity;
    QLineEdit* m_txtUser;
    QLineEdit* m_txtPassword;
    QLineEdit* m_txtSenderName;
    QLineEdit* m_txtSenderAddress;
    QLineEdit* m_txtCaFile;
    QCheckBox* m_chkAcceptCertificate;
};
