#pragma once

#include "contracts/ContractRenewals.h"

#include <QDialog>

class DateBox;
class IWindowHost;
class QLabel;
class QPushButton;
class QTableWidget;
struct Services;

/// "Renew contracts...": the contracts ending in a period with this term's price and next term's, the holder, the
/// boat and the balance; the clerk ticks all or some, may change a renewal's price, and renews them in one go. The
/// renewal letters are then sent by e-mail where the office has a mail server, else printed.
class RenewalsDialog final : public QDialog
{
    Q_OBJECT
public:
    RenewalsDialog(Services& services, QWidget* parent = nullptr);
    /// Opens the dialog over the host's frame, the list read for the next three months.
    static void display(IWindowHost& host, Services& services);

    /// Reads the contracts ending in the period shown; a failure is told.
    void reload();
    /// The contracts the last renewal made.
    const QList<ContractRenewals::Renewed>& renewed() const { return m_renewed; }

private:
    std::optional<QList<ContractRenewals::Due>> chosen();
    void renew();
    void sendLetters();
    void printLetters();
    void tell(const Failure& failure);

    Services& m_services;
    DateBox* dtpFrom;
    DateBox* dtpTo;
    QTableWidget* grdRenewals;
    QLabel* lblNote;
    QPushButton* cmdSend;
    QPushButton* cmdPrint;
    QList<ContractRenewals::Due> m_due;
    QList<ContractRenewals::Renewed> m_renewed;
};
