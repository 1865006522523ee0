#pragma once

#include "contracts/ContractStore.h"
#include "core/ui/ChildWindow.h"

struct Services;
class QCheckBox;
class QLabel;
class QStandardItemModel;
class QTableView;
class ReadErrorLine;

/// Bookings › Contracts: the berths let for a term, by berth type, with holder, berth, term, price and balance; the
/// chosen contract's plan and invoices below. A new contract, a payment, an instalment invoiced early and a
/// cancellation start here. Instalments that have fallen due are invoiced whenever the window is read.
class ContractsWindow final : public ChildWindow
{
    Q_OBJECT
public:
    static inline const QString WindowName = QStringLiteral("frmContracts");

    ContractsWindow(IWindowHost& host, Services& services, QWidget* parent = nullptr);
    /// Opens the one list in the host's frame, or reads the open one again and brings it forward.
    static ContractsWindow* display(IWindowHost& host, Services& services);

    void activated() override { reload(); }
    void reload();

private:
    const ContractStore::Row* current() const;
    void showPlan();
    void add();
    void pay();
    void issueNext();
    void cancelContract();
    void tell(const Failure& failure);

    IWindowHost& m_host;
    Services& m_services;
    QList<ContractStore::Row> m_rows;
    QCheckBox* m_chkCancelled;
    QStandardItemModel* m_model;
    QTableView* m_grid;
    QLabel* m_lblPlan;
    ReadErrorLine* m_readError;
};
