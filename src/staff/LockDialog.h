#pragma once

#include <QDialog>

struct Services;
class QLabel;
class QLineEdit;

/// The lock over the program after an idle time: every open window stays as it was, with what was typed in it,
/// until the same user types their PIN or password, or another user signs in through "Switch User...". It cannot
/// be closed otherwise.
class LockDialog final : public QDialog
{
    Q_OBJECT
public:
    LockDialog(Services& services, QWidget* parent);

    /// Locks until someone unlocks; returns then.
    static void lock(Services& services, QWidget* parent);

    void reject() override {} // Escape and the close button leave it locked

private:
    void unlock();
    void switchUser();

    Services& m_services;
    int m_userId;
    QLineEdit* m_txtSecret;
    QLabel* m_lblError;
};
