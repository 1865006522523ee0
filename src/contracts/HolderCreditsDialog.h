#pragma once

#include <QDialog>

struct Services;
class DateBox;
class QLabel;
class QPushButton;
class QTableWidget;

/// The credits berth holders earned from visitors on their berths while away, over a period: when, the contract, the
/// holder, the visitor's booking and the amount (a refund's share shown negative), with their total.
class HolderCreditsDialog final : public QDialog
{
    Q_OBJECT
public:
    HolderCreditsDialog(Services& services, QWidget* parent = nullptr);
    /// The contracts list's "Credits..." button.
    static QPushButton* opener(Services& services, QWidget* parent);

    /// Reads the credits of the period in the boxes; a failure is told.
    void read();

private:
    Services& m_services;
    DateBox* dtpFrom;
    DateBox* dtpTo;
    QTableWidget* grdCredits;
    QLabel* lblTotal;
};
