#pragma once

#include "contracts/ContractLists.h"
#include "outputs/CsvExport.h"

#include <QDialog>
#include <functional>

class DateBox;
class QComboBox;
class QTableWidget;
class QVBoxLayout;
struct Services;

/// Bookings › Contract Lists...: contracts by berth type, renewals due in a period, and instalments due and overdue,
/// each shown, printed, or exported as a CSV file.
class ContractListsWindow final : public QDialog
{
    Q_OBJECT
public:
    ContractListsWindow(Services& services, QWidget* parent = nullptr);
    static void display(Services& services, QWidget* parent);
    /// A list in a grid as these windows show it, and as a spreadsheet's table: the meter lists share them.
    static void fill(QTableWidget& grid, const ContractLists::List& list);
    static CsvExport::Table tableOf(const ContractLists::List& list);
    /// Adds the grid of a lists window to layout and, under it, Print..., Export CSV... (when mayExport, if given,
    /// allows) and Close, which print and export list as it stands: the grid to fill.
    static QTableWidget* addOutputs(QDialog& window, QVBoxLayout& layout, Services& services,
                                    const ContractLists::List& list, const std::function<bool()>& mayExport = {});

    /// Reads the list chosen for the days shown; a failure is told.
    void showList();

private:
    Services& m_services;
    QComboBox* cboList;
    DateBox* dtpFrom;
    DateBox* dtpTo;
    QTableWidget* grdList;
    ContractLists::List m_list;
};
