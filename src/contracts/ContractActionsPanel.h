#pragma once

#include <QWidget>
#include <functional>

class IWindowHost;
struct Services;

/// The Contracts window's row of buttons for a contract's change, its papers, the renewals and the lists. When the
/// window opens, contracts that ended unrenewed are marked and their berths offered to the waiting list.
class ContractActionsPanel final : public QWidget
{
    Q_OBJECT
public:
    /// current gives the chosen contract's ID (0 for none); reload reads the list again after a change.
    ContractActionsPanel(IWindowHost& host, Services& services, std::function<int()> current,
                         std::function<void()> reload, QWidget* parent);

    /// Marks the contracts that ended unrenewed before today and offers their berths to the waiting list.
    static void offerLapsed(IWindowHost& host, Services& services);

private:
    void edit();
    void printContract();
    void printInvoice();

    IWindowHost& m_host;
    Services& m_services;
    std::function<int()> m_current;
    std::function<void()> m_reload;
};
