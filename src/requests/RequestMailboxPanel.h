#pragma once

#include <QWidget>

struct Services;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

/// The requests' settings: the mailbox the web page's form mails to (server, port, security, user, password,
/// folder), how often the gateway desk reads it, and how long a hold keeps its berth.
class RequestMailboxPanel final : public QWidget
{
    Q_OBJECT
public:
    RequestMailboxPanel(Services& services, QWidget* parent);
    /// Keeps the settings typed and hands them to the running desk; false (the user told why, nothing lost) when
    /// refused.
    bool save();

private:
    Services& m_services;
    QLineEdit* m_txtHost;
    QSpinBox* m_spnPort;
    QComboBox* m_cboSecurity;
    QLineEdit* m_txtUser;
    QLineEdit* m_txtPassword;
    QLineEdit* m_txtFolder;
    QCheckBox* m_chkAnyCertificate;
    QSpinBox* m_spnMinutes;
    QSpinBox* m_spnHoldHours;
};
