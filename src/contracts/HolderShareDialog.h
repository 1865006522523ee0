#pragma once

#include <QDialog>

struct Services;
class QPushButton;
class QSpinBox;

/// The company's share for berth holders: the percentage of a visitor's hire credited to the holder whose berth the
/// visitor stays on while the holder is away. Opened from the company's details.
class HolderShareDialog final : public QDialog
{
    Q_OBJECT
public:
    HolderShareDialog(Services& services, QWidget* parent = nullptr);
    /// The company window's "Holders' share..." button.
    static QPushButton* opener(Services& services, QWidget* parent);

private:
    void save();

    Services& m_services;
    QSpinBox* spnShare;
};
