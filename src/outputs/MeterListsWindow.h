#pragma once

#include "contracts/ContractLists.h"

#include <QDialog>

class DateBox;
class QComboBox;
class QSpinBox;
class QTableWidget;
struct Services;

/// The meters' lists: use by berth and month (electricity or water), meters not read for a number of days, and
/// readings flagged; each shown, printed, or exported as a CSV file.
class MeterListsWindow final : public QDialog
{
    Q_OBJECT
public:
    MeterListsWindow(Services& services, QWidget* parent = nullptr);
    static void display(Services& services, QWidget* parent);

    /// Reads the list chosen for the period and days shown; a failure is told.
    void showList();

private:
    Services& m_services;
    QComboBox* cboList;
    QComboBox* cboKind;
    DateBox* dtpFrom;
    DateBox* dtpTo;
    QSpinBox* txtDays;
    QTableWidget* grdList;
    ContractLists::List m_list;
};
